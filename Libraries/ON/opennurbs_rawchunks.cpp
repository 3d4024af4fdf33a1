#include "opennurbs.h"

void ON_RawChunks::Keep(const ON_BinaryArchive& archive, size_t begin)
{
  std::vector<unsigned char> bytes;
  archive.CopyReadBytes(begin, bytes);
  if (bytes.empty())
    return;
  m_version = archive.Archive3dmVersion();
  m_chunks.push_back(std::move(bytes));
}

bool ON_RawChunks::Write(ON_BinaryArchive& archive) const
{
  if (!FitsVersion(archive.Archive3dmVersion()))
    return true;
  for (const std::vector<unsigned char>& chunk : m_chunks)
    if (!archive.WriteByte(chunk.size(), chunk.data()))
      return false;
  return true;
}
