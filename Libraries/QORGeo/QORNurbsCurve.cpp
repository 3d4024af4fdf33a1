#include "QORNurbsCurve.h"

ON_wString QORNurbsCurve::s_error;

ON_wString QORNurbsCurve::GetError()
{
  return s_error;
}

void QORNurbsCurve::SetError(const ON_wString& text)
{
  s_error = text;
}

int QORNurbsCurve::Create(ON_NurbsCurve& curve, const ON_3dPointArray& points, int dimension, int, int order)
{
  if (!curve.CreateClampedUniformNurbs(dimension, order, points.Count(), points.Array(), 1.0))
  {
    SetError("Unable to create Nurbs Curve");
    return 0;
  }
  return 1;
}
