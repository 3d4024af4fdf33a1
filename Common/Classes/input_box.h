#pragma once

#include <limits>

// Extremes of the scaled input coordinates of pass 1.
struct input_box
{
  double min[3] = {std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
                   std::numeric_limits<double>::max()};
  double max[3] = {-std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                   -std::numeric_limits<double>::max()};

  void Add(const double* p)
  {
    for (int k = 0; k < 3; ++k)
    {
      if (p[k] < min[k])
        min[k] = p[k];
      if (p[k] > max[k])
        max[k] = p[k];
    }
  }

  bool Contains(const double* p) const
  {
    for (int k = 0; k < 3; ++k)
      if (p[k] > max[k] || p[k] < min[k])
        return false;
    return true;
  }

  // Outside the box enlarged by its own extent on every side.
  bool FarOutside(const double* p) const
  {
    for (int k = 0; k < 3; ++k)
      if (p[k] > 2 * max[k] - min[k] || p[k] < 2 * min[k] - max[k])
        return true;
    return false;
  }
};
