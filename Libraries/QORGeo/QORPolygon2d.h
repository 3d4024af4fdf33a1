#pragma once

#include "opennurbs.h"

// Closed polygons in plan: n corners stored as n + 1 points, the last repeating the first.
// Classifications are decided exactly (see QORPlanarExact). Static only.
class QORPolygon2d
{
public:
  QORPolygon2d() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // 1 when the point is on one of the segments (QORLine2d::PointOnSegment).
  static int PointOnPolygon(const ON_3dPoint& point, const ON_Polyline& polygon, double tolerance);
  // 1 when the line equals one of the segments (QORLine2d::Equal).
  static int IsSegment(const ON_Line& line, const ON_Polyline& polygon, int eitherDirection, double tolerance);
  // 0 inside, 1 on the boundary (within tolerance), 2 outside (even-odd rule).
  static int PointAndPolygon(const ON_3dPoint& point, const ON_Polyline& polygon, double tolerance);
  // 0 inside, 1 one of the polygon's segments, 2 outside, 3 inside touching the boundary,
  // 4 outside touching the boundary, 5 crossing the boundary.
  static int SegmentAndPolygon(const ON_Line& segment, const ON_Polyline& polygon, double tolerance);
  // 1 when every corner turns the same way; a corner whose turn value is within tolerance is
  // straight: allowed with allowStraight set, else the polygon is not convex.
  static int IsConvex(const ON_Polyline& polygon, int allowStraight, double tolerance);
  // Signed plan area, positive counter-clockwise.
  static double Area(const ON_Polyline& polygon);
  // 0 clockwise, 1 counter-clockwise, 2 no area.
  static int Orientation(const ON_Polyline& polygon);
  // 1 when the triangle A, B, C and the polygon overlap in plan: a corner inside the polygon, a
  // side crossing it, or the polygon's average point inside the triangle.
  static int FacetUnderPolygon(const ON_Polyline& polygon, const ON_3dPoint& A, const ON_3dPoint& B,
                               const ON_3dPoint& C, double tolerance);
};
