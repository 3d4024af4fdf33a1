#pragma once

// Adaptive-precision orientation test after Shewchuk's floating-point expansion method: the sign of
// the result, and whether it is zero, are exact for any finite double input.
class exact_predicates
{
public:
  // Sets the machine epsilon, the splitter and the error bounds of the filter stages.
  static void Init();

  // (b - a) . ((c - a) x (d - a)): positive when a lies below the plane through b, c, d with b, c, d
  // counter-clockwise seen from above. The value approximates the determinant; its sign is exact.
  static double Orient(const double* b, const double* c, const double* d, const double* a);

  // The same determinant evaluated without the floating-point filter, as one exact expansion.
  static double OrientExact(const double* b, const double* c, const double* d, const double* a);
};
