#pragma once

#include "CRhinoDoc.h"

#include <string>

// ESRI ASCII grids into the document: one mesh over the grid's data cells.
class GridFileTransfer
{
public:
  static bool Read(CRhinoDoc& doc, const std::string& path, std::string& message);
};
