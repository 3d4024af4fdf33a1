#pragma once

#include <cstdint>

// The 48-bit linear congruential generator of POSIX erand48, with the reconstruction's seeding.
class rand48
{
public:
  // State (x2, x1, x0) = (0, 10000, 0).
  void Reset();
  // Start of a pass: x1 = 10000, the other words kept.
  void InitRand();
  // Next value in [0, 1).
  double Draw();

private:
  uint64_t m_state = uint64_t(10000) << 16;
};
