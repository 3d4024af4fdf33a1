#pragma once

// Grid meshes for the benchmark programs that work on meshes in the process.

#include "opennurbs.h"

namespace bench
{

// A grid of rows x columns cells, two triangles per cell; `point(r, c)` is the grid point of row
// r and column c (0 to rows, 0 to columns).
template <class Point>
ON_Mesh GridMesh(int rows, int columns, Point point)
{
  ON_Mesh mesh(2 * rows * columns, (rows + 1) * (columns + 1), false, false);
  for (int r = 0; r <= rows; ++r)
    for (int c = 0; c <= columns; ++c)
      mesh.m_V.Append(point(r, c));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c)
    {
      const int v = r * (columns + 1) + c;
      mesh.m_F.Append(ON_MeshFace{{v, v + 1, v + columns + 2, v + columns + 2}});
      mesh.m_F.Append(ON_MeshFace{{v, v + columns + 2, v + columns + 1, v + columns + 1}});
    }
  return mesh;
}

// A wavy grid of half-unit cells.
inline ON_Mesh WavyGridMesh(int rows, int columns)
{
  return GridMesh(rows, columns,
                  [](int r, int c)
                  { return ON_3fPoint(c * 0.5f, r * 0.5f, static_cast<float>((r * 7 + c * 13) % 17) * 0.1f); });
}

} // namespace bench
