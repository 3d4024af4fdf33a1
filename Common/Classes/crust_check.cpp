#include "crust_check.h"

#include "crust_mesh.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {
uint64_t Key(int from, int to)
{
  return (static_cast<uint64_t>(static_cast<uint32_t>(from)) << 32) | static_cast<uint32_t>(to);
}
}  // namespace

bool crust_check::IsClosedAndOriented(const crust_mesh& mesh)
{
  if (mesh.PolygonCount() == 0)
    return false;
  std::vector<uint64_t> directed;
  directed.reserve(mesh.ids.size());
  for (int k = 0; k < mesh.PolygonCount(); ++k) {
    const int first = mesh.offsets[k], count = mesh.offsets[k + 1] - first;
    if (count < 3)
      return false;
    for (int i = 0; i < count; ++i) {
      const int from = mesh.ids[first + i], to = mesh.ids[first + (i + 1) % count];
      if (from == to)
        return false;
      directed.push_back(Key(from, to));
    }
  }
  std::sort(directed.begin(), directed.end());
  if (std::adjacent_find(directed.begin(), directed.end()) != directed.end())
    return false;
  for (uint64_t key : directed) {
    const uint64_t reverse = (key << 32) | (key >> 32);
    if (!std::binary_search(directed.begin(), directed.end(), reverse))
      return false;
  }
  return true;
}
