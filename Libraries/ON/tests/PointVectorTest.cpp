#include "opennurbs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
} // namespace

TEST(Vector, PerpendicularToFollowsTheDecisionTable)
{
  struct Case
  {
    ON_3dVector v, expected;
    bool rc;
  };
  const Case cases[] = {
      {{0, 0, 1}, {1, 0, 0}, true},  {{0, 0, -1}, {-1, 0, 0}, true},    {{1, 0, 0}, {0, 1, 0}, true},
      {{0, 1, 0}, {0, 0, 1}, true},  {{1, 2, 3}, {0, 3, -2}, true},     {{3, 2, 1}, {-2, 3, 0}, true},
      {{2, 3, 1}, {3, -2, 0}, true}, {{2, 3, 2.5}, {0, -2.5, 3}, true}, {{2, 1, 3}, {3, 0, -2}, true},
      {{3, 1, 2}, {-2, 0, 3}, true},
  };
  for (const Case& c : cases)
  {
    ON_3dVector p;
    EXPECT_EQ(p.PerpendicularTo(c.v), c.rc);
    EXPECT_EQ(p, c.expected) << c.v.x << "," << c.v.y << "," << c.v.z;
    EXPECT_EQ(ON_DotProduct(p, c.v), 0.0);
  }
  ON_3dVector p(7, 7, 7);
  EXPECT_FALSE(p.PerpendicularTo(ON_3dVector(0, 0, 0)));
  EXPECT_TRUE(p.IsZero());
  EXPECT_TRUE(std::signbit(p.x)); // (-0, 0, 0)
}

TEST(Vector, TriangleNormal)
{
  ON_3dVector n;
  ASSERT_TRUE(n.PerpendicularTo(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 0)));
  EXPECT_EQ(n, ON_3dVector(0, 0, 1));
  ASSERT_TRUE(n.PerpendicularTo(ON_3dPoint(0, 0, 0), ON_3dPoint(0, 1, 0), ON_3dPoint(1, 0, 0)));
  EXPECT_EQ(n, ON_3dVector(0, 0, -1));
  ASSERT_TRUE(n.PerpendicularTo(ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 0), ON_3dPoint(0, 0, 1)));
  EXPECT_NEAR(n.x, 1 / std::sqrt(3.0), 1e-15);
  EXPECT_TRUE(n.IsUnitVector());

  const ON_3dPoint degenerate[][3] = {
      {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}}, {{0, 0, 0}, {0, 0, 0}, {1, 0, 0}}, {{0, 0, 0}, {kNaN, 0, 0}, {1, 0, 0}}};
  for (const auto& t : degenerate)
  {
    n.Set(5, 5, 5);
    EXPECT_FALSE(n.PerpendicularTo(t[0], t[1], t[2]));
    EXPECT_TRUE(n.IsZero());
  }
}

TEST(Vector, UnitizeFailsToZeroAndSurvivesExtremeMagnitudes)
{
  const ON_3dVector failing[] = {{0, 0, 0}, {kNaN, 1, 0}, {kInf, 0, 0}, {1, -kInf, 0}};
  for (ON_3dVector v : failing)
  {
    EXPECT_FALSE(v.Unitize());
    EXPECT_TRUE(v.IsZero());
  }
  ON_3dVector huge(1e300, 1e300, 0);
  EXPECT_NEAR(huge.Length(), std::sqrt(2.0) * 1e300, 1e285);
  ASSERT_TRUE(huge.Unitize());
  EXPECT_NEAR(huge.x, std::sqrt(0.5), 1e-15);
  ON_3dVector tiny(0, 1e-310, 0); // denormal
  ASSERT_TRUE(tiny.Unitize());
  EXPECT_EQ(tiny, ON_3dVector(0, 1, 0));
  ON_3fVector f(0, 3, 4);
  ASSERT_TRUE(f.Unitize());
  EXPECT_FLOAT_EQ(f.z, 0.8f);
  ON_2dVector v2(0, 0);
  EXPECT_FALSE(v2.Unitize());
}

TEST(Vector, ProductsAndParallelism)
{
  const ON_3dVector a(1, 2, 3), b(4, 5, 6);
  EXPECT_EQ(ON_DotProduct(a, b), 32.0);
  EXPECT_EQ(a * b, 32.0);
  EXPECT_EQ(ON_CrossProduct(a, b), ON_3dVector(-3, 6, -3));
  EXPECT_EQ(ON_CrossProduct(ON_xaxis, ON_yaxis), ON_zaxis);
  EXPECT_EQ(ON_3dVector::XAxis.IsParallelTo(ON_3dVector(-2, 0, 0)), -1);
  EXPECT_EQ(ON_3dVector::XAxis.IsParallelTo(ON_3dVector(2, 0.001, 0)), 1);
  EXPECT_EQ(ON_3dVector::XAxis.IsParallelTo(ON_3dVector(0, 0, 0)), 0);
  EXPECT_TRUE(ON_3dVector::XAxis.IsPerpendicularTo(ON_3dVector::ZAxis));
}

TEST(Point, ArithmeticAndConversions)
{
  const ON_3dPoint p(1, 2, 3), q(4, 6, 3);
  EXPECT_EQ(q - p, ON_3dVector(3, 4, 0));
  EXPECT_EQ(p.DistanceTo(q), 5.0);
  EXPECT_EQ(p + ON_3dVector(1, 1, 1), ON_3dPoint(2, 3, 4));
  EXPECT_EQ(0.5 * (p + q), ON_3dPoint(2.5, 4, 3));
  EXPECT_EQ(p / 2.0, ON_3dPoint(0.5, 1, 1.5));
  EXPECT_EQ(p[2], 3.0);
  EXPECT_EQ(ON_3dPoint(ON_4dPoint(2, 4, 6, 2)), p);
  EXPECT_EQ(ON_3dPoint(ON_4dPoint(2, 4, 6, 0)), ON_3dPoint(2, 4, 6));
  EXPECT_EQ(ON_3dPoint(ON_2dPoint(1, 2)), ON_3dPoint(1, 2, 0));
  const ON_3fPoint f = ON_3dPoint(0.1, 0.2, 0.3);
  EXPECT_EQ(f.x, 0.1f);
  EXPECT_EQ(ON_3dPoint(f).x, static_cast<double>(0.1f));
  EXPECT_EQ(p.MaximumCoordinateIndex(), 2);
  EXPECT_EQ(ON_3dPoint::Origin, ON_origin);
  EXPECT_TRUE(ON_3dPoint::UnsetPoint.IsUnsetPoint());
}

TEST(Point, DictionaryOrderAndNaN)
{
  const ON_3dPoint a(1, 2, 3);
  EXPECT_TRUE(a < ON_3dPoint(2, 0, 0));
  EXPECT_TRUE(a < ON_3dPoint(1, 3, 0));
  EXPECT_TRUE(a < ON_3dPoint(1, 2, 4));
  EXPECT_FALSE(a < a);
  EXPECT_TRUE(a <= a);
  EXPECT_TRUE(a >= a);
  EXPECT_TRUE(ON_3dPoint(1, 2, 4) > a);
  const ON_3dPoint n(kNaN, 0, 0);
  EXPECT_FALSE(n < a);
  EXPECT_FALSE(a < n);
  EXPECT_FALSE(n == n);
  EXPECT_TRUE(n != n);
}

TEST(Point, ValidityFollowsTheUnsetValueAndFiniteness)
{
  EXPECT_TRUE(ON_3dPoint(0, 0, 0).IsValid());
  EXPECT_FALSE(ON_3dPoint(ON_UNSET_VALUE, 0, 0).IsValid());
  EXPECT_FALSE(ON_3dPoint(0, kNaN, 0).IsValid());
  EXPECT_FALSE(ON_3dVector(0, 0, -kInf).IsValid());
  EXPECT_TRUE(ON_3dPoint(1.23432101234321e+308, 0, 0).IsValid()); // v4/v5 rule
  EXPECT_FALSE(ON_3fPoint(ON_UNSET_FLOAT, 0, 0).IsValid());
  EXPECT_FALSE(ON_IsValid(ON_UNSET_VALUE));
  EXPECT_TRUE(ON_IsValidFloat(1.0f));
  EXPECT_EQ(ON_KnotCount(3, 5), 6);
}
