#include "MeshPrecision.h"

#include <cfloat>
#include <cmath>

double MeshPrecision::NoticeableRounding(const ON_3dPointArray& points)
{
  double largest = 0.0;
  for (int i = 0; i < points.Count(); i++)
    for (int k = 0; k < 3; k++)
      largest = std::fmax(largest, std::fabs(points[i][k]));
  const double rounding = largest * FLT_EPSILON / 2.0;
  const ON_BoundingBox box = points.BoundingBox();
  return box.IsValid() && rounding > 1e-6 * box.m_min.DistanceTo(box.m_max) ? rounding : 0.0;
}
