#pragma once

#include "CRhinoDoc.h"

#include <string>
#include <vector>

// One row of the host's Import/Export table: the extensions it serves, how it reads a file into
// the document and writes objects to a file (either may be missing), and its help line.
// Readers and writers return true with a report line in `message`, or false with the reason
// (the document unchanged, no file left behind).
struct FileFormat
{
  using Reader = bool (*)(CRhinoDoc& doc, const std::string& path, std::string& message);
  using Writer = bool (*)(const std::vector<const CRhinoObject*>& objects, const std::string& path,
                          std::string& message);

  std::vector<std::string> extensions; // lower case, with the dot
  Reader read = nullptr;
  Writer write = nullptr;
  const char* importHelp = ""; // what Import gives, or why it cannot
  const char* exportHelp = ""; // what Export writes
};
