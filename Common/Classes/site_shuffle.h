#pragma once

#include <functional>
#include <vector>

class rand48;

// Random order of the sites of a pass: a table of 0..N shuffled over its first N entries, so that
// the last request yields no site.
class site_shuffle
{
public:
  void Shuffle(int siteCount, rand48& generator);
  // Keeps the random order's rounds (the last half, the quarter before it, ...) and sorts the
  // sites of each round along a space-filling curve through the places `place` gives them (x, y, z
  // of site i), so that consecutive sites lie close together.
  void SortRounds(const std::function<const double*(int)>& place);
  // The next site index, or -1 when every site has been taken.
  int Next();
  void Release();

private:
  std::vector<int> m_table;
  int m_position = 0;
};
