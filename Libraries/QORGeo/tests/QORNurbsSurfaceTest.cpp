#include "QORNurbsSurface.h"

#include "QORCurveFixtures.h"

#include <gtest/gtest.h>

using namespace qor_curve_fixtures;

TEST(QORNurbsSurface, QuadAndTriangle)
{
  const ON_3dPoint A(0, 0, 0), B(4, 0, 1), C(4, 3, 2), D(0, 3, 0);
  ON_NurbsSurface quad;
  ASSERT_EQ(QORNurbsSurface::CreateQuad(quad, A, B, C, D), 1);
  EXPECT_TRUE(quad.IsValid());
  EXPECT_FALSE(quad.IsRational());
  EXPECT_EQ(quad.PointAt(0, 0), A);
  EXPECT_EQ(quad.PointAt(1, 0), B);
  EXPECT_EQ(quad.PointAt(1, 1), C);
  EXPECT_EQ(quad.PointAt(0, 1), D);
  EXPECT_EQ(quad.Domain(0), ON_Interval(0, 1));
  ON_NurbsSurface triangle;
  ASSERT_EQ(QORNurbsSurface::CreateTriangle(triangle, A, B, C), 1);
  EXPECT_TRUE(triangle.IsValid());
  ON_3dPoint fourth;
  triangle.GetCV(0, 1, fourth);
  EXPECT_EQ(fourth, A);
}

TEST(QORNurbsSurface, IsoCurvesSpreadOverTheOtherDirection)
{
  ON_NurbsSurface surface;
  ASSERT_EQ(QORNurbsSurface::Create(surface, 4, 3,
                                    Points({{0, 0, 0},
                                            {1, 0, 1},
                                            {2, 0, 0},
                                            {3, 0, 2},
                                            {0, 1, 1},
                                            {1, 1, 3},
                                            {2, 1, 1},
                                            {3, 1, 0},
                                            {0, 2, 0},
                                            {1, 2, 1},
                                            {2, 2, 2},
                                            {3, 2, 1}}),
                                    3, 0, 3, 3),
            1);
  for (int dir = 0; dir < 2; dir++)
  {
    ON_ClassArray<ON_NurbsCurve> curves;
    curves.AppendNew();
    ASSERT_EQ(QORNurbsSurface::GetIsoCurves(surface, dir, 3, curves), 1);
    ASSERT_EQ(curves.Count(), 3);
    const ON_Interval across = surface.Domain(1 - dir), along = surface.Domain(dir);
    for (int k = 0; k < 3; k++)
    {
      const double c = across.ParameterAt(k / 2.0);
      for (double x : {0.0, 0.4, 1.0})
      {
        const double t = along.ParameterAt(x);
        const ON_3dPoint expected = dir == 0 ? surface.PointAt(t, c) : surface.PointAt(c, t);
        EXPECT_LE(curves[k].PointAt(t).DistanceTo(expected), 1e-12) << dir << k << x;
      }
    }
    ASSERT_EQ(QORNurbsSurface::GetIsoCurves(surface, dir, 1, curves), 1);
    ASSERT_EQ(curves.Count(), 1);
    EXPECT_EQ(curves[0].PointAtStart(), surface.PointAt(0, 0));
    EXPECT_LE(curves[0].PointAtEnd().DistanceTo(dir == 0 ? surface.PointAt(2, 0) : surface.PointAt(0, 1)), 1e-15);
  }
  ON_ClassArray<ON_NurbsCurve> kept;
  kept.AppendNew();
  EXPECT_EQ(QORNurbsSurface::GetIsoCurves(surface, 2, 3, kept), 0);
  EXPECT_EQ(QORNurbsSurface::GetIsoCurves(ON_NurbsSurface(), 0, 3, kept), 0);
  EXPECT_EQ(QORNurbsSurface::GetIsoCurves(surface, 0, 2000000000, kept), 0);
  EXPECT_EQ(Text(QORNurbsSurface::GetError()), "Too many iso-curves");
  EXPECT_EQ(kept.Count(), 1);
}

TEST(QORNurbsSurface, GetMeshSamplesAGridOfTurnedQuads)
{
  ON_NurbsSurface surface;
  ASSERT_EQ(QORNurbsSurface::CreateQuad(surface, ON_3dPoint(0, 0, 0), ON_3dPoint(3, 0, 0), ON_3dPoint(3, 2, 0),
                                        ON_3dPoint(0, 2, 0)),
            1);
  ON_Mesh mesh;
  ASSERT_EQ(QORNurbsSurface::GetMesh(surface, 3, 4, mesh), 1);
  ASSERT_EQ(mesh.VertexCount(), 12);
  ASSERT_EQ(mesh.FaceCount(), 6);
  EXPECT_EQ(mesh.QuadCount(), 6);
  // Vertex i * nv + j sits at step i in the first parameter, step j in the second.
  EXPECT_FLOAT_EQ(mesh.m_V[1 * 4 + 2].x, 1.5f);
  EXPECT_FLOAT_EQ(mesh.m_V[1 * 4 + 2].y, 4.0f / 3.0f);
  // Each quad is listed (k, k + 1, k + 1 + nv, k + nv), j before i, and then turned over: it runs
  // i before j and faces the way of the surface normal Du x Dv.
  EXPECT_EQ(mesh.m_F[0].vi[0], 0);
  EXPECT_EQ(mesh.m_F[0].vi[1], 4);
  EXPECT_EQ(mesh.m_F[0].vi[2], 5);
  EXPECT_EQ(mesh.m_F[0].vi[3], 1);
  for (int f = 0; f < mesh.FaceCount(); f++)
  {
    const ON_MeshFace& face = mesh.m_F[f];
    const ON_3dVector a = ON_3dPoint(mesh.m_V[face.vi[1]]) - ON_3dPoint(mesh.m_V[face.vi[0]]);
    const ON_3dVector b = ON_3dPoint(mesh.m_V[face.vi[2]]) - ON_3dPoint(mesh.m_V[face.vi[0]]);
    EXPECT_GT(ON_CrossProduct(a, b).z, 0.0) << f;
  }
  EXPECT_GT(surface.NormalAt(0.5, 0.5).z, 0.0);

  for (const auto& counts : {std::pair<int, int>{1, 4}, std::pair<int, int>{3, 0}})
  {
    ON_Mesh kept(mesh);
    EXPECT_EQ(QORNurbsSurface::GetMesh(surface, counts.first, counts.second, kept), 0);
    EXPECT_EQ(Text(QORNurbsSurface::GetError()), "Invalid mesh");
    EXPECT_EQ(kept.VertexCount(), 12);
  }
  ON_Mesh kept(mesh);
  EXPECT_EQ(QORNurbsSurface::GetMesh(surface, 100000, 100000, kept), 0);
  EXPECT_EQ(Text(QORNurbsSurface::GetError()), "Too many mesh vertices");
  EXPECT_EQ(kept.VertexCount(), 12);
}
