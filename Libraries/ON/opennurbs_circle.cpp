#include "opennurbs.h"

#include <cmath>

ON_Circle::ON_Circle(const ON_Plane& circle_plane, double circle_radius) : plane(circle_plane), radius(circle_radius) {}

ON_Circle::ON_Circle(const ON_3dPoint& center, double circle_radius) : radius(circle_radius)
{
  plane.origin = center;
  plane.UpdateEquation();
}

ON_Circle::ON_Circle(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R) { Create(P, Q, R); }

// The centre is found relative to P, so points far from the origin keep their precision.
bool ON_Circle::Create(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R)
{
  const ON_3dVector a = Q - P, b = R - P;
  const ON_3dVector n = ON_CrossProduct(a, b);
  const double nn = ON_DotProduct(n, n);
  ON_3dVector z;
  if (nn > 0.0 && std::isfinite(nn) && z.PerpendicularTo(P, Q, R))
  {
    const ON_3dVector c =
        (ON_DotProduct(a, a) * ON_CrossProduct(b, n) + ON_DotProduct(b, b) * ON_CrossProduct(n, a)) / (2.0 * nn);
    ON_3dVector x = -c;
    const double r = c.Length();
    ON_Plane frame;
    if (r > 0.0 && x.Unitize() && frame.CreateFromFrame(P + c, x, ON_CrossProduct(z, x)))
    {
      plane = frame;
      radius = r;
      return true;
    }
  }
  plane = ON_Plane::World_xy;
  radius = 0.0;
  return false;
}

bool ON_Circle::IsValid() const { return ON_IsValid(radius) && radius > 0.0 && plane.IsValid(); }

const ON_3dPoint& ON_Circle::Center() const { return plane.origin; }

const ON_3dVector& ON_Circle::Normal() const { return plane.zaxis; }

double ON_Circle::Radius() const { return radius; }

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

bool ON_Circle::ClosestPointTo(const ON_3dPoint& point, double* t) const
{
  if (!t)
    return false;
  const ON_3dVector v = point - plane.origin;
  const double x = ON_DotProduct(v, plane.xaxis), y = ON_DotProduct(v, plane.yaxis);
  double angle = (x == 0.0 && y == 0.0) ? 0.0 : std::atan2(y, x);
  if (angle < 0.0)
    angle += 2.0 * ON_PI;
  if (angle >= 2.0 * ON_PI)
    angle = 0.0;
  *t = angle;
  return true;
}

ON_3dPoint ON_Circle::ClosestPointTo(const ON_3dPoint& point) const
{
  double t = 0.0;
  ClosestPointTo(point, &t);
  return PointAt(t);
}

int ON_Circle::GetNurbForm(ON_NurbsCurve& nurbs_curve) const
{
  ON_ArcCurve curve(*this);
  curve.m_t.Set(0.0, 2.0 * ON_PI);
  return curve.GetNurbForm(nurbs_curve);
}
