#pragma once

#include "QORIGESParameters.h"
#include "opennurbs.h"

#include <memory>

// Geometry of single IGES entities from their parameters, in the entity's own coordinates. A
// builder returns null for degenerate data (nothing to convert); a parameter that is missing or
// no number marks the parameters as failed.
class QORIGESGeometry
{
public:
  QORIGESGeometry() = delete;

  // 100: counter-clockwise from the start to the end about the centre, a full circle when the
  // two coincide.
  static std::unique_ptr<ON_Curve> CircularArc(QORIGESParameters& p);
  // 104 in standard position from the start to the end: ellipses exactly (counter-clockwise),
  // parabolas and hyperbolas as polylines of ConicSamples points; null for other coefficients.
  static std::unique_ptr<ON_Curve> ConicArc(QORIGESParameters& p, int form);
  // 112: each cubic segment exactly, as one NURBS curve.
  static std::unique_ptr<ON_NurbsCurve> ParametricSplineCurve(QORIGESParameters& p);
  // 126 with its weights, knots and parameter range.
  static std::unique_ptr<ON_NurbsCurve> RationalBSplineCurve(QORIGESParameters& p);
  // 128 with its knots and weights.
  static std::unique_ptr<ON_NurbsSurface> RationalBSplineSurface(QORIGESParameters& p);
  // 106 points of interpretation flags 1 (pairs with a common z), 2 (triples) and 3 (sextuples).
  static bool CopiousPoints(QORIGESParameters& p, ON_3dPointArray& points);
  // 212: one text per string, at the string's start point (bottom left), turned by its rotation
  // angle, as high as its box; strings without a printable character make none.
  static bool GeneralNoteTexts(QORIGESParameters& p, ON_ClassArray<ON_TextEntity2>& texts);
  // 214: a leader in the plane at its depth, from its arrowhead (the plane's origin) through the
  // segment ends.
  static std::unique_ptr<ON_Leader2> Leader(QORIGESParameters& p);

  // Fields of each string of a general note.
  static constexpr int NoteStringFields = 12;

  // Arrays of a record longer than this are refused.
  static constexpr int MaximumCount = 1 << 24;
  static constexpr int ConicSamples = 65;

private:
  static std::unique_ptr<ON_Curve> Ellipse(double a, double b, const ON_3dPoint& start, const ON_3dPoint& end);
  static std::unique_ptr<ON_Curve> Parabola(double A, double C, double D, double E, double F, const ON_3dPoint& start,
                                            const ON_3dPoint& end);
  static std::unique_ptr<ON_Curve> Hyperbola(double A, double C, double F, const ON_3dPoint& start,
                                             const ON_3dPoint& end);
  static bool ReadCount(QORIGESParameters& p, int index, int minimum, int& count);
};
