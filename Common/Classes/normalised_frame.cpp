#include "normalised_frame.h"

#include <algorithm>
#include <cmath>

bool normalised_frame::Fit(const double* points, int count)
{
  if (count <= 0)
    return false;
  double low[3], high[3];
  for (int k = 0; k < 3; ++k)
    low[k] = high[k] = points[k];
  for (int i = 0; i < count; ++i)
  {
    for (int k = 0; k < 3; ++k)
    {
      const double v = points[3 * i + k];
      if (!std::isfinite(v))
        return false;
      low[k] = std::min(low[k], v);
      high[k] = std::max(high[k], v);
    }
  }
  m_extent = 0.0;
  for (int k = 0; k < 3; ++k)
  {
    m_centre[k] = 0.5 * (low[k] + high[k]);
    m_extent = std::max(m_extent, high[k] - low[k]);
  }
  return m_extent > 0.0 && std::isfinite(m_extent);
}

void normalised_frame::ToFrame(const double* p, double* out) const
{
  for (int k = 0; k < 3; ++k)
    out[k] = (p[k] - m_centre[k]) / m_extent;
}

void normalised_frame::FromFrame(const double* p, double* out) const
{
  for (int k = 0; k < 3; ++k)
    out[k] = m_centre[k] + p[k] * m_extent;
}

double normalised_frame::WeightFromFrame(const double* centre, double weight) const
{
  // r^2 = |P|^2 - w in the frame; the radius scales with the extent.
  const double radius2 = centre[0] * centre[0] + centre[1] * centre[1] + centre[2] * centre[2] - weight;
  double world[3];
  FromFrame(centre, world);
  return world[0] * world[0] + world[1] * world[1] + world[2] * world[2] - radius2 * m_extent * m_extent;
}
