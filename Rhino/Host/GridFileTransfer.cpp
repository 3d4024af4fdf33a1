#include "GridFileTransfer.h"

#include "QORDEM.h"

#include <memory>
#include <vector>

bool GridFileTransfer::MatrixToMesh(int rows, int columns, const ON_3dPointArray& matrix,
                                    ON_Mesh& mesh) {
  std::vector<int> vertex(matrix.Count(), -1);
  ON_Mesh result;
  // Grid positions are survey coordinates: double-precision vertices keep what floats round.
  for (int i = 0; i < matrix.Count(); ++i) {
    if (matrix[i].IsUnsetPoint()) continue;
    vertex[i] = result.m_dV.Count();
    result.m_dV.Append(matrix[i]);
  }
  result.UpdateSinglePrecisionVertices();
  for (int r = 0; r + 1 < rows; ++r) {
    for (int c = 0; c + 1 < columns; ++c) {
      // Counter-clockwise seen from above: rows grow northwards, columns eastwards.
      const int corners[4] = {vertex[r * columns + c], vertex[r * columns + c + 1],
                              vertex[(r + 1) * columns + c + 1], vertex[(r + 1) * columns + c]};
      int set[4], count = 0;
      for (int corner : corners)
        if (corner >= 0) set[count++] = corner;
      if (count == 4)
        result.SetQuad(result.FaceCount(), set[0], set[1], set[2], set[3]);
      else if (count == 3)
        result.SetTriangle(result.FaceCount(), set[0], set[1], set[2]);
    }
  }
  if (result.FaceCount() == 0 || !result.IsValid()) return false;
  mesh = std::move(result);
  return true;
}

bool GridFileTransfer::Read(CRhinoDoc& doc, const std::string& path, std::string& message) {
  int rows = 0, columns = 0;
  ON_3dPointArray matrix;
  if (!QORDEM::DEMToPointMatrix(ON_wString(path.c_str()), rows, columns, matrix)) {
    message = static_cast<const char*>(ON_String(QORDEM::GetError()));
    return false;
  }
  auto mesh = std::make_unique<ON_Mesh>();
  if (!MatrixToMesh(rows, columns, matrix, *mesh)) {
    message = "The DEM file has no two neighbouring data cells to mesh";
    return false;
  }
  message = "Imported a mesh of " + std::to_string(mesh->FaceCount()) + " faces over a grid of " +
            std::to_string(rows) + " rows and " + std::to_string(columns) + " columns";
  doc.AddObject(std::move(mesh));
  return true;
}
