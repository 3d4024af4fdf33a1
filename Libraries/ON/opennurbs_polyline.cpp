#include "opennurbs_polyline.h"

#include <cmath>

namespace
{

bool Coincident(const ON_3dPoint& a, const ON_3dPoint& b, double tolerance)
{
  if (tolerance > 0.0)
    return a.DistanceTo(b) <= tolerance;
  for (int k = 0; k < 3; k++)
  {
    const double d = std::fabs(a[k] - b[k]);
    if (d > ON_ZERO_TOLERANCE && d > (std::fabs(a[k]) + std::fabs(b[k])) * 2.27373675443232059e-13)
      return false;
  }
  return true;
}

} // namespace

ON_Polyline::ON_Polyline(const ON_3dPointArray& points) : ON_3dPointArray(points) {}

ON_Polyline& ON_Polyline::operator=(const ON_3dPointArray& points)
{
  ON_3dPointArray::operator=(points);
  return *this;
}

bool ON_Polyline::IsValid(double tolerance) const
{
  const int count = PointCount();
  if (count < 2)
    return false;
  for (int i = 1; i < count; i++)
  {
    const bool same = tolerance > 0.0 ? m_a[i - 1].DistanceTo(m_a[i]) <= tolerance : m_a[i - 1] == m_a[i];
    if (same)
      return false;
  }
  if (count <= 3)
    return tolerance > 0.0 ? m_a[0].DistanceTo(m_a[count - 1]) > tolerance : m_a[0] != m_a[count - 1];
  return true;
}

int ON_Polyline::PointCount() const { return Count(); }

int ON_Polyline::SegmentCount() const { return Count() > 1 ? Count() - 1 : 0; }

double ON_Polyline::Length() const
{
  double length = 0.0;
  for (int i = 1; i < Count(); i++)
    length += m_a[i - 1].DistanceTo(m_a[i]);
  return length;
}

bool ON_Polyline::IsClosed(double tolerance) const
{
  const int count = Count();
  if (count < 4 || !Coincident(m_a[0], m_a[count - 1], tolerance))
    return false;
  for (int i = 1; i < count - 1; i++)
    if (!Coincident(m_a[i], m_a[0], tolerance) && !Coincident(m_a[i], m_a[count - 1], tolerance))
      return true;
  return false;
}

ON_3dPoint ON_Polyline::PointAt(double t) const
{
  const int segments = SegmentCount();
  if (segments < 1)
    return Count() == 1 ? m_a[0] : ON_3dPoint::UnsetPoint;
  int i = static_cast<int>(std::floor(t));
  if (i < 0)
    i = 0;
  else if (i >= segments)
    i = segments - 1;
  const double s = t - i;
  return (1.0 - s) * m_a[i] + s * m_a[i + 1];
}

int ON_Polyline::Clean(double tolerance)
{
  const int count = PointCount();
  if (count <= 2)
    return 0;
  int kept = 1;
  for (int i = 1; i < count - 1; i++)
    if (!(m_a[i].DistanceTo(m_a[kept - 1]) <= tolerance))
      m_a[kept++] = m_a[i];
  m_a[kept++] = m_a[count - 1];
  while (kept > 2 && m_a[kept - 2].DistanceTo(m_a[kept - 1]) <= tolerance)
  {
    m_a[kept - 2] = m_a[kept - 1];
    kept--;
  }
  SetCount(kept);
  return count - kept;
}
