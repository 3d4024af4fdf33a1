#include "QORLine2d.h"

#include "QORPlanarExact.h"
#include "QORPoint2d.h"
#include "QORVector2d.h"
#include "LastError.h"

#include <cmath>

namespace
{

const double kTolerance = 0.0001;

ON_Line Flat(const ON_Line& line)
{
  ON_Line flat = line;
  QORLine2d::Make2d(flat);
  return flat;
}

// Unit plan direction, zero when the line has no plan length.
ON_3dVector PlanDirection(const ON_Line& line)
{
  ON_3dVector d = line.Direction();
  d.z = 0.0;
  d.Unitize();
  return d;
}

double Clamp01(double t) { return t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t); }

} // namespace

ON_wString QORLine2d::GetError() { return Platform::LastError<QORLine2d, ON_wString>::Get(); }

void QORLine2d::SetError(const ON_wString& text) { Platform::LastError<QORLine2d, ON_wString>::Set(text); }

int QORLine2d::Equal(const ON_Line& a, const ON_Line& b, int eitherDirection, double tolerance)
{
  if (QORPoint2d::Equal(a.from, b.from, tolerance) && QORPoint2d::Equal(a.to, b.to, tolerance))
    return 1;
  if (eitherDirection && QORPoint2d::Equal(a.from, b.to, tolerance) && QORPoint2d::Equal(a.to, b.from, tolerance))
    return 1;
  return 0;
}

double QORLine2d::Distance(const ON_3dPoint& point, const ON_Line& line)
{
  const double dx = line.to.x - line.from.x, dy = line.to.y - line.from.y;
  if (dx == 0.0 && dy == 0.0)
    return QORPoint2d::Distance(point, line.from);
  return std::fabs(dx * (line.from.y - point.y) - dy * (line.from.x - point.x)) / std::sqrt(dx * dx + dy * dy);
}

int QORLine2d::PointOnSegment(const ON_3dPoint& point, const ON_Line& segment, double tolerance)
{
  const ON_3dPoint& s = segment.from;
  const ON_3dPoint& e = segment.to;
  const bool inBox = std::fmin(s.x, e.x) <= point.x && point.x <= std::fmax(s.x, e.x) &&
                     std::fmin(s.y, e.y) <= point.y && point.y <= std::fmax(s.y, e.y);
  return inBox && QORPlanarExact::CompareDistanceToLine(point, s, e, tolerance) <= 0 ? 1 : 0;
}

int QORLine2d::PointOnWhichSideOfLine(const ON_3dPoint& point, const ON_Line& line, double tolerance)
{
  return QORPlanarExact::Side(line.from, line.to, point, tolerance);
}

int QORLine2d::Crossing(const ON_Line& first, const ON_Line& second, int endContact, double tolerance, double& t1,
                        double& t2)
{
  if (!endContact)
  {
    const ON_3dPoint* a[2] = {&first.from, &first.to};
    const ON_3dPoint* b[2] = {&second.from, &second.to};
    for (const ON_3dPoint* p : a)
      for (const ON_3dPoint* q : b)
        if (QORPoint2d::Equal(*p, *q, tolerance))
          return 0;
  }
  // Crossing strictly inside both: the ends of each lie strictly on opposite sides of the other.
  const int s1 = QORPlanarExact::Side(first.from, first.to, second.from, 0.0);
  const int s2 = QORPlanarExact::Side(first.from, first.to, second.to, 0.0);
  const int s3 = QORPlanarExact::Side(second.from, second.to, first.from, 0.0);
  const int s4 = QORPlanarExact::Side(second.from, second.to, first.to, 0.0);
  if (s1 == 0 || s2 == 0 || s1 == s2 || s3 == 0 || s4 == 0 || s3 == s4)
    return 0;
  // Each end's cross product against the other segment, exactly rounded: their ratios place the
  // crossing to rounding even where the segments are nearly parallel.
  const double c1 = QORPlanarExact::Cross(second.from, second.to, first.from);
  const double c2 = QORPlanarExact::Cross(second.from, second.to, first.to);
  const double c3 = QORPlanarExact::Cross(first.from, first.to, second.from);
  const double c4 = QORPlanarExact::Cross(first.from, first.to, second.to);
  const double a = c1 / (c1 - c2), b = c3 / (c3 - c4);
  t1 = Clamp01(std::isfinite(a) ? a : 0.5);
  t2 = Clamp01(std::isfinite(b) ? b : 0.5);
  return 1;
}

int QORLine2d::IntersectSegments(const ON_Line& first, const ON_Line& second, ON_2dPoint& point, int endContact,
                                 double tolerance)
{
  double t1 = 0.0, t2 = 0.0;
  if (!Crossing(first, second, endContact, tolerance, t1, t2))
    return 0;
  const ON_3dPoint p = Flat(first).PointAt(t1);
  point = ON_2dPoint(p.x, p.y);
  return 1;
}

int QORLine2d::IntersectSegments(const ON_Line& first, const ON_Line& second, ON_3dPoint& onFirst, ON_3dPoint& onSecond,
                                 int endContact, double tolerance)
{
  double t1 = 0.0, t2 = 0.0;
  if (!Crossing(first, second, endContact, tolerance, t1, t2))
    return 0;
  // Plan position is linear in the parameter, so these lie on the vertical through the crossing.
  onFirst = first.PointAt(t1);
  onSecond = second.PointAt(t2);
  return 1;
}

void QORLine2d::Make2d(ON_Line& line)
{
  line.from.z = 0.0;
  line.to.z = 0.0;
}

void QORLine2d::Offset(ON_Line& line, double distance, int side)
{
  if (side != 1 && side != 2)
    return;
  const ON_3dVector d = PlanDirection(line);
  const double s = side == 1 ? distance : -distance;
  const double nx = -d.y * s, ny = d.x * s;
  line.from.x += nx;
  line.from.y += ny;
  line.to.x += nx;
  line.to.y += ny;
}

int QORLine2d::Fillet(ON_Line& first, ON_Line& second, double radius, ON_Arc& arc)
{
  if (!(radius > 0.0) || !std::isfinite(radius))
    return 0;
  const double z0 = first.from.z;
  ON_Line l1 = Flat(first), l2 = Flat(second);
  const ON_3dVector d1 = PlanDirection(l1), d2 = PlanDirection(l2);
  double a = 0.0, b = 0.0;
  if (!ON_Intersect(l1, l2, &a, &b))
    return 0;
  const ON_3dPoint corner = l1.PointAt(a);
  l1.to = corner;
  l2.from = corner;
  if (!QORVector2d::Equal(PlanDirection(l1), d1, kTolerance) || !QORVector2d::Equal(PlanDirection(l2), d2, kTolerance))
    return 0;
  const int side = PointOnWhichSideOfLine(l2.to, l1, kTolerance);
  if (side == 0)
    return 0;
  ON_Line o1 = l1, o2 = l2;
  Offset(o1, radius, side);
  Offset(o2, radius, side);
  if (!ON_Intersect(o1, o2, &a, &b))
    return 0;
  const ON_3dPoint centre = o1.PointAt(a);
  l1.to = l1.ClosestPointTo(centre);
  l2.from = l2.ClosestPointTo(centre);
  const ON_Line* trimmed[2] = {&l1, &l2};
  const ON_3dVector* directions[2] = {&d1, &d2};
  for (int k = 0; k < 2; k++)
    if (!QORPoint2d::Equal(trimmed[k]->from, trimmed[k]->to, kTolerance) &&
        !QORVector2d::Equal(PlanDirection(*trimmed[k]), *directions[k], kTolerance))
      return 0;
  ON_3dVector toCorner = corner - centre;
  toCorner.z = 0.0;
  toCorner.Unitize();
  const ON_3dPoint middle(centre.x + radius * toCorner.x, centre.y + radius * toCorner.y, z0);
  l1.from.z = l1.to.z = l2.from.z = l2.to.z = z0;
  ON_Arc rounded;
  if (!rounded.Create(l1.to, middle, l2.from) || !rounded.IsValid())
    return 0;
  first = l1;
  second = l2;
  arc = rounded;
  return 1;
}
