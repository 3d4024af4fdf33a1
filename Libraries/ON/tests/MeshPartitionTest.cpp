#include "MeshFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace
{

// A rows x columns grid of unit quads in the XY plane.
ON_Mesh QuadGrid(int rows, int columns)
{
  ON_Mesh mesh;
  for (int r = 0; r <= rows; r++)
    for (int c = 0; c <= columns; c++)
      mesh.m_V.Append(ON_3fPoint(static_cast<float>(c), static_cast<float>(r), 0.0f));
  for (int r = 0; r < rows; r++)
    for (int c = 0; c < columns; c++)
    {
      const int a = r * (columns + 1) + c;
      mesh.m_F.Append(ON_MeshFace{{a, a + 1, a + columns + 2, a + columns + 1}});
    }
  return mesh;
}

// Each face as its corner locations, sorted: the same faces in any order and numbering.
std::vector<std::array<float, 12>> FaceLocations(const ON_Mesh& mesh)
{
  std::vector<std::array<float, 12>> faces;
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    std::array<float, 12> f{};
    for (int k = 0; k < 4; k++)
      for (int j = 0; j < 3; j++)
        f[3 * k + j] = mesh.m_V[mesh.m_F[fi].vi[k]][j];
    faces.push_back(f);
  }
  std::sort(faces.begin(), faces.end());
  return faces;
}

TEST(MeshPartition, AMeshWithinTheLimitsIsOnePartAndStaysAsItIs)
{
  ON_Mesh mesh = QuadGrid(2, 3);
  const ON_Mesh before = mesh;
  const ON_MeshPartition* partition = mesh.CreatePartition(100, 100);
  ASSERT_NE(partition, nullptr);
  ASSERT_EQ(partition->m_part.Count(), 1);
  const ON_MeshPart& part = partition->m_part[0];
  EXPECT_EQ(part.vi[0], 0);
  EXPECT_EQ(part.vi[1], 12);
  EXPECT_EQ(part.fi[1], 6);
  EXPECT_EQ(part.triangle_count, 12);
  EXPECT_EQ(partition->m_partition_max_vertex_count, 12);
  EXPECT_EQ(partition->m_partition_max_triangle_count, 12);
  EXPECT_EQ(FaceLocations(mesh), FaceLocations(before));
  EXPECT_EQ(mesh.Partition(), partition);
  EXPECT_EQ(mesh.CreatePartition(200, 200), partition) << "kept for larger limits";
}

TEST(MeshPartition, PartsKeepToTheirLimitsAndHoldEveryFaceOnce)
{
  ON_Mesh mesh = QuadGrid(20, 30);
  mesh.m_F[7] = ON_MeshFace{{mesh.m_F[7].vi[0], mesh.m_F[7].vi[1], mesh.m_F[7].vi[2], mesh.m_F[7].vi[2]}};
  const auto before = FaceLocations(mesh);
  const int max_vertices = 40, max_triangles = 25;
  const ON_MeshPartition* partition = mesh.CreatePartition(max_vertices, max_triangles);
  ASSERT_NE(partition, nullptr);
  EXPECT_GT(partition->m_part.Count(), 1199 / max_triangles);
  int next_face = 0, next_vertex = 0, triangles = 0;
  for (int i = 0; i < partition->m_part.Count(); i++)
  {
    const ON_MeshPart& part = partition->m_part[i];
    EXPECT_EQ(part.fi[0], next_face);
    EXPECT_EQ(part.vi[0], next_vertex);
    EXPECT_EQ(part.vertex_count, part.vi[1] - part.vi[0]);
    EXPECT_LE(part.vertex_count, max_vertices);
    EXPECT_LE(part.triangle_count, max_triangles);
    int part_triangles = 0;
    for (int fi = part.fi[0]; fi < part.fi[1]; fi++)
    {
      part_triangles += mesh.m_F[fi].IsQuad() ? 2 : 1;
      for (int k = 0; k < 4; k++)
      {
        EXPECT_GE(mesh.m_F[fi].vi[k], part.vi[0]);
        EXPECT_LT(mesh.m_F[fi].vi[k], part.vi[1]);
      }
    }
    EXPECT_EQ(part_triangles, part.triangle_count);
    triangles += part_triangles;
    next_face = part.fi[1];
    next_vertex = part.vi[1];
  }
  EXPECT_EQ(next_face, mesh.FaceCount());
  EXPECT_EQ(next_vertex, mesh.VertexCount());
  EXPECT_EQ(triangles, 2 * 600 - 1);
  EXPECT_EQ(FaceLocations(mesh), before);
  EXPECT_TRUE(mesh.IsValid());
}

TEST(MeshPartition, RefusedLimitsAndMeshes)
{
  ON_Mesh grid = QuadGrid(3, 3);
  EXPECT_EQ(grid.CreatePartition(0, 10), nullptr);
  EXPECT_EQ(grid.CreatePartition(10, 0), nullptr);
  EXPECT_EQ(grid.CreatePartition(2, 10), nullptr);
  EXPECT_EQ(grid.CreatePartition(100, 1), nullptr) << "a quad does not fit one triangle";
  EXPECT_EQ(grid.Partition(), nullptr);

  ON_Mesh bad = MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}, {0, 0, 1}});
  EXPECT_EQ(bad.CreatePartition(100, 100), nullptr);
  ON_Mesh empty;
  EXPECT_EQ(empty.CreatePartition(100, 100), nullptr);

  ASSERT_NE(grid.CreatePartition(100, 100), nullptr);
  grid.SetVertex(0, ON_3dPoint(0, 0, 1));
  EXPECT_EQ(grid.Partition(), nullptr) << "an edit drops the partition";
  ASSERT_NE(grid.CreatePartition(100, 100), nullptr);
  const ON_Mesh copy(grid);
  EXPECT_EQ(copy.Partition(), nullptr);
}

} // namespace
