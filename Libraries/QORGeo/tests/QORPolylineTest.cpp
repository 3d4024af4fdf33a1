#include "QORPolyline.h"

#include "GeoTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace geotest;

namespace
{

ON_3dPoint Turned(double degrees)
{
  const double a = degrees * ON_PI / 180.0;
  return ON_3dPoint(1 + std::cos(a), std::sin(a), 0);
}

} // namespace

TEST(QORPolyline, MergeCollinearSegmentsRemovesSmallTurns)
{
  // Tolerance 1 degree: a turn of 0.5 degrees goes, one of 2 degrees stays.
  ON_Polyline small = Polyline({{0, 0, 0}, {1, 0, 0}, Turned(0.5)});
  EXPECT_EQ(QORPolyline::MergeCollinearSegments(small, 1.0), 1);
  ExpectPoints(small, {{0, 0, 0}, Turned(0.5)});
  ON_Polyline large = Polyline({{0, 0, 0}, {1, 0, 0}, Turned(2.0)});
  EXPECT_EQ(QORPolyline::MergeCollinearSegments(large, 1.0), 1);
  EXPECT_EQ(large.Count(), 3);
  // Runs of straight points go, the point after a removal is tested again; exact reversals
  // (180 degrees) stay.
  ON_Polyline run = Polyline({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {3, 1, 0}, {3, 2, 0}, {3, 0.5, 0}});
  QORPolyline::MergeCollinearSegments(run, 1.0);
  ExpectPoints(run, {{0, 0, 0}, {3, 0, 0}, {3, 2, 0}, {3, 0.5, 0}});
}

TEST(QORPolyline, CloseAppendsTheFirstPointOnce)
{
  ON_Polyline open = Polyline({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}});
  EXPECT_EQ(QORPolyline::Close(open), 1);
  ExpectPoints(open, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 0, 0}});
  EXPECT_EQ(QORPolyline::Close(open), 0); // already closed: unchanged
  EXPECT_EQ(open.Count(), 4);
  ON_Polyline invalid = Polyline({{0, 0, 0}, {0, 0, 0}, {1, 0, 0}});
  EXPECT_EQ(QORPolyline::Close(invalid), 0);
  EXPECT_EQ(invalid.Count(), 3);
}

TEST(QORPolyline, MoveVertexToMovesEveryMatchAndCleans)
{
  ON_Polyline square = Polyline({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}});
  // Both copies of the closing corner move; the corner pulled onto its neighbour merges with it.
  EXPECT_EQ(QORPolyline::MoveVertexTo(square, ON_3dPoint(0, 0.00005, 0), ON_3dPoint(0, 1, 0), 0.0001), 1);
  ExpectPoints(square, {{0, 1, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
  ON_Polyline unchanged = square;
  EXPECT_EQ(QORPolyline::MoveVertexTo(unchanged, ON_3dPoint(5, 5, 5), ON_3dPoint(0, 0, 0), 0.0001), 0);
  ExpectPoints(unchanged, {{0, 1, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
}

TEST(QORPolyline, ExtractPointsSharesVertices)
{
  const ON_Polyline polyline = Polyline({{0, 0, 0}, {10, 0, 0}, {10, 2, 0}});
  ON_3dPointArray points;
  EXPECT_EQ(QORPolyline::ExtractPoints(polyline, 3.0, points), 6);
  ExpectPoints(points, {{0, 0, 0}, {2.5, 0, 0}, {5, 0, 0}, {7.5, 0, 0}, {10, 0, 0}, {10, 2, 0}});
  EXPECT_EQ(QORPolyline::ExtractPoints(Polyline({{4, 4, 4}}), 3.0, points), 1);
  EXPECT_EQ(QORPolyline::ExtractPoints(ON_Polyline(), 3.0, points), 0);
  // A spacing that cannot be used leaves the output as it was.
  points.Empty();
  points.Append(ON_3dPoint(9, 9, 9));
  EXPECT_EQ(QORPolyline::ExtractPoints(polyline, 0.0, points), 0);
  ExpectPoints(points, {{9, 9, 9}});
}

TEST(QORPolyline, AverageOfAClosedPolylineLeavesOutTheRepeat)
{
  EXPECT_EQ(QORPolyline::Average(Polyline({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}, {0, 0, 0}})),
            ON_3dPoint(2, 2, 0));
  EXPECT_EQ(QORPolyline::Average(Polyline({{3, 2, 1}})), ON_3dPoint(3, 2, 1));
  EXPECT_FALSE(QORPolyline::Average(ON_Polyline()).IsValid());
}

TEST(QORPolyline, PointAndSegmentMembership)
{
  const ON_Polyline polyline = Polyline({{0, 0, 0}, {2, 0, 0}, {2, 2, 1}});
  EXPECT_EQ(QORPolyline::IsPointOnPolyline(ON_3dPoint(1, 0, 0), polyline, 0.0001), 1);
  EXPECT_EQ(QORPolyline::IsPointOnPolyline(ON_3dPoint(2, 1, 0.5), polyline, 0.0001), 1);
  EXPECT_EQ(QORPolyline::IsPointOnPolyline(ON_3dPoint(1, 1, 0), polyline, 0.0001), 0);
  const ON_Line second(ON_3dPoint(2, 2, 1), ON_3dPoint(2, 0, 0));
  EXPECT_EQ(QORPolyline::IsSegment(second, polyline, 0, 0.0001), 0);
  EXPECT_EQ(QORPolyline::IsSegment(second, polyline, 1, 0.0001), 1);
  EXPECT_EQ(QORPolyline::Is2d(polyline, 0.5), 0);
  EXPECT_EQ(QORPolyline::Is2d(polyline, 1.0), 1);
  ON_Polyline flat = polyline;
  QORPolyline::SetZ(flat, 0.0);
  EXPECT_EQ(QORPolyline::Is2d(flat, 0.0), 1);
}

TEST(QORPolyline, GetPolylineFromCurveTakesPolylinesAndDegreeOneCurves)
{
  const ON_3dPoint pts[3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 5}};
  ON_3dPointArray list;
  list.Append(3, pts);
  const ON_PolylineCurve polylineCurve(list);
  ON_NurbsCurve degreeOne, degreeTwo;
  degreeOne.CreateClampedUniformNurbs(3, 2, 3, pts);
  degreeTwo.CreateClampedUniformNurbs(3, 3, 3, pts);
  const ON_LineCurve lineCurve(pts[0], pts[2]);

  ON_Polyline polyline;
  ASSERT_EQ(QORPolyline::GetPolylineFromCurve(&polylineCurve, polyline), 1);
  ExpectPoints(polyline, {pts[0], pts[1], pts[2]});
  polyline.Empty();
  ASSERT_EQ(QORPolyline::GetPolylineFromCurve(&degreeOne, polyline), 1);
  ExpectPoints(polyline, {pts[0], pts[1], pts[2]});
  ASSERT_EQ(QORPolyline::GetPolylineFromCurve(&lineCurve, polyline), 1);
  ExpectPoints(polyline, {pts[0], pts[2]});

  polyline = Polyline({{7, 7, 7}});
  EXPECT_EQ(QORPolyline::GetPolylineFromCurve(&degreeTwo, polyline), 0);
  EXPECT_EQ(QORPolyline::GetPolylineFromCurve(nullptr, polyline), 0);
  ExpectPoints(polyline, {{7, 7, 7}});
}
