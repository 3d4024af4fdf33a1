#pragma once

#include "FileFormat.h"

#include <string>
#include <vector>

// The formats Import and Export choose from by a file's extension, case-insensitive.
class FileFormatTable
{
public:
  static const std::vector<FileFormat>& Formats();
  // The row serving the path's extension, or null.
  static const FileFormat* Find(const std::string& path);
  // The extension of a path, lower case with the dot ("" when it has none).
  static std::string Extension(const std::string& path);
  // The table as help text, one line per row.
  static std::string Help();
};
