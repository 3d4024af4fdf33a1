#include "QORPolyline2d.h"

#include "GeoTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace geotest;

TEST(QORPolyline2d, OffsetMovesEachVertexAlongItsBisectorNormal)
{
  ON_Polyline open = Polyline({{0, 0, 3}, {4, 0, 5}});
  EXPECT_EQ(QORPolyline2d::Offset(open, 1.0, 1), 1);
  ExpectPoints(open, {{0, 1, 3}, {4, 1, 5}});
  EXPECT_EQ(QORPolyline2d::Offset(open, 1.0, 2), 1);
  ExpectPoints(open, {{0, 0, 3}, {4, 0, 5}});

  // A right angle: the corner moves by the distance along the bisector normal, not to the
  // intersection of the offset sides.
  const double h = std::sqrt(0.5);
  ON_Polyline corner = Polyline({{0, 0, 0}, {2, 0, 0}, {2, 2, 0}});
  EXPECT_EQ(QORPolyline2d::Offset(corner, 1.0, 1), 1);
  ExpectPoints(corner, {{0, 1, 0}, {2 - h, h, 0}, {1, 2, 0}});

  // A closed square moved inwards: first and last vertex move alike.
  ON_Polyline square = Polyline({{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}, {0, 0, 0}});
  EXPECT_EQ(QORPolyline2d::Offset(square, std::sqrt(2.0), 1), 1);
  ExpectPoints(square, {{1, 1, 0}, {1, 1, 0}, {1, 1, 0}, {1, 1, 0}, {1, 1, 0}});

  // Turning straight back: the vertex follows its incoming side's normal.
  ON_Polyline spike = Polyline({{0, 0, 0}, {2, 0, 0}, {1, 0, 0}});
  EXPECT_EQ(QORPolyline2d::Offset(spike, 1.0, 1), 1);
  ExpectPoints(spike, {{0, 1, 0}, {2, 1, 0}, {1, -1, 0}});
}

TEST(QORPolyline2d, OffsetThatCannotBeMadeChangesNothing)
{
  const ON_Polyline line = Polyline({{0, 0, 0}, {4, 0, 0}});
  ON_Polyline copy = line;
  EXPECT_EQ(QORPolyline2d::Offset(copy, 0.0, 7), 1); // distance 0 first
  EXPECT_EQ(QORPolyline2d::Offset(copy, 1.0, 3), 0);
  ExpectPoints(copy, {{0, 0, 0}, {4, 0, 0}});
  ON_Polyline single = Polyline({{1, 1, 1}});
  EXPECT_EQ(QORPolyline2d::Offset(single, 1.0, 1), 0);
  ExpectPoints(single, {{1, 1, 1}});
}

TEST(QORPolyline2d, IntersectSegmentFindsTheFirstCrossingSegment)
{
  const ON_Polyline zigzag = Polyline({{0, 0, 0}, {2, 2, 4}, {4, 0, 0}, {6, 2, 4}});
  const ON_Line across(ON_3dPoint(-1, 1, 10), ON_3dPoint(7, 1, 10));
  ON_Line hit;
  ON_3dPoint onPolyline, onLine;
  ASSERT_EQ(QORPolyline2d::IntersectSegment(zigzag, across, hit, onPolyline, onLine, 0, 0.0001), 1);
  EXPECT_EQ(hit.from, zigzag[0]);
  EXPECT_EQ(hit.to, zigzag[1]);
  EXPECT_NEAR(onPolyline.DistanceTo(ON_3dPoint(1, 1, 2)), 0.0, 1e-12);
  EXPECT_NEAR(onLine.DistanceTo(ON_3dPoint(1, 1, 10)), 0.0, 1e-12);
  ON_2dPoint p;
  ASSERT_EQ(QORPolyline2d::IntersectSegment(zigzag, ON_Line(ON_3dPoint(2.5, 1, 0), ON_3dPoint(9, 1, 0)), p, 0, 0.0001),
            1);
  EXPECT_NEAR(p.x, 3.0, 1e-12); // the second segment, the first that crosses
  // Crossing the second segment exactly at the line's start does not count: the third is found.
  ASSERT_EQ(QORPolyline2d::IntersectSegment(zigzag, ON_Line(ON_3dPoint(3, 1, 0), ON_3dPoint(9, 1, 0)), p, 1, 0.0001),
            1);
  EXPECT_NEAR(p.x, 5.0, 1e-12);
  // Through a vertex only: the ends of segments never count.
  EXPECT_EQ(QORPolyline2d::IntersectSegment(zigzag, ON_Line(ON_3dPoint(2, 3, 0), ON_3dPoint(2, 2, 0)), p, 1, 0.0001),
            0);
  EXPECT_EQ(QORPolyline2d::IntersectSegment(Polyline({{0, 0, 0}}), across, p, 1, 0.0001), 0);
  ON_Polyline flat = zigzag;
  EXPECT_EQ(QORPolyline2d::Make2d(flat), 1);
  EXPECT_EQ(flat[1], ON_3dPoint(2, 2, 0));
}
