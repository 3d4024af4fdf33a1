#include "QORPoint.h"

#include "QORNurbsSurface.h"
#include "QORNurbsCurve.h"
#include "QORProgress.h"
#include "LastError.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <vector>

namespace
{

// Ascending x, y, z. NaN sorts after every number so that the order stays strict and weak.
bool CoordinateLess(double a, double b)
{
  if (std::isnan(a))
    return false;
  return std::isnan(b) || a < b;
}

bool PointLess(const ON_3dPoint& a, const ON_3dPoint& b)
{
  if (CoordinateLess(a.x, b.x) || CoordinateLess(b.x, a.x))
    return CoordinateLess(a.x, b.x);
  if (CoordinateLess(a.y, b.y) || CoordinateLess(b.y, a.y))
    return CoordinateLess(a.y, b.y);
  return CoordinateLess(a.z, b.z);
}

// Keeps the points for which keep() is false, in order; returns the number removed.
template <class Predicate>
int RemoveIf(ON_3dPointArray& points, Predicate remove)
{
  int kept = 0;
  const int count = points.Count();
  for (int i = 0; i < count; i++)
    if (!remove(points[i]))
      points[kept++] = points[i];
  points.SetCount(kept);
  return count - kept;
}

} // namespace

ON_wString QORPoint::GetError() { return Platform::LastError<QORPoint, ON_wString>::Get(); }

void QORPoint::SetError(const ON_wString& text) { Platform::LastError<QORPoint, ON_wString>::Set(text); }

void QORPoint::Unset(ON_3dPoint& point) { point = ON_3dPoint(ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE); }

int QORPoint::Equal(const ON_3dPoint& a, const ON_3dPoint& b, double tolerance)
{
  const double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
  return std::sqrt(dx * dx + dy * dy + dz * dz) <= tolerance ? 1 : 0;
}

ON_3dPoint QORPoint::Average(const ON_3dPointArray& points)
{
  const int count = points.Count();
  if (count == 0)
    return ON_3dPoint::UnsetPoint;
  double x = 0.0, y = 0.0, z = 0.0;
  for (int i = 0; i < count; i++)
  {
    x += points[i].x;
    y += points[i].y;
    z += points[i].z;
  }
  return ON_3dPoint(x / count, y / count, z / count);
}

ON_3dPoint QORPoint::Average(const ON_3dPoint& a, const ON_3dPoint& b)
{
  return ON_3dPoint((a.x + b.x) * 0.5, (a.y + b.y) * 0.5, (a.z + b.z) * 0.5);
}

void QORPoint::AppendPoints(ON_3dPointArray& target, const ON_3dPointArray& source)
{
  const ON_3dPointArray copy(source); // source may be the target itself
  target.Append(copy.Count(), copy.Array());
}

int QORPoint::RemoveDuplicates(ON_3dPointArray& points, int showProgress)
{
  const int count = points.Count();
  QORProgress progress("Removing duplicate points", "", 0, 100, nullptr);
  if (showProgress)
  {
    progress.SetMax(count);
    progress.StartProgress();
  }
  ON_3dPoint* first = points.Array();
  if (count > 1)
    std::sort(first, first + count, PointLess);
  // Of each run of equal points the last one stays.
  int kept = 0;
  for (int i = 0; i < count; i++)
  {
    if (showProgress)
      progress.SetCurrent(i);
    const bool repeated = i + 1 < count && !PointLess(first[i], first[i + 1]);
    if (!repeated)
      first[kept++] = first[i];
  }
  points.SetCount(kept);
  if (showProgress)
    progress.EndProgress();
  return count - kept;
}

int QORPoint::DeletePoint(ON_3dPointArray& points, const ON_3dPoint& point, double tolerance)
{
  if (tolerance == 0.0)
    return RemoveIf(points, [&](const ON_3dPoint& p) { return std::memcmp(&p, &point, sizeof(ON_3dPoint)) == 0; });
  return RemoveIf(points, [&](const ON_3dPoint& p) { return Equal(p, point, tolerance) != 0; });
}

int QORPoint::DeletePoints(ON_3dPointArray& points, const ON_3dPointArray& remove, double tolerance)
{
  const ON_3dPointArray list(remove); // remove may be points itself
  int removed = 0;
  for (int i = 0; i < list.Count(); i++)
    removed += DeletePoint(points, list[i], tolerance);
  return removed;
}

int QORPoint::ClosestPointIndex(ON_3dPoint point, const ON_3dPointArray& points)
{
  double best = DBL_MAX;
  int index = -1;
  for (int i = 0; i < points.Count(); i++)
  {
    const double d = point.DistanceTo(points[i]);
    if (d < best)
    {
      best = d;
      index = i;
    }
  }
  return index;
}

bool QORPoint::CheckMatrix(int rows, int columns, const ON_3dPointArray& matrix)
{
  if (rows < 1 || columns < 1 || static_cast<long long>(rows) * columns > matrix.Count())
  {
    SetError("Incorrect number of points");
    return false;
  }
  return true;
}

void QORPoint::Rows(int rows, int columns, const ON_3dPointArray& matrix, ON_ClassArray<ON_3dPointArray>& runs)
{
  for (int r = 0; r < rows; r++)
  {
    ON_3dPointArray& run = runs.AppendNew();
    run.Append(columns, matrix.Array() + r * columns);
  }
}

void QORPoint::Columns(int rows, int columns, const ON_3dPointArray& matrix, ON_ClassArray<ON_3dPointArray>& runs)
{
  for (int c = 0; c < columns; c++)
  {
    ON_3dPointArray& run = runs.AppendNew();
    run.Reserve(rows);
    for (int k = c; k < rows * columns; k += columns)
      run.Append(matrix[k]);
  }
}

int QORPoint::PointMatrixToLines(int rows, int columns, const ON_3dPointArray& matrix,
                                 ON_ClassArray<ON_Line>& horizontal, ON_ClassArray<ON_Line>& vertical)
{
  if (!CheckMatrix(rows, columns, matrix))
    return 0;
  horizontal.Destroy();
  vertical.Destroy();
  const int count = rows * columns;
  for (int i = 0; i + 1 < count; i++)
    if ((i + 1) % columns != 0)
      horizontal.Append(ON_Line(matrix[i], matrix[i + 1]));
  for (int i = 0; i < (rows - 1) * columns; i++)
    vertical.Append(ON_Line(matrix[i], matrix[i + columns]));
  return 1;
}

int QORPoint::PointMatrixToPolylines(int rows, int columns, const ON_3dPointArray& matrix,
                                     ON_ClassArray<ON_Polyline>& horizontal, ON_ClassArray<ON_Polyline>& vertical)
{
  if (!CheckMatrix(rows, columns, matrix))
    return 0;
  horizontal.Destroy();
  vertical.Destroy();
  ON_ClassArray<ON_3dPointArray> rowRuns, columnRuns;
  Rows(rows, columns, matrix, rowRuns);
  Columns(rows, columns, matrix, columnRuns);
  for (int i = 0; i < rowRuns.Count(); i++)
    horizontal.Append(ON_Polyline(rowRuns[i]));
  for (int i = 0; i < columnRuns.Count(); i++)
    vertical.Append(ON_Polyline(columnRuns[i]));
  return 1;
}

int QORPoint::PointMatrixToNurbsCurves(int rows, int columns, const ON_3dPointArray& matrix,
                                       ON_ClassArray<ON_NurbsCurve>& horizontal, ON_ClassArray<ON_NurbsCurve>& vertical)
{
  if (!CheckMatrix(rows, columns, matrix))
    return 0;
  horizontal.Destroy();
  vertical.Destroy();
  ON_ClassArray<ON_3dPointArray> rowRuns, columnRuns;
  Rows(rows, columns, matrix, rowRuns);
  Columns(rows, columns, matrix, columnRuns);
  for (int i = 0; i < rowRuns.Count(); i++)
  {
    ON_NurbsCurve curve;
    if (QORNurbsCurve::Create(curve, rowRuns[i], 3, 1, 3))
      horizontal.Append(curve);
  }
  for (int i = 0; i < columnRuns.Count(); i++)
  {
    ON_NurbsCurve curve;
    if (QORNurbsCurve::Create(curve, columnRuns[i], 3, 1, 3))
      vertical.Append(curve);
  }
  return 1;
}

int QORPoint::PointMatrixToNurbsSurface(int rows, int columns, const ON_3dPointArray& matrix, ON_NurbsSurface& surface)
{
  return QORNurbsSurface::Create(surface, columns, rows, matrix, 3, 1, 3, 3);
}

int QORPoint::PointMatrixToMesh(int rows, int columns, const ON_3dPointArray& matrix, ON_Mesh& mesh)
{
  if (!CheckMatrix(rows, columns, matrix))
    return 0;
  const int count = rows * columns;
  // Set points become vertices in order; unset ones (gaps) are left out.
  std::vector<int> vertex(count, -1);
  ON_Mesh grid((rows - 1) * (columns - 1), count, false, false);
  for (int i = 0; i < count; i++)
  {
    if (matrix[i].IsUnsetPoint())
      continue;
    vertex[i] = grid.m_dV.Count();
    // Double-precision vertices keep survey coordinates that floats round; the floats follow them.
    grid.m_dV.Append(matrix[i]);
  }
  grid.UpdateSinglePrecisionVertices();
  for (int r = 0; r + 1 < rows; r++)
    for (int c = 0; c + 1 < columns; c++)
    {
      const int j = r * columns + c;
      int set[4], corners = 0;
      for (const int corner : {vertex[j], vertex[j + 1], vertex[j + columns + 1], vertex[j + columns]})
        if (corner >= 0)
          set[corners++] = corner;
      if (corners == 4)
        grid.SetQuad(grid.FaceCount(), set[0], set[1], set[2], set[3]);
      else if (corners == 3)
        grid.SetTriangle(grid.FaceCount(), set[0], set[1], set[2]);
    }
  if (grid.FaceCount() == 0 || !grid.IsValid())
  {
    SetError("Invalid mesh");
    return 0;
  }
  mesh = grid;
  return 1;
}
