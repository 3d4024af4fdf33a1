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

private:
  static ON_wString s_error;
};
