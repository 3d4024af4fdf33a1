#include "QORGeometry.h"

#include <gtest/gtest.h>

TEST(QORGeometry, ScaleAboutACentre)
{
  struct Case
  {
    ON_3dPoint point, centre;
    ON_3dVector factors;
    ON_3dPoint scaled;
  };
  const Case cases[] = {
      {{1, 2, 3}, {0, 0, 0}, {2, 3, 4}, {2, 6, 12}},
      {{1, 2, 3}, {1, 1, 1}, {2, 3, 4}, {1, 4, 9}},
      {{500010.5, 4100020.25, 5}, {500000.5, 4100000.25, 0}, {0.5, 0.5, 2}, {500005.5, 4100010.25, 10}},
  };
  for (const Case& c : cases)
  {
    ON_Point point(c.point);
    QORGeometry::Scale(point, c.factors, c.centre);
    EXPECT_EQ(point.point, c.scaled);
  }
  ON_NurbsCurve curve;
  const ON_3dPoint cvs[2] = {{2, 0, 0}, {4, 2, 0}};
  curve.CreateClampedUniformNurbs(3, 2, 2, cvs);
  QORGeometry::Scale(curve, ON_3dVector(-1, 1, 1), ON_3dPoint(3, 0, 0));
  EXPECT_EQ(curve.PointAtStart(), ON_3dPoint(4, 0, 0));
  EXPECT_EQ(curve.PointAtEnd(), ON_3dPoint(2, 2, 0));
}
