#pragma once

#include "CRhinoDoc.h"

#include <string>

// Adds the objects of a file, whose extension names the format, to the document.
class DocumentImporter {
 public:
  // True with a report line in `message`; false with the reason, the document unchanged.
  static bool Import(CRhinoDoc& doc, const std::string& path, std::string& message);
};
