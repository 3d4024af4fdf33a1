#pragma once

#include "opennurbs.h"

// Extents of bounding boxes. Static only.
class QORBoundingBox
{
public:
  QORBoundingBox() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // max - min in x, y and z.
  static double Length(const ON_BoundingBox& box);
  static double Breadth(const ON_BoundingBox& box);
  static double Height(const ON_BoundingBox& box);
  // The larger of Length and Breadth, whatever the name says: callers size grids by it.
  static double MinOfLengthBreadth(const ON_BoundingBox& box);
  // The first mesh's box united with every further mesh's box; the empty (invalid) box for no meshes.
  static ON_BoundingBox GetBoundingBox(const ON_ClassArray<ON_Mesh>& meshes);
};
