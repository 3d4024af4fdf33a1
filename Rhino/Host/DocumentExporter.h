#pragma once

#include "CRhinoDoc.h"

#include <string>
#include <vector>

// Writes document objects to a file whose extension names the format.
class DocumentExporter {
 public:
  // The selected objects, or all when none is selected.
  static std::vector<const CRhinoObject*> ObjectsToExport(const CRhinoDoc& doc);
  // True with a report line in `message`; false with the reason in `message`.
  static bool Export(const std::vector<const CRhinoObject*>& objects, const std::string& path,
                     std::string& message);
  // The extension of a path, lower case with the dot ("" when it has none).
  static std::string Extension(const std::string& path);

 private:
  static bool ExportPoints(const std::vector<const CRhinoObject*>& objects,
                           const std::string& path, const char* delimiter, std::string& message);
};
