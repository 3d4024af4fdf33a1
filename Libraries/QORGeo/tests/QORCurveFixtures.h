#pragma once

// Small curves shared by the curve, NURBS and brep tests.

#include "opennurbs.h"

#include <initializer_list>
#include <string>

namespace qor_curve_fixtures
{
inline ON_3dPointArray Points(std::initializer_list<ON_3dPoint> list)
{
  ON_3dPointArray points;
  for (const ON_3dPoint& p : list)
    points.Append(p);
  return points;
}

inline std::string Text(const ON_wString& s)
{
  return static_cast<const char*>(ON_String(s));
}

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
}  // namespace qor_curve_fixtures
