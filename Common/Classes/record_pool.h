#pragma once

#include <cstring>
#include <memory>
#include <new>
#include <vector>

// Free-list pool of zero-filled records handed out in blocks of 10 000. Records are never returned
// to the system until Clear(), which releases every block at once.
template <class Record>
class record_pool
{
public:
  static constexpr int kBlockSize = 10000;
  static constexpr int kMaxBlocks = 10000;

  // A zero-filled record, or null when no further block can be had.
  Record* Take()
  {
    if (!m_free && !AddBlock())
      return nullptr;
    Record* record = m_free;
    m_free = record->next;
    record->next = nullptr;
    ++m_inUse;
    return record;
  }

  // Clears the record and puts it back on the free list.
  void Give(Record* record)
  {
    std::memset(static_cast<void*>(record), 0, sizeof(Record));
    record->next = m_free;
    m_free = record;
    --m_inUse;
  }

  void Clear()
  {
    m_blocks.clear();
    m_free = nullptr;
    m_inUse = 0;
  }

  int BlockCount() const { return static_cast<int>(m_blocks.size()); }
  long long RecordsInUse() const { return m_inUse; }

private:
  bool AddBlock()
  {
    if (static_cast<int>(m_blocks.size()) >= kMaxBlocks)
      return false;
    std::unique_ptr<Record[]> block(new (std::nothrow) Record[kBlockSize]());
    if (!block)
      return false;
    for (int i = kBlockSize - 1; i >= 0; --i)
    {
      block[i].next = m_free;
      m_free = &block[i];
    }
    m_blocks.push_back(std::move(block));
    return true;
  }

  std::vector<std::unique_ptr<Record[]>> m_blocks;
  Record* m_free = nullptr;
  long long m_inUse = 0;
};
