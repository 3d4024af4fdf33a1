#pragma once

#include "opennurbs.h"

// Segments and infinite lines in space. Static only.
class QORLine
{
public:
  QORLine() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Both ends become unset points.
  static void Unset(ON_Line& line);
  // 1 when the starts and the ends are within tolerance of each other (QORPoint::Equal), or, with
  // eitherDirection non-zero, each start is within tolerance of the other line's end.
  static int Equal(const ON_Line& a, const ON_Line& b, int eitherDirection, double tolerance);
  // The point of the infinite line a nearest to the infinite line b (the lines need not meet);
  // 0, point untouched, for parallel lines.
  static int Intersect(const ON_Line& a, const ON_Line& b, ON_3dPoint& point);
  // 1 when the nearest point of the finite segment is within tolerance of the point.
  static int IsPointOnSegment(const ON_3dPoint& point, const ON_Line& segment, double tolerance);
  // The foot of the point on the segment's line when it lies on the segment, else the segment
  // end nearer to that foot (the end on a tie).
  static ON_3dPoint ClosestPointToSegment(const ON_3dPoint& point, const ON_Line& segment, double tolerance);
  static double ClosestDistanceToSegment(const ON_3dPoint& point, const ON_Line& segment, double tolerance);
  static ON_3dPoint MidPoint(const ON_Line& line);
  // Replaces points with evenly spaced points from start to end, at most spacing apart: the two
  // ends when the line is no longer than spacing. Returns the count; 0, points untouched, for a
  // spacing that is not positive, a line whose length is not finite or more points than an int
  // counts.
  static int ExtractPoints(const ON_Line& line, double spacing, ON_3dPointArray& points);
  // The line of a line curve, or of a degree-1 NURBS curve that is linear (ON_NurbsCurve::IsLinear:
  // control points on the chord from its start to its end, in order). 0, line untouched, otherwise.
  static int GetLineFromGeometry(const ON_Geometry* geometry, ON_Line& line);
  static void SetZ(ON_Line& line, double z);
  static void AppendLines(ON_ClassArray<ON_Line>& target, const ON_ClassArray<ON_Line>& source);
};
