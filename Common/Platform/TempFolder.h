#pragma once

#include <string>

namespace Platform
{

// The folder for temporary files: $TEMP, else $TMPDIR, else /tmp; no trailing separator.
class TempFolder
{
public:
  static std::string Path();
};

} // namespace Platform
