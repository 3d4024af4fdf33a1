#include "QORVector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

TEST(QORVector, EqualIsABoxTest)
{
  EXPECT_EQ(QORVector::Equal(ON_3dVector(0, 0, 0), ON_3dVector(0.0001, 0.0001, 0.0001), 0.0001), 1);
  EXPECT_EQ(QORVector::Equal(ON_3dVector(0, 0, 0), ON_3dVector(0.0001, 0.0001, 0.00011), 0.0001), 0);
  EXPECT_EQ(QORVector::Equal(ON_3dVector(1, 2, 3), ON_3dVector(1, 2, 3), 0.0), 1);
  ON_3dVector v(1, 2, 3);
  QORVector::Unset(v);
  EXPECT_TRUE(v.IsUnsetVector());
  EXPECT_EQ(v.z, ON_UNSET_VALUE);
}

TEST(QORVector, AngleAroundAReference)
{
  const ON_3dVector x(1, 0, 0), y(0, 1, 0), up(0, 0, 1), down(0, 0, -1);
  const ON_3dVector a(1, 2, 3);
  struct Case
  {
    ON_3dVector a, b, reference;
    double degrees;
  };
  const Case cases[] = {
      {x, y, up, 90},
      {x, y, down, 270},
      {y, x, up, 270},
      {a, a, up, 0},
      {a, -a, up, 180},
      {x, ON_3dVector(-1, 1, 0), up, 135},
      {x, ON_3dVector(1, -1, 0), up, 315},
      {x, y, ON_3dVector(1, 1, 1e-9), 90}, // a normal barely on the reference's side
  };
  for (const Case& c : cases)
  {
    EXPECT_NEAR(QORVector::Angle(c.a, c.b, c.reference, 1), c.degrees, 1e-12);
    EXPECT_NEAR(QORVector::Angle(c.a, c.b, c.reference, 0), c.degrees * ON_PI / 180.0, 1e-14);
  }
  EXPECT_EQ(QORVector::Angle(x, y, up, 1), 90.0);
  EXPECT_EQ(QORVector::Angle(x, y, down, 1), 270.0);
}

TEST(QORVector, PlainAngleIsClampedForNearlyParallelVectors)
{
  EXPECT_EQ(QORVector::Angle(ON_3dVector(1, 0, 0), ON_3dVector(0, 3, 0), 1), 90.0);
  EXPECT_EQ(QORVector::Angle(ON_3dVector(2, 0, 0), ON_3dVector(-5, 0, 0), 1), 180.0);
  EXPECT_DOUBLE_EQ(QORVector::Angle(ON_3dVector(1, 1, 0), ON_3dVector(0, 1, 0)), 0.25 * ON_PI);
  // Random unit-ish vectors and their scaled copies: the cosine may round past 1; never NaN.
  std::mt19937 random(3);
  std::uniform_real_distribution<double> coordinate(-1e6, 1e6);
  for (int i = 0; i < 1000; i++)
  {
    const ON_3dVector v(coordinate(random), coordinate(random), coordinate(random));
    const ON_3dVector w = v * 3.7;
    const double same = QORVector::Angle(v, w, 1), opposite = QORVector::Angle(v, -w, 1);
    ASSERT_FALSE(std::isnan(same));
    ASSERT_FALSE(std::isnan(opposite));
    EXPECT_NEAR(same, 0.0, 1e-5);
    EXPECT_NEAR(opposite, 180.0, 1e-5);
    ASSERT_FALSE(std::isnan(QORVector::Angle(v, w)));
    const double around = QORVector::Angle(v, w * (1 + 1e-15), ON_3dVector(0, 0, 1), 1);
    EXPECT_TRUE(around >= 0.0 && around < 360.0) << around;
  }
}
