#pragma once

#include "RhinoSdkTypes.h"

#include <map>
#include <string>

// The application's settings profile: integers by section and entry, kept in an INI-style file
// ("[section]" lines, then "entry=value" lines). Without a file the settings live in memory.
class CRhinoProfileContext
{
public:
  // Reads the file (a missing file is an empty profile); later saves write it back.
  bool SetFile(const std::string& path);
  const std::string& File() const { return m_file; }

  // Leaves *value unchanged and returns FALSE when the entry is missing or not an integer.
  BOOL LoadProfileInt(const wchar_t* section, const wchar_t* entry, int* value) const;
  BOOL SaveProfileInt(const wchar_t* section, const wchar_t* entry, int value);

private:
  bool Write() const;

  std::string m_file;
  std::map<std::string, std::map<std::string, std::string>> m_sections;
};
