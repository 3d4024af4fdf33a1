#include "MeshTestSupport.h"
#include "QORLine.h"
#include "QORMesh.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{

using namespace meshtest;

const ON_3dPoint kUnset = ON_3dPoint::UnsetPoint;

ON_wString Error() { return QORMesh::GetError(); }

bool SameMesh(const ON_Mesh& a, const ON_Mesh& b)
{
  if (a.VertexCount() != b.VertexCount() || a.FaceCount() != b.FaceCount())
    return false;
  for (int i = 0; i < a.VertexCount(); i++)
    if (!(a.m_V[i] == b.m_V[i]))
      return false;
  for (int i = 0; i < a.FaceCount(); i++)
    for (int k = 0; k < 4; k++)
      if (a.m_F[i].vi[k] != b.m_F[i].vi[k])
        return false;
  return true;
}

TEST(QORMeshEdit, VerticesAreFoundInSinglePrecisionOnly)
{
  ON_Mesh mesh = Grid(1, 1);
  mesh.m_V[2] = ON_3fPoint(0.1f, 0.7f, 0.0f);
  ON_3dPointArray near;
  ASSERT_EQ(QORMesh::GetConnectedVertices(mesh, ON_3dPoint(0.1, 0.7, 0.0), near), 1) << "0.1 is 0.1f";
  EXPECT_EQ(near.Count(), 2) << "the point itself is not its own neighbour";

  const ON_Mesh before = mesh;
  const ON_3dPoint off(0.101, 0.7, 0.0);
  const std::function<int(ON_Mesh&)> uses[] = {
      [&](ON_Mesh& m) { return QORMesh::MoveVertexTo(m, off, ON_3dPoint(5, 5, 5)); },
      [&](ON_Mesh& m) { return QORMesh::MoveVertexBy(m, off, ON_3dVector(1, 0, 0)); },
      [&](ON_Mesh& m) { return QORMesh::GetConnectedVertices(m, off, near); },
      [&](ON_Mesh& m) { return QORMesh::DeleteVertex(m, off); },
  };
  for (const auto& use : uses)
  {
    QORMesh::SetError(L"");
    EXPECT_EQ(use(mesh), 0);
    EXPECT_EQ(Error(), ON_wString(L"Point is not a mesh vertex"));
    EXPECT_TRUE(SameMesh(mesh, before));
  }
}

TEST(QORMeshEdit, MovingAVertexOntoANeighbourCountsTheFacesItFlattens)
{
  // Three quads in a row; vertex (1, 1) onto (1, 0) flattens the first two.
  struct Case
  {
    int deleteInvalid;
    int faces;
    int triangles;
  } cases[] = {{1, 1, 0}, {0, 3, 2}};
  for (const Case& c : cases)
  {
    ON_Mesh mesh = Grid(1, 3);
    int invalid = -1;
    ASSERT_EQ(QORMesh::MoveVertexTo(mesh, ON_3dPoint(1, 1, 0), ON_3dPoint(1, 0, 0), c.deleteInvalid, invalid), 1);
    EXPECT_EQ(invalid, 2) << c.deleteInvalid;
    EXPECT_EQ(mesh.FaceCount(), c.faces) << c.deleteInvalid;
    EXPECT_EQ(mesh.TriangleCount(), c.triangles) << "collapsed quads kept as triangles";
    EXPECT_TRUE(mesh.IsValid());
    EXPECT_EQ(QORMesh::NumInvalidFaces(mesh), 0);
  }

  // Coincident copies of a vertex move together.
  ON_Mesh mesh;
  QORMesh::AddTriangle(mesh, ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 0));
  QORMesh::AddTriangle(mesh, ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0), ON_3dPoint(0, 1, 0));
  ASSERT_EQ(QORMesh::MoveVertexBy(mesh, ON_3dPoint(1, 0, 0), ON_3dVector(0, 0, 2)), 1);
  EXPECT_EQ(mesh.m_V[1], ON_3fPoint(1, 0, 2));
  EXPECT_EQ(mesh.m_V[3], ON_3fPoint(1, 0, 2));
}

TEST(QORMeshEdit, EdgesAreFoundInEitherDirectionAndFacesByTheirKind)
{
  const ON_Mesh mesh = Grid(2, 2);
  const int edge = QORMesh::GetEdgeIndex(mesh, ON_Line(ON_3dPoint(1, 1, 0), ON_3dPoint(1, 0, 0)));
  ASSERT_GE(edge, 0);
  EXPECT_EQ(edge, QORMesh::GetEdgeIndex(mesh, ON_Line(ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1.00005, 0))));
  EXPECT_EQ(QORMesh::GetEdgeIndex(mesh, ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 1, 0))), -1);
  ON_3dPoint start, end;
  QORMesh::GetEdgeVertices(mesh, edge, start, end);
  EXPECT_EQ(ON_Line(start, end).Length(), 1.0);

  const ON_3dPoint a(1, 1, 0), b(2, 1, 0), c(2, 2, 0), d(1, 2, 0);
  EXPECT_EQ(QORMesh::GetFaceIndex(mesh, a, b, c, d), 3);
  EXPECT_EQ(QORMesh::GetFaceIndex(mesh, c, d, a, b), 3) << "the corner mean decides";
  EXPECT_EQ(QORMesh::GetFaceIndex(mesh, ON_3dPoint(1, 1, 0), ON_3dPoint(2, 2, 0), ON_3dPoint(1.5, 1.5, 0), kUnset), -1)
      << "an unset fourth corner looks for triangles only";
}

TEST(QORMeshEdit, SplittingAnEdgeSplitsItsFacesInTheirOwnOrientation)
{
  struct Case
  {
    const char* what;
    ON_Mesh mesh;
    ON_Line edge;
    int faces;
  } cases[] = {
      {"interior edge of two triangles", Triangulated(Grid(1, 1)), ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 1, 0)),
       4},
      {"boundary edge of a quad", Grid(1, 1), ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0)), 3},
      {"interior edge of two quads", Grid(1, 2), ON_Line(ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0)), 6},
  };
  for (Case& c : cases)
  {
    const double area = PlanArea(c.mesh);
    const int edge = QORMesh::GetEdgeIndex(c.mesh, c.edge);
    ASSERT_GE(edge, 0) << c.what;
    ASSERT_EQ(QORMesh::SplitEdge(c.mesh, edge, QORLine::MidPoint(c.edge)), 1) << c.what;
    EXPECT_EQ(c.mesh.FaceCount(), c.faces) << c.what;
    EXPECT_EQ(c.mesh.QuadCount(), 0) << c.what;
    EXPECT_TRUE(c.mesh.IsValid()) << c.what;
    EXPECT_TRUE(ConsistentlyOriented(c.mesh)) << c.what;
    EXPECT_DOUBLE_EQ(PlanArea(c.mesh), area) << c.what;
  }

  ON_Mesh mesh = Grid(1, 1);
  const ON_Mesh before = mesh;
  const int edge = QORMesh::GetEdgeIndex(mesh, ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0)));
  EXPECT_EQ(QORMesh::SplitEdge(mesh, edge, ON_3dPoint(1.00005, 0.3, 0)), 0);
  EXPECT_EQ(Error(), ON_wString(L"Split point coincides with an edge vertex"));
  EXPECT_TRUE(SameMesh(mesh, before));
  ON_Mesh part;
  EXPECT_EQ(QORMesh::CreateSplitFace(part, ON_3dPoint(0.5, 0.2, 0), ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0),
                                     ON_3dPoint(1, 1, 0), ON_3dPoint(1, 1, 0)),
            0);
  EXPECT_EQ(Error(), ON_wString(L"Point does not lie on an edge"));
}

TEST(QORMeshEdit, FlippedFaceComesLastAndAFaceThatCannotBeRebuiltStays)
{
  ON_Mesh mesh = Triangulated(Grid(1, 1));
  ASSERT_EQ(QORMesh::FlipFace(mesh, 0), 1);
  ASSERT_EQ(mesh.FaceCount(), 2);
  EXPECT_EQ(mesh.m_V[mesh.m_F[0].vi[0]], ON_3fPoint(1, 1, 0)) << "the other face first";
  EXPECT_EQ(mesh.m_V[mesh.m_F[1].vi[1]], ON_3fPoint(1, 1, 0)) << "(0,0) (1,1) (1,0)";
  EXPECT_LT(PlanArea(mesh), 1.0);

  // A face with two corners at one place cannot be added back: the mesh keeps it.
  ON_Mesh flat = Grid(1, 2);
  flat.m_V.Append(ON_3fPoint(0, 0, 0));
  flat.m_F.Append(ON_MeshFace{{0, 6, 3, 3}});
  const ON_Mesh before = flat;
  EXPECT_EQ(QORMesh::FlipFace(flat, 2), 0);
  EXPECT_EQ(Error(), ON_wString(L"Operation results in an invalid mesh"));
  EXPECT_TRUE(SameMesh(flat, before));
}

TEST(QORMeshEdit, SplitFaceMakesAFanAndRefusesACorner)
{
  ON_Mesh mesh = Grid(1, 2);
  ASSERT_EQ(QORMesh::SplitFace(mesh, 1, ON_3dPoint(1.5, 0.5, 0)), 1);
  EXPECT_EQ(mesh.FaceCount(), 5);
  EXPECT_TRUE(ConsistentlyOriented(mesh));
  EXPECT_DOUBLE_EQ(PlanArea(mesh), 2.0);
  EXPECT_EQ(QORMesh::SplitFace(mesh, 0, ON_3dPoint(1, 1, 0)), 0);
  EXPECT_EQ(Error(), ON_wString(L"Point coincides with a mesh vertex"));
}

TEST(QORMeshEdit, DeletingAndCollapsing)
{
  ON_Mesh mesh = Grid(2, 2);
  ASSERT_EQ(QORMesh::DeleteVertex(mesh, ON_3dPoint(0, 0, 0)), 1);
  EXPECT_EQ(mesh.FaceCount(), 3);
  ASSERT_EQ(QORMesh::DeleteEdge(mesh, ON_Line(ON_3dPoint(2, 1, 0), ON_3dPoint(1, 1, 0))), 1);
  EXPECT_EQ(mesh.FaceCount(), 1) << "both faces on the edge";
  EXPECT_EQ(QORMesh::DeleteEdge(mesh, ON_Line(ON_3dPoint(7, 1, 0), ON_3dPoint(1, 1, 0))), 0);
  EXPECT_EQ(Error(), ON_wString(L"Line segment is not an edge of the mesh"));

  ON_SimpleArray<int> faces;
  faces.Append(0);
  faces.Append(3);
  mesh = Grid(2, 2);
  ASSERT_EQ(QORMesh::DeleteFaces(mesh, faces), 1);
  EXPECT_EQ(mesh.FaceCount(), 2);
  EXPECT_EQ(mesh.VertexCount(), 7) << "the corners (0,0) and (2,2) went with their faces";

  ON_Mesh strip = Triangulated(Grid(1, 3));
  const int edge = QORMesh::GetEdgeIndex(strip, ON_Line(ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0)));
  ASSERT_EQ(QORMesh::CollapseEdge(strip, edge), 1);
  EXPECT_EQ(strip.FaceCount(), 4) << "the two triangles on the edge are gone";
  EXPECT_TRUE(strip.IsValid());
  EXPECT_TRUE(ConsistentlyOriented(strip));
  EXPECT_DOUBLE_EQ(PlanArea(strip), 2.0) << "the edge's ends met halfway";

  // The centre quad's side neighbours lose a side and go with it; the corner neighbours stay.
  ON_Mesh grid = Grid(3, 3);
  ASSERT_EQ(QORMesh::CollapseFace(grid, 4), 1);
  EXPECT_EQ(grid.FaceCount(), 4);
  EXPECT_EQ(grid.QuadCount(), 4);
  EXPECT_DOUBLE_EQ(PlanArea(grid), 6.0) << "each corner quad reaches to the centre";
  ASSERT_EQ(QORMesh::MoveFaceBy(grid, 0, ON_3dVector(0, 0, 1)), 1);
  EXPECT_EQ(QORMesh::GetFaceAveragePoint(grid, 0).z, 1.0);
}

// Every operation that takes an edge or face index refuses one outside the mesh and leaves the
// mesh as it was.
TEST(QORMeshEdit, IndexesOutsideTheMeshFail)
{
  ON_3dPointArray points;
  ON_ClassArray<ON_Line> lines;
  ON_SimpleArray<int> list;
  const ON_3dVector up(0, 0, 1);
  const ON_3dPoint p(0.5, 0.5, 0);
  struct Use
  {
    const char* what;
    const char* error;
    std::function<int(ON_Mesh&, int)> run;
  } uses[] = {
      {"DeleteEdge", "Invalid edge index", [&](ON_Mesh& m, int i) { return QORMesh::DeleteEdge(m, i); }},
      {"MoveEdgeBy", "Invalid edge index", [&](ON_Mesh& m, int i) { return QORMesh::MoveEdgeBy(m, i, up); }},
      {"CollapseEdge", "Invalid edge index", [&](ON_Mesh& m, int i) { return QORMesh::CollapseEdge(m, i); }},
      {"SplitEdge", "Invalid edge index", [&](ON_Mesh& m, int i) { return QORMesh::SplitEdge(m, i, p); }},
      {"GetFaceVertices", "Invalid face index",
       [&](ON_Mesh& m, int i) { return QORMesh::GetFaceVertices(m, i, points); }},
      {"GetFaceEdges", "Invalid face index", [&](ON_Mesh& m, int i) { return QORMesh::GetFaceEdges(m, i, lines); }},
      {"DeleteFace", "Invalid face index", [&](ON_Mesh& m, int i) { return QORMesh::DeleteFace(m, i); }},
      {"DeleteFaces", "Invalid face index",
       [&](ON_Mesh& m, int i)
       {
         list.Empty();
         list.Append(0);
         list.Append(i);
         return QORMesh::DeleteFaces(m, list);
       }},
      {"MoveFaceBy", "Invalid face index", [&](ON_Mesh& m, int i) { return QORMesh::MoveFaceBy(m, i, up); }},
      {"CollapseFace", "Invalid face index", [&](ON_Mesh& m, int i) { return QORMesh::CollapseFace(m, i); }},
      {"FlipFace", "Invalid face index", [&](ON_Mesh& m, int i) { return QORMesh::FlipFace(m, i); }},
      {"SplitFace", "Invalid face index", [&](ON_Mesh& m, int i) { return QORMesh::SplitFace(m, i, p); }},
      {"SubDivideFace", "Invalid face index", [&](ON_Mesh& m, int i) { return QORMesh::SubDivideFace(m, i); }},
      {"BreakQuad", "Invalid face index", [&](ON_Mesh& m, int i) { return QORMesh::BreakQuad(m, i); }},
      {"IsFacePlanar", "Invalid face index", [&](ON_Mesh& m, int i) { return QORMesh::IsFacePlanar(m, i); }},
  };
  const ON_Mesh grid = Grid(2, 2);
  const int edges = grid.Topology().TopEdgeCount();
  for (const Use& use : uses)
  {
    const bool edge = std::string(use.error) == "Invalid edge index";
    for (int index : {-1, edge ? edges : grid.FaceCount()})
    {
      ON_Mesh mesh = grid;
      QORMesh::SetError(L"");
      EXPECT_EQ(use.run(mesh, index), 0) << use.what << " " << index;
      EXPECT_EQ(Error(), ON_wString(use.error)) << use.what << " " << index;
      EXPECT_TRUE(SameMesh(mesh, grid)) << use.what << " " << index;
    }
  }
  EXPECT_EQ(QORMesh::GetFaceAveragePoint(grid, -1), kUnset);
}

} // namespace
