#pragma once

#include "opennurbs_defines.h"

// Principal curvatures of a surface at a point (mesh vertices keep those of the surface they came from).
class ON_CLASS ON_SurfaceCurvature
{
public:
  double k1, k2;
};
