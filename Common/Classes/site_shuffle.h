#pragma once

#include <vector>

class rand48;

// Random order of the sites of a pass: a table of 0..N shuffled over its first N entries, so that
// the last request yields no site.
class site_shuffle
{
public:
  void Shuffle(int siteCount, rand48& generator);
  // The next site index, or -1 when every site has been taken.
  int Next();
  int Taken() const { return m_position; }
  void Release();

private:
  std::vector<int> m_table;
  int m_position = 0;
};
