#include "rand48.h"

namespace
{
constexpr uint64_t kMultiplier = 0x5DEECE66DULL;
constexpr uint64_t kIncrement = 0xB;
constexpr uint64_t kMask48 = (uint64_t(1) << 48) - 1;
constexpr int kSeed = 10000;
} // namespace

void rand48::Reset() { m_state = uint64_t(kSeed) << 16; }

void rand48::InitRand() { m_state = (m_state & ~(uint64_t(0xFFFF) << 16)) | (uint64_t(kSeed) << 16); }

double rand48::Draw()
{
  m_state = (kMultiplier * m_state + kIncrement) & kMask48;
  return static_cast<double>(m_state) / static_cast<double>(uint64_t(1) << 48);
}
