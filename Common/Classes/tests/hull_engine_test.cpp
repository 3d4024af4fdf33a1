#include "exact_predicates.h"
#include "hull_engine.h"
#include "rand48.h"
#include "site_shuffle.h"
#include "site_store.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace
{

struct built_hull
{
  site_store sites;
  site_shuffle order;
  rand48 generator;
  hull_engine hull;
  simplex* root = nullptr;

  void Build(const std::vector<std::vector<double>>& points, bool lifted)
  {
    sites.Reset(static_cast<int>(points[0].size()));
    for (const auto& p : points)
      sites.Add(p.data());
    generator.Reset();
    generator.InitRand();
    order.Shuffle(sites.Count(), generator);
    hull.Reset();
    root = hull.Build(sites, order, lifted);
  }
};

// Every facet's neighbours point back to it across the same ridge.
void ExpectConsistentAdjacency(built_hull& h, int& facets)
{
  facets = 0;
  h.hull.VisitFacets(h.root,
                     [&](simplex* s)
                     {
                       ++facets;
                       for (int i = 0; i < 4; ++i)
                       {
                         const simplex* n = s->neigh[i].simp;
                         ASSERT_NE(nullptr, n);
                         int back = -1, shared = 0;
                         for (int j = 0; j < 4; ++j)
                         {
                           back = n->neigh[j].simp == s ? j : back;
                           for (int k = 0; k < 4; ++k)
                             shared += k != i && s->neigh[k].vert == n->neigh[j].vert;
                         }
                         EXPECT_GE(back, 0);
                         EXPECT_EQ(3, shared);
                       }
                     });
}

std::vector<std::vector<double>> RandomGrid(int count, double range, unsigned seed)
{
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> coordinate(static_cast<int>(-range), static_cast<int>(range));
  std::vector<std::vector<double>> points;
  for (int i = 0; i < count; ++i)
    points.push_back({double(coordinate(random)), double(coordinate(random)), double(coordinate(random))});
  return points;
}

TEST(HullEngine, LiftedHullIsDelaunay)
{
  // Random points and a small integer grid with many cospherical and coplanar quadruples.
  for (double range : {1.0e6, 3.0})
  {
    const auto points = RandomGrid(300, range, 7);
    built_hull h;
    h.Build(points, true);
    int facets = 0;
    ExpectConsistentAdjacency(h, facets);
    int finite = 0;
    h.hull.VisitFacets(
        h.root,
        [&](simplex* s)
        {
          for (int i = 0; i < 4; ++i)
            if (h.hull.IsInfinity(s->neigh[i].vert))
              return;
          ++finite;
          const double* a = s->neigh[0].vert;
          double m[3][4];
          for (int r = 0; r < 3; ++r)
          {
            const double* b = s->neigh[r + 1].vert;
            for (int k = 0; k < 3; ++k)
              m[r][k] = b[k] - a[k];
            m[r][3] = m[r][0] * m[r][0] + m[r][1] * m[r][1] + m[r][2] * m[r][2];
          }
          const double orient = exact_predicates::Orient(s->neigh[1].vert, s->neigh[2].vert, s->neigh[3].vert, a);
          for (const auto& p : points)
          {
            // insphere in long double; the coordinates are small integers, so it is exact here for range 3.
            long double d[4];
            for (int k = 0; k < 3; ++k)
              d[k] = p[k] - a[k];
            d[3] = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
            auto det3 = [&](int c0, int c1, int c2, const long double* last)
            {
              long double r0[3] = {m[0][c0], m[0][c1], m[0][c2]}, r1[3] = {m[1][c0], m[1][c1], m[1][c2]};
              long double r2[3] = {m[2][c0], m[2][c1], m[2][c2]};
              (void)last;
              return r0[0] * (r1[1] * r2[2] - r1[2] * r2[1]) - r0[1] * (r1[0] * r2[2] - r1[2] * r2[0]) +
                     r0[2] * (r1[0] * r2[1] - r1[1] * r2[0]);
            };
            const long double insphere =
                -d[0] * det3(1, 2, 3, d) + d[1] * det3(0, 2, 3, d) - d[2] * det3(0, 1, 3, d) + d[3] * det3(0, 1, 2, d);
            // Inside the circumsphere when insphere has the sign opposite to the orientation.
            if (range < 10)
              EXPECT_FALSE(orient != 0 && (insphere * (orient > 0 ? 1 : -1)) < 0) << "site inside a circumsphere";
            else
              EXPECT_FALSE(orient != 0 &&
                           (insphere * (orient > 0 ? 1 : -1)) < -1e-9L * std::fabs(double(insphere)) - 1e20L);
          }
        });
    EXPECT_GT(finite, 0);
  }
}

} // namespace
