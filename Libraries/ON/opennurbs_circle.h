#pragma once

#include "opennurbs_plane.h"

class ON_NurbsCurve;

// Circle in a plane: centre at the plane origin, angle 0 along the plane's x axis.
class ON_CLASS ON_Circle
{
public:
  ON_Plane plane;
  double radius = 1.0;

  ON_Circle() = default;
  ON_Circle(const ON_Plane& circle_plane, double circle_radius);
  ON_Circle(const ON_3dPoint& center, double circle_radius);
  // Through three points; see Create.
  ON_Circle(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R);

  // Circle through P, Q and R: normal along (Q-P) x (R-P), x axis towards P (P at angle 0).
  // Collinear or coincident points fail: world XY plane, radius 0.
  bool Create(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R);

  bool IsValid() const;
  const ON_3dPoint& Center() const;
  const ON_3dVector& Normal() const;
  double Radius() const;
  ON_3dPoint PointAt(double angle) const;
  // Derivative of the given order with respect to the angle.
  ON_3dVector DerivativeAt(int order, double angle) const;
  // Angle in [0, 2pi) of the circle point nearest to point; 0 for the centre.
  bool ClosestPointTo(const ON_3dPoint& point, double* t) const;
  ON_3dPoint ClosestPointTo(const ON_3dPoint& point) const;
  // Rational quadratic with 9 control vertices, one span per quarter, knots at the quarter angles
  // (0 to 2pi). 2 on success: the NURBS parameter is not the angle between the quarters.
  int GetNurbForm(ON_NurbsCurve& nurbs_curve) const;
};
