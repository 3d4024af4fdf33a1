#include "facet_side_filter.h"

#include <gmp.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace
{

using point4 = std::vector<double>;

// The side in exact rational arithmetic: the sign of det(rows) against the sign of the facet's
// upward determinant, 0 when either vanishes.
int ExactSide(const point4 facet[4], const point4& p, int dimension, bool lifted)
{
  mpq_t m[4][4], t, det3, det4;
  mpq_inits(t, det3, det4, nullptr);
  for (int i = 0; i < 4; ++i)
  {
    const point4& v = i < 3 ? facet[i + 1] : p;
    for (auto& entry : m[i])
      mpq_init(entry);
    for (int k = 0; k < dimension; ++k)
    {
      mpq_set_d(m[i][k], v[k]);
      mpq_set_d(t, facet[0][k]);
      mpq_sub(m[i][k], m[i][k], t);
      if (lifted)
      {
        mpq_mul(t, m[i][k], m[i][k]);
        mpq_add(m[i][3], m[i][3], t);
      }
    }
  }
  // Leibniz over the permutations of four columns; the 3 x 3 determinant over those fixing column 3.
  const int perms[24][4] = {{0, 1, 2, 3}, {0, 1, 3, 2}, {0, 2, 1, 3}, {0, 2, 3, 1}, {0, 3, 1, 2}, {0, 3, 2, 1},
                            {1, 0, 2, 3}, {1, 0, 3, 2}, {1, 2, 0, 3}, {1, 2, 3, 0}, {1, 3, 0, 2}, {1, 3, 2, 0},
                            {2, 0, 1, 3}, {2, 0, 3, 1}, {2, 1, 0, 3}, {2, 1, 3, 0}, {2, 3, 0, 1}, {2, 3, 1, 0},
                            {3, 0, 1, 2}, {3, 0, 2, 1}, {3, 1, 0, 2}, {3, 1, 2, 0}, {3, 2, 0, 1}, {3, 2, 1, 0}};
  for (const auto& perm : perms)
  {
    int inversions = 0;
    for (int a = 0; a < 4; ++a)
      for (int b = a + 1; b < 4; ++b)
        inversions += perm[a] > perm[b];
    mpq_set_ui(t, 1, 1);
    for (int i = 0; i < 4; ++i)
      mpq_mul(t, t, m[i][perm[i]]);
    (inversions % 2 ? mpq_sub : mpq_add)(det4, det4, t);
    if (perm[3] == 3)
    {
      mpq_set_ui(t, 1, 1);
      for (int i = 0; i < 3; ++i)
        mpq_mul(t, t, m[i][perm[i]]);
      (inversions % 2 ? mpq_sub : mpq_add)(det3, det3, t);
    }
  }
  const int up = mpq_sgn(det3), side = mpq_sgn(det4);
  for (auto& row : m)
    for (auto& entry : row)
      mpq_clear(entry);
  mpq_clears(t, det3, det4, nullptr);
  if (up == 0 || side == 0)
    return 0;
  return up == side ? 1 : -1;
}

int FilterSide(const point4 facet[4], const point4& p, int dimension, bool lifted)
{
  const double* vertices[4] = {facet[0].data(), facet[1].data(), facet[2].data(), facet[3].data()};
  return facet_side_filter::Side(vertices, p.data(), dimension, lifted);
}

struct sample_case
{
  const char* name;
  int dimension;
  bool lifted;
  double extent; // integer coordinates in [-extent, extent]
};

// Random facets and points, and the same points moved onto and one unit off a facet's
// hyperplane: the filter never contradicts the exact side, and decides the clear cases.
TEST(FacetSideFilter, NeverContradictsTheExactSide)
{
  const sample_case cases[] = {
      {"Delaunay, scaled unit box", 3, true, 1e6},
      {"Delaunay, small integers", 3, true, 8},
      {"power, weights far beyond the coordinates", 4, false, 1e12},
  };
  for (const sample_case& c : cases)
  {
    SCOPED_TRACE(c.name);
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    int decided = 0, trials = 400;
    for (int trial = 0; trial < trials; ++trial)
    {
      point4 facet[4], p(4);
      for (point4& v : facet)
      {
        v.resize(4);
        for (double& x : v)
          x = std::round(c.extent * unit(random));
      }
      for (double& x : p)
        x = std::round(c.extent * unit(random));
      const int exact = ExactSide(facet, p, c.dimension, c.lifted);
      const int filtered = FilterSide(facet, p, c.dimension, c.lifted);
      ASSERT_TRUE(filtered == 0 || filtered == exact) << "trial " << trial;
      decided += filtered != 0;
    }
    EXPECT_GT(decided, trials * 9 / 10);
  }
}

// Cospherical points (on a sphere about the origin, at a small and a survey-like scale, where the
// determinant's terms are far beyond the doubles' exact range) make the lifted determinant exactly
// zero: the filter must not decide; a point one unit inside or outside is decided right.
TEST(FacetSideFilter, CosphericalPointsAreLeftUndecided)
{
  for (const double scale : {1.0, 100003.0})
  {
    SCOPED_TRACE(scale);
    auto at = [scale](double x, double y, double z) { return point4{scale * x, scale * y, scale * z, 0}; };
    const point4 facet[4] = {at(15, 0, 0), at(0, 15, 0), at(0, 0, 15), at(-9, 12, 0)};
    const point4 onSphere = at(5, 10, 10);
    point4 inside = onSphere, outside = onSphere;
    inside[2] -= 1;
    outside[2] += 1;
    EXPECT_EQ(0, ExactSide(facet, onSphere, 3, true));
    EXPECT_EQ(0, FilterSide(facet, onSphere, 3, true));
    EXPECT_EQ(-1, ExactSide(facet, inside, 3, true));
    EXPECT_EQ(1, ExactSide(facet, outside, 3, true));
    for (const point4& p : {inside, outside})
    {
      const int filtered = FilterSide(facet, p, 3, true);
      EXPECT_TRUE(filtered == 0 || filtered == ExactSide(facet, p, 3, true));
    }
    if (scale == 1.0)
    {
      EXPECT_EQ(-1, FilterSide(facet, inside, 3, true));
      EXPECT_EQ(1, FilterSide(facet, outside, 3, true));
    }
  }
}

// A facet whose projection is flat is vertical: no side can be proven from below.
TEST(FacetSideFilter, VerticalFacetIsLeftUndecided)
{
  const point4 facet[4] = {{0, 0, 0, 0}, {4, 0, 0, 0}, {0, 4, 0, 0}, {4, 4, 0, 0}};
  EXPECT_EQ(0, FilterSide(facet, {1, 1, -3, 0}, 3, true));
}

} // namespace
