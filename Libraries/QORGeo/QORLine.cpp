#include "QORLine.h"

#include "QORPoint.h"
#include "LastError.h"

#include <climits>
#include <cmath>

ON_wString QORLine::GetError() { return Platform::LastError<QORLine, ON_wString>::Get(); }

void QORLine::SetError(const ON_wString& text) { Platform::LastError<QORLine, ON_wString>::Set(text); }

void QORLine::Unset(ON_Line& line)
{
  QORPoint::Unset(line.from);
  QORPoint::Unset(line.to);
}

int QORLine::Equal(const ON_Line& a, const ON_Line& b, int eitherDirection, double tolerance)
{
  if (QORPoint::Equal(a.from, b.from, tolerance) && QORPoint::Equal(a.to, b.to, tolerance))
    return 1;
  if (eitherDirection && QORPoint::Equal(a.from, b.to, tolerance) && QORPoint::Equal(a.to, b.from, tolerance))
    return 1;
  return 0;
}

int QORLine::Intersect(const ON_Line& a, const ON_Line& b, ON_3dPoint& point)
{
  double ta = 0.0, tb = 0.0;
  if (!ON_Intersect(a, b, &ta, &tb))
    return 0;
  point = a.PointAt(ta);
  return 1;
}

int QORLine::IsPointOnSegment(const ON_3dPoint& point, const ON_Line& segment, double tolerance)
{
  const ON_LineCurve curve(segment);
  double t = 0.0;
  if (!curve.GetClosestPoint(point, &t))
    return QORPoint::Equal(point, segment.from, tolerance); // a segment of length 0 is its start
  return QORPoint::Equal(point, curve.PointAt(t), tolerance);
}

ON_3dPoint QORLine::ClosestPointToSegment(const ON_3dPoint& point, const ON_Line& segment, double tolerance)
{
  const ON_3dPoint foot = segment.ClosestPointTo(point);
  if (IsPointOnSegment(foot, segment, tolerance))
    return foot;
  return foot.DistanceTo(segment.to) > foot.DistanceTo(segment.from) ? segment.from : segment.to;
}

double QORLine::ClosestDistanceToSegment(const ON_3dPoint& point, const ON_Line& segment, double tolerance)
{
  return point.DistanceTo(ClosestPointToSegment(point, segment, tolerance));
}

ON_3dPoint QORLine::MidPoint(const ON_Line& line) { return QORPoint::Average(line.from, line.to); }

int QORLine::ExtractPoints(const ON_Line& line, double spacing, ON_3dPointArray& points)
{
  const double length = line.Length();
  if (!(spacing > 0.0) || !std::isfinite(length))
    return 0;
  if (length <= spacing)
  {
    points.Empty();
    points.Append(line.from);
    points.Append(line.to);
    return 2;
  }
  const double ratio = length / spacing;
  if (!(ratio < INT_MAX - 1))
    return 0;
  int n = static_cast<int>(ratio);
  if (n != ratio)
    n++;
  const double step = length / n;
  const ON_3dVector direction = line.Tangent();
  points.Empty();
  points.Reserve(n + 1);
  for (int i = 0; i <= n; i++)
    points.Append(line.from + (i * step) * direction);
  return n + 1;
}

int QORLine::GetLineFromGeometry(const ON_Geometry* geometry, ON_Line& line)
{
  if (const ON_LineCurve* lineCurve = ON_LineCurve::Cast(geometry))
  {
    line = lineCurve->m_line;
    return 1;
  }
  const ON_NurbsCurve* nurbs = ON_NurbsCurve::Cast(geometry);
  if (nurbs && nurbs->Degree() == 1 && nurbs->IsLinear())
  {
    line = ON_Line(nurbs->PointAtStart(), nurbs->PointAtEnd());
    return 1;
  }
  return 0;
}

void QORLine::SetZ(ON_Line& line, double z)
{
  line.from.z = z;
  line.to.z = z;
}

void QORLine::AppendLines(ON_ClassArray<ON_Line>& target, const ON_ClassArray<ON_Line>& source)
{
  if (&target == &source)
  {
    const ON_ClassArray<ON_Line> copy(source);
    AppendLines(target, copy);
    return;
  }
  for (int i = 0; i < source.Count(); i++)
    target.Append(source[i]);
}
