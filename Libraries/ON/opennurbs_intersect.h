#pragma once

#include "opennurbs_line.h"
#include "opennurbs_plane.h"

// Closest approach of the two infinite lines: lineA at *a is nearest to lineB at *b. The
// parameters are not limited to [0, 1]. When an end of lineA equals an end of lineB exactly,
// the exact parameters (0 or 1) are returned. False, outputs untouched, for parallel or
// degenerate lines.
ON_DECL bool ON_Intersect(const ON_Line& lineA, const ON_Line& lineB, double* a, double* b);

// Parameter where the infinite line crosses the plane (not limited to [0, 1]). *t is written
// even on failure: 0.5 for a line parallel to the plane.
ON_DECL bool ON_Intersect(const ON_Line& line, const ON_Plane& plane, double* t);
