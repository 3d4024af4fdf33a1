#include "opennurbs_binaryarchive.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include <zlib.h>

namespace
{
// Values are stored little-endian; the hosts we build for are little-endian too.
static_assert(sizeof(int) == 4 && sizeof(short) == 2 && sizeof(double) == 8 && sizeof(float) == 4,
              "3DM primitive sizes");
} // namespace

ON_BinaryArchive::ON_BinaryArchive(Mode mode) : m_mode(mode) {}

ON_BinaryArchive::Mode ON_BinaryArchive::ArchiveMode() const { return m_mode; }

void ON_BinaryArchive::SetBuffer(const unsigned char* bytes, size_t size)
{
  m_buffer.assign(bytes, bytes + size);
  m_pos = 0;
  m_chunks.clear();
}

bool ON_BinaryArchive::LoadFile(const char* path)
{
  std::FILE* fp = path ? std::fopen(path, "rb") : nullptr;
  if (!fp)
    return false;
  std::vector<unsigned char> bytes;
  unsigned char block[1 << 16];
  size_t got = 0;
  while ((got = std::fread(block, 1, sizeof(block), fp)) > 0)
    bytes.insert(bytes.end(), block, block + got);
  const bool ok = std::ferror(fp) == 0;
  std::fclose(fp);
  if (!ok)
    return false;
  m_buffer.swap(bytes);
  m_pos = 0;
  m_chunks.clear();
  return true;
}

const std::vector<unsigned char>& ON_BinaryArchive::Buffer() const { return m_buffer; }

bool ON_BinaryArchive::SaveFile(const char* path) const
{
  std::FILE* fp = path ? std::fopen(path, "wb") : nullptr;
  if (!fp)
    return false;
  const bool written = std::fwrite(m_buffer.data(), 1, m_buffer.size(), fp) == m_buffer.size();
  const bool closed = std::fclose(fp) == 0;
  return written && closed;
}

size_t ON_BinaryArchive::CurrentPosition() const { return m_pos; }

void ON_BinaryArchive::CopyReadBytes(size_t begin, std::vector<unsigned char>& bytes) const
{
  bytes.clear();
  if (m_mode == Mode::read3dm && begin < m_pos && m_pos <= m_buffer.size())
    bytes.assign(m_buffer.begin() + static_cast<std::ptrdiff_t>(begin),
                 m_buffer.begin() + static_cast<std::ptrdiff_t>(m_pos));
}

size_t ON_BinaryArchive::ReadLimit() const { return m_chunks.empty() ? m_buffer.size() : m_chunks.back().end; }

size_t ON_BinaryArchive::BytesLeftInChunk() const
{
  const size_t limit = ReadLimit();
  return m_pos < limit ? limit - m_pos : 0;
}

bool ON_BinaryArchive::AtEnd() const { return m_pos >= m_buffer.size(); }

int ON_BinaryArchive::Archive3dmVersion() const { return m_3dm_version; }

void ON_BinaryArchive::SetArchive3dmVersion(int version) { m_3dm_version = version; }

unsigned int ON_BinaryArchive::ArchiveOpenNURBSVersion() const { return m_opennurbs_version; }

void ON_BinaryArchive::SetArchiveOpenNURBSVersion(unsigned int version) { m_opennurbs_version = version; }

int ON_BinaryArchive::BadCRCCount() const { return m_bad_crc_count; }

int ON_BinaryArchive::CriticalErrorCount() const { return m_critical_error_count; }

void ON_BinaryArchive::SetCriticalError() { ++m_critical_error_count; }

bool ON_BinaryArchive::Need(size_t count)
{
  if (count <= BytesLeftInChunk())
    return true;
  ++m_critical_error_count;
  return false;
}

bool ON_BinaryArchive::WriteByte(size_t count, const void* bytes)
{
  if (m_mode != Mode::write3dm)
    return false;
  if (count == 0)
    return true;
  const unsigned char* b = static_cast<const unsigned char*>(bytes);
  m_buffer.insert(m_buffer.end(), b, b + count);
  m_pos = m_buffer.size();
  return true;
}

bool ON_BinaryArchive::ReadByte(size_t count, void* bytes)
{
  if (m_mode != Mode::read3dm || !Need(count))
    return false;
  if (count > 0)
    std::memcpy(bytes, m_buffer.data() + m_pos, count);
  m_pos += count;
  return true;
}

bool ON_BinaryArchive::WriteBool(bool b) { return WriteChar(b ? 1 : 0); }

bool ON_BinaryArchive::ReadBool(bool* b)
{
  unsigned char c = 0;
  if (!ReadChar(&c))
    return false;
  *b = c != 0;
  return true;
}

bool ON_BinaryArchive::WriteChar(unsigned char c) { return WriteByte(1, &c); }
bool ON_BinaryArchive::ReadChar(unsigned char* c) { return ReadByte(1, c); }
bool ON_BinaryArchive::WriteShort(short s) { return WriteByte(2, &s); }
bool ON_BinaryArchive::ReadShort(short* s) { return ReadByte(2, s); }
bool ON_BinaryArchive::WriteInt(int i) { return WriteByte(4, &i); }
bool ON_BinaryArchive::ReadInt(int* i) { return ReadByte(4, i); }
bool ON_BinaryArchive::WriteInt(unsigned int u) { return WriteByte(4, &u); }
bool ON_BinaryArchive::ReadInt(unsigned int* u) { return ReadByte(4, u); }
bool ON_BinaryArchive::WriteFloat(size_t count, const float* f) { return WriteByte(4 * count, f); }
bool ON_BinaryArchive::ReadFloat(size_t count, float* f) { return ReadByte(4 * count, f); }
bool ON_BinaryArchive::WriteDouble(double d) { return WriteByte(8, &d); }
bool ON_BinaryArchive::ReadDouble(double* d) { return ReadByte(8, d); }
bool ON_BinaryArchive::WriteDouble(size_t count, const double* d) { return WriteByte(8 * count, d); }
bool ON_BinaryArchive::ReadDouble(size_t count, double* d) { return ReadByte(8 * count, d); }

bool ON_BinaryArchive::ReadArrayCount(size_t element_size, int* count)
{
  int n = 0;
  if (!ReadInt(&n))
    return false;
  if (n < 0 || static_cast<size_t>(n) > BytesLeftInChunk() / (element_size ? element_size : 1))
  {
    ++m_critical_error_count;
    return false;
  }
  *count = n;
  return true;
}

unsigned int ON_BinaryArchive::CRC32(unsigned int crc, size_t count, const void* bytes)
{
  const Bytef* b = static_cast<const Bytef*>(bytes);
  uLong value = crc;
  while (count > 0)
  {
    const uInt block = count > (1u << 30) ? (1u << 30) : static_cast<uInt>(count);
    value = crc32(value, b, block);
    b += block;
    count -= block;
  }
  return static_cast<unsigned int>(value);
}
