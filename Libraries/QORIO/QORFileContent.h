#pragma once

#include "opennurbs.h"

#include <memory>
#include <string_view>

// The whole content of a file, read at once for the format readers.
class QORFileContent
{
public:
  // Reads a regular file; false when it cannot be opened or read, is a folder or a device, or
  // memory runs out.
  bool Load(const ON_wString& path);
  std::string_view Text() const;

private:
  std::unique_ptr<char[]> m_data;
  size_t m_size = 0;
};
