#include "QORGeometry.h"
#include "LastError.h"

ON_wString QORGeometry::GetError() { return Platform::LastError<QORGeometry, ON_wString>::Get(); }

void QORGeometry::SetError(const ON_wString& text) { Platform::LastError<QORGeometry, ON_wString>::Set(text); }

void QORGeometry::Scale(ON_Geometry& geometry, const ON_3dVector& factors, const ON_3dPoint& centre)
{
  const bool moved = centre != ON_3dPoint::Origin;
  ON_Xform xform;
  if (moved)
  {
    xform.Translation(-ON_3dVector(centre));
    if (!geometry.Transform(xform))
      return;
  }
  xform.Scale(factors);
  geometry.Transform(xform);
  if (moved)
  {
    // Moved back even when the scaling failed, so the object is never left shifted.
    xform.Translation(ON_3dVector(centre));
    geometry.Transform(xform);
  }
}
