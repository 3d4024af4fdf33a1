#include "opennurbs.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
const ON_3dPoint kCorners[8] = {{0, 0, 0}, {2, 0, 0}, {2, 3, 0}, {0, 3, 0}, {0, 0, 1}, {2, 0, 1}, {2, 3, 1}, {0, 3, 1}};

ON_Brep Box()
{
  ON_Brep brep;
  ON_BrepBox(kCorners, &brep);
  return brep;
}
} // namespace

TEST(ON_Brep, BoxHasTheTopologyOfABox)
{
  const ON_Brep brep = Box();
  ASSERT_TRUE(brep.IsValid());
  EXPECT_EQ(brep.m_F.Count(), 6);
  EXPECT_EQ(brep.m_E.Count(), 12);
  EXPECT_EQ(brep.m_V.Count(), 8);
  EXPECT_EQ(brep.m_T.Count(), 24);
  EXPECT_EQ(brep.m_L.Count(), 6);
  EXPECT_EQ(brep.m_C2.Count(), 24);
  EXPECT_EQ(brep.m_C3.Count(), 12);
  EXPECT_EQ(brep.m_S.Count(), 6);
  for (int vi = 0; vi < 8; vi++)
  {
    EXPECT_EQ(brep.m_V[vi].EdgeCount(), 3) << vi;
    EXPECT_EQ(brep.m_V[vi].Point(), kCorners[vi]);
  }
  const ON_3dPoint middle(1, 1.5, 0.5);
  for (int ei = 0; ei < 12; ei++)
  {
    const ON_BrepEdge& edge = brep.m_E[ei];
    ASSERT_EQ(edge.TrimCount(), 2) << ei;
    // The two trims run along the edge in opposite directions, as faces of a closed solid do.
    EXPECT_NE(edge.Trim(0)->m_bRev3d, edge.Trim(1)->m_bRev3d) << ei;
    EXPECT_NE(edge.Trim(0)->FaceIndexOf(), edge.Trim(1)->FaceIndexOf()) << ei;
    EXPECT_EQ(edge.EdgeCurveOf(), brep.m_C3[edge.m_c3i]);
    EXPECT_EQ(edge.PointAtStart(), edge.Vertex(0)->Point());
    EXPECT_EQ(edge.PointAtEnd(), edge.Vertex(1)->Point());
  }
  for (int fi = 0; fi < 6; fi++)
  {
    const ON_BrepFace& face = brep.m_F[fi];
    ASSERT_EQ(face.LoopCount(), 1);
    ASSERT_EQ(face.OuterLoop(), face.Loop(0));
    // Surface normals point out of the box.
    const ON_3dPoint centre = face.PointAt(0.5, 0.5);
    EXPECT_GT(ON_DotProduct(face.NormalAt(0.5, 0.5), centre - middle), 0.0) << fi;
    // Each trim, carried through the surface, runs along its edge.
    const ON_BrepLoop& loop = *face.Loop(0);
    ASSERT_EQ(loop.TrimCount(), 4);
    for (int lti = 0; lti < 4; lti++)
    {
      const ON_BrepTrim& trim = *loop.Trim(lti);
      EXPECT_EQ(trim.m_type, ON_BrepTrim::mated);
      EXPECT_EQ(trim.SurfaceOf(), face.SurfaceOf());
      const ON_BrepEdge& edge = *trim.Edge();
      for (double x : {0.0, 0.25, 1.0})
      {
        const ON_3dPoint uv = trim.PointAt(trim.Domain().ParameterAt(x));
        const ON_3dPoint on_face = face.PointAt(uv.x, uv.y);
        const ON_3dPoint on_edge = edge.PointAt(edge.Domain().ParameterAt(trim.m_bRev3d ? 1.0 - x : x));
        EXPECT_LE(on_face.DistanceTo(on_edge), 1e-15) << fi << lti << x;
      }
    }
  }
  ON_BoundingBox box;
  ASSERT_TRUE(brep.GetBoundingBox(box));
  EXPECT_EQ(box.m_min, kCorners[0]);
  EXPECT_EQ(box.m_max, kCorners[6]);
}

TEST(ON_Brep, CopiesOwnTheirGeometry)
{
  std::unique_ptr<ON_Brep> original(ON_BrepBox(kCorners));
  ASSERT_TRUE(original);
  ON_Brep copy(*original);
  ON_ClassArray<ON_Brep> list;
  list.Append(*original);
  list.Append(copy); // growing the list moves the first brep
  original.reset();
  for (const ON_Brep* brep : {&copy, &list[0], &list[1]})
  {
    ASSERT_TRUE(brep->IsValid());
    for (int ei = 0; ei < brep->m_E.Count(); ei++)
    {
      EXPECT_EQ(brep->m_E[ei].Brep(), brep);
      EXPECT_EQ(brep->m_E[ei].ProxyCurve(), brep->m_C3[brep->m_E[ei].m_c3i]);
    }
    EXPECT_EQ(brep->m_F[3].ProxySurface(), brep->m_S[brep->m_F[3].m_si]);
  }
  ON_Object* duplicate = copy.Duplicate();
  ASSERT_TRUE(ON_Brep::Cast(duplicate));
  EXPECT_TRUE(ON_Brep::Cast(duplicate)->IsValid());
  delete duplicate;
  EXPECT_EQ(ON_BrepBox(nullptr), nullptr);
}

TEST(ON_Brep, IsValidFindsBrokenReferences)
{
  struct Case
  {
    const char* name;
    std::function<void(ON_Brep&)> spoil;
  };
  const std::vector<Case> cases = {
      {"trim curve index out of range", [](ON_Brep& b) { b.m_T[5].m_c2i = 99; }},
      {"missing trim curve",
       [](ON_Brep& b)
       {
         delete b.m_C2[3];
         b.m_C2[3] = nullptr;
       }},
      {"face surface index out of range", [](ON_Brep& b) { b.m_F[2].m_si = -1; }},
      {"edge listing a foreign trim", [](ON_Brep& b) { b.m_E[0].m_ti[1] = 23; }},
      {"vertex away from its edge", [](ON_Brep& b) { b.m_V[6].point.z += 0.01; }},
      {"trim turned against its edge", [](ON_Brep& b) { b.m_T[7].m_bRev3d = !b.m_T[7].m_bRev3d; }},
      {"loop of another face", [](ON_Brep& b) { b.m_L[1].m_fi = 0; }},
      {"inner loop first", [](ON_Brep& b) { b.m_L[4].m_type = ON_BrepLoop::inner; }},
      {"loop out of order", [](ON_Brep& b) { std::swap(b.m_L[0].m_ti[0], b.m_L[0].m_ti[1]); }},
  };
  for (const Case& c : cases)
  {
    ON_Brep brep = Box();
    c.spoil(brep);
    ON_wString reason;
    ON_TextLog log(reason);
    EXPECT_FALSE(brep.IsValid(&log)) << c.name;
    EXPECT_FALSE(reason.IsEmpty()) << c.name;
  }
  EXPECT_FALSE(ON_Brep().IsValid());
}
