#include "opennurbs.h"
#include "opennurbs_xform.h"

#include <gtest/gtest.h>

TEST(Transform, PointsDivideByWAndCollapseWhenWIsZero)
{
  ON_Xform move;
  move.Translation(1, 2, 3);
  ON_3dPoint p(1, 1, 1);
  p.Transform(move);
  EXPECT_EQ(p, ON_3dPoint(2, 3, 4));

  ON_Xform projective(1);
  projective.m_xform[3][3] = 2.0;
  p.Transform(projective);
  EXPECT_EQ(p, ON_3dPoint(1, 1.5, 2));

  ON_Xform vanishing(1);
  vanishing.m_xform[3][3] = 0.0;
  p.Transform(vanishing);
  EXPECT_EQ(p, ON_3dPoint(0, 0, 0));
}

TEST(Transform, VectorsIgnoreTranslation)
{
  ON_Xform xform;
  xform.Translation(5, 5, 5);
  xform.m_xform[0][0] = 2.0;
  ON_3dVector v(1, 1, 0);
  v.Transform(xform);
  EXPECT_EQ(v, ON_3dVector(2, 1, 0));
}

TEST(Transform, ArraysLinesAndPointObjects)
{
  ON_Xform scale;
  scale.Scale(2, 2, 2);
  ON_3dPointArray points;
  EXPECT_FALSE(points.Transform(scale));
  points.Append(ON_3dPoint(1, 2, 3));
  EXPECT_TRUE(points.Transform(scale));
  EXPECT_EQ(points[0], ON_3dPoint(2, 4, 6));

  ON_Line line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0));
  EXPECT_TRUE(line.Transform(scale));
  EXPECT_EQ(line.to, ON_3dPoint(2, 0, 0));

  ON_Point point(1, 1, 1);
  ON_Geometry& geometry = point;
  EXPECT_TRUE(geometry.Transform(scale));
  EXPECT_EQ(point.point, ON_3dPoint(2, 2, 2));
}
