// 3DM form of ON_Brep, data version 3.x:
//   ver(3.x); {2-D curves} {3-D curves} {surfaces}; {vertices} {edges} {trims} {loops} {faces}; bbox;
//   [3.1] {render meshes} {analysis meshes}, one flag byte per face and a mesh class chunk after a set
//   flag (analysis meshes are read past); [3.2] i32 solid orientation.
// Data version 2.x is the legacy form (opennurbs_brep_io_legacy.cpp).
// Each {...} is an anonymous chunk starting with ver(1.x) and an i32 count. A geometry entry is an
// i32 flag (0 null) followed by a class chunk. Archives of version 2 keep no edge or trim domains
// (the trims hold two obsolete points in their place), nor do those of writers before 200206180.

#include "opennurbs.h"

#include <algorithm>
#include <vector>

namespace
{
// Smallest size of one component on disk; counts are checked against the chunk with it.
constexpr size_t kVertexBytes = 4 + 24 + 4 + 8;
constexpr size_t kEdgeBytes = 12 + 16 + 8 + 4 + 8;
constexpr size_t kTrimBytes = 132;
constexpr size_t kLoopBytes = 4 + 4 + 8;
constexpr size_t kFaceBytes = 4 + 4 + 12;

// How an edge or trim shows its curve, kept until the curve index is known to be good.
struct ProxyPart
{
  ON_Interval real_domain;
  bool reversed = false;
  ON_Interval domain;
  bool has_domain = false;
};

// Edge and trim domains are in archives of version 3 from this writer version on.
bool HasProxyDomains(const ON_BinaryArchive& archive)
{
  return archive.Archive3dmVersion() >= 3 && archive.ArchiveOpenNURBSVersion() >= 200206180;
}

bool InRange(int index, int count) { return index >= 0 && index < count; }
bool InRangeOrUnset(int index, int count) { return index == -1 || InRange(index, count); }

bool AllInRange(const ON_SimpleArray<int>& indices, int count)
{
  for (int i = 0; i < indices.Count(); ++i)
    if (!InRange(indices[i], count))
      return false;
  return true;
}

template <class Body>
bool ReadAnonymousChunk(ON_BinaryArchive& archive, Body body)
{
  unsigned int typecode = 0;
  ON__INT64 length = 0;
  if (!archive.BeginRead3dmChunk(&typecode, &length))
    return false;
  const bool ok = typecode == ON_BinaryArchive::TCODE_ANONYMOUS_CHUNK && body();
  return archive.EndRead3dmChunk() && ok;
}

template <class Body>
bool WriteAnonymousChunk(ON_BinaryArchive& archive, Body body)
{
  if (!archive.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_ANONYMOUS_CHUNK, 0))
    return false;
  const bool ok = body();
  return archive.EndWrite3dmChunk() && ok;
}

// ver(1.x) and a count of elements of at least element_bytes each.
bool ReadArrayHead(ON_BinaryArchive& archive, size_t element_bytes, int* count, int* minor)
{
  int major = 0;
  return archive.Read3dmChunkVersion(&major, minor) && major == 1 && archive.ReadArrayCount(element_bytes, count);
}

template <class T>
bool ReadGeometryArray(ON_BinaryArchive& archive, ON_SimpleArray<T*>& array)
{
  return ReadAnonymousChunk(archive,
                            [&]
                            {
                              int count = 0, minor = 0;
                              if (!ReadArrayHead(archive, 4, &count, &minor))
                                return false;
                              array.Reserve(count);
                              for (int i = 0; i < count; ++i)
                              {
                                int present = 0;
                                if (!archive.ReadInt(&present))
                                  return false;
                                ON_Object* object = nullptr;
                                if (present && archive.ReadObject(&object) != 1)
                                  return false;
                                T* geometry = T::Cast(object);
                                if (object && !geometry)
                                {
                                  delete object;
                                  return false;
                                }
                                array.Append(geometry);
                              }
                              return true;
                            });
}

// Version 2 keeps curves and surfaces in NURBS form only.
bool WriteCurve(ON_BinaryArchive& archive, const ON_Curve& curve)
{
  if (archive.Archive3dmVersion() >= 3 || ON_NurbsCurve::Cast(&curve))
    return archive.WriteObject(curve);
  ON_NurbsCurve nurbs;
  if (curve.GetNurbForm(nurbs))
    return archive.WriteObject(nurbs);
  // A poly curve whose segments do not join: its segments in NURBS form.
  const ON_PolyCurve* poly = ON_PolyCurve::Cast(&curve);
  if (!poly)
    return false;
  ON_PolyCurve segments(*poly);
  return segments.SynchronizeSegmentDomains() && archive.WriteObject(segments);
}

bool WriteSurface(ON_BinaryArchive& archive, const ON_Surface& surface)
{
  if (archive.Archive3dmVersion() >= 3 || ON_NurbsSurface::Cast(&surface))
    return archive.WriteObject(surface);
  ON_NurbsSurface nurbs;
  return surface.GetNurbForm(nurbs) && archive.WriteObject(nurbs);
}

template <class T, class WriteOne>
bool WriteGeometryArray(ON_BinaryArchive& archive, const ON_SimpleArray<T*>& array, WriteOne write_one)
{
  return WriteAnonymousChunk(archive,
                             [&]
                             {
                               bool ok = archive.Write3dmChunkVersion(1, 0) && archive.WriteInt(array.Count());
                               for (int i = 0; ok && i < array.Count(); ++i)
                                 ok = array[i] ? archive.WriteInt(1) && write_one(archive, *array[i])
                                               : archive.WriteInt(0);
                               return ok;
                             });
}

template <class T, class ReadOne>
bool ReadComponentArray(ON_BinaryArchive& archive, size_t element_bytes, ON_ClassArray<T>& array, ReadOne read_one)
{
  return ReadAnonymousChunk(archive,
                            [&]
                            {
                              int count = 0, minor = 0;
                              if (!ReadArrayHead(archive, element_bytes, &count, &minor))
                                return false;
                              array.Reserve(count);
                              for (int i = 0; i < count; ++i)
                                if (!read_one(array.AppendNew()))
                                  return false;
                              return true;
                            });
}

template <class T, class WriteOne>
bool WriteComponentArray(ON_BinaryArchive& archive, const ON_ClassArray<T>& array, WriteOne write_one)
{
  return WriteAnonymousChunk(archive,
                             [&]
                             {
                               bool ok = archive.Write3dmChunkVersion(1, 0) && archive.WriteInt(array.Count());
                               for (int i = 0; ok && i < array.Count(); ++i)
                                 ok = write_one(array[i]);
                               return ok;
                             });
}

bool ReadVertex(ON_BinaryArchive& archive, ON_BrepVertex& vertex)
{
  return archive.ReadInt(&vertex.m_vertex_index) && archive.ReadPoint(vertex.point) && archive.ReadArray(vertex.m_ei) &&
         archive.ReadDouble(&vertex.m_tolerance);
}

bool WriteVertex(ON_BinaryArchive& archive, const ON_BrepVertex& vertex)
{
  return archive.WriteInt(vertex.m_vertex_index) && archive.WritePoint(vertex.point) &&
         archive.WriteArray(vertex.m_ei) && archive.WriteDouble(vertex.m_tolerance);
}

bool ReadEdge(ON_BinaryArchive& archive, ON_BrepEdge& edge, ProxyPart& part)
{
  int reversed = 0;
  bool ok = archive.ReadInt(&edge.m_edge_index) && archive.ReadInt(&edge.m_c3i) && archive.ReadInt(&reversed) &&
            archive.ReadInterval(part.real_domain) && archive.ReadInt(&edge.m_vi[0]) &&
            archive.ReadInt(&edge.m_vi[1]) && archive.ReadArray(edge.m_ti) && archive.ReadDouble(&edge.m_tolerance);
  part.reversed = reversed != 0;
  part.has_domain = HasProxyDomains(archive);
  return ok && (!part.has_domain || archive.ReadInterval(part.domain));
}

bool WriteEdge(ON_BinaryArchive& archive, const ON_BrepEdge& edge)
{
  bool ok = archive.WriteInt(edge.m_edge_index) && archive.WriteInt(edge.m_c3i) &&
            archive.WriteInt(edge.ProxyCurveIsReversed() ? 1 : 0) && archive.WriteInterval(edge.ProxyCurveDomain()) &&
            archive.WriteInt(edge.m_vi[0]) && archive.WriteInt(edge.m_vi[1]) && archive.WriteArray(edge.m_ti) &&
            archive.WriteDouble(edge.m_tolerance);
  return ok && (archive.Archive3dmVersion() < 3 || archive.WriteInterval(edge.Domain()));
}

bool ReadTrim(ON_BinaryArchive& archive, ON_BrepTrim& trim, ProxyPart& part)
{
  int reversed = 0, type = 0, iso = 0;
  double unused[6] = {};
  unsigned char flags[32] = {};
  bool ok = archive.ReadInt(&trim.m_trim_index) && archive.ReadInt(&trim.m_c2i) &&
            archive.ReadInterval(part.real_domain) && archive.ReadInt(&trim.m_ei) && archive.ReadInt(&trim.m_vi[0]) &&
            archive.ReadInt(&trim.m_vi[1]) && archive.ReadInt(&reversed) && archive.ReadInt(&type) &&
            archive.ReadInt(&iso) && archive.ReadInt(&trim.m_li) && archive.ReadDouble(2, trim.m_tolerance);
  // Domain, 8 bytes whose first says the curve is shown reversed, 24 bytes unused.
  part.has_domain = HasProxyDomains(archive);
  if (part.has_domain)
    ok = ok && archive.ReadInterval(part.domain) && archive.ReadByte(sizeof(flags), flags);
  else
    ok = ok && archive.ReadDouble(6, unused);
  // Two tolerances of old toolkits follow.
  ok = ok && archive.ReadDouble(2, unused);
  part.reversed = flags[0] == 1;
  trim.m_bRev3d = reversed != 0;
  trim.m_type = static_cast<ON_BrepTrim::TYPE>(type);
  trim.m_iso = static_cast<ON_Surface::ISO>(iso);
  return ok && type >= 0 && type < ON_BrepTrim::trim_type_count && iso >= 0 && iso < ON_Surface::iso_count;
}

bool WriteTrim(ON_BinaryArchive& archive, const ON_BrepTrim& trim)
{
  const double zeros[6] = {};
  const double unset[2] = {ON_UNSET_VALUE, ON_UNSET_VALUE};
  unsigned char flags[32] = {};
  flags[0] = trim.ProxyCurveIsReversed() ? 1 : 0;
  bool ok = archive.WriteInt(trim.m_trim_index) && archive.WriteInt(trim.m_c2i) &&
            archive.WriteInterval(trim.ProxyCurveDomain()) && archive.WriteInt(trim.m_ei) &&
            archive.WriteInt(trim.m_vi[0]) && archive.WriteInt(trim.m_vi[1]) &&
            archive.WriteInt(trim.m_bRev3d ? 1 : 0) && archive.WriteInt(static_cast<int>(trim.m_type)) &&
            archive.WriteInt(static_cast<int>(trim.m_iso)) && archive.WriteInt(trim.m_li) &&
            archive.WriteDouble(2, trim.m_tolerance);
  if (archive.Archive3dmVersion() >= 3)
    ok = ok && archive.WriteInterval(trim.Domain()) && archive.WriteByte(sizeof(flags), flags);
  else
    ok = ok && archive.WriteDouble(6, zeros);
  return ok && archive.WriteDouble(2, unset);
}

bool ReadLoop(ON_BinaryArchive& archive, ON_BrepLoop& loop)
{
  int type = 0;
  const bool ok = archive.ReadInt(&loop.m_loop_index) && archive.ReadArray(loop.m_ti) && archive.ReadInt(&type) &&
                  archive.ReadInt(&loop.m_fi);
  loop.m_type = static_cast<ON_BrepLoop::TYPE>(type);
  return ok && type >= 0 && type < ON_BrepLoop::type_count;
}

bool WriteLoop(ON_BinaryArchive& archive, const ON_BrepLoop& loop)
{
  return archive.WriteInt(loop.m_loop_index) && archive.WriteArray(loop.m_ti) &&
         archive.WriteInt(static_cast<int>(loop.m_type)) && archive.WriteInt(loop.m_fi);
}

bool ReadFace(ON_BinaryArchive& archive, ON_BrepFace& face)
{
  int reversed = 0;
  const bool ok = archive.ReadInt(&face.m_face_index) && archive.ReadArray(face.m_li) && archive.ReadInt(&face.m_si) &&
                  archive.ReadInt(&reversed) && archive.ReadInt(&face.m_face_material_channel);
  face.m_bRev = reversed != 0;
  // Old writers put -1 for no channel.
  face.m_face_material_channel = std::max(face.m_face_material_channel, 0);
  return ok;
}

bool WriteFace(ON_BinaryArchive& archive, const ON_BrepFace& face)
{
  return archive.WriteInt(face.m_face_index) && archive.WriteArray(face.m_li) && archive.WriteInt(face.m_si) &&
         archive.WriteInt(face.m_bRev ? 1 : 0) && archive.WriteInt(face.m_face_material_channel);
}

// Analysis meshes: read past, not kept.
bool ReadPastFaceMeshes(ON_BinaryArchive& archive, int face_count)
{
  return ReadAnonymousChunk(archive,
                            [&]
                            {
                              // Beyond one flag per face and the CRC there are meshes.
                              if (archive.BytesLeftInChunk() > static_cast<size_t>(face_count) + 4)
                                archive.NoteSkippedContent("brep analysis meshes");
                              return true;
                            });
}

void ShowCurve(ON_CurveProxy& proxy, const ON_Curve* curve, const ProxyPart& part)
{
  if (!curve)
    return;
  proxy.SetProxyCurve(curve, part.real_domain);
  if (part.reversed)
    proxy.Reverse();
  if (part.has_domain)
    proxy.SetDomain(part.domain[0], part.domain[1]);
}

bool WriteFaceMeshes(ON_BinaryArchive& archive, const ON_BrepFaceArray& faces, bool render)
{
  return WriteAnonymousChunk(archive,
                             [&]
                             {
                               bool ok = true;
                               for (int i = 0; ok && i < faces.Count(); ++i)
                               {
                                 const ON_Mesh* mesh = render ? faces[i].m_render_mesh : nullptr;
                                 ok = archive.WriteChar(mesh ? 1 : 0) && (!mesh || archive.WriteObject(*mesh));
                               }
                               return ok;
                             });
}
} // namespace

ON::object_type ON_Brep::ObjectType() const { return ON::brep_object; }

bool ON_Brep::ReadFaceMeshes(ON_BinaryArchive& archive, bool keep)
{
  for (int fi = 0; fi < m_F.Count(); ++fi)
  {
    unsigned char present = 0;
    if (!archive.ReadChar(&present))
      return false;
    if (!present)
      continue;
    ON_Object* object = nullptr;
    if (archive.ReadObject(&object) == 0)
      return false;
    ON_Mesh* mesh = ON_Mesh::Cast(object);
    if (keep && mesh)
    {
      m_F[fi].m_render_mesh = mesh;
      continue;
    }
    delete object;
    archive.NoteSkippedContent(keep ? "brep render meshes" : "brep analysis meshes");
  }
  return true;
}

bool ON_Brep::Write(ON_BinaryArchive& archive) const
{
  bool ok = archive.Write3dmChunkVersion(3, 2) && WriteGeometryArray(archive, m_C2, WriteCurve) &&
            WriteGeometryArray(archive, m_C3, WriteCurve) && WriteGeometryArray(archive, m_S, WriteSurface) &&
            WriteComponentArray(archive, m_V, [&](const ON_BrepVertex& v) { return WriteVertex(archive, v); }) &&
            WriteComponentArray(archive, m_E, [&](const ON_BrepEdge& e) { return WriteEdge(archive, e); }) &&
            WriteComponentArray(archive, m_T, [&](const ON_BrepTrim& t) { return WriteTrim(archive, t); }) &&
            WriteComponentArray(archive, m_L, [&](const ON_BrepLoop& l) { return WriteLoop(archive, l); }) &&
            WriteComponentArray(archive, m_F, [&](const ON_BrepFace& f) { return WriteFace(archive, f); });
  // An empty box: readers compute the box themselves. Solid orientation 0: not known.
  ON_BoundingBox empty;
  ok = ok && archive.WritePoint(empty.m_min) && archive.WritePoint(empty.m_max) &&
       WriteFaceMeshes(archive, m_F, true) && WriteFaceMeshes(archive, m_F, false) && archive.WriteInt(0);
  return ok;
}

bool ON_Brep::Read(ON_BinaryArchive& archive)
{
  Destroy();
  int major = 0, minor = 0;
  bool ok = archive.Read3dmChunkVersion(&major, &minor);
  ok = ok && ((major == 3 && ReadCurrentForm(archive, minor)) || (major == 2 && ReadLegacyForm(archive, minor)));
  if (!ok)
    Destroy();
  return ok;
}

bool ON_Brep::ReadCurrentForm(ON_BinaryArchive& archive, int minor)
{
  std::vector<ProxyPart> edge_parts, trim_parts;
  bool ok = ReadGeometryArray(archive, m_C2) && ReadGeometryArray(archive, m_C3) && ReadGeometryArray(archive, m_S) &&
            ReadComponentArray(archive, kVertexBytes, m_V, [&](ON_BrepVertex& v) { return ReadVertex(archive, v); }) &&
            ReadComponentArray(archive, kEdgeBytes, m_E,
                               [&](ON_BrepEdge& e)
                               {
                                 edge_parts.emplace_back();
                                 return ReadEdge(archive, e, edge_parts.back());
                               }) &&
            ReadComponentArray(archive, kTrimBytes, m_T,
                               [&](ON_BrepTrim& t)
                               {
                                 trim_parts.emplace_back();
                                 return ReadTrim(archive, t, trim_parts.back());
                               }) &&
            ReadComponentArray(archive, kLoopBytes, m_L, [&](ON_BrepLoop& l) { return ReadLoop(archive, l); }) &&
            ReadComponentArray(archive, kFaceBytes, m_F, [&](ON_BrepFace& f) { return ReadFace(archive, f); });
  ON_BoundingBox box;
  ok = ok && archive.ReadBoundingBox(box);
  if (ok && minor >= 1)
    ok = ReadAnonymousChunk(archive, [&] { return ReadFaceMeshes(archive, true); }) &&
         ReadPastFaceMeshes(archive, m_F.Count());
  int solid = 0;
  if (ok && minor >= 2)
    ok = archive.ReadInt(&solid);
  if (!ok || !IndicesFit())
    return false;
  for (int i = 0; i < m_E.Count(); ++i)
    ShowCurve(m_E[i], m_C3[m_E[i].m_c3i], edge_parts[static_cast<size_t>(i)]);
  for (int i = 0; i < m_T.Count(); ++i)
    ShowCurve(m_T[i], m_T[i].m_c2i >= 0 ? m_C2[m_T[i].m_c2i] : nullptr, trim_parts[static_cast<size_t>(i)]);
  LinkComponents();
  SetParameterBoxes();
  return true;
}

// Every index a component holds names an element of its array, geometry where it must be present.
bool ON_Brep::IndicesFit() const
{
  const int vertex_count = m_V.Count(), edge_count = m_E.Count(), trim_count = m_T.Count();
  const int loop_count = m_L.Count(), face_count = m_F.Count();
  for (int i = 0; i < vertex_count; ++i)
    if (m_V[i].m_vertex_index != i || !AllInRange(m_V[i].m_ei, edge_count))
      return false;
  for (int i = 0; i < edge_count; ++i)
  {
    const ON_BrepEdge& edge = m_E[i];
    if (edge.m_edge_index != i || !InRange(edge.m_c3i, m_C3.Count()) || !m_C3[edge.m_c3i] ||
        !InRange(edge.m_vi[0], vertex_count) || !InRange(edge.m_vi[1], vertex_count) ||
        !AllInRange(edge.m_ti, trim_count))
      return false;
  }
  for (int i = 0; i < trim_count; ++i)
  {
    const ON_BrepTrim& trim = m_T[i];
    if (trim.m_trim_index != i || !InRangeOrUnset(trim.m_c2i, m_C2.Count()) || (trim.m_c2i >= 0 && !m_C2[trim.m_c2i]) ||
        !InRangeOrUnset(trim.m_ei, edge_count) || !InRangeOrUnset(trim.m_vi[0], vertex_count) ||
        !InRangeOrUnset(trim.m_vi[1], vertex_count) || !InRange(trim.m_li, loop_count))
      return false;
  }
  for (int i = 0; i < loop_count; ++i)
    if (m_L[i].m_loop_index != i || !InRange(m_L[i].m_fi, face_count) || !AllInRange(m_L[i].m_ti, trim_count))
      return false;
  for (int i = 0; i < face_count; ++i)
  {
    const ON_BrepFace& face = m_F[i];
    if (face.m_face_index != i || !InRange(face.m_si, m_S.Count()) || !m_S[face.m_si] ||
        !AllInRange(face.m_li, loop_count))
      return false;
  }
  return true;
}

void ON_Brep::SetParameterBoxes()
{
  for (int i = 0; i < m_T.Count(); ++i)
  {
    ON_BoundingBox box;
    if (const ON_Curve* curve = m_T[i].TrimCurveOf(); curve && curve->GetBoundingBox(box))
      m_T[i].m_pbox = box;
  }
  for (int i = 0; i < m_L.Count(); ++i)
    for (int k = 0; k < m_L[i].m_ti.Count(); ++k)
      m_L[i].m_pbox.Union(m_T[m_L[i].m_ti[k]].m_pbox);
}
