#pragma once

#include "opennurbs.h"

// Polylines in space. Static only.
class QORPolyline
{
public:
  QORPolyline() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // 1 when the line equals one of the polyline's segments (QORLine::Equal).
  static int IsSegment(const ON_Line& line, const ON_Polyline& polyline, int eitherDirection, double tolerance);
  // Removes every interior point where the polyline turns by at most angleTolerance degrees.
  static int MergeCollinearSegments(ON_Polyline& polyline, double angleTolerance);
  // 1 when every |z| is at most the tolerance.
  static int Is2d(const ON_Polyline& polyline, double tolerance);
  // Moves every vertex within tolerance of from to to, then drops consecutive duplicates
  // (ON_Polyline::Clean); 0, polyline untouched, when no vertex is that close.
  static int MoveVertexTo(ON_Polyline& polyline, const ON_3dPoint& from, const ON_3dPoint& to, double tolerance);
  // Replaces points with the points of QORLine::ExtractPoints along every segment, shared
  // vertices once. Returns the count; a single point gives itself; 0, points untouched, when
  // QORLine::ExtractPoints fails on a segment.
  static int ExtractPoints(const ON_Polyline& polyline, double spacing, ON_3dPointArray& points);
  // Mean of the points but the last, the polyline being closed. Shorter than two points: the
  // mean of what there is (an unset point when empty).
  static ON_3dPoint Average(const ON_Polyline& polyline);
  // Appends a copy of the first point; 0 when the polyline is not valid or already closed.
  static int Close(ON_Polyline& polyline);
  static void SetZ(ON_Polyline& polyline, double z);
  // The polyline of a polyline curve, or the control points of a curve of degree 1. 0, polyline
  // untouched, for other curves.
  static int GetPolylineFromCurve(const ON_Curve* curve, ON_Polyline& polyline);
  // 1 when the point is on one of the segments (QORLine::IsPointOnSegment).
  static int IsPointOnPolyline(const ON_3dPoint& point, const ON_Polyline& polyline, double tolerance);
};
