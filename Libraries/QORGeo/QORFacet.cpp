#include "QORFacet.h"

#include "QORLine.h"
#include "QORPoint.h"
#include "QORVector.h"
#include "LastError.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace
{

const double kTolerance = 0.0001;

} // namespace

ON_wString QORFacet::GetError() { return Platform::LastError<QORFacet, ON_wString>::Get(); }

void QORFacet::SetError(const ON_wString& text) { Platform::LastError<QORFacet, ON_wString>::Set(text); }

int QORFacet::IsPointInsideFacet(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C, const ON_3dPoint& P)
{
  if (QORPoint::Equal(P, A, kTolerance) || QORPoint::Equal(P, B, kTolerance) || QORPoint::Equal(P, C, kTolerance))
    return 1;
  const ON_3dVector a = A - P, b = B - P, c = C - P;
  const double sum = QORVector::Angle(a, b, 1) + QORVector::Angle(b, c, 1) + QORVector::Angle(c, a, 1);
  return std::fabs(sum - 360.0) <= kTolerance ? 1 : 0;
}

int QORFacet::IsPointOnFacet(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C, const ON_3dPoint& P,
                             double tolerance)
{
  ON_Plane plane;
  if (!plane.CreateFromPoints(A, B, C))
    return QORLine::IsPointOnSegment(P, ON_Line(A, B), tolerance) ||
                   QORLine::IsPointOnSegment(P, ON_Line(B, C), tolerance) ||
                   QORLine::IsPointOnSegment(P, ON_Line(C, A), tolerance)
               ? 1
               : 0;
  if (std::fabs(plane.DistanceTo(P)) > tolerance)
    return 0;
  // The angle test holds only in the plane: a point off it by less than the tolerance is judged
  // by its projection.
  return IsPointInsideFacet(A, B, C, plane.ClosestPointTo(P));
}

int QORFacet::IntersectWithin(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C, const ON_Line& line,
                              double low, double high, ON_3dPoint& point)
{
  ON_Plane plane;
  double t = 0.0;
  if (!plane.CreateFromPoints(A, B, C) || !ON_Intersect(line, plane, &t) || t < low || t > high)
    return 0;
  point = line.PointAt(t);
  return IsPointInsideFacet(A, B, C, point);
}

int QORFacet::IntersectLine(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C, const ON_Line& line,
                            ON_3dPoint& point)
{
  const double unbounded = std::numeric_limits<double>::infinity();
  return IntersectWithin(A, B, C, line, -unbounded, unbounded, point);
}

int QORFacet::IntersectRay(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C, const ON_Line& ray,
                           ON_3dPoint& point)
{
  return IntersectWithin(A, B, C, ray, 0.0, std::numeric_limits<double>::infinity(), point);
}

int QORFacet::IntersectSegment(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C, const ON_Line& segment,
                               ON_3dPoint& point)
{
  return IntersectWithin(A, B, C, segment, 0.0, 1.0, point);
}

ON_3dPoint QORFacet::Centroid(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C)
{
  return ON_3dPoint((A.x + B.x + C.x) / 3.0, (A.y + B.y + C.y) / 3.0, (A.z + B.z + C.z) / 3.0);
}

double QORFacet::ClosestDistanceToPoint(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C,
                                        const ON_3dPoint& P)
{
  ON_Plane plane;
  if (plane.CreateFromPoints(A, B, C) && IsPointOnFacet(A, B, C, plane.ClosestPointTo(P), kTolerance))
    return std::fabs(plane.DistanceTo(P));
  double best = DBL_MAX;
  const ON_Line sides[3] = {ON_Line(A, B), ON_Line(B, C), ON_Line(C, A)};
  for (const ON_Line& side : sides)
    best = std::min(best, QORLine::ClosestDistanceToSegment(P, side, kTolerance));
  return best;
}
