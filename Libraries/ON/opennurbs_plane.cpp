#include "opennurbs_plane.h"

#include "opennurbs_xform.h"

#include <algorithm>
#include <cmath>

const ON_Plane ON_Plane::World_xy;

ON_Plane::ON_Plane()
    : origin(0.0, 0.0, 0.0), xaxis(1.0, 0.0, 0.0), yaxis(0.0, 1.0, 0.0), zaxis(0.0, 0.0, 1.0),
      plane_equation(0.0, 0.0, 1.0, 0.0)
{
}

ON_Plane::ON_Plane(const ON_3dPoint& P, const ON_3dVector& N) : ON_Plane() { CreateFromNormal(P, N); }

ON_Plane::ON_Plane(const ON_3dPoint& P, const ON_3dVector& x_dir, const ON_3dVector& y_dir) : ON_Plane()
{
  CreateFromFrame(P, x_dir, y_dir);
}

ON_Plane::ON_Plane(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R)
    : origin(0.0, 0.0, 0.0), xaxis(0.0, 0.0, 0.0), yaxis(0.0, 0.0, 0.0), zaxis(0.0, 0.0, 0.0)
{
  CreateFromPoints(P, Q, R);
}

bool ON_Plane::CreateFromPoints(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R)
{
  origin = P;
  bool rc = zaxis.PerpendicularTo(P, Q, R);
  xaxis = Q - P;
  xaxis.Unitize();
  yaxis = ON_CrossProduct(zaxis, xaxis);
  yaxis.Unitize();
  if (!plane_equation.Create(origin, zaxis))
    rc = false;
  return rc;
}

bool ON_Plane::CreateFromNormal(const ON_3dPoint& P, const ON_3dVector& N)
{
  origin = P;
  zaxis = N;
  const bool unit = zaxis.Unitize();
  xaxis.PerpendicularTo(zaxis);
  xaxis.Unitize();
  yaxis = ON_CrossProduct(zaxis, xaxis);
  yaxis.Unitize();
  UpdateEquation();
  return unit;
}

bool ON_Plane::CreateFromFrame(const ON_3dPoint& P, const ON_3dVector& x_dir, const ON_3dVector& y_dir)
{
  origin = P;
  xaxis = x_dir;
  const bool x_ok = xaxis.Unitize();
  yaxis = y_dir - ON_DotProduct(y_dir, xaxis) * xaxis;
  const bool y_ok = yaxis.Unitize();
  zaxis = ON_CrossProduct(xaxis, yaxis);
  const bool z_ok = zaxis.Unitize();
  return UpdateEquation() && x_ok && y_ok && z_ok && IsValid();
}

bool ON_Plane::UpdateEquation() { return plane_equation.Create(origin, zaxis); }

bool ON_Plane::IsValid() const
{
  if (!plane_equation.IsValid() || !origin.IsValid())
    return false;
  const double scale =
      std::max(std::max(std::fabs(origin.x), std::fabs(origin.y)), std::fabs(origin.z)) + std::fabs(plane_equation.d);
  const double tolerance = scale > 1000.0 ? 10.0 * ON_EPSILON * scale : ON_ZERO_TOLERANCE;
  if (std::fabs(plane_equation.ValueAt(origin)) > tolerance)
    return false;
  const double unit_tolerance = ON_SQRT_EPSILON;
  const ON_3dVector axes[3] = {xaxis, yaxis, zaxis};
  for (const ON_3dVector& axis : axes)
    if (std::fabs(axis.Length() - 1.0) > unit_tolerance)
      return false;
  if (std::fabs(ON_DotProduct(xaxis, yaxis)) > unit_tolerance ||
      std::fabs(ON_DotProduct(yaxis, zaxis)) > unit_tolerance ||
      std::fabs(ON_DotProduct(zaxis, xaxis)) > unit_tolerance)
    return false;
  if (ON_TripleProduct(xaxis, yaxis, zaxis) <= 0.0)
    return false;
  return std::fabs(ON_DotProduct(plane_equation.UnitNormal(), zaxis) - 1.0) <= unit_tolerance;
}

const ON_3dVector& ON_Plane::Normal() const { return zaxis; }

ON_3dPoint ON_Plane::PointAt(double s, double t) const { return origin + s * xaxis + t * yaxis; }

ON_3dPoint ON_Plane::PointAt(double s, double t, double c) const { return origin + s * xaxis + t * yaxis + c * zaxis; }

bool ON_Plane::ClosestPointTo(ON_3dPoint point, double* s, double* t) const
{
  const ON_3dVector v = point - origin;
  if (s)
    *s = ON_DotProduct(v, xaxis);
  if (t)
    *t = ON_DotProduct(v, yaxis);
  return true;
}

ON_3dPoint ON_Plane::ClosestPointTo(ON_3dPoint point) const
{
  double s = 0.0, t = 0.0;
  ClosestPointTo(point, &s, &t);
  return PointAt(s, t);
}

double ON_Plane::DistanceTo(const ON_3dPoint& point) const { return ON_DotProduct(point - origin, zaxis); }

void ON_Plane::Flip()
{
  std::swap(xaxis, yaxis);
  zaxis = -zaxis;
  UpdateEquation();
}

bool ON_Plane::Transform(const ON_Xform& xform)
{
  const ON_3dPoint new_origin = xform * origin;
  const ON_3dVector new_x = xform * (origin + xaxis) - new_origin;
  const ON_3dVector new_y = xform * (origin + yaxis) - new_origin;
  return CreateFromFrame(new_origin, new_x, new_y);
}
