#include "MeshFixtures.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace
{

// Survey coordinates: single precision keeps multiples of 0.03125 in x and 0.5 in y here.
const ON_3dPoint kOrigin(500000.123, 4200000.456, 812.789);

// A mesh on double-precision vertices at kOrigin + (x, y, 0) for the given offsets.
ON_Mesh SurveyMesh(std::initializer_list<ON_2dPoint> offsets, std::initializer_list<std::vector<int>> faces)
{
  ON_Mesh mesh;
  for (const ON_2dPoint& d : offsets)
    mesh.m_dV.Append(kOrigin + ON_3dVector(d.x, d.y, 0.0));
  mesh.UpdateSinglePrecisionVertices();
  for (const std::vector<int>& f : faces)
    mesh.m_F.Append(ON_MeshFace{{f[0], f[1], f[2], f.size() > 3 ? f[3] : f[2]}});
  return mesh;
}

TEST(MeshDoublePrecision, DoublesKeepTheDetailTheFloatsRoundAway)
{
  ON_Mesh mesh = SurveyMesh({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{0, 1, 2, 3}});
  ASSERT_TRUE(mesh.HasDoublePrecisionVertices());
  EXPECT_TRUE(mesh.HasSinglePrecisionVertices());
  EXPECT_TRUE(mesh.HasSynchronizedDoubleAndSinglePrecisionVertices());
  EXPECT_TRUE(mesh.IsValid());
  EXPECT_EQ(mesh.Vertex(2), kOrigin + ON_3dVector(1, 1, 0));
  EXPECT_EQ(mesh.m_V[2], ON_3fPoint(kOrigin + ON_3dVector(1, 1, 0)));
  EXPECT_NE(ON_3dPoint(mesh.m_V[2]), mesh.Vertex(2));
  EXPECT_TRUE(mesh.Vertex(4).IsUnsetPoint());
  EXPECT_TRUE(mesh.Vertex(-1).IsUnsetPoint());
  EXPECT_EQ(mesh.BoundingBox().m_min, kOrigin);

  // Setting a vertex sets both; appending appends both.
  const ON_3dPoint moved = kOrigin + ON_3dVector(0.01, 1.02, 0.5);
  EXPECT_TRUE(mesh.SetVertex(3, moved));
  EXPECT_TRUE(mesh.SetVertex(4, kOrigin + ON_3dVector(2, 2, 0)));
  EXPECT_FALSE(mesh.SetVertex(6, kOrigin));
  ASSERT_EQ(mesh.m_dV.Count(), 5);
  EXPECT_EQ(mesh.Vertex(3), moved);
  EXPECT_EQ(mesh.m_V[3], ON_3fPoint(moved));
  EXPECT_TRUE(mesh.HasSynchronizedDoubleAndSinglePrecisionVertices());

  mesh.DestroyDoublePrecisionVertices();
  EXPECT_FALSE(mesh.HasDoublePrecisionVertices());
  EXPECT_EQ(mesh.Vertex(3), ON_3dPoint(mesh.m_V[3]));

  // A mesh of floats: no doubles until asked for, then the floats' values.
  ON_Mesh floats = MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}});
  EXPECT_FALSE(floats.HasDoublePrecisionVertices());
  EXPECT_FALSE(floats.HasSynchronizedDoubleAndSinglePrecisionVertices());
  floats.UpdateSinglePrecisionVertices(); // nothing to update from
  EXPECT_EQ(floats.VertexCount(), 3);
  EXPECT_EQ(floats.DoublePrecisionVertices().Count(), 3);
  EXPECT_TRUE(floats.HasSynchronizedDoubleAndSinglePrecisionVertices());
}

// Code that moves floats alone leaves stale doubles: those vertices count as their floats, the
// others keep their detail, and updating the doubles renews only the stale ones.
TEST(MeshDoublePrecision, AFloatMovedAloneOutranksItsStaleDouble)
{
  ON_Mesh mesh = SurveyMesh({{0, 0}, {1, 0}, {0, 1}}, {{0, 1, 2}});
  mesh.m_V[1] = ON_3fPoint(kOrigin + ON_3dVector(7, 0, 0));
  EXPECT_FALSE(mesh.HasSynchronizedDoubleAndSinglePrecisionVertices());
  EXPECT_TRUE(mesh.IsValid());
  EXPECT_EQ(mesh.Vertex(1), ON_3dPoint(mesh.m_V[1]));
  EXPECT_EQ(mesh.Vertex(0), kOrigin);
  mesh.UpdateDoublePrecisionVertices();
  EXPECT_TRUE(mesh.HasSynchronizedDoubleAndSinglePrecisionVertices());
  EXPECT_EQ(mesh.m_dV[1], ON_3dPoint(mesh.m_V[1]));
  EXPECT_EQ(mesh.m_dV[0], kOrigin);

  // Doubles of another count are not in use, and Compact drops them.
  mesh.m_dV.Append(kOrigin);
  EXPECT_FALSE(mesh.HasDoublePrecisionVertices());
  EXPECT_EQ(mesh.Vertex(0), ON_3dPoint(mesh.m_V[0]));
  mesh.Compact();
  EXPECT_EQ(mesh.m_dV.Count(), 0);
}

// Copies, moves, compaction, appending, quad splitting and partitions carry each vertex's double
// with it.
TEST(MeshDoublePrecision, MeshOperationsKeepEachDoubleWithItsVertex)
{
  // Vertex 1 is unused; vertices 2 and 3 round to the same floats but are apart as doubles.
  ON_Mesh mesh = SurveyMesh({{0, 0}, {5, 5}, {1, 0}, {1, 0.1}, {0, 1}}, {{0, 2, 3, 4}});
  ASSERT_EQ(mesh.m_V[2], mesh.m_V[3]);
  const ON_Mesh copy = mesh;
  EXPECT_EQ(copy.m_dV.Count(), 5);
  ON_Mesh source(copy);
  const ON_Mesh moved(std::move(source));
  EXPECT_EQ(moved.Vertex(3), copy.Vertex(3));

  mesh.Compact();
  ASSERT_EQ(mesh.VertexCount(), 4);
  ASSERT_EQ(mesh.FaceCount(), 1); // doubles decide that the quad's corners are apart
  EXPECT_TRUE(mesh.m_F[0].IsQuad());
  EXPECT_EQ(mesh.Vertex(1), kOrigin + ON_3dVector(1, 0, 0));
  EXPECT_EQ(mesh.Vertex(2), kOrigin + ON_3dVector(1, 0.1, 0));
  EXPECT_TRUE(mesh.HasSynchronizedDoubleAndSinglePrecisionVertices());

  ON_Mesh joined = mesh;
  joined.Append(SurveyMesh({{3, 0}, {4, 0}, {3, 1}}, {{0, 1, 2}}));
  ASSERT_EQ(joined.m_dV.Count(), 7);
  EXPECT_EQ(joined.Vertex(6), kOrigin + ON_3dVector(3, 1, 0));
  joined.Append(MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}})); // floats only: no doubles
  EXPECT_FALSE(joined.HasDoublePrecisionVertices());

  // Side 1-2 is 0.1 long as doubles and 0 as floats: the quad splits instead of collapsing.
  mesh.ConvertQuadsToTriangles();
  ASSERT_EQ(mesh.FaceCount(), 2);
  EXPECT_EQ(Corners(mesh.m_F[0]), (std::vector<int>{0, 1, 2, 2}));
}

TEST(MeshDoublePrecision, PartitionsKeepEachDoubleWithItsVertex)
{
  const int columns = 8, rows = 6;
  ON_Mesh grid;
  for (int r = 0; r <= rows; r++)
    for (int c = 0; c <= columns; c++)
      grid.m_dV.Append(kOrigin + ON_3dVector(0.01 * c, 0.01 * r, 0.001 * c * r));
  grid.UpdateSinglePrecisionVertices();
  for (int r = 0; r < rows; r++)
    for (int c = 0; c < columns; c++)
    {
      const int a = r * (columns + 1) + c;
      grid.m_F.Append(ON_MeshFace{{a, a + 1, a + columns + 2, a + columns + 1}});
    }
  auto faceCorners = [](const ON_Mesh& mesh)
  {
    std::multimap<double, std::vector<double>> faces; // by the first corner's x and y
    for (int f = 0; f < mesh.FaceCount(); f++)
    {
      std::vector<double> corners;
      for (int k = 0; k < 4; k++)
        for (int i = 0; i < 3; i++)
          corners.push_back(mesh.Vertex(mesh.m_F[f].vi[k])[i]);
      faces.insert({corners[0] + 1e3 * corners[1], corners});
    }
    return faces;
  };
  const auto before = faceCorners(grid);
  ASSERT_NE(grid.CreatePartition(12, 8), nullptr);
  EXPECT_GT(grid.Partition()->m_part.Count(), 1);
  EXPECT_TRUE(grid.HasSynchronizedDoubleAndSinglePrecisionVertices());
  EXPECT_EQ(faceCorners(grid), before);
}

} // namespace
