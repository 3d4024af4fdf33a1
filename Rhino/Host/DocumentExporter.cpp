#include "DocumentExporter.h"

#include "DocumentFile.h"
#include "MeshFileTransfer.h"
#include "QORTXT.h"

#include <algorithm>
#include <cctype>

std::vector<const CRhinoObject*> DocumentExporter::ObjectsToExport(const CRhinoDoc& doc) {
  std::vector<const CRhinoObject*> objects;
  const bool selectedOnly = doc.SelectedCount() > 0;
  for (const auto& object : doc.Objects())
    if (!selectedOnly || object->IsSelected()) objects.push_back(object.get());
  return objects;
}

std::string DocumentExporter::Extension(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string extension = path.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

bool DocumentExporter::Export(const std::vector<const CRhinoObject*>& objects,
                              const std::string& path, std::string& message) {
  const std::string extension = Extension(path);
  if (extension == ".txt" || extension == ".xyz") return ExportPoints(objects, path, " ", message);
  if (extension == ".csv") return ExportPoints(objects, path, ",", message);
  if (MeshFileTransfer::Handles(extension)) return MeshFileTransfer::Export(objects, path, message);
  if (DocumentFile::Handles(extension)) return DocumentFile::Current().Export(objects, path, message);
  message = "Cannot export to \"" + extension + "\" files";
  return false;
}

bool DocumentExporter::ExportPoints(const std::vector<const CRhinoObject*>& objects,
                                    const std::string& path, const char* delimiter,
                                    std::string& message) {
  ON_3dPointArray points;
  for (const CRhinoObject* object : objects)
    if (const ON_Point* point = ON_Point::Cast(object->Geometry())) points.Append(point->point);
  if (points.Count() == 0) {
    message = "No points to export";
    return false;
  }
  if (!QORTXT::Write(points, ON_wString(path.c_str()), delimiter)) {
    message = static_cast<const char*>(ON_String(QORTXT::GetError()));
    return false;
  }
  message = "Exported " + std::to_string(points.Count()) + " points to " + path;
  return true;
}
