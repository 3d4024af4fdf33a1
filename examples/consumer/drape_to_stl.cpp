// Reads a point file (x y z per line), drapes a grid over it from the top and writes the grid's
// mesh as binary STL: drape_to_stl POINTS.xyz ROWS COLUMNS OUT.stl
#include "QORPoint.h"
#include "QORSTL.h"
#include "QORTXT.h"
#include "VMSurface.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
  if (argc != 5)
  {
    std::fprintf(stderr, "usage: drape_to_stl POINTS.xyz ROWS COLUMNS OUT.stl\n");
    return 2;
  }
  ON_ClassArray<QOR3dPoint> records;
  if (!QORTXT::Read(ON_wString(argv[1]), 0, " \t,;", &records))
  {
    std::fprintf(stderr, "%ls\n", static_cast<const wchar_t*>(QORTXT::GetError()));
    return 1;
  }
  ON_3dPointArray points;
  for (int i = 0; i < records.Count(); ++i)
    points.Append(records[i].m_point);

  const int rows = std::atoi(argv[2]), columns = std::atoi(argv[3]);
  ON_3dPointArray matrix;
  ON_Mesh mesh;
  if (!VMSurface::CreatePointMatrix(points, rows, columns, matrix, 1, 0) ||
      !QORPoint::PointMatrixToMesh(rows, columns, matrix, mesh))
  {
    std::fprintf(stderr, "the drape failed\n");
    return 1;
  }
  if (!QORSTL::MeshToSTL(mesh, ON_wString(argv[4]), 1))
  {
    std::fprintf(stderr, "%ls\n", static_cast<const wchar_t*>(QORSTL::GetError()));
    return 1;
  }
  std::printf("%d points, a mesh of %d faces in %s\n", points.Count(), mesh.FaceCount(), argv[4]);
  return 0;
}
