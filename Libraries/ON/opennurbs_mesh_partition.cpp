// ON_Mesh: partition into parts of bounded vertex and triangle counts.
#include "opennurbs_mesh.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>
#include <vector>

namespace
{
// The per-vertex values of the new vertices, each a copy of its source vertex; dropped when absent.
template <class T>
void CopyPerVertex(ON_SimpleArray<T>& values, bool present, const std::vector<int>& vertex_source)
{
  if (!present)
  {
    values.Destroy();
    return;
  }
  ON_SimpleArray<T> copies(static_cast<int>(vertex_source.size()));
  for (int vi : vertex_source)
    copies.Append(values[vi]);
  values = copies;
}


// Interleaves the low 21 bits of x, y and z.
uint64_t MortonCode(uint32_t x, uint32_t y, uint32_t z)
{
  auto spread = [](uint64_t v)
  {
    v &= 0x1fffff;
    v = (v | v << 32) & 0x1f00000000ffffULL;
    v = (v | v << 16) & 0x1f0000ff0000ffULL;
    v = (v | v << 8) & 0x100f00f00f00f00fULL;
    v = (v | v << 4) & 0x10c30c30c30c30c3ULL;
    v = (v | v << 2) & 0x1249249249249249ULL;
    return v;
  };
  return spread(x) | spread(y) << 1 | spread(z) << 2;
}

int TriangleCountOf(const ON_MeshFace& face) { return face.IsQuad() ? 2 : 1; }

} // namespace

const ON_MeshPartition* ON_Mesh::Partition() const { return m_partition.get(); }

const ON_MeshPartition* ON_Mesh::CreatePartition(int max_vertex_count, int max_triangle_count)
{
  if (max_vertex_count < 3 || max_triangle_count < 1)
    return nullptr;
  if (m_partition && m_partition->m_partition_max_vertex_count <= max_vertex_count &&
      m_partition->m_partition_max_triangle_count <= max_triangle_count)
    return m_partition.get();
  DestroyPartition();
  const int vertex_count = VertexCount();
  const int face_count = FaceCount();
  if (face_count < 1 || vertex_count < 3 || InvalidFaceCount() > 0)
    return nullptr;

  try
  {
    std::unique_ptr<ON_MeshPartition> partition(new ON_MeshPartition());
    const int triangle_count = TriangleCount() + 2 * QuadCount();
    if (vertex_count <= max_vertex_count && triangle_count <= max_triangle_count)
    {
      partition->m_partition_max_vertex_count = vertex_count;
      partition->m_partition_max_triangle_count = triangle_count;
      partition->m_part.Append(ON_MeshPart{{0, vertex_count}, {0, face_count}, vertex_count, triangle_count});
      m_partition = std::move(partition);
      return m_partition.get();
    }

    // Faces in the order of their centres along a Morton curve over the bounding box.
    double lo[3], hi[3];
    GetBBox(lo, hi);
    std::vector<std::pair<uint64_t, int>> order(static_cast<size_t>(face_count));
    for (int fi = 0; fi < face_count; fi++)
    {
      const ON_MeshFace& f = m_F[fi];
      uint32_t cell[3];
      for (int k = 0; k < 3; k++)
      {
        const double c =
            (static_cast<double>(m_V[f.vi[0]][k]) + m_V[f.vi[1]][k] + m_V[f.vi[2]][k] + m_V[f.vi[3]][k]) / 4.0;
        const double s = hi[k] > lo[k] ? (c - lo[k]) / (hi[k] - lo[k]) : 0.0;
        cell[k] = std::isfinite(s) ? static_cast<uint32_t>(std::min(std::max(s, 0.0), 1.0) * 2097151.0) : 0;
      }
      order[static_cast<size_t>(fi)] = {MortonCode(cell[0], cell[1], cell[2]), fi};
    }
    std::sort(order.begin(), order.end());

    // Parts filled while a quad still fits; each part's vertices copied in the order of first use.
    std::vector<int> new_vertex(static_cast<size_t>(vertex_count), -1);
    std::vector<int> vertex_source; // old index of each new vertex
    ON_SimpleArray<ON_MeshFace> faces(face_count);
    std::vector<int> face_source;
    face_source.reserve(static_cast<size_t>(face_count));
    std::vector<int> part_vertices; // old indexes used by the open part, to reset new_vertex
    ON_MeshPart part{{0, 0}, {0, 0}, 0, 0};
    auto close_part = [&]()
    {
      part.vi[1] = static_cast<int>(vertex_source.size());
      part.fi[1] = faces.Count();
      part.vertex_count = part.vi[1] - part.vi[0];
      partition->m_part.Append(part);
      for (int vi : part_vertices)
        new_vertex[static_cast<size_t>(vi)] = -1;
      part_vertices.clear();
      part = ON_MeshPart{{part.vi[1], part.vi[1]}, {part.fi[1], part.fi[1]}, 0, 0};
    };
    for (const auto& entry : order)
    {
      const ON_MeshFace& f = m_F[entry.second];
      const int part_faces = faces.Count() - part.fi[0];
      const int part_vertex_count = static_cast<int>(vertex_source.size()) - part.vi[0];
      if (part_faces > 0 && (part.triangle_count + 2 > max_triangle_count || part_vertex_count + 4 > max_vertex_count))
        close_part();
      ON_MeshFace copy = f;
      for (int k = 0; k < 4; k++)
      {
        int& to = new_vertex[static_cast<size_t>(f.vi[k])];
        if (to < 0)
        {
          to = static_cast<int>(vertex_source.size());
          vertex_source.push_back(f.vi[k]);
          part_vertices.push_back(f.vi[k]);
        }
        copy.vi[k] = to;
      }
      faces.Append(copy);
      face_source.push_back(entry.second);
      part.triangle_count += TriangleCountOf(f);
    }
    close_part();

    for (int i = 0; i < partition->m_part.Count(); i++)
    {
      const ON_MeshPart& p = partition->m_part[i];
      if (p.vertex_count > max_vertex_count || p.triangle_count > max_triangle_count)
        return nullptr; // a quad where only one triangle fits
    }

    if (HasFaceNormals())
    {
      ON_3fVectorArray FN(face_count);
      for (int fi : face_source)
        FN.Append(m_FN[fi]);
      m_FN = FN;
    }
    else
      m_FN.Destroy();
    ForEachVertexAttribute([this, &vertex_source](auto member)
                           { CopyPerVertex(this->*member, CoversVertices(this->*member), vertex_source); });
    CopyPerVertex(m_V, true, vertex_source);
    m_F = faces;
    DestroyTopology();
    InvalidateBoundingBoxes();
    partition->m_partition_max_vertex_count = max_vertex_count;
    partition->m_partition_max_triangle_count = max_triangle_count;
    m_partition = std::move(partition);
    return m_partition.get();
  }
  catch (const std::bad_alloc&)
  {
    return nullptr;
  }
}
