#include "opennurbs.h"

#include <gtest/gtest.h>

#include <random>

TEST(ON_Intersect, SkewLinesGiveTheirClosestApproach)
{
  std::mt19937 random(7);
  std::uniform_real_distribution<double> coordinate(-100.0, 100.0);
  auto point = [&] { return ON_3dPoint(coordinate(random), coordinate(random), coordinate(random)); };
  for (int i = 0; i < 200; i++)
  {
    const ON_Line A(point(), point()), B(point(), point());
    double a = 0, b = 0;
    ASSERT_TRUE(ON_Intersect(A, B, &a, &b));
    // The gap between the two points is perpendicular to both lines.
    const ON_3dVector gap = B.PointAt(b) - A.PointAt(a);
    const double scale = A.Length() * B.Length() * (1.0 + gap.Length());
    EXPECT_NEAR(gap * A.Direction(), 0.0, 1e-9 * scale);
    EXPECT_NEAR(gap * B.Direction(), 0.0, 1e-9 * scale);
  }
}

TEST(ON_Intersect, CrossingLinesMeetAtUnboundedParameters)
{
  const ON_Line A(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0));
  const ON_Line B(ON_3dPoint(3, -1, 0), ON_3dPoint(3, 1, 0));
  double a = 0, b = 0;
  ASSERT_TRUE(ON_Intersect(A, B, &a, &b));
  EXPECT_DOUBLE_EQ(a, 3.0);
  EXPECT_DOUBLE_EQ(b, 0.5);
  // Survey-sized coordinates keep the crossing to rounding.
  const ON_3dVector shift(500000.123, 4100000.456, 250.0);
  const ON_Line As(A.from + shift, A.to + shift), Bs(B.from + shift, B.to + shift);
  ASSERT_TRUE(ON_Intersect(As, Bs, &a, &b));
  EXPECT_NEAR(a, 3.0, 1e-8);
  EXPECT_NEAR(b, 0.5, 1e-8);
}

TEST(ON_Intersect, SharedEndsGiveExactParameters)
{
  const ON_3dPoint P(0.1, 0.7, 0.3), Q(5.3, 2.9, -1.1), R(-2.2, 4.4, 1.7);
  struct Case
  {
    ON_Line A, B;
    double a, b;
  };
  const Case cases[] = {{{P, Q}, {P, R}, 0, 0}, {{P, Q}, {R, P}, 0, 1}, {{Q, P}, {P, R}, 1, 0}, {{Q, P}, {R, P}, 1, 1}};
  for (const Case& c : cases)
  {
    double a = -1, b = -1;
    ASSERT_TRUE(ON_Intersect(c.A, c.B, &a, &b));
    EXPECT_EQ(a, c.a);
    EXPECT_EQ(b, c.b);
  }
}

TEST(ON_Intersect, ParallelOrDegenerateLinesLeaveTheOutputs)
{
  const ON_Line A(ON_3dPoint(0, 0, 0), ON_3dPoint(2, 1, 0));
  const ON_Line lines[] = {
      ON_Line(ON_3dPoint(0, 1, 0), ON_3dPoint(4, 3, 0)), // parallel
      ON_Line(ON_3dPoint(6, 3, 0), ON_3dPoint(2, 1, 0)), // collinear, sharing an end
      ON_Line(ON_3dPoint(5, 5, 5), ON_3dPoint(5, 5, 5)), // a point
  };
  for (const ON_Line& B : lines)
  {
    double a = 42, b = 43;
    EXPECT_FALSE(ON_Intersect(A, B, &a, &b));
    EXPECT_EQ(a, 42);
    EXPECT_EQ(b, 43);
  }
  double a = 42, b = 43;
  EXPECT_FALSE(ON_Intersect(lines[2], lines[2], &a, &b));
  EXPECT_FALSE(ON_Intersect(A, lines[0], nullptr, &b));
}

TEST(ON_Intersect, LineAndPlane)
{
  const ON_Plane plane(ON_3dPoint(0, 0, 2), ON_3dVector(0, 0, 1));
  double t = -1;
  ASSERT_TRUE(ON_Intersect(ON_Line(ON_3dPoint(1, 1, 0), ON_3dPoint(1, 1, 1)), plane, &t));
  EXPECT_DOUBLE_EQ(t, 2.0); // beyond the end: not clamped
  ASSERT_TRUE(ON_Intersect(ON_Line(ON_3dPoint(0, 0, 3), ON_3dPoint(4, 0, -1)), plane, &t));
  EXPECT_DOUBLE_EQ(t, 0.25);
  // Parallel to the plane: false, and t is the middle.
  EXPECT_FALSE(ON_Intersect(ON_Line(ON_3dPoint(0, 0, 5), ON_3dPoint(3, 1, 5)), plane, &t));
  EXPECT_EQ(t, 0.5);
  // A plane through collinear points has no equation to meet.
  const ON_Plane flat(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 1, 1), ON_3dPoint(2, 2, 2));
  EXPECT_FALSE(ON_Intersect(ON_Line(ON_3dPoint(1, 0, 0), ON_3dPoint(1, 0, 1)), flat, &t));
}
