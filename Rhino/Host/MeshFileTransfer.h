#pragma once

#include "CRhinoDoc.h"

#include <string>
#include <vector>

// Meshes in STL and OBJ files into and out of the document.
class MeshFileTransfer
{
public:
  // Every solid of an STL file, every group of an OBJ file, as mesh objects.
  static bool ReadStl(CRhinoDoc& doc, const std::string& path, std::string& message);
  static bool ReadObj(CRhinoDoc& doc, const std::string& path, std::string& message);
  // The meshes among the objects: STL as one solid in the form the "STL Export Options" dialog
  // chooses, OBJ with one group and one material per mesh.
  static bool WriteStl(const std::vector<const CRhinoObject*>& objects, const std::string& path, std::string& message);
  static bool WriteObj(const std::vector<const CRhinoObject*>& objects, const std::string& path, std::string& message);

private:
  static void AddMeshes(CRhinoDoc& doc, ON_ClassArray<ON_Mesh>& meshes, std::string& message);
  static bool CollectMeshes(const std::vector<const CRhinoObject*>& objects, ON_ClassArray<ON_Mesh>& meshes,
                            std::string& message);
};
