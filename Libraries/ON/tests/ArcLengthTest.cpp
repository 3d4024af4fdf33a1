// Arc length and normalised arc-length parameters.

#include "opennurbs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
ON_NurbsCurve CircleForm(const ON_3dPoint& centre, double radius, double angle)
{
  ON_Plane plane;
  plane.origin = centre;
  plane.UpdateEquation();
  ON_NurbsCurve nurbs;
  ON_ArcCurve(ON_Arc(ON_Circle(plane, radius), angle)).GetNurbForm(nurbs);
  return nurbs;
}

// A cubic with uneven knots and speed: its parameter is far from arc length.
ON_NurbsCurve Wiggle()
{
  const ON_3dPoint cv[7] = {{0, 0, 0}, {0.2, 3, 0}, {4, 3, 1}, {4.5, -2, 0}, {9, 0, 2}, {10, 6, 0}, {10.5, 6.2, 0}};
  const double knots[9] = {0, 0, 0, 0.1, 0.3, 2.0, 4.0, 4.0, 4.0};
  ON_NurbsCurve curve(3, false, 4, 7);
  for (int i = 0; i < 7; i++)
    curve.SetCV(i, cv[i]);
  for (int i = 0; i < 9; i++)
    curve.SetKnot(i, knots[i]);
  return curve;
}

// Reference length: the chord sum of a dense polyline, extrapolated (Richardson, error ~ h^2).
double ChordLength(const ON_Curve& curve, double t0, double t1)
{
  auto chords = [&](int n)
  {
    double sum = 0.0;
    ON_3dPoint previous = curve.PointAt(t0);
    for (int i = 1; i <= n; i++)
    {
      const ON_3dPoint p = curve.PointAt(t0 + (t1 - t0) * i / n);
      sum += p.DistanceTo(previous);
      previous = p;
    }
    return sum;
  };
  const double coarse = chords(100000), fine = chords(200000);
  return fine + (fine - coarse) / 3.0;
}
} // namespace

TEST(ON_CurveArcLength, NurbsCircleLengthIsTwoPiR)
{
  struct Case
  {
    ON_3dPoint centre;
    double radius, angle;
  };
  for (const Case& c : {Case{{0, 0, 0}, 1.0, 2 * ON_PI}, Case{{3, -2, 5}, 0.001, 2 * ON_PI},
                        Case{{500000.5, 5000000.25, 250}, 37.5, 2 * ON_PI}, Case{{0, 0, 0}, 4.0, ON_PI},
                        Case{{1, 1, 1}, 2.0, 0.5 * ON_PI}})
  {
    const ON_NurbsCurve nurbs = CircleForm(c.centre, c.radius, c.angle);
    ASSERT_TRUE(nurbs.IsRational());
    double length = 0.0;
    ASSERT_TRUE(nurbs.GetLength(&length));
    EXPECT_NEAR(length, c.radius * c.angle, 1e-9 * c.radius * c.angle) << c.radius << " " << c.angle;
  }
}

TEST(ON_CurveArcLength, LengthMatchesChordsAndAddsOverSubdomains)
{
  const ON_NurbsCurve curve = Wiggle();
  ASSERT_TRUE(curve.IsValid());
  double whole = 0.0, left = 0.0, right = 0.0;
  ASSERT_TRUE(curve.GetLength(&whole));
  EXPECT_NEAR(whole, ChordLength(curve, 0.0, 4.0), 1e-9 * whole);
  const ON_Interval a(0.0, 1.234), b(1.234, 4.0);
  ASSERT_TRUE(curve.GetLength(&left, 1e-10, &a));
  ASSERT_TRUE(curve.GetLength(&right, 1e-10, &b));
  EXPECT_NEAR(left + right, whole, 1e-9 * whole);
  EXPECT_NEAR(left, ChordLength(curve, 0.0, 1.234), 1e-9 * whole);
  // A sub-domain outside the curve, or not increasing, has no length.
  const ON_Interval outside(5, 6), backwards(2, 1);
  double untouched = -1.0;
  EXPECT_FALSE(curve.GetLength(&untouched, 1e-8, &outside));
  EXPECT_FALSE(curve.GetLength(&untouched, 1e-8, &backwards));
  EXPECT_EQ(untouched, -1.0);
  EXPECT_FALSE(curve.GetLength(nullptr));
}

TEST(ON_CurveArcLength, NormalizedPointsAreEvenlySpacedAlongTheCurve)
{
  const ON_NurbsCurve wiggle = Wiggle();
  const ON_NurbsCurve circle = CircleForm(ON_3dPoint(500000, 5000000, 0), 10.0, 2 * ON_PI);
  for (const ON_NurbsCurve* curve : {&wiggle, &circle})
  {
    const ON_Interval domain = curve->Domain();
    double total = 0.0;
    ASSERT_TRUE(curve->GetLength(&total));
    const int n = 10;
    std::vector<double> s(n + 1), t(n + 1);
    for (int i = 0; i <= n; i++)
      s[i] = static_cast<double>(i) / n;
    ASSERT_TRUE(curve->GetNormalizedArcLengthPoints(n + 1, s.data(), t.data()));
    EXPECT_EQ(t[0], domain[0]);
    EXPECT_EQ(t[n], domain[1]);
    for (int i = 1; i <= n; i++)
    {
      ASSERT_GT(t[i], t[i - 1]);
      double piece = 0.0;
      const ON_Interval part(t[i - 1], t[i]);
      ASSERT_TRUE(curve->GetLength(&piece, 1e-10, &part));
      EXPECT_NEAR(piece, total / n, 2e-8 * total) << i;
      // One at a time gives the same parameters.
      double single = 0.0;
      ASSERT_TRUE(curve->GetNormalizedArcLengthPoint(s[i], &single));
      EXPECT_NEAR(single, t[i], 1e-7 * domain.Length()) << i;
    }
  }
  double t = -1.0;
  EXPECT_FALSE(wiggle.GetNormalizedArcLengthPoint(1.5, &t));
  EXPECT_FALSE(wiggle.GetNormalizedArcLengthPoint(-0.1, &t));
  EXPECT_EQ(t, -1.0);
}

TEST(ON_CurveArcLength, ExactFormsOfLinesPolylinesAndArcs)
{
  const ON_LineCurve line(ON_3dPoint(1, 1, 1), ON_3dPoint(4, 5, 1));
  ON_3dPointArray points;
  points.Append(ON_3dPoint(0, 0, 0));
  points.Append(ON_3dPoint(3, 0, 0));
  points.Append(ON_3dPoint(3, 1, 0));
  const ON_PolylineCurve polyline(points);
  const ON_ArcCurve arc(ON_Arc(ON_Circle(ON_Plane::World_xy, 2.0), ON_Interval(0.5, 2.0)));
  double length = 0.0;
  ASSERT_TRUE(line.GetLength(&length));
  EXPECT_NEAR(length, 5.0, 1e-14);
  ASSERT_TRUE(polyline.GetLength(&length));
  EXPECT_EQ(length, 4.0);
  ASSERT_TRUE(arc.GetLength(&length));
  EXPECT_NEAR(length, 3.0, 1e-15);
  // 3/4 of the polyline's length lies at the end of its first segment (parameter 1).
  double t = 0.0;
  ASSERT_TRUE(polyline.GetNormalizedArcLengthPoint(0.75, &t));
  EXPECT_EQ(t, 1.0);
  ASSERT_TRUE(polyline.GetNormalizedArcLengthPoint(0.875, &t));
  EXPECT_EQ(t, 1.5);
  ASSERT_TRUE(arc.GetNormalizedArcLengthPoint(0.5, &t));
  EXPECT_NEAR(t, arc.Domain().Mid(), 1e-15);
  const ON_Interval half(0.0, 1.0);
  ASSERT_TRUE(polyline.GetLength(&length, 1e-8, &half));
  EXPECT_EQ(length, 3.0);
}

TEST(ON_CurveArcLength, CurveOfNoLengthSpreadsOverItsParameter)
{
  ON_NurbsCurve dot(3, false, 2, 2);
  dot.SetCV(0, ON_3dPoint(1, 2, 3));
  dot.SetCV(1, ON_3dPoint(1, 2, 3));
  dot.MakeClampedUniformKnotVector();
  ASSERT_TRUE(dot.IsValid());
  double length = -1.0, t = -1.0;
  ASSERT_TRUE(dot.GetLength(&length));
  EXPECT_EQ(length, 0.0);
  ASSERT_TRUE(dot.GetNormalizedArcLengthPoint(0.25, &t));
  EXPECT_EQ(t, 0.25);
}
