#pragma once

#include <cstddef>

// The toolkit's allocation entry points; memory handed out by KeepArray() is released with onfree().
void* onmalloc(std::size_t size);
void* oncalloc(std::size_t count, std::size_t size);
void* onrealloc(void* memblock, std::size_t size);
void onfree(void* memblock);
