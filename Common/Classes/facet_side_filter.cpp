#include "facet_side_filter.h"

#include <cmath>

namespace
{

// Relative error bound of the evaluations below, against the permanent of the absolute entries.
// The entries carry up to 6 roundings (a difference, or a sum of three squared differences), a
// 4 x 4 determinant from 2 x 2 minors adds about 26 more: 32 units of 2^-53 in all, taken with a
// margin of three (and compiled without fused multiply-adds).
constexpr double kErrorBound = 1e-14;

struct minor_pair
{
  double value;
  double permanent;
};

minor_pair Minor(const double* a, const double* b, int i, int j)
{
  return {a[i] * b[j] - a[j] * b[i], std::fabs(a[i] * b[j]) + std::fabs(a[j] * b[i])};
}

// The sign of value when the bound proves it, else 0 (also for values that are not finite).
int ProvenSign(double value, double permanent)
{
  const double bound = kErrorBound * permanent;
  if (value > bound)
    return 1;
  if (-value > bound)
    return -1;
  return 0;
}

// det of the first three columns of rows 0 to 2: the determinant with the last axis as row 3.
int UpwardSign(const double rows[4][4])
{
  const double* a = rows[0];
  const minor_pair m12 = Minor(rows[1], rows[2], 1, 2);
  const minor_pair m02 = Minor(rows[1], rows[2], 0, 2);
  const minor_pair m01 = Minor(rows[1], rows[2], 0, 1);
  const double value = a[0] * m12.value - a[1] * m02.value + a[2] * m01.value;
  const double permanent =
      std::fabs(a[0]) * m12.permanent + std::fabs(a[1]) * m02.permanent + std::fabs(a[2]) * m01.permanent;
  return ProvenSign(value, permanent);
}

// det of the 4 x 4 rows, by the complementary 2 x 2 minors of rows 0-1 and rows 2-3.
int DeterminantSign(const double rows[4][4])
{
  static const int kColumns[6][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
  static const double kSigns[6] = {1.0, -1.0, 1.0, 1.0, -1.0, 1.0};
  double value = 0.0, permanent = 0.0;
  for (int k = 0; k < 6; ++k)
  {
    const minor_pair top = Minor(rows[0], rows[1], kColumns[k][0], kColumns[k][1]);
    const minor_pair bottom = Minor(rows[2], rows[3], kColumns[5 - k][0], kColumns[5 - k][1]);
    value += kSigns[k] * top.value * bottom.value;
    permanent += top.permanent * bottom.permanent;
  }
  return ProvenSign(value, permanent);
}

} // namespace

int facet_side_filter::Side(const double* const facet[4], const double* point, int dimension, bool lifted)
{
  // Rows 0 to 2: the facet's other vertices less its first; row 3: the point less the first vertex.
  double rows[4][4];
  const double* origin = facet[0];
  for (int i = 0; i < 4; ++i)
  {
    const double* v = i < 3 ? facet[i + 1] : point;
    double squared = 0.0;
    for (int k = 0; k < dimension; ++k)
    {
      rows[i][k] = v[k] - origin[k];
      squared += rows[i][k] * rows[i][k];
    }
    if (lifted)
      rows[i][dimension] = squared;
  }
  const int up = UpwardSign(rows);
  if (up == 0)
    return 0;
  const int side = DeterminantSign(rows);
  if (side == 0)
    return 0;
  return side == up ? 1 : -1;
}
