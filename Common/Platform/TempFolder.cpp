#include "TempFolder.h"

#include <cstdlib>

namespace Platform
{

std::string TempFolder::Path()
{
  for (const char* name : {"TEMP", "TMPDIR"})
  {
    const char* value = std::getenv(name);
    if (value && *value)
    {
      std::string path = value;
      while (path.size() > 1 && path.back() == '/')
        path.pop_back();
      return path;
    }
  }
  return "/tmp";
}

} // namespace Platform
