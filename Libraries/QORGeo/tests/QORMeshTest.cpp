#include "QORMesh.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <set>
#include <vector>

namespace
{

const ON_3dPoint kUnset(ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE);

TEST(QORMeshBuilders, EachFaceBringsItsOwnVertices)
{
  ON_Mesh mesh;
  ASSERT_EQ(QORMesh::AddTriangle(mesh, ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 0)), 1);
  ASSERT_EQ(QORMesh::AddQuad(mesh, ON_3dPoint(1, 0, 0), ON_3dPoint(2, 0, 0), ON_3dPoint(2, 1, 0), ON_3dPoint(0, 1, 0)),
            1);
  EXPECT_EQ(mesh.VertexCount(), 7);
  EXPECT_EQ(mesh.FaceCount(), 2);
  EXPECT_TRUE(mesh.m_F[1].IsQuad());
  EXPECT_EQ(mesh.m_F[1].vi[0], 3);
  EXPECT_EQ(mesh.m_V[6], ON_3fPoint(0, 1, 0));
  EXPECT_TRUE(mesh.IsValid());
  // Shared locations stay separate vertices but meet in the topology.
  EXPECT_EQ(mesh.Topology().TopVertexCount(), 5);
}

TEST(QORMeshBuilders, AddFaceTakesATriangleForAnUnsetFourthPoint)
{
  ON_Mesh mesh;
  EXPECT_EQ(QORMesh::AddFace(mesh, ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 0), kUnset), 1);
  EXPECT_EQ(mesh.VertexCount(), 3);
  EXPECT_EQ(mesh.FaceCount(), 1);
  EXPECT_EQ(QORMesh::AddFace(mesh, ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0), ON_3dPoint(0, 1, 0)),
            1);
  EXPECT_EQ(mesh.VertexCount(), 7);
  EXPECT_TRUE(mesh.m_F[1].IsQuad());
}

TEST(QORMeshBuilders, RefusedFacesLeaveTheMeshUntouched)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  ON_Mesh mesh;
  QORMesh::AddTriangle(mesh, ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 0));
  const ON_3dPoint a(5, 5, 5), b(6, 5, 5), c(5, 6, 5);
  EXPECT_EQ(QORMesh::AddTriangle(mesh, a, a, b), 0) << "two corners at one point";
  EXPECT_EQ(QORMesh::AddTriangle(mesh, a, b, ON_3dPoint(6, 5, 5 + 1e-12)), 0) << "equal in single precision";
  EXPECT_EQ(QORMesh::AddTriangle(mesh, a, b, ON_3dPoint(nan, 0, 0)), 0) << "NaN corner";
  EXPECT_EQ(QORMesh::AddQuad(mesh, a, b, a, c), 0) << "quad folding back";
  EXPECT_EQ(mesh.VertexCount(), 3);
  EXPECT_EQ(mesh.FaceCount(), 1);

  // Compacting repairs a quad that closes on its first corner into the triangle it encloses.
  EXPECT_EQ(QORMesh::AddQuad(mesh, a, b, c, a), 1);
  EXPECT_EQ(mesh.VertexCount(), 6);
  EXPECT_TRUE(mesh.m_F[1].IsTriangle());
}

TEST(QORMeshShells, CombineAppendsInOrder)
{
  ON_ClassArray<ON_Mesh> parts;
  QORMesh::AddTriangle(parts.AppendNew(), ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 0));
  QORMesh::AddTriangle(parts.AppendNew(), ON_3dPoint(9, 0, 0), ON_3dPoint(10, 0, 0), ON_3dPoint(9, 1, 0));
  ON_Mesh whole;
  QORMesh::AddTriangle(whole, ON_3dPoint(0, 0, 5), ON_3dPoint(1, 0, 5), ON_3dPoint(0, 1, 5));
  QORMesh::Combine(parts, whole);
  ASSERT_EQ(whole.FaceCount(), 3);
  EXPECT_EQ(whole.m_V[6], ON_3fPoint(9, 0, 0));
}

// A mesh of the given vertices and faces (a triangle repeats its third corner).
ON_Mesh MakeMesh(const std::vector<ON_3fPoint>& vertices, const std::vector<std::array<int, 4>>& faces)
{
  ON_Mesh mesh;
  for (const ON_3fPoint& v : vertices)
    mesh.m_V.Append(v);
  for (const std::array<int, 4>& f : faces)
    mesh.m_F.Append(ON_MeshFace{{f[0], f[1], f[2], f[3]}});
  return mesh;
}

TEST(QORMeshShells, ExtractShellsGivesOneMeshPerEdgeConnectedPart)
{
  const ON_3fPoint a(0, 0, 0), b(1, 0, 0), c(0, 1, 0), d(1, 1, 0), e(2, 0, 0), f(2, 1, 0);
  const ON_3fPoint far1(9, 0, 0), far2(10, 0, 0), far3(9, 1, 0);
  struct Case
  {
    const char* what;
    std::vector<ON_3fPoint> vertices;
    std::vector<std::array<int, 4>> faces;
    std::vector<std::vector<int>> parts; // the faces of each part, in order
  } cases[] = {
      {"two apart", {a, b, c, far1, far2, far3}, {{0, 1, 2, 2}, {3, 4, 5, 5}}, {{0}, {1}}},
      {"an edge of duplicated vertices, as STL files have them",
       {a, b, c, b, d, c},
       {{0, 1, 2, 2}, {3, 4, 5, 5}},
       {{0, 1}}},
      {"a shared corner only", {a, b, c, e, f}, {{0, 1, 2, 2}, {1, 3, 4, 4}}, {{0}, {1}}},
      {"a quad and a triangle on one edge, another part between them in face order",
       {a, b, d, c, far1, far2, far3, e},
       {{0, 1, 2, 3}, {4, 5, 6, 6}, {1, 7, 2, 2}},
       {{0, 2}, {1}}},
      {"joined only through a later face",
       {a, b, c, d, e, f},
       {{0, 1, 2, 2}, {4, 5, 1, 1}, {1, 3, 2, 2}, {1, 5, 3, 3}},
       {{0, 1, 2, 3}}},
      {"a face with every corner at one location belongs to no part",
       {a, b, c, far1, far1, far1},
       {{3, 4, 5, 5}, {0, 1, 2, 2}},
       {{1}}},
      {"no faces", {a, b, c}, {}, {}},
  };
  for (const Case& test : cases)
  {
    SCOPED_TRACE(test.what);
    const ON_Mesh mesh = MakeMesh(test.vertices, test.faces);
    ON_ClassArray<ON_Mesh> shells;
    shells.AppendNew(); // replaced, not appended to
    ASSERT_EQ(QORMesh::ExtractShells(mesh, shells), 1);
    ASSERT_EQ(shells.Count(), static_cast<int>(test.parts.size()));
    for (int p = 0; p < shells.Count(); p++)
    {
      const ON_Mesh& shell = shells[p];
      const std::vector<int>& faces = test.parts[p];
      ASSERT_EQ(shell.FaceCount(), static_cast<int>(faces.size())) << "part " << p;
      std::set<int> used;
      for (int j = 0; j < shell.FaceCount(); j++)
      {
        for (int k = 0; k < 4; k++)
        {
          const int original = mesh.m_F[faces[j]].vi[k];
          used.insert(original);
          EXPECT_EQ(shell.m_V[shell.m_F[j].vi[k]], mesh.m_V[original]) << "part " << p << " face " << j;
        }
      }
      EXPECT_EQ(shell.VertexCount(), static_cast<int>(used.size())) << "only the vertices its faces use";
      EXPECT_TRUE(shell.IsValid()) << "part " << p;
    }
  }
}

TEST(QORMeshShells, ExtractShellsKeepsVertexNormalsAndMayReadFromTheList)
{
  ON_Mesh mesh = MakeMesh({ON_3fPoint(0, 0, 0), ON_3fPoint(1, 0, 0), ON_3fPoint(0, 1, 0), ON_3fPoint(5, 0, 0),
                           ON_3fPoint(6, 0, 0), ON_3fPoint(5, 1, 0)},
                          {{3, 4, 5, 5}, {0, 1, 2, 2}});
  for (int i = 0; i < mesh.VertexCount(); i++)
    mesh.m_N.Append(ON_3fVector(0, i % 2 ? 1.0f : 0.0f, i % 2 ? 0.0f : 1.0f));
  ON_ClassArray<ON_Mesh> shells;
  shells.Append(mesh);
  ASSERT_EQ(QORMesh::ExtractShells(shells[0], shells), 1);
  ASSERT_EQ(shells.Count(), 2);
  ASSERT_TRUE(shells[1].HasVertexNormals());
  EXPECT_EQ(shells[0].m_V[0], ON_3fPoint(5, 0, 0));
  EXPECT_EQ(shells[0].m_N[0], mesh.m_N[3]);
  EXPECT_EQ(shells[1].m_N[1], mesh.m_N[1]);
}

} // namespace
