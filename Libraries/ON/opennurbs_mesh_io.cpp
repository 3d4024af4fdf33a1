// 3DM form of ON_Mesh: version 3.2, faces as packed indices, per-vertex arrays as compressed buffers.

#include "opennurbs.h"

#include <cstring>
#include <vector>

namespace
{
const double kUnsetInterval[2] = {ON_UNSET_VALUE, ON_UNSET_VALUE};
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

const char* const kTextureCoordinates = "mesh texture coordinates";
const char* const kSurfaceParameters = "mesh surface parameters";

// Reads past a per-vertex array this class does not keep, noting `what` when it is not empty.
bool SkipVertexBuffer(ON_BinaryArchive& archive, int vertex_count, size_t element_size, const char* what)
{
  size_t size = 0;
  if (!archive.ReadCompressedBufferSize(&size))
    return false;
  if (size == 0)
    return true;
  archive.NoteSkippedContent(what);
  if (size != static_cast<size_t>(vertex_count) * element_size)
    return false;
  std::vector<unsigned char> scratch(size);
  bool failed_crc = false;
  return archive.ReadCompressedBuffer(size, scratch.data(), &failed_crc) && !failed_crc;
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

bool SkipPlainVertexArray(ON_BinaryArchive& archive, size_t element_size, const char* what)
{
  int count = 0;
  if (!archive.ReadArrayCount(element_size, &count))
    return false;
  if (count > 0)
    archive.NoteSkippedContent(what);
  std::vector<unsigned char> scratch(element_size * static_cast<size_t>(count));
  return archive.ReadByte(scratch.size(), scratch.data());
}

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

bool ON_Mesh::Write(ON_BinaryArchive& archive) const
{
  const int vertex_count = m_V.Count();
  const double unit[2] = {0.0, 1.0};
  const double scale[2] = {0.0, 0.0};
  const bool normals = HasVertexNormals();
  const bool colors = HasVertexColors();
  return archive.Write3dmChunkVersion(3, 2) && archive.WriteInt(vertex_count) && archive.WriteInt(m_F.Count()) &&
         archive.WriteDouble(2, unit) && archive.WriteDouble(2, unit) && archive.WriteDouble(2, kUnsetInterval) &&
         archive.WriteDouble(2, kUnsetInterval) && archive.WriteDouble(2, scale) && WriteVertexBox(archive, *this) &&
         archive.WriteFloat(6, kEmptyBox3) && archive.WriteFloat(4, kEmptyBox2) && archive.WriteInt(-1) &&
         archive.WriteChar(0) && archive.WriteChar(0) && archive.WriteChar(0) && archive.WriteChar(0) &&
         archive.WriteChar(0) && WriteFaces(archive, m_F, vertex_count) &&
         archive.WriteCompressedBuffer(sizeof(ON_3fPoint) * static_cast<size_t>(vertex_count), m_V.Array()) &&
         archive.WriteCompressedBuffer(normals ? sizeof(ON_3fVector) * static_cast<size_t>(vertex_count) : 0,
                                       m_N.Array()) &&
         archive.WriteCompressedBuffer(0, nullptr) && archive.WriteCompressedBuffer(0, nullptr) &&
         archive.WriteCompressedBuffer(colors ? 4 * static_cast<size_t>(vertex_count) : 0, m_C.Array()) &&
         archive.WriteInt(0);
}

bool ON_Mesh::Read(ON_BinaryArchive& archive)
{
  Destroy();
  int major = 0, minor = 0, vertex_count = 0, face_count = 0, closed = 0;
  double skipped_doubles[10];
  float skipped_floats[16];
  if (!archive.Read3dmChunkVersion(&major, &minor) || (major != 1 && major != 3) || !archive.ReadInt(&vertex_count) ||
      !archive.ReadInt(&face_count) || vertex_count < 0 || face_count < 0 || !archive.ReadDouble(10, skipped_doubles) ||
      !archive.ReadFloat(16, skipped_floats) || !archive.ReadInt(&closed))
    return false;
  bool ok = SkipOptionalChunk(archive);
  for (int i = 0; ok && i < 4; ++i)
    ok = SkipOptionalChunk(archive);
  ok = ok && ReadFaces(archive, m_F, face_count, vertex_count);
  if (ok && major == 3)
    ok = ReadVertexBuffer(archive, m_V, vertex_count, sizeof(ON_3fPoint)) &&
         ReadVertexBuffer(archive, m_N, vertex_count, sizeof(ON_3fVector)) &&
         SkipVertexBuffer(archive, vertex_count, 2 * sizeof(float), kTextureCoordinates) &&
         SkipVertexBuffer(archive, vertex_count, 2 * sizeof(double), kSurfaceParameters) &&
         ReadVertexBuffer(archive, m_C, vertex_count, 4);
  else if (ok)
    ok = ReadPlainVertexArray(archive, m_V, sizeof(ON_3fPoint)) &&
         ReadPlainVertexArray(archive, m_N, sizeof(ON_3fVector)) &&
         SkipPlainVertexArray(archive, 2 * sizeof(float), kTextureCoordinates) &&
         SkipPlainVertexArray(archive, 2 * sizeof(double), kSurfaceParameters) && ReadPlainVertexArray(archive, m_C, 4);
  ok = ok && m_V.Count() == vertex_count && (m_N.Count() == 0 || m_N.Count() == vertex_count) &&
       (m_C.Count() == 0 || m_C.Count() == vertex_count);
  if (!ok)
    Destroy();
  InvalidateBoundingBoxes();
  return ok;
}
