#include "pole_heap.h"

#include "pole_tables.h"

#include <cmath>

pole_heap::pole_heap(pole_tables& poles, std::ostream* log)
    : m_poles(poles), m_log(log), m_entries(static_cast<size_t>(poles.Count()) + 1)
{
  if (m_log)
    *m_log << "heap " << poles.Count() << " initialized\n";
}

void pole_heap::Place(int position, const entry& item)
{
  m_entries[position] = item;
  m_poles.records[item.pole].heap_position = position;
}

void pole_heap::MoveUp(int position)
{
  const entry item = m_entries[position];
  while (position > 1 && item.priority > m_entries[position / 2].priority)
  {
    Place(position, m_entries[position / 2]);
    position /= 2;
  }
  Place(position, item);
}

void pole_heap::SiftDown(int position)
{
  for (;;)
  {
    int best = position;
    const int left = 2 * position, right = 2 * position + 1;
    if (left <= m_size && m_entries[left].priority > m_entries[best].priority)
      best = left;
    if (right <= m_size && m_entries[right].priority > m_entries[best].priority)
      best = right;
    if (best == position)
      return;
    const entry moved = m_entries[position];
    Place(position, m_entries[best]);
    Place(best, moved);
    position = best;
  }
}

int pole_heap::Insert(int pole, double priority)
{
  ++m_size;
  Place(m_size, {pole, priority});
  MoveUp(m_size);
  return m_poles.records[pole].heap_position;
}

int pole_heap::Extract()
{
  if (m_size == 0)
    return -1;
  const int pole = m_entries[1].pole;
  m_poles.records[pole].heap_position = 0;
  if (m_size > 1)
    Place(1, m_entries[m_size]);
  --m_size;
  SiftDown(1);
  return pole;
}

void pole_heap::Change(int position, double priority)
{
  m_entries[position].priority = priority;
  if (position > 1 && priority > m_entries[position / 2].priority)
    MoveUp(position);
  else
    SiftDown(position);
}

bool pole_heap::Holds(int position, int pole) const
{
  return position >= 1 && position <= m_size && m_entries[position].pole == pole &&
         m_poles.records[pole].heap_position == position;
}

void pole_heap::UpdatePriority(int position, int pole)
{
  if (!Holds(position, pole))
  {
    if (m_log)
      *m_log << "Error update_pri!\n";
    return;
  }
  const pole_record& record = m_poles.records[pole];
  double priority = record.out_priority;
  if (record.in_priority != 0.0 && record.out_priority != 0.0)
    priority = std::fabs(record.in_priority - record.out_priority) - 1.0;
  else if (record.in_priority != 0.0)
    priority = record.in_priority;
  Change(position, priority);
}
