#pragma once

#include "opennurbs.h"

// Segments and lines in plan (x and y only; z kept where a result is written back). Static only.
class QORLine2d
{
public:
  QORLine2d() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // 1 when starts and ends are equal in plan within tolerance (QORPoint2d::Equal), or, with
  // eitherDirection non-zero, each start equals the other line's end.
  static int Equal(const ON_Line& a, const ON_Line& b, int eitherDirection, double tolerance);
  // Plan distance from the point to the line's infinite carrier (to the start when the line has no
  // plan length).
  static double Distance(const ON_3dPoint& point, const ON_Line& line);
  // 1 when the point is within tolerance of the carrier (decided exactly) and inside the segment's
  // plan bounding box (inclusive, without tolerance).
  static int PointOnSegment(const ON_3dPoint& point, const ON_Line& segment, double tolerance);
  // 0 on the line, 1 left of start -> end, 2 right, by the cross product
  // (P.y - start.y)(end.x - start.x) - (end.y - start.y)(P.x - start.x) against the tolerance
  // (the raw product, not a distance), decided exactly.
  static int PointOnWhichSideOfLine(const ON_3dPoint& point, const ON_Line& line, double tolerance);
  // 1 when the segments cross in plan at a point inside both (decided exactly; meeting at an end
  // of either, parallel and overlapping segments do not count). With endContact 0 segments with
  // ends within tolerance of each other never intersect. The plan crossing goes to point; the
  // 3-D form gives the points of each segment above or below it. Outputs are written only on 1.
  static int IntersectSegments(const ON_Line& first, const ON_Line& second, ON_2dPoint& point, int endContact,
                               double tolerance);
  static int IntersectSegments(const ON_Line& first, const ON_Line& second, ON_3dPoint& onFirst, ON_3dPoint& onSecond,
                               int endContact, double tolerance);
  // Both z become 0.
  static void Make2d(ON_Line& line);
  // Moves the line by distance along its plan left normal (side 1) or right normal (side 2); other
  // sides leave it. z is kept.
  static void Offset(ON_Line& line, double distance, int side);
  // Rounds the corner where first runs into second with an arc of the radius, in plan at the height
  // of first's start: first is trimmed to end and second to start at the tangent points. The lines
  // and the arc are written only on success (1); 0 for parallel lines, a corner behind first's
  // start or beyond second's end, no turn, a radius that does not fit or is not positive.
  static int Fillet(ON_Line& first, ON_Line& second, double radius, ON_Arc& arc);

private:
  // Plan parameters of a proper crossing on each segment.
  static int Crossing(const ON_Line& first, const ON_Line& second, int endContact, double tolerance, double& t1,
                      double& t2);
};
