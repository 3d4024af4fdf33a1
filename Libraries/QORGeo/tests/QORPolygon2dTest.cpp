#include "QORFacet2d.h"
#include "QORPolygon2d.h"

#include "GeoTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace geotest;

namespace
{

const ON_Polyline kSquare = Polyline({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}});
const ON_Polyline kClockwise = Polyline({{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}, {0, 0, 0}});
// An L: the square [0,2]x[0,2] without its upper right quarter.
const ON_Polyline kL = Polyline({{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {1, 2, 0}, {0, 2, 0}, {0, 0, 0}});

} // namespace

TEST(QORPolygon2d, PointAndPolygon)
{
  struct Case
  {
    ON_3dPoint p;
    int code;
  };
  const Case cases[] = {
      {{0.5, 0.5, 9}, 0}, {{0, 0, 0}, 1},     {{2, 0.5, 0}, 1}, {{-0.5, 0.5, 0}, 2},
      {{1.5, 1.5, 0}, 2}, {{0.5, 1.5, 0}, 0}, {{1, 1.5, 0}, 1}, {{1, 0.5, 0}, 0},
      {{2.5, 1, 0}, 2},   {{-1, 1, 0}, 2},    {{3, 2, 0}, 2},   {{0.5, 2.0000001, 0}, 2},
  };
  for (const Case& c : cases)
    EXPECT_EQ(QORPolygon2d::PointAndPolygon(c.p, kL, 0.0), c.code) << c.p.x << " " << c.p.y;
  EXPECT_EQ(QORPolygon2d::PointAndPolygon(ON_3dPoint(0.5, 0.5, 0), kSquare, 0.0001), 0);
  EXPECT_EQ(QORPolygon2d::PointAndPolygon(ON_3dPoint(1, 1, 0), kSquare, 0.0001), 1);
  EXPECT_EQ(QORPolygon2d::PointAndPolygon(ON_3dPoint(-0.5, 0.5, 0), kSquare, 0.0001), 2);
  EXPECT_EQ(QORPolygon2d::PointAndPolygon(ON_3dPoint(-0.00005, 0.5, 0), kSquare, 0.0001), 2); // box without tolerance
  EXPECT_EQ(QORPolygon2d::PointAndPolygon(ON_3dPoint(0.5, 0.5, 0), Polyline({{0, 0, 0}}), 0.0001), 2);
  EXPECT_EQ(QORPolygon2d::PointOnPolygon(ON_3dPoint(0.5, 1, 0), kSquare, 0.0), 1);
}

TEST(QORPolygon2d, SegmentAndPolygon)
{
  struct Case
  {
    ON_Line s;
    int code;
  };
  const Case cases[] = {
      {{{0.2, 0.2, 0}, {0.8, 0.7, 0}}, 0}, // inside
      {{{1, 0, 0}, {1, 1, 0}}, 1},         // a side
      {{{0, 1, 0}, {1, 1, 0}}, 1},         // a side, the other way round
      {{{2, 2, 0}, {3, 5, 0}}, 2},         // outside
      {{{0.5, 0.5, 0}, {1, 0.5, 0}}, 3},   // inside to the boundary
      {{{0, 0, 0}, {1, 1, 0}}, 3},         // a diagonal between corners
      {{{0.5, 0, 0}, {1, 0.5, 0}}, 3},     // between two sides, through the inside
      {{{2, 0.5, 0}, {1, 0.5, 0}}, 4},     // outside to the boundary
      {{{0, 0, 0}, {0.5, 0, 0}}, 4},       // along part of a side
      {{{0.5, 0.5, 0}, {2, 0.5, 0}}, 5},   // crossing a side
      {{{-1, 0.5, 0}, {2, 0.5, 0}}, 5},    // through
  };
  for (const Case& c : cases)
    EXPECT_EQ(QORPolygon2d::SegmentAndPolygon(c.s, kSquare, 0.0001), c.code) << c.s.from.x << " " << c.s.to.x;
  EXPECT_EQ(QORPolygon2d::IsSegment(ON_Line(ON_3dPoint(1, 1, 5), ON_3dPoint(1, 0, 5)), kSquare, 0, 0.0), 0);
  EXPECT_EQ(QORPolygon2d::IsSegment(ON_Line(ON_3dPoint(1, 1, 5), ON_3dPoint(1, 0, 5)), kSquare, 1, 0.0), 1);
}

TEST(QORPolygon2d, ConvexAreaAndOrientation)
{
  EXPECT_EQ(QORPolygon2d::IsConvex(kSquare, 0, 0.0), 1);
  EXPECT_EQ(QORPolygon2d::Area(kSquare), 1.0);
  EXPECT_EQ(QORPolygon2d::Orientation(kSquare), 1);
  EXPECT_EQ(QORPolygon2d::IsConvex(kClockwise, 0, 0.0), 1);
  EXPECT_EQ(QORPolygon2d::Area(kClockwise), -1.0);
  EXPECT_EQ(QORPolygon2d::Orientation(kClockwise), 0);
  // A straight midpoint on a side, also as the first or the repeated point.
  const ON_Polyline midpoints[] = {
      Polyline({{0, 0, 0}, {0.5, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}}),
      Polyline({{0.5, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}, {0.5, 0, 0}}),
  };
  for (const ON_Polyline& p : midpoints)
  {
    EXPECT_EQ(QORPolygon2d::IsConvex(p, 0, 0.0), 0);
    EXPECT_EQ(QORPolygon2d::IsConvex(p, 1, 0.0), 1);
    EXPECT_EQ(QORPolygon2d::Area(p), 1.0);
  }
  EXPECT_EQ(QORPolygon2d::IsConvex(kL, 1, 0.0), 0);
  EXPECT_EQ(QORPolygon2d::Area(kL), 3.0);
  // A dent shallower than the tolerance counts as straight.
  const ON_Polyline dent = Polyline({{0, 0, 0}, {0.5, 0.001, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}});
  EXPECT_EQ(QORPolygon2d::IsConvex(dent, 1, 0.0), 0);
  EXPECT_EQ(QORPolygon2d::IsConvex(dent, 1, 0.01), 1);
  EXPECT_EQ(QORPolygon2d::IsConvex(dent, 0, 0.01), 0);
  // Degenerate inputs: no area, nothing read past the end.
  const ON_Polyline flat = Polyline({{0, 0, 0}, {2, 0, 0}, {1, 0, 0}, {0, 0, 0}});
  EXPECT_EQ(QORPolygon2d::Orientation(flat), 2);
  EXPECT_EQ(QORPolygon2d::Area(Polyline({{3, 4, 0}})), 0.0);
  EXPECT_EQ(QORPolygon2d::Orientation(ON_Polyline()), 2);
  EXPECT_EQ(QORPolygon2d::IsConvex(Polyline({{3, 4, 0}}), 0, 0.0), 1);
  // Survey coordinates: a triangle whose third corner is one unit in the last place above the
  // middle of the opposite side has a tiny positive area that rounding would lose.
  const double y = std::nextafter(4100050.5, 5e6);
  const ON_Polyline sliver = Polyline(
      {{500000.125, 4100000.5, 0}, {500100.125, 4100100.5, 0}, {500050.125, y, 0}, {500000.125, 4100000.5, 0}});
  EXPECT_EQ(QORPolygon2d::Orientation(sliver), 1);
  EXPECT_GT(QORPolygon2d::Area(sliver), 0.0);
  EXPECT_EQ(
      QORPolygon2d::Orientation(Polyline(
          {{500000.125, 4100000.5, 0}, {500050.125, y, 0}, {500100.125, 4100100.5, 0}, {500000.125, 4100000.5, 0}})),
      0);
}

TEST(QORPolygon2d, FacetUnderPolygon)
{
  struct Case
  {
    ON_3dPoint a, b, c;
    int under;
  };
  const Case cases[] = {
      {{0.2, 0.2, 0}, {0.4, 0.2, 0}, {0.2, 0.4, 0}, 1}, // inside
      {{0.5, 0.5, 0}, {3, 0.5, 0}, {3, 3, 0}, 1},       // a corner inside
      {{-1, 0.5, 0}, {2, 0.5, 0}, {0.5, -2, 0}, 1},     // sides crossing, no corner inside
      {{-5, -5, 0}, {10, -5, 0}, {-5, 10, 0}, 1},       // covering the square
      {{2, 2, 0}, {3, 2, 0}, {2, 3, 0}, 0},             // apart
      {{1, 0, 0}, {2, 0, 0}, {1, 1, 0}, 0},             // sharing a side
  };
  for (const Case& c : cases)
    EXPECT_EQ(QORPolygon2d::FacetUnderPolygon(kSquare, c.a, c.b, c.c, 0.0001), c.under) << c.a.x << " " << c.b.x;
}

TEST(QORFacet2d, InsideOnASideOrAtACorner)
{
  const ON_3dPoint A(0, 0, 0), B(4, 0, 5), C(0, 4, -5);
  struct Case
  {
    ON_3dPoint p;
    int inside;
  };
  const Case cases[] = {{{1, 1, 99}, 1}, {{2, 0, 0}, 1},  {{2, 2, 0}, 1}, {{4.00005, 0, 0}, 1},
                        {{3, 3, 0}, 0},  {{-1, 1, 0}, 0}, {{5, 0, 0}, 0}, {{1e-3, -1e-3, 0}, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(QORFacet2d::IsPointInsideFacet(A, B, C, c.p), c.inside) << c.p.x << " " << c.p.y;
  // On the long side at survey coordinates, where the cosine of opposite vectors rounds past -1.
  const ON_3dVector s(500000.123, 4100000.456, 0);
  EXPECT_EQ(QORFacet2d::IsPointInsideFacet(A + s, B + s, C + s, ON_3dPoint(1.3, 2.7, 0) + s), 1);
}
