#pragma once

#include "opennurbs.h"

#include <cstddef>
#include <cstdint>

// The fuzzer's input as a file that the readers open by name (an in-memory file).
class FuzzInput
{
public:
  // The path of a file holding exactly the given bytes.
  static ON_wString File(const uint8_t* data, size_t size);
};
