#include "MeshFileTransfer.h"

#include "DocumentExporter.h"
#include "QOROBJ.h"
#include "QORSTL.h"

#include <memory>
#include <utility>

namespace {

std::string Utf8(const ON_wString& text) { return static_cast<const char*>(ON_String(text)); }

std::string Count(int count, const char* noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "es");
}

}  // namespace

bool MeshFileTransfer::Handles(const std::string& extension) {
  return extension == ".stl" || extension == ".obj";
}

bool MeshFileTransfer::Import(CRhinoDoc& doc, const std::string& path, std::string& message) {
  const ON_wString file(path.c_str());
  ON_ClassArray<ON_Mesh> meshes;
  const bool stl = DocumentExporter::Extension(path) == ".stl";
  if (!(stl ? QORSTL::STLToMesh(file, meshes) : QOROBJ::OBJToMesh(file, meshes))) {
    message = Utf8(stl ? QORSTL::GetError() : QOROBJ::GetError());
    return false;
  }
  for (int i = 0; i < meshes.Count(); i++)
    doc.AddObject(std::make_unique<ON_Mesh>(std::move(meshes[i])));
  message = "Imported " + Count(meshes.Count(), "mesh");
  return true;
}

bool MeshFileTransfer::Export(const std::vector<const CRhinoObject*>& objects,
                              const std::string& path, std::string& message) {
  ON_ClassArray<ON_Mesh> meshes;
  for (const CRhinoObject* object : objects)
    if (const ON_Mesh* mesh = ON_Mesh::Cast(object->Geometry())) meshes.Append(*mesh);
  if (meshes.Count() == 0) {
    message = "No meshes to export";
    return false;
  }
  const ON_wString file(path.c_str());
  if (DocumentExporter::Extension(path) == ".stl") {
    int binary = 1;
    if (!QORSTL::GetSTLExportOptions(binary, nullptr)) {
      message = "Export cancelled";
      return false;
    }
    if (!QORSTL::MeshToSTL(meshes, file, binary)) {
      message = Utf8(QORSTL::GetError());
      return false;
    }
  } else if (!QOROBJ::MeshToOBJ(meshes, file, 1, 0)) {
    message = Utf8(QOROBJ::GetError());
    return false;
  }
  message = "Exported " + Count(meshes.Count(), "mesh") + " to " + path;
  return true;
}
