#pragma once

#include "opennurbs_3dpoint.h"
#include "opennurbs_3dvector.h"
#include "opennurbs_simplearray.h"

class ON_3dPointArray;

// Axis-aligned box; the default box (min (1,0,0), max (-1,0,0)) is empty and invalid.
class ON_CLASS ON_BoundingBox
{
public:
  ON_3dPoint m_min;
  ON_3dPoint m_max;

  static const ON_BoundingBox EmptyBoundingBox;

  constexpr ON_BoundingBox() : m_min(1.0, 0.0, 0.0), m_max(-1.0, 0.0, 0.0) {}
  constexpr ON_BoundingBox(const ON_3dPoint& min_pt, const ON_3dPoint& max_pt) : m_min(min_pt), m_max(max_pt) {}

  // Back to the empty box.
  void Destroy();

  // Boxes of point lists; when bGrowBox is set and this box is valid, the box grows instead.
  // An empty list and bGrowBox clear empty the box and return false.
  bool Set(int dim, int is_rat, int count, int stride, const double* points, int bGrowBox = false);
  bool Set(const ON_3dPoint& point, int bGrowBox = false);
  bool Set(const ON_SimpleArray<ON_3dPoint>& points, int bGrowBox = false);

  // Min <= max in every coordinate and every value valid; a single point is a valid box.
  bool IsValid() const;

  const ON_3dPoint& Min() const;
  const ON_3dPoint& Max() const;
  ON_3dPoint Center() const;
  ON_3dVector Diagonal() const;
  double Volume() const;
  // Corner by index 0 (min) or 1 (max) per coordinate.
  ON_3dPoint Corner(int x_index, int y_index, int z_index) const;
  // The eight corners, x index outermost and z innermost; false for an invalid box.
  bool GetCorners(ON_3dPoint corners[8]) const;
  bool GetCorners(ON_3dPointArray& corners) const;

  // Inside or on the box (strictly inside when bStrictlyIn).
  bool IsPointIn(const ON_3dPoint& point, int bStrictlyIn = false) const;

  // Both valid: grow; one valid: that one; none: the empty box. Returns IsValid().
  bool Union(const ON_BoundingBox& other);
  bool Union(const ON_BoundingBox& a, const ON_BoundingBox& b);
  // Overlap of the boxes; disjoint or invalid input gives the empty box. Returns IsValid().
  bool Intersection(const ON_BoundingBox& other);
  bool Intersection(const ON_BoundingBox& a, const ON_BoundingBox& b);
};

// Box of a strided list of count points of dimension dim (rational points are divided by
// their weight, zero weights skipped); grows the given box when bGrowBox and it is valid.
ON_DECL bool ON_GetPointListBoundingBox(int dim, int is_rat, int count, int stride, const double* points,
                                        double* boxmin, double* boxmax, int bGrowBox);
