#pragma once

// What the meshing tests check of a surface given as polygons over numbered vertices: closed,
// consistently oriented, manifold at every vertex, its Euler characteristic and enclosed volume.

#include <algorithm>
#include <array>
#include <climits>
#include <tuple>
#include <utility>
#include <vector>

namespace test_support
{

struct SurfaceShape
{
  int edgesNotShared = 0;      // edges not used exactly once each way
  int inconsistentEdges = 0;   // edges used twice in the same direction
  int nonManifoldVertices = 0; // vertices whose polygons do not form one fan
  int euler = 0;
  double volume = 0.0; // signed: positive when the polygons face outward

  bool ClosedAndOriented() const { return edgesNotShared == 0 && inconsistentEdges == 0; }
};

// `polygons` hold vertex numbers in order; `position(v)` gives vertex v as {x, y, z}.
template <class Position>
SurfaceShape AnalyseSurface(const std::vector<std::vector<int>>& polygons, Position position)
{
  SurfaceShape shape;
  std::vector<std::pair<int, int>> directed;
  std::vector<std::tuple<int, int, int>> corners; // vertex, previous corner, next corner
  std::vector<int> used;
  for (const std::vector<int>& polygon : polygons)
  {
    const size_t n = polygon.size();
    for (size_t i = 0; i < n; ++i)
    {
      directed.push_back({polygon[i], polygon[(i + 1) % n]});
      corners.emplace_back(polygon[i], polygon[(i + n - 1) % n], polygon[(i + 1) % n]);
      used.push_back(polygon[i]);
    }
    const std::array<double, 3> a = position(polygon[0]);
    for (size_t i = 1; i + 1 < n; ++i)
    {
      const std::array<double, 3> b = position(polygon[i]), c = position(polygon[i + 1]);
      const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
      shape.volume += (a[0] * (u[1] * v[2] - u[2] * v[1]) + a[1] * (u[2] * v[0] - u[0] * v[2]) +
                       a[2] * (u[0] * v[1] - u[1] * v[0])) /
                      6.0;
    }
  }

  std::sort(directed.begin(), directed.end());
  std::vector<std::pair<int, int>> undirected;
  for (size_t i = 0; i < directed.size();)
  {
    const auto edge = directed[i];
    size_t end = i;
    while (end < directed.size() && directed[end] == edge)
      ++end;
    if (end - i > 1)
      ++shape.inconsistentEdges;
    if (end - i != 1 || !std::binary_search(directed.begin(), directed.end(), std::make_pair(edge.second, edge.first)))
      ++shape.edgesNotShared;
    undirected.push_back(std::minmax(edge.first, edge.second));
    i = end;
  }
  std::sort(undirected.begin(), undirected.end());
  undirected.erase(std::unique(undirected.begin(), undirected.end()), undirected.end());

  // Around a manifold vertex the polygon after the one with corners (p, v, n) has n before v.
  std::sort(corners.begin(), corners.end());
  for (size_t i = 0; i < corners.size();)
  {
    const int vertex = std::get<0>(corners[i]);
    size_t end = i;
    while (end < corners.size() && std::get<0>(corners[end]) == vertex)
      ++end;
    const int start = std::get<1>(corners[i]);
    int previous = start;
    size_t steps = 0;
    do
    {
      const auto found =
          std::lower_bound(corners.begin() + i, corners.begin() + end, std::make_tuple(vertex, previous, INT_MIN));
      if (found == corners.begin() + end || std::get<1>(*found) != previous)
        break;
      previous = std::get<2>(*found);
      ++steps;
    } while (previous != start && steps <= end - i);
    if (previous != start || steps != end - i)
      ++shape.nonManifoldVertices;
    i = end;
  }

  std::sort(used.begin(), used.end());
  const auto vertices = std::unique(used.begin(), used.end()) - used.begin();
  shape.euler = static_cast<int>(vertices) - static_cast<int>(undirected.size()) + static_cast<int>(polygons.size());
  return shape;
}

} // namespace test_support
