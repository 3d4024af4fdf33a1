#pragma once

#include "CRhinoDoc.h"

#include <string>
#include <vector>

// Meshes in STL and OBJ files into and out of the document.
class MeshFileTransfer {
 public:
  // True for ".stl" and ".obj".
  static bool Handles(const std::string& extension);
  // Every solid of an STL file, every group of an OBJ file, as mesh objects.
  static bool Import(CRhinoDoc& doc, const std::string& path, std::string& message);
  // The meshes among the objects: STL as one solid in the form the "STL Export Options" dialog
  // chooses, OBJ with one group and one material per mesh.
  static bool Export(const std::vector<const CRhinoObject*>& objects, const std::string& path,
                     std::string& message);
};
