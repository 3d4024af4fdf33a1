#include "crust_check.h"

#include "crust_mesh.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace
{

// A corner of a polygon as its vertex's group keeps it: the end of the polygon's edge out of the
// vertex, and, where the check needs it, the start of its edge into the vertex.
using edge_corner = int;                // the end
using fan_corner = std::pair<int, int>; // (end, start)

int EdgeEnd(edge_corner corner) { return corner; }
int EdgeEnd(const fan_corner& corner) { return corner.first; }

template <class Corner>
Corner MakeCorner(int end, int start);
template <>
edge_corner MakeCorner<edge_corner>(int end, int)
{
  return end;
}
template <>
fan_corner MakeCorner<fan_corner>(int end, int start)
{
  return {end, start};
}

// The corners of a polygon mesh grouped by vertex, each group sorted (by end first).
template <class Corner>
struct vertex_corners
{
  std::vector<int> first; // the corners of vertex v are corners[first[v] .. first[v + 1])
  std::vector<Corner> corners;

  const Corner* Begin(int v) const { return corners.data() + first[v]; }
  const Corner* End(int v) const { return corners.data() + first[v + 1]; }
  // The corner of v whose outgoing edge ends at `end`, or End(v).
  const Corner* Find(int v, int end) const
  {
    const Corner* at = std::lower_bound(Begin(v), End(v), end,
                                        [](const Corner& corner, int value) { return EdgeEnd(corner) < value; });
    return at != End(v) && EdgeEnd(*at) == end ? at : End(v);
  }
};

// Calls visit(vertex, next, previous) for every polygon corner; false when a polygon has fewer
// than three corners.
template <class CornerVisitor>
bool ForEachCorner(const crust_mesh& mesh, CornerVisitor&& visit)
{
  for (int k = 0; k < mesh.PolygonCount(); ++k)
  {
    const int first = mesh.offsets[k], count = mesh.offsets[k + 1] - first;
    if (count < 3)
      return false;
    for (int i = 0; i < count; ++i)
      visit(mesh.ids[first + i], mesh.ids[first + (i + 1) % count], mesh.ids[first + (i + count - 1) % count]);
  }
  return true;
}

// False when a polygon has fewer than three corners or a corner is not a vertex of the mesh.
template <class Corner>
bool GroupCorners(const crust_mesh& mesh, vertex_corners<Corner>& groups)
{
  const int vertexCount = mesh.PointCount();
  for (int id : mesh.ids)
    if (id < 0 || id >= vertexCount)
      return false;
  groups.first.assign(vertexCount + 1, 0);
  if (!ForEachCorner(mesh, [&groups](int vertex, int, int) { ++groups.first[vertex + 1]; }))
    return false;
  for (int v = 0; v < vertexCount; ++v)
    groups.first[v + 1] += groups.first[v];
  groups.corners.resize(groups.first[vertexCount]);
  std::vector<int> fill(groups.first.begin(), groups.first.end() - 1);
  ForEachCorner(mesh, [&groups, &fill](int vertex, int next, int previous)
                { groups.corners[fill[vertex]++] = MakeCorner<Corner>(next, previous); });
  for (int v = 0; v < vertexCount; ++v)
    std::sort(groups.corners.begin() + groups.first[v], groups.corners.begin() + groups.first[v + 1]);
  return true;
}

// Every directed edge used once, never degenerate, and its reverse used too. Only edges toward a
// higher-numbered vertex look up their reverse: once they all have one, the edges left unpaired
// only go down and, like all the polygons' edges, enter each vertex as often as they leave it, so
// they would hold a cycle, and no cycle only goes down.
template <class Corner>
bool ClosedAndOriented(const crust_mesh& mesh, const vertex_corners<Corner>& groups)
{
  for (int from = 0; from < mesh.PointCount(); ++from)
  {
    const Corner* begin = groups.Begin(from);
    const Corner* end = groups.End(from);
    if (std::adjacent_find(begin, end, [](const Corner& a, const Corner& b) { return EdgeEnd(a) == EdgeEnd(b); }) !=
        end)
      return false; // an edge used twice in the same direction
    for (const Corner* corner = begin; corner != end; ++corner)
    {
      const int to = EdgeEnd(*corner);
      if (to == from)
        return false; // a degenerate edge
      if (to > from && groups.Find(to, from) == groups.End(to))
        return false; // an edge without its reverse
    }
  }
  return true;
}

} // namespace

bool crust_check::IsClosedAndOriented(const crust_mesh& mesh)
{
  vertex_corners<edge_corner> groups;
  return mesh.PolygonCount() > 0 && GroupCorners(mesh, groups) && ClosedAndOriented(mesh, groups);
}

bool crust_check::IsClosedOrientedManifold(const crust_mesh& mesh)
{
  vertex_corners<fan_corner> groups;
  if (mesh.PolygonCount() == 0 || !GroupCorners(mesh, groups) || !ClosedAndOriented(mesh, groups))
    return false;
  // Across the edge into a vertex from a corner's start lies the polygon whose corner of the vertex
  // has its outgoing edge end there (the edge is used once each way): one walk must meet them all.
  for (int v = 0; v < mesh.PointCount(); ++v)
  {
    const fan_corner* begin = groups.Begin(v);
    const fan_corner* end = groups.End(v);
    if (begin == end)
      continue;
    long steps = 0;
    const fan_corner* at = begin;
    do
    {
      const int start = at->second;
      at = groups.Find(v, start);
      if (at == end || ++steps > end - begin)
        return false;
    } while (at != begin);
    if (steps != end - begin)
      return false; // the corners form more than one fan
  }
  return true;
}
