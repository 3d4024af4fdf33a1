#include "run_progress.h"

#include <algorithm>

void run_progress::Stage(double begin, double end, long long items, const char* name)
{
  m_name = name;
  m_begin = begin;
  m_end = end;
  m_items = std::max(items, 1LL);
  m_done = 0;
  Ask();
}

void run_progress::Ask()
{
  if (!m_callback)
    return;
  const double done = std::min(1.0, static_cast<double>(m_done) / static_cast<double>(m_items));
  if (!m_callback(m_begin + (m_end - m_begin) * done))
    throw run_stopped{};
}
