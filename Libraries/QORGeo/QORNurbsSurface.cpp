#include "QORNurbsSurface.h"

ON_wString QORNurbsSurface::s_error;

ON_wString QORNurbsSurface::GetError()
{
  return s_error;
}

void QORNurbsSurface::SetError(const ON_wString& text)
{
  s_error = text;
}

int QORNurbsSurface::Create(ON_NurbsSurface& surface, int countU, int countV, const ON_3dPointArray& points,
                            int dimension, int rational, int orderU, int orderV)
{
  if (countU < 0 || countV < 0 || static_cast<long long>(countU) * countV != points.Count())
  {
    SetError("Incorrect number of control points");
    return 0;
  }
  ON_NurbsSurface created;
  if (!created.Create(dimension, rational != 0, orderU, orderV, countU, countV))
  {
    SetError("Invalid Nurbs Surface");
    return 0;
  }
  for (int n = 0; n < points.Count(); n++)
    created.SetCV(n % countU, n / countU, points[n]);
  created.MakeClampedUniformKnotVector(0, 1.0);
  created.MakeClampedUniformKnotVector(1, 1.0);
  // The surface is handed on even when invalid, as callers may inspect it.
  surface = created;
  if (!surface.IsValid())
  {
    SetError("Invalid Nurbs Surface");
    return 0;
  }
  return 1;
}
