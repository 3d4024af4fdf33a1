#include "DocumentImporter.h"

#include "DocumentExporter.h"

bool DocumentImporter::Import(CRhinoDoc&, const std::string& path, std::string& message) {
  message = "Cannot import \"" + DocumentExporter::Extension(path) + "\" files";
  return false;
}
