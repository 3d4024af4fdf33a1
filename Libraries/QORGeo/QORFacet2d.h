#pragma once

#include "opennurbs.h"

// Triangles in plan. Static only.
class QORFacet2d
{
public:
  QORFacet2d() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // 1 when P is within 0.0001 of a corner in plan, or the plan angles the sides subtend at P add up
  // to 360 degrees within 0.0001 (inside or on a side).
  static int IsPointInsideFacet(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C, const ON_3dPoint& P);
};
