#include "crust_check.h"
#include "float_weld.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace
{

using triangle = std::array<int, 3>;

crust_mesh Mesh(const std::vector<double>& points, const std::vector<std::vector<int>>& polygons)
{
  crust_mesh mesh;
  mesh.points = points;
  for (const auto& polygon : polygons)
    mesh.AddPolygon(polygon.data(), static_cast<int>(polygon.size()));
  return mesh;
}

std::vector<triangle> Triangles(const crust_mesh& mesh)
{
  std::vector<triangle> result;
  for (int k = 0; k < mesh.PolygonCount(); ++k)
  {
    EXPECT_EQ(3, mesh.offsets[k + 1] - mesh.offsets[k]);
    result.push_back({mesh.ids[mesh.offsets[k]], mesh.ids[mesh.offsets[k] + 1], mesh.ids[mesh.offsets[k] + 2]});
  }
  return result;
}

const double kTiny = 1e-9; // far below float resolution at 1 and 2

// A tetrahedron at (1, 1, 1) whose corner 3 is cut off by a triangle kTiny from it (points 3 to 5):
// merged in floats, the cut collapses and the tetrahedron is back.
crust_mesh TruncatedTetrahedron()
{
  const double e = kTiny;
  return Mesh({1, 1, 1, 2, 1, 1, 1, 2, 1, //
               1, 1, 2 - e, 1 + e, 1, 2 - e, 1, 1 + e, 2 - e},
              {{0, 2, 1}, {0, 1, 4, 3}, {0, 3, 5, 2}, {1, 2, 5, 4}, {3, 4, 5}});
}

TEST(float_weld, MergesVerticesOfOneFloatPositionAndDropsWhatCollapses)
{
  struct
  {
    const char* name;
    crust_mesh polygons;
    std::vector<double> points; // of the result
    std::vector<triangle> triangles;
    int merged, collapsed, cancelled;
    bool closedManifold;
  } cases[] = {
      {"square pyramid: fans, nothing merged",
       Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 0.5, 0.5, 1},
            {{0, 3, 2, 1}, {0, 1, 4}, {1, 2, 4}, {2, 3, 4}, {3, 0, 4}}),
       {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 0.5, 0.5, 1},
       {{0, 3, 2}, {0, 2, 1}, {0, 1, 4}, {1, 2, 4}, {2, 3, 4}, {3, 0, 4}},
       0,
       0,
       0,
       true},
      {"cut corner collapses; the lowest-numbered vertex keeps its double",
       TruncatedTetrahedron(),
       {1, 1, 1, 2, 1, 1, 1, 2, 1, 1, 1, 2 - kTiny},
       {{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}},
       2,
       4,
       0,
       true},
      {"opposite triangles on the merged vertices cancel",
       Mesh({1, 1, 1, 2, 1, 1, 1, 2, 1, 2, 1, 1 + kTiny}, {{0, 1, 2}, {0, 2, 3}}),
       {},
       {},
       1,
       0,
       2,
       false},
      {"like triangles on the merged vertices stay",
       Mesh({1, 1, 1, 2, 1, 1, 1, 2, 1, 1, 2, 1 + kTiny}, {{0, 1, 2}, {0, 1, 3}}),
       {1, 1, 1, 2, 1, 1, 1, 2, 1},
       {{0, 1, 2}, {0, 1, 2}},
       1,
       0,
       0,
       false},
      {"-0 and +0 are one position; vertices left unused go, the others keep their order",
       Mesh({0, 0, 0, 7, 7, 7, 1, 0, 0, 0, 1, 0, -0.0, 0, 0}, {{0, 2, 3}, {4, 3, 2}, {2, 1, 3}}),
       {7, 7, 7, 1, 0, 0, 0, 1, 0},
       {{1, 0, 2}},
       1,
       0,
       2,
       false},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.name);
    crust_mesh triangles;
    float_weld_counts counts;
    float_weld::Weld(c.polygons, triangles, &counts);
    EXPECT_EQ(c.points, triangles.points);
    EXPECT_EQ(c.triangles, Triangles(triangles));
    EXPECT_EQ(c.merged, counts.merged_vertices);
    EXPECT_EQ(c.collapsed, counts.collapsed_triangles);
    EXPECT_EQ(c.cancelled, counts.cancelled_triangles);
    EXPECT_EQ(c.closedManifold, crust_check::IsClosedOrientedManifold(triangles));
  }
}

// Kept apart instead, the cut corner's vertices move to the next free floats along x: the surface
// keeps all its triangles, closed and manifold, and every vertex a float position of its own.
TEST(float_weld, SeparateKeepsEveryVertexOnAFloatPositionOfItsOwn)
{
  crust_mesh triangles;
  const double moved = float_weld::Separate(TruncatedTetrahedron(), triangles);
  const float ulp = std::nextafter(1.0f, 2.0f) - 1.0f;
  EXPECT_EQ((std::vector<double>{1, 1, 1, 2, 1, 1, 1, 2, 1, 1, 1, 2 - kTiny, 1 + ulp, 1, 2, 1 + 2 * ulp, 1, 2}),
            triangles.points);
  EXPECT_NEAR(2 * ulp, moved, 1e-9);
  EXPECT_EQ(
      (std::vector<triangle>{{0, 2, 1}, {0, 1, 4}, {0, 4, 3}, {0, 3, 5}, {0, 5, 2}, {1, 2, 5}, {1, 5, 4}, {3, 4, 5}}),
      Triangles(triangles));
  EXPECT_TRUE(crust_check::IsClosedOrientedManifold(triangles));
}

} // namespace
