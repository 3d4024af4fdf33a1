#include "float_weld.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <tuple>
#include <unordered_set>
#include <vector>

namespace
{

using float_key = std::array<std::uint32_t, 3>;

// The bits of a coordinate rounded to float; -0 and +0, equal as coordinates, give the same key.
std::uint32_t FloatBits(double value)
{
  const float rounded = static_cast<float>(value) + 0.0f;
  std::uint32_t bits;
  std::memcpy(&bits, &rounded, sizeof(bits));
  return bits;
}

float_key KeyOf(const double* point) { return {FloatBits(point[0]), FloatBits(point[1]), FloatBits(point[2])}; }

// Field by field: the array's own comparison calls memcmp, millions of times in a large crust.
bool SameKey(const float_key& a, const float_key& b) { return a[0] == b[0] && a[1] == b[1] && a[2] == b[2]; }

struct key_hash
{
  size_t operator()(const float_key& key) const
  {
    return (static_cast<size_t>(key[0]) * 0x9E3779B97F4A7C15ull) ^
           (static_cast<size_t>(key[1]) * 0xC2B2AE3D27D4EB4Full) ^ key[2];
  }
};

// Calls visit(a, b, c) for the triangles of each polygon's fan from its first corner, in order.
template <class TriangleVisitor>
void ForEachFanTriangle(const crust_mesh& polygons, TriangleVisitor&& visit)
{
  for (int k = 0; k < polygons.PolygonCount(); ++k)
  {
    const int first = polygons.offsets[k], count = polygons.offsets[k + 1] - first;
    for (int j = 1; j + 1 < count; ++j)
      visit(polygons.ids[first], polygons.ids[first + j], polygons.ids[first + j + 1]);
  }
}

// Fans of the polygons' corners, as ids, offsets of a triangle mesh.
void Fans(const crust_mesh& polygons, crust_mesh& triangles)
{
  const size_t triangleCount = polygons.ids.size() - 2 * static_cast<size_t>(polygons.PolygonCount());
  triangles.ids.reserve(triangles.ids.size() + 3 * triangleCount);
  triangles.offsets.reserve(triangles.offsets.size() + triangleCount);
  ForEachFanTriangle(polygons,
                     [&triangles](int a, int b, int c)
                     {
                       triangles.ids.insert(triangles.ids.end(), {a, b, c});
                       triangles.offsets.push_back(static_cast<int>(triangles.ids.size()));
                     });
}

// A vertex beside its float position, so that sorting compares adjacent memory.
struct keyed_vertex
{
  float_key key;
  int vertex;

  bool operator<(const keyed_vertex& other) const
  {
    return std::tie(key[0], key[1], key[2], vertex) < std::tie(other.key[0], other.key[1], other.key[2], other.vertex);
  }
};

// The vertices of a mesh with their float positions, ordered by position (ties by number).
std::vector<keyed_vertex> SortedPositions(const crust_mesh& mesh)
{
  const int count = mesh.PointCount();
  std::vector<keyed_vertex> sorted(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i)
    sorted[i] = {KeyOf(&mesh.points[3 * static_cast<size_t>(i)]), i};
  std::sort(sorted.begin(), sorted.end());
  return sorted;
}

// For each vertex the lowest-numbered vertex at the same float position.
std::vector<int> Representatives(const std::vector<keyed_vertex>& sorted)
{
  std::vector<int> representative(sorted.size());
  for (size_t i = 0; i < sorted.size(); ++i)
    representative[sorted[i].vertex] =
        i > 0 && SameKey(sorted[i].key, sorted[i - 1].key) ? representative[sorted[i - 1].vertex] : sorted[i].vertex;
  return representative;
}

struct triangle_key
{
  std::array<int, 3> sorted;
  bool even; // the corners are an even permutation of the sorted ones
};

triangle_key KeyOf(const int* corners)
{
  triangle_key key{{corners[0], corners[1], corners[2]}, true};
  // Three compare-and-swaps; each swap changes the parity.
  auto order = [&key](int i, int j)
  {
    if (key.sorted[i] > key.sorted[j])
    {
      std::swap(key.sorted[i], key.sorted[j]);
      key.even = !key.even;
    }
  };
  order(0, 1);
  order(1, 2);
  order(0, 1);
  return key;
}

// Marks pairs of opposite triangles over the same three vertices. Only triangles at a merged vertex
// can form such pairs: the polygon surface has none.
int CancelOppositePairs(const std::vector<int>& corners, const std::vector<char>& merged, std::vector<char>& removed)
{
  std::vector<int> candidates;
  const int triangleCount = static_cast<int>(corners.size() / 3);
  for (int t = 0; t < triangleCount; ++t)
    if (merged[corners[3 * t]] || merged[corners[3 * t + 1]] || merged[corners[3 * t + 2]])
      candidates.push_back(t);
  std::vector<triangle_key> keys(candidates.size());
  for (size_t i = 0; i < candidates.size(); ++i)
    keys[i] = KeyOf(&corners[3 * static_cast<size_t>(candidates[i])]);
  std::vector<size_t> order(candidates.size());
  std::iota(order.begin(), order.end(), size_t(0));
  std::sort(order.begin(), order.end(),
            [&keys](size_t a, size_t b)
            { return keys[a].sorted != keys[b].sorted ? keys[a].sorted < keys[b].sorted : a < b; });
  int cancelled = 0;
  for (size_t begin = 0; begin < order.size();)
  {
    size_t end = begin + 1;
    while (end < order.size() && keys[order[end]].sorted == keys[order[begin]].sorted)
      ++end;
    std::vector<size_t> even, odd;
    for (size_t i = begin; i < end; ++i)
      (keys[order[i]].even ? even : odd).push_back(order[i]);
    for (size_t i = 0; i < std::min(even.size(), odd.size()); ++i)
    {
      removed[candidates[even[i]]] = 1;
      removed[candidates[odd[i]]] = 1;
      cancelled += 2;
    }
    begin = end;
  }
  return cancelled;
}

} // namespace

void float_weld::Weld(const crust_mesh& polygons, crust_mesh& triangles, float_weld_counts* counts)
{
  float_weld_counts counted;
  const int vertexCount = polygons.PointCount();
  const std::vector<int> representative = Representatives(SortedPositions(polygons));
  std::vector<char> merged(static_cast<size_t>(vertexCount), 0);
  for (int v = 0; v < vertexCount; ++v)
    if (representative[v] != v)
    {
      merged[representative[v]] = 1;
      ++counted.merged_vertices;
    }

  std::vector<int> corners;
  corners.reserve(3 * (polygons.ids.size() - 2 * static_cast<size_t>(polygons.PolygonCount())));
  auto corner = [&](int id) { return id >= 0 && id < vertexCount ? representative[id] : -1; };
  ForEachFanTriangle(polygons,
                     [&](int first, int second, int third)
                     {
                       const int a = corner(first), b = corner(second), c = corner(third);
                       if (a < 0 || b < 0 || c < 0 || a == b || b == c || a == c)
                         ++counted.collapsed_triangles;
                       else
                         corners.insert(corners.end(), {a, b, c});
                     });
  std::vector<char> removed(corners.size() / 3, 0);
  counted.cancelled_triangles = CancelOppositePairs(corners, merged, removed);

  // Vertices in their order, those without a triangle dropped.
  std::vector<int> renumbered(static_cast<size_t>(vertexCount), -1);
  for (size_t t = 0; t < removed.size(); ++t)
    if (!removed[t])
      for (int i = 0; i < 3; ++i)
        renumbered[corners[3 * t + i]] = 0;
  crust_mesh result;
  int kept = 0;
  for (int v = 0; v < vertexCount; ++v)
    if (renumbered[v] == 0)
    {
      renumbered[v] = kept++;
      result.points.insert(result.points.end(), polygons.points.begin() + 3 * static_cast<size_t>(v),
                           polygons.points.begin() + 3 * static_cast<size_t>(v) + 3);
    }
  const size_t triangleCount = removed.size() - static_cast<size_t>(counted.cancelled_triangles);
  result.ids.reserve(3 * triangleCount);
  result.offsets.reserve(triangleCount + 1);
  for (size_t t = 0; t < removed.size(); ++t)
    if (!removed[t])
    {
      for (int i = 0; i < 3; ++i)
        result.ids.push_back(renumbered[corners[3 * t + i]]);
      result.offsets.push_back(static_cast<int>(result.ids.size()));
    }
  triangles = std::move(result);
  if (counts)
    *counts = counted;
}

double float_weld::Separate(const crust_mesh& polygons, crust_mesh& triangles)
{
  const int vertexCount = polygons.PointCount();
  const std::vector<keyed_vertex> sorted = SortedPositions(polygons);
  const std::vector<int> representative = Representatives(sorted);
  // The float positions of the vertices, sorted and distinct, and those given to moved vertices.
  std::vector<float_key> occupied;
  occupied.reserve(sorted.size());
  for (const keyed_vertex& at : sorted)
    if (occupied.empty() || !SameKey(occupied.back(), at.key))
      occupied.push_back(at.key);
  std::unordered_set<float_key, key_hash> given;
  auto isFree = [&occupied, &given](const float_key& key)
  { return !std::binary_search(occupied.begin(), occupied.end(), key) && given.count(key) == 0; };
  crust_mesh result;
  result.points = polygons.points;
  double moved = 0.0;
  for (int v = 0; v < vertexCount; ++v)
  {
    if (representative[v] == v)
      continue;
    float position[3];
    float_key key = KeyOf(&polygons.points[3 * static_cast<size_t>(v)]);
    std::memcpy(position, key.data(), sizeof(position));
    do
    {
      position[0] = std::nextafter(position[0], INFINITY);
      std::memcpy(&key[0], &position[0], sizeof(float));
    } while (!isFree(key));
    given.insert(key);
    double* point = &result.points[3 * static_cast<size_t>(v)];
    double distance = 0.0;
    for (int k = 0; k < 3; ++k)
    {
      distance += (position[k] - point[k]) * (position[k] - point[k]);
      point[k] = position[k];
    }
    moved = std::max(moved, std::sqrt(distance));
  }
  Fans(polygons, result);
  triangles = std::move(result);
  return moved;
}
