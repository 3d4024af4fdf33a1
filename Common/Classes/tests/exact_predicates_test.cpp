#include "exact_predicates.h"

#include <gmp.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace
{

// Sign of (b - a) . ((c - a) x (d - a)) in exact rational arithmetic (every double is a rational).
int ExactSign(const double* b, const double* c, const double* d, const double* a)
{
  mpq_t m[3][3], t1, t2, det, x;
  mpq_inits(t1, t2, det, x, nullptr);
  const double* rows[3] = {b, c, d};
  for (int r = 0; r < 3; ++r)
    for (int k = 0; k < 3; ++k)
    {
      mpq_init(m[r][k]);
      mpq_set_d(m[r][k], rows[r][k]);
      mpq_set_d(x, a[k]);
      mpq_sub(m[r][k], m[r][k], x);
    }
  mpq_set_ui(det, 0, 1);
  for (int k = 0; k < 3; ++k)
  {
    const int k1 = (k + 1) % 3, k2 = (k + 2) % 3;
    mpq_mul(t1, m[1][k1], m[2][k2]);
    mpq_mul(t2, m[1][k2], m[2][k1]);
    mpq_sub(t1, t1, t2);
    mpq_mul(t1, t1, m[0][k]);
    mpq_add(det, det, t1);
  }
  const int sign = mpq_sgn(det);
  for (int r = 0; r < 3; ++r)
    for (int k = 0; k < 3; ++k)
      mpq_clear(m[r][k]);
  mpq_clears(t1, t2, det, x, nullptr);
  return sign;
}

int Sign(double value) { return (value > 0.0) - (value < 0.0); }

void ExpectExactSign(const double* b, const double* c, const double* d, const double* a)
{
  const int expected = ExactSign(b, c, d, a);
  ASSERT_EQ(expected, Sign(exact_predicates::Orient(b, c, d, a)));
  ASSERT_EQ(expected, Sign(exact_predicates::OrientExact(b, c, d, a)));
}

TEST(ExactPredicates, RandomPointsMatchRationalSign)
{
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> coordinate(-1000.0, 1000.0);
  for (int trial = 0; trial < 2000; ++trial)
  {
    double p[4][3];
    for (auto& point : p)
      for (double& value : point)
        value = coordinate(random);
    ExpectExactSign(p[1], p[2], p[3], p[0]);
  }
}

// Points on one plane, moved off it by a few units in the last place, far from the origin: the
// floating determinant is pure rounding noise, the rational one decides.
TEST(ExactPredicates, NearlyCoplanarPointsMatchRationalSign)
{
  std::mt19937_64 random(12);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::uniform_int_distribution<int> ulps(-3, 3);
  int nonZero = 0, zero = 0;
  for (int trial = 0; trial < 3000; ++trial)
  {
    const double offset = trial % 2 ? 4.0e6 : 1.0;
    double normal[3] = {unit(random), unit(random), unit(random)};
    double axisU[3] = {normal[1], -normal[0], 0.0};
    double axisV[3] = {normal[0] * normal[2], normal[1] * normal[2], -(normal[0] * normal[0] + normal[1] * normal[1])};
    double p[4][3];
    for (auto& point : p)
    {
      const double s = unit(random), t = unit(random);
      for (int k = 0; k < 3; ++k)
      {
        point[k] = offset + s * axisU[k] + t * axisV[k];
        for (int step = ulps(random); step != 0; step += step > 0 ? -1 : 1)
          point[k] = std::nextafter(point[k], step > 0 ? INFINITY : -INFINITY);
      }
    }
    ExpectExactSign(p[1], p[2], p[3], p[0]);
    (ExactSign(p[1], p[2], p[3], p[0]) == 0 ? zero : nonZero) += 1;
  }
  EXPECT_GT(nonZero, 0);
}

TEST(ExactPredicates, ExactlyDegenerateInputsGiveZero)
{
  const double a[3] = {0.125, 0.25, 0.5}, b[3] = {0.625, 1.25, 2.5}, c[3] = {-5.5, 0.25, 1e-9};
  // d repeats a vertex, then is the midpoint of a and b.
  const double cases[][3] = {{0.125, 0.25, 0.5}, {0.375, 0.75, 1.5}};
  for (const auto& d : cases)
  {
    EXPECT_EQ(0.0, exact_predicates::Orient(b, c, d, a));
    ExpectExactSign(b, c, d, a);
  }
  // Integer coordinates near 2^52: the differences are exact, the products are not.
  const double big = 4503599627370496.0;
  const double p[4][3] = {
      {big, big + 1, big + 2}, {big + 3, big + 5, big + 7}, {big + 1, big + 1, big + 1}, {big + 2, big + 3, big + 4}};
  ExpectExactSign(p[1], p[2], p[3], p[0]);
}

} // namespace
