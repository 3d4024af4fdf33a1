#pragma once

#include <sodium.h>

#include <cstddef>
#include <new>
#include <vector>

namespace prismal
{

// Allocator that wipes memory before giving it back, for buffers that hold decrypted data.
template <typename T>
struct WipingAllocator
{
  using value_type = T;
  WipingAllocator() = default;
  template <typename U>
  WipingAllocator(const WipingAllocator<U>&)
  {
  }
  T* allocate(std::size_t n) { return std::allocator<T>().allocate(n); }
  void deallocate(T* p, std::size_t n)
  {
    sodium_memzero(p, n * sizeof(T));
    std::allocator<T>().deallocate(p, n);
  }
  template <typename U>
  bool operator==(const WipingAllocator<U>&) const
  {
    return true;
  }
  template <typename U>
  bool operator!=(const WipingAllocator<U>&) const
  {
    return false;
  }
};

using SecureBytes = std::vector<unsigned char, WipingAllocator<unsigned char>>;

} // namespace prismal
