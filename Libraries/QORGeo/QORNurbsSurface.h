#pragma once

#include "opennurbs.h"

// NURBS surface operations of the geometry library. Static only; failures set the class's error text.
class QORNurbsSurface
{
public:
  QORNurbsSurface() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Clamped uniform surface (knot spacing 1) on countU x countV control points, point n at
  // (n mod countU, n div countU); weights 1 when rational. Fails without touching the surface when
  // the point count is wrong or a count is below its order.
  static int Create(ON_NurbsSurface& surface, int countU, int countV, const ON_3dPointArray& points, int dimension,
                    int rational, int orderU, int orderV);

private:
  static ON_wString s_error;
};
