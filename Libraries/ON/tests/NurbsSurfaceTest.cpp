#include "opennurbs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace
{

// Degree-2 clamped uniform surface on a cols x rows net; net(i, j) gives control vertex (i, j).
template <class Net>
ON_NurbsSurface MakeSurface(int cols, int rows, Net net, bool rational = true)
{
  ON_NurbsSurface surface(3, rational, 3, 3, cols, rows);
  for (int i = 0; i < cols; i++)
    for (int j = 0; j < rows; j++)
      surface.SetCV(i, j, net(i, j));
  surface.MakeClampedUniformKnotVector(0, 1.0);
  surface.MakeClampedUniformKnotVector(1, 1.0);
  return surface;
}

ON_NurbsSurface RoughSurface(int cols, int rows, unsigned seed, double roughness)
{
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> height(-roughness, roughness);
  return MakeSurface(cols, rows, [&](int i, int j) { return ON_3dPoint(i * 2.0, j * 1.5, height(random)); });
}

} // namespace

TEST(ON_NurbsSurface, CreateRefusesTooFewControlVertices)
{
  ON_NurbsSurface surface;
  EXPECT_FALSE(surface.Create(3, true, 3, 3, 2, 5));
  EXPECT_FALSE(surface.Create(0, true, 3, 3, 3, 3));
  EXPECT_FALSE(surface.IsValid());
  ASSERT_TRUE(surface.Create(3, true, 3, 3, 4, 5));
  EXPECT_EQ(surface.m_cv_stride[1], 4);
  EXPECT_EQ(surface.m_cv_stride[0], 4 * 5);
  EXPECT_EQ(surface.KnotCount(0), 5);
}

TEST(ON_NurbsSurface, FlatThreeByThreeHasUnitKnots)
{
  const ON_NurbsSurface surface = MakeSurface(3, 3, [](int i, int j) { return ON_3dPoint(i, j, 0.0); });
  ASSERT_TRUE(surface.IsValid());
  for (int dir = 0; dir < 2; dir++)
  {
    EXPECT_EQ(surface.KnotCount(dir), 4);
    EXPECT_EQ(surface.Knot(dir, 0), 0.0);
    EXPECT_EQ(surface.Knot(dir, 1), 0.0);
    EXPECT_EQ(surface.Knot(dir, 2), 1.0);
    EXPECT_EQ(surface.Knot(dir, 3), 1.0);
  }
  const ON_3dVector normal = surface.NormalAt(0.25, 0.75);
  EXPECT_NEAR(normal.z, 1.0, 1e-15);
}

TEST(ON_NurbsSurface, GrevilleNetReproducesTheLinearMap)
{
  ON_NurbsSurface probe(3, false, 3, 3, 6, 5);
  probe.MakeClampedUniformKnotVector(0);
  probe.MakeClampedUniformKnotVector(1);
  const ON_NurbsSurface surface = MakeSurface(6, 5,
                                              [&](int i, int j)
                                              {
                                                const double s = probe.GrevilleAbcissa(0, i),
                                                             t = probe.GrevilleAbcissa(1, j);
                                                return ON_3dPoint(s, t, 2.0 * s - t + 659501.0);
                                              });
  for (double s : {0.0, 0.4, 1.0, 2.5, 4.0})
    for (double t : {0.0, 1.2, 3.0})
    {
      ON_3dPoint p;
      ON_3dVector ds, dt, dss, dst, dtt;
      ASSERT_TRUE(surface.Ev2Der(s, t, p, ds, dt, dss, dst, dtt));
      EXPECT_NEAR(p.x, s, 1e-12);
      EXPECT_NEAR(p.y, t, 1e-12);
      EXPECT_NEAR(p.z, 2.0 * s - t + 659501.0, 1e-9);
      EXPECT_NEAR(ds.x, 1.0, 1e-12);
      EXPECT_NEAR(dt.z, -1.0, 1e-9);
      EXPECT_NEAR(dss.Length() + dst.Length() + dtt.Length(), 0.0, 1e-8);
    }
}

TEST(ON_NurbsSurface, RationalDerivativesMatchFiniteDifferences)
{
  ON_NurbsSurface surface = RoughSurface(5, 4, 3, 2.0);
  surface.SetCV(2, 1, ON_4dPoint(8.0, 3.0, 2.0, 2.0)); // weight 2
  const double h = 1e-6;
  for (double s : {0.3, 1.5, 2.9})
    for (double t : {0.1, 1.7})
    {
      ON_3dPoint p, ps, pt;
      ON_3dVector ds, dt, dss, dst, dtt;
      ASSERT_TRUE(surface.Ev2Der(s, t, p, ds, dt, dss, dst, dtt));
      ON_3dVector ds_s, dt_s, ds_t, dt_t;
      surface.Ev1Der(s + h, t, ps, ds_s, dt_s);
      surface.Ev1Der(s, t + h, pt, ds_t, dt_t);
      for (int k = 0; k < 3; k++)
      {
        EXPECT_NEAR((ps[k] - p[k]) / h, ds[k], 1e-4);
        EXPECT_NEAR((pt[k] - p[k]) / h, dt[k], 1e-4);
        EXPECT_NEAR((ds_s[k] - ds[k]) / h, dss[k], 1e-3);
        EXPECT_NEAR((dt_s[k] - dt[k]) / h, dst[k], 1e-3);
        EXPECT_NEAR((dt_t[k] - dt[k]) / h, dtt[k], 1e-3);
      }
    }
}

TEST(ON_NurbsSurface, InvalidKnotsOrMissingVerticesAreRejected)
{
  ON_NurbsSurface surface = RoughSurface(4, 4, 1, 1.0);
  ASSERT_TRUE(surface.IsValid());
  ON_NurbsSurface reversed = surface;
  reversed.SetKnot(0, 2, 5.0);
  EXPECT_FALSE(reversed.IsValid());
  EXPECT_TRUE(surface.IsValid()); // the copy is deep
  ON_NurbsSurface empty;
  EXPECT_FALSE(empty.IsValid());
  EXPECT_EQ(empty.PointAt(0.0, 0.0).x, 0.0);
}

TEST(ON_NurbsSurface, ClosestPointMatchesBruteForce)
{
  const ON_NurbsSurface surface = RoughSurface(9, 7, 11, 3.0);
  const ON_Interval sd = surface.Domain(0), td = surface.Domain(1);
  std::mt19937 random(5);
  std::uniform_real_distribution<double> x(-2.0, 18.0), y(-2.0, 11.0), z(-6.0, 6.0);
  for (int n = 0; n < 40; n++)
  {
    const ON_3dPoint P(x(random), y(random), z(random));
    double s, t;
    ASSERT_TRUE(surface.GetClosestPoint(P, &s, &t));
    const double found = surface.PointAt(s, t).DistanceTo(P);
    double brute = 1e300;
    for (int a = 0; a <= 300; a++)
      for (int b = 0; b <= 250; b++)
        brute = std::min(brute, surface.PointAt(sd.ParameterAt(a / 300.0), td.ParameterAt(b / 250.0)).DistanceTo(P));
    EXPECT_LE(found, brute + 1e-9);
  }
  double s, t;
  EXPECT_FALSE(surface.GetClosestPoint(ON_3dPoint(100.0, 100.0, 100.0), &s, &t, 1.0));
}
