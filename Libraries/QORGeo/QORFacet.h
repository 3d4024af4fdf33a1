#pragma once

#include "opennurbs.h"

// Triangles A, B, C in space: point tests, line intersections and distances. Static only.
class QORFacet
{
public:
  QORFacet() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // 1 when the point is within tolerance of the facet's plane and its projection on the plane is
  // inside the facet. A facet whose corners lie on one line has no plane: the point must then be
  // within tolerance of a side.
  static int IsPointOnFacet(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C, const ON_3dPoint& P,
                            double tolerance);
  // Where the infinite line, the ray from the line's start through its end, or the segment meets
  // the facet's plane: point receives it (also when it falls outside the facet) and the result
  // is 1 when it is inside the facet. 0, point untouched, when the line is parallel to the plane,
  // the crossing is behind the ray or off the segment, or the facet has no plane.
  static int IntersectLine(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C, const ON_Line& line,
                           ON_3dPoint& point);
  static int IntersectRay(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C, const ON_Line& ray,
                          ON_3dPoint& point);
  static int IntersectSegment(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C, const ON_Line& segment,
                              ON_3dPoint& point);
  static ON_3dPoint Centroid(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C);
  // Distance from the point to the facet: to its plane when the projection falls inside the
  // facet, else to the nearest side.
  static double ClosestDistanceToPoint(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C,
                                       const ON_3dPoint& P);

private:
  // Within 0.0001 of a corner, or the angles the sides subtend at P add up to 360 degrees
  // (within 0.0001). P is taken to lie in the facet's plane.
  static int IsPointInsideFacet(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C, const ON_3dPoint& P);
  // The crossing of line and the facet's plane when its parameter on line is not outside
  // [low, high] (see IntersectLine).
  static int IntersectWithin(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C, const ON_Line& line,
                             double low, double high, ON_3dPoint& point);
};
