// QORIGESGeometry: curves, surfaces and points of single IGES entities.
#include "QORIGESGeometry.h"

#include <cmath>

namespace
{

// Points closer than this are one point (the start and end of a circle).
constexpr double Coincidence = 1e-4;

ON_3dPoint ReadPoint(QORIGESParameters& p, int index)
{
  return ON_3dPoint(p.Real(index), p.Real(index + 1), p.Real(index + 2));
}

} // namespace

bool QORIGESGeometry::ReadCount(QORIGESParameters& p, int index, int minimum, int& count)
{
  count = p.Integer(index);
  if (p.Failed() || count < minimum || count > MaximumCount)
  {
    p.Fail();
    return false;
  }
  return true;
}

std::unique_ptr<ON_Curve> QORIGESGeometry::CircularArc(QORIGESParameters& p)
{
  const double z = p.Real(1);
  const ON_3dPoint centre(p.Real(2), p.Real(3), z), start(p.Real(4), p.Real(5), z), end(p.Real(6), p.Real(7), z);
  const double radius = centre.DistanceTo(start);
  if (p.Failed() || !(radius > 0))
    return nullptr;
  const ON_Circle circle(ON_Plane(centre, ON_3dVector::ZAxis), radius);
  const double a0 = std::atan2(start.y - centre.y, start.x - centre.x);
  double a1 = std::atan2(end.y - centre.y, end.x - centre.x);
  if (start.DistanceTo(end) <= Coincidence)
    return std::make_unique<ON_ArcCurve>(ON_Arc(circle, ON_Interval(a0, a0 + 2 * ON_PI)));
  while (a1 <= a0)
    a1 += 2 * ON_PI;
  return std::make_unique<ON_ArcCurve>(ON_Arc(circle, ON_Interval(a0, a1)));
}

std::unique_ptr<ON_Curve> QORIGESGeometry::ConicArc(QORIGESParameters& p, int form)
{
  const double A = p.Real(1), B = p.Real(2), C = p.Real(3), D = p.Real(4), E = p.Real(5), F = p.Real(6), z = p.Real(7);
  const ON_3dPoint start(p.Real(8), p.Real(9), z), end(p.Real(10), p.Real(11), z);
  // Standard position: no xy term; the kind from the form, or from the discriminant.
  if (p.Failed() || B != 0)
    return nullptr;
  const double discriminant = -4 * A * C;
  const int kind = form != 0 ? form : discriminant < 0 ? 1 : discriminant == 0 ? 3 : 2;
  if (kind == 1 && D == 0 && E == 0 && A != 0 && C != 0 && -F / A > 0 && -F / C > 0)
    return Ellipse(std::sqrt(-F / A), std::sqrt(-F / C), start, end);
  if (kind == 2 && D == 0 && E == 0 && F != 0 && A * C < 0)
    return Hyperbola(A, C, F, start, end);
  if (kind == 3)
    return Parabola(A, C, D, E, F, start, end);
  return nullptr;
}

std::unique_ptr<ON_Curve> QORIGESGeometry::Ellipse(double a, double b, const ON_3dPoint& start, const ON_3dPoint& end)
{
  // The ellipse is the unit circle scaled by (a, b); its angles are those of the scaled ends.
  const double t0 = std::atan2(start.y / b, start.x / a);
  double t1 = std::atan2(end.y / b, end.x / a);
  if (start.DistanceTo(end) <= Coincidence)
    t1 = t0 + 2 * ON_PI;
  while (t1 <= t0)
    t1 += 2 * ON_PI;
  const ON_Circle unit(ON_Plane(ON_3dPoint(0, 0, start.z), ON_3dVector::ZAxis), 1.0);
  auto curve = std::make_unique<ON_NurbsCurve>();
  if (!ON_ArcCurve(ON_Arc(unit, ON_Interval(t0, t1))).GetNurbForm(*curve))
    return nullptr;
  ON_Xform scale(1.0);
  scale[0][0] = a;
  scale[1][1] = b;
  curve->Transform(scale);
  return curve;
}

std::unique_ptr<ON_Curve> QORIGESGeometry::Parabola(double A, double C, double D, double E, double F,
                                                    const ON_3dPoint& start, const ON_3dPoint& end)
{
  // Opening along x (C y^2 + D x + E y + F = 0) or along y (A x^2 + D x + E y + F = 0).
  const bool alongX = A == 0 && C != 0 && D != 0, alongY = C == 0 && A != 0 && E != 0;
  if (!alongX && !alongY)
    return nullptr;
  ON_3dPointArray points;
  for (int i = 0; i < ConicSamples; i++)
  {
    const double s = static_cast<double>(i) / (ConicSamples - 1);
    if (alongX)
    {
      const double y = start.y + s * (end.y - start.y);
      points.Append(ON_3dPoint(-(C * y * y + E * y + F) / D, y, start.z));
    }
    else
    {
      const double x = start.x + s * (end.x - start.x);
      points.Append(ON_3dPoint(x, -(A * x * x + D * x + F) / E, start.z));
    }
  }
  return std::make_unique<ON_PolylineCurve>(points);
}

std::unique_ptr<ON_Curve> QORIGESGeometry::Hyperbola(double A, double C, double F, const ON_3dPoint& start,
                                                     const ON_3dPoint& end)
{
  // x^2/a^2 - y^2/b^2 = 1 opens along x, else along y; the branch is the start's.
  const bool alongX = -F / A > 0;
  const double a = std::sqrt(std::fabs(F / A)), b = std::sqrt(std::fabs(F / C));
  const double sign = (alongX ? start.x : start.y) < 0 ? -1.0 : 1.0;
  const double t0 = alongX ? std::asinh(start.y / b) : std::asinh(start.x / a);
  const double t1 = alongX ? std::asinh(end.y / b) : std::asinh(end.x / a);
  ON_3dPointArray points;
  for (int i = 0; i < ConicSamples; i++)
  {
    const double t = t0 + (t1 - t0) * i / (ConicSamples - 1);
    points.Append(alongX ? ON_3dPoint(sign * a * std::cosh(t), b * std::sinh(t), start.z)
                         : ON_3dPoint(a * std::sinh(t), sign * b * std::cosh(t), start.z));
  }
  return std::make_unique<ON_PolylineCurve>(points);
}

std::unique_ptr<ON_NurbsCurve> QORIGESGeometry::ParametricSplineCurve(QORIGESParameters& p)
{
  int segments = 0;
  if (!ReadCount(p, 4, 1, segments) || segments > MaximumCount / 16 || 4 + (segments + 1) + 12 * segments > p.Count())
  {
    p.Fail();
    return nullptr;
  }
  // Each segment is a cubic in s = t - T(i) per coordinate: A + B s + C s^2 + D s^3, which is the
  // Bezier segment with the control points below; segments meet at triple knots.
  auto curve = std::make_unique<ON_NurbsCurve>(3, false, 4, 3 * segments + 1);
  const int breaks = 5, coefficients = breaks + segments + 1;
  for (int i = 0; i < segments; i++)
  {
    const double t0 = p.Real(breaks + i), t1 = p.Real(breaks + i + 1), h = t1 - t0;
    ON_3dPoint cv[4];
    for (int k = 0; k < 3; k++)
    {
      const int at = coefficients + 12 * i + 4 * k;
      const double a = p.Real(at), b = p.Real(at + 1) * h, c = p.Real(at + 2) * h * h, d = p.Real(at + 3) * h * h * h;
      cv[0][k] = a;
      cv[1][k] = a + b / 3;
      cv[2][k] = a + 2 * b / 3 + c / 3;
      cv[3][k] = a + b + c + d;
    }
    for (int j = 0; j < 4; j++)
      curve->SetCV(3 * i + j, cv[j]);
    for (int j = 0; j < 3; j++)
    {
      curve->SetKnot(3 * i + j, t0);
      curve->SetKnot(3 * i + 3 + j, t1);
    }
  }
  if (p.Failed() || !curve->IsValid())
    return nullptr;
  return curve;
}

std::unique_ptr<ON_NurbsCurve> QORIGESGeometry::RationalBSplineCurve(QORIGESParameters& p)
{
  int upper = 0, degree = 0;
  if (!ReadCount(p, 1, 0, upper) || !ReadCount(p, 2, 1, degree) || upper + degree + 2 > MaximumCount)
    return nullptr;
  const int cvCount = upper + 1, order = degree + 1, knotCount = upper + degree + 2;
  if (cvCount < order || p.Count() < 6 + knotCount + 4 * cvCount + 2)
  {
    p.Fail();
    return nullptr;
  }
  const bool polynomial = p.Integer(5) == 1;
  const int knots = 7, weights = knots + knotCount, points = weights + cvCount, range = points + 3 * cvCount;
  bool rational = false;
  for (int i = 0; i < cvCount; i++)
    rational = rational || (!polynomial && p.Real(weights + i) != p.Real(weights));
  auto curve = std::make_unique<ON_NurbsCurve>(3, rational, order, cvCount);
  // openNURBS leaves out the first and the last knot of the IGES knot vector.
  for (int i = 1; i < knotCount - 1; i++)
    curve->SetKnot(i - 1, p.Real(knots + i));
  for (int i = 0; i < cvCount; i++)
  {
    const ON_3dPoint point = ReadPoint(p, points + 3 * i);
    const double w = rational ? p.Real(weights + i) : 1.0;
    if (!(w > 0))
      return nullptr;
    curve->SetCV(i, ON_4dPoint(point.x * w, point.y * w, point.z * w, w));
  }
  const ON_Interval domain(p.Real(range), p.Real(range + 1));
  if (p.Failed() || !curve->IsValid())
    return nullptr;
  if (domain.IsIncreasing() && curve->Domain().Includes(domain) && domain != curve->Domain())
    curve->Trim(domain);
  return curve;
}

std::unique_ptr<ON_NurbsSurface> QORIGESGeometry::RationalBSplineSurface(QORIGESParameters& p)
{
  int upperU = 0, upperV = 0, degreeU = 0, degreeV = 0;
  if (!ReadCount(p, 1, 0, upperU) || !ReadCount(p, 2, 0, upperV) || !ReadCount(p, 3, 1, degreeU) ||
      !ReadCount(p, 4, 1, degreeV))
    return nullptr;
  const long long countU = upperU + 1, countV = upperV + 1;
  const long long knotsU = upperU + degreeU + 2, knotsV = upperV + degreeV + 2;
  if (countU < degreeU + 1 || countV < degreeV + 1 || 9 + knotsU + knotsV + 4 * countU * countV + 4 > p.Count())
  {
    p.Fail();
    return nullptr;
  }
  const bool polynomial = p.Integer(7) == 1;
  const int knots = 10, weights = knots + static_cast<int>(knotsU + knotsV);
  const int points = weights + static_cast<int>(countU * countV);
  auto surface = std::make_unique<ON_NurbsSurface>(3, !polynomial, degreeU + 1, degreeV + 1, static_cast<int>(countU),
                                                   static_cast<int>(countV));
  for (int i = 1; i < knotsU - 1; i++)
    surface->SetKnot(0, i - 1, p.Real(knots + i));
  for (int i = 1; i < knotsV - 1; i++)
    surface->SetKnot(1, i - 1, p.Real(knots + static_cast<int>(knotsU) + i));
  // The first index runs fastest.
  for (int j = 0; j < countV; j++)
    for (int i = 0; i < countU; i++)
    {
      const int n = static_cast<int>(j * countU + i);
      const double w = polynomial ? 1.0 : p.Real(weights + n);
      const ON_3dPoint point = ReadPoint(p, points + 3 * n);
      if (!(w > 0))
        return nullptr;
      surface->SetCV(i, j, ON_4dPoint(point.x * w, point.y * w, point.z * w, w));
    }
  if (p.Failed() || !surface->IsValid())
    return nullptr;
  return surface;
}

bool QORIGESGeometry::CopiousPoints(QORIGESParameters& p, ON_3dPointArray& points)
{
  const int flag = p.Integer(1);
  int count = 0;
  if (!ReadCount(p, 2, 0, count))
    return false;
  const int stride = flag == 1 ? 2 : flag == 2 ? 3 : flag == 3 ? 6 : 0;
  const int first = flag == 1 ? 4 : 3;
  if (stride == 0 || static_cast<long long>(count) * stride + first - 1 > p.Count())
  {
    p.Fail();
    return false;
  }
  const double z = flag == 1 ? p.Real(3) : 0.0;
  points.Reserve(count);
  for (int i = 0; i < count; i++)
  {
    const int at = first + i * stride;
    points.Append(ON_3dPoint(p.Real(at), p.Real(at + 1), flag == 1 ? z : p.Real(at + 2)));
  }
  return !p.Failed();
}

std::unique_ptr<ON_Leader2> QORIGESGeometry::Leader(QORIGESParameters& p)
{
  int segments = 0;
  if (!ReadCount(p, 1, 1, segments) || 4 + 2 * (static_cast<long long>(segments) + 1) > p.Count())
  {
    p.Fail();
    return nullptr;
  }
  const ON_2dPoint head(p.Real(5), p.Real(6));
  auto leader = std::make_unique<ON_Leader2>();
  leader->SetPlane(ON_Plane(ON_3dPoint(head.x, head.y, p.Real(4)), ON_3dVector(0, 0, 1)));
  for (int i = 0; i <= segments; i++)
    leader->AddPoint(ON_2dPoint(p.Real(5 + 2 * i) - head.x, p.Real(6 + 2 * i) - head.y));
  return p.Failed() ? nullptr : std::move(leader);
}

bool QORIGESGeometry::GeneralNoteTexts(QORIGESParameters& p, ON_ClassArray<ON_TextEntity2>& texts)
{
  int strings = 0;
  if (!ReadCount(p, 1, 0, strings) || 1 + static_cast<long long>(strings) * NoteStringFields > p.Count())
  {
    p.Fail();
    return false;
  }
  for (int i = 0; i < strings; i++)
  {
    const int first = 2 + i * NoteStringFields;
    const double height = p.Real(first + 2), angle = p.Real(first + 5);
    const ON_3dPoint start(p.Real(first + 8), p.Real(first + 9), p.Real(first + 10));
    ON_TextEntity2 text;
    text.SetPlane(ON_Plane(start, ON_3dVector(std::cos(angle), std::sin(angle), 0),
                           ON_3dVector(-std::sin(angle), std::cos(angle), 0)));
    text.SetHeight(height);
    text.SetJustification(ON_Annotation2::tjBottomLeft);
    text.SetTextValue(ON_wString(p.Text(first + 11).c_str()));
    if (!p.Failed() && text.IsValid())
      texts.Append(text);
  }
  return !p.Failed();
}
