#pragma once

// Floating-point filter for the side of a lower-hull facet in four dimensions that a point lies on.
// The facet's hull lies above it (toward the point at infinity, the last axis), so a point strictly
// on the other side sees the facet. Each determinant is evaluated in doubles with a bound on its
// rounding error; a sign is returned only when the bound proves it.
class facet_side_filter
{
public:
  // The facet's four vertices and the point have `dimension` coordinates; `lifted` adds the squared
  // distance from the facet's first vertex as a last one (dimension + lifted is 4). Returns -1 when
  // the point lies strictly below the facet's hyperplane (it sees the facet), 1 when strictly above,
  // 0 when the rounding error cannot rule out a vertical facet or a point on the hyperplane.
  static int Side(const double* const facet[4], const double* point, int dimension, bool lifted);
};
