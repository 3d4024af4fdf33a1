#include "site_shuffle.h"

#include "rand48.h"

#include <cstddef>
#include <utility>

void site_shuffle::Shuffle(int siteCount, rand48& generator)
{
  m_table.resize(static_cast<size_t>(siteCount) + 1);
  for (int i = 0; i <= siteCount; ++i)
    m_table[i] = i;
  for (int j = 0; j < siteCount; ++j) {
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
