#include "MeshTestSupport.h"
#include "QORMesh.h"

#include <gtest/gtest.h>

namespace
{

using namespace meshtest;

ON_wString Error() { return QORMesh::GetError(); }

TEST(QORMeshRefine, SubdivisionPatterns)
{
  ON_Mesh triangle;
  QORMesh::AddTriangle(triangle, ON_3dPoint(0, 0, 0), ON_3dPoint(2, 0, 0), ON_3dPoint(0, 2, 0));
  ASSERT_EQ(QORMesh::SubDivide(triangle), 1);
  EXPECT_EQ(triangle.FaceCount(), 4);
  EXPECT_EQ(triangle.TriangleCount(), 4);
  EXPECT_EQ(triangle.VertexCount(), 12) << "each new face has vertices of its own";
  EXPECT_EQ(triangle.Topology().TopVertexCount(), 6);
  EXPECT_TRUE(ConsistentlyOriented(triangle));

  ON_Mesh quad = Grid(1, 1);
  ASSERT_EQ(QORMesh::SubDivide(quad), 1);
  EXPECT_EQ(quad.QuadCount(), 4);
  for (int fi = 0; fi < 4; fi++)
    EXPECT_EQ(quad.m_V[quad.m_F[fi].vi[2]], ON_3fPoint(0.5f, 0.5f, 0.0f)) << "the centre is every quad's third corner";
  EXPECT_EQ(BoundarySides(quad).size(), 8u);

  ON_Mesh single;
  ASSERT_EQ(QORMesh::CreateSubDividedFace(single, ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0),
                                          ON_3dPoint(1, 1, 0)),
            1);
  EXPECT_EQ(single.TriangleCount(), 4) << "C equal to D makes a triangle";
}

TEST(QORMeshRefine, SubdividedClosedMeshesStayClosed)
{
  for (ON_Mesh mesh : {Box(), Triangulated(Box())})
  {
    const int faces = mesh.FaceCount();
    ASSERT_EQ(QORMesh::SubDivide(mesh), 1);
    EXPECT_EQ(mesh.FaceCount(), 4 * faces);
    EXPECT_EQ(QORMesh::GetBoundaryEdgeCount(mesh), 0);
    EXPECT_TRUE(BoundarySides(mesh).empty());
    EXPECT_TRUE(ConsistentlyOriented(mesh));
    EXPECT_TRUE(mesh.IsValid());
  }
}

TEST(QORMeshRefine, SubdividingOneFaceSplitsTheNeighboursItShares)
{
  ON_Mesh grid = Grid(2, 2);
  ASSERT_EQ(QORMesh::SubDivideFace(grid, 0), 1);
  EXPECT_EQ(grid.FaceCount(), 1 + 4 + 2 * 3);
  EXPECT_EQ(grid.QuadCount(), 5);
  EXPECT_EQ(BoundarySides(grid).size(), 10u) << "no side of the new faces is left open inside";
  EXPECT_TRUE(ConsistentlyOriented(grid));

  // Triangles: the two neighbours split in two, the side on the border in two.
  ON_Mesh triangles = Triangulated(Grid(2, 2));
  ASSERT_EQ(QORMesh::SubDivideFace(triangles, 1), 1);
  EXPECT_EQ(triangles.FaceCount(), 8 - 3 + 4 + 2 * 2);
  EXPECT_TRUE(ConsistentlyOriented(triangles));
  EXPECT_EQ(BoundarySides(triangles).size(), 9u);
}

TEST(QORMeshRefine, SmoothingMovesTowardsTheNeighbours)
{
  ON_Mesh mesh = Grid(2, 2);
  mesh.m_V[4].z = 3.0f; // the centre
  const ON_Mesh before = mesh;
  ASSERT_EQ(QORMesh::Smooth(mesh, 0.0), 1);
  EXPECT_EQ(mesh.m_V[4].z, 3.0f);

  ASSERT_EQ(QORMesh::Smooth(mesh, 1.0), 1);
  EXPECT_FLOAT_EQ(mesh.m_V[4].z, 3.0f / 5.0f) << "the mean of itself and its four neighbours";
  EXPECT_FLOAT_EQ(mesh.m_V[1].z, 3.0f / 4.0f) << "a side vertex: itself, two along the side, the centre";
  EXPECT_FLOAT_EQ(mesh.m_V[0].z, 0.0f);
  EXPECT_FLOAT_EQ(mesh.m_V[0].x, 1.0f / 3.0f);

  // Copies of a vertex (as STL files hold them) move as one.
  ON_Mesh soup;
  QORMesh::AddTriangle(soup, ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 1));
  QORMesh::AddTriangle(soup, ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0), ON_3dPoint(0, 1, 1));
  ASSERT_EQ(QORMesh::Smooth(soup, 0.5), 1);
  EXPECT_EQ(soup.m_V[2], soup.m_V[5]);
  EXPECT_EQ(soup.m_V[1], soup.m_V[3]);
  EXPECT_EQ(soup.Topology().TopVertexCount(), 4);
}

TEST(QORMeshRefine, BreakingQuads)
{
  struct Case
  {
    int mode;
    int broken;
  } cases[] = {{0, 6}, {1, 0}, {2, 6}};
  for (const Case& c : cases)
  {
    ON_Mesh grid = Grid(2, 3);
    int broken = -1;
    QORMesh::SetError(L"old");
    ASSERT_EQ(QORMesh::BreakQuads(grid, c.mode, &broken), 1) << c.mode;
    EXPECT_EQ(broken, c.broken) << c.mode;
    EXPECT_EQ(grid.FaceCount(), 6 + c.broken) << c.mode;
    EXPECT_EQ(Error(), ON_wString(L"")) << "cleared";
    EXPECT_TRUE(ConsistentlyOriented(grid));
  }
  ON_Mesh triangles = Triangulated(Grid(1, 1));
  int broken = -1;
  ASSERT_EQ(QORMesh::BreakQuads(triangles, 2, &broken), 1);
  EXPECT_EQ(broken, 0) << "no quads, none broken";
  EXPECT_EQ(QORMesh::BreakQuads(triangles, 2, nullptr), 1);

  EXPECT_EQ(QORMesh::BreakQuad(triangles, 0), 0);
  EXPECT_EQ(Error(), ON_wString(L"Face is not a quad"));
  ON_Mesh grid = Grid(1, 2);
  ASSERT_EQ(QORMesh::BreakQuad(grid, 0), 1);
  EXPECT_EQ(grid.FaceCount(), 3);
  EXPECT_TRUE(ConsistentlyOriented(grid));
}

TEST(QORMeshRefine, PlanarityAndHeight)
{
  ON_Mesh grid = Grid(2, 2, 4.0);
  for (int fi = 0; fi < grid.FaceCount(); fi++)
    EXPECT_EQ(QORMesh::IsFacePlanar(grid, fi), 1);
  grid.m_V[8].z = 4.0f + 1e-6f; // corner (2, 2) of quad 3
  EXPECT_EQ(QORMesh::IsFacePlanar(grid, 3), 0);
  EXPECT_EQ(QORMesh::IsFacePlanar(Triangulated(grid), 7), 1);

  int broken = 0;
  QORMesh::BreakQuads(grid, 1, &broken);
  EXPECT_EQ(broken, 1) << "mode 1 breaks the warped quad";

  QORMesh::SetZ(grid, -2.5);
  for (int vi = 0; vi < grid.VertexCount(); vi++)
    EXPECT_EQ(grid.m_V[vi].z, -2.5f);
}

} // namespace
