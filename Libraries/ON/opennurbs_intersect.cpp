#include "opennurbs_intersect.h"

#include <cmath>
#include <utility>

bool ON_Intersect(const ON_Line& lineA, const ON_Line& lineB, double* a, double* b)
{
  if (!a || !b)
    return false;
  const ON_3dVector A = lineA.Direction();
  const ON_3dVector B = lineB.Direction();
  const ON_3dVector C = lineB.from - lineA.from;
  const double AA = A * A, BB = B * B, AB = A * B;

  // Normal equations of |lineA(a) - lineB(b)|^2: [AA -AB; -AB BB] (a, b) = (A.C, -B.C).
  double m[2][2] = {{AA, -AB}, {-AB, BB}};
  double rhs[2] = {A * C, -(B * C)};
  int unknown[2] = {0, 1};
  if (AA < BB)
  {
    std::swap(m[0][0], m[0][1]);
    std::swap(m[1][0], m[1][1]);
    std::swap(unknown[0], unknown[1]);
  }
  const double scale = std::fabs(m[1][1]);
  const double zero_tolerance = scale * ON_EPSILON;
  const double pivot_tolerance = scale * ON_SQRT_EPSILON;
  if (std::fabs(m[1][0]) > std::fabs(m[0][0]))
  {
    std::swap(m[0][0], m[1][0]);
    std::swap(m[0][1], m[1][1]);
    std::swap(rhs[0], rhs[1]);
  }
  const double pivot0 = m[0][0];
  if (!(std::fabs(pivot0) > 0.0) || !std::isfinite(pivot0))
    return false;
  const double f = m[1][0] / pivot0;
  const double pivot1 = m[1][1] - f * m[0][1];
  if (!(std::fabs(pivot1) > zero_tolerance) || !std::isfinite(pivot1))
    return false;

  // Lines sharing an end meet there exactly.
  const ON_3dPoint* endsA[2] = {&lineA.from, &lineA.to};
  const ON_3dPoint* endsB[2] = {&lineB.from, &lineB.to};
  for (int i = 0; i < 2; i++)
    for (int j = 0; j < 2; j++)
      if (*endsA[i] == *endsB[j])
      {
        *a = i;
        *b = j;
        return true;
      }

  double x[2];
  x[1] = (rhs[1] - f * rhs[0]) / pivot1;
  x[0] = (rhs[0] - m[0][1] * x[1]) / pivot0;
  double t[2];
  t[unknown[0]] = x[0];
  t[unknown[1]] = x[1];
  if (!std::isfinite(t[0]) || !std::isfinite(t[1]))
    return false;

  if (std::fabs(pivot0) <= pivot_tolerance || std::fabs(pivot1) <= pivot_tolerance)
  {
    // Nearly parallel: keep the answer only when the gap between the two points agrees with
    // the distance of each point from the other line.
    const ON_3dPoint pa = lineA.PointAt(t[0]);
    const ON_3dPoint pb = lineB.PointAt(t[1]);
    const double gap = pa.DistanceTo(pb);
    const double da = lineB.DistanceTo(pa);
    const double db = lineA.DistanceTo(pb);
    const double slack = 0.1 * gap + ON_ZERO_TOLERANCE;
    if (std::fabs(gap - da) > slack || std::fabs(gap - db) > slack)
      return false;
  }
  *a = t[0];
  *b = t[1];
  return true;
}

bool ON_Intersect(const ON_Line& line, const ON_Plane& plane, double* t)
{
  const double a = plane.plane_equation.ValueAt(line.from);
  const double b = plane.plane_equation.ValueAt(line.to);
  double s = 0.5;
  bool rc = false;
  const double d = a - b;
  if (d != 0.0)
  {
    const double q = a / d;
    if (std::isfinite(q))
    {
      s = q;
      rc = true;
    }
  }
  if (t)
    *t = s;
  return rc;
}
