#include "QORPolyline.h"

#include "QORLine.h"
#include "QORNurbsCurve.h"
#include "QORPoint.h"
#include "QORVector.h"
#include "LastError.h"

#include <cmath>

ON_wString QORPolyline::GetError() { return Platform::LastError<QORPolyline, ON_wString>::Get(); }

void QORPolyline::SetError(const ON_wString& text) { Platform::LastError<QORPolyline, ON_wString>::Set(text); }

int QORPolyline::IsSegment(const ON_Line& line, const ON_Polyline& polyline, int eitherDirection, double tolerance)
{
  for (int i = 1; i < polyline.Count(); i++)
    if (QORLine::Equal(line, ON_Line(polyline[i - 1], polyline[i]), eitherDirection, tolerance))
      return 1;
  return 0;
}

int QORPolyline::MergeCollinearSegments(ON_Polyline& polyline, double angleTolerance)
{
  for (int i = 1; i < polyline.Count() - 1;)
  {
    const double angle = QORVector::Angle(polyline[i] - polyline[i - 1], polyline[i + 1] - polyline[i], 1);
    if (angle <= angleTolerance)
      polyline.Remove(i);
    else
      i++;
  }
  return 1;
}

int QORPolyline::Is2d(const ON_Polyline& polyline, double tolerance)
{
  for (int i = 0; i < polyline.Count(); i++)
    if (!(std::fabs(polyline[i].z) <= tolerance))
      return 0;
  return 1;
}

int QORPolyline::MoveVertexTo(ON_Polyline& polyline, const ON_3dPoint& from, const ON_3dPoint& to, double tolerance)
{
  int moved = 0;
  for (int i = 0; i < polyline.Count(); i++)
    if (QORPoint::Equal(polyline[i], from, tolerance))
    {
      polyline[i] = to;
      moved++;
    }
  if (moved == 0)
    return 0;
  polyline.Clean(0.0);
  return 1;
}

int QORPolyline::ExtractPoints(const ON_Polyline& polyline, double spacing, ON_3dPointArray& points)
{
  ON_3dPointArray result, segment;
  for (int i = 1; i < polyline.Count(); i++)
  {
    const int count = QORLine::ExtractPoints(ON_Line(polyline[i - 1], polyline[i]), spacing, segment);
    if (count == 0)
      return 0;
    result.Append(count - 1, segment.Array());
    if (i == polyline.Count() - 1)
      result.Append(segment[count - 1]);
  }
  if (polyline.Count() == 1)
    result.Append(polyline[0]);
  points = result;
  return points.Count();
}

ON_3dPoint QORPolyline::Average(const ON_Polyline& polyline)
{
  ON_3dPointArray corners(polyline);
  if (corners.Count() >= 2)
    corners.Remove();
  return QORPoint::Average(corners);
}

int QORPolyline::Close(ON_Polyline& polyline)
{
  if (!polyline.IsValid(0.0) || polyline.IsClosed(0.0))
    return 0;
  const ON_3dPoint first = polyline[0];
  polyline.Append(first);
  return 1;
}

void QORPolyline::SetZ(ON_Polyline& polyline, double z)
{
  for (int i = 0; i < polyline.Count(); i++)
    polyline[i].z = z;
}

int QORPolyline::GetPolylineFromCurve(const ON_Curve* curve, ON_Polyline& polyline)
{
  if (const ON_PolylineCurve* polylineCurve = ON_PolylineCurve::Cast(curve))
  {
    polyline = polylineCurve->m_pline;
    return 1;
  }
  ON_NurbsCurve nurbs;
  if (!curve || curve->Degree() != 1 || !curve->NurbsCurve(&nurbs))
    return 0;
  QORNurbsCurve::CreatePolylineFromControlPoints(nurbs, polyline);
  return 1;
}

int QORPolyline::IsPointOnPolyline(const ON_3dPoint& point, const ON_Polyline& polyline, double tolerance)
{
  for (int i = 1; i < polyline.Count(); i++)
    if (QORLine::IsPointOnSegment(point, ON_Line(polyline[i - 1], polyline[i]), tolerance))
      return 1;
  return 0;
}
