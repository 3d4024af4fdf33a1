#include "VMSurface.h"

#include "VMStepProgress.h"
#include "VMSurfaceProjector.h"

#include <cmath>

namespace
{

bool SurfaceFitsMatrix(const ON_NurbsSurface& surface, const ON_3dPointArray& matrix, int rows, int columns)
{
  return surface.IsValid() && surface.Dimension() == 3 && surface.CVCount(0) == columns && surface.CVCount(1) == rows &&
         matrix.Count() == rows * columns;
}

// Each grid point moved along the normal at its closest surface point. The grid point is the
// control vertex (k mod columns, k div columns): its Greville parameters start the search.
// False when a point has no closest point or normal, or when the user stops the drape.
bool OffsetPoints(const ON_3dPointArray& matrix, int columns, const ON_NurbsSurface& surface, double distance,
                  ON_3dPointArray& moved, int showProgress)
{
  const VMSurfaceProjector projector(surface);
  VMStepProgress progress("Offsetting surface", matrix.Count(), showProgress);
  for (int k = 0; k < matrix.Count(); k++)
  {
    if (!progress.Item(k))
      return false;
    const int i = k % columns, j = k / columns;
    double s = 0.0, t = 0.0;
    if (!projector.ClosestPoint(matrix[k], surface.GrevilleAbcissa(0, i), surface.GrevilleAbcissa(1, j), s, t))
    {
      VMSurface::SetError("Closest surface point not found");
      return false;
    }
    ON_3dVector normal = surface.NormalAt(s, t);
    if (!normal.Unitize())
    {
      VMSurface::SetError("Surface normal undefined");
      return false;
    }
    moved[k] = matrix[k] + distance * normal;
  }
  return true;
}

} // namespace

int VMSurface::CreateSurfaceFromPointMatrix(ON_NurbsSurface& surface, const ON_3dPointArray& matrix, int rows,
                                            int columns, int showProgress)
{
  if (static_cast<long long>(rows) * columns != matrix.Count())
  {
    SetError("Incorrect number of control points");
    return 0;
  }
  ON_NurbsSurface fitted;
  if (!fitted.Create(3, true, 3, 3, columns, rows))
  {
    SetError("Invalid Nurbs Surface");
    return 0;
  }
  VMStepProgress progress("Creating surface", matrix.Count(), showProgress);
  for (int k = 0; k < matrix.Count(); k++)
  {
    if (!progress.Item(k))
      return 0;
    fitted.SetCV(k % columns, k / columns, matrix[k]);
  }
  fitted.MakeClampedUniformKnotVector(0, 1.0);
  fitted.MakeClampedUniformKnotVector(1, 1.0);
  if (!fitted.IsValid())
  {
    SetError("Invalid Nurbs Surface");
    return 0;
  }
  surface = fitted;
  return 1;
}

int VMSurface::Offset(ON_3dPointArray& matrix, int rows, int columns, ON_NurbsSurface& surface, double distance,
                      int showProgress)
{
  if (!SurfaceFitsMatrix(surface, matrix, rows, columns))
  {
    SetError("Probe compensation needs a surface of at least 3 rows and 3 columns");
    return 0;
  }
  if (!std::isfinite(distance))
  {
    SetError("Invalid probe diameter");
    return 0;
  }
  ON_3dPointArray moved(matrix);
  if (!OffsetPoints(matrix, columns, surface, distance, moved, showProgress))
    return 0;
  // A failed refit keeps the surface; a stopped one keeps the matrix too.
  ON_NurbsSurface refitted;
  const int refit = CreateSurfaceFromPointMatrix(refitted, moved, rows, columns, showProgress);
  if (!refit && VMStepProgress::Stopped())
    return 0;
  HandOver(moved, matrix);
  if (refit)
    surface = refitted;
  return 1;
}

int VMSurface::DrapeSurface(ON_3dPointArray& matrix, int& rows, int& columns, ON_NurbsSurface& surface,
                            const ON_3dPointArray& points, const ON_3dVector& direction, int fillGaps, int showProgress,
                            HWND* owner)
{
  if (VMStepProgress::Stopped())
    return 0;
  // A drape the user stops leaves all of the caller's outputs as they were.
  const int callerRows = rows, callerColumns = columns;
  auto fail = [&]()
  {
    if (VMStepProgress::Stopped())
    {
      rows = callerRows;
      columns = callerColumns;
    }
    return 0;
  };
  ON_3dPointArray framed(points);
  if (!TransformPoints(framed, direction, 1, showProgress) || !AnalyzePoints(framed, direction, rows, columns))
    return fail();
  double probeDiameter = 0.0;
  if (!GetSurfaceParameters(rows, columns, probeDiameter, owner))
    return fail();
  if (!std::isfinite(probeDiameter))
  {
    SetError("Invalid probe diameter");
    return 0;
  }
  ON_3dPointArray grid;
  if (!CreatePointMatrix(framed, rows, columns, grid, fillGaps, showProgress) ||
      !TransformPoints(grid, direction, 0, showProgress))
    return fail();
  // A failed fit still delivers the grid; the error text tells why the surface is missing.
  ON_NurbsSurface fitted;
  if (!CreateSurfaceFromPointMatrix(fitted, grid, rows, columns, showProgress) && VMStepProgress::Stopped())
    return fail();
  if (probeDiameter != 0.0 && !Offset(grid, rows, columns, fitted, -probeDiameter / 2.0, showProgress))
    return fail();
  HandOver(grid, matrix);
  surface = fitted;
  return 1;
}
