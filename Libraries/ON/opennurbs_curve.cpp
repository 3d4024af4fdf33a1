#include "opennurbs_curve.h"

ON_VIRTUAL_OBJECT_IMPLEMENT(ON_Curve, ON_Geometry, "4ED7D4D7-E947-11D3-BFE5-0010830122F0")

ON::object_type ON_Curve::ObjectType() const
{
  return ON::curve_object;
}

bool ON_Curve::EvPoint(double t, ON_3dPoint& point, int side, int* hint) const
{
  double v[3] = {0.0, 0.0, 0.0};
  if (Dimension() < 1 || Dimension() > 3 || !Evaluate(t, 0, Dimension(), v, side, hint))
    return false;
  point = ON_3dPoint(v[0], v[1], v[2]);
  return true;
}

bool ON_Curve::Ev1Der(double t, ON_3dPoint& point, ON_3dVector& derivative, int side, int* hint) const
{
  const int dim = Dimension();
  double v[6] = {0.0};
  if (dim < 1 || dim > 3 || !Evaluate(t, 1, 3, v, side, hint))
    return false;
  point = ON_3dPoint(v[0], v[1], v[2]);
  derivative = ON_3dVector(v[3], v[4], v[5]);
  return true;
}

ON_3dPoint ON_Curve::PointAt(double t) const
{
  ON_3dPoint point;
  return EvPoint(t, point) ? point : ON_3dPoint::UnsetPoint;
}

ON_3dPoint ON_Curve::PointAtStart() const
{
  return PointAt(Domain().Min());
}

ON_3dPoint ON_Curve::PointAtEnd() const
{
  ON_3dPoint point;
  return EvPoint(Domain().Max(), point, -1) ? point : ON_3dPoint::UnsetPoint;
}

ON_3dVector ON_Curve::DerivativeAt(double t) const
{
  ON_3dPoint point;
  ON_3dVector derivative;
  return Ev1Der(t, point, derivative) ? derivative : ON_3dVector::UnsetVector;
}

int ON_Curve::GetNurbForm(ON_NurbsCurve&, double, const ON_Interval*) const { return 0; }
