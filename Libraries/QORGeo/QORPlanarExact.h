#pragma once

#include "opennurbs.h"

// Exact decisions behind the planar classes (x and y only): a floating-point estimate decides when
// its error bound allows, otherwise the quantity is evaluated exactly as a sum of doubles. Used by
// QORPoint2d, QORLine2d and QORPolygon2d; not meant for other callers.
class QORPlanarExact
{
public:
  QORPlanarExact() = delete;

  // Side of p against the directed line s -> e by c = (p.y - s.y)(e.x - s.x) - (e.y - s.y)(p.x - s.x):
  // 0 when |c| <= tolerance, 1 when c > tolerance (left), 2 when c < -tolerance (right). A negative
  // or NaN tolerance counts as 0.
  static int Side(const ON_3dPoint& s, const ON_3dPoint& e, const ON_3dPoint& p, double tolerance);
  // That c, evaluated exactly and then rounded.
  static double Cross(const ON_3dPoint& s, const ON_3dPoint& e, const ON_3dPoint& p);
  // Sign (-1, 0, 1) of the plan distance from p to the infinite line through s and e minus the
  // tolerance; for s and e at one plan point, of the distance from p to s. A NaN tolerance gives 1
  // here and below.
  static int CompareDistanceToLine(const ON_3dPoint& p, const ON_3dPoint& s, const ON_3dPoint& e, double tolerance);
  // Sign (-1, 0, 1) of the plan distance between a and b minus the tolerance.
  static int CompareDistance(const ON_3dPoint& a, const ON_3dPoint& b, double tolerance);
  // sum of x[i] * (y[i+1] - y[i-1]) for i = 1 .. count - 1, with point count taken to be point 1:
  // twice the signed area of a closed polygon. Returns the sum, rounded; sign receives its exact
  // sign (-1, 0, 1). Fewer than 3 points give 0.
  static double AreaSum(const ON_3dPointArray& points, int& sign);
};
