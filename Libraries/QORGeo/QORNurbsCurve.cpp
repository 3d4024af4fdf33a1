#include "QORNurbsCurve.h"

#include "QORVector.h"
#include "LastError.h"

#include <cmath>
#include <vector>

ON_wString QORNurbsCurve::GetError() { return Platform::LastError<QORNurbsCurve, ON_wString>::Get(); }

void QORNurbsCurve::SetError(const ON_wString& text) { Platform::LastError<QORNurbsCurve, ON_wString>::Set(text); }

int QORNurbsCurve::Create(ON_NurbsCurve& curve, const ON_3dPointArray& points, int dimension, int, int order)
{
  if (!curve.CreateClampedUniformNurbs(dimension, order, points.Count(), points.Array(), 1.0))
  {
    SetError("Unable to create Nurbs Curve");
    return 0;
  }
  return 1;
}

void QORNurbsCurve::GetControlPoints(const ON_NurbsCurve& curve, ON_3dPointArray& points)
{
  points.Empty();
  points.Reserve(curve.CVCount());
  for (int i = 0; i < curve.CVCount() && curve.m_cv; i++)
  {
    ON_3dPoint point;
    points.Append(curve.GetCV(i, point) ? point : ON_3dPoint::UnsetPoint);
  }
}

void QORNurbsCurve::CreatePolylineFromControlPoints(const ON_NurbsCurve& curve, ON_Polyline& polyline)
{
  ON_3dPointArray points;
  GetControlPoints(curve, points);
  polyline = points;
}

namespace
{
// The curve's length; false, with the error text set, when it cannot be measured.
bool MeasureLength(const ON_NurbsCurve& curve, double& length)
{
  if (!curve.IsValid() || !curve.GetLength(&length, 1.0e-8))
  {
    QORNurbsCurve::SetError("Unable to measure the curve");
    return false;
  }
  return true;
}

// Points at normalised arc length 0, 1/n, ... below 1 and the end point, n = length / spacing
// truncated plus 1; just the two ends for a curve no longer than spacing. Length is the curve's
// (MeasureLength), spacing positive.
bool SampleByLength(const ON_NurbsCurve& curve, double length, double spacing, ON_3dPointArray& samples)
{
  ON_3dPointArray points;
  if (spacing >= length)
    points.Append(curve.PointAtStart());
  else
  {
    const double ratio = length / spacing;
    if (!(ratio < QORNurbsCurve::MaxSamplePoints))
    {
      QORNurbsCurve::SetError("Too many sample points");
      return false;
    }
    const int n = static_cast<int>(ratio) + 1;
    std::vector<double> s(static_cast<size_t>(n)), t(static_cast<size_t>(n));
    for (int i = 0; i < n; i++)
      s[static_cast<size_t>(i)] = static_cast<double>(i) / n;
    if (!curve.GetNormalizedArcLengthPoints(n, s.data(), t.data(), 0.0, 1.0e-8))
    {
      QORNurbsCurve::SetError("Unable to measure the curve");
      return false;
    }
    points.Reserve(n + 1);
    for (double u : t)
      points.Append(curve.PointAt(u));
  }
  points.Append(curve.PointAtEnd());
  samples = points;
  return true;
}
} // namespace

void QORNurbsCurve::CreatePolyline(const ON_NurbsCurve& curve, double maxSegmentLength, ON_Polyline& polyline)
{
  if (curve.Degree() == 1)
  {
    CreatePolylineFromControlPoints(curve, polyline);
    return;
  }
  if (!(maxSegmentLength > 0.0))
  {
    SetError("Maximum segment length must be greater than zero");
    return;
  }
  double length = 0.0;
  ON_3dPointArray samples;
  if (MeasureLength(curve, length) && SampleByLength(curve, length, maxSegmentLength, samples))
    polyline = samples;
}

void QORNurbsCurve::Smoothen(ON_NurbsCurve& curve, double spacing)
{
  if (!(spacing > 0.0))
  {
    SetError("Spacing must be greater than zero");
    return;
  }
  double length = 0.0;
  if (!MeasureLength(curve, length))
    return;
  if (length <= spacing)
  {
    const ON_3dPoint ends[2] = {curve.PointAtStart(), curve.PointAtEnd()};
    ON_NurbsCurve line;
    if (line.CreateClampedUniformNurbs(3, 2, 2, ends))
      curve = line;
    return;
  }
  ON_3dPointArray samples;
  if (!SampleByLength(curve, length, spacing, samples))
    return;
  ON_NurbsCurve smooth;
  if (Create(smooth, samples, 3, 1, 3))
    curve = smooth;
}

void QORNurbsCurve::Make2D(ON_NurbsCurve& curve)
{
  for (int i = 0; i < curve.CVCount() && curve.m_cv; i++)
  {
    ON_4dPoint cv;
    if (!curve.GetCV(i, cv))
      continue;
    // The homogeneous z is z times the weight; zero either way.
    cv.z = 0.0;
    curve.SetCV(i, cv);
  }
}

int QORNurbsCurve::GetPoints(const ON_NurbsCurve& curve, ON_3dPointArray& points, double angleTolerance)
{
  points.Empty();
  const ON_Interval domain = curve.Domain();
  if (!curve.IsValid() || !domain.IsIncreasing())
    return 1;
  const double step = domain.Length() / 100.0;
  ON_3dVector reference(0, 0, 0);
  for (int i = 0; i < 100; i++)
  {
    const double t = domain[0] + i * step;
    if (!(t < domain[1]))
      break;
    const ON_3dVector curvature = curve.CurvatureAt(t);
    if (i == 0 || QORVector::Angle(curvature, reference, 1) > angleTolerance)
    {
      points.Append(curve.PointAt(t));
      reference = curvature;
    }
  }
  points.Append(curve.PointAtEnd());
  return 1;
}
