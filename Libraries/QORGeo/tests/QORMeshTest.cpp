#include "QORMesh.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const ON_3dPoint kUnset(ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE);

TEST(QORMeshBuilders, EachFaceBringsItsOwnVertices)
{
  ON_Mesh mesh;
  ASSERT_EQ(QORMesh::AddTriangle(mesh, ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 0)), 1);
  ASSERT_EQ(QORMesh::AddQuad(mesh, ON_3dPoint(1, 0, 0), ON_3dPoint(2, 0, 0), ON_3dPoint(2, 1, 0),
                             ON_3dPoint(0, 1, 0)), 1);
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
  EXPECT_EQ(QORMesh::AddFace(mesh, ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0),
                             ON_3dPoint(0, 1, 0)), 1);
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

TEST(QORMeshShells, CombineAppendsInOrderAndExtractShellsCopiesTheWhole)
{
  ON_ClassArray<ON_Mesh> parts;
  QORMesh::AddTriangle(parts.AppendNew(), ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 0));
  QORMesh::AddTriangle(parts.AppendNew(), ON_3dPoint(9, 0, 0), ON_3dPoint(10, 0, 0), ON_3dPoint(9, 1, 0));
  ON_Mesh whole;
  QORMesh::AddTriangle(whole, ON_3dPoint(0, 0, 5), ON_3dPoint(1, 0, 5), ON_3dPoint(0, 1, 5));
  QORMesh::Combine(parts, whole);
  ASSERT_EQ(whole.FaceCount(), 3);
  EXPECT_EQ(whole.m_V[6], ON_3fPoint(9, 0, 0));

  ON_ClassArray<ON_Mesh> shells;
  shells.AppendNew();
  EXPECT_EQ(QORMesh::ExtractShells(whole, shells), 1);
  ASSERT_EQ(shells.Count(), 1);
  EXPECT_EQ(shells[0].FaceCount(), 3);

  EXPECT_EQ(QORMesh::ExtractShells(shells[0], shells), 1) << "the mesh may come from the list";
  ASSERT_EQ(shells.Count(), 1);
  EXPECT_EQ(shells[0].FaceCount(), 3);
}

} // namespace
