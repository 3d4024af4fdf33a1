#include "crust_check.h"
#include "crust_mesh.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

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

}  // namespace
