#include "QORLine.h"
#include "QORPoint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{

ON_NurbsCurve DegreeOne(std::initializer_list<ON_3dPoint> points)
{
  ON_3dPointArray cvs;
  for (const ON_3dPoint& p : points)
    cvs.Append(p);
  ON_NurbsCurve curve;
  curve.CreateClampedUniformNurbs(3, 2, cvs.Count(), cvs.Array());
  return curve;
}

} // namespace

TEST(QORLine, EqualInOneOrEitherDirection)
{
  const ON_Line a(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0));
  const ON_Line reversed(ON_3dPoint(1, 0, 0), ON_3dPoint(0, 0, 0));
  const ON_Line near(ON_3dPoint(0, 0, 0.5), ON_3dPoint(1, 0, 0));
  struct Case
  {
    ON_Line b;
    int either;
    double tolerance;
    int equal;
  };
  const Case cases[] = {{a, 0, 0.0, 1},    {reversed, 0, 0.1, 0}, {reversed, 1, 0.0, 1},
                        {near, 0, 0.5, 1}, {near, 0, 0.49, 0},    {near, 1, 0.49, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(QORLine::Equal(a, c.b, c.either, c.tolerance), c.equal) << c.either << " " << c.tolerance;
}

TEST(QORLine, IntersectGivesThePointOfTheFirstLineNearestTheSecond)
{
  ON_3dPoint p(7, 7, 7);
  // Skew lines: x axis and a line parallel to y at height 2 through x = 3.
  ASSERT_EQ(QORLine::Intersect(ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0)),
                               ON_Line(ON_3dPoint(3, -1, 2), ON_3dPoint(3, 1, 2)), p),
            1);
  EXPECT_NEAR(p.DistanceTo(ON_3dPoint(3, 0, 0)), 0.0, 1e-15);
  p = ON_3dPoint(7, 7, 7);
  EXPECT_EQ(QORLine::Intersect(ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0)),
                               ON_Line(ON_3dPoint(0, 1, 0), ON_3dPoint(5, 1, 0)), p),
            0);
  EXPECT_EQ(p, ON_3dPoint(7, 7, 7));
}

TEST(QORLine, ClosestPointToSegmentStaysOnTheSegment)
{
  const ON_Line s(ON_3dPoint(0, 0, 0), ON_3dPoint(10, 0, 0));
  struct Case
  {
    ON_3dPoint p;
    ON_3dPoint closest;
  };
  const Case cases[] = {
      {{5, 3, 4}, {5, 0, 0}},               // level with the middle: its foot
      {{14, 1, 0}, {10, 0, 0}},             // beyond the end
      {{-3, -2, 1}, {0, 0, 0}},             // before the start
      {{10.00005, 1, 0}, {10.00005, 0, 0}}, // a foot within the tolerance of the end is kept
  };
  for (const Case& c : cases)
  {
    const ON_3dPoint q = QORLine::ClosestPointToSegment(c.p, s, 0.0001);
    EXPECT_NEAR(q.DistanceTo(c.closest), 0.0, 1e-12) << c.p.x;
    EXPECT_NEAR(QORLine::ClosestDistanceToSegment(c.p, s, 0.0001), c.p.DistanceTo(c.closest), 1e-12);
  }
  // A segment of length 0 is its point.
  const ON_Line point(ON_3dPoint(1, 2, 3), ON_3dPoint(1, 2, 3));
  EXPECT_EQ(QORLine::ClosestPointToSegment(ON_3dPoint(4, 6, 3), point, 0.0001), ON_3dPoint(1, 2, 3));
  EXPECT_DOUBLE_EQ(QORLine::ClosestDistanceToSegment(ON_3dPoint(4, 6, 3), point, 0.0001), 5.0);
}

TEST(QORLine, IsPointOnSegmentUsesTheFiniteSegment)
{
  const ON_Line s(ON_3dPoint(500000.123, 4100000.456, 10), ON_3dPoint(500010.123, 4100005.456, 12));
  const ON_3dPoint middle = QORLine::MidPoint(s);
  EXPECT_EQ(QORLine::IsPointOnSegment(middle, s, 1e-6), 1);
  EXPECT_EQ(QORLine::IsPointOnSegment(middle + ON_3dVector(0, 0, 0.001), s, 0.0001), 0);
  EXPECT_EQ(QORLine::IsPointOnSegment(middle + ON_3dVector(0, 0, 0.001), s, 0.001), 1);
  // On the carrier but past the end.
  const ON_3dPoint beyond = s.PointAt(1.01);
  EXPECT_EQ(QORLine::IsPointOnSegment(beyond, s, 0.0001), 0);
  EXPECT_EQ(QORLine::IsPointOnSegment(beyond, s, 0.2), 1);
  const ON_Line point(ON_3dPoint(1, 1, 1), ON_3dPoint(1, 1, 1));
  EXPECT_EQ(QORLine::IsPointOnSegment(ON_3dPoint(1, 1, 1.00005), point, 0.0001), 1);
  EXPECT_EQ(QORLine::IsPointOnSegment(ON_3dPoint(1, 1, 2), point, 0.0001), 0);
}

TEST(QORLine, ExtractPointsSpacesEvenly)
{
  const ON_Line s(ON_3dPoint(0, 0, 0), ON_3dPoint(0, 6, 8)); // length 10
  ON_3dPointArray points;
  points.Append(ON_3dPoint(9, 9, 9));
  ASSERT_EQ(QORLine::ExtractPoints(s, 3.0, points), 5);
  ASSERT_EQ(points.Count(), 5);
  for (int i = 1; i < 5; i++)
    EXPECT_NEAR(points[i - 1].DistanceTo(points[i]), 2.5, 1e-12);
  EXPECT_EQ(points[0], s.from);
  EXPECT_NEAR(points[4].DistanceTo(s.to), 0.0, 1e-12);
  for (double spacing : {10.0, 25.0})
  {
    ASSERT_EQ(QORLine::ExtractPoints(s, spacing, points), 2);
    EXPECT_EQ(points[0], s.from);
    EXPECT_EQ(points[1], s.to);
  }
  ASSERT_EQ(QORLine::ExtractPoints(s, 2.5, points), 5); // a whole number of steps
}

TEST(QORLine, ExtractPointsRefusesSpacingsThatCannotEnd)
{
  const ON_Line s(ON_3dPoint(0, 0, 0), ON_3dPoint(10, 0, 0));
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double spacing : {0.0, -1.0, nan, 1e-300})
  {
    ON_3dPointArray points;
    points.Append(ON_3dPoint(9, 9, 9));
    EXPECT_EQ(QORLine::ExtractPoints(s, spacing, points), 0) << spacing;
    ASSERT_EQ(points.Count(), 1);
    EXPECT_EQ(points[0], ON_3dPoint(9, 9, 9));
  }
  ON_3dPointArray points;
  EXPECT_EQ(QORLine::ExtractPoints(ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(inf, 0, 0)), 1.0, points), 0);
  ON_Line unset(ON_3dPoint(0, 0, 0), ON_3dPoint(0, 0, 0));
  QORPoint::Unset(unset.from); // about 1.2e308 long: far more points than an int counts
  EXPECT_EQ(QORLine::ExtractPoints(unset, 1.0, points), 0);
  EXPECT_EQ(points.Count(), 0);
}

TEST(QORLine, GetLineFromGeometryTakesLineCurvesAndStraightDegreeOneCurves)
{
  ON_Line line;
  const ON_LineCurve lineCurve(ON_3dPoint(1, 2, 3), ON_3dPoint(4, 5, 6));
  ASSERT_EQ(QORLine::GetLineFromGeometry(&lineCurve, line), 1);
  EXPECT_EQ(line.from, ON_3dPoint(1, 2, 3));
  EXPECT_EQ(line.to, ON_3dPoint(4, 5, 6));

  const ON_NurbsCurve straight = DegreeOne({{0, 0, 0}, {1, 1, 0}, {3, 3, 0}});
  ASSERT_EQ(QORLine::GetLineFromGeometry(&straight, line), 1);
  EXPECT_EQ(line.from, ON_3dPoint(0, 0, 0));
  EXPECT_EQ(line.to, ON_3dPoint(3, 3, 0));
  const ON_NurbsCurve survey =
      DegreeOne({{500000.123, 4100000.456, 0}, {500001.123, 4100001.456, 0}, {500002.123, 4100002.456, 0}});
  EXPECT_EQ(QORLine::GetLineFromGeometry(&survey, line), 1);

  // A bent polyline, one that runs back along its chord, a quadratic, a point: no line, the
  // output untouched.
  ON_NurbsCurve quadratic;
  ON_3dPoint cvs[3] = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}};
  quadratic.CreateClampedUniformNurbs(3, 3, 3, cvs);
  const ON_Point point(ON_3dPoint(1, 1, 1));
  const ON_NurbsCurve bent = DegreeOne({{0, 0, 0}, {1, 1, 0}, {2, 0, 0}});
  const ON_NurbsCurve back = DegreeOne({{0, 0, 0}, {3, 0, 0}, {1, 0, 0}, {4, 0, 0}});
  const ON_Geometry* others[] = {&bent, &back, &quadratic, &point, nullptr};
  for (const ON_Geometry* g : others)
  {
    line = ON_Line(ON_3dPoint(7, 7, 7), ON_3dPoint(8, 8, 8));
    EXPECT_EQ(QORLine::GetLineFromGeometry(g, line), 0);
    EXPECT_EQ(line.from, ON_3dPoint(7, 7, 7));
  }
}

TEST(QORLine, SetZUnsetAndAppend)
{
  ON_Line line(ON_3dPoint(1, 2, 3), ON_3dPoint(4, 5, 6));
  QORLine::SetZ(line, -2.5);
  EXPECT_EQ(line.from, ON_3dPoint(1, 2, -2.5));
  EXPECT_EQ(line.to, ON_3dPoint(4, 5, -2.5));
  QORLine::Unset(line);
  EXPECT_EQ(line.to.x, ON_UNSET_VALUE);
  EXPECT_FALSE(line.from.IsValid());

  ON_ClassArray<ON_Line> target, source;
  target.Append(ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0)));
  source.Append(ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(2, 0, 0)));
  source.Append(ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(3, 0, 0)));
  QORLine::AppendLines(target, source);
  ASSERT_EQ(target.Count(), 3);
  EXPECT_EQ(target[2].to.x, 3.0);
  QORLine::AppendLines(target, target); // a list appended to itself doubles once
  ASSERT_EQ(target.Count(), 6);
  EXPECT_EQ(target[3].to.x, 1.0);
  EXPECT_EQ(target[5].to.x, 3.0);
}
