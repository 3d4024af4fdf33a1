#include "opennurbs_line.h"

#include "opennurbs_bounding_box.h"

ON_3dPoint& ON_Line::operator[](int i) { return (i <= 0) ? from : to; }
const ON_3dPoint& ON_Line::operator[](int i) const { return (i <= 0) ? from : to; }

bool ON_Line::Create(const ON_3dPoint& start, const ON_3dPoint& end)
{
  from = start;
  to = end;
  return IsValid();
}

bool ON_Line::IsValid() const { return from != to && from.IsValid() && to.IsValid(); }

double ON_Line::Length() const { return from.DistanceTo(to); }

ON_3dVector ON_Line::Direction() const { return to - from; }

ON_3dVector ON_Line::Tangent() const
{
  ON_3dVector v = Direction();
  v.Unitize();
  return v;
}

ON_3dPoint ON_Line::PointAt(double t) const
{
  // v5 rule; later releases evaluate from the nearer end instead.
  const double s = 1.0 - t;
  return ON_3dPoint((from.x == to.x) ? from.x : s * from.x + t * to.x,
                    (from.y == to.y) ? from.y : s * from.y + t * to.y,
                    (from.z == to.z) ? from.z : s * from.z + t * to.z);
}

bool ON_Line::ClosestPointTo(const ON_3dPoint& point, double* t) const
{
  if (!t)
    return false;
  const ON_3dVector D = Direction();
  const double DoD = D.LengthSquared();
  if (!(DoD > 0.0))
  {
    *t = 0.0; // v5 reports a degenerate line as a failure; later releases return true
    return false;
  }
  if ((point - from).LengthSquared() <= (point - to).LengthSquared())
    *t = ((point - from) * D) / DoD;
  else
    *t = 1.0 + ((point - to) * D) / DoD;
  return true;
}

ON_3dPoint ON_Line::ClosestPointTo(const ON_3dPoint& point) const
{
  double t = 0.0;
  ClosestPointTo(point, &t);
  return PointAt(t);
}

double ON_Line::DistanceTo(const ON_3dPoint& point) const { return point.DistanceTo(ClosestPointTo(point)); }

double ON_Line::MinimumDistanceTo(const ON_3dPoint& point) const
{
  double t = 0.0;
  if (!ClosestPointTo(point, &t))
    return point.DistanceTo(from);
  if (t < 0.0)
    t = 0.0;
  else if (t > 1.0)
    t = 1.0;
  return point.DistanceTo(PointAt(t));
}

ON_BoundingBox ON_Line::BoundingBox() const
{
  ON_BoundingBox bbox;
  GetBoundingBox(bbox);
  return bbox;
}

bool ON_Line::GetBoundingBox(ON_BoundingBox& bbox, int bGrowBox) const
{
  const ON_3dPoint ends[2] = {from, to};
  return bbox.Set(3, 0, 2, 3, &ends[0].x, bGrowBox);
}

bool ON_Line::Transform(const ON_Xform& xform)
{
  from.Transform(xform);
  to.Transform(xform);
  return true;
}

void ON_Line::Reverse()
{
  const ON_3dPoint p = from;
  from = to;
  to = p;
}
