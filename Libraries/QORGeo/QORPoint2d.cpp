#include "QORPoint2d.h"

#include "QORPlanarExact.h"
#include "LastError.h"

#include <cmath>

ON_wString QORPoint2d::GetError() { return Platform::LastError<QORPoint2d, ON_wString>::Get(); }

void QORPoint2d::SetError(const ON_wString& text) { Platform::LastError<QORPoint2d, ON_wString>::Set(text); }

void QORPoint2d::Unset(ON_2dPoint& point) { point = ON_2dPoint(ON_UNSET_VALUE, ON_UNSET_VALUE); }

int QORPoint2d::Equal(const ON_3dPoint& a, const ON_3dPoint& b, double tolerance)
{
  return QORPlanarExact::CompareDistance(a, b, tolerance) <= 0 ? 1 : 0;
}

double QORPoint2d::Distance(const ON_3dPoint& a, const ON_3dPoint& b)
{
  const double dx = a.x - b.x, dy = a.y - b.y;
  return std::sqrt(dx * dx + dy * dy);
}
