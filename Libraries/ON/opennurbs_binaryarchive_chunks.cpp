// Chunk framing of ON_BinaryArchive: nesting, lengths and CRCs of the direct bytes.

#include "opennurbs_binaryarchive.h"

#include <cstring>

namespace
{
bool IsShort(unsigned int typecode) { return (typecode & ON_BinaryArchive::TCODE_SHORT) != 0; }

bool HasCRC(unsigned int typecode) { return !IsShort(typecode) && (typecode & ON_BinaryArchive::TCODE_CRC) != 0; }

// Short chunk values read as unsigned 32-bit numbers.
bool IsUnsignedShortValue(unsigned int typecode)
{
  return typecode == ON_BinaryArchive::TCODE_OBJECT_RECORD_TYPE ||
         typecode == ON_BinaryArchive::TCODE_PROPERTIES_OPENNURBS_VERSION;
}
} // namespace

size_t ON_BinaryArchive::LengthSize() const { return m_3dm_version >= 50 ? 8 : 4; }

int ON_BinaryArchive::ChunkDepth() const { return static_cast<int>(m_chunks.size()); }

unsigned int ON_BinaryArchive::CurrentChunkTypecode() const { return m_chunks.empty() ? 0 : m_chunks.back().typecode; }

void ON_BinaryArchive::FoldDirectBytes(Chunk& chunk, size_t upto)
{
  if (upto > chunk.crc_from)
    chunk.crc = CRC32(chunk.crc, upto - chunk.crc_from, m_buffer.data() + chunk.crc_from);
  chunk.crc_from = upto;
}

bool ON_BinaryArchive::WriteChunkValue(ON__INT64 value)
{
  if (LengthSize() == 8)
    return WriteByte(8, &value);
  const std::int32_t v32 = static_cast<std::int32_t>(value);
  return WriteByte(4, &v32);
}

bool ON_BinaryArchive::ReadChunkValue(ON__INT64* value)
{
  if (LengthSize() == 8)
    return ReadByte(8, value);
  std::int32_t v32 = 0;
  if (!ReadByte(4, &v32))
    return false;
  *value = v32;
  return true;
}

bool ON_BinaryArchive::BeginWrite3dmChunk(unsigned int typecode, ON__INT64 value)
{
  if (m_mode != Mode::write3dm)
    return false;
  if (!m_chunks.empty())
    FoldDirectBytes(m_chunks.back(), m_buffer.size());
  if (!WriteInt(typecode))
    return false;
  Chunk chunk;
  chunk.typecode = typecode;
  chunk.is_long = !IsShort(typecode);
  if (!WriteChunkValue(chunk.is_long ? 0 : value))
    return false;
  chunk.begin = chunk.crc_from = m_buffer.size();
  m_chunks.push_back(chunk);
  return true;
}

bool ON_BinaryArchive::BeginWrite3dmChunk(unsigned int typecode, int major_version, int minor_version)
{
  return BeginWrite3dmChunk(typecode, 0) && WriteInt(major_version) && WriteInt(minor_version);
}

bool ON_BinaryArchive::EndWrite3dmChunk()
{
  if (m_mode != Mode::write3dm || m_chunks.empty())
    return false;
  Chunk chunk = m_chunks.back();
  m_chunks.pop_back();
  bool ok = true;
  if (chunk.is_long)
  {
    if (HasCRC(chunk.typecode))
    {
      FoldDirectBytes(chunk, m_buffer.size());
      ok = WriteInt(chunk.crc);
    }
    const ON__INT64 length = static_cast<ON__INT64>(m_buffer.size() - chunk.begin);
    if (LengthSize() == 4 && length > 0x7FFFFFFF)
      return false;
    unsigned char* at = m_buffer.data() + chunk.begin - LengthSize();
    if (LengthSize() == 8)
      std::memcpy(at, &length, 8);
    else
    {
      const std::int32_t v32 = static_cast<std::int32_t>(length);
      std::memcpy(at, &v32, 4);
    }
  }
  if (!m_chunks.empty())
    m_chunks.back().crc_from = m_buffer.size();
  return ok;
}

bool ON_BinaryArchive::RewindWrite(size_t position, int depth)
{
  if (m_mode != Mode::write3dm || position > m_buffer.size() || depth < 0 || depth > ChunkDepth())
    return false;
  m_chunks.resize(static_cast<size_t>(depth));
  if (!m_chunks.empty() && m_chunks.back().begin > position)
    return false;
  m_buffer.resize(position);
  m_pos = position;
  if (!m_chunks.empty() && m_chunks.back().crc_from > position)
    m_chunks.back().crc_from = position;
  return true;
}

bool ON_BinaryArchive::BeginRead3dmChunk(unsigned int* typecode, ON__INT64* value)
{
  if (m_mode != Mode::read3dm)
    return false;
  const size_t chunk_start = m_pos;
  unsigned int tc = 0;
  ON__INT64 v = 0;
  if (!ReadInt(&tc) || !ReadChunkValue(&v))
  {
    m_pos = chunk_start;
    return false;
  }
  if (IsUnsignedShortValue(tc) && LengthSize() == 4)
    v = static_cast<std::uint32_t>(v);
  Chunk chunk;
  chunk.typecode = tc;
  chunk.is_long = !IsShort(tc);
  if (chunk.is_long &&
      (v < 0 || static_cast<std::uint64_t>(v) > BytesLeftInChunk() || (HasCRC(tc) && m_3dm_version >= 2 && v < 4)))
  {
    ++m_critical_error_count;
    m_pos = chunk_start;
    return false;
  }
  if (!m_chunks.empty())
    FoldDirectBytes(m_chunks.back(), chunk_start);
  chunk.begin = chunk.crc_from = m_pos;
  chunk.end = chunk.is_long ? m_pos + static_cast<size_t>(v) : m_pos;
  m_chunks.push_back(chunk);
  *typecode = tc;
  *value = v;
  return true;
}

bool ON_BinaryArchive::BeginRead3dmChunk(unsigned int expected_typecode, int* major_version, int* minor_version)
{
  unsigned int tc = 0;
  ON__INT64 length = 0;
  if (!BeginRead3dmChunk(&tc, &length))
    return false;
  int major = 0, minor = 0;
  if (tc != expected_typecode || length < 8 || !ReadInt(&major) || !ReadInt(&minor) || major < 1)
  {
    EndRead3dmChunk();
    ++m_critical_error_count;
    return false;
  }
  *major_version = major;
  *minor_version = minor;
  return true;
}

bool ON_BinaryArchive::CheckChunkCRC(Chunk& chunk)
{
  if (!HasCRC(chunk.typecode) || m_3dm_version < 2 || chunk.end - chunk.begin < 4 || m_pos != chunk.end - 4)
    return true;
  FoldDirectBytes(chunk, m_pos);
  unsigned int stored = 0;
  std::memcpy(&stored, m_buffer.data() + m_pos, 4);
  if (stored == chunk.crc)
    return true;
  ++m_bad_crc_count;
  return false;
}

bool ON_BinaryArchive::EndRead3dmChunk()
{
  if (m_mode != Mode::read3dm || m_chunks.empty())
    return false;
  Chunk chunk = m_chunks.back();
  const bool crc_ok = CheckChunkCRC(chunk);
  m_pos = chunk.end;
  m_chunks.pop_back();
  if (!m_chunks.empty())
    m_chunks.back().crc_from = m_pos;
  return crc_ok;
}

bool ON_BinaryArchive::PeekAt3dmChunkType(unsigned int* typecode, ON__INT64* value)
{
  const size_t at = m_pos;
  const int errors = m_critical_error_count;
  unsigned int tc = 0;
  ON__INT64 v = 0;
  const bool ok = ReadInt(&tc) && ReadChunkValue(&v);
  m_pos = at;
  m_critical_error_count = errors;
  if (ok)
  {
    *typecode = tc;
    *value = v;
  }
  return ok;
}

bool ON_BinaryArchive::SkipChunk()
{
  unsigned int tc = 0;
  ON__INT64 value = 0;
  if (!BeginRead3dmChunk(&tc, &value))
    return false;
  m_pos = m_chunks.back().end;
  m_chunks.pop_back();
  if (!m_chunks.empty())
    m_chunks.back().crc_from = m_pos;
  return true;
}

bool ON_BinaryArchive::Write3dmChunkVersion(int major_version, int minor_version)
{
  if (major_version < 0 || major_version > 15 || minor_version < 0 || minor_version > 15)
    return false;
  return WriteChar(static_cast<unsigned char>(major_version * 16 + minor_version));
}

bool ON_BinaryArchive::Read3dmChunkVersion(int* major_version, int* minor_version)
{
  unsigned char c = 0;
  if (!ReadChar(&c))
    return false;
  *major_version = c / 16;
  *minor_version = c % 16;
  return true;
}
