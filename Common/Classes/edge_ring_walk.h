#pragma once

#include "edge_table.h"
#include "power_cell.h"

#include <vector>

// Steps around the ring of cells that share one edge of a cell, starting across the face opposite
// the edge's third position, so that the ring turns from the third towards the fourth vertex.
class edge_ring_walk
{
public:
  edge_ring_walk(const std::vector<power_cell>& cells, int start, int edge) : m_cells(cells), m_current(start)
  {
    const edge_row& row = kEdgeTable[edge];
    const power_cell& first = cells[start];
    m_r = first.pole[row.end0];
    m_s = first.pole[row.end1];
    m_y = first.pole[row.fourth];
    m_exit = row.third;
  }

  // Moves to the next cell of the ring and returns it (the start again once the ring is closed),
  // with the edge's number in that cell; -1 when the cells' adjacency is broken.
  int Next(int& edgeInCell)
  {
    const int next = m_cells[m_current].neighbour[m_exit];
    if (next < 0 || ++m_steps > m_cells.size())
      return -1;
    const power_cell& cell = m_cells[next];
    const int rAt = cell.PositionOf(m_r), sAt = cell.PositionOf(m_s), yAt = cell.PositionOf(m_y);
    if (rAt < 0 || sAt < 0 || yAt < 0)
      return -1;
    edgeInCell = EdgeOfPositions(rAt, sAt);
    m_exit = yAt;
    m_y = cell.pole[6 - rAt - sAt - yAt];
    m_current = next;
    return next;
  }

private:
  const std::vector<power_cell>& m_cells;
  int m_current;
  int m_r, m_s, m_y;  // the edge's poles and the pole the last step crossed away from
  int m_exit;         // the position opposite the face the next step crosses
  size_t m_steps = 0; // a ring that never closes is broken
};
