// Compressed buffers of ON_BinaryArchive: size, CRC of the plain bytes, then raw or zlib data.

#include "opennurbs_binaryarchive.h"

#include <cstring>

#include <zlib.h>

namespace
{
constexpr size_t kStoreRawLimit = 128;
// deflate never expands better than about 1032:1; larger claims are corrupt.
constexpr size_t kMaxInflateRatio = 1100;
constexpr unsigned char kMethodRaw = 0;
constexpr unsigned char kMethodZlib = 1;
// Fast levels keep million-face meshes well under a second; readers accept any level.
constexpr int kDeflateLevel = Z_BEST_SPEED;

bool Deflate(size_t size, const void* buffer, std::vector<unsigned char>& out)
{
  uLongf capacity = compressBound(static_cast<uLong>(size));
  out.resize(capacity);
  if (compress2(out.data(), &capacity, static_cast<const Bytef*>(buffer), static_cast<uLong>(size), kDeflateLevel) !=
      Z_OK)
    return false;
  out.resize(capacity);
  return true;
}

bool Inflate(const unsigned char* in, size_t in_size, size_t out_size, void* out)
{
  z_stream zs;
  std::memset(&zs, 0, sizeof(zs));
  if (inflateInit(&zs) != Z_OK)
    return false;
  zs.next_in = const_cast<Bytef*>(in);
  zs.avail_in = static_cast<uInt>(in_size);
  zs.next_out = static_cast<Bytef*>(out);
  zs.avail_out = static_cast<uInt>(out_size);
  const int rc = inflate(&zs, Z_FINISH);
  const bool ok = rc == Z_STREAM_END && zs.total_out == out_size;
  inflateEnd(&zs);
  return ok;
}
} // namespace

bool ON_BinaryArchive::WriteCompressedBuffer(size_t sizeof_buffer, const void* buffer)
{
  if (sizeof_buffer > 0xFFFFFFFFu)
    return false;
  if (!WriteInt(static_cast<unsigned int>(sizeof_buffer)))
    return false;
  if (sizeof_buffer == 0)
    return true;
  if (!WriteInt(CRC32(0, sizeof_buffer, buffer)))
    return false;
  if (sizeof_buffer <= kStoreRawLimit)
    return WriteChar(kMethodRaw) && WriteByte(sizeof_buffer, buffer);
  std::vector<unsigned char> packed;
  return Deflate(sizeof_buffer, buffer, packed) && WriteChar(kMethodZlib) &&
         BeginWrite3dmChunk(TCODE_ANONYMOUS_CHUNK, 0) && WriteByte(packed.size(), packed.data()) && EndWrite3dmChunk();
}

bool ON_BinaryArchive::ReadCompressedBufferSize(size_t* sizeof_buffer)
{
  unsigned int size = 0;
  if (!ReadInt(&size))
    return false;
  if (size > 0)
  {
    // Look ahead so that callers never allocate for a size the stored bytes cannot hold.
    const size_t at = m_pos;
    unsigned int crc = 0;
    unsigned char method = 0;
    bool plausible = ReadInt(&crc) && ReadChar(&method);
    if (plausible && method == kMethodRaw)
      plausible = size <= BytesLeftInChunk();
    else if (plausible && method == kMethodZlib)
    {
      unsigned int tc = 0;
      ON__INT64 length = 0;
      plausible = PeekAt3dmChunkType(&tc, &length) && tc == TCODE_ANONYMOUS_CHUNK && length >= 4 &&
                  static_cast<std::uint64_t>(length) <= BytesLeftInChunk() &&
                  size <= static_cast<std::uint64_t>(length) * kMaxInflateRatio + 64;
    }
    else
      plausible = false;
    m_pos = at;
    if (!plausible)
    {
      m_pos -= 4;
      ++m_critical_error_count;
      return false;
    }
  }
  *sizeof_buffer = size;
  return true;
}

bool ON_BinaryArchive::ReadCompressedBody(size_t sizeof_buffer, void* buffer)
{
  unsigned int tc = 0;
  ON__INT64 length = 0;
  if (!BeginRead3dmChunk(&tc, &length))
    return false;
  const Chunk& chunk = m_chunks.back();
  bool ok = tc == TCODE_ANONYMOUS_CHUNK && length >= 4 &&
            Inflate(m_buffer.data() + chunk.begin, chunk.end - 4 - chunk.begin, sizeof_buffer, buffer);
  if (ok)
    m_pos = chunk.end - 4;
  else
    ++m_critical_error_count;
  return EndRead3dmChunk() && ok;
}

bool ON_BinaryArchive::ReadCompressedBuffer(size_t sizeof_buffer, void* buffer, bool* failed_crc)
{
  if (failed_crc)
    *failed_crc = false;
  if (sizeof_buffer == 0)
    return true;
  unsigned int stored_crc = 0;
  unsigned char method = 0;
  if (!ReadInt(&stored_crc) || !ReadChar(&method))
    return false;
  bool ok = false;
  if (method == kMethodRaw)
    ok = ReadByte(sizeof_buffer, buffer);
  else if (method == kMethodZlib)
    ok = ReadCompressedBody(sizeof_buffer, buffer);
  else
    ++m_critical_error_count;
  if (ok && CRC32(0, sizeof_buffer, buffer) != stored_crc)
  {
    ++m_bad_crc_count;
    if (failed_crc)
      *failed_crc = true;
  }
  return ok;
}
