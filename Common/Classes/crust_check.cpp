#include "crust_check.h"

#include "crust_mesh.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The directed edges of a polygon mesh grouped by their start vertex, each group sorted by end.
struct outgoing_edges
{
  std::vector<int> first;  // the edges from vertex v are ends[first[v] .. first[v + 1])
  std::vector<int> ends;

  const int* Begin(int v) const { return ends.data() + first[v]; }
  const int* End(int v) const { return ends.data() + first[v + 1]; }
};

template <class EdgeVisitor>
bool ForEachEdge(const crust_mesh& mesh, EdgeVisitor&& visit)
{
  for (int k = 0; k < mesh.PolygonCount(); ++k) {
    const int first = mesh.offsets[k], count = mesh.offsets[k + 1] - first;
    if (count < 3)
      return false;
    for (int i = 0; i < count; ++i)
      visit(mesh.ids[first + i], mesh.ids[first + (i + 1) % count]);
  }
  return true;
}

// False when a polygon has fewer than three corners or a corner is not a vertex of the mesh.
bool GroupEdges(const crust_mesh& mesh, outgoing_edges& edges)
{
  const int vertexCount = mesh.PointCount();
  for (int id : mesh.ids)
    if (id < 0 || id >= vertexCount)
      return false;
  edges.first.assign(vertexCount + 1, 0);
  if (!ForEachEdge(mesh, [&edges](int from, int) { ++edges.first[from + 1]; }))
    return false;
  for (int v = 0; v < vertexCount; ++v)
    edges.first[v + 1] += edges.first[v];
  edges.ends.resize(edges.first[vertexCount]);
  std::vector<int> fill(edges.first.begin(), edges.first.end() - 1);
  ForEachEdge(mesh, [&edges, &fill](int from, int to) { edges.ends[fill[from]++] = to; });
  for (int v = 0; v < vertexCount; ++v)
    std::sort(edges.ends.begin() + edges.first[v], edges.ends.begin() + edges.first[v + 1]);
  return true;
}

}  // namespace

bool crust_check::IsClosedAndOriented(const crust_mesh& mesh)
{
  outgoing_edges edges;
  if (mesh.PolygonCount() == 0 || !GroupEdges(mesh, edges))
    return false;
  for (int from = 0; from < mesh.PointCount(); ++from) {
    const int* begin = edges.Begin(from);
    const int* end = edges.End(from);
    if (std::adjacent_find(begin, end) != end)
      return false;  // an edge used twice in the same direction
    for (const int* to = begin; to != end; ++to)
      if (*to == from || !std::binary_search(edges.Begin(*to), edges.End(*to), from))
        return false;  // a degenerate edge, or an edge without its reverse
  }
  return true;
}

bool crust_check::IsClosedOrientedManifold(const crust_mesh& mesh)
{
  if (!IsClosedAndOriented(mesh))
    return false;
  // Each corner of a vertex as (previous corner, next corner) of its polygon, grouped by vertex and
  // sorted by the previous one. Across the edge to the next corner lies the polygon whose corner of
  // the vertex comes after that one (the edge is used once each way): one walk must meet them all.
  const int vertexCount = mesh.PointCount();
  std::vector<int> first(static_cast<size_t>(vertexCount) + 1, 0);
  for (int id : mesh.ids)
    ++first[id + 1];
  for (int v = 0; v < vertexCount; ++v)
    first[v + 1] += first[v];
  std::vector<std::pair<int, int>> corners(mesh.ids.size());
  std::vector<int> fill(first.begin(), first.end() - 1);
  for (int k = 0; k < mesh.PolygonCount(); ++k) {
    const int begin = mesh.offsets[k], count = mesh.offsets[k + 1] - begin;
    for (int i = 0; i < count; ++i)
      corners[fill[mesh.ids[begin + i]]++] = {mesh.ids[begin + (i + count - 1) % count],
                                              mesh.ids[begin + (i + 1) % count]};
  }
  for (int v = 0; v < vertexCount; ++v) {
    const auto begin = corners.begin() + first[v], end = corners.begin() + first[v + 1];
    if (begin == end)
      continue;
    std::sort(begin, end);
    long steps = 0;
    auto at = begin;
    do {
      const int previous = at->second;
      at = std::lower_bound(begin, end, std::make_pair(previous, -1));
      if (at == end || at->first != previous || ++steps > end - begin)
        return false;
    } while (at != begin);
    if (steps != end - begin)
      return false;  // the corners form more than one fan
  }
  return true;
}
