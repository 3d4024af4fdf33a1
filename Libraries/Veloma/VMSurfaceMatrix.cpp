#include "VMSurface.h"

#include "VMStepProgress.h"

#include <cmath>
#include <limits>

namespace
{

// Grids beyond this many points (about 2.4 GB of coordinates) are refused rather than allocated.
const long long kMaxGridPoints = 100000000;

struct GridFrame
{
  double minX, minY, dx, dy, floor, marker;
};

bool CheckGridInput(const ON_3dPointArray& points, int rows, int columns)
{
  if (rows < 1 || columns < 1)
  {
    VMSurface::SetError("The number of rows and columns must be positive");
    return false;
  }
  if (static_cast<long long>(rows) * columns > kMaxGridPoints)
  {
    VMSurface::SetError("Too many grid points; reduce the number of rows or columns");
    return false;
  }
  if (points.Count() == 0)
  {
    VMSurface::SetError("No points to drape");
    return false;
  }
  for (int i = 0; i < points.Count(); i++)
    if (!points[i].IsValid())
    {
      VMSurface::SetError("Invalid point coordinates");
      return false;
    }
  return true;
}

bool MakeGridFrame(const ON_3dPointArray& points, int rows, int columns, GridFrame& frame)
{
  const ON_BoundingBox box = points.BoundingBox();
  const double width = box.m_max.x - box.m_min.x, height = box.m_max.y - box.m_min.y;
  if (!std::isfinite(width) || !std::isfinite(height))
  {
    VMSurface::SetError("The points spread too far for a grid");
    return false;
  }
  if ((columns > 1 && !(width > 0.0)) || (rows > 1 && !(height > 0.0)))
  {
    VMSurface::SetError("The points lie on a line seen along the drape direction; use one row or one column");
    return false;
  }
  frame.minX = box.m_min.x;
  frame.minY = box.m_min.y;
  frame.dx = columns > 1 ? width / (columns - 1) : 0.0;
  frame.dy = rows > 1 ? height / (rows - 1) : 0.0;
  frame.floor = box.m_min.z;
  frame.marker = frame.floor - 1.0;
  if (!(frame.marker < frame.floor)) // beyond 2^53 one unit is lost to rounding
    frame.marker = std::nextafter(frame.floor, -std::numeric_limits<double>::infinity());
  return true;
}

void LayGrid(const GridFrame& frame, int rows, int columns, ON_3dPointArray& matrix)
{
  matrix.Empty();
  matrix.Reserve(rows * columns);
  double y = frame.minY;
  for (int r = 0; r < rows; r++, y += frame.dy)
  {
    double x = frame.minX;
    for (int c = 0; c < columns; c++, x += frame.dx)
      matrix.Append(ON_3dPoint(x, y, frame.marker));
  }
}

// Nearest grid index along one axis: truncate, then round up from one half.
int GridIndex(double offset, double spacing, int count)
{
  if (!(spacing > 0.0))
    return 0;
  const double f = offset / spacing;
  int index = static_cast<int>(f);
  if (f - index >= 0.5)
    index++;
  return index < 0 ? 0 : (index >= count ? count - 1 : index);
}

// The steps below return false when the user stops the drape.
bool BinPoints(const ON_3dPointArray& points, const GridFrame& frame, int rows, int columns, ON_3dPointArray& matrix,
               int showProgress)
{
  VMStepProgress progress("Calculating surface", points.Count(), showProgress);
  for (int i = 0; i < points.Count(); i++)
  {
    if (!progress.Item(i))
      return false;
    const ON_3dPoint& p = points[i];
    const int c = GridIndex(p.x - frame.minX, frame.dx, columns);
    const int r = GridIndex(p.y - frame.minY, frame.dy, rows);
    double& z = matrix[r * columns + c].z;
    if (p.z > z)
      z = p.z;
  }
  return true;
}

bool SetMissingToFloor(ON_3dPointArray& matrix, double floor, int showProgress)
{
  VMStepProgress progress("Finalizing surface", matrix.Count(), showProgress);
  for (int k = 0; k < matrix.Count(); k++)
  {
    if (!progress.Item(k))
      return false;
    if (matrix[k].z < floor)
      matrix[k].z = floor;
  }
  return true;
}

bool FindMissingPoint(const ON_3dPointArray& matrix, double floor, int showProgress, bool& missing)
{
  VMStepProgress progress("Checking for missing points", matrix.Count(), showProgress);
  missing = false;
  for (int k = 0; k < matrix.Count() && !missing; k++)
  {
    if (!progress.Item(k))
      return false;
    missing = matrix[k].z < floor;
  }
  return true;
}

// First and last row, and the first and last point of every row, get the floor height.
void CloseBorder(ON_3dPointArray& matrix, int rows, int columns, double floor)
{
  auto close = [&](int k)
  {
    if (matrix[k].z < floor)
      matrix[k].z = floor;
  };
  for (int c = 0; c < columns; c++)
  {
    close(c);
    close((rows - 1) * columns + c);
  }
  for (int r = 0; r < rows; r++)
  {
    close(r * columns);
    close(r * columns + columns - 1);
  }
}

// Weighted mean without overflow: weights relative to the largest, terms as fractions of the
// total, and the result kept between the neighbours' heights.
double ScaledAverage(const double* w, const double* z)
{
  double largest = 0.0, lowest = 0.0, highest = 0.0;
  bool any = false;
  for (int n = 0; n < 4; n++)
    if (w[n] > 0.0)
    {
      largest = std::fmax(largest, w[n]);
      lowest = any ? std::fmin(lowest, z[n]) : z[n];
      highest = any ? std::fmax(highest, z[n]) : z[n];
      any = true;
    }
  double total = 0.0, relative[4];
  for (int n = 0; n < 4; n++)
  {
    relative[n] = w[n] > 0.0 ? (std::isfinite(w[n]) ? w[n] / largest : 1.0) : 0.0;
    total += relative[n];
  }
  double mean = 0.0;
  for (int n = 0; n < 4; n++)
    mean += relative[n] / total * z[n];
  return std::fmin(std::fmax(mean, lowest), highest);
}

} // namespace

int VMSurface::CreatePointMatrix(const ON_3dPointArray& points, int rows, int columns, ON_3dPointArray& matrix,
                                 int fillGaps, int showProgress)
{
  GridFrame frame;
  if (!CheckGridInput(points, rows, columns) || !MakeGridFrame(points, rows, columns, frame))
    return 0;
  // Built apart, so that a stopped drape leaves the caller's matrix as it was.
  ON_3dPointArray grid;
  LayGrid(frame, rows, columns, grid);
  if (!BinPoints(points, frame, rows, columns, grid, showProgress))
    return 0;
  bool missing = false;
  if (!fillGaps)
  {
    if (!SetMissingToFloor(grid, frame.floor, showProgress))
      return 0;
  }
  else if (!FindMissingPoint(grid, frame.floor, showProgress, missing))
    return 0;
  if (missing)
  {
    CloseBorder(grid, rows, columns, frame.floor);
    VMStepProgress progress("Interpolating points", grid.Count(), showProgress);
    for (int k = 0; k < grid.Count(); k++)
    {
      if (!progress.Item(k))
        return 0;
      if (grid[k].z < frame.floor)
        InterpolatePoint(grid, rows, columns, k, k / columns, k % columns, frame.floor);
    }
  }
  HandOver(grid, matrix);
  return 1;
}

int VMSurface::InterpolatePoint(ON_3dPointArray& matrix, int rows, int columns, int index, int, int, double floorHeight)
{
  const int count = matrix.Count();
  if (index < 0 || index >= count || columns < 1)
    return 0;
  ON_3dPoint& point = matrix[index];
  // Nearest known grid point stepping by `step`, at most `limit` steps, inside the matrix.
  auto neighbour = [&](int step, int limit) -> const ON_3dPoint*
  {
    for (int n = 1, k = index + step; n <= limit && k >= 0 && k < count; n++, k += step)
      if (matrix[k].z >= floorHeight)
        return &matrix[k];
    return nullptr;
  };
  enum
  {
    kUp,
    kDown,
    kRight,
    kLeft
  };
  const ON_3dPoint* neighbours[4] = {neighbour(columns, rows - 1), neighbour(-columns, rows - 1),
                                     neighbour(1, columns - 1), neighbour(-1, columns - 1)};
  double w[4] = {0.0, 0.0, 0.0, 0.0}, z[4] = {0.0, 0.0, 0.0, 0.0};
  for (int n = 0; n < 4; n++)
  {
    if (!neighbours[n])
      continue;
    const double dx = neighbours[n]->x - point.x, dy = neighbours[n]->y - point.y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (distance > 0.0)
    {
      w[n] = 1.0 / distance;
      z[n] = neighbours[n]->z;
    }
  }
  // Summed in this fixed order so that grids compare exactly with earlier drapes.
  const double weighted = w[kUp] * z[kUp] + w[kDown] * z[kDown] + w[kRight] * z[kRight] + w[kLeft] * z[kLeft];
  const double weights = w[kLeft] + w[kRight] + w[kDown] + w[kUp];
  if (!(weights > 0.0))
    point.z = floorHeight;
  else if (std::isfinite(weighted / weights))
    point.z = weighted / weights;
  else
    point.z = ScaledAverage(w, z); // tiny spacings or huge heights overflow the plain sums
  return 1;
}
