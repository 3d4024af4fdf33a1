#pragma once

#include "opennurbs.h"

// Points compared in plan (x and y only). Static only.
class QORPoint2d
{
public:
  QORPoint2d() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Both coordinates become ON_UNSET_VALUE.
  static void Unset(ON_2dPoint& point);
  // 1 when the plan distance is at most the tolerance (decided exactly).
  static int Equal(const ON_3dPoint& a, const ON_3dPoint& b, double tolerance);
  // Plan distance.
  static double Distance(const ON_3dPoint& a, const ON_3dPoint& b);
};
