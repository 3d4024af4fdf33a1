// 3DM form of ON_Mesh: version 3.2 (3.3 with surface parameters), faces as packed indices, per-vertex arrays as
// compressed buffers.

#include "opennurbs.h"

#include <cstring>
#include <vector>

namespace
{
const float kEmptyBox3[6] = {1.0f, 1.0f, 1.0f, -1.0f, -1.0f, -1.0f};
const float kEmptyBox2[4] = {1.0f, 1.0f, -1.0f, -1.0f};

int IndexSize(int vertex_count) { return vertex_count < 256 ? 1 : (vertex_count < 65536 ? 2 : 4); }

bool WriteFaces(ON_BinaryArchive& archive, const ON_SimpleArray<ON_MeshFace>& faces, int vertex_count)
{
  const int size = IndexSize(vertex_count);
  std::vector<unsigned char> packed(static_cast<size_t>(faces.Count()) * 4 * static_cast<size_t>(size));
  unsigned char* out = packed.data();
  for (int f = 0; f < faces.Count(); ++f)
    for (int k = 0; k < 4; ++k, out += size)
    {
      const unsigned int vi = static_cast<unsigned int>(faces[f].vi[k]);
      std::memcpy(out, &vi, static_cast<size_t>(size)); // little-endian: the low bytes
    }
  return archive.WriteInt(size) && archive.WriteByte(packed.size(), packed.data());
}

// Faces with an index outside the vertex list make the mesh unreadable.
bool ReadFaces(ON_BinaryArchive& archive, ON_SimpleArray<ON_MeshFace>& faces, int face_count, int vertex_count)
{
  int size = 0;
  if (!archive.ReadInt(&size) || (size != 1 && size != 2 && size != 4))
    return false;
  const size_t bytes = static_cast<size_t>(face_count) * 4 * static_cast<size_t>(size);
  if (bytes > archive.BytesLeftInChunk())
    return false;
  std::vector<unsigned char> packed(bytes);
  if (!archive.ReadByte(bytes, packed.data()))
    return false;
  faces.SetCapacity(face_count);
  faces.SetCount(face_count);
  const unsigned char* in = packed.data();
  for (int f = 0; f < face_count; ++f)
    for (int k = 0; k < 4; ++k, in += size)
    {
      unsigned int vi = 0;
      std::memcpy(&vi, in, static_cast<size_t>(size));
      if (vi >= static_cast<unsigned int>(vertex_count))
        return false;
      faces[f].vi[k] = static_cast<int>(vi);
    }
  return true;
}

// A compressed per-vertex array: empty, or exactly element_size bytes per vertex.
template <class T>
bool ReadVertexBuffer(ON_BinaryArchive& archive, ON_SimpleArray<T>& values, int vertex_count, size_t element_size)
{
  size_t size = 0;
  if (!archive.ReadCompressedBufferSize(&size))
    return false;
  if (size == 0)
  {
    values.SetCount(0);
    return true;
  }
  if (size != static_cast<size_t>(vertex_count) * element_size)
    return false;
  values.SetCapacity(vertex_count);
  values.SetCount(vertex_count);
  bool failed_crc = false;
  return archive.ReadCompressedBuffer(size, values.Array(), &failed_crc) && !failed_crc;
}

// Major version 1 keeps the arrays uncompressed, each with its own count.
template <class T>
bool ReadPlainVertexArray(ON_BinaryArchive& archive, ON_SimpleArray<T>& values, size_t element_size)
{
  int count = 0;
  if (!archive.ReadArrayCount(element_size, &count))
    return false;
  values.SetCapacity(count);
  values.SetCount(count);
  return archive.ReadByte(element_size * static_cast<size_t>(count), values.Array());
}

template <class T>
size_t BufferSize(const ON_SimpleArray<T>& values, int vertex_count)
{
  return values.Count() == vertex_count ? sizeof(T) * static_cast<size_t>(vertex_count) : 0;
}

static_assert(sizeof(ON_2fPoint) == 2 * sizeof(float) && sizeof(ON_2dPoint) == 2 * sizeof(double) &&
                  sizeof(ON_SurfaceCurvature) == 2 * sizeof(double),
              "per-vertex values are stored as they lie in memory");

bool SkipOptionalChunk(ON_BinaryArchive& archive)
{
  unsigned char present = 0;
  return archive.ReadChar(&present) && (present == 0 || archive.SkipChunk());
}

bool WriteVertexBox(ON_BinaryArchive& archive, const ON_Mesh& mesh)
{
  if (mesh.VertexCount() == 0)
    return archive.WriteFloat(6, kEmptyBox3);
  ON_BoundingBox box = mesh.BoundingBox();
  const float values[6] = {static_cast<float>(box.m_min.x), static_cast<float>(box.m_min.y),
                           static_cast<float>(box.m_min.z), static_cast<float>(box.m_max.x),
                           static_cast<float>(box.m_max.y), static_cast<float>(box.m_max.z)};
  return archive.WriteFloat(6, values);
}
} // namespace

// Packed texture domains, surface domains and surface scale: ten doubles in the header.
bool ON_Mesh::WriteSurfaceHeader(ON_BinaryArchive& archive) const
{
  return archive.WriteInterval(m_packed_tex_domain[0]) && archive.WriteInterval(m_packed_tex_domain[1]) &&
         archive.WriteInterval(m_srf_domain[0]) && archive.WriteInterval(m_srf_domain[1]) &&
         archive.WriteDouble(2, m_srf_scale);
}

bool ON_Mesh::ReadSurfaceHeader(ON_BinaryArchive& archive)
{
  return archive.ReadInterval(m_packed_tex_domain[0]) && archive.ReadInterval(m_packed_tex_domain[1]) &&
         archive.ReadInterval(m_srf_domain[0]) && archive.ReadInterval(m_srf_domain[1]) &&
         archive.ReadDouble(2, m_srf_scale);
}

// Version 3.2; 3.3 when the mesh has surface parameters, which that version added.
bool ON_Mesh::Write(ON_BinaryArchive& archive) const
{
  const int vertex_count = m_V.Count();
  const bool parameters = HasSurfaceParameters();
  bool ok = archive.Write3dmChunkVersion(3, parameters ? 3 : 2) && archive.WriteInt(vertex_count) &&
            archive.WriteInt(m_F.Count()) && WriteSurfaceHeader(archive) && WriteVertexBox(archive, *this) &&
            archive.WriteFloat(6, kEmptyBox3) && archive.WriteFloat(4, kEmptyBox2) && archive.WriteInt(-1) &&
            archive.WriteChar(0) && archive.WriteChar(0) && archive.WriteChar(0) && archive.WriteChar(0) &&
            archive.WriteChar(0) && WriteFaces(archive, m_F, vertex_count) &&
            archive.WriteCompressedBuffer(sizeof(ON_3fPoint) * static_cast<size_t>(vertex_count), m_V.Array()) &&
            archive.WriteCompressedBuffer(BufferSize(m_N, vertex_count), m_N.Array()) &&
            archive.WriteCompressedBuffer(BufferSize(m_T, vertex_count), m_T.Array()) &&
            archive.WriteCompressedBuffer(BufferSize(m_K, vertex_count), m_K.Array()) &&
            archive.WriteCompressedBuffer(BufferSize(m_C, vertex_count), m_C.Array()) &&
            archive.WriteInt(m_packed_tex_rotate ? 1 : 0);
  if (ok && parameters)
    ok = archive.WriteUuid(m_texture_mapping_id) &&
         archive.WriteCompressedBuffer(BufferSize(m_S, vertex_count), m_S.Array());
  return ok;
}

bool ON_Mesh::ReadVertexArrays(ON_BinaryArchive& archive, int major, int vertex_count)
{
  if (major == 3)
    return ReadVertexBuffer(archive, m_V, vertex_count, sizeof(ON_3fPoint)) &&
           ReadVertexBuffer(archive, m_N, vertex_count, sizeof(ON_3fVector)) &&
           ReadVertexBuffer(archive, m_T, vertex_count, sizeof(ON_2fPoint)) &&
           ReadVertexBuffer(archive, m_K, vertex_count, sizeof(ON_SurfaceCurvature)) &&
           ReadVertexBuffer(archive, m_C, vertex_count, 4);
  return ReadPlainVertexArray(archive, m_V, sizeof(ON_3fPoint)) &&
         ReadPlainVertexArray(archive, m_N, sizeof(ON_3fVector)) &&
         ReadPlainVertexArray(archive, m_T, sizeof(ON_2fPoint)) &&
         ReadPlainVertexArray(archive, m_K, sizeof(ON_SurfaceCurvature)) && ReadPlainVertexArray(archive, m_C, 4);
}

// Minor 2 added the packed texture rotation, 3.3 the texture mapping id and the surface parameters.
bool ON_Mesh::ReadTextureTail(ON_BinaryArchive& archive, int major, int minor, int vertex_count)
{
  int rotate = 0;
  if (minor >= 2 && !archive.ReadInt(&rotate))
    return false;
  m_packed_tex_rotate = rotate != 0;
  if (major != 3 || minor < 3)
    return true;
  return archive.ReadUuid(m_texture_mapping_id) &&
         (vertex_count == 0 || ReadVertexBuffer(archive, m_S, vertex_count, sizeof(ON_2dPoint)));
}

// Each per-vertex array is empty or has one value per vertex.
bool ON_Mesh::HasConsistentVertexArrays(int vertex_count) const
{
  const int counts[] = {m_N.Count(), m_T.Count(), m_K.Count(), m_C.Count(), m_S.Count()};
  for (int count : counts)
    if (count != 0 && count != vertex_count)
      return false;
  return m_V.Count() == vertex_count;
}

bool ON_Mesh::Read(ON_BinaryArchive& archive)
{
  Destroy();
  int major = 0, minor = 0, vertex_count = 0, face_count = 0, closed = 0;
  float skipped_boxes[16];
  if (!archive.Read3dmChunkVersion(&major, &minor) || (major != 1 && major != 3) || !archive.ReadInt(&vertex_count) ||
      !archive.ReadInt(&face_count) || vertex_count < 0 || face_count < 0 || !ReadSurfaceHeader(archive) ||
      !archive.ReadFloat(16, skipped_boxes) || !archive.ReadInt(&closed))
    return false;
  bool ok = SkipOptionalChunk(archive);
  for (int i = 0; ok && i < 4; ++i)
    ok = SkipOptionalChunk(archive);
  ok = ok && ReadFaces(archive, m_F, face_count, vertex_count) && ReadVertexArrays(archive, major, vertex_count) &&
       ReadTextureTail(archive, major, minor, vertex_count) && HasConsistentVertexArrays(vertex_count);
  if (!ok)
    Destroy();
  InvalidateBoundingBoxes();
  return ok;
}
