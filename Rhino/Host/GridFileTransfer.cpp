#include "GridFileTransfer.h"

#include "QORDEM.h"
#include "QORPoint.h"

#include <memory>

bool GridFileTransfer::Read(CRhinoDoc& doc, const std::string& path, std::string& message)
{
  int rows = 0, columns = 0;
  ON_3dPointArray matrix;
  if (!QORDEM::DEMToPointMatrix(ON_wString(path.c_str()), rows, columns, matrix))
  {
    message = static_cast<const char*>(ON_String(QORDEM::GetError()));
    return false;
  }
  auto mesh = std::make_unique<ON_Mesh>();
  if (!QORPoint::PointMatrixToMesh(rows, columns, matrix, *mesh))
  {
    message = "The DEM file has no two neighbouring data cells to mesh";
    return false;
  }
  message = "Imported a mesh of " + std::to_string(mesh->FaceCount()) + " faces over a grid of " +
            std::to_string(rows) + " rows and " + std::to_string(columns) + " columns";
  doc.AddObject(std::move(mesh));
  return true;
}
