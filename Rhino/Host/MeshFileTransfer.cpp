#include "MeshFileTransfer.h"

#include "QOROBJ.h"
#include "QORSTL.h"

#include <memory>
#include <utility>

namespace
{

std::string Utf8(const ON_wString& text) { return static_cast<const char*>(ON_String(text)); }

std::string Count(int count, const char* noun) { return std::to_string(count) + " " + noun + (count == 1 ? "" : "es"); }

} // namespace

void MeshFileTransfer::AddMeshes(CRhinoDoc& doc, ON_ClassArray<ON_Mesh>& meshes, std::string& message)
{
  for (int i = 0; i < meshes.Count(); i++)
    doc.AddObject(std::make_unique<ON_Mesh>(std::move(meshes[i])));
  message = "Imported " + Count(meshes.Count(), "mesh");
}

bool MeshFileTransfer::ReadStl(CRhinoDoc& doc, const std::string& path, std::string& message)
{
  ON_ClassArray<ON_Mesh> meshes;
  if (!QORSTL::STLToMesh(ON_wString(path.c_str()), meshes))
  {
    message = Utf8(QORSTL::GetError());
    return false;
  }
  AddMeshes(doc, meshes, message);
  return true;
}

bool MeshFileTransfer::ReadObj(CRhinoDoc& doc, const std::string& path, std::string& message)
{
  ON_ClassArray<ON_Mesh> meshes;
  if (!QOROBJ::OBJToMesh(ON_wString(path.c_str()), meshes))
  {
    message = Utf8(QOROBJ::GetError());
    return false;
  }
  AddMeshes(doc, meshes, message);
  return true;
}

bool MeshFileTransfer::CollectMeshes(const std::vector<const CRhinoObject*>& objects, ON_ClassArray<ON_Mesh>& meshes,
                                     std::string& message)
{
  for (const CRhinoObject* object : objects)
    if (const ON_Mesh* mesh = ON_Mesh::Cast(object->Geometry()))
      meshes.Append(*mesh);
  if (meshes.Count() > 0)
    return true;
  message = "No meshes to export";
  return false;
}

bool MeshFileTransfer::WriteStl(const std::vector<const CRhinoObject*>& objects, const std::string& path,
                                std::string& message)
{
  ON_ClassArray<ON_Mesh> meshes;
  if (!CollectMeshes(objects, meshes, message))
    return false;
  int binary = 1;
  if (!QORSTL::GetSTLExportOptions(binary, nullptr))
  {
    message = "Export cancelled";
    return false;
  }
  if (!QORSTL::MeshToSTL(meshes, ON_wString(path.c_str()), binary))
  {
    message = Utf8(QORSTL::GetError());
    return false;
  }
  message = "Exported " + Count(meshes.Count(), "mesh") + " to " + path;
  return true;
}

bool MeshFileTransfer::WriteObj(const std::vector<const CRhinoObject*>& objects, const std::string& path,
                                std::string& message)
{
  ON_ClassArray<ON_Mesh> meshes;
  if (!CollectMeshes(objects, meshes, message))
    return false;
  if (!QOROBJ::MeshToOBJ(meshes, ON_wString(path.c_str()), 1, 0))
  {
    message = Utf8(QOROBJ::GetError());
    return false;
  }
  message = "Exported " + Count(meshes.Count(), "mesh") + " to " + path;
  return true;
}
