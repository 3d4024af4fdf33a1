#pragma once

#include "opennurbs.h"

// Vector comparison and angles. Static only.
class QORVector
{
public:
  QORVector() {}
  ~QORVector() {}

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Every component becomes ON_UNSET_VALUE.
  static void Unset(ON_3dVector& vector);
  // 1 when each component differs by at most the tolerance (a box test, not a distance).
  static int Equal(const ON_3dVector& a, const ON_3dVector& b, double tolerance);

  // Angle between the vectors in [0, pi], or [0, 180] with the degrees flag set.
  static double Angle(const ON_3dVector& a, const ON_3dVector& b, int degrees);
  // Angle from a to b turning about reference, in [0, 2 pi) or [0, 360): the angle between them
  // when a x b points to the reference's side, else the full turn less that angle. Parallel
  // vectors give 0 (same way) or pi (opposite ways).
  static double Angle(const ON_3dVector& a, const ON_3dVector& b, const ON_3dVector& reference, int degrees);
  // Angle between the unitized vectors, in radians.
  static double Angle(const ON_3dVector& a, const ON_3dVector& b);
};
