#include "opennurbs.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ON_Arc, ThroughThreePointsRunsFromTheFirstToTheLast)
{
  // Counter-clockwise quarter: P at angle 0, R at 90 degrees.
  ON_Arc arc;
  ASSERT_TRUE(arc.Create(ON_3dPoint(1, 0, 0), ON_3dPoint(std::sqrt(0.5), std::sqrt(0.5), 0), ON_3dPoint(0, 1, 0)));
  EXPECT_TRUE(arc.IsValid());
  EXPECT_NEAR(arc.radius, 1.0, 1e-15);
  EXPECT_NEAR(arc.Center().DistanceTo(ON_3dPoint(0, 0, 0)), 0.0, 1e-15);
  EXPECT_NEAR(arc.AngleRadians(), 0.5 * ON_PI, 1e-14);
  EXPECT_NEAR(arc.StartPoint().DistanceTo(ON_3dPoint(1, 0, 0)), 0.0, 1e-15);
  EXPECT_NEAR(arc.EndPoint().DistanceTo(ON_3dPoint(0, 1, 0)), 0.0, 1e-15);
  EXPECT_NEAR((arc.plane.zaxis - ON_3dVector(0, 0, 1)).Length(), 0.0, 1e-15);

  // Clockwise in plan: the normal turns down and the sweep stays positive (three quarters
  // would be wrong). At survey coordinates the centre keeps to rounding.
  const ON_3dVector shift(500000.123, 4100000.456, 12.5);
  const ON_Arc cw(ON_3dPoint(0, 1, 0) + shift, ON_3dPoint(std::sqrt(0.5), std::sqrt(0.5), 0) + shift,
                  ON_3dPoint(1, 0, 0) + shift);
  EXPECT_TRUE(cw.IsValid());
  EXPECT_NEAR(cw.AngleRadians(), 0.5 * ON_PI, 1e-9);
  EXPECT_NEAR(cw.Center().DistanceTo(ON_3dPoint(shift)), 0.0, 1e-9);
  EXPECT_LT(cw.plane.zaxis.z, 0.0);

  // More than half a turn: P, Q, R going round past the far side.
  const ON_Arc big(ON_3dPoint(1, 0, 0), ON_3dPoint(-1, 0, 0), ON_3dPoint(0, -1, 0));
  EXPECT_NEAR(big.AngleRadians(), 1.5 * ON_PI, 1e-14);

  ON_Arc bad;
  EXPECT_FALSE(bad.Create(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 1, 0), ON_3dPoint(2, 2, 0)));
  EXPECT_FALSE(bad.IsValid());
  EXPECT_EQ(bad.radius, 0.0);
  EXPECT_EQ(bad.AngleRadians(), 0.0);
  ON_Circle circle;
  EXPECT_FALSE(circle.Create(ON_3dPoint(1, 1, 1), ON_3dPoint(1, 1, 1), ON_3dPoint(2, 2, 0)));
  EXPECT_EQ(circle.radius, 0.0);
}
