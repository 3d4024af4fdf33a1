#pragma once

#include "opennurbs_plane.h"

class ON_Circle;
class ON_NurbsCurve;

// Ellipse in a plane: centre at the plane origin, radius[0] along the x axis, radius[1] along y.
// Parameter t in [0, 2pi): origin + radius[0] cos t x + radius[1] sin t y.
class ON_CLASS ON_Ellipse
{
public:
  ON_Plane plane;
  double radius[2] = {1.0, 1.0};

  ON_Ellipse() = default;
  ON_Ellipse(const ON_Plane& ellipse_plane, double radius0, double radius1);
  explicit ON_Ellipse(const ON_Circle& circle);

  bool Create(const ON_Plane& ellipse_plane, double radius0, double radius1);
  bool Create(const ON_Circle& circle);

  // Valid plane, both radii valid and positive.
  bool IsValid() const;
  bool IsCircle() const;
  double Radius(int i) const;
  const ON_3dPoint& Center() const;
  const ON_Plane& Plane() const;
  ON_3dPoint PointAt(double t) const;
  ON_3dVector DerivativeAt(int order, double t) const;

  // Parameter of the nearest ellipse point, searched in the quadrant that holds the point's
  // projection on the plane; 2pi is reported as 0.
  bool ClosestPointTo(const ON_3dPoint& point, double* t) const;
  ON_3dPoint ClosestPointTo(const ON_3dPoint& point) const;
  // The circle's rational quadratic form stretched along the axes: 9 control vertices, knots at
  // the quarters 0 .. 2pi. 2 on success (the NURBS parameter is not t between the quarters).
  int GetNurbForm(ON_NurbsCurve& nurbs_curve) const;
};
