#include "opennurbs.h"

#include <gtest/gtest.h>

namespace
{

void ExpectNear(const ON_3dVector& a, const ON_3dVector& b, double tolerance = 1e-14)
{
  EXPECT_NEAR(a.x, b.x, tolerance);
  EXPECT_NEAR(a.y, b.y, tolerance);
  EXPECT_NEAR(a.z, b.z, tolerance);
}

} // namespace

TEST(ON_Xform, DefaultIsNotIdentityButDiagonalConstructorIs)
{
  const ON_Xform zero;
  EXPECT_EQ(zero.m_xform[0][0], 0.0);
  EXPECT_EQ(zero.m_xform[3][3], 1.0);
  EXPECT_TRUE(ON_Xform(1).IsIdentity());
}

TEST(ON_Xform, InverseUndoesAnAffineMap)
{
  ON_Xform rotation;
  rotation.Rotation(0.7, ON_3dVector(1.0, 2.0, 3.0), ON_3dPoint(5.0, -1.0, 2.0));
  ON_Xform scale;
  scale.Scale(ON_3dPoint(1.0, 1.0, 1.0), 3.0);
  ON_Xform move;
  move.Translation(659501.0, 4751301.0, 955.0);
  const ON_Xform map = move * rotation * scale;
  double pivot = 0.0;
  const ON_Xform back = map.Inverse(&pivot);
  EXPECT_GT(pivot, 0.0);
  const ON_3dPoint p(659510.25, 4751322.5, 960.125);
  const ON_3dPoint q = back * (map * p);
  EXPECT_NEAR(q.x, p.x, 1e-8);
  EXPECT_NEAR(q.y, p.y, 1e-8);
  EXPECT_NEAR(q.z, p.z, 1e-8);
  EXPECT_TRUE((map * back).IsIdentity(1e-9));
}

TEST(ON_Xform, SingularMatrixDoesNotInvert)
{
  ON_Xform flatten;
  flatten.Scale(1.0, 1.0, 0.0);
  EXPECT_FALSE(flatten.Invert());
}

TEST(ON_Xform, PointsDivideByWeightVectorsIgnoreTranslation)
{
  ON_Xform m(1.0);
  m.m_xform[0][3] = 4.0;
  m.m_xform[3][3] = 2.0;
  const ON_3dPoint p = m * ON_3dPoint(2.0, 4.0, 6.0);
  EXPECT_EQ(p.x, 3.0);
  EXPECT_EQ(p.y, 2.0);
  const ON_3dVector v = m * ON_3dVector(2.0, 4.0, 6.0);
  EXPECT_EQ(v.x, 2.0);
}

TEST(ON_Xform, RotationCarriesOnePlaneOntoAnother)
{
  const ON_Plane world;
  const ON_Plane target(ON_3dPoint(1.0, 2.0, 3.0), ON_3dVector(0.0, -1.0, 0.0));
  ON_Xform map;
  map.Rotation(world, target);
  // (a, b, c) goes to origin + a X + b Y + c Z.
  const ON_3dPoint p = map * ON_3dPoint(2.0, 3.0, 4.0);
  const ON_3dPoint expected = target.origin + 2.0 * target.xaxis + 3.0 * target.yaxis + 4.0 * target.zaxis;
  ExpectNear(ON_3dVector(p), ON_3dVector(expected));
}

TEST(ON_Plane, FrameFromNormalFollowsThePerpendicularRule)
{
  struct Case
  {
    ON_3dVector normal, x, y;
  };
  const Case cases[] = {
      {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}, {{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}}, {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
      {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}, {{0, 0, 7}, {1, 0, 0}, {0, 1, 0}},
  };
  for (const Case& c : cases)
  {
    const ON_Plane plane(ON_3dPoint(0, 0, 0), c.normal);
    ExpectNear(plane.xaxis, c.x);
    ExpectNear(plane.yaxis, c.y);
    ExpectNear(plane.zaxis, c.normal.UnitVector());
    EXPECT_TRUE(plane.IsValid());
  }
  const ON_Plane general(ON_3dPoint(0, 0, 0), ON_3dVector(1, 2, 3));
  ExpectNear(general.xaxis, ON_3dVector(0, 3, -2).UnitVector());
  EXPECT_TRUE(general.IsValid());
}

TEST(ON_Plane, ZeroNormalFails)
{
  ON_Plane plane;
  EXPECT_FALSE(plane.CreateFromNormal(ON_3dPoint(0, 0, 0), ON_3dVector(0, 0, 0)));
  EXPECT_FALSE(plane.IsValid());
}
