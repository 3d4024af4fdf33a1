// File frame of ON_BinaryArchive: the 32-byte header, the start section and the end mark.

#include "opennurbs_binaryarchive.h"
#include "opennurbs_string.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{
const char kSignature[] = "3D Geometry File Format ";
constexpr size_t kSignatureLength = 24;
constexpr size_t kHeaderLength = 32;

bool IsSupportedVersion(int version)
{
  return (version >= 2 && version <= 5) || (version >= 50 && version % 10 == 0 && version <= 90);
}

// Bytes 24-31: leading spaces, then decimal digits.
int ParseHeaderVersion(const unsigned char* header)
{
  size_t i = kSignatureLength;
  while (i < kHeaderLength && header[i] == ' ')
    ++i;
  if (i == kHeaderLength)
    return 0;
  int version = 0;
  for (; i < kHeaderLength; ++i)
  {
    if (header[i] < '0' || header[i] > '9')
      return 0;
    version = version * 10 + (header[i] - '0');
  }
  return version;
}
} // namespace

bool ON_BinaryArchive::Write3dmStartSection(int version, const char* comment)
{
  if (m_mode != Mode::write3dm || !m_buffer.empty() || !IsSupportedVersion(version))
    return false;
  m_3dm_version = version;
  char header[kHeaderLength + 1];
  std::snprintf(header, sizeof(header), "%s%8d", kSignature, version);
  if (!WriteByte(kHeaderLength, header))
    return false;
  std::string text = comment ? comment : "";
  text += '\x1a';
  text += '\0';
  return BeginWrite3dmChunk(TCODE_COMMENTBLOCK, 0) && WriteByte(text.size(), text.data()) && EndWrite3dmChunk();
}

bool ON_BinaryArchive::Read3dmStartSection(int* version, ON_String& comment)
{
  unsigned char header[kHeaderLength];
  if (m_mode != Mode::read3dm || m_pos != 0 || !ReadByte(kHeaderLength, header) ||
      std::memcmp(header, kSignature, kSignatureLength) != 0)
    return false;
  const int v = ParseHeaderVersion(header);
  if (!IsSupportedVersion(v))
    return false;
  m_3dm_version = v;
  unsigned int tc = 0;
  ON__INT64 length = 0;
  if (!BeginRead3dmChunk(&tc, &length))
    return false;
  if (tc != TCODE_COMMENTBLOCK)
  {
    EndRead3dmChunk();
    return false;
  }
  std::string text(static_cast<size_t>(length), '\0');
  ReadByte(text.size(), &text[0]);
  while (!text.empty() && (text.back() == '\0' || text.back() == '\x1a'))
    text.pop_back();
  comment = text.c_str();
  *version = v;
  return EndRead3dmChunk();
}

bool ON_BinaryArchive::Write3dmEndMark()
{
  if (m_mode != Mode::write3dm || !m_chunks.empty())
    return false;
  const size_t total = m_buffer.size() + 4 + 2 * LengthSize();
  const ON__INT64 value = static_cast<ON__INT64>(LengthSize());
  if (!WriteInt(static_cast<unsigned int>(TCODE_ENDOFFILE)) || !WriteChunkValue(value))
    return false;
  if (LengthSize() == 8)
  {
    const ON__UINT64 size = total;
    return WriteByte(8, &size);
  }
  return total <= 0xFFFFFFFFu && WriteInt(static_cast<unsigned int>(total));
}

bool ON_BinaryArchive::Read3dmEndMark(size_t* file_length)
{
  unsigned int tc = 0;
  ON__INT64 length = 0;
  if (!BeginRead3dmChunk(&tc, &length))
    return false;
  bool ok = tc == TCODE_ENDOFFILE && length >= 4;
  if (ok)
  {
    ON__UINT64 size = 0;
    if (length >= 8)
      ok = ReadByte(8, &size);
    else
    {
      unsigned int size32 = 0;
      ok = ReadInt(&size32);
      size = size32;
    }
    *file_length = static_cast<size_t>(size);
  }
  return EndRead3dmChunk() && ok;
}
