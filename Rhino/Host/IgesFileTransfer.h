#pragma once

#include "CRhinoDoc.h"

#include <string>

// IGES files into the document: the objects the IGES conversion makes, on their layers.
class IgesFileTransfer
{
public:
  static bool Read(CRhinoDoc& doc, const std::string& path, std::string& message);
};
