#pragma once

#include "CRhinoDoc.h"

#include <string>
#include <vector>

// The point objects and mesh vertices among document objects, written to point text files.
class PointFileTransfer
{
public:
  static bool WriteSpaced(const std::vector<const CRhinoObject*>& objects, const std::string& path,
                          std::string& message);
  static bool WriteCommaSeparated(const std::vector<const CRhinoObject*>& objects, const std::string& path,
                                  std::string& message);

private:
  static bool Write(const std::vector<const CRhinoObject*>& objects, const std::string& path, const char* delimiter,
                    std::string& message);
};
