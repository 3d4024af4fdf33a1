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
  // 104 ellipses (form 1, or form 0 with a negative discriminant) in standard position; null for
  // the other conics.
  static std::unique_ptr<ON_Curve> Ellipse(QORIGESParameters& p, int form);
  // 126 with its weights, knots and parameter range.
  static std::unique_ptr<ON_NurbsCurve> RationalBSplineCurve(QORIGESParameters& p);
  // 128 with its knots and weights.
  static std::unique_ptr<ON_NurbsSurface> RationalBSplineSurface(QORIGESParameters& p);
  // 106 points of interpretation flags 1 (pairs with a common z), 2 (triples) and 3 (sextuples).
  static bool CopiousPoints(QORIGESParameters& p, ON_3dPointArray& points);

  // Arrays of a record longer than this are refused.
  static constexpr int MaximumCount = 1 << 24;

private:
  static bool ReadCount(QORIGESParameters& p, int index, int minimum, int& count);
};
