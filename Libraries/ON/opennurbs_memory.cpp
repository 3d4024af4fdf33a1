#include "opennurbs_memory.h"

#include <cstdlib>

void* onmalloc(std::size_t size) { return (size > 0) ? std::malloc(size) : nullptr; }
void* oncalloc(std::size_t count, std::size_t size)
{
  return (count > 0 && size > 0) ? std::calloc(count, size) : nullptr;
}

void* onrealloc(void* memblock, std::size_t size)
{
  if (size == 0)
  {
    std::free(memblock);
    return nullptr;
  }
  return std::realloc(memblock, size);
}

void onfree(void* memblock) { std::free(memblock); }
