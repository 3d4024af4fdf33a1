#pragma once

#include "SecureBytes.h"

#include <sys/types.h>

namespace prismal
{

// Whole files in and out; failures leave errno telling why.
class FileBytes
{
public:
  // Reads a regular file; false when it cannot be opened or read or is no regular file.
  static bool Read(const char* path, SecureBytes& bytes);
  // Writes the bytes to a new file beside the target and renames it onto the target, so that a
  // failure leaves the target as it was. The file keeps the target's permissions when the target
  // exists, else it gets `newMode` (less the process's umask).
  static bool Replace(const char* path, const unsigned char* data, size_t size, mode_t newMode);
};

} // namespace prismal
