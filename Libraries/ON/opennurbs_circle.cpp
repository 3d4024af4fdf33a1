#include "opennurbs.h"

#include <cmath>

ON_Circle::ON_Circle(const ON_Plane& circle_plane, double circle_radius) : plane(circle_plane), radius(circle_radius) {}

ON_Circle::ON_Circle(const ON_3dPoint& center, double circle_radius) : radius(circle_radius)
{
  plane.origin = center;
  plane.UpdateEquation();
}

bool ON_Circle::IsValid() const { return ON_IsValid(radius) && radius > 0.0 && plane.IsValid(); }

const ON_3dPoint& ON_Circle::Center() const { return plane.origin; }

ON_3dPoint ON_Circle::PointAt(double angle) const
{
  return plane.origin + plane.xaxis * (radius * std::cos(angle)) + plane.yaxis * (radius * std::sin(angle));
}

// The k-th derivative of (cos, sin) is the pair turned by k quarter turns.
ON_3dVector ON_Circle::DerivativeAt(int order, double angle) const
{
  const double turned = angle + order * 0.5 * ON_PI;
  return plane.xaxis * (radius * std::cos(turned)) + plane.yaxis * (radius * std::sin(turned));
}
