#include "opennurbs_defines.h"

#include <cmath>

bool ON_IsValid(double x) { return x != ON_UNSET_VALUE && std::isfinite(x); }

bool ON_IsValidFloat(float x) { return x != ON_UNSET_FLOAT && std::isfinite(x); }

int ON_KnotCount(int order, int cv_count) { return order + cv_count - 2; }
