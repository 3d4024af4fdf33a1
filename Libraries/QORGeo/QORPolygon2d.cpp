#include "QORPolygon2d.h"

#include "QORFacet2d.h"
#include "QORLine2d.h"
#include "QORPlanarExact.h"
#include "QORPoint.h"
#include "QORPolyline.h"
#include "QORPolyline2d.h"
#include "LastError.h"

ON_wString QORPolygon2d::GetError() { return Platform::LastError<QORPolygon2d, ON_wString>::Get(); }

void QORPolygon2d::SetError(const ON_wString& text) { Platform::LastError<QORPolygon2d, ON_wString>::Set(text); }

int QORPolygon2d::PointOnPolygon(const ON_3dPoint& point, const ON_Polyline& polygon, double tolerance)
{
  for (int i = 1; i < polygon.Count(); i++)
    if (QORLine2d::PointOnSegment(point, ON_Line(polygon[i - 1], polygon[i]), tolerance))
      return 1;
  return 0;
}

int QORPolygon2d::IsSegment(const ON_Line& line, const ON_Polyline& polygon, int eitherDirection, double tolerance)
{
  for (int i = 1; i < polygon.Count(); i++)
    if (QORLine2d::Equal(line, ON_Line(polygon[i - 1], polygon[i]), eitherDirection, tolerance))
      return 1;
  return 0;
}

int QORPolygon2d::PointAndPolygon(const ON_3dPoint& point, const ON_Polyline& polygon, double tolerance)
{
  if (PointOnPolygon(point, polygon, tolerance))
    return 1;
  if (polygon.Count() < 2)
    return 2;
  const int n = polygon.Count() - 1;
  bool inside = false;
  for (int i = 0, j = n - 1; i < n; j = i++)
  {
    const ON_3dPoint& pi = polygon[i];
    const ON_3dPoint& pj = polygon[j];
    // The side of i -> j crosses the level of the point; it counts when it does so right of the
    // point: left of the side taken upwards.
    if (point.y >= pi.y && pj.y > point.y)
    {
      if (QORPlanarExact::Side(pi, pj, point, 0.0) == 1)
        inside = !inside;
    }
    else if (point.y >= pj.y && pi.y > point.y)
    {
      if (QORPlanarExact::Side(pi, pj, point, 0.0) == 2)
        inside = !inside;
    }
  }
  return inside ? 0 : 2;
}

int QORPolygon2d::SegmentAndPolygon(const ON_Line& segment, const ON_Polyline& polygon, double tolerance)
{
  ON_2dPoint crossing;
  if (QORPolyline2d::IntersectSegment(polygon, segment, crossing, 0, tolerance))
    return 5;
  const int a = PointAndPolygon(segment.from, polygon, tolerance);
  const int b = PointAndPolygon(segment.to, polygon, tolerance);
  if (a == 1 && b == 1)
  {
    if (IsSegment(segment, polygon, 1, tolerance))
      return 1;
    return PointAndPolygon(QORPoint::Average(segment.from, segment.to), polygon, tolerance) == 0 ? 3 : 4;
  }
  if (a == b)
    return a; // 0 inside or 2 outside
  if (a == 1 || b == 1)
    return (a == 0 || b == 0) ? 3 : 4;
  return 5; // one end inside, the other outside
}

int QORPolygon2d::IsConvex(const ON_Polyline& polygon, int allowStraight, double tolerance)
{
  const int count = polygon.Count();
  if (count < 2)
    return 1;
  // Corners taken round the polygon without its repeated last point.
  const int n = count - 1;
  int sense = 0;
  for (int i = 0; i < n; i++)
  {
    const int turn = QORPlanarExact::Side(polygon[i], polygon[(i + 1) % n], polygon[(i + 2) % n], tolerance);
    if (turn == 0)
    {
      if (!allowStraight)
        return 0;
      continue;
    }
    if (sense == 0)
      sense = turn;
    else if (turn != sense)
      return 0;
  }
  return 1;
}

double QORPolygon2d::Area(const ON_Polyline& polygon)
{
  int sign = 0;
  return 0.5 * QORPlanarExact::AreaSum(polygon, sign);
}

int QORPolygon2d::Orientation(const ON_Polyline& polygon)
{
  int sign = 0;
  QORPlanarExact::AreaSum(polygon, sign);
  return sign < 0 ? 0 : (sign > 0 ? 1 : 2);
}

int QORPolygon2d::FacetUnderPolygon(const ON_Polyline& polygon, const ON_3dPoint& A, const ON_3dPoint& B,
                                    const ON_3dPoint& C, double tolerance)
{
  for (const ON_3dPoint* corner : {&A, &B, &C})
    if (PointAndPolygon(*corner, polygon, tolerance) == 0)
      return 1;
  ON_2dPoint crossing;
  for (const ON_Line& side : {ON_Line(A, B), ON_Line(B, C), ON_Line(C, A)})
    if (QORPolyline2d::IntersectSegment(polygon, side, crossing, 0, tolerance))
      return 1;
  return QORFacet2d::IsPointInsideFacet(A, B, C, QORPolyline::Average(polygon));
}
