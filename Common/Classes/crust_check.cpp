#include "crust_check.h"

#include "crust_mesh.h"

#include <algorithm>
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
