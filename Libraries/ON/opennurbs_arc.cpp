#include "opennurbs.h"

#include <cmath>

ON_Arc::ON_Arc() : m_angle(0.0, 2.0 * ON_PI) {}

ON_Arc::ON_Arc(const ON_Circle& circle, double angle_in_radians) : ON_Circle(circle), m_angle(0.0, angle_in_radians) {}

ON_Arc::ON_Arc(const ON_Circle& circle, ON_Interval angle_interval_in_radians)
    : ON_Circle(circle), m_angle(angle_interval_in_radians)
{
}

ON_Arc::ON_Arc(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R) { Create(P, Q, R); }

bool ON_Arc::Create(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R)
{
  bool ok = ON_Circle::Create(P, Q, R);
  double a = 0.0;
  if (ok)
  {
    const ON_3dVector v = R - plane.origin;
    a = std::atan2(v * plane.yaxis, v * plane.xaxis);
    if (a < 0.0)
      a += 2.0 * ON_PI;
    ok = a > 0.0;
  }
  if (!ok)
  {
    plane = ON_Plane::World_xy;
    radius = 0.0;
    a = 0.0;
  }
  m_angle.Set(0.0, a);
  return ok;
}

bool ON_Arc::IsValid() const
{
  const double angle = AngleRadians();
  return ON_Circle::IsValid() && m_angle.IsValid() && angle > ON_ZERO_TOLERANCE &&
         angle <= 2.0 * ON_PI + ON_ZERO_TOLERANCE;
}

bool ON_Arc::IsCircle() const { return std::fabs(AngleRadians() - 2.0 * ON_PI) <= ON_ZERO_TOLERANCE; }

ON_Interval ON_Arc::Domain() const { return m_angle; }

double ON_Arc::AngleRadians() const { return m_angle.m_t[1] - m_angle.m_t[0]; }

ON_3dPoint ON_Arc::StartPoint() const { return PointAt(m_angle.m_t[0]); }

ON_3dPoint ON_Arc::EndPoint() const { return PointAt(m_angle.m_t[1]); }

ON_BoundingBox ON_Arc::BoundingBox() const
{
  ON_3dPointArray points;
  points.Append(StartPoint());
  points.Append(EndPoint());
  for (int axis = 0; axis < 3; ++axis)
  {
    // x.e_axis = r (cos a X + sin a Y) turns where tan a = Y / X.
    const double turn = std::atan2(plane.yaxis[axis], plane.xaxis[axis]);
    for (int k = -4; k <= 4; ++k)
    {
      const double a = turn + k * ON_PI;
      if (a > m_angle.m_t[0] && a < m_angle.m_t[1])
        points.Append(PointAt(a));
    }
  }
  return points.BoundingBox();
}
