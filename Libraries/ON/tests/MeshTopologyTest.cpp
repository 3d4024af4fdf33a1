#include "MeshFixtures.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{

std::vector<int> List(const int* p, int n) { return std::vector<int>(p, p + n); }

// Square A(0,0) B(1,0) C(1,1) D(0,1) as triangles ABC and ACD, the second with its own copies
// of A and C. Dictionary order of the locations: A, D, B, C.
ON_Mesh SplitSquare()
{
  return MakeMesh({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{0, 1, 2}, {3, 4, 5}});
}

TEST(MeshTopology, CoincidentVerticesShareOneTopologicalVertex)
{
  const ON_Mesh mesh = SplitSquare();
  const ON_MeshTopology& top = mesh.Topology();
  ASSERT_TRUE(top.IsValid());
  ASSERT_EQ(top.TopVertexCount(), 4);
  EXPECT_EQ(List(top.m_topv_map.Array(), 6), (std::vector<int>{0, 2, 3, 0, 3, 1}));
  EXPECT_EQ(List(top.m_topv[0].m_vi, top.m_topv[0].m_v_count), (std::vector<int>{0, 3}));
  EXPECT_EQ(List(top.m_topv[3].m_vi, top.m_topv[3].m_v_count), (std::vector<int>{2, 4}));
  EXPECT_EQ(top.TopVertexPoint(1), ON_3dPoint(0, 1, 0));
}

TEST(MeshTopology, EdgesInVertexOrderWithTheirFaces)
{
  const ON_Mesh mesh = SplitSquare();
  const ON_MeshTopology& top = mesh.Topology();
  ASSERT_EQ(top.TopEdgeCount(), 5);
  const int ends[5][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 3}, {2, 3}};
  const std::vector<int> faces[5] = {{1}, {0}, {0, 1}, {1}, {0}};
  for (int ei = 0; ei < 5; ei++)
  {
    const ON_MeshTopologyEdge& e = top.m_tope[ei];
    EXPECT_EQ(e.m_topvi[0], ends[ei][0]) << ei;
    EXPECT_EQ(e.m_topvi[1], ends[ei][1]) << ei;
    EXPECT_EQ(List(e.m_topfi, e.m_topf_count), faces[ei]) << ei;
  }
  EXPECT_EQ(List(top.m_topv[0].m_topei, top.m_topv[0].m_tope_count), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(List(top.m_topv[3].m_topei, top.m_topv[3].m_tope_count), (std::vector<int>{2, 3, 4}));
  const ON_Line diagonal = top.TopEdgeLine(2);
  EXPECT_EQ(diagonal.from, ON_3dPoint(0, 0, 0));
  EXPECT_EQ(diagonal.to, ON_3dPoint(1, 1, 0));
  EXPECT_FALSE(top.TopEdgeLine(5).from.IsValid());
}

TEST(MeshTopology, FaceEdgesEndAtEachCornerWithDirection)
{
  const ON_Mesh mesh = SplitSquare();
  const ON_MeshTopology& top = mesh.Topology();
  // Face ABC: C->A is edge 2 run backwards, A->B edge 1, B->C edge 4.
  const ON_MeshTopologyFace& f0 = top.m_topf[0];
  EXPECT_EQ(List(f0.m_topei, 4), (std::vector<int>{2, 1, 4, 4}));
  EXPECT_EQ((std::vector<int>{f0.m_reve[0], f0.m_reve[1], f0.m_reve[2], f0.m_reve[3]}), (std::vector<int>{1, 0, 0, 0}));
  EXPECT_TRUE(f0.IsTriangle());
  // Face ACD: D->A edge 0 backwards, A->C edge 2, C->D edge 3 backwards.
  const ON_MeshTopologyFace& f1 = top.m_topf[1];
  EXPECT_EQ(List(f1.m_topei, 3), (std::vector<int>{0, 2, 3}));
  EXPECT_EQ((std::vector<int>{f1.m_reve[0], f1.m_reve[1], f1.m_reve[2]}), (std::vector<int>{1, 0, 1}));
}

TEST(MeshTopology, QuadHasFourEdges)
{
  const ON_Mesh mesh = MakeMesh({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{0, 1, 2, 3}});
  const ON_MeshTopology& top = mesh.Topology();
  ASSERT_TRUE(top.IsValid());
  EXPECT_EQ(top.TopEdgeCount(), 4);
  const ON_MeshTopologyFace& f = top.m_topf[0];
  EXPECT_TRUE(f.IsQuad());
  EXPECT_TRUE(f.IsValid());
  // Locations in order: (0,0)=0 (0,1)=1 (1,0)=2 (1,1)=3; D->A is edge (0,1), reversed.
  EXPECT_EQ(f.m_topei[0], 0);
  EXPECT_EQ(f.m_reve[0], 1);
}

TEST(MeshTopology, EdgeSharedByThreeFacesIsNonManifoldButValid)
{
  const ON_Mesh mesh =
      MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}}, {{0, 1, 2}, {1, 0, 3}, {0, 1, 4}});
  const ON_MeshTopology& top = mesh.Topology();
  ASSERT_TRUE(top.IsValid());
  int shared = 0;
  for (int ei = 0; ei < top.TopEdgeCount(); ei++)
  {
    if (top.m_tope[ei].m_topf_count == 3)
    {
      shared++;
      EXPECT_EQ(List(top.m_tope[ei].m_topfi, 3), (std::vector<int>{0, 1, 2}));
    }
    else
    {
      EXPECT_EQ(top.m_tope[ei].m_topf_count, 1);
    }
  }
  EXPECT_EQ(shared, 1);
  EXPECT_EQ(top.TopEdgeCount(), 7);
}

TEST(MeshTopology, DegenerateFacesAreZeroed)
{
  // Face 1 has two corners at one location, face 2 a corner out of range.
  const ON_Mesh mesh = MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 0, 0}}, {{0, 1, 2}, {0, 1, 3}, {0, 1, 9}});
  const ON_MeshTopology& top = mesh.Topology();
  ASSERT_TRUE(top.IsValid());
  EXPECT_TRUE(top.m_topf[0].IsValid());
  for (int fi = 1; fi < 3; fi++)
  {
    EXPECT_FALSE(top.m_topf[fi].IsValid());
    EXPECT_EQ(List(top.m_topf[fi].m_topei, 4), (std::vector<int>{0, 0, 0, 0}));
  }
  // The degenerate face still lists the edge between its two distinct locations, once per side.
  EXPECT_EQ(List(top.m_tope[1].m_topfi, top.m_tope[1].m_topf_count), (std::vector<int>{0, 1, 1}));
}

TEST(MeshTopology, InvalidWhenNothingCanBeBuilt)
{
  const ON_Mesh empty;
  EXPECT_FALSE(empty.Topology().IsValid());
  // A single face whose corners share one location: no edges at all.
  const ON_Mesh point = MakeMesh({{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}, {{0, 1, 2}});
  EXPECT_FALSE(point.Topology().IsValid());
  // Two coincident corners leave one edge, fewer than a face needs.
  const ON_Mesh sliver = MakeMesh({{0, 0, 0}, {0, 0, 0}, {1, 0, 0}}, {{0, 1, 2}});
  EXPECT_FALSE(sliver.Topology().IsValid());
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const ON_Mesh not_a_number = MakeMesh({{0, 0, 0}, {1, 0, 0}, {nan, 1, 0}}, {{0, 1, 2}});
  EXPECT_FALSE(not_a_number.Topology().IsValid());
}

TEST(MeshTopology, SignedZerosShareAVertex)
{
  const ON_Mesh mesh = MakeMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {-0.0f, 0, 0}}, {{0, 1, 2}, {3, 2, 1}});
  EXPECT_EQ(mesh.Topology().TopVertexCount(), 3);
}

TEST(MeshTopology, RebuiltAfterTheMeshChanges)
{
  ON_Mesh mesh = SplitSquare();
  EXPECT_EQ(mesh.Topology().TopVertexCount(), 4);
  mesh.SetVertex(3, ON_3dPoint(5, 5, 0)); // A' leaves A
  EXPECT_EQ(mesh.Topology().TopVertexCount(), 5);
  EXPECT_TRUE(mesh.Topology().m_topf[1].IsValid());
  mesh.SetVertex(4, ON_3dPoint(0, 1, 0)); // C' moves onto D
  EXPECT_EQ(mesh.Topology().TopVertexCount(), 5);
  EXPECT_FALSE(mesh.Topology().m_topf[1].IsValid());

  const ON_Mesh copy(mesh);
  EXPECT_EQ(copy.Topology().m_mesh, &copy);
  EXPECT_TRUE(copy.Topology().IsValid());
}

} // namespace
