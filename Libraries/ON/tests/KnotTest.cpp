#include "opennurbs.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ON_Knot, ClampedUniformLayout)
{
  std::vector<double> knots(ON_KnotCount(4, 6));
  ASSERT_TRUE(ON_MakeClampedUniformKnotVector(4, 6, knots.data(), 1.0));
  EXPECT_EQ(knots, (std::vector<double>{0, 0, 0, 1, 2, 3, 3, 3}));
  std::vector<double> linear(ON_KnotCount(2, 3));
  ASSERT_TRUE(ON_MakeClampedUniformKnotVector(2, 3, linear.data(), 1.0));
  EXPECT_EQ(linear, (std::vector<double>{0, 1, 2}));
  EXPECT_FALSE(ON_MakeClampedUniformKnotVector(3, 3, linear.data(), 0.0));
  EXPECT_TRUE(ON_IsValidKnotVector(4, 6, knots.data()));
  knots[3] = -1.0;
  EXPECT_FALSE(ON_IsValidKnotVector(4, 6, knots.data()));
}

TEST(ON_Knot, SpanIndexClampsAndHonoursSide)
{
  const double knots[] = {0, 0, 1, 2, 3, 3}; // order 3, 5 control vertices
  EXPECT_EQ(ON_NurbsSpanIndex(3, 5, knots, -5.0), 0);
  EXPECT_EQ(ON_NurbsSpanIndex(3, 5, knots, 0.5), 0);
  EXPECT_EQ(ON_NurbsSpanIndex(3, 5, knots, 1.0), 1);
  EXPECT_EQ(ON_NurbsSpanIndex(3, 5, knots, 1.0, -1), 0);
  EXPECT_EQ(ON_NurbsSpanIndex(3, 5, knots, 3.0), 2);
  EXPECT_EQ(ON_NurbsSpanIndex(3, 5, knots, 9.0), 2);
}

TEST(ON_Knot, BasisIsAPartitionOfUnityWithMatchingDerivatives)
{
  const double knots[] = {0, 0, 0, 1, 2, 4, 4, 4}; // order 4, 6 control vertices
  const double h = 1e-6;
  for (double t : {0.0, 0.3, 1.0, 1.7, 3.9})
  {
    const int span = ON_NurbsSpanIndex(4, 6, knots, t);
    double N[3 * 4], Nh[3 * 4];
    ASSERT_TRUE(ON_EvaluateNurbsBasisDerivatives(4, knots + span, t, 2, N));
    ASSERT_TRUE(ON_EvaluateNurbsBasisDerivatives(4, knots + span, t + h, 2, Nh));
    double sum = 0.0, dsum = 0.0;
    for (int j = 0; j < 4; j++)
    {
      sum += N[j];
      dsum += N[4 + j];
      EXPECT_NEAR((Nh[j] - N[j]) / h, N[4 + j], 1e-4);
      EXPECT_NEAR((Nh[4 + j] - N[4 + j]) / h, N[8 + j], 1e-4);
    }
    EXPECT_NEAR(sum, 1.0, 1e-15);
    EXPECT_NEAR(dsum, 0.0, 1e-14);
  }
}
