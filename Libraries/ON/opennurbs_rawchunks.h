#pragma once

#include <vector>

class ON_BinaryArchive;

// Chunks a reader does not interpret, kept as the bytes it read, to be written back unchanged into
// an archive of the same 3dm version (their layout may differ in another).
class ON_RawChunks
{
public:
  // Keeps the chunk the archive just ended, which began at `begin` (its position before the header).
  void Keep(const ON_BinaryArchive& archive, size_t begin);
  // Writes the kept chunks when the archive has the version they were read in (in another they are
  // left out, see FitsVersion); false only when writing fails.
  bool Write(ON_BinaryArchive& archive) const;
  bool IsEmpty() const { return m_chunks.empty(); }
  int Count() const { return static_cast<int>(m_chunks.size()); }
  // Whether an archive of that version would take the chunks.
  bool FitsVersion(int version) const { return m_chunks.empty() || version == m_version; }

private:
  int m_version = 0;
  std::vector<std::vector<unsigned char>> m_chunks;
};
