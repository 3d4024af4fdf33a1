#pragma once

#include <memory>
#include <vector>

// Coordinates of the sites of one pass, stored in blocks of 100 000 sites. A site is handed around
// as the address of its coordinates.
class site_store
{
public:
  static constexpr int kBlockSites = 100000;
  static constexpr int kMaxBlocks = 10000;
  static constexpr int kInfinityIndex = -1;
  static constexpr int kNoSite = -2;
  static constexpr int kUnknownAddress = -3;

  // Starts an empty store whose sites have `pdim` coordinates.
  void Reset(int pdim);
  // Appends a site; false when the block table is full or memory is exhausted.
  bool Add(const double* coordinates);

  int Count() const { return m_count; }
  int Dimension() const { return m_pdim; }
  const double* Site(int index) const;
  // The index of a site address: kInfinityIndex for `infinity`, kNoSite for null, kUnknownAddress otherwise.
  int IndexOf(const double* site, const double* infinity) const;
  void Release();

private:
  std::vector<std::unique_ptr<double[]>> m_blocks;
  int m_pdim = 3;
  int m_count = 0;
};
