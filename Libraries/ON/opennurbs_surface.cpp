#include "opennurbs_surface.h"

#include "opennurbs_curve.h"
#include "opennurbs_nurbssurface.h"

#include <algorithm>
#include <cmath>

namespace
{

struct DistanceSample
{
  double s, t;
  ON_3dPoint point;
  ON_3dVector ds, dt, dss, dst, dtt;
  double distance_squared;
};

bool Sample(const ON_Surface& surface, const ON_3dPoint& P, double s, double t, int* hint, DistanceSample& sample)
{
  sample.s = s;
  sample.t = t;
  if (!surface.Ev2Der(s, t, sample.point, sample.ds, sample.dt, sample.dss, sample.dst, sample.dtt, 0, hint))
    return false;
  sample.distance_squared = sample.point.DistanceToSquared(P);
  return ON_IsValid(sample.distance_squared);
}

// Whether a parameter sits on a bound that its gradient component pushes against.
bool Blocked(double u, double gradient, const ON_Interval& domain)
{
  return (u <= domain.Min() && gradient > 0.0) || (u >= domain.Max() && gradient < 0.0);
}

// Newton step of 1/2 |S - P|^2 over the free parameters; falls back to Gauss-Newton when the
// Hessian is not positive definite.
bool NewtonStep(const DistanceSample& x, const ON_3dPoint& P, bool free_s, bool free_t, double& step_s, double& step_t,
                bool& full_newton)
{
  full_newton = true;
  const ON_3dVector r = x.point - P;
  const double gs = x.ds * r, gt = x.dt * r;
  double a = x.ds * x.ds + x.dss * r, b = x.ds * x.dt + x.dst * r, c = x.dt * x.dt + x.dtt * r;
  if (!free_s)
    b = 0.0, a = 1.0;
  if (!free_t)
    b = 0.0, c = 1.0;
  double det = a * c - b * b;
  if (!(a > 0.0 && det > 0.0))
  {
    full_newton = false;
    a = free_s ? x.ds * x.ds : 1.0;
    c = free_t ? x.dt * x.dt : 1.0;
    b = (free_s && free_t) ? x.ds * x.dt : 0.0;
    det = a * c - b * b;
    if (!(a > 0.0 && det > 0.0))
      return false;
  }
  const double rs = free_s ? gs : 0.0, rt = free_t ? gt : 0.0;
  step_s = -(c * rs - b * rt) / det;
  step_t = -(a * rt - b * rs) / det;
  return std::isfinite(step_s) && std::isfinite(step_t);
}

// u inside the domain; within round-off of an end, exactly that end (so that it can block).
double Snap(double u, const ON_Interval& domain)
{
  const double tolerance = 1.0e-12 * (1.0 + std::fabs(domain.Min()) + std::fabs(domain.Max()));
  if (u <= domain.Min() + tolerance)
    return domain.Min();
  if (u >= domain.Max() - tolerance)
    return domain.Max();
  return u;
}

// Tries x + step, halving it until the distance drops; x moves to the first better point.
bool SearchAlong(const ON_Surface& surface, const ON_3dPoint& P, const ON_Interval& sd, const ON_Interval& td,
                 double s_tol, double t_tol, int* hint, double step_s, double step_t, DistanceSample& x)
{
  for (int halving = 0; halving < 40; halving++, step_s *= 0.5, step_t *= 0.5)
  {
    if (std::fabs(step_s) <= s_tol && std::fabs(step_t) <= t_tol)
      return false;
    DistanceSample candidate;
    if (Sample(surface, P, Snap(x.s + step_s, sd), Snap(x.t + step_t, td), hint, candidate) &&
        candidate.distance_squared < x.distance_squared && (candidate.s != x.s || candidate.t != x.t))
    {
      x = candidate;
      return true;
    }
  }
  return false;
}

} // namespace

ON_VIRTUAL_OBJECT_IMPLEMENT(ON_Surface, ON_Geometry, "4ED7D4E1-E947-11D3-BFE5-0010830122F0")

ON::object_type ON_Surface::ObjectType() const { return ON::surface_object; }

bool ON_Surface::EvPoint(double s, double t, ON_3dPoint& point, int quadrant, int* hint) const
{
  double v[3] = {0.0, 0.0, 0.0};
  const bool ok = Evaluate(s, t, 0, 3, v, quadrant, hint);
  point = ON_3dPoint(v[0], v[1], v[2]);
  return ok;
}

bool ON_Surface::Ev1Der(double s, double t, ON_3dPoint& point, ON_3dVector& ds, ON_3dVector& dt, int quadrant,
                        int* hint) const
{
  double v[9] = {0.0};
  const bool ok = Evaluate(s, t, 1, 3, v, quadrant, hint);
  point = ON_3dPoint(v[0], v[1], v[2]);
  ds = ON_3dVector(v[3], v[4], v[5]);
  dt = ON_3dVector(v[6], v[7], v[8]);
  return ok;
}

bool ON_Surface::Ev2Der(double s, double t, ON_3dPoint& point, ON_3dVector& ds, ON_3dVector& dt, ON_3dVector& dss,
                        ON_3dVector& dst, ON_3dVector& dtt, int quadrant, int* hint) const
{
  double v[18] = {0.0};
  const bool ok = Evaluate(s, t, 2, 3, v, quadrant, hint);
  point = ON_3dPoint(v[0], v[1], v[2]);
  ds = ON_3dVector(v[3], v[4], v[5]);
  dt = ON_3dVector(v[6], v[7], v[8]);
  dss = ON_3dVector(v[9], v[10], v[11]);
  dst = ON_3dVector(v[12], v[13], v[14]);
  dtt = ON_3dVector(v[15], v[16], v[17]);
  return ok;
}

ON_3dPoint ON_Surface::PointAt(double s, double t) const
{
  ON_3dPoint point(0.0, 0.0, 0.0);
  EvPoint(s, t, point);
  return point;
}

ON_3dVector ON_Surface::NormalAt(double s, double t) const
{
  ON_3dPoint point;
  ON_3dVector ds, dt;
  if (!Ev1Der(s, t, point, ds, dt) || !ds.Unitize() || !dt.Unitize())
    return ON_3dVector(0.0, 0.0, 0.0);
  ON_3dVector normal = ON_CrossProduct(ds, dt);
  if (!normal.Unitize())
    return ON_3dVector(0.0, 0.0, 0.0);
  return normal;
}

bool ON_Surface::GetClosestPoint(const ON_3dPoint&, double*, double*, double, const ON_Interval*,
                                 const ON_Interval*) const
{
  return false;
}

bool ON_Surface::GetLocalClosestPoint(const ON_3dPoint& P, double s0, double t0, double* s, double* t,
                                      const ON_Interval* sdomain, const ON_Interval* tdomain) const
{
  const ON_Interval sd = sdomain ? *sdomain : Domain(0);
  const ON_Interval td = tdomain ? *tdomain : Domain(1);
  if (!s || !t || !P.IsValid() || !sd.IsIncreasing() || !td.IsIncreasing())
    return false;
  int hint[2] = {0, 0};
  DistanceSample x;
  if (!Sample(*this, P, std::clamp(s0, sd.Min(), sd.Max()), std::clamp(t0, td.Min(), td.Max()), hint, x))
    return false;
  // Steps below these change the point by far less than its own round-off.
  const double s_tol = 1.0e-12 * (1.0 + std::fabs(sd.Min()) + std::fabs(sd.Max()));
  const double t_tol = 1.0e-12 * (1.0 + std::fabs(td.Min()) + std::fabs(td.Max()));
  const double converged_s = std::min(1.0e-6 * sd.Length(), 1.0e-4),
               converged_t = std::min(1.0e-6 * td.Length(), 1.0e-4);
  for (int iteration = 0; iteration < 50 && x.distance_squared > 0.0; iteration++)
  {
    const ON_3dVector r = x.point - P;
    const bool free_s = !Blocked(x.s, x.ds * r, sd), free_t = !Blocked(x.t, x.dt * r, td);
    double step_s = 0.0, step_t = 0.0;
    bool full_newton = false;
    if ((!free_s && !free_t) || !NewtonStep(x, P, free_s, free_t, step_s, step_t, full_newton))
      break;
    // A full Newton step this small leaves an error of about its square: done after taking it.
    const bool final_step = full_newton && std::fabs(step_s) <= converged_s && std::fabs(step_t) <= converged_t;
    if (final_step)
    {
      x.s = Snap(x.s + step_s, sd);
      x.t = Snap(x.t + step_t, td);
      break;
    }
    // Newton (projected onto the domain) first; where it does not descend, steepest descent.
    const double gs = free_s ? x.ds * r : 0.0, gt = free_t ? x.dt * r : 0.0;
    const double scale = std::sqrt(step_s * step_s + step_t * step_t) / std::sqrt(gs * gs + gt * gt);
    bool improved = SearchAlong(*this, P, sd, td, s_tol, t_tol, hint, step_s, step_t, x);
    if (!improved && std::isfinite(scale) && scale > 0.0)
      improved = SearchAlong(*this, P, sd, td, s_tol, t_tol, hint, -gs * scale, -gt * scale, x);
    if (!improved)
      break;
  }
  *s = x.s;
  *t = x.t;
  return true;
}

int ON_Surface::GetNurbForm(ON_NurbsSurface&, double) const { return 0; }

ON_Curve* ON_Surface::IsoCurve(int dir, double c) const
{
  ON_NurbsSurface nurbs;
  return GetNurbForm(nurbs) ? nurbs.IsoCurve(dir, c) : nullptr;
}
