#pragma once

#include <ostream>
#include <vector>

struct pole_tables;

// Max-heap of poles by priority, used from position 1; every pole's position is kept in its record.
class pole_heap
{
public:
  pole_heap(pole_tables& poles, std::ostream* log);

  int Insert(int pole, double priority);
  // The pole of largest priority, or -1 when the heap is empty.
  int Extract();
  void Change(int position, double priority);
  // Recomputes the priority of `pole` at `position` from its in and out priorities.
  void UpdatePriority(int position, int pole);
  bool Holds(int position, int pole) const;

private:
  struct entry
  {
    int pole;
    double priority;
  };
  void Place(int position, const entry& item);
  void MoveUp(int position);
  void SiftDown(int position);

  pole_tables& m_poles;
  std::ostream* m_log;
  std::vector<entry> m_entries;
  int m_size = 0;
};
