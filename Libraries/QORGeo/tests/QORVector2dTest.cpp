#include "QORPoint2d.h"
#include "QORVector2d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

TEST(QORVector2d, AngleIsClampedForParallelVectors)
{
  EXPECT_EQ(QORVector2d::Angle(ON_2dVector(1, 0), ON_2dVector(0, 2), 1), 90.0);
  EXPECT_DOUBLE_EQ(QORVector2d::Angle(ON_2dVector(1, 1), ON_2dVector(-1, 0), 0), 0.75 * ON_PI);
  // Survey-sized parallel vectors: the cosine rounds past 1 for many of them; never NaN.
  std::mt19937 random(11);
  std::uniform_real_distribution<double> coordinate(-5e5, 5e5);
  for (int i = 0; i < 2000; i++)
  {
    const ON_2dVector v(coordinate(random), coordinate(random));
    const double same = QORVector2d::Angle(v, v * 0.3, 1), opposite = QORVector2d::Angle(v, -v * 7.0, 1);
    ASSERT_FALSE(std::isnan(same)) << v.x << " " << v.y;
    ASSERT_FALSE(std::isnan(opposite)) << v.x << " " << v.y;
    EXPECT_NEAR(same, 0.0, 1e-5);
    EXPECT_NEAR(opposite, 180.0, 1e-5);
  }
}

TEST(QORVector2d, AngleWithXAxisCoversAFullTurn)
{
  struct Case
  {
    ON_2dVector v;
    double degrees;
  };
  const Case cases[] = {{{1, 0}, 0}, {{0, 1}, 90},   {{-1, 0}, 180},      {{0, -1}, 270},
                        {{0, 0}, 0}, {{1, -1}, 315}, {{-1, 1e-300}, 180}, {{1, -1e-300}, 0}};
  for (const Case& c : cases)
  {
    const double degrees = QORVector2d::AngleWithXAxis(c.v, 1);
    EXPECT_NEAR(degrees, c.degrees, 1e-12) << c.v.x << " " << c.v.y;
    EXPECT_TRUE(degrees >= 0.0 && degrees < 360.0);
  }
  EXPECT_EQ(QORVector2d::AngleWithXAxis(ON_2dVector(0, -1), 0), 1.5 * ON_PI);
}

TEST(QORVector2d, EqualIsABoxTestInPlan)
{
  EXPECT_EQ(QORVector2d::Equal(ON_2dVector(0, 0), ON_2dVector(0.5, -0.5), 0.5), 1);
  EXPECT_EQ(QORVector2d::Equal(ON_2dVector(0, 0), ON_2dVector(0.5, -0.51), 0.5), 0);
  EXPECT_EQ(QORVector2d::Equal(ON_3dVector(1, 2, 3), ON_3dVector(1, 2, -30), 0.0), 1);
  ON_2dVector v(1, 2);
  QORVector2d::Unset(v);
  EXPECT_TRUE(v.IsUnsetVector());
  ON_2dPoint p(1, 2);
  QORPoint2d::Unset(p);
  EXPECT_EQ(p.x, ON_UNSET_VALUE);
  EXPECT_EQ(p.y, ON_UNSET_VALUE);
}

TEST(QORPoint2d, EqualAndDistanceIgnoreZ)
{
  EXPECT_EQ(QORPoint2d::Distance(ON_3dPoint(0, 0, 5), ON_3dPoint(3, 4, -5)), 5.0);
  EXPECT_EQ(QORPoint2d::Equal(ON_3dPoint(0, 0, 5), ON_3dPoint(3, 4, -5), 5.0), 1);
  EXPECT_EQ(QORPoint2d::Equal(ON_3dPoint(0, 0, 5), ON_3dPoint(3, 4, -5), std::nextafter(5.0, 0.0)), 0);
  EXPECT_EQ(QORPoint2d::Equal(ON_3dPoint(1, 1, 0), ON_3dPoint(1, 1, 9), 0.0), 1);
  EXPECT_EQ(QORPoint2d::Equal(ON_3dPoint(500000.1, 1, 0), ON_3dPoint(std::nextafter(500000.1, 1e6), 1, 0), 0.0), 0);
}
