// The drape steps on arbitrary input: any direction, grid size and point coordinates (NaN,
// infinities, huge values, coincident points). Every accepted input must give finite geometry.
#include "ProgressWindow.h"
#include "VMSurface.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace
{

bool Finite(const ON_3dPointArray& points)
{
  for (int i = 0; i < points.Count(); i++)
    if (!std::isfinite(points[i].x) || !std::isfinite(points[i].y) || !std::isfinite(points[i].z))
      return false;
  return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (size < 3 + 3 * sizeof(double))
    return 0;
  Platform::ProgressWindow::SetQuiet(true);
  const int rows = static_cast<int8_t>(data[0]) % 24, columns = static_cast<int8_t>(data[1]) % 24;
  const int fillGaps = data[2] & 1;
  double d[3];
  std::memcpy(d, data + 3, sizeof d);
  const ON_3dVector direction(d[0], d[1], d[2]);
  ON_3dPointArray points;
  for (size_t at = 3 + sizeof d; at + 3 * sizeof(double) <= size; at += 3 * sizeof(double))
  {
    double p[3];
    std::memcpy(p, data + at, sizeof p);
    points.Append(ON_3dPoint(p[0], p[1], p[2]));
  }
  if (!VMSurface::TransformPoints(points, direction, 1, 0))
    return 0;
  ON_3dPointArray matrix;
  if (!VMSurface::CreatePointMatrix(points, rows, columns, matrix, fillGaps, 0))
    return 0;
  if (matrix.Count() != rows * columns || (Finite(points) && !Finite(matrix)))
    __builtin_trap();
  ON_NurbsSurface surface;
  if (VMSurface::CreateSurfaceFromPointMatrix(surface, matrix, rows, columns, 0) && Finite(matrix) &&
      VMSurface::Offset(matrix, rows, columns, surface, 0.5, 0) && !Finite(matrix))
    __builtin_trap();
  return 0;
}
