#include "DocumentImporter.h"

#include "DocumentExporter.h"
#include "DocumentFile.h"
#include "MeshFileTransfer.h"

bool DocumentImporter::Import(CRhinoDoc& doc, const std::string& path, std::string& message) {
  if (MeshFileTransfer::Handles(DocumentExporter::Extension(path)))
    return MeshFileTransfer::Import(doc, path, message);
  if (DocumentFile::Handles(DocumentExporter::Extension(path)))
    return DocumentFile::Current().Import(doc, path, message);
  message = "Cannot import \"" + DocumentExporter::Extension(path) + "\" files";
  return false;
}
