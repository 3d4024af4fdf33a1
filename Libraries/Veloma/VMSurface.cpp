#include "VMSurface.h"

#include "VMStepProgress.h"
#include "VMSurfaceParametersDialog.h"
#include "LastError.h"

#include <climits>
#include <cmath>

namespace
{

// The drape frame: z against the direction; the six axis directions have fixed frames.
ON_Plane DrapeFrame(const ON_3dVector& unit)
{
  struct AxisFrame
  {
    ON_3dVector direction, x, y;
  };
  static const AxisFrame axis_frames[] = {
      {{0, 0, 1}, {-1, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}},  {{0, -1, 0}, {-1, 0, 0}, {0, 0, 1}},
      {{-1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {{1, 0, 0}, {0, -1, 0}, {0, 0, 1}},
  };
  for (const AxisFrame& frame : axis_frames)
    if (unit == frame.direction)
    {
      ON_Plane plane;
      plane.xaxis = frame.x;
      plane.yaxis = frame.y;
      plane.zaxis = -unit;
      plane.UpdateEquation();
      return plane;
    }
  return ON_Plane(ON_3dPoint(0.0, 0.0, 0.0), -unit);
}

int ClampedTrunc(double value)
{
  if (!(value > 0.0))
    return 0;
  return value >= INT_MAX ? INT_MAX : static_cast<int>(value);
}

} // namespace

VMSurface::VMSurface() = default;
VMSurface::~VMSurface() = default;
VMSurface::VMSurface(const VMSurface&) = default;
VMSurface& VMSurface::operator=(const VMSurface&) = default;

ON_wString VMSurface::GetError() { return Platform::LastError<VMSurface, ON_wString>::Get(); }

void VMSurface::SetError(const ON_wString& error) { Platform::LastError<VMSurface, ON_wString>::Set(error); }

int VMSurface::TransformPoints(ON_3dPointArray& points, const ON_3dVector& direction, int intoFrame, int showProgress)
{
  ON_3dVector unit = direction;
  if (!unit.IsValid() || !unit.Unitize())
  {
    SetError("Invalid drape direction");
    return 0;
  }
  if (unit == ON_3dVector(0.0, 0.0, -1.0))
    return 1;
  ON_Xform toWorld;
  toWorld.Rotation(ON_Plane(), DrapeFrame(unit));
  const ON_Xform xform = intoFrame ? toWorld.Inverse() : toWorld;
  const int count = points.Count();
  ON_3dPointArray moved(count);
  VMStepProgress progress("Transforming points", count, showProgress);
  for (int i = 0; i < count; i++)
  {
    if (!progress.Item(i))
      return 0;
    moved.Append(xform * points[i]);
  }
  HandOver(moved, points);
  return 1;
}

int VMSurface::AnalyzePoints(const ON_3dPointArray& points, const ON_3dVector&, int& rows, int& columns)
{
  const int count = points.Count();
  if (count == 0)
  {
    SetError("No points to drape");
    return 0;
  }
  const ON_BoundingBox box = points.BoundingBox();
  if (!box.IsValid())
  {
    SetError("Invalid point coordinates");
    return 0;
  }
  const double width = box.m_max.x - box.m_min.x, height = box.m_max.y - box.m_min.y;
  if (width > 0.0 && height > 0.0)
  {
    const double ratio = width / height;
    rows = ClampedTrunc(std::sqrt(count / ratio));
    columns = ClampedTrunc(rows * ratio);
    return 1;
  }
  // Points on a line across the drape give a single row or column; a single spot one grid point.
  rows = height > 0.0 ? count : 1;
  columns = width > 0.0 ? count : 1;
  return 1;
}

int VMSurface::GetSurfaceParameters(int& rows, int& columns, double& probeDiameter, HWND* owner)
{
  VMSurfaceParametersDialog dialog(rows, columns, probeDiameter, owner);
  if (!dialog.DoModal())
  {
    SetError("Cancelled");
    return 0;
  }
  rows = dialog.Rows();
  columns = dialog.Columns();
  probeDiameter = dialog.ProbeDiameter();
  return 1;
}
