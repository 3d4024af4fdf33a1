#include "site_store.h"

#include <new>

void site_store::Reset(int pdim)
{
  m_blocks.clear();
  m_pdim = pdim;
  m_count = 0;
}

bool site_store::Add(const double* coordinates)
{
  if (m_count % kBlockSites == 0)
  {
    if (static_cast<int>(m_blocks.size()) >= kMaxBlocks)
      return false;
    std::unique_ptr<double[]> block(new (std::nothrow) double[static_cast<size_t>(kBlockSites) * m_pdim]);
    if (!block)
      return false;
    m_blocks.push_back(std::move(block));
  }
  double* slot = m_blocks.back().get() + static_cast<size_t>(m_count % kBlockSites) * m_pdim;
  for (int k = 0; k < m_pdim; ++k)
    slot[k] = coordinates[k];
  ++m_count;
  return true;
}

const double* site_store::Site(int index) const
{
  return m_blocks[index / kBlockSites].get() + static_cast<size_t>(index % kBlockSites) * m_pdim;
}

int site_store::IndexOf(const double* site, const double* infinity) const
{
  if (site == infinity)
    return kInfinityIndex;
  if (!site)
    return kNoSite;
  for (size_t b = 0; b < m_blocks.size(); ++b)
  {
    const double* first = m_blocks[b].get();
    if (site >= first && site < first + static_cast<size_t>(kBlockSites) * m_pdim)
      return static_cast<int>(b) * kBlockSites + static_cast<int>((site - first) / m_pdim);
  }
  return kUnknownAddress;
}

void site_store::Release()
{
  m_blocks.clear();
  m_count = 0;
}
