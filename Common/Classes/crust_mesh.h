#pragma once

#include <vector>

// Polygons over a point list, as the crust and medial stages emit them.
struct crust_mesh
{
  std::vector<double> points;  // x, y, z per vertex
  std::vector<int> offsets{0}; // polygon k uses ids[offsets[k] .. offsets[k + 1])
  std::vector<int> ids;

  int PolygonCount() const { return static_cast<int>(offsets.size()) - 1; }
  int PointCount() const { return static_cast<int>(points.size() / 3); }
  void AddPolygon(const int* first, int count)
  {
    ids.insert(ids.end(), first, first + count);
    offsets.push_back(static_cast<int>(ids.size()));
  }
};
