#pragma once

#include "CRhinoDoc.h"

#include <string>

// ESRI ASCII grids into the document: one mesh over the grid's data cells.
class GridFileTransfer {
 public:
  static bool Read(CRhinoDoc& doc, const std::string& path, std::string& message);

  // The mesh of a point matrix whose missing points are unset: a vertex per set point, a quad
  // per cell with four set corners and a triangle per cell with three.
  static bool MatrixToMesh(int rows, int columns, const ON_3dPointArray& matrix, ON_Mesh& mesh);
};
