#include "opennurbs.h"

#include <cmath>

ON_Ellipse::ON_Ellipse(const ON_Plane& ellipse_plane, double radius0, double radius1)
{
  Create(ellipse_plane, radius0, radius1);
}

ON_Ellipse::ON_Ellipse(const ON_Circle& circle) { Create(circle); }

bool ON_Ellipse::Create(const ON_Plane& ellipse_plane, double radius0, double radius1)
{
  plane = ellipse_plane;
  radius[0] = radius0;
  radius[1] = radius1;
  return IsValid();
}

bool ON_Ellipse::Create(const ON_Circle& circle) { return Create(circle.plane, circle.radius, circle.radius); }

bool ON_Ellipse::IsValid() const
{
  return plane.IsValid() && ON_IsValid(radius[0]) && ON_IsValid(radius[1]) && radius[0] > 0.0 && radius[1] > 0.0;
}

bool ON_Ellipse::IsCircle() const { return IsValid() && radius[0] == radius[1]; }

double ON_Ellipse::Radius(int i) const { return radius[i ? 1 : 0]; }

const ON_3dPoint& ON_Ellipse::Center() const { return plane.origin; }

const ON_Plane& ON_Ellipse::Plane() const { return plane; }

ON_3dPoint ON_Ellipse::PointAt(double t) const
{
  return plane.origin + plane.xaxis * (radius[0] * std::cos(t)) + plane.yaxis * (radius[1] * std::sin(t));
}

ON_3dVector ON_Ellipse::DerivativeAt(int order, double t) const
{
  const double turned = t + order * 0.5 * ON_PI;
  return plane.xaxis * (radius[0] * std::cos(turned)) + plane.yaxis * (radius[1] * std::sin(turned));
}

bool ON_Ellipse::ClosestPointTo(const ON_3dPoint& point, double* t) const
{
  if (!t || !IsValid())
    return false;
  const ON_3dVector v = point - plane.origin;
  const double u = ON_DotProduct(v, plane.xaxis), w = ON_DotProduct(v, plane.yaxis);
  const double a = radius[0], b = radius[1];
  // Points on the axes, the centre included.
  if (u == 0.0 && w == 0.0)
  {
    *t = a <= b ? 0.0 : 0.5 * ON_PI;
    return true;
  }
  if (u == 0.0 && (w >= b || w <= -b))
  {
    *t = w > 0.0 ? 0.5 * ON_PI : 1.5 * ON_PI;
    return true;
  }
  if (w == 0.0 && (u >= a || u <= -a))
  {
    *t = u > 0.0 ? 0.0 : ON_PI;
    return true;
  }
  double seed = std::atan2(w, u);
  if (seed < 0.0)
    seed += 2.0 * ON_PI;
  if (a == b)
  {
    *t = seed >= 2.0 * ON_PI ? 0.0 : seed;
    return true;
  }
  // The quadrant that holds (u, w); the squared distance has one minimum there.
  double lo, hi;
  if (u >= 0.0 && w >= 0.0)
    lo = 0.0, hi = 0.5 * ON_PI;
  else if (u < 0.0 && w >= 0.0)
    lo = 0.5 * ON_PI, hi = ON_PI;
  else if (u < 0.0)
    lo = ON_PI, hi = 1.5 * ON_PI;
  else
    lo = 1.5 * ON_PI, hi = 2.0 * ON_PI;
  // g(t) = E'(t).(E(t) - P) / 2 changes sign from - to + at the minimum.
  auto g = [&](double s)
  {
    const double c = std::cos(s), d = std::sin(s);
    return (b * b - a * a) * c * d + a * u * d - b * w * c;
  };
  auto distance2 = [&](double s)
  {
    const double dx = a * std::cos(s) - u, dy = b * std::sin(s) - w;
    return dx * dx + dy * dy;
  };
  double best = distance2(lo) <= distance2(hi) ? lo : hi;
  double glo = g(lo), ghi = g(hi);
  if (glo < 0.0 && ghi > 0.0)
  {
    double s = seed >= lo && seed <= hi ? seed : 0.5 * (lo + hi);
    for (int iteration = 0; iteration < 100 && hi - lo > 4.0 * ON_EPSILON * (1.0 + std::fabs(hi)); iteration++)
    {
      const double gs = g(s);
      if (gs == 0.0)
        break;
      if (gs < 0.0)
        lo = s;
      else
        hi = s;
      // Newton on g, kept inside the bracket.
      const double c = std::cos(s), d = std::sin(s);
      const double dg = (b * b - a * a) * (c * c - d * d) + a * u * c + b * w * d;
      double next = dg != 0.0 ? s - gs / dg : 0.5 * (lo + hi);
      if (!(next > lo && next < hi))
        next = 0.5 * (lo + hi);
      if (next == s)
        break;
      s = next;
    }
    if (distance2(s) <= distance2(best))
      best = s;
  }
  *t = best >= 2.0 * ON_PI ? 0.0 : best;
  return true;
}

ON_3dPoint ON_Ellipse::ClosestPointTo(const ON_3dPoint& point) const
{
  double t = 0.0;
  ClosestPointTo(point, &t);
  return PointAt(t);
}

int ON_Ellipse::GetNurbForm(ON_NurbsCurve& nurbs_curve) const
{
  if (!IsValid())
    return 0;
  // The unit circle's form in plane coordinates, each control vertex then placed on the ellipse axes.
  ON_NurbsCurve form;
  if (!ON_Circle(ON_Plane::World_xy, 1.0).GetNurbForm(form) || !form.IsRational())
    return 0;
  for (int i = 0; i < form.CVCount(); i++)
  {
    ON_4dPoint h;
    form.GetCV(i, h);
    const ON_3dPoint P = plane.origin + plane.xaxis * (radius[0] * h.x / h.w) + plane.yaxis * (radius[1] * h.y / h.w);
    form.SetCV(i, ON_4dPoint(P.x * h.w, P.y * h.w, P.z * h.w, h.w));
  }
  nurbs_curve = form;
  return 2;
}
