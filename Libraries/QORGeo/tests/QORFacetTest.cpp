#include "QORFacet.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

// A right triangle in the plane z = 2, and the same triangle at survey coordinates.
const ON_3dPoint A(0, 0, 2), B(4, 0, 2), C(0, 4, 2);
const ON_3dVector kSurvey(500000.123, 4100000.456, 250.0);

} // namespace

TEST(QORFacet, PointOnFacetNeedsThePlaneAndTheInside)
{
  struct Case
  {
    ON_3dPoint p;
    double tolerance;
    int on;
  };
  const Case cases[] = {
      {{1, 1, 2}, 0.0001, 1},    // inside
      {{2, 0, 2}, 0.0001, 1},    // on a side
      {{2, 2, 2}, 0.0001, 1},    // on the long side
      {{4, 0, 2}, 0.0001, 1},    // a corner
      {{3, 3, 2}, 0.0001, 0},    // beyond the long side
      {{-0.5, 1, 2}, 0.0001, 0}, // beside the first side
      {{1, 1, 2.01}, 0.0001, 0}, // above the inside
      {{1, 1, 2.01}, 0.02, 1},   // within the tolerance of the plane
  };
  for (const Case& c : cases)
  {
    EXPECT_EQ(QORFacet::IsPointOnFacet(A, B, C, c.p, c.tolerance), c.on) << c.p.x << " " << c.p.y << " " << c.p.z;
    EXPECT_EQ(QORFacet::IsPointOnFacet(A + kSurvey, B + kSurvey, C + kSurvey, c.p + kSurvey, c.tolerance), c.on)
        << "survey " << c.p.x << " " << c.p.y;
  }
}

TEST(QORFacet, IntersectionsByLineRayAndSegment)
{
  struct Case
  {
    ON_Line l;
    int line, ray, segment; // results; the crossing is written whenever the range allows it
  };
  const Case cases[] = {
      {{{1, 1, 0}, {1, 1, 1}}, 1, 1, 0}, // crossing ahead of the ray, past the segment's end
      {{{1, 1, 3}, {1, 1, 1}}, 1, 1, 1}, // the segment crosses
      {{{1, 1, 3}, {1, 1, 4}}, 1, 0, 0}, // behind the ray
      {{{3, 3, 0}, {3, 3, 3}}, 0, 0, 0}, // the plane is met outside the facet
  };
  for (const Case& c : cases)
  {
    ON_3dPoint p(9, 9, 9);
    EXPECT_EQ(QORFacet::IntersectLine(A, B, C, c.l, p), c.line);
    EXPECT_NEAR(p.DistanceTo(ON_3dPoint(c.l.from.x, c.l.from.y, 2)), 0.0, 1e-12);
    p = ON_3dPoint(9, 9, 9);
    EXPECT_EQ(QORFacet::IntersectRay(A, B, C, c.l, p), c.ray);
    p = ON_3dPoint(9, 9, 9);
    EXPECT_EQ(QORFacet::IntersectSegment(A, B, C, c.l, p), c.segment);
  }
  // Behind the ray or off the segment the point is not written; parallel lines never meet.
  ON_3dPoint p(9, 9, 9);
  EXPECT_EQ(QORFacet::IntersectRay(A, B, C, cases[2].l, p), 0);
  EXPECT_EQ(p, ON_3dPoint(9, 9, 9));
  EXPECT_EQ(QORFacet::IntersectSegment(A, B, C, cases[0].l, p), 0);
  EXPECT_EQ(p, ON_3dPoint(9, 9, 9));
  EXPECT_EQ(QORFacet::IntersectLine(A, B, C, ON_Line(ON_3dPoint(1, 1, 5), ON_3dPoint(2, 1, 5)), p), 0);
  EXPECT_EQ(p, ON_3dPoint(9, 9, 9));
  // A point outside the facet is still written.
  EXPECT_EQ(QORFacet::IntersectLine(A, B, C, cases[3].l, p), 0);
  EXPECT_NEAR(p.DistanceTo(ON_3dPoint(3, 3, 2)), 0.0, 1e-12);
}

TEST(QORFacet, ClosestDistanceToPlaneSideOrCorner)
{
  struct Case
  {
    ON_3dPoint p;
    double distance;
  };
  const Case cases[] = {
      {{1, 1, 7}, 5.0},            // above the inside: the height
      {{1, 1, -1}, 3.0},           // below
      {{2, -3, 6}, 5.0},           // beside side AB: to the side
      {{8, -3, 2}, 5.0},           // beyond corner B in the plane
      {{3, 3, 2}, std::sqrt(2.0)}, // beyond the long side
  };
  for (const Case& c : cases)
  {
    EXPECT_NEAR(QORFacet::ClosestDistanceToPoint(A, B, C, c.p), c.distance, 1e-12) << c.p.x << " " << c.p.y;
    EXPECT_NEAR(QORFacet::ClosestDistanceToPoint(A + kSurvey, B + kSurvey, C + kSurvey, c.p + kSurvey), c.distance,
                1e-8);
  }
  EXPECT_EQ(QORFacet::Centroid(ON_3dPoint(0, 0, 0), ON_3dPoint(3, 0, 3), ON_3dPoint(0, 6, 0)), ON_3dPoint(1, 2, 1));
}

TEST(QORFacet, FacetOnALineHasNoPlane)
{
  const ON_3dPoint P(0, 0, 0), Q(2, 2, 2), R(4, 4, 4);
  EXPECT_EQ(QORFacet::IsPointOnFacet(P, Q, R, ON_3dPoint(1, 1, 1), 0.0001), 1);
  EXPECT_EQ(QORFacet::IsPointOnFacet(P, Q, R, ON_3dPoint(1, 1, 5), 0.0001), 0);
  EXPECT_EQ(QORFacet::IsPointOnFacet(P, Q, R, ON_3dPoint(5, 5, 5), 0.0001), 0);
  ON_3dPoint p(9, 9, 9);
  EXPECT_EQ(QORFacet::IntersectLine(P, Q, R, ON_Line(ON_3dPoint(1, 1, 0), ON_3dPoint(1, 1, 3)), p), 0);
  EXPECT_EQ(p, ON_3dPoint(9, 9, 9));
  EXPECT_NEAR(QORFacet::ClosestDistanceToPoint(P, Q, R, ON_3dPoint(8, 4, 4)), 4.0, 1e-12);
  EXPECT_NEAR(QORFacet::ClosestDistanceToPoint(P, Q, R, ON_3dPoint(1, 1, 4)), std::sqrt(6.0), 1e-12);
}
