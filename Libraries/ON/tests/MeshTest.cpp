#include "MeshFixtures.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <utility>

namespace
{

ON_Mesh Square() { return MakeMesh({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{0, 1, 2, 3}}); }

TEST(Mesh, ValidityRules)
{
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct Case
  {
    const char* what;
    ON_Mesh mesh;
    bool valid;
  };
  Case cases[] = {
      {"triangle", MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}}), true},
      {"quad", Square(), true},
      {"no faces", MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {}), false},
      {"two vertices", MakeMesh({{0, 0, 0}, {1, 0, 0}}, {{0, 1, 1}}), false},
      {"index out of range", MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 3}}), false},
      {"repeated index", MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 1, 2}}), false},
      // Version 4/5 rule: corners are compared by index, not by location.
      {"coincident corners", MakeMesh({{0, 0, 0}, {0, 0, 0}, {0, 1, 0}}, {{0, 1, 2}}), true},
      {"NaN vertex", MakeMesh({{0, 0, 0}, {1, 0, 0}, {nan, 1, 0}}, {{0, 1, 2}}), false},
      {"infinite unused vertex", MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {inf, 0, 0}}, {{0, 1, 2}}), false},
  };
  for (Case& c : cases)
    EXPECT_EQ(c.mesh.IsValid(), c.valid) << c.what;

  ON_Mesh normals = Square();
  normals.m_N.Append(ON_3fVector(0, 0, 1));
  EXPECT_FALSE(normals.IsValid()) << "normal count differs from vertex count";
  for (int i = 1; i < 4; i++)
    normals.m_N.Append(ON_3fVector(0, 0, 1));
  EXPECT_TRUE(normals.IsValid());
  normals.m_N[2] = ON_3fVector(0, 0, 2);
  EXPECT_FALSE(normals.IsValid()) << "normal not of unit length";
}

TEST(Mesh, FaceCountsAndSetters)
{
  ON_Mesh mesh = MakeMesh({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{0, 1, 2, 3}, {0, 1, 2}, {0, 0, 1}});
  EXPECT_EQ(mesh.QuadCount(), 1);
  EXPECT_EQ(mesh.TriangleCount(), 1);
  EXPECT_EQ(mesh.InvalidFaceCount(), 1);

  EXPECT_TRUE(mesh.SetVertex(4, ON_3dPoint(0.1, 0.2, 0.3)));
  EXPECT_FALSE(mesh.SetVertex(6, ON_3dPoint(0, 0, 0)));
  EXPECT_EQ(mesh.VertexCount(), 5);
  EXPECT_EQ(mesh.m_V[4], ON_3fPoint(0.1f, 0.2f, 0.3f)); // stored in single precision
  EXPECT_FALSE(mesh.SetTriangle(3, 0, 0, 4));           // stored although invalid
  EXPECT_EQ(mesh.FaceCount(), 4);
  EXPECT_FALSE(mesh.SetQuad(9, 0, 1, 2, 3));
  EXPECT_EQ(mesh.FaceCount(), 4);
}

TEST(Mesh, CompactRepairsFacesAndRemovesUnusedVertices)
{
  // Vertex 5 repeats the location of 1; vertex 6 is unused.
  ON_Mesh mesh = MakeMesh({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {2, 2, 2}, {1, 0, 0}, {5, 5, 5}},
                          {
                              {0, 1, 2},     // kept
                              {0, 1, 5},     // two corners at one location: removed
                              {2, 3, 0, 0},  // kept
                              {1, 2, 3, 1},  // quad closing on its first corner: triangle 2 3 1
                              {0, 3, 4, 4},  // kept
                              {0, 1, 2, 99}, // quad with a corner out of range: triangle 0 1 2
                              {0, 1, 1, 5},  // nothing left: removed
                          });
  mesh.m_C.SetCount(0);
  for (int i = 0; i < 7; i++)
    mesh.m_C.Append(ON_Color(i, 0, 0));
  EXPECT_TRUE(mesh.Compact());
  ASSERT_EQ(mesh.FaceCount(), 5);
  EXPECT_EQ(Corners(mesh.m_F[0]), (std::vector<int>{0, 1, 2, 2}));
  EXPECT_EQ(Corners(mesh.m_F[1]), (std::vector<int>{2, 3, 0, 0}));
  EXPECT_EQ(Corners(mesh.m_F[2]), (std::vector<int>{2, 3, 1, 1}));
  EXPECT_EQ(Corners(mesh.m_F[3]), (std::vector<int>{0, 3, 4, 4}));
  EXPECT_EQ(Corners(mesh.m_F[4]), (std::vector<int>{0, 1, 2, 2}));
  ASSERT_EQ(mesh.VertexCount(), 5);
  EXPECT_EQ(mesh.m_V[4], ON_3fPoint(2, 2, 2));
  ASSERT_EQ(mesh.m_C.Count(), 5);
  EXPECT_EQ(mesh.m_C[4], ON_Color(4, 0, 0));
  EXPECT_TRUE(mesh.IsValid());
}

TEST(Mesh, CompactRenumbersVerticesInOrderAndDropsMismatchedAttributes)
{
  ON_Mesh mesh = MakeMesh({{9, 9, 9}, {0, 0, 0}, {8, 8, 8}, {1, 0, 0}, {0, 1, 0}}, {{4, 3, 1}});
  mesh.m_N.Append(ON_3fVector(0, 0, 1)); // one normal for five vertices
  mesh.Compact();
  EXPECT_EQ(Corners(mesh.m_F[0]), (std::vector<int>{2, 1, 0, 0}));
  EXPECT_EQ(mesh.m_V[0], ON_3fPoint(0, 0, 0));
  EXPECT_EQ(mesh.m_V[2], ON_3fPoint(0, 1, 0));
  EXPECT_EQ(mesh.m_N.Count(), 0);

  ON_Mesh degenerate = MakeMesh({{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {{0, 1, 2}});
  degenerate.Compact();
  EXPECT_EQ(degenerate.VertexCount(), 0);
  EXPECT_EQ(degenerate.FaceCount(), 0);
}

TEST(Mesh, AppendOffsetsFacesAndKeepsCommonAttributes)
{
  ON_Mesh target = MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}});
  ON_Mesh other = Square();
  target.m_C.Append(3, std::vector<ON_Color>(3, ON_Color(1, 2, 3)).data());
  other.m_C.Append(4, std::vector<ON_Color>(4, ON_Color(4, 5, 6)).data());
  target.Append(other);
  ASSERT_EQ(target.FaceCount(), 2);
  EXPECT_EQ(Corners(target.m_F[1]), (std::vector<int>{3, 4, 5, 6}));
  EXPECT_EQ(target.VertexCount(), 7);
  ASSERT_EQ(target.m_C.Count(), 7);
  EXPECT_EQ(target.m_C[6], ON_Color(4, 5, 6));

  target.Append(Square()); // no colours: nobody keeps them
  EXPECT_EQ(target.m_C.Count(), 0);
  EXPECT_EQ(target.FaceCount(), 3);

  target.Append(target);
  EXPECT_EQ(target.FaceCount(), 6);
  EXPECT_EQ(Corners(target.m_F[5]), (std::vector<int>{18, 19, 20, 21}));
  EXPECT_TRUE(target.IsValid());
}

TEST(Mesh, AppendToAMeshWithoutVerticesDropsItsFaces)
{
  ON_Mesh target;
  target.m_F.Append(ON_MeshFace{{0, 1, 2, 2}});
  target.Append(ON_Mesh()); // nothing to add: unchanged
  EXPECT_EQ(target.FaceCount(), 1);
  target.Append(Square());
  EXPECT_EQ(target.FaceCount(), 1);
  EXPECT_EQ(Corners(target.m_F[0]), (std::vector<int>{0, 1, 2, 3}));
}

TEST(Mesh, QuadsSplitOnTheShorterDiagonal)
{
  // Quad 0 has the shorter diagonal b-d, quad 1 is a square (tie: a-c).
  ON_Mesh mesh = MakeMesh({{0, 0, 0}, {3, 0, 0}, {4, 1, 0}, {0, 1, 0}, {1, 0, 0}, {1, 1, 0}},
                          {{0, 1, 2, 3}, {0, 4, 5, 3}, {1, 2, 3}});
  EXPECT_TRUE(mesh.ConvertQuadsToTriangles());
  ASSERT_EQ(mesh.FaceCount(), 5);
  EXPECT_EQ(Corners(mesh.m_F[0]), (std::vector<int>{0, 1, 3, 3}));
  EXPECT_EQ(Corners(mesh.m_F[1]), (std::vector<int>{0, 4, 5, 5}));
  EXPECT_EQ(Corners(mesh.m_F[2]), (std::vector<int>{1, 2, 3, 3}));
  EXPECT_EQ(Corners(mesh.m_F[3]), (std::vector<int>{1, 2, 3, 3}));
  EXPECT_EQ(Corners(mesh.m_F[4]), (std::vector<int>{0, 5, 3, 3}));

  ON_Mesh with_invalid = MakeMesh({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{0, 1, 2, 3}, {0, 0, 1, 2}});
  EXPECT_FALSE(with_invalid.ConvertQuadsToTriangles());
  EXPECT_EQ(with_invalid.FaceCount(), 3);
}

TEST(Mesh, QuadWithACollapsedSideBecomesOneTriangle)
{
  ON_Mesh mesh = MakeMesh({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 1, 0}}, {{0, 1, 2, 3}});
  mesh.ConvertQuadsToTriangles();
  ASSERT_EQ(mesh.FaceCount(), 1);
  EXPECT_EQ(Corners(mesh.m_F[0]), (std::vector<int>{3, 0, 1, 1}));
}

TEST(Mesh, FlipReversesFacesAndNormals)
{
  ON_Mesh mesh = MakeMesh({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{0, 1, 2, 3}, {0, 1, 2}});
  for (int i = 0; i < 4; i++)
    mesh.m_N.Append(ON_3fVector(0, 0, 1));
  mesh.m_FN.Append(ON_3fVector(0, 0, 1));
  mesh.m_FN.Append(ON_3fVector(0, 0, 1));
  mesh.Flip();
  EXPECT_EQ(Corners(mesh.m_F[0]), (std::vector<int>{0, 3, 2, 1}));
  EXPECT_EQ(Corners(mesh.m_F[1]), (std::vector<int>{0, 2, 1, 1}));
  EXPECT_EQ(mesh.m_N[3], ON_3fVector(0, 0, -1));
  EXPECT_EQ(mesh.m_FN[1], ON_3fVector(0, 0, -1));
}

TEST(Mesh, BoundingBoxCoversEveryVertex)
{
  ON_Mesh mesh = MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {-5, 2, 7}}, {{0, 1, 2}});
  const ON_BoundingBox box = mesh.BoundingBox();
  EXPECT_EQ(box.m_min, ON_3dPoint(-5, 0, 0));
  EXPECT_EQ(box.m_max, ON_3dPoint(1, 2, 7));
  mesh.m_F.Empty();
  EXPECT_FALSE(mesh.BoundingBox().IsValid());
}

TEST(Mesh, CopiesAndMovesCarryEveryArray)
{
  ON_Mesh mesh = Square();
  mesh.m_C.Append(4, std::vector<ON_Color>(4, ON_Color(7, 8, 9)).data());
  const ON_Mesh copy = mesh;
  ON_Mesh moved = std::move(mesh);
  for (const ON_Mesh* m : {&copy, static_cast<const ON_Mesh*>(&moved)})
  {
    EXPECT_EQ(m->VertexCount(), 4);
    EXPECT_EQ(m->FaceCount(), 1);
    EXPECT_TRUE(m->HasVertexColors());
    EXPECT_TRUE(m->Topology().IsValid());
  }
  EXPECT_EQ(mesh.VertexCount(), 0);
  const std::unique_ptr<ON_Mesh> duplicate(copy.Duplicate());
  EXPECT_EQ(duplicate->VertexCount(), 4);
}

} // namespace
