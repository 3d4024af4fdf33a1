#include "QORLine2d.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

ON_Line L(double x0, double y0, double x1, double y1, double z0 = 0.0, double z1 = 0.0)
{
  return ON_Line(ON_3dPoint(x0, y0, z0), ON_3dPoint(x1, y1, z1));
}

} // namespace

TEST(QORLine2d, PointOnSegmentNeedsTheBoxWithoutTolerance)
{
  const ON_Line vertical = L(2, 0, 2, 5, 0, 9);
  // 1e-9 beside a vertical segment is outside its box whatever the tolerance.
  EXPECT_EQ(QORLine2d::PointOnSegment(ON_3dPoint(2 + 1e-9, 1, 0), vertical, 1.0), 0);
  EXPECT_EQ(QORLine2d::PointOnSegment(ON_3dPoint(2, 1, -4), vertical, 0.0), 1); // z ignored
  EXPECT_EQ(QORLine2d::PointOnSegment(ON_3dPoint(2, 5, 0), vertical, 0.0), 1);  // an end
  EXPECT_EQ(QORLine2d::PointOnSegment(ON_3dPoint(2, 5.001, 0), vertical, 1.0), 0);
  const ON_Line slanted = L(0, 0, 4, 2);
  EXPECT_EQ(QORLine2d::PointOnSegment(ON_3dPoint(2, 1.1, 0), slanted, 0.09), 1); // 0.0894 from it
  EXPECT_EQ(QORLine2d::PointOnSegment(ON_3dPoint(2, 1.1, 0), slanted, 0.089), 0);
  EXPECT_NEAR(QORLine2d::Distance(ON_3dPoint(2, 1.1, 7), slanted), 0.1 / std::sqrt(1.25), 1e-15);
  EXPECT_DOUBLE_EQ(QORLine2d::Distance(ON_3dPoint(9, 9, 0), L(3, 1, 3, 1, 0, 5)), 10.0);
}

TEST(QORLine2d, SideComparesTheRawCrossProduct)
{
  const ON_Line line = L(0, 0, 10, 0); // the cross product is 10 y (0.04 is a little more than 0.04)
  struct Case
  {
    double y, tolerance;
    int side;
  };
  const Case cases[] = {{1, 0, 1},       {-1, 0, 2},      {0, 0, 0},       {0.04, 0.5, 0},
                        {0.04, 0.39, 1}, {-0.04, 0.5, 0}, {-0.04, 0.39, 2}};
  for (const Case& c : cases)
    EXPECT_EQ(QORLine2d::PointOnWhichSideOfLine(ON_3dPoint(3, c.y, 0), line, c.tolerance), c.side) << c.y;
}

TEST(QORLine2d, SegmentsIntersectOnlyInsideBoth)
{
  struct Case
  {
    ON_Line a, b;
    int withoutEndContact, withEndContact;
  };
  const Case cases[] = {
      {L(0, 0, 2, 2), L(0, 2, 2, 0), 1, 1}, // crossing inside both
      {L(0, 0, 2, 0), L(2, 0, 3, 5), 0, 0}, // sharing an end
      {L(0, 0, 2, 0), L(1, 0, 1, 5), 0, 0}, // touching at an end of the second
      {L(0, 0, 2, 0), L(1, -1, 1, 1), 1, 1},
      {L(0, 0, 2, 0), L(0, 1, 2, 1), 0, 0}, // parallel
      {L(0, 0, 2, 0), L(1, 0, 3, 0), 0, 0}, // overlapping on one line
      {L(0, 0, 2, 0), L(2.00001, -1, 2.00001, 1), 0, 0},
      {L(0, 0, 2, 0), L(1.99999, -1, 1.99999, 1), 1, 1},
      {L(0, 0, 2, 2, 5, 5), L(1, 0, 1, 9, -3, 8), 1, 1}, // heights do not matter
  };
  for (const Case& c : cases)
  {
    ON_2dPoint p(7, 7);
    EXPECT_EQ(QORLine2d::IntersectSegments(c.a, c.b, p, 0, 0.0001), c.withoutEndContact) << c.b.from.x;
    EXPECT_EQ(QORLine2d::IntersectSegments(c.a, c.b, p, 1, 0.0001), c.withEndContact) << c.b.from.x;
    EXPECT_EQ(QORLine2d::IntersectSegments(c.b, c.a, p, 1, 0.0001), c.withEndContact) << c.b.from.x;
  }
  // Ends within the tolerance of each other: the segments do not intersect without end contact.
  const ON_Line diagonal = L(0, 0, 2, 2), nearEnd = L(1.99995, 2.00004, 2.5, 1); // 6.4e-5 from (2, 2)
  ON_2dPoint p(7, 7);
  EXPECT_EQ(QORLine2d::IntersectSegments(diagonal, nearEnd, p, 0, 0.0001), 0);
  EXPECT_EQ(p, ON_2dPoint(7, 7));
  EXPECT_EQ(QORLine2d::IntersectSegments(diagonal, nearEnd, p, 0, 0.00006), 1);
  ASSERT_EQ(QORLine2d::IntersectSegments(diagonal, nearEnd, p, 1, 0.0001), 1);
  const double x = 1.99995 + 0.50005 * (0.00009 / 1.50009);
  EXPECT_NEAR(p.x, x, 1e-12);
  EXPECT_NEAR(p.y, x, 1e-12);
}

TEST(QORLine2d, IntersectSegmentsIn3dGivesThePointsAboveEachOther)
{
  ON_3dPoint onFirst, onSecond;
  ASSERT_EQ(QORLine2d::IntersectSegments(L(0, 0, 4, 0, 0, 8), L(1, -1, 1, 3, 10, 2), onFirst, onSecond, 0, 0.0001), 1);
  EXPECT_NEAR(onFirst.DistanceTo(ON_3dPoint(1, 0, 2)), 0.0, 1e-12);
  EXPECT_NEAR(onSecond.DistanceTo(ON_3dPoint(1, 0, 8)), 0.0, 1e-12);
  const ON_3dPoint untouched(7, 7, 7);
  onFirst = onSecond = untouched;
  EXPECT_EQ(QORLine2d::IntersectSegments(L(0, 0, 4, 0), L(5, -1, 5, 3), onFirst, onSecond, 1, 0.0001), 0);
  EXPECT_EQ(onFirst, untouched);
  EXPECT_EQ(onSecond, untouched);
}

TEST(QORLine2d, OffsetMovesAlongThePlanNormal)
{
  struct Case
  {
    int side;
    ON_Line moved;
  };
  const Case cases[] = {{1, L(-1, 1, 2, 4, 3, 4)}, {2, L(1, -1, 4, 2, 3, 4)}, {0, L(0, 0, 3, 3, 3, 4)}};
  for (const Case& c : cases)
  {
    ON_Line line = L(0, 0, 3, 3, 3, 4);
    QORLine2d::Offset(line, std::sqrt(2.0), c.side);
    EXPECT_NEAR(line.from.DistanceTo(c.moved.from), 0.0, 1e-15) << c.side;
    EXPECT_NEAR(line.to.DistanceTo(c.moved.to), 0.0, 1e-15) << c.side;
  }
  ON_Line line = L(1, 2, 3, 4, 5, 6);
  QORLine2d::Make2d(line);
  EXPECT_EQ(line.from, ON_3dPoint(1, 2, 0));
  EXPECT_EQ(line.to, ON_3dPoint(3, 4, 0));
}

TEST(QORLine2d, FilletRoundsACornerAtTheFirstHeight)
{
  ON_Line first = L(0, 0, 10, 0, 5, 5), second = L(10, 0, 10, 10, 7, 9);
  ON_Arc arc;
  ASSERT_EQ(QORLine2d::Fillet(first, second, 2.0, arc), 1);
  EXPECT_NEAR(first.to.DistanceTo(ON_3dPoint(8, 0, 5)), 0.0, 1e-12);
  EXPECT_EQ(first.from, ON_3dPoint(0, 0, 5));
  EXPECT_NEAR(second.from.DistanceTo(ON_3dPoint(10, 2, 5)), 0.0, 1e-12);
  EXPECT_EQ(second.to, ON_3dPoint(10, 10, 5));
  EXPECT_TRUE(arc.IsValid());
  EXPECT_NEAR(arc.Center().DistanceTo(ON_3dPoint(8, 2, 5)), 0.0, 1e-12);
  EXPECT_NEAR(arc.radius, 2.0, 1e-12);
  EXPECT_NEAR(arc.AngleRadians(), 0.5 * ON_PI, 1e-12);
  EXPECT_NEAR(arc.StartPoint().DistanceTo(first.to), 0.0, 1e-12);
  EXPECT_NEAR(arc.EndPoint().DistanceTo(second.from), 0.0, 1e-12);
  // A right turn, at survey coordinates.
  ON_Line east = L(500000, 4100000, 500010, 4100000, 1, 1), south = L(500010, 4100000, 500010, 4099990, 1, 1);
  ASSERT_EQ(QORLine2d::Fillet(east, south, 3.0, arc), 1);
  EXPECT_NEAR(arc.Center().DistanceTo(ON_3dPoint(500007, 4099997, 1)), 0.0, 1e-8);
}

TEST(QORLine2d, FilletThatCannotBeMadeLeavesTheLines)
{
  struct Case
  {
    ON_Line first, second;
    double radius;
  };
  const Case cases[] = {
      {L(0, 0, 10, 0), L(10, 0, 10, 10), 20.0}, // radius too large for the first line
      {L(0, 0, 10, 0), L(10, 0, 10, 1), 2.0},   // too large for the second
      {L(0, 0, 10, 0), L(-5, 1, -5, 10), 1.0},  // corner behind the first line's start
      {L(0, 0, 10, 0), L(10, 0, 20, 0), 1.0},   // straight on
      {L(0, 0, 10, 0), L(0, 1, 10, 1), 1.0},    // parallel
      {L(0, 0, 10, 0), L(10, 0, 10, 10), 0.0},  {L(0, 0, 10, 0), L(10, 0, 10, 10), -2.0},
  };
  for (const Case& c : cases)
  {
    ON_Line first = c.first, second = c.second;
    ON_Arc arc(ON_Circle(ON_3dPoint(1, 2, 3), 4.0), 1.0);
    EXPECT_EQ(QORLine2d::Fillet(first, second, c.radius, arc), 0) << c.second.from.x << " " << c.radius;
    EXPECT_EQ(first.from, c.first.from);
    EXPECT_EQ(first.to, c.first.to);
    EXPECT_EQ(second.from, c.second.from);
    EXPECT_EQ(second.to, c.second.to);
    EXPECT_EQ(arc.radius, 4.0);
  }
}
