#pragma once

#include <array>

using power_vertex = std::array<double, 3>; // in input units

// One tetrahedron of the regular triangulation of the poles, copied out of the hull once it is
// built so that the hull's records can be released before the crust is made. Cells refer to each
// other and to the poles by index; their power vertices are kept beside them, by the same index.
struct power_cell
{
  static constexpr int kInfinity = -1; // the pole index of the point at infinity

  int pole[4];                // the pole at each position, or kInfinity
  int neighbour[4];           // the cell opposite each position
  int output_id;              // the vertex's id in the crust once emitted
  signed char status;         // 0 infinite, 1 has a power vertex, -1 coplanar, 3 power vertex emitted
  signed char edge_status[6]; // 0 unlinked, 3 linked here, 2 linked elsewhere, 1 face emitted, 13 medial

  bool IsInfinite() const { return pole[0] < 0 || pole[1] < 0 || pole[2] < 0 || pole[3] < 0; }
  bool HasVertex() const { return status == 1 || status == 3; }
  // The position of `p` in this cell, or -1.
  int PositionOf(int p) const
  {
    for (int i = 0; i < 4; ++i)
      if (pole[i] == p)
        return i;
    return -1;
  }
};
