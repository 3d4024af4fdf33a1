#pragma once

#include "opennurbs.h"

#include <string>

// Whole-file reading for the format readers.
class QORFileContent
{
public:
  QORFileContent() = delete;

  // Reads a regular file into `content`; 0 when it cannot be opened or read, or is a directory
  // or device.
  static int Read(const ON_wString& path, std::string& content);
};
