#pragma once

// Small curves shared by the curve, NURBS and brep tests.

#include "GeoTestSupport.h"
#include "opennurbs.h"

namespace qor_curve_fixtures
{
using geotest::Points;
using geotest::Text;

// Arc about centre in a plane parallel to world XY, from angle a0 to a1 (radians).
inline ON_ArcCurve Arc(const ON_3dPoint& centre, double radius, double a0, double a1)
{
  ON_Plane plane;
  plane.origin = centre;
  plane.UpdateEquation();
  return ON_ArcCurve(ON_Arc(ON_Circle(plane, radius), ON_Interval(a0, a1)));
}

// The rational NURBS form of that arc, as files carry arcs and circles.
inline ON_NurbsCurve ArcNurbs(const ON_3dPoint& centre, double radius, double a0, double a1)
{
  ON_NurbsCurve nurbs;
  Arc(centre, radius, a0, a1).GetNurbForm(nurbs);
  return nurbs;
}

inline ON_NurbsCurve Clamped(int order, const ON_3dPointArray& points)
{
  ON_NurbsCurve curve;
  curve.CreateClampedUniformNurbs(3, order, points.Count(), points.Array());
  return curve;
}
} // namespace qor_curve_fixtures
