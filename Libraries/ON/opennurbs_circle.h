#pragma once

#include "opennurbs_plane.h"

// Circle in a plane: centre at the plane origin, angle 0 along the plane's x axis.
class ON_CLASS ON_Circle
{
public:
  ON_Plane plane;
  double radius = 1.0;

  ON_Circle() = default;
  ON_Circle(const ON_Plane& circle_plane, double circle_radius);
  ON_Circle(const ON_3dPoint& center, double circle_radius);

  bool IsValid() const;
  const ON_3dPoint& Center() const;
  ON_3dPoint PointAt(double angle) const;
  // Derivative of the given order with respect to the angle.
  ON_3dVector DerivativeAt(int order, double angle) const;
};
