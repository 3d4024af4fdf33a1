#include "opennurbs_mesh.h"

#include <cmath>
#include <utility>

ON_OBJECT_IMPLEMENT(ON_Mesh, ON_Geometry, "4ED7D4E4-E947-11D3-BFE5-0010830122F0");

namespace
{

// ON_IsValidFloat, inlined for the vertex loop of IsValid.
inline bool IsValidCoordinate(float x) { return x != ON_UNSET_FLOAT && std::isfinite(x); }

// Takes over the memory of src (the point and vector array classes copy when moved).
template <class T>
void MoveArray(ON_SimpleArray<T>& dst, ON_SimpleArray<T>& src)
{
  dst = std::move(src);
}

} // namespace

ON_Mesh::ON_Mesh() = default;

ON_Mesh::ON_Mesh(int initial_face_array_capacity, int initial_vertex_array_capacity, bool has_vertex_normals,
                 bool has_texture_coordinates)
{
  if (initial_face_array_capacity > 0)
    m_F.SetCapacity(initial_face_array_capacity);
  if (initial_vertex_array_capacity > 0)
  {
    m_V.SetCapacity(initial_vertex_array_capacity);
    if (has_vertex_normals)
      m_N.SetCapacity(initial_vertex_array_capacity);
    if (has_texture_coordinates)
      m_T.SetCapacity(initial_vertex_array_capacity);
  }
}

ON_Mesh::ON_Mesh(const ON_Mesh& src) : ON_Geometry(src) { CopyFrom(src); }

ON_Mesh::ON_Mesh(ON_Mesh&& src) noexcept : ON_Geometry(src) { MoveFrom(src); }

ON_Mesh& ON_Mesh::operator=(const ON_Mesh& src)
{
  if (this != &src)
  {
    ON_Geometry::operator=(src);
    CopyFrom(src);
  }
  return *this;
}

ON_Mesh& ON_Mesh::operator=(ON_Mesh&& src) noexcept
{
  if (this != &src)
  {
    ON_Geometry::operator=(src);
    MoveFrom(src);
  }
  return *this;
}

ON_Mesh::~ON_Mesh() = default;

void ON_Mesh::CopyFrom(const ON_Mesh& src)
{
  DestroyRuntimeCache(true);
  m_V = src.m_V;
  m_F = src.m_F;
  m_FN = src.m_FN;
  ForEachVertexAttribute([this, &src](auto member) { this->*member = src.*member; });
  CopySurfaceDataFrom(src);
}

void ON_Mesh::CopySurfaceDataFrom(const ON_Mesh& src)
{
  for (int i = 0; i < 2; ++i)
  {
    m_srf_domain[i] = src.m_srf_domain[i];
    m_srf_scale[i] = src.m_srf_scale[i];
    m_packed_tex_domain[i] = src.m_packed_tex_domain[i];
  }
  m_packed_tex_rotate = src.m_packed_tex_rotate;
  m_texture_mapping_id = src.m_texture_mapping_id;
}

void ON_Mesh::MoveFrom(ON_Mesh& src)
{
  DestroyRuntimeCache(true);
  src.DestroyRuntimeCache(true);
  MoveArray<ON_3fPoint>(m_V, src.m_V);
  MoveArray<ON_MeshFace>(m_F, src.m_F);
  MoveArray<ON_3fVector>(m_FN, src.m_FN);
  ForEachVertexAttribute([this, &src](auto member) { MoveArray(this->*member, src.*member); });
  CopySurfaceDataFrom(src);
}

void ON_Mesh::Destroy()
{
  DestroyRuntimeCache(true);
  m_V.Destroy();
  m_F.Destroy();
  m_FN.Destroy();
  ForEachVertexAttribute([this](auto member) { (this->*member).Destroy(); });
  CopySurfaceDataFrom(ON_Mesh());
}

bool ON_Mesh::IsValid(ON_TextLog* /*text_log*/) const
{
  const int vertex_count = VertexCount();
  if (FaceCount() < 1 || vertex_count < 3)
    return false;
  if (m_N.Count() > 0 && m_N.Count() != vertex_count)
    return false;
  for (int vi = 0; vi < vertex_count; vi++)
  {
    const ON_3fPoint& p = m_V[vi];
    if (!IsValidCoordinate(p.x) || !IsValidCoordinate(p.y) || !IsValidCoordinate(p.z))
      return false;
  }
  for (int vi = 0; vi < m_N.Count(); vi++)
  {
    const ON_3fVector& n = m_N[vi];
    const float length_squared = n.x * n.x + n.y * n.y + n.z * n.z;
    if (!(length_squared >= 0.985f && length_squared <= 1.015f))
      return false;
  }
  for (int fi = 0; fi < FaceCount(); fi++)
  {
    if (!m_F[fi].IsValid(vertex_count))
      return false;
  }
  return true;
}

ON::object_type ON_Mesh::ObjectType() const { return ON::mesh_object; }

int ON_Mesh::Dimension() const { return 3; }

bool ON_Mesh::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  if (FaceCount() < 1 || VertexCount() < 3)
    return false;
  double lo[3], hi[3];
  const ON_3dPoint first = Vertex(0);
  for (int k = 0; k < 3; k++)
    lo[k] = hi[k] = first[k];
  for (int vi = 1; vi < VertexCount(); vi++)
  {
    const ON_3dPoint p = Vertex(vi);
    for (int k = 0; k < 3; k++)
    {
      const double c = p[k];
      if (c < lo[k])
        lo[k] = c;
      if (c > hi[k])
        hi[k] = c;
    }
  }
  const bool grow = bGrowBox && boxmin[0] <= boxmax[0] && boxmin[1] <= boxmax[1] && boxmin[2] <= boxmax[2];
  for (int k = 0; k < 3; k++)
  {
    boxmin[k] = grow && boxmin[k] < lo[k] ? boxmin[k] : lo[k];
    boxmax[k] = grow && boxmax[k] > hi[k] ? boxmax[k] : hi[k];
  }
  return true;
}

int ON_Mesh::VertexCount() const { return m_V.Count(); }

int ON_Mesh::FaceCount() const { return m_F.Count(); }

int ON_Mesh::QuadCount() const
{
  int count = 0;
  for (int fi = 0; fi < FaceCount(); fi++)
  {
    if (m_F[fi].IsValid(VertexCount()) && m_F[fi].IsQuad())
      count++;
  }
  return count;
}

int ON_Mesh::TriangleCount() const
{
  int count = 0;
  for (int fi = 0; fi < FaceCount(); fi++)
  {
    if (m_F[fi].IsValid(VertexCount()) && m_F[fi].IsTriangle())
      count++;
  }
  return count;
}

int ON_Mesh::InvalidFaceCount() const
{
  int count = 0;
  for (int fi = 0; fi < FaceCount(); fi++)
  {
    if (!m_F[fi].IsValid(VertexCount()))
      count++;
  }
  return count;
}

bool ON_Mesh::HasVertexNormals() const { return CoversVertices(m_N); }

bool ON_Mesh::HasFaceNormals() const { return m_FN.Count() > 0 && m_FN.Count() == FaceCount(); }

bool ON_Mesh::HasVertexColors() const { return CoversVertices(m_C); }

bool ON_Mesh::HasTextureCoordinates() const { return CoversVertices(m_T); }

bool ON_Mesh::HasSurfaceParameters() const { return CoversVertices(m_S); }

bool ON_Mesh::HasPrincipalCurvatures() const { return CoversVertices(m_K); }

bool ON_Mesh::SetVertex(int vertex_index, const ON_3dPoint& point)
{
  if (vertex_index < 0 || vertex_index > VertexCount())
    return false;
  if (HasDoublePrecisionVertices())
  {
    if (vertex_index == VertexCount())
      m_dV.Append(point);
    else
      m_dV[vertex_index] = point;
  }
  if (vertex_index == VertexCount())
    m_V.Append(ON_3fPoint(point));
  else
    m_V[vertex_index] = ON_3fPoint(point);
  DestroyRuntimeCache(true);
  return true;
}

bool ON_Mesh::SetVertex(int vertex_index, const ON_3fPoint& point)
{
  return SetVertex(vertex_index, ON_3dPoint(point));
}

bool ON_Mesh::HasDoublePrecisionVertices() const { return CoversVertices(m_dV); }

bool ON_Mesh::HasSinglePrecisionVertices() const { return VertexCount() > 0; }

bool ON_Mesh::HasSynchronizedDoubleAndSinglePrecisionVertices() const
{
  if (!HasDoublePrecisionVertices())
    return false;
  for (int vi = 0; vi < VertexCount(); vi++)
  {
    if (!(ON_3fPoint(m_dV[vi]) == m_V[vi]))
      return false;
  }
  return true;
}

void ON_Mesh::UpdateSinglePrecisionVertices()
{
  if (m_dV.Count() == 0)
    return;
  m_V.SetCapacity(m_dV.Count());
  m_V.SetCount(m_dV.Count());
  for (int vi = 0; vi < m_dV.Count(); vi++)
    m_V[vi] = ON_3fPoint(m_dV[vi]);
  DestroyRuntimeCache(true);
}

void ON_Mesh::UpdateDoublePrecisionVertices()
{
  const int vertex_count = VertexCount();
  if (m_dV.Count() != vertex_count)
  {
    m_dV.SetCapacity(vertex_count);
    m_dV.SetCount(0);
    for (int vi = 0; vi < vertex_count; vi++)
      m_dV.Append(ON_3dPoint(m_V[vi]));
    return;
  }
  for (int vi = 0; vi < vertex_count; vi++)
  {
    if (!(ON_3fPoint(m_dV[vi]) == m_V[vi]))
      m_dV[vi] = ON_3dPoint(m_V[vi]);
  }
}

void ON_Mesh::DestroyDoublePrecisionVertices() { m_dV.Destroy(); }

ON_3dPointArray& ON_Mesh::DoublePrecisionVertices()
{
  if (!HasDoublePrecisionVertices())
    UpdateDoublePrecisionVertices();
  return m_dV;
}

const ON_3dPointArray& ON_Mesh::DoublePrecisionVertices() const { return m_dV; }

ON_3dPoint ON_Mesh::Vertex(int vertex_index) const
{
  if (vertex_index < 0 || vertex_index >= VertexCount())
    return ON_3dPoint::UnsetPoint;
  if (HasDoublePrecisionVertices() && ON_3fPoint(m_dV[vertex_index]) == m_V[vertex_index])
    return m_dV[vertex_index];
  return ON_3dPoint(m_V[vertex_index]);
}

bool ON_Mesh::SetTriangle(int face_index, int a, int b, int c) { return SetQuad(face_index, a, b, c, c); }

bool ON_Mesh::SetQuad(int face_index, int a, int b, int c, int d)
{
  if (face_index < 0 || face_index > FaceCount())
    return false;
  const ON_MeshFace face{{a, b, c, d}};
  if (face_index == FaceCount())
    m_F.Append(face);
  else
    m_F[face_index] = face;
  DestroyRuntimeCache(true);
  return face.IsValid(VertexCount());
}

void ON_Mesh::Append(const ON_Mesh& mesh)
{
  const ON_Mesh* meshes[1] = {&mesh};
  Append(1, meshes);
}

void ON_Mesh::Append(int count, const ON_Mesh* const* meshes)
{
  ON_Mesh self_copy;
  ON_SimpleArray<const ON_Mesh*> parts(count > 0 ? count : 0);
  for (int i = 0; i < count && meshes; i++)
  {
    const ON_Mesh* m = meshes[i];
    if (!m || m->VertexCount() < 1)
      continue;
    if (m == this)
    {
      if (self_copy.VertexCount() == 0)
        self_copy = *this;
      m = &self_copy;
    }
    parts.Append(m);
  }
  if (parts.Count() == 0)
    return;

  // Optional arrays are kept when this mesh (unless empty) and every part have them.
  const bool was_empty = VertexCount() == 0;
  ForEachVertexAttribute(
      [&](auto member)
      {
        auto& values = this->*member;
        bool keep = was_empty || CoversVertices(values);
        for (int i = 0; i < parts.Count() && keep; i++)
          keep = parts[i]->CoversVertices(parts[i]->*member);
        if (!keep)
        {
          values.Destroy();
          return;
        }
        for (int i = 0; i < parts.Count(); i++)
          values.Append((parts[i]->*member).Count(), (parts[i]->*member).Array());
      });
  if (was_empty)
    m_F.Empty();
  bool keep_face_normals = FaceCount() == 0 || HasFaceNormals();
  for (int i = 0; i < parts.Count(); i++)
    keep_face_normals = keep_face_normals && (parts[i]->FaceCount() == 0 || parts[i]->HasFaceNormals());

  for (int i = 0; i < parts.Count(); i++)
  {
    const ON_Mesh* m = parts[i];
    const int offset = VertexCount();
    for (int fi = 0; fi < m->FaceCount(); fi++)
    {
      ON_MeshFace face = m->m_F[fi];
      for (int k = 0; k < 4; k++)
        face.vi[k] += offset;
      m_F.Append(face);
    }
    m_V.Append(m->m_V.Count(), m->m_V.Array());
    if (keep_face_normals)
      m_FN.Append(m->m_FN.Count(), m->m_FN.Array());
  }
  if (!keep_face_normals)
    m_FN.Destroy();
  DestroyRuntimeCache(true);
}

void ON_Mesh::Flip()
{
  FlipFaceOrientation();
  FlipFaceNormals();
  FlipVertexNormals();
}

void ON_Mesh::FlipFaceOrientation()
{
  for (int fi = 0; fi < FaceCount(); fi++)
    m_F[fi].Flip();
  if (FaceCount() > 0)
    DestroyTopology();
}

void ON_Mesh::FlipFaceNormals()
{
  if (!HasFaceNormals())
    return;
  for (int fi = 0; fi < FaceCount(); fi++)
    m_FN[fi] = -m_FN[fi];
}

void ON_Mesh::FlipVertexNormals()
{
  if (!HasVertexNormals())
    return;
  for (int vi = 0; vi < VertexCount(); vi++)
    m_N[vi] = -m_N[vi];
}

const ON_MeshTopology& ON_Mesh::Topology() const
{
  if (m_top.m_mesh != this)
    m_top.Create(*this);
  return m_top;
}

void ON_Mesh::DestroyTopology() { m_top.Destroy(); }

void ON_Mesh::DestroyPartition() { m_partition.reset(); }

void ON_Mesh::DestroyRuntimeCache(bool /*bDelete*/)
{
  DestroyTopology();
  DestroyPartition();
  InvalidateBoundingBoxes();
}

void ON_Mesh::InvalidateBoundingBoxes() {}
