#pragma once

#include "opennurbs.h"

// Transformations of geometry objects. Static only.
class QORGeometry
{
public:
  QORGeometry() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Scales the object by the three factors along x, y and z about the centre.
  static void Scale(ON_Geometry& geometry, const ON_3dVector& factors, const ON_3dPoint& centre);
};
