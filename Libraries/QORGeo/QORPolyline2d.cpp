#include "QORPolyline2d.h"

#include "QORLine2d.h"
#include "LastError.h"

ON_wString QORPolyline2d::GetError() { return Platform::LastError<QORPolyline2d, ON_wString>::Get(); }

void QORPolyline2d::SetError(const ON_wString& text) { Platform::LastError<QORPolyline2d, ON_wString>::Set(text); }

int QORPolyline2d::Offset(ON_Polyline& polyline, double distance, int side)
{
  if (distance == 0.0)
    return 1;
  const int count = polyline.Count();
  if ((side != 1 && side != 2) || count < 2)
    return 0;
  const bool closed = polyline.IsClosed(0.0);
  const ON_Polyline source = polyline;
  const double d = side == 1 ? distance : -distance;
  for (int i = 0; i < count; i++)
  {
    const ON_3dPoint& current = source[i];
    const ON_3dPoint* previous = i > 0 ? &source[i - 1] : (closed ? &source[count - 2] : nullptr);
    const ON_3dPoint* next = i + 1 < count ? &source[i + 1] : (closed ? &source[1] : nullptr);
    ON_3dVector in = previous ? current - *previous : *next - current;
    ON_3dVector out = next ? *next - current : current - *previous;
    in.z = 0.0;
    out.z = 0.0;
    in.Unitize();
    out.Unitize();
    ON_3dVector bisector = in + out;
    if (!bisector.Unitize())
      bisector = in; // a turn straight back
    polyline[i].x = current.x - d * bisector.y;
    polyline[i].y = current.y + d * bisector.x;
  }
  return 1;
}

int QORPolyline2d::IntersectSegment(const ON_Polyline& polyline, const ON_Line& line, ON_Line& hitSegment,
                                    ON_3dPoint& onPolyline, ON_3dPoint& onLine, int endContact, double tolerance)
{
  for (int i = 1; i < polyline.Count(); i++)
  {
    const ON_Line segment(polyline[i - 1], polyline[i]);
    if (QORLine2d::IntersectSegments(segment, line, onPolyline, onLine, endContact, tolerance))
    {
      hitSegment = segment;
      return 1;
    }
  }
  return 0;
}

int QORPolyline2d::IntersectSegment(const ON_Polyline& polyline, const ON_Line& line, ON_2dPoint& point, int endContact,
                                    double tolerance)
{
  for (int i = 1; i < polyline.Count(); i++)
    if (QORLine2d::IntersectSegments(ON_Line(polyline[i - 1], polyline[i]), line, point, endContact, tolerance))
      return 1;
  return 0;
}

int QORPolyline2d::Make2d(ON_Polyline& polyline)
{
  for (int i = 0; i < polyline.Count(); i++)
    polyline[i].z = 0.0;
  return 1;
}
