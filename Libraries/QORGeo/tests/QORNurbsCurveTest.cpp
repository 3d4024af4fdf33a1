#include "QORCurve.h"
#include "QORNurbsCurve.h"

#include "QORCurveFixtures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qor_curve_fixtures;

namespace
{
ON_NurbsCurve Wiggle()
{
  return Clamped(4, Points({{0, 0, 0}, {1, 3, 0}, {3, -1, 2}, {4, 4, 0}, {6, 0, 1}, {9, 1, 0}}));
}

double LengthBetween(const ON_Curve& curve, const ON_3dPoint& a, const ON_3dPoint& b)
{
  double ta = 0, tb = 0, length = 0;
  curve.GetClosestPoint(a, &ta);
  curve.GetClosestPoint(b, &tb);
  const ON_Interval part(ta, tb);
  curve.GetLength(&length, 1e-10, &part);
  return length;
}
} // namespace

TEST(QORNurbsCurve, ControlPointsDivideOutTheWeights)
{
  const ON_NurbsCurve arc = ArcNurbs(ON_3dPoint(0, 0, 0), 2, 0, 0.5 * ON_PI);
  ON_3dPointArray points(Points({{9, 9, 9}}));
  QORNurbsCurve::GetControlPoints(arc, points);
  ASSERT_EQ(points.Count(), 3);
  EXPECT_LE(points[1].DistanceTo(ON_3dPoint(2, 2, 0)), 1e-12);
  ON_Polyline polygon;
  QORNurbsCurve::CreatePolylineFromControlPoints(arc, polygon);
  EXPECT_EQ(polygon.Count(), 3);
  EXPECT_EQ(polygon[2], points[2]);
}

TEST(QORNurbsCurve, CreatePolylineSpacesPointsByArcLength)
{
  const ON_NurbsCurve curve = Wiggle();
  double length = 0.0;
  ASSERT_TRUE(curve.GetLength(&length));
  ON_Polyline polyline;
  QORNurbsCurve::CreatePolyline(curve, 1.0, polyline);
  const int n = static_cast<int>(length) + 1;
  ASSERT_EQ(polyline.Count(), n + 1);
  EXPECT_EQ(polyline[0], curve.PointAtStart());
  EXPECT_EQ(polyline[n], curve.PointAtEnd());
  for (int i = 1; i <= n; i++)
    EXPECT_NEAR(LengthBetween(curve, polyline[i - 1], polyline[i]), length / n, 1e-6) << i;

  QORNurbsCurve::CreatePolyline(curve, length, polyline);
  EXPECT_EQ(polyline.Count(), 2);
  // Degree 1: the control polygon, whatever the length.
  QORNurbsCurve::CreatePolyline(Clamped(2, Points({{0, 0, 0}, {5, 0, 0}, {5, 5, 0}})), 0.5, polyline);
  EXPECT_EQ(polyline.Count(), 3);
  // Lengths that cannot be met leave the polyline as it was.
  for (double spacing : {0.0, -1.0, 1e-7})
  {
    ON_Polyline kept(Points({{7, 7, 7}}));
    QORNurbsCurve::CreatePolyline(curve, spacing, kept);
    EXPECT_EQ(kept.Count(), 1) << spacing;
  }
  EXPECT_EQ(Text(QORNurbsCurve::GetError()), "Too many sample points");
}

TEST(QORNurbsCurve, SmoothenRebuildsOnEvenSamples)
{
  const ON_NurbsCurve zigzag = Clamped(2, Points({{0, 0, 0}, {2, 1, 0}, {4, 0, 0}, {6, 1, 0}, {8, 0, 0}}));
  ON_NurbsCurve curve = zigzag;
  QORNurbsCurve::Smoothen(curve, 1.0);
  double length = 0.0;
  ASSERT_TRUE(zigzag.GetLength(&length));
  const int samples = static_cast<int>(length) + 2;
  EXPECT_EQ(curve.Degree(), 2);
  EXPECT_EQ(curve.CVCount(), samples);
  EXPECT_TRUE(curve.IsValid());
  EXPECT_EQ(curve.PointAtStart(), zigzag.PointAtStart());
  EXPECT_EQ(curve.PointAtEnd(), zigzag.PointAtEnd());
  // The control points are points of the zigzag.
  for (int i = 0; i < curve.CVCount(); i++)
  {
    ON_3dPoint cv;
    curve.GetCV(i, cv);
    double t;
    ASSERT_TRUE(zigzag.GetClosestPoint(cv, &t));
    EXPECT_LE(zigzag.PointAt(t).DistanceTo(cv), 1e-9) << i;
  }
  // Short curves become straight lines.
  ON_NurbsCurve shortArc = ArcNurbs(ON_3dPoint(0, 0, 0), 1, 0, 1);
  QORNurbsCurve::Smoothen(shortArc, 5.0);
  EXPECT_EQ(shortArc.CVCount(), 2);
  EXPECT_TRUE(shortArc.IsLinear());
  ON_NurbsCurve kept = zigzag;
  QORNurbsCurve::Smoothen(kept, 0.0);
  EXPECT_EQ(kept.CVCount(), zigzag.CVCount());
}

TEST(QORNurbsCurve, Make2DFlattensAndKeepsCircles)
{
  ON_NurbsCurve circle = ArcNurbs(ON_3dPoint(3, 4, 12.5), 2, 0, 2 * ON_PI);
  QORNurbsCurve::Make2D(circle);
  for (int i = 0; i < circle.CVCount(); i++)
  {
    ON_3dPoint cv;
    circle.GetCV(i, cv);
    EXPECT_EQ(cv.z, 0.0);
  }
  ON_Circle flat;
  ASSERT_EQ(QORCurve::IsCircle(&circle, flat), 1);
  EXPECT_NEAR(flat.radius, 2, 1e-12);
  EXPECT_LE(flat.Center().DistanceTo(ON_3dPoint(3, 4, 0)), 1e-12);
}

TEST(QORNurbsCurve, GetPointsFollowsTheTurnOfTheCurvature)
{
  // A circle's curvature vector turns 3.6 degrees a step: above 10 degrees every third step.
  const ON_NurbsCurve circle = ArcNurbs(ON_3dPoint(0, 0, 0), 1, 0, 2 * ON_PI);
  ON_3dPointArray points(Points({{9, 9, 9}}));
  ASSERT_EQ(QORNurbsCurve::GetPoints(circle, points, 10), 1);
  EXPECT_EQ(points[0], circle.PointAtStart());
  EXPECT_EQ(points[points.Count() - 1], circle.PointAtEnd());
  EXPECT_GE(points.Count(), 30);
  EXPECT_LE(points.Count(), 40);
  // A straight curve has no curvature to turn: its two ends.
  ASSERT_EQ(QORNurbsCurve::GetPoints(Clamped(3, Points({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}})), points, 10), 1);
  EXPECT_EQ(points.Count(), 2);
}
