#include "QORBrep.h"

#include "QORCurveFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace qor_curve_fixtures;

namespace
{
const ON_3dPoint kCorners[8] = {{0, 0, 0}, {2, 0, 0}, {2, 3, 0}, {0, 3, 0}, {0, 0, 1}, {2, 0, 1}, {2, 3, 1}, {0, 3, 1}};

// One planar face on the rectangle (0,0)-(4,0)-(4,2)-(0,2), built through the brep's own calls.
ON_Brep PlanarFace()
{
  ON_Brep brep;
  const ON_3dPoint corner[4] = {{0, 0, 0}, {4, 0, 0}, {4, 2, 0}, {0, 2, 0}};
  ON_NurbsSurface* surface = new ON_NurbsSurface(3, false, 2, 2, 2, 2);
  surface->SetCV(0, 0, corner[0]);
  surface->SetCV(1, 0, corner[1]);
  surface->SetCV(1, 1, corner[2]);
  surface->SetCV(0, 1, corner[3]);
  surface->MakeClampedUniformKnotVector(0);
  surface->MakeClampedUniformKnotVector(1);
  for (int i = 0; i < 4; i++)
    brep.NewVertex(corner[i], 0.0);
  for (int i = 0; i < 4; i++)
    brep.NewEdge(brep.m_V[i], brep.m_V[(i + 1) % 4],
                 brep.AddEdgeCurve(new ON_LineCurve(corner[i], corner[(i + 1) % 4])), nullptr, 0.0);
  ON_BrepFace& face = brep.NewFace(brep.AddSurface(surface));
  const int li = brep.NewLoop(ON_BrepLoop::outer, face).m_loop_index;
  const double uv[5][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}};
  for (int i = 0; i < 4; i++)
  {
    ON_LineCurve* c2 = new ON_LineCurve(ON_3dPoint(uv[i][0], uv[i][1], 0), ON_3dPoint(uv[i + 1][0], uv[i + 1][1], 0));
    c2->m_dim = 2;
    brep.NewTrim(brep.m_E[i], false, brep.m_L[li], brep.AddTrimCurve(c2));
  }
  return brep;
}

ON_Brep Box()
{
  ON_Brep brep;
  ON_BrepBox(kCorners, &brep);
  return brep;
}
} // namespace

TEST(QORBrep, EdgeCurvesOfABoxAndOfOneFace)
{
  const ON_Brep box = Box();
  const ON_Brep face = PlanarFace();
  ASSERT_TRUE(box.IsValid());
  ASSERT_TRUE(face.IsValid());
  struct Case
  {
    const char* name;
    const ON_Brep* brep;
    int perTrim, unique;
  };
  for (const Case& c : {Case{"box", &box, 24, 12}, Case{"planar face", &face, 4, 4}})
  {
    ON_ClassArray<ON_NurbsCurve> curves;
    curves.AppendNew();
    ASSERT_EQ(QORBrep::GetEdgeCurves(*c.brep, curves), 1) << c.name;
    ASSERT_EQ(curves.Count(), c.perTrim) << c.name;
    // In face, loop, trim order, each the edge's own line, every edge once per trim.
    std::map<int, int> uses;
    int k = 0;
    for (int fi = 0; fi < c.brep->m_F.Count(); fi++)
      for (int lti = 0; lti < c.brep->m_F[fi].Loop(0)->TrimCount(); lti++, k++)
      {
        const ON_BrepEdge& edge = *c.brep->m_F[fi].Loop(0)->Trim(lti)->Edge();
        uses[edge.m_edge_index]++;
        EXPECT_TRUE(curves[k].IsLinear()) << c.name << k;
        EXPECT_EQ(curves[k].PointAtStart(), edge.PointAtStart()) << c.name << k;
        EXPECT_EQ(curves[k].PointAtEnd(), edge.PointAtEnd()) << c.name << k;
      }
    for (const auto& use : uses)
      EXPECT_EQ(use.second, c.perTrim / c.unique) << c.name << use.first;
    ASSERT_EQ(QORBrep::GetUniqueEdgeCurves(*c.brep, curves), 1) << c.name;
    ASSERT_EQ(curves.Count(), c.unique) << c.name;
    for (int i = 0; i < c.unique; i++)
      EXPECT_EQ(curves[i].PointAtEnd(), c.brep->m_C3[i]->PointAtEnd()) << c.name << i;
  }
}

TEST(QORBrep, EdgeCurvesStopAtTheFirstBadReference)
{
  struct Case
  {
    const char* name;
    std::function<void(ON_Brep&)> spoil;
    const char* error;
    int kept; // curves of the faces before the bad one
  };
  const std::vector<Case> cases = {
      {"surface index", [](ON_Brep& b) { b.m_F[2].m_si = 6; }, "Invalid surface index", 8},
      {"negative surface index", [](ON_Brep& b) { b.m_F[0].m_si = -1; }, "Invalid surface index", 0},
      {"missing surface",
       [](ON_Brep& b)
       {
         delete b.m_S[1];
         b.m_S[1] = nullptr;
       },
       "Unable to retrieve underlying surface", 4},
      {"2d curve index", [](ON_Brep& b) { b.m_T[b.m_L[3].m_ti[2]].m_c2i = 24; }, "Invalid 2d curve index", 14},
      {"missing 2d curve",
       [](ON_Brep& b)
       {
         const int c2i = b.m_T[b.m_L[5].m_ti[0]].m_c2i;
         delete b.m_C2[c2i];
         b.m_C2[c2i] = nullptr;
       },
       "Unable to retrieve 2d curve", 20},
      {"loop index", [](ON_Brep& b) { b.m_F[1].m_li[0] = 40; }, "Invalid loop index", 4},
      {"trim index", [](ON_Brep& b) { b.m_L[1].m_ti[3] = -2; }, "Invalid trim index", 7},
      {"edge index", [](ON_Brep& b) { b.m_T[b.m_L[4].m_ti[1]].m_ei = 12; }, "Invalid edge index", 17},
  };
  for (const Case& c : cases)
  {
    ON_Brep brep = Box();
    c.spoil(brep);
    ON_ClassArray<ON_NurbsCurve> curves;
    EXPECT_EQ(QORBrep::GetEdgeCurves(brep, curves), 0) << c.name;
    EXPECT_EQ(Text(QORBrep::GetError()), c.error) << c.name;
    EXPECT_EQ(curves.Count(), c.kept) << c.name;
  }
  // A singular trim (no edge) adds no curve.
  ON_Brep brep = PlanarFace();
  brep.m_T[1].m_ei = -1;
  ON_ClassArray<ON_NurbsCurve> curves;
  ASSERT_EQ(QORBrep::GetEdgeCurves(brep, curves), 1);
  EXPECT_EQ(curves.Count(), 3);
}

// Breps of real files: one edge curve per trim along an edge, running between the edge's vertices;
// one unique curve per 3-D curve.
TEST(QORBrep, EdgeCurvesOfSampleBreps)
{
  int breps_seen = 0;
  for (const char* name :
       {"V3/v3_my_brep.3dm", "V3/v3_Camera.3dm", "V2/v2_my_trimmed_surface.3dm", "V3/v3_Patch.3dm", "V2/v2_Camera.3dm"})
  {
    const std::string file = std::string(NUBILO_SHARED_DATA "/3dm/") + name;
    ONX_Model model;
    if (!model.Read(file.c_str()))
      continue;
    for (int i = 0; i < model.m_object_table.Count(); i++)
    {
      const ON_Brep* brep = ON_Brep::Cast(model.m_object_table[i].m_object);
      if (!brep)
        continue;
      breps_seen++;
      const std::string where = file + " object " + std::to_string(i);
      std::vector<int> edges; // the edge of each trim along one, in face, loop and trim order
      for (int fi = 0; fi < brep->m_F.Count(); fi++)
        for (int fli = 0; fli < brep->m_F[fi].m_li.Count(); fli++)
        {
          const ON_BrepLoop& loop = brep->m_L[brep->m_F[fi].m_li[fli]];
          for (int lti = 0; lti < loop.m_ti.Count(); lti++)
            if (brep->m_T[loop.m_ti[lti]].m_ei >= 0)
              edges.push_back(brep->m_T[loop.m_ti[lti]].m_ei);
        }
      ON_ClassArray<ON_NurbsCurve> curves;
      ASSERT_EQ(QORBrep::GetEdgeCurves(*brep, curves), 1) << where;
      ASSERT_EQ(curves.Count(), static_cast<int>(edges.size())) << where;
      for (int k = 0; k < curves.Count(); k++)
      {
        const ON_BrepEdge& edge = brep->m_E[edges[static_cast<size_t>(k)]];
        const ON_BrepVertex& start = brep->m_V[edge.m_vi[0]];
        const ON_BrepVertex& end = brep->m_V[edge.m_vi[1]];
        const double tolerance = std::max({edge.m_tolerance, start.m_tolerance, end.m_tolerance, 1e-6});
        EXPECT_LE(curves[k].PointAtStart().DistanceTo(start.point), tolerance) << where << " curve " << k;
        EXPECT_LE(curves[k].PointAtEnd().DistanceTo(end.point), tolerance) << where << " curve " << k;
      }
      ASSERT_EQ(QORBrep::GetUniqueEdgeCurves(*brep, curves), 1) << where;
      EXPECT_EQ(curves.Count(), brep->m_C3.Count()) << where;
    }
  }
  if (breps_seen == 0)
    GTEST_SKIP() << "the 3dm sample files are not in the shared data";
}
