#pragma once

#include "CRhinoDoc.h"

#include <string>
#include <vector>

// Document objects into DXF files: points, curves and meshes.
class DxfFileTransfer
{
public:
  static bool Write(const std::vector<const CRhinoObject*>& objects, const std::string& path, std::string& message);
};
