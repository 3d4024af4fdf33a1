#include "QORCurve.h"

#include "QORLine.h"
#include "QORNurbsCurve.h"
#include "QORVector.h"
#include "LastError.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
const char* const kMaximum = "Maximum distance must be greater than zero";
const char* const kMinimum = "Minimum distance must be greater than zero";
const char* const kTooMany = "Too many sample points";
const char* const kInvalidCurve = "Curve is invalid";
} // namespace

ON_wString QORCurve::GetError() { return Platform::LastError<QORCurve, ON_wString>::Get(); }

void QORCurve::SetError(const ON_wString& text) { Platform::LastError<QORCurve, ON_wString>::Set(text); }

double QORCurve::ClassificationTolerance(const ON_Curve* curve)
{
  double size = 1.0;
  ON_BoundingBox box;
  if (curve && curve->GetBoundingBox(box) && box.IsValid())
    for (int k = 0; k < 3; k++)
      size = std::max(size, std::max(std::fabs(box.m_min[k]), std::fabs(box.m_max[k])));
  return 1.0e-12 * size;
}

int QORCurve::ExtractPointsFromLine(const ON_Line& line, ON_3dPointArray& points, double maxDistance)
{
  if (!(maxDistance > 0.0))
  {
    SetError(kMaximum);
    return 0;
  }
  if (!line.IsValid() || !std::isfinite(line.Length()))
  {
    SetError("Line is invalid");
    return 0;
  }
  if (!(line.Length() / maxDistance < MaxSamplePoints))
  {
    SetError(kTooMany);
    return 0;
  }
  ON_3dPointArray extracted;
  if (!QORLine::ExtractPoints(line, maxDistance, extracted))
  {
    SetError("Line is invalid");
    return 0;
  }
  points.Append(extracted.Count(), extracted.Array());
  return 1;
}

int QORCurve::ExtractPointsFromPolyline(const ON_Polyline& polyline, ON_3dPointArray& points, double maxDistance,
                                        double minDistance, double angleTolerance)
{
  if (!(maxDistance > 0.0))
  {
    SetError(kMaximum);
    return 0;
  }
  const int count = polyline.Count();
  if (count < 1)
  {
    SetError("Polyline is invalid");
    return 0;
  }
  if (!(polyline.Length() / maxDistance < MaxSamplePoints))
  {
    SetError(kTooMany);
    return 0;
  }
  ON_3dPointArray result;
  result.Append(polyline[0]);
  ON_3dPoint current = polyline[0];
  double currentParameter = 0.0; // where the current point lies on the polyline
  const ON_PolylineCurve onto(polyline);
  bool endAppended = count == 1;
  for (int i = 1; i < count; i++)
  {
    const ON_3dPoint& P = polyline[i];
    const bool last = i == count - 1;
    const bool corner = last || QORVector::Angle(P - current, polyline[i + 1] - P, 1) > angleTolerance;
    const double d = current.DistanceTo(P);
    if (d >= maxDistance)
    {
      ON_3dPointArray split;
      if (!ExtractPointsFromLine(ON_Line(current, P), split, maxDistance))
        return 0;
      // The split starts at the current point, which is already in the output. The others go to
      // the nearest point of the stretch of polyline they replace.
      const ON_Interval stretch(currentParameter, i);
      double t = currentParameter;
      for (int k = 1; k < split.Count(); k++)
        result.Append(onto.GetClosestPoint(split[k], &t, 0.0, &stretch) ? onto.PointAt(t) : split[k]);
      if (last)
      {
        result[result.Count() - 1] = P;
        endAppended = true;
      }
      current = result[result.Count() - 1];
      currentParameter = last ? i : t;
      if (result.Count() > MaxSamplePoints)
      {
        SetError(kTooMany);
        return 0;
      }
    }
    else if (corner && d >= minDistance)
    {
      result.Append(P);
      current = P;
      currentParameter = i;
      endAppended = last;
    }
  }
  if (!endAppended)
    result.Append(polyline[count - 1]);
  points.Append(result.Count(), result.Array());
  return 1;
}

int QORCurve::ExtractPointsFromNurbsCurve(const ON_NurbsCurve& curve, ON_3dPointArray& points, double maxDistance,
                                          double minDistance, double angleTolerance)
{
  if (!(maxDistance > 0.0))
  {
    SetError(kMaximum);
    return 0;
  }
  if (!(minDistance > 0.0))
  {
    SetError(kMinimum);
    return 0;
  }
  if (!curve.IsValid())
  {
    SetError(kInvalidCurve);
    return 0;
  }
  if (curve.Degree() == 1)
  {
    ON_Polyline polygon;
    QORNurbsCurve::CreatePolylineFromControlPoints(curve, polygon);
    return ExtractPointsFromPolyline(polygon, points, maxDistance, minDistance, angleTolerance);
  }
  double length = 0.0;
  if (!curve.GetLength(&length, 1.0e-8))
  {
    SetError("Unable to measure the curve");
    return 0;
  }
  const double ratio = length / minDistance;
  if (!(ratio < MaxSamplePoints))
  {
    SetError(kTooMany);
    return 0;
  }
  const int n = static_cast<int>(ratio) + 1;
  std::vector<double> s(static_cast<size_t>(n)), t(static_cast<size_t>(n));
  for (int i = 0; i < n; i++)
    s[static_cast<size_t>(i)] = static_cast<double>(i) / n;
  if (!curve.GetNormalizedArcLengthPoints(n, s.data(), t.data(), 0.0, 1.0e-8))
  {
    SetError("Unable to measure the curve");
    return 0;
  }
  ON_3dPointArray result;
  ON_3dVector reference(0, 0, 0);
  double walked = 0.0;
  for (int i = 0; i < n; i++)
  {
    ON_3dPoint P;
    ON_3dVector T;
    if (!curve.EvTangent(t[static_cast<size_t>(i)], P, T))
    {
      SetError(kInvalidCurve);
      return 0;
    }
    walked += length / n;
    if (i == 0 || walked > maxDistance - minDistance || QORVector::Angle(T, reference, 1) > angleTolerance)
    {
      result.Append(P);
      walked = 0.0;
      reference = T;
    }
  }
  result.Append(curve.PointAtEnd());
  points.Append(result.Count(), result.Array());
  return 1;
}

int QORCurve::ExtractPointsFromCurve(const ON_Curve* curve, ON_3dPointArray& points, double maxDistance,
                                     double minDistance, double angleTolerance)
{
  if (!(maxDistance > 0.0))
  {
    SetError(kMaximum);
    return 0;
  }
  if (!curve)
  {
    SetError(kInvalidCurve);
    return 0;
  }
  if (const ON_LineCurve* line = ON_LineCurve::Cast(curve))
    return ExtractPointsFromLine(line->m_line, points, maxDistance);
  if (const ON_PolylineCurve* polyline = ON_PolylineCurve::Cast(curve))
    return ExtractPointsFromPolyline(polyline->m_pline, points, maxDistance, minDistance, angleTolerance);
  if (const ON_PolyCurve* poly = ON_PolyCurve::Cast(curve))
  {
    ON_3dPointArray result;
    for (int i = 0; i < poly->Count(); i++)
    {
      if (!ExtractPointsFromCurve(poly->SegmentCurve(i), result, maxDistance, minDistance, angleTolerance))
        return 0;
      if (result.Count() > MaxSamplePoints)
      {
        SetError(kTooMany);
        return 0;
      }
    }
    points.Append(result.Count(), result.Array());
    return 1;
  }
  ON_NurbsCurve nurbs;
  if (!curve->GetNurbForm(nurbs))
  {
    SetError(kInvalidCurve);
    return 0;
  }
  return ExtractPointsFromNurbsCurve(nurbs, points, maxDistance, minDistance, angleTolerance);
}

void QORCurve::AddPolylineToPointArray(const ON_Polyline& polyline, ON_SimpleArray<ON_3dPoint>& points)
{
  const int count = polyline.IsClosed(0.0) ? polyline.Count() - 1 : polyline.Count();
  points.Append(count, polyline.Array());
}

void QORCurve::AddPolylineToLineArray(const ON_Polyline& polyline, ON_ClassArray<ON_Line>& lines)
{
  for (int i = 1; i < polyline.Count(); i++)
    lines.Append(ON_Line(polyline[i - 1], polyline[i]));
}

int QORCurve::IsLine(const ON_Curve* curve, ON_Line& line)
{
  if (!curve || !curve->IsLinear(ClassificationTolerance(curve)))
    return 0;
  line = ON_Line(curve->PointAtStart(), curve->PointAtEnd());
  return 1;
}

int QORCurve::IsLineCurve(const ON_Curve* curve, ON_LineCurve& lineCurve)
{
  ON_Line line;
  if (!IsLine(curve, line))
    return 0;
  lineCurve = line;
  return 1;
}

int QORCurve::IsArc(const ON_Curve* curve, ON_Arc& arc)
{
  ON_Arc found;
  if (!curve || !curve->IsArc(nullptr, &found, ClassificationTolerance(curve)))
    return 0;
  arc = found;
  return 1;
}

int QORCurve::IsArcCurve(const ON_Curve* curve, ON_ArcCurve& arcCurve)
{
  ON_Arc arc;
  if (!IsArc(curve, arc))
    return 0;
  arcCurve = ON_ArcCurve(arc);
  return 1;
}

int QORCurve::IsCircle(const ON_Curve* curve, ON_Circle& circle)
{
  ON_Arc arc;
  if (!IsArc(curve, arc) || !arc.IsCircle())
    return 0;
  circle = arc;
  return 1;
}

int QORCurve::IsPolyline(const ON_Curve* curve, ON_Polyline& polyline)
{
  if (!curve)
    return 0;
  if (curve->Degree() == 1)
  {
    ON_NurbsCurve nurbs;
    if (!curve->GetNurbForm(nurbs))
      return 0;
    QORNurbsCurve::CreatePolylineFromControlPoints(nurbs, polyline);
    return 1;
  }
  if (!ON_LineCurve::Cast(curve) && !ON_PolylineCurve::Cast(curve) && !ON_NurbsCurve::Cast(curve) &&
      !ON_PolyCurve::Cast(curve))
    return 0;
  ON_SimpleArray<ON_3dPoint> points;
  if (!curve->IsPolyline(&points))
    return 0;
  polyline.Empty();
  polyline.Append(points.Count(), points.Array());
  return 1;
}

int QORCurve::IsPolylineCurve(const ON_Curve* curve, ON_PolylineCurve& polylineCurve)
{
  ON_Polyline polyline;
  if (!IsPolyline(curve, polyline))
    return 0;
  polylineCurve = polyline;
  return 1;
}

int QORCurve::CreatePolylineWithinTolerance(const ON_Curve* curve, double tolerance, ON_Polyline& polyline)
{
  if (!(tolerance > 0.0))
  {
    SetError("Tolerance must be greater than zero");
    return 0;
  }
  if (!curve || !curve->IsValid())
  {
    SetError(kInvalidCurve);
    return 0;
  }
  ON_SimpleArray<ON_3dPoint> exact;
  if (curve->IsPolyline(&exact) >= 2)
  {
    polyline.Empty();
    polyline.Append(exact.Count(), exact.Array());
    return 1;
  }
  ON_NurbsCurve nurbs;
  if (!curve->GetNurbForm(nurbs) || !nurbs.IsValid())
  {
    SetError(kInvalidCurve);
    return 0;
  }
  const int spans = nurbs.SpanCount();
  std::vector<double> breaks(static_cast<size_t>(spans) + 1);
  if (spans < 1 || !nurbs.GetSpanVector(breaks.data()))
  {
    SetError(kInvalidCurve);
    return 0;
  }
  // Samples inside a piece; a piece is split until they all lie within tolerance of its chord.
  const int inner = std::max(3, 2 * nurbs.Degree() - 1);
  auto flat = [&](double u, double v, const ON_3dPoint& A, const ON_3dPoint& B)
  {
    const ON_Line chord(A, B);
    for (int k = 1; k <= inner; k++)
    {
      const ON_3dPoint X = nurbs.PointAt(u + (v - u) * k / (inner + 1));
      if (!(chord.MinimumDistanceTo(X) <= tolerance))
        return false;
    }
    return true;
  };
  struct Piece
  {
    double u, v;
    ON_3dPoint A, B;
    int depth;
  };
  ON_3dPointArray result;
  result.Append(nurbs.PointAtStart());
  for (int i = 0; i < spans; i++)
  {
    std::vector<Piece> stack;
    const ON_3dPoint A = nurbs.PointAt(breaks[i]);
    ON_3dPoint B;
    nurbs.EvPoint(breaks[i + 1], B, -1);
    stack.push_back({breaks[i], breaks[i + 1], A, B, 0});
    while (!stack.empty())
    {
      const Piece p = stack.back();
      stack.pop_back();
      const double m = 0.5 * (p.u + p.v);
      if (p.depth >= 60 || !(m > p.u && m < p.v) || flat(p.u, p.v, p.A, p.B))
      {
        result.Append(p.B);
        if (result.Count() > MaxSamplePoints)
        {
          SetError(kTooMany);
          return 0;
        }
        continue;
      }
      const ON_3dPoint M = nurbs.PointAt(m);
      stack.push_back({m, p.v, M, p.B, p.depth + 1});
      stack.push_back({p.u, m, p.A, M, p.depth + 1});
    }
  }
  polyline = result;
  return 1;
}
