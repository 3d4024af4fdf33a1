#include "opennurbs.h"

#include <gtest/gtest.h>

TEST(Line, PointAtBlendsAndKeepsSharedCoordinatesExact)
{
  const ON_Line line(ON_3dPoint(0.1, 7, -2), ON_3dPoint(0.7, 7, 4));
  EXPECT_EQ(line.PointAt(0.0), line.from);
  EXPECT_EQ(line.PointAt(1.0), line.to);
  for (double t : {-1.5, 0.3, 0.5, 2.0})
  {
    const ON_3dPoint p = line.PointAt(t);
    EXPECT_EQ(p.y, 7.0) << t;
    EXPECT_DOUBLE_EQ(p.x, (1 - t) * 0.1 + t * 0.7) << t;
  }
  EXPECT_EQ(line.PointAt(0.5).z, 1.0);
}

TEST(Line, ClosestPointIsOnTheInfiniteLine)
{
  const ON_Line line(ON_3dPoint(0, 0, 0), ON_3dPoint(2, 0, 0));
  struct Case
  {
    ON_3dPoint p;
    double t;
  };
  const Case cases[] = {{{1, 5, 0}, 0.5}, {{6, 1, 1}, 3.0}, {{-2, 0, 3}, -1.0}, {{0, 0, 0}, 0.0}, {{2, 0, 0}, 1.0}};
  for (const Case& c : cases)
  {
    double t = -99;
    ASSERT_TRUE(line.ClosestPointTo(c.p, &t));
    EXPECT_DOUBLE_EQ(t, c.t);
    EXPECT_EQ(line.ClosestPointTo(c.p), ON_3dPoint(2 * c.t, 0, 0));
  }
  EXPECT_FALSE(line.ClosestPointTo(ON_3dPoint(1, 1, 1), nullptr));
  EXPECT_DOUBLE_EQ(line.DistanceTo(ON_3dPoint(6, 3, 4)), 5.0);
  EXPECT_DOUBLE_EQ(line.MinimumDistanceTo(ON_3dPoint(6, 3, 0)), 5.0); // clamped to the end (2,0,0)
  EXPECT_DOUBLE_EQ(line.MinimumDistanceTo(ON_3dPoint(1, 3, 0)), 3.0);

  const ON_Line point(ON_3dPoint(1, 1, 1), ON_3dPoint(1, 1, 1));
  double t = -99;
  EXPECT_FALSE(point.ClosestPointTo(ON_3dPoint(4, 5, 1), &t)); // v5: degenerate is a failure
  EXPECT_EQ(t, 0.0);
  EXPECT_DOUBLE_EQ(point.MinimumDistanceTo(ON_3dPoint(4, 5, 1)), 5.0);
  EXPECT_FALSE(point.IsValid());
}

TEST(Line, DirectionTangentReverseAndBox)
{
  ON_Line line(ON_3dPoint(3, 0, 0), ON_3dPoint(0, 4, 0));
  EXPECT_EQ(line.Length(), 5.0);
  EXPECT_EQ(line.Direction(), ON_3dVector(-3, 4, 0));
  EXPECT_DOUBLE_EQ(line.Tangent().y, 0.8);
  const ON_BoundingBox box = line.BoundingBox();
  EXPECT_EQ(box.m_min, ON_3dPoint(0, 0, 0));
  EXPECT_EQ(box.m_max, ON_3dPoint(3, 4, 0));
  line.Reverse();
  EXPECT_EQ(line.from, ON_3dPoint(0, 4, 0));
  EXPECT_TRUE(line.IsValid());
}

TEST(BoundingBox, DefaultIsEmptyAndValidityNeedsOrderedFiniteCorners)
{
  ON_BoundingBox box;
  EXPECT_FALSE(box.IsValid());
  EXPECT_TRUE(ON_BoundingBox(ON_3dPoint(1, 1, 1), ON_3dPoint(1, 1, 1)).IsValid());
  EXPECT_FALSE(ON_BoundingBox(ON_3dPoint(0, 0, 0), ON_3dPoint(1, ON_UNSET_VALUE, 1)).IsValid());
  EXPECT_FALSE(ON_BoundingBox(ON_3dPoint(0, 0, 1), ON_3dPoint(1, 1, 0)).IsValid());
  ASSERT_TRUE(box.Set(ON_3dPoint(2, 3, 4)));
  EXPECT_TRUE(box.Set(ON_3dPoint(-1, 5, 4), true));
  EXPECT_EQ(box.m_min, ON_3dPoint(-1, 3, 4));
  EXPECT_EQ(box.m_max, ON_3dPoint(2, 5, 4));
  EXPECT_FALSE(box.Set(ON_3dPointArray()));
  EXPECT_FALSE(box.IsValid());
}

TEST(BoundingBox, UnionAndIntersection)
{
  const ON_BoundingBox a(ON_3dPoint(0, 0, 0), ON_3dPoint(2, 2, 2));
  const ON_BoundingBox b(ON_3dPoint(1, 1, 1), ON_3dPoint(3, 3, 3));
  const ON_BoundingBox far(ON_3dPoint(5, 5, 5), ON_3dPoint(6, 6, 6));
  const ON_BoundingBox empty;

  ON_BoundingBox u;
  EXPECT_TRUE(u.Union(a, b));
  EXPECT_EQ(u.m_max, ON_3dPoint(3, 3, 3));
  EXPECT_TRUE(u.Union(empty, b));
  EXPECT_EQ(u.m_min, b.m_min);
  u = a;
  EXPECT_TRUE(u.Union(empty));
  EXPECT_EQ(u.m_max, a.m_max);
  EXPECT_FALSE(u.Union(empty, empty));
  EXPECT_EQ(u.m_min, ON_3dPoint(1, 0, 0));

  ON_BoundingBox i;
  EXPECT_TRUE(i.Intersection(a, b));
  EXPECT_EQ(i.m_min, ON_3dPoint(1, 1, 1));
  EXPECT_EQ(i.m_max, ON_3dPoint(2, 2, 2));
  EXPECT_FALSE(i.Intersection(a, far));
  EXPECT_FALSE(i.IsValid());
  EXPECT_FALSE(i.Intersection(a, empty));
}

TEST(BoundingBox, MeasuresCornersAndContainment)
{
  const ON_BoundingBox box(ON_3dPoint(0, 0, 0), ON_3dPoint(2, 4, 6));
  EXPECT_EQ(box.Center(), ON_3dPoint(1, 2, 3));
  EXPECT_EQ(box.Diagonal(), ON_3dVector(2, 4, 6));
  EXPECT_EQ(box.Volume(), 48.0);
  ON_3dPoint corners[8];
  ASSERT_TRUE(box.GetCorners(corners));
  EXPECT_EQ(corners[1], ON_3dPoint(0, 0, 6));
  EXPECT_EQ(corners[2], ON_3dPoint(0, 4, 0));
  EXPECT_EQ(corners[4], ON_3dPoint(2, 0, 0));
  EXPECT_EQ(corners[7], box.m_max);
  ON_3dPointArray list;
  EXPECT_FALSE(ON_BoundingBox().GetCorners(list));
  EXPECT_TRUE(box.GetCorners(list));
  EXPECT_EQ(list.Count(), 8);

  EXPECT_TRUE(box.IsPointIn(ON_3dPoint(2, 4, 6)));
  EXPECT_FALSE(box.IsPointIn(ON_3dPoint(2, 4, 6), true));
  EXPECT_TRUE(box.IsPointIn(ON_3dPoint(1, 1, 1), true));
  EXPECT_FALSE(box.IsPointIn(ON_3dPoint(-0.1, 1, 1)));
}

TEST(Interval, ParametersAndIncludes)
{
  const ON_Interval d(2.0, 6.0);
  EXPECT_EQ(d.Length(), 4.0);
  EXPECT_EQ(d.ParameterAt(0.25), 3.0);
  EXPECT_EQ(d.NormalizedParameterAt(3.0), 0.25);
  EXPECT_EQ(d.NormalizedParameterAt(6.0), 1.0);
  EXPECT_EQ(d.ParameterAt(ON_UNSET_VALUE), ON_UNSET_VALUE);
  EXPECT_EQ(ON_Interval(1, 1).NormalizedParameterAt(1.0), 0.0);
  EXPECT_TRUE(d.IsIncreasing());
  EXPECT_TRUE(d.Includes(6.0));
  EXPECT_FALSE(d.Includes(6.0, true));
  EXPECT_TRUE(d.Includes(ON_Interval(3, 5), true));
  EXPECT_FALSE(d.Includes(ON_Interval(2, 6), true));

  ON_Interval r = d;
  r.Swap();
  EXPECT_TRUE(r.IsDecreasing());
  EXPECT_EQ(r.Min(), 2.0);
  EXPECT_TRUE(r.Includes(5.0));
  EXPECT_EQ(r.Length(), -4.0);
  r.Reverse();
  EXPECT_EQ(r, ON_Interval(-2.0, -6.0));

  ON_Interval x = d;
  EXPECT_TRUE(x.Intersection(ON_Interval(5, 9)));
  EXPECT_EQ(x, ON_Interval(5, 6));
  EXPECT_FALSE(x.Intersection(ON_Interval(7, 9)));
  EXPECT_TRUE(x.IsEmptySet());
  EXPECT_TRUE(x.Union(d));
  EXPECT_EQ(x, d);
  EXPECT_FALSE(ON_Interval(ON_UNSET_VALUE, 1).IsValid());
}
