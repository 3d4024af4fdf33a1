#include "opennurbs_meshtopology.h"

#include "opennurbs_mesh.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace
{

bool FaceIndexesInRange(const ON_MeshFace& f, int vertex_count)
{
  for (int k = 0; k < 4; k++)
  {
    if (f.vi[k] < 0 || f.vi[k] >= vertex_count)
      return false;
  }
  return true;
}

bool SortedListContains(const int* list, int count, int value)
{
  return count > 0 && std::binary_search(list, list + count, value);
}

bool StrictlyAscending(const int* list, int count)
{
  for (int i = 1; i < count; i++)
  {
    if (list[i - 1] >= list[i])
      return false;
  }
  return true;
}

} // namespace

ON_MeshTopology::ON_MeshTopology() : m_mesh(nullptr), m_bIsValid(false) {}

void ON_MeshTopology::Destroy()
{
  m_mesh = nullptr;
  m_bIsValid = false;
  m_topv_map.Destroy();
  m_topv.Destroy();
  m_tope.Destroy();
  m_topf.Destroy();
  m_vi_list.Destroy();
  m_topei_list.Destroy();
  m_topfi_list.Destroy();
}

int ON_MeshTopology::TopVertexCount() const { return m_topv.Count(); }

int ON_MeshTopology::TopEdgeCount() const { return m_tope.Count(); }

int ON_MeshTopology::TopFaceCount() const { return m_topf.Count(); }

ON_3dPoint ON_MeshTopology::TopVertexPoint(int topvi) const
{
  if (!m_mesh || topvi < 0 || topvi >= m_topv.Count() || m_topv[topvi].m_v_count < 1)
    return ON_3dPoint(ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE);
  return ON_3dPoint(m_mesh->m_V[m_topv[topvi].m_vi[0]]);
}

ON_Line ON_MeshTopology::TopEdgeLine(int topei) const
{
  if (topei < 0 || topei >= m_tope.Count())
  {
    const ON_3dPoint unset(ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE);
    return ON_Line(unset, unset);
  }
  const ON_MeshTopologyEdge& edge = m_tope[topei];
  return ON_Line(TopVertexPoint(edge.m_topvi[0]), TopVertexPoint(edge.m_topvi[1]));
}

bool ON_MeshTopology::Create(const ON_Mesh& mesh)
{
  Destroy();
  m_mesh = &mesh;
  if (mesh.VertexCount() < 1)
    return false;
  try
  {
    CreateVertices();
    CreateEdgesAndFaces();
  }
  catch (const std::bad_alloc&)
  {
    Destroy();
    m_mesh = &mesh; // not rebuilt again until the mesh changes
    return false;
  }
  m_bIsValid = true;
  return true;
}

// Topological vertices are numbered in dictionary order of their location, as the toolkit's
// version 4/5 numbers them; later releases number them by their first mesh vertex instead.
// Equal locations are gathered through a hash table (a vertex with a NaN coordinate equals none),
// so that only the distinct locations are sorted; each group lists its vertices in index order.
void ON_MeshTopology::CreateVertices()
{
  const ON_3fPoint* V = m_mesh->m_V.Array();
  const int vertex_count = m_mesh->VertexCount();

  m_vi_list.SetCapacity(vertex_count);
  m_vi_list.SetCount(vertex_count);
  m_topv_map.SetCapacity(vertex_count);
  m_topv_map.SetCount(vertex_count);
  m_topv.SetCapacity(vertex_count); // room for the most there can be: Append cannot fail
  if (m_vi_list.Count() != vertex_count || m_topv_map.Count() != vertex_count || m_topv.Capacity() < vertex_count)
    throw std::bad_alloc();

  // Group of each vertex, numbered in order of first appearance; first vertex of each group.
  int* group = m_topv_map.Array();
  std::vector<int> first;
  first.reserve(static_cast<size_t>(vertex_count));
  auto bits = [](float x)
  {
    uint32_t b;
    if (x == 0.0f)
      x = 0.0f; // -0 and +0 are one location
    std::memcpy(&b, &x, sizeof b);
    return static_cast<uint64_t>(b);
  };
  auto hash = [&bits](const ON_3fPoint& p)
  {
    uint64_t h =
        (bits(p.x) * 0x9E3779B97F4A7C15ULL) ^ (bits(p.y) * 0xC2B2AE3D27D4EB4FULL) ^ (bits(p.z) * 0x165667B19E3779F9ULL);
    return h ^ (h >> 29);
  };
  // Open addressing on locations with their group, kept at most 5/8 full so that a probe mostly
  // reads one slot: it starts small (STL files repeat each location about six times) and doubles
  // as groups come.
  struct Slot
  {
    float x, y, z;
    int group; // -1: empty
  };
  size_t slots = 1024;
  while (slots < static_cast<size_t>(vertex_count) / 4)
    slots *= 2;
  std::vector<Slot> table(slots, Slot{0, 0, 0, -1});
  size_t filled = 0;
  // The locations met last, one per hash value of 14 bits: a mesh's vertices mostly come back to
  // a location soon, and this small table stays in the cache where the large one cannot.
  std::vector<Slot> recent(size_t{1} << 14, Slot{0, 0, 0, -1});
  for (int vi = 0; vi < vertex_count; vi++)
  {
    const ON_3fPoint& p = V[vi];
    if (std::isnan(p.x) || std::isnan(p.y) || std::isnan(p.z))
    {
      group[vi] = static_cast<int>(first.size());
      first.push_back(vi);
      continue;
    }
    const uint64_t h = hash(p);
    Slot& seen = recent[static_cast<size_t>(h >> 50)];
    if (seen.group >= 0 && seen.x == p.x && seen.y == p.y && seen.z == p.z)
    {
      group[vi] = seen.group;
      continue;
    }
    size_t slot = static_cast<size_t>(h) & (slots - 1);
    for (;;)
    {
      Slot& t = table[slot];
      if (t.group < 0)
      {
        t = Slot{p.x, p.y, p.z, static_cast<int>(first.size())};
        group[vi] = t.group;
        first.push_back(vi);
        filled++;
        break;
      }
      if (t.x == p.x && t.y == p.y && t.z == p.z)
      {
        group[vi] = t.group;
        break;
      }
      slot = (slot + 1) & (slots - 1);
    }
    seen = Slot{p.x, p.y, p.z, group[vi]};
    if (8 * filled > 5 * slots)
    {
      std::vector<Slot> old(2 * slots, Slot{0, 0, 0, -1});
      old.swap(table);
      slots *= 2;
      for (const Slot& t : old)
      {
        if (t.group < 0)
          continue;
        size_t at = static_cast<size_t>(hash(ON_3fPoint(t.x, t.y, t.z))) & (slots - 1);
        while (table[at].group >= 0)
          at = (at + 1) & (slots - 1);
        table[at] = t;
      }
    }
  }
  std::vector<Slot>().swap(table);

  // Groups in dictionary order of location, a NaN coordinate above every number and groups at
  // locations that do not differ in order (NaN ones) by first vertex: sorted on keys whose
  // unsigned order is that order (-0 as +0).
  auto key = [](float x)
  {
    if (std::isnan(x))
      return 0xFFFFFFFFu;
    if (x == 0.0f)
      x = 0.0f;
    uint32_t b;
    std::memcpy(&b, &x, sizeof b);
    return (b & 0x80000000u) ? ~b : (b | 0x80000000u);
  };
  struct Entry
  {
    uint32_t k[3];
    int first;
    int group;
    bool operator<(const Entry& o) const
    {
      if (k[0] != o.k[0])
        return k[0] < o.k[0];
      if (k[1] != o.k[1])
        return k[1] < o.k[1];
      if (k[2] != o.k[2])
        return k[2] < o.k[2];
      return first < o.first;
    }
  };
  const int group_count = static_cast<int>(first.size());
  std::vector<Entry> order(static_cast<size_t>(group_count));
  for (int g = 0; g < group_count; g++)
  {
    const ON_3fPoint& p = V[first[g]];
    order[g] = Entry{{key(p.x), key(p.y), key(p.z)}, first[g], g};
  }
  std::sort(order.begin(), order.end());
  std::vector<int> rank(static_cast<size_t>(group_count));
  for (int r = 0; r < group_count; r++)
    rank[order[r].group] = r;
  std::vector<Entry>().swap(order);

  // Vertex lists by counting, each in ascending vertex order.
  std::vector<int> start(static_cast<size_t>(group_count) + 1, 0);
  for (int vi = 0; vi < vertex_count; vi++)
  {
    group[vi] = rank[group[vi]];
    start[group[vi] + 1]++;
  }
  for (int r = 0; r < group_count; r++)
    start[r + 1] += start[r];
  int* list = m_vi_list.Array();
  std::vector<int> next(start.begin(), start.end() - 1);
  for (int vi = 0; vi < vertex_count; vi++)
    list[next[group[vi]]++] = vi;
  for (int r = 0; r < group_count; r++)
    m_topv.Append(ON_MeshTopologyVertex{0, nullptr, start[r + 1] - start[r], list + start[r]});
}

// Edges are numbered in dictionary order of (smaller, larger) topological vertex. The sides are
// put in that order by counting on the smaller vertex, then sorting each vertex's few sides on
// (larger vertex, face, side) packed in one number.
void ON_MeshTopology::CreateEdgesAndFaces()
{
  const int vertex_count = m_mesh->VertexCount();
  const int face_count = m_mesh->FaceCount();
  const int* topv_map = m_topv_map.Array();
  const int topv_count = m_topv.Count();
  if (face_count > (1 << 29))
    throw std::bad_alloc(); // face * 4 + side must fit 32 bits

  // Calls visit(smaller vertex, larger vertex, face * 4 + side) for each side, of a face with its
  // indexes in range, between two topological vertices.
  auto for_each_side = [&](auto&& visit)
  {
    for (int fi = 0; fi < face_count; fi++)
    {
      const ON_MeshFace& f = m_mesh->m_F[fi];
      if (!FaceIndexesInRange(f, vertex_count))
        continue;
      for (int s = 0; s < 4; s++)
      {
        const int a = topv_map[f.vi[s]];
        const int b = topv_map[f.vi[(s + 1) % 4]];
        if (a != b)
          visit(std::min(a, b), std::max(a, b), 4 * fi + s);
      }
    }
  };

  std::vector<int> bucket(static_cast<size_t>(topv_count) + 1, 0);
  size_t side_count = 0;
  for_each_side(
      [&](int smaller, int, int)
      {
        bucket[smaller + 1]++;
        side_count++;
      });
  if (topv_count < 2 || side_count == 0)
    return;
  for (int v = 0; v < topv_count; v++)
    bucket[v + 1] += bucket[v];
  // Larger vertex in the high half, face * 4 + side in the low half.
  std::unique_ptr<uint64_t[]> sides(new uint64_t[side_count]);
  {
    std::vector<int> next(bucket.begin(), bucket.end() - 1);
    for_each_side([&](int smaller, int larger, int face_side)
                  { sides[next[smaller]++] = static_cast<uint64_t>(larger) << 32 | static_cast<uint32_t>(face_side); });
  }
  for (int v = 0; v < topv_count; v++)
  {
    uint64_t* from = sides.get() + bucket[v];
    uint64_t* to = sides.get() + bucket[v + 1];
    if (to - from <= 16)
    {
      for (uint64_t* i = from + 1; i < to; i++)
      {
        const uint64_t x = *i;
        uint64_t* j = i;
        for (; j > from && *(j - 1) > x; j--)
          *j = *(j - 1);
        *j = x;
      }
    }
    else
      std::sort(from, to);
  }

  int edge_count = 0;
  for (int v = 0; v < topv_count; v++)
  {
    for (int i = bucket[v]; i < bucket[v + 1]; i++)
    {
      if (i == bucket[v] || (sides[i] >> 32) != (sides[i - 1] >> 32))
        edge_count++;
    }
  }
  std::vector<int> side_edge(static_cast<size_t>(face_count) * 4, -1);
  m_topfi_list.SetCapacity(static_cast<int>(side_count));
  m_tope.SetCapacity(edge_count);
  m_topf.SetCapacity(face_count);
  if (m_topfi_list.Capacity() < static_cast<int>(side_count) || m_tope.Capacity() < edge_count ||
      m_topf.Capacity() < face_count)
    throw std::bad_alloc();
  std::vector<int> vertex_edge_count(m_topv.Count(), 0);
  int* topfi = m_topfi_list.Array(); // capacity fixed above: the edges point into it
  for (int v = 0; v < topv_count; v++)
  {
    for (int i = bucket[v]; i < bucket[v + 1]; i++)
    {
      const int other = static_cast<int>(sides[i] >> 32);
      const int face_side = static_cast<int>(sides[i] & 0xFFFFFFFFu);
      if (i == bucket[v] || other != static_cast<int>(sides[i - 1] >> 32))
      {
        m_tope.Append(ON_MeshTopologyEdge{{v, other}, 0, topfi + m_topfi_list.Count()});
        vertex_edge_count[v]++;
        vertex_edge_count[other]++;
      }
      m_tope.Last()->m_topf_count++;
      m_topfi_list.Append(face_side / 4);
      side_edge[face_side] = m_tope.Count() - 1;
    }
  }
  sides.reset();
  std::vector<int>().swap(bucket);

  // Vertex edge lists, filled in ascending edge order.
  m_topei_list.SetCapacity(2 * m_tope.Count());
  m_topei_list.SetCount(2 * m_tope.Count());
  if (m_topei_list.Count() != 2 * m_tope.Count())
    throw std::bad_alloc();
  std::vector<int> next(m_topv.Count(), 0);
  int offset = 0;
  for (int topvi = 0; topvi < m_topv.Count(); topvi++)
  {
    m_topv[topvi].m_topei = m_topei_list.Array() + offset;
    next[topvi] = offset;
    offset += vertex_edge_count[topvi];
  }
  for (int ei = 0; ei < m_tope.Count(); ei++)
  {
    for (int end = 0; end < 2; end++)
    {
      const int topvi = m_tope[ei].m_topvi[end];
      m_topei_list[next[topvi]++] = ei;
      m_topv[topvi].m_tope_count++;
    }
  }

  for (int fi = 0; fi < face_count; fi++)
  {
    const ON_MeshFace& f = m_mesh->m_F[fi];
    ON_MeshTopologyFace& topf = m_topf.AppendNew();
    const int* edge_of_side = side_edge.data() + static_cast<size_t>(fi) * 4;
    for (int k = 0; k < 4; k++)
    {
      const int side = (k + 3) % 4; // the side that ends at corner k
      const int ei = edge_of_side[side];
      topf.m_topei[k] = ei;
      topf.m_reve[k] = (ei >= 0 && topv_map[f.vi[side]] != m_tope[ei].m_topvi[0]) ? 1 : 0;
    }
    const bool triangle = f.IsTriangle();
    if (triangle)
    {
      topf.m_topei[3] = topf.m_topei[2];
      topf.m_reve[3] = 0;
    }
    const int* e = topf.m_topei;
    bool good = e[0] >= 0 && e[1] >= 0 && e[2] >= 0 && e[0] != e[1] && e[1] != e[2] && e[2] != e[0];
    if (good && !triangle)
      good = e[3] >= 0 && e[3] != e[0] && e[3] != e[1] && e[3] != e[2];
    if (!good)
      topf = ON_MeshTopologyFace{{0, 0, 0, 0}, {0, 0, 0, 0}};
  }
}

bool ON_MeshTopology::IsValid() const
{
  if (!m_bIsValid || !m_mesh || &m_mesh->Topology() != this)
    return false;
  const int vertex_count = m_mesh->VertexCount();
  const int face_count = m_mesh->FaceCount();
  const int topv_count = m_topv.Count();
  if (topv_count > vertex_count || (vertex_count > 0 && topv_count == 0))
    return false;
  if (m_topf.Count() != face_count || (face_count > 0 && m_tope.Count() < 3))
    return false;
  if (m_topv_map.Count() != vertex_count)
    return false;
  for (int vi = 0; vi < vertex_count; vi++)
  {
    if (m_topv_map[vi] < 0 || m_topv_map[vi] >= topv_count)
      return false;
  }
  int listed_vertices = 0;
  for (int topvi = 0; topvi < topv_count; topvi++)
  {
    if (!IsValidVertex(topvi))
      return false;
    listed_vertices += m_topv[topvi].m_v_count;
  }
  if (listed_vertices != vertex_count)
    return false;
  for (int ei = 0; ei < m_tope.Count(); ei++)
  {
    if (!IsValidEdge(ei))
      return false;
  }
  for (int fi = 0; fi < face_count; fi++)
  {
    if (!IsValidFace(fi))
      return false;
  }
  return true;
}

bool ON_MeshTopology::IsValidVertex(int topvi) const
{
  const ON_MeshTopologyVertex& topv = m_topv[topvi];
  if (topv.m_v_count < 1 || !topv.m_vi)
    return false;
  const ON_3fPoint location = m_mesh->m_V[topv.m_vi[0]];
  for (int j = 0; j < topv.m_v_count; j++)
  {
    const int vi = topv.m_vi[j];
    if (vi < 0 || vi >= m_mesh->VertexCount() || m_topv_map[vi] != topvi)
      return false;
    if (!(m_mesh->m_V[vi] == location)) // NaN locations fail here
      return false;
  }
  if (topv.m_tope_count < 0 || (topv.m_tope_count > 0 && !topv.m_topei))
    return false;
  if (!StrictlyAscending(topv.m_topei, topv.m_tope_count))
    return false;
  for (int j = 0; j < topv.m_tope_count; j++)
  {
    const int ei = topv.m_topei[j];
    if (ei < 0 || ei >= m_tope.Count())
      return false;
    if (m_tope[ei].m_topvi[0] != topvi && m_tope[ei].m_topvi[1] != topvi)
      return false;
  }
  return true;
}

bool ON_MeshTopology::IsValidEdge(int ei) const
{
  const ON_MeshTopologyEdge& edge = m_tope[ei];
  for (int end = 0; end < 2; end++)
  {
    const int topvi = edge.m_topvi[end];
    if (topvi < 0 || topvi >= m_topv.Count())
      return false;
    if (!SortedListContains(m_topv[topvi].m_topei, m_topv[topvi].m_tope_count, ei))
      return false;
  }
  if (edge.m_topvi[0] == edge.m_topvi[1] || edge.m_topf_count < 1 || !edge.m_topfi)
    return false;
  for (int j = 0; j < edge.m_topf_count; j++)
  {
    const int fi = edge.m_topfi[j];
    if (fi < 0 || fi >= m_topf.Count())
      return false;
    if (!m_topf[fi].IsValid())
      continue; // a degenerate face keeps no edges
    const int* e = m_topf[fi].m_topei;
    if (e[0] != ei && e[1] != ei && e[2] != ei && e[3] != ei)
      return false;
  }
  return true;
}

bool ON_MeshTopology::IsValidFace(int fi) const
{
  const ON_MeshTopologyFace& topf = m_topf[fi];
  if (!topf.IsValid())
  {
    for (int k = 0; k < 4; k++)
    {
      if (topf.m_topei[k] != 0 || topf.m_reve[k] != 0)
        return false;
    }
    return true;
  }
  const ON_MeshFace& f = m_mesh->m_F[fi];
  if (!FaceIndexesInRange(f, m_mesh->VertexCount()) || f.IsTriangle() != topf.IsTriangle())
    return false;
  const int corner_count = f.IsTriangle() ? 3 : 4;
  for (int k = 0; k < corner_count; k++)
  {
    const int ei = topf.m_topei[k];
    if (ei < 0 || ei >= m_tope.Count())
      return false;
    const ON_MeshTopologyEdge& edge = m_tope[ei];
    if (!SortedListContains(edge.m_topfi, edge.m_topf_count, fi))
      return false;
    const int from = m_topv_map[f.vi[(k + corner_count - 1) % corner_count]];
    const int to = m_topv_map[f.vi[k]];
    const int reve = topf.m_reve[k] ? 1 : 0;
    if (edge.m_topvi[reve] != from || edge.m_topvi[1 - reve] != to)
      return false;
  }
  return true;
}
