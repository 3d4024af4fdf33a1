#include "site_shuffle.h"

#include "rand48.h"

#include <algorithm>
#include <cstdint>

#include <cstddef>
#include <utility>

void site_shuffle::Shuffle(int siteCount, rand48& generator)
{
  m_table.resize(static_cast<size_t>(siteCount) + 1);
  for (int i = 0; i <= siteCount; ++i)
    m_table[i] = i;
  for (int j = 0; j < siteCount; ++j)
  {
    const int k = j + static_cast<int>(generator.Draw() * (siteCount - j));
    std::swap(m_table[j], m_table[k]);
  }
  m_position = 0;
}

int site_shuffle::Next()
{
  const int last = static_cast<int>(m_table.size()) - 1;
  if (m_position > last || m_table[m_position] == last)
    return -1;
  return m_table[m_position++];
}

void site_shuffle::Release()
{
  m_table.clear();
  m_table.shrink_to_fit();
  m_position = 0;
}

namespace
{

constexpr int kFirstRound = 64; // sites left in plain random order at the start
constexpr int kCurveBits = 21;

uint64_t SpreadBits(uint64_t v)
{
  v &= 0x1fffff;
  v = (v | v << 32) & 0x1f00000000ffffULL;
  v = (v | v << 16) & 0x1f0000ff0000ffULL;
  v = (v | v << 8) & 0x100f00f00f00f00fULL;
  v = (v | v << 4) & 0x10c30c30c30c30c3ULL;
  v = (v | v << 2) & 0x1249249249249249ULL;
  return v;
}

} // namespace

void site_shuffle::SortRounds(const std::function<const double*(int)>& place)
{
  const int count = static_cast<int>(m_table.size()) - 1;
  if (count <= kFirstRound)
    return;
  double low[3], high[3];
  for (int k = 0; k < 3; ++k)
  {
    low[k] = place(0)[k];
    high[k] = low[k];
  }
  for (int i = 1; i < count; ++i)
  {
    const double* at = place(i);
    for (int k = 0; k < 3; ++k)
    {
      low[k] = std::min(low[k], at[k]);
      high[k] = std::max(high[k], at[k]);
    }
  }
  const double cells = static_cast<double>((1 << kCurveBits) - 1);
  std::vector<std::pair<uint64_t, int>> keyed;
  int end = count;
  while (end > kFirstRound)
  {
    const int begin = std::max(kFirstRound, end / 2);
    keyed.clear();
    for (int j = begin; j < end; ++j)
    {
      const double* site = place(m_table[j]);
      uint64_t key = 0;
      for (int k = 0; k < 3; ++k)
      {
        const double extent = high[k] - low[k];
        const double unit = extent > 0.0 ? (site[k] - low[k]) / extent : 0.0;
        key |= SpreadBits(static_cast<uint64_t>(unit * cells)) << k;
      }
      keyed.push_back({key, m_table[j]});
    }
    std::sort(keyed.begin(), keyed.end());
    for (int j = begin; j < end; ++j)
      m_table[j] = keyed[j - begin].second;
    end = begin;
  }
}
