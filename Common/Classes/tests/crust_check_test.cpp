#include "crust_check.h"
#include "crust_mesh.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

// A tetrahedron's four triangles, every one turning outwards, with the polygons given.
crust_mesh Tetrahedron(const std::vector<std::vector<int>>& polygons)
{
  crust_mesh mesh;
  mesh.points = {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1};
  for (const auto& polygon : polygons)
    mesh.AddPolygon(polygon.data(), static_cast<int>(polygon.size()));
  return mesh;
}

TEST(crust_check, AcceptsOnlyClosedConsistentlyOrientedSurfaces)
{
  const std::vector<std::vector<int>> closed = {{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}};
  EXPECT_TRUE(crust_check::IsClosedAndOriented(Tetrahedron(closed)));

  const struct
  {
    const char* fault;
    std::vector<std::vector<int>> polygons;
  } broken[] = {
      {"no polygons", {}},
      {"a face turned over", {{0, 1, 2}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}}},
      {"a missing face (hole)", {{0, 2, 1}, {0, 1, 3}, {0, 3, 2}}},
      {"a face twice", {{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}, {1, 2, 3}}},
      {"a polygon of two corners", {{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}, {1, 2}}},
      {"a corner that is no vertex", {{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 4}}},
      {"a repeated corner", {{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 2, 3}}},
  };
  for (const auto& mesh : broken)
    EXPECT_FALSE(crust_check::IsClosedAndOriented(Tetrahedron(mesh.polygons))) << mesh.fault;
}

// Two tetrahedra touching at one vertex are closed and oriented, but two sheets meet there.
TEST(crust_check, ManifoldNeedsOneFanOfPolygonsAtEveryVertex)
{
  crust_mesh two = Tetrahedron({{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}});
  two.points.insert(two.points.end(), {-1, 0, 0, 0, -1, 0, 0, 0, -1});
  for (const auto& polygon : std::vector<std::vector<int>>{{0, 5, 4}, {0, 4, 6}, {0, 6, 5}, {4, 5, 6}})
    two.AddPolygon(polygon.data(), 3);
  EXPECT_TRUE(crust_check::IsClosedAndOriented(two));
  EXPECT_FALSE(crust_check::IsClosedOrientedManifold(two));

  // A cube of quads, and the tetrahedron alone, are manifold.
  crust_mesh cube;
  for (int corner = 0; corner < 8; ++corner)
    cube.points.insert(cube.points.end(), {double(corner & 1), double((corner >> 1) & 1), double(corner >> 2)});
  for (const auto& quad : std::vector<std::vector<int>>{
           {0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}})
    cube.AddPolygon(quad.data(), 4);
  EXPECT_TRUE(crust_check::IsClosedOrientedManifold(cube));
  EXPECT_TRUE(crust_check::IsClosedOrientedManifold(Tetrahedron({{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}})));
  EXPECT_FALSE(crust_check::IsClosedOrientedManifold(Tetrahedron({{0, 1, 2}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}})));
}

} // namespace
