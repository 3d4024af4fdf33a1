#include "opennurbs.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ON_NurbsCurve, ClampedUniformNeedsAsManyPointsAsTheOrder)
{
  const ON_3dPoint points[] = {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}, {3, 2, 1}};
  ON_NurbsCurve curve;
  EXPECT_FALSE(curve.CreateClampedUniformNurbs(3, 3, 2, points));
  ASSERT_TRUE(curve.CreateClampedUniformNurbs(3, 3, 4, points));
  EXPECT_TRUE(curve.IsValid());
  EXPECT_FALSE(curve.IsRational());
  EXPECT_EQ(curve.KnotCount(), 5);
  EXPECT_EQ(curve.Domain()[1], 2.0);
  EXPECT_EQ(curve.PointAtStart(), points[0]);
  EXPECT_EQ(curve.PointAtEnd(), points[3]);
}

TEST(ON_NurbsCurve, RationalQuarterCircleStaysOnTheCircle)
{
  ON_NurbsCurve arc(3, true, 3, 3);
  const double w = std::sqrt(0.5);
  arc.SetCV(0, ON_4dPoint(1, 0, 0, 1));
  arc.SetCV(1, ON_4dPoint(w, w, 0, w));
  arc.SetCV(2, ON_4dPoint(0, 1, 0, 1));
  ASSERT_TRUE(arc.MakeClampedUniformKnotVector());
  ASSERT_TRUE(arc.IsValid());
  for (double t = 0.0; t <= 1.0; t += 0.125)
  {
    ON_3dPoint p;
    ON_3dVector d;
    ASSERT_TRUE(arc.Ev1Der(t, p, d));
    EXPECT_NEAR(ON_3dVector(p).Length(), 1.0, 1e-14);
    EXPECT_NEAR(ON_DotProduct(ON_3dVector(p), d), 0.0, 1e-13); // tangent is perpendicular to the radius
  }
  double t;
  ASSERT_TRUE(arc.GetClosestPoint(ON_3dPoint(3.0, 3.0, 0.0), &t));
  EXPECT_NEAR(arc.PointAt(t).x, w, 1e-10);
}

TEST(ON_NurbsCurve, NonIncreasingKnotsAreInvalid)
{
  const ON_3dPoint points[] = {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}, {3, 2, 1}};
  ON_NurbsCurve curve;
  ASSERT_TRUE(curve.CreateClampedUniformNurbs(3, 3, 4, points));
  curve.SetKnot(2, 3.0);
  EXPECT_FALSE(curve.IsValid());
}

TEST(ON_LineCurve, DomainIsTheLengthAndEvaluationIsLinear)
{
  const ON_LineCurve line(ON_3dPoint(1, 2, 3), ON_3dPoint(4, 6, 3));
  EXPECT_EQ(line.Domain()[1], 5.0);
  const ON_3dPoint mid = line.PointAt(2.5);
  EXPECT_DOUBLE_EQ(mid.x, 2.5);
  EXPECT_DOUBLE_EQ(mid.y, 4.0);
  EXPECT_TRUE(line.IsValid());
  EXPECT_FALSE(ON_LineCurve(ON_3dPoint(1, 1, 1), ON_3dPoint(1, 1, 1)).IsValid());
  EXPECT_EQ(ON_LineCurve(ON_3dPoint(1, 1, 1), ON_3dPoint(1, 1, 1)).Domain()[1], 1.0);
}

TEST(ON_Polyline, ValidityAndPolylineCurveParameters)
{
  ON_3dPointArray points;
  points.Append(ON_3dPoint(0, 0, 0));
  points.Append(ON_3dPoint(1, 0, 0));
  points.Append(ON_3dPoint(1, 1, 0));
  const ON_Polyline pline(points);
  EXPECT_TRUE(pline.IsValid());
  EXPECT_EQ(pline.SegmentCount(), 2);
  EXPECT_DOUBLE_EQ(pline.Length(), 2.0);
  ON_Polyline back_to_start = pline;
  back_to_start.Append(ON_3dPoint(0, 0, 0));
  EXPECT_TRUE(back_to_start.IsClosed());
  ON_Polyline repeated = pline;
  repeated.Append(ON_3dPoint(1, 1, 0));
  EXPECT_FALSE(repeated.IsValid());

  const ON_PolylineCurve curve(points);
  EXPECT_TRUE(curve.IsValid());
  EXPECT_EQ(curve.Domain()[1], 2.0);
  const ON_3dPoint p = curve.PointAt(1.5);
  EXPECT_DOUBLE_EQ(p.y, 0.5);
  EXPECT_EQ(curve.PointAtEnd(), points[2]);
}
