#include "opennurbs.h"

#include <gtest/gtest.h>


TEST(ON_Plane, FromThreePointsFollowsTheirTurn)
{
  const ON_Plane xy(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 0));
  EXPECT_TRUE(xy.IsValid());
  EXPECT_EQ(xy.origin, ON_3dPoint(0, 0, 0));
  EXPECT_EQ(xy.xaxis, ON_3dVector(1, 0, 0));
  EXPECT_EQ(xy.yaxis, ON_3dVector(0, 1, 0));
  EXPECT_EQ(xy.zaxis, ON_3dVector(0, 0, 1));

  ON_Plane plane;
  ASSERT_TRUE(plane.CreateFromPoints(ON_3dPoint(1, 1, 1), ON_3dPoint(1, 1, 3), ON_3dPoint(1, 0, 1)));
  EXPECT_EQ(plane.xaxis, ON_3dVector(0, 0, 1));
  EXPECT_NEAR((plane.zaxis - ON_3dVector(1, 0, 0)).Length(), 0.0, 1e-15);
  EXPECT_NEAR(plane.DistanceTo(ON_3dPoint(4, 7, -2)), 3.0, 1e-12);
  const ON_3dPoint foot = plane.ClosestPointTo(ON_3dPoint(4, 7, -2));
  EXPECT_NEAR(foot.DistanceTo(ON_3dPoint(1, 7, -2)), 0.0, 1e-12);

  const ON_3dPoint P(3, 4, 5);
  EXPECT_FALSE(plane.CreateFromPoints(P, P, ON_3dPoint(1, 2, 3)));
  const ON_Plane line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 2, 3), ON_3dPoint(2, 4, 6));
  EXPECT_FALSE(line.IsValid());
  EXPECT_TRUE(line.zaxis.IsZero());
}
