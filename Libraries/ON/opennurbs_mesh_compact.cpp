// ON_Mesh: clean-up of faces and vertices, and quad splitting.
#include "opennurbs_mesh.h"

#include <algorithm>
#include <cmath>

bool ON_Mesh::Compact()
{
  DropMismatchedAttributes();
  CullDegenerateFaces();
  CullUnusedVertices();
  m_V.Shrink();
  m_F.Shrink();
  m_FN.Shrink();
  ForEachVertexAttribute([this](auto member) { (this->*member).Shrink(); });
  return true;
}

// Attribute arrays whose count does not match cannot be renumbered with the vertices or faces
// (a rule of later toolkit releases; version 5 kept them).
void ON_Mesh::DropMismatchedAttributes()
{
  ForEachVertexAttribute(
      [this](auto member)
      {
        if ((this->*member).Count() != VertexCount())
          (this->*member).Destroy();
      });
  if (m_FN.Count() != FaceCount())
    m_FN.Destroy();
}

bool ON_Mesh::SameLocation(const ON_MeshFace& face, int i, int j) const
{
  const int a = face.vi[i];
  const int b = face.vi[j];
  if (a == b)
    return true;
  const int vertex_count = VertexCount();
  if (a < 0 || b < 0 || a >= vertex_count || b >= vertex_count)
    return false;
  // Doubles decide where they are in use (the current toolkit's rule; version 5 compared floats):
  // vertices that only round to the same float stay apart.
  return HasDoublePrecisionVertices() ? Vertex(a) == Vertex(b) : m_V[a] == m_V[b];
}

namespace
{

bool CornerInRange(const ON_MeshFace& face, int k, int vertex_count)
{
  return face.vi[k] >= 0 && face.vi[k] < vertex_count;
}

void ShiftCornersLeft(ON_MeshFace& face, int from)
{
  for (int k = from; k < 3; k++)
    face.vi[k] = face.vi[k + 1];
}

} // namespace

// Repairs a face in the order of the toolkit's version 5: corners out of range or at the
// location of their neighbour are dropped while a triangle remains. A quad whose last two
// corners share a location becomes that triangle. False when no valid face remains.
bool ON_Mesh::RepairFace(ON_MeshFace& face) const
{
  const int n = VertexCount();
  auto valid = [&]()
  {
    for (int k = 0; k < 4; k++)
    {
      if (!CornerInRange(face, k, n))
        return false;
    }
    if (SameLocation(face, 0, 1) || SameLocation(face, 1, 2) || SameLocation(face, 0, 2))
      return false;
    return SameLocation(face, 2, 3) || (!SameLocation(face, 3, 0) && !SameLocation(face, 3, 1));
  };
  if (!valid())
  {
    if (!CornerInRange(face, 0, n) || SameLocation(face, 0, 1))
      ShiftCornersLeft(face, 0);
    if (!CornerInRange(face, 1, n) || SameLocation(face, 1, 2))
      ShiftCornersLeft(face, 1);
    if (!CornerInRange(face, 2, n))
      face.vi[2] = face.vi[3];
    if (!CornerInRange(face, 3, n))
      face.vi[3] = face.vi[2];
    else if (SameLocation(face, 0, 3) && !SameLocation(face, 2, 3))
      ShiftCornersLeft(face, 0);
    if (!valid())
      return false;
  }
  if (face.vi[2] != face.vi[3] && SameLocation(face, 2, 3))
    face.vi[3] = face.vi[2];
  return true;
}

int ON_Mesh::CullDegenerateFaces()
{
  const bool face_normals = HasFaceNormals();
  int kept = 0;
  for (int fi = 0; fi < FaceCount(); fi++)
  {
    ON_MeshFace face = m_F[fi];
    if (!RepairFace(face))
      continue;
    m_F[kept] = face;
    if (face_normals)
      m_FN[kept] = m_FN[fi];
    kept++;
  }
  const int removed = FaceCount() - kept;
  if (removed > 0)
  {
    m_F.SetCount(kept);
    if (face_normals)
      m_FN.SetCount(kept);
    else
      m_FN.Destroy();
    DestroyRuntimeCache(true);
  }
  return removed;
}

int ON_Mesh::CullUnusedVertices()
{
  const int vertex_count = VertexCount();
  ON_SimpleArray<int> new_index(vertex_count);
  if (new_index.Capacity() < vertex_count)
    return 0; // out of memory: nothing removed
  new_index.SetCount(vertex_count);
  new_index.MemSet(0xFF); // -1 everywhere
  for (int fi = 0; fi < FaceCount(); fi++)
  {
    for (int k = 0; k < 4; k++)
    {
      const int vi = m_F[fi].vi[k];
      if (vi >= 0 && vi < vertex_count)
        new_index[vi] = 0;
    }
  }
  int kept = 0;
  for (int vi = 0; vi < vertex_count; vi++)
  {
    if (new_index[vi] == 0)
      new_index[vi] = kept++;
  }
  const int removed = vertex_count - kept;
  if (kept == 0 || FaceCount() == 0)
  {
    Destroy();
    return removed;
  }
  if (removed == 0)
    return 0;

  // Optional arrays missing values are emptied; the others move with their vertices.
  ForEachVertexAttribute(
      [&](auto member)
      {
        auto& values = this->*member;
        if (!CoversVertices(values))
        {
          values.SetCount(0);
          return;
        }
        for (int vi = 0; vi < vertex_count; vi++)
          if (new_index[vi] >= 0)
            values[new_index[vi]] = values[vi];
        values.SetCount(kept);
      });
  for (int vi = 0; vi < vertex_count; vi++)
    if (new_index[vi] >= 0)
      m_V[new_index[vi]] = m_V[vi];
  m_V.SetCount(kept);
  for (int fi = 0; fi < FaceCount(); fi++)
  {
    for (int k = 0; k < 4; k++)
    {
      int& vi = m_F[fi].vi[k];
      if (vi >= 0 && vi < vertex_count)
        vi = new_index[vi];
    }
  }
  DestroyRuntimeCache(true);
  return removed;
}

ON_3fVector ON_Mesh::FaceNormal(const ON_MeshFace& face) const
{
  const ON_3dVector a = Vertex(face.vi[2]) - Vertex(face.vi[0]);
  const ON_3dVector b = Vertex(face.vi[3]) - Vertex(face.vi[1]);
  ON_3dVector n = ON_CrossProduct(a, b);
  n.Unitize();
  return ON_3fVector(n);
}

// Splits one valid quad (a, b, c, d) in place, appending its second triangle.
void ON_Mesh::SplitQuad(int face_index)
{
  ON_MeshFace& face = m_F[face_index];
  const int a = face.vi[0], b = face.vi[1], c = face.vi[2], d = face.vi[3];
  const bool doubles = HasDoublePrecisionVertices();
  auto distance = [this](int p, int q) { return Vertex(p).DistanceTo(Vertex(q)); };
  const double d0 = distance(a, c);
  const double d1 = distance(b, d);

  // A side shorter than the round-off collapses the quad to a triangle.
  const double eps = doubles ? ON_EPSILON : ON_FLOAT_EPSILON;
  const double tol = std::min(std::min(d0, d1) * 8.0 * eps, ON_ZERO_TOLERANCE);
  const double sides[4] = {distance(a, b), distance(b, c), distance(c, d), distance(d, a)};
  int shortest = -1;
  for (int s = 0; s < 4; s++)
  {
    if (sides[s] < tol && (shortest < 0 || sides[s] < sides[shortest]))
      shortest = s;
  }
  if (shortest >= 0)
  {
    const int collapsed[4][3] = {{b, c, d}, {c, d, a}, {d, a, b}, {a, b, c}};
    face =
        ON_MeshFace{{collapsed[shortest][0], collapsed[shortest][1], collapsed[shortest][2], collapsed[shortest][2]}};
    if (HasFaceNormals())
      m_FN[face_index] = FaceNormal(face);
    return;
  }

  const bool d0_usable = d0 > 0.0;
  const bool d1_usable = d1 > 0.0;
  if (!d0_usable && !d1_usable)
    return;
  const bool split_ac = d0_usable && (!d1_usable || d0 <= d1);
  const ON_MeshFace first = split_ac ? ON_MeshFace{{a, b, c, c}} : ON_MeshFace{{a, b, d, d}};
  const ON_MeshFace second = split_ac ? ON_MeshFace{{a, c, d, d}} : ON_MeshFace{{b, c, d, d}};
  const bool face_normals = HasFaceNormals();
  face = first; // m_F may move on Append below
  m_F.Append(second);
  if (face_normals)
  {
    m_FN[face_index] = FaceNormal(first);
    m_FN.Append(FaceNormal(second));
  }
}

bool ON_Mesh::ConvertQuadsToTriangles()
{
  const int face_count = FaceCount();
  const int vertex_count = VertexCount();
  bool changed = false;
  for (int fi = 0; fi < face_count; fi++)
  {
    if (m_F[fi].IsQuad() && m_F[fi].IsValid(vertex_count))
    {
      SplitQuad(fi);
      changed = true;
    }
  }
  if (changed)
    DestroyRuntimeCache(true);
  return QuadCount() == 0 && TriangleCount() == FaceCount();
}
