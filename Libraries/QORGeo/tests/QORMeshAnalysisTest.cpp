#include "MeshTestSupport.h"
#include "QORMesh.h"

#include <gtest/gtest.h>

namespace
{

using namespace meshtest;

ON_wString Error() { return QORMesh::GetError(); }

TEST(QORMeshAnalysis, AClosedBoxHasNoBoundary)
{
  const ON_Mesh box = Box();
  EXPECT_EQ(QORMesh::GetBoundaryEdgeCount(box), 0);
  ON_ClassArray<ON_Polyline> loops;
  int outer = 7;
  EXPECT_EQ(QORMesh::GetBoundaryPolylines(box, loops, outer, 0), 0);
  EXPECT_EQ(Error(), ON_wString(L"Mesh does not have boundary edges"));
  EXPECT_EQ(outer, 7);
  ON_Polyline polyline;
  EXPECT_EQ(QORMesh::GetOuterBoundary(box, polyline, 0), 0);
}

TEST(QORMeshAnalysis, TheOuterLoopIsTheWidestInX)
{
  struct Case
  {
    const char* what;
    ON_Mesh mesh;
    int loops;
    int outerPoints;
  } cases[] = {
      {"flat grid", Grid(3, 4), 1, 15},
      {"grid with a hole", GridWithHole(6, 6, 2, 3), 2, 25},
      {"triangles with a hole", Triangulated(GridWithHole(5, 5, 1, 3)), 2, 21},
  };
  for (const Case& c : cases)
  {
    ON_ClassArray<ON_Polyline> loops;
    loops.AppendNew(); // the loops are appended
    int outer = -1;
    ASSERT_EQ(QORMesh::GetBoundaryPolylines(c.mesh, loops, outer, 1), 1) << c.what;
    ASSERT_EQ(loops.Count(), 1 + c.loops) << c.what;
    ASSERT_GE(outer, 1) << c.what;
    EXPECT_EQ(loops[outer].Count(), c.outerPoints) << c.what;
    int points = 0;
    for (int i = 1; i < loops.Count(); i++)
    {
      EXPECT_TRUE(loops[i].IsClosed(0)) << c.what;
      points += loops[i].Count() - 1;
    }
    EXPECT_EQ(points, QORMesh::GetBoundaryEdgeCount(c.mesh)) << c.what;
    ON_Polyline polyline;
    ASSERT_EQ(QORMesh::GetOuterBoundary(c.mesh, polyline, 0), 1);
    EXPECT_EQ(polyline.BoundingBox().m_max.x - polyline.BoundingBox().m_min.x,
              c.mesh.BoundingBox().m_max.x - c.mesh.BoundingBox().m_min.x)
        << c.what;
  }
}

TEST(QORMeshAnalysis, LoopsWithoutWidthInXHaveNoOuterLoop)
{
  ON_Mesh wall = Grid(2, 2);
  for (int i = 0; i < wall.VertexCount(); i++)
    wall.m_V[i] = ON_3fPoint(5.0f, wall.m_V[i].x, wall.m_V[i].y); // the grid stood up in the plane x = 5
  ON_ClassArray<ON_Polyline> loops;
  int outer = 3;
  ASSERT_EQ(QORMesh::GetBoundaryPolylines(wall, loops, outer, 0), 1);
  EXPECT_EQ(loops.Count(), 1);
  EXPECT_EQ(outer, -1);
  ON_Polyline polyline;
  EXPECT_EQ(QORMesh::GetOuterBoundary(wall, polyline, 0), 0);
  EXPECT_EQ(Error(), ON_wString(L"Mesh boundary loops have no width in x"));
  EXPECT_EQ(polyline.Count(), 0);
}

TEST(QORMeshAnalysis, PartitionsKeepTheirLimitsAndTheirFaces)
{
  const ON_Mesh grid = Grid(10, 12);
  ON_ClassArray<ON_Mesh> parts;
  ASSERT_EQ(QORMesh::PartitionMesh(grid, parts, 30, 20), 1);
  ASSERT_GT(parts.Count(), 240 / 20 - 1);
  int triangles = 0;
  for (int i = 0; i < parts.Count(); i++)
  {
    EXPECT_TRUE(parts[i].IsValid());
    EXPECT_EQ(parts[i].QuadCount(), 0);
    EXPECT_LE(parts[i].VertexCount(), 30);
    EXPECT_LE(parts[i].FaceCount(), 20);
    triangles += parts[i].FaceCount();
  }
  EXPECT_EQ(triangles, 240);

  ON_ClassArray<ON_Mesh> untouched;
  untouched.AppendNew();
  for (const auto& [vertices, faces] : {std::pair<int, int>{0, 10}, {10, 0}})
  {
    EXPECT_EQ(QORMesh::PartitionMesh(grid, untouched, vertices, faces), 0);
    EXPECT_EQ(untouched.Count(), 1);
  }

  ON_Mesh part;
  EXPECT_EQ(QORMesh::GetMeshPartition(grid, 0, part), 0);
  EXPECT_EQ(Error(), ON_wString(L"Mesh has no partition"));
  ON_Mesh partitioned = grid;
  ASSERT_NE(partitioned.CreatePartition(40, 30), nullptr);
  const int count = partitioned.Partition()->m_part.Count();
  for (int index : {-1, count})
  {
    EXPECT_EQ(QORMesh::GetMeshPartition(partitioned, index, part), 0);
    EXPECT_EQ(Error(), ON_wString(L"Invalid partition index"));
  }
  int quads = 0;
  for (int i = 0; i < count; i++)
  {
    ASSERT_EQ(QORMesh::GetMeshPartition(partitioned, i, part), 1);
    quads += part.QuadCount();
  }
  EXPECT_EQ(quads, 120) << "a part's quads stay whole";
}

TEST(QORMeshAnalysis, ClosestElementsAndPoints)
{
  ON_Mesh mesh;
  QORMesh::AddQuad(mesh, ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0), ON_3dPoint(0, 1, 0));
  QORMesh::AddQuad(mesh, ON_3dPoint(1, 0, 0), ON_3dPoint(2, 0, 0), ON_3dPoint(2, 1, 0), ON_3dPoint(1, 1, 0));
  ON_3dPointArray points;
  EXPECT_EQ(QORMesh::ExtractPoints(mesh, points), 6) << "shared corners once";

  ON_3dPoint closest(9, 9, 9);
  EXPECT_EQ(QORMesh::GetClosestVertex(mesh, ON_3dPoint(1.1, 0.2, 0), closest, 0.1), 0);
  EXPECT_EQ(closest, ON_3dPoint(9, 9, 9));
  EXPECT_EQ(QORMesh::GetClosestVertex(mesh, ON_3dPoint(1.1, 0.2, 0), closest, 1.0), 1);
  EXPECT_EQ(closest, ON_3dPoint(1, 0, 0));
  const int edge = QORMesh::GetClosestEdgeIndex(mesh, ON_3dPoint(1.05, 0.5, 3), 5.0);
  ASSERT_GE(edge, 0);
  EXPECT_EQ(QORMesh::GetEdgeIndex(mesh, ON_Line(ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0))), edge);
  EXPECT_EQ(QORMesh::GetClosestEdgeIndex(mesh, ON_3dPoint(1.05, 0.5, 3), 2.0), -1);
  EXPECT_EQ(QORMesh::GetClosestFaceIndex(mesh, ON_3dPoint(1.2, 0.9, 1), 5.0), 1) << "inside the quad's second triangle";
  EXPECT_EQ(QORMesh::GetClosestFaceIndex(mesh, ON_3dPoint(1.0, 0.5, 1), 5.0), 0) << "a tie keeps the lower index";

  EXPECT_EQ(QORMesh::IsPointOnMesh(mesh, ON_3dPoint(1, 0.5, 0), 0.0001), 0) << "on the shared side";
  EXPECT_EQ(QORMesh::IsPointOnMesh(mesh, ON_3dPoint(1.5, 0.5, 0.01), 0.0001), -1);
  EXPECT_EQ(QORMesh::IsPointOnMesh(ON_Mesh(), ON_3dPoint(0, 0, 0), 1.0), -1);
}

TEST(QORMeshAnalysis, RaysHitTheNearestFaceAndDroppedPointsTheFirst)
{
  // Three stacked squares, the lowest first: a ray from above hits the top one.
  ON_Mesh stack;
  for (double z : {0.0, 2.0, 1.0})
    QORMesh::AddQuad(stack, ON_3dPoint(0, 0, z), ON_3dPoint(1, 0, z), ON_3dPoint(1, 1, z), ON_3dPoint(0, 1, z));
  ON_3dPoint hit;
  ASSERT_EQ(QORMesh::IntersectRay(stack, ON_Line(ON_3dPoint(0.3, 0.4, 5), ON_3dPoint(0.3, 0.4, 4)), hit), 1);
  EXPECT_EQ(hit, ON_3dPoint(0.3, 0.4, 2));
  ASSERT_EQ(QORMesh::IntersectRay(stack, ON_Line(ON_3dPoint(0.3, 0.4, 1.5), ON_3dPoint(0.3, 0.4, 1)), hit), 1);
  EXPECT_EQ(hit, ON_3dPoint(0.3, 0.4, 1)) << "faces behind the ray's start do not count";
  ASSERT_EQ(QORMesh::IntersectRay(stack, ON_Line(ON_3dPoint(0.9, 0.8, -1), ON_3dPoint(0.9, 0.8, 0)), hit), 1);
  EXPECT_EQ(hit, ON_3dPoint(0.9, 0.8, 0)) << "in a quad's first triangle from below";
  hit = ON_3dPoint(7, 7, 7);
  EXPECT_EQ(QORMesh::IntersectRay(stack, ON_Line(ON_3dPoint(0.3, 0.4, 5), ON_3dPoint(0.3, 0.4, 6)), hit), 0);
  EXPECT_EQ(hit, ON_3dPoint(7, 7, 7));

  ON_3dPoint dropped;
  ASSERT_EQ(QORMesh::DropPointOnMesh(stack, ON_3dPoint(0.2, 0.7, 1.4), dropped), 1);
  EXPECT_EQ(dropped, ON_3dPoint(0.2, 0.7, 0)) << "the first face, below the point";
  EXPECT_EQ(QORMesh::DropPointOnMesh(stack, ON_3dPoint(3, 0.7, 1.4), dropped), 0);
}

TEST(QORMeshAnalysis, FacesTurnUp)
{
  ON_Mesh down = Grid(2, 3);
  down.FlipFaceOrientation();
  EXPECT_EQ(QORMesh::FaceUpwards(down), 6);
  EXPECT_TRUE(ConsistentlyOriented(down));
  for (int fi = 0; fi < down.FaceCount(); fi++)
    EXPECT_EQ(down.m_V[down.m_F[fi].vi[1]].x, down.m_V[down.m_F[fi].vi[0]].x + 1.0f) << "counter-clockwise again";

  // Survey coordinates keep their double-precision vertices through the edit.
  ON_Mesh survey = Grid(1, 2);
  survey.FlipFaceOrientation();
  for (int vi = 0; vi < survey.VertexCount(); vi++)
    survey.m_dV.Append(ON_3dPoint(500000.123 + survey.m_V[vi].x, 4200000.456 + survey.m_V[vi].y, 0));
  survey.UpdateSinglePrecisionVertices();
  ASSERT_EQ(QORMesh::FaceUpwards(survey), 2);
  ASSERT_TRUE(survey.HasSynchronizedDoubleAndSinglePrecisionVertices());
  EXPECT_EQ(survey.Vertex(0), ON_3dPoint(500000.123, 4200000.456, 0));

  ON_Mesh up = Triangulated(Grid(2, 2));
  const ON_Mesh before = up;
  int flipped = -1;
  ASSERT_EQ(QORMesh::FaceUpwards(up, flipped), 1);
  EXPECT_EQ(flipped, 0);
  EXPECT_EQ(up.m_F[3].vi[1], before.m_F[3].vi[1]);

  // A vertical face stays as it is.
  ON_Mesh mixed;
  QORMesh::AddTriangle(mixed, ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(0, 0, 1));
  QORMesh::AddTriangle(mixed, ON_3dPoint(0, 0, 0), ON_3dPoint(0, 1, 0), ON_3dPoint(1, 0, 0));
  ASSERT_EQ(QORMesh::FaceUpwards(mixed, flipped), 1);
  EXPECT_EQ(flipped, 1);
}

} // namespace
