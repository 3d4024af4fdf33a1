#pragma once

#include "opennurbs.h"

// Classifying curves (line, arc, circle, polyline) and sampling points along them. Static only;
// failures set the class's error text.
class QORCurve
{
public:
  QORCurve() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // No sampling makes more points than this; a spacing that would fails with "Too many sample points".
  static const int MaxSamplePoints = 1000000;

  // Appends the two ends when the line is at most maxDistance long, else n + 1 evenly spaced points
  // from start to end, n the length / maxDistance rounded up (QORLine::ExtractPoints).
  static int ExtractPointsFromLine(const ON_Line& line, ON_3dPointArray& points, double maxDistance);
  // Appends a thinned and densified copy of the polyline: its first point, every corner (a turn
  // above angleTolerance degrees) at least minDistance from the point before, the points of any
  // stretch of maxDistance or more split evenly and put back on the polyline, and its last point,
  // each once.
  static int ExtractPointsFromPolyline(const ON_Polyline& polyline, ON_3dPointArray& points, double maxDistance,
                                       double minDistance, double angleTolerance);
  // Degree 1: the control polygon as above. Otherwise samples minDistance or less apart by arc
  // length, keeping the first, any one after more than maxDistance - minDistance of curve, any whose
  // tangent turned more than angleTolerance degrees since the last kept one, and the end point.
  static int ExtractPointsFromNurbsCurve(const ON_NurbsCurve& curve, ON_3dPointArray& points, double maxDistance,
                                         double minDistance, double angleTolerance);
  // By type: line curve, polyline curve, poly curve segment by segment (appended only when every
  // segment succeeds), anything else through its NURBS form.
  static int ExtractPointsFromCurve(const ON_Curve* curve, ON_3dPointArray& points, double maxDistance,
                                    double minDistance, double angleTolerance);

  // Appends the points, leaving out the last one of a closed polyline.
  static void AddPolylineToPointArray(const ON_Polyline& polyline, ON_SimpleArray<ON_3dPoint>& points);
  // Appends one line per segment, in order.
  static void AddPolylineToLineArray(const ON_Polyline& polyline, ON_ClassArray<ON_Line>& lines);

  // The tests below use the curve's own openNURBS queries with tolerance 1e-12 times the size of
  // the curve's coordinates (at least 1e-12), so curves far from the origin classify as near it.
  // Each gives 1 and fills its output, or 0 with the output untouched.
  // Linear: the line from the start point to the end point.
  static int IsLine(const ON_Curve* curve, ON_Line& line);
  static int IsLineCurve(const ON_Curve* curve, ON_LineCurve& lineCurve);
  static int IsArc(const ON_Curve* curve, ON_Arc& arc);
  static int IsArcCurve(const ON_Curve* curve, ON_ArcCurve& arcCurve);
  // An arc that is a full circle.
  static int IsCircle(const ON_Curve* curve, ON_Circle& circle);
  // Degree 1: the control points of the NURBS form. Line, polyline, NURBS and poly curves: the
  // points of ON_Curve::IsPolyline. Arcs and other curves: 0.
  static int IsPolyline(const ON_Curve* curve, ON_Polyline& polyline);
  static int IsPolylineCurve(const ON_Curve* curve, ON_PolylineCurve& polylineCurve);

  // Replaces polyline by points along the curve such that no point of the curve lies farther than
  // tolerance from the polyline segment between the samples around it (checked at the span
  // samples; each span is split in two until it holds). Exact polylines give their own points.
  // 0, polyline untouched, for tolerance <= 0, a curve without NURBS form or more than
  // MaxSamplePoints points.
  static int CreatePolylineWithinTolerance(const ON_Curve* curve, double tolerance, ON_Polyline& polyline);

  // 1e-12 times the largest absolute coordinate of the curve's box, at least 1e-12.
  static double ClassificationTolerance(const ON_Curve* curve);
};
