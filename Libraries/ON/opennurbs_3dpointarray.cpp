#include "opennurbs_3dpointarray.h"

#include <cmath>

ON_3dPointArray::ON_3dPointArray(int initial_capacity) : ON_SimpleArray<ON_3dPoint>(initial_capacity) {}

ON_3dPointArray::ON_3dPointArray(const ON_SimpleArray<ON_3dPoint>& src) : ON_SimpleArray<ON_3dPoint>(src) {}

ON_3dPointArray& ON_3dPointArray::operator=(const ON_SimpleArray<ON_3dPoint>& src)
{
  ON_SimpleArray<ON_3dPoint>::operator=(src);
  return *this;
}

bool ON_3dPointArray::Create(int point_dimension, int bRational, int point_count, int point_stride,
                             const double* points)
{
  const int point_size = bRational ? point_dimension + 1 : point_dimension;
  if ((point_dimension != 2 && point_dimension != 3) || point_count < 0 || point_stride < point_size ||
      (point_count > 0 && !points))
    return false;
  ON_SimpleArray<ON_3dPoint> created(point_count);
  for (int i = 0; i < point_count; i++)
  {
    const double* p = points + static_cast<size_t>(i) * point_stride;
    ON_3dPoint& q = created.AppendNew();
    q.x = p[0];
    q.y = p[1];
    q.z = (point_dimension == 3) ? p[2] : 0.0;
    if (bRational)
    {
      const double w = p[point_dimension];
      if (w != 0.0 && w != 1.0)
        q *= 1.0 / w;
    }
  }
  ON_SimpleArray<ON_3dPoint>::operator=(created);
  return true;
}

ON_BoundingBox ON_3dPointArray::BoundingBox() const
{
  ON_BoundingBox bbox;
  GetBoundingBox(bbox);
  return bbox;
}

ON_BoundingBox ON_3dPointArray::BoundingBox(int from, int count) const
{
  ON_BoundingBox bbox;
  if (from >= 0 && count > 0 && from <= m_count - count)
    bbox.Set(3, 0, count, 3, &m_a[from].x);
  return bbox;
}

bool ON_3dPointArray::GetBoundingBox(ON_BoundingBox& bbox, int bGrowBox) const
{
  return GetBBox(&bbox.m_min.x, &bbox.m_max.x, bGrowBox != 0);
}

bool ON_3dPointArray::GetBBox(double boxmin[3], double boxmax[3], bool bGrowBox) const
{
  return ON_GetPointListBoundingBox(3, 0, m_count, 3, m_count > 0 ? &m_a[0].x : nullptr, boxmin, boxmax, bGrowBox);
}

bool ON_3dPointArray::Transform(const ON_Xform& xform)
{
  for (int i = 0; i < m_count; i++)
    m_a[i].Transform(xform);
  return m_count > 0;
}

bool ON_3dPointArray::Translate(const ON_3dVector& delta)
{
  for (int i = 0; i < m_count; i++)
    m_a[i] += delta;
  return m_count > 0;
}

bool ON_3dPointArray::SwapCoordinates(int i, int j)
{
  if (i < 0 || i > 2 || j < 0 || j > 2)
    return false;
  if (i != j)
  {
    for (int k = 0; k < m_count; k++)
      std::swap(m_a[k][i], m_a[k][j]);
  }
  return true;
}

bool ON_3dPointArray::GetClosestPoint(ON_3dPoint P, int* closest_point_index, double maximum_distance) const
{
  int best_index = -1;
  double best_d2 = 0.0;
  for (int i = 0; i < m_count; i++)
  {
    const double d2 = P.DistanceToSquared(m_a[i]);
    if (best_index < 0 || d2 < best_d2)
    {
      best_index = i;
      best_d2 = d2;
    }
  }
  if (best_index < 0)
    return false;
  if (maximum_distance > 0.0 && std::sqrt(best_d2) > maximum_distance)
    return false;
  if (closest_point_index)
    *closest_point_index = best_index;
  return true;
}
