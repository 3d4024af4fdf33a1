#pragma once

#include "opennurbs.h"

// NURBS curve operations of the geometry library. Static only; failures set the class's error text.
class QORNurbsCurve
{
public:
  QORNurbsCurve() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Clamped uniform curve (knot spacing 1) with the points as control points. The rational flag
  // is accepted and ignored: the curve is non-rational. 0 when the points are fewer than the order.
  static int Create(ON_NurbsCurve& curve, const ON_3dPointArray& points, int dimension, int rational, int order);

  // No sampling below makes more points than this; finer spacings fail, leaving their output as it was.
  static const int MaxSamplePoints = 1000000;

  // Replaces points with the control points (rational weights divided out; a zero weight gives an
  // unset point).
  static void GetControlPoints(const ON_NurbsCurve& curve, ON_3dPointArray& points);
  // The polyline of the control points.
  static void CreatePolylineFromControlPoints(const ON_NurbsCurve& curve, ON_Polyline& polyline);
  // Degree 1: the control polygon. Otherwise points evenly spaced by arc length, at most
  // maxSegmentLength apart (n = length / maxSegmentLength truncated, plus 1, pieces), then the end
  // point; the start and end point only when the curve is no longer than maxSegmentLength. The
  // polyline is left as it was (error text set) for a length that is not positive, a curve whose
  // length cannot be measured or more than MaxSamplePoints points.
  static void CreatePolyline(const ON_NurbsCurve& curve, double maxSegmentLength, ON_Polyline& polyline);
  // A curve no longer than spacing becomes the straight NURBS line from its start to its end.
  // Otherwise the curve is sampled by arc length at most spacing apart (as CreatePolyline) and
  // replaced by the degree-2 clamped uniform curve on those samples (Create(curve, samples, 3, 1, 3)).
  // Left as it was (error text set) for a spacing that is not positive or the failures of CreatePolyline.
  static void Smoothen(ON_NurbsCurve& curve, double spacing);
  // Sets the z of every control point to 0, keeping the weights.
  static void Make2D(ON_NurbsCurve& curve);
  // Replaces points with samples at 100 equal parameter steps: the first, every one whose curvature
  // vector turned more than angleTolerance degrees from the last taken one, and the end point.
  static int GetPoints(const ON_NurbsCurve& curve, ON_3dPointArray& points, double angleTolerance);
};
