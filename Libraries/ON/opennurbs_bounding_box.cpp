#include "opennurbs_bounding_box.h"

#include "opennurbs_3dpointarray.h"

#include <algorithm>

const ON_BoundingBox ON_BoundingBox::EmptyBoundingBox;

namespace
{
bool BoxIsSet(int dim, const double* boxmin, const double* boxmax)
{
  for (int j = 0; j < dim; j++)
  {
    if (boxmin[j] > boxmax[j])
      return false;
  }
  return true;
}
} // namespace

bool ON_GetPointListBoundingBox(int dim, int is_rat, int count, int stride, const double* points, double* boxmin,
                                double* boxmax, int bGrowBox)
{
  if (dim <= 0 || !boxmin || !boxmax)
    return false;
  bool grow = bGrowBox && BoxIsSet(dim, boxmin, boxmax);
  const int point_size = is_rat ? dim + 1 : dim;
  if (count <= 0 || !points || stride < point_size)
    return grow;
  for (int i = 0; i < count; i++)
  {
    const double* p = points + static_cast<size_t>(i) * stride;
    const double w = is_rat ? p[dim] : 1.0;
    if (w == 0.0)
      continue;
    for (int j = 0; j < dim; j++)
    {
      const double c = is_rat ? p[j] / w : p[j];
      if (!grow)
        boxmin[j] = boxmax[j] = c;
      else if (c < boxmin[j])
        boxmin[j] = c;
      else if (c > boxmax[j])
        boxmax[j] = c;
    }
    grow = true;
  }
  return grow;
}

void ON_BoundingBox::Destroy() { *this = EmptyBoundingBox; }

bool ON_BoundingBox::Set(int dim, int is_rat, int count, int stride, const double* points, int bGrowBox)
{
  if (dim < 1 || dim > 3)
    return false;
  const bool grow = bGrowBox && IsValid();
  // Coordinates beyond dim stay 0.
  double boxmin[3] = {0.0, 0.0, 0.0};
  double boxmax[3] = {0.0, 0.0, 0.0};
  if (grow)
  {
    std::copy(&m_min.x, &m_min.x + 3, boxmin);
    std::copy(&m_max.x, &m_max.x + 3, boxmax);
  }
  if (!ON_GetPointListBoundingBox(dim, is_rat, count, stride, points, boxmin, boxmax, grow))
  {
    Destroy();
    return false;
  }
  m_min = ON_3dPoint(boxmin);
  m_max = ON_3dPoint(boxmax);
  return true;
}

bool ON_BoundingBox::Set(const ON_3dPoint& point, int bGrowBox) { return Set(3, 0, 1, 3, &point.x, bGrowBox); }

bool ON_BoundingBox::Set(const ON_SimpleArray<ON_3dPoint>& points, int bGrowBox)
{
  const ON_3dPoint* p = points.Array();
  return Set(3, 0, points.Count(), 3, p ? &p->x : nullptr, bGrowBox);
}

bool ON_BoundingBox::IsValid() const
{
  return m_min.x <= m_max.x && m_min.y <= m_max.y && m_min.z <= m_max.z && m_min.IsValid() && m_max.IsValid();
}

const ON_3dPoint& ON_BoundingBox::Min() const { return m_min; }
const ON_3dPoint& ON_BoundingBox::Max() const { return m_max; }
ON_3dPoint ON_BoundingBox::Center() const { return 0.5 * (m_min + m_max); }
ON_3dVector ON_BoundingBox::Diagonal() const { return m_max - m_min; }

double ON_BoundingBox::Volume() const
{
  const ON_3dVector d = Diagonal();
  return (d.x > 0.0 && d.y > 0.0 && d.z > 0.0) ? d.x * d.y * d.z : 0.0;
}

ON_3dPoint ON_BoundingBox::Corner(int x_index, int y_index, int z_index) const
{
  return ON_3dPoint(x_index ? m_max.x : m_min.x, y_index ? m_max.y : m_min.y, z_index ? m_max.z : m_min.z);
}

bool ON_BoundingBox::GetCorners(ON_3dPoint corners[8]) const
{
  if (!IsValid())
    return false;
  int n = 0;
  for (int i = 0; i < 2; i++)
    for (int j = 0; j < 2; j++)
      for (int k = 0; k < 2; k++)
        corners[n++] = Corner(i, j, k);
  return true;
}

bool ON_BoundingBox::GetCorners(ON_3dPointArray& corners) const
{
  corners.Empty();
  ON_3dPoint c[8];
  if (!GetCorners(c))
    return false;
  corners.Append(8, c);
  return true;
}

bool ON_BoundingBox::IsPointIn(const ON_3dPoint& p, int bStrictlyIn) const
{
  if (bStrictlyIn)
    return m_min.x < p.x && p.x < m_max.x && m_min.y < p.y && p.y < m_max.y && m_min.z < p.z && p.z < m_max.z;
  return m_min.x <= p.x && p.x <= m_max.x && m_min.y <= p.y && p.y <= m_max.y && m_min.z <= p.z && p.z <= m_max.z;
}

bool ON_BoundingBox::Union(const ON_BoundingBox& other) { return Union(ON_BoundingBox(*this), other); }

bool ON_BoundingBox::Union(const ON_BoundingBox& a, const ON_BoundingBox& b)
{
  const bool a_valid = a.IsValid(), b_valid = b.IsValid();
  if (a_valid && b_valid)
  {
    m_min.Set(std::min(a.m_min.x, b.m_min.x), std::min(a.m_min.y, b.m_min.y), std::min(a.m_min.z, b.m_min.z));
    m_max.Set(std::max(a.m_max.x, b.m_max.x), std::max(a.m_max.y, b.m_max.y), std::max(a.m_max.z, b.m_max.z));
  }
  else if (a_valid)
    *this = a;
  else if (b_valid)
    *this = b;
  else
    Destroy();
  return IsValid();
}

bool ON_BoundingBox::Intersection(const ON_BoundingBox& other) { return Intersection(ON_BoundingBox(*this), other); }

bool ON_BoundingBox::Intersection(const ON_BoundingBox& a, const ON_BoundingBox& b)
{
  if (!a.IsValid() || !b.IsValid())
  {
    Destroy();
    return false;
  }
  m_min.Set(std::max(a.m_min.x, b.m_min.x), std::max(a.m_min.y, b.m_min.y), std::max(a.m_min.z, b.m_min.z));
  m_max.Set(std::min(a.m_max.x, b.m_max.x), std::min(a.m_max.y, b.m_max.y), std::min(a.m_max.z, b.m_max.z));
  if (!IsValid())
    Destroy();
  return IsValid();
}
