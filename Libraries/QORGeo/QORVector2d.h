#pragma once

#include "opennurbs.h"

// Vectors compared and measured in plan. Static only.
class QORVector2d
{
public:
  QORVector2d() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Both components become ON_UNSET_VALUE.
  static void Unset(ON_2dVector& vector);
  // 1 when |dx| and |dy| are each at most the tolerance; z is ignored.
  static int Equal(const ON_2dVector& a, const ON_2dVector& b, double tolerance);
  static int Equal(const ON_3dVector& a, const ON_3dVector& b, double tolerance);
  // Angle between the vectors in [0, pi], or [0, 180] with the degrees flag set.
  static double Angle(ON_2dVector a, ON_2dVector b, int degrees);
  // Direction angle in [0, 2 pi), or [0, 360) with the degrees flag set; 0 for the zero vector.
  static double AngleWithXAxis(ON_2dVector vector, int degrees);
};
