#pragma once

#include "opennurbs.h"

// Polylines in plan. Static only.
class QORPolyline2d
{
public:
  QORPolyline2d() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Moves every vertex by distance along the left (side 1) or right (side 2) normal of the
  // bisector of its plan directions; z is kept. A closed polyline wraps round at its ends. A vertex
  // where the polyline turns straight back moves along the normal of its incoming segment.
  // Distance 0 changes nothing (1); another side, or fewer than two points, gives 0 unchanged.
  static int Offset(ON_Polyline& polyline, double distance, int side);
  // The first segment, from the start, that crosses the line in plan (QORLine2d::IntersectSegments
  // with the segment first): it goes to hitSegment with the points on each above the crossing, or
  // the plan crossing to point. 0, outputs untouched, when none crosses.
  static int IntersectSegment(const ON_Polyline& polyline, const ON_Line& line, ON_Line& hitSegment,
                              ON_3dPoint& onPolyline, ON_3dPoint& onLine, int endContact, double tolerance);
  static int IntersectSegment(const ON_Polyline& polyline, const ON_Line& line, ON_2dPoint& point, int endContact,
                              double tolerance);
  // Every z becomes 0.
  static int Make2d(ON_Polyline& polyline);
};
