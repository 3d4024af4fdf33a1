#include "QORFacet2d.h"

#include "QORPoint2d.h"
#include "QORVector2d.h"
#include "LastError.h"

#include <cmath>

ON_wString QORFacet2d::GetError() { return Platform::LastError<QORFacet2d, ON_wString>::Get(); }

void QORFacet2d::SetError(const ON_wString& text) { Platform::LastError<QORFacet2d, ON_wString>::Set(text); }

int QORFacet2d::IsPointInsideFacet(const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C, const ON_3dPoint& P)
{
  const double tolerance = 0.0001;
  if (QORPoint2d::Equal(P, A, tolerance) || QORPoint2d::Equal(P, B, tolerance) || QORPoint2d::Equal(P, C, tolerance))
    return 1;
  const ON_2dVector a(A.x - P.x, A.y - P.y), b(B.x - P.x, B.y - P.y), c(C.x - P.x, C.y - P.y);
  const double sum = QORVector2d::Angle(a, b, 1) + QORVector2d::Angle(b, c, 1) + QORVector2d::Angle(c, a, 1);
  return std::fabs(sum - 360.0) <= tolerance ? 1 : 0;
}
