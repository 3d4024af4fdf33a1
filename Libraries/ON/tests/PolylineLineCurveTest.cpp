#include "opennurbs.h"

#include <gtest/gtest.h>

namespace
{

ON_Polyline Polyline(std::initializer_list<ON_3dPoint> points)
{
  ON_Polyline polyline;
  for (const ON_3dPoint& p : points)
    polyline.Append(p);
  return polyline;
}

} // namespace

TEST(ON_Polyline, CleanKeepsTheEndsAndDropsNearPoints)
{
  struct Case
  {
    ON_Polyline in;
    double tolerance;
    ON_Polyline out;
  };
  const Case cases[] = {
      // Exact duplicates only at tolerance 0.
      {Polyline({{0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {2, 0, 0}}), 0.0,
       Polyline({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}})},
      // Interior points near the last kept point, then the one near the end.
      {Polyline({{0, 0, 0}, {0.05, 0, 0}, {1, 0, 0}, {1.95, 0, 0}, {2, 0, 0}}), 0.1,
       Polyline({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}})},
      // Never fewer than two points, and the first and last stay.
      {Polyline({{0, 0, 0}, {0.01, 0, 0}, {0.02, 0, 0}}), 1.0, Polyline({{0, 0, 0}, {0.02, 0, 0}})},
      {Polyline({{0, 0, 0}, {0, 0, 0}}), 0.0, Polyline({{0, 0, 0}, {0, 0, 0}})},
  };
  for (const Case& c : cases)
  {
    ON_Polyline polyline = c.in;
    EXPECT_EQ(polyline.Clean(c.tolerance), c.in.Count() - c.out.Count());
    ASSERT_EQ(polyline.Count(), c.out.Count());
    for (int i = 0; i < polyline.Count(); i++)
      EXPECT_EQ(polyline[i], c.out[i]) << i;
  }
}

TEST(ON_LineCurve, ClosestPointIsClampedToTheSegment)
{
  const ON_LineCurve curve(ON_3dPoint(0, 0, 0), ON_3dPoint(4, 0, 0)); // domain [0, 4]
  struct Case
  {
    ON_3dPoint p;
    double t;
  };
  const Case cases[] = {{{1, 3, 0}, 1.0}, {{-5, 1, 0}, 0.0}, {{9, -1, 2}, 4.0}, {{4, 0, 0}, 4.0}};
  for (const Case& c : cases)
  {
    double t = -1;
    ASSERT_TRUE(curve.GetClosestPoint(c.p, &t));
    EXPECT_DOUBLE_EQ(t, c.t);
  }
  double t = -1;
  EXPECT_FALSE(curve.GetClosestPoint(ON_3dPoint(1, 3, 0), &t, 2.0)); // 3 away
  EXPECT_TRUE(curve.GetClosestPoint(ON_3dPoint(1, 3, 0), &t, 3.5));
  const ON_Interval part(2.0, 3.0);
  ASSERT_TRUE(curve.GetClosestPoint(ON_3dPoint(1, 3, 0), &t, 0.0, &part));
  EXPECT_EQ(t, 2.0);
  const ON_Interval outside(5.0, 6.0);
  EXPECT_FALSE(curve.GetClosestPoint(ON_3dPoint(1, 3, 0), &t, 0.0, &outside));
  const ON_LineCurve point(ON_3dPoint(1, 1, 1), ON_3dPoint(1, 1, 1));
  EXPECT_FALSE(point.GetClosestPoint(ON_3dPoint(0, 0, 0), &t));
}
