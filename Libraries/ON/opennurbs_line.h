#pragma once

#include "opennurbs_3dpoint.h"
#include "opennurbs_3dvector.h"

class ON_BoundingBox;
class ON_Xform;

// Line from `from` to `to`, parametrized by 0 at from and 1 at to.
class ON_CLASS ON_Line
{
public:
  ON_3dPoint from;
  ON_3dPoint to;

  // Both ends at the origin.
  constexpr ON_Line() : from(0.0, 0.0, 0.0), to(0.0, 0.0, 0.0) {}
  constexpr ON_Line(const ON_3dPoint& start, const ON_3dPoint& end) : from(start), to(end) {}

  ON_3dPoint& operator[](int i);
  const ON_3dPoint& operator[](int i) const;

  bool Create(const ON_3dPoint& start, const ON_3dPoint& end);

  // Ends valid and different.
  bool IsValid() const;
  double Length() const;
  ON_3dVector Direction() const; // to - from
  ON_3dVector Tangent() const;   // unit direction, zero for a degenerate line

  // Per coordinate (1-t)*from + t*to; a coordinate equal at both ends is returned exactly (v5).
  ON_3dPoint PointAt(double t) const;

  // Parameter of the closest point on the infinite line (not clamped to [0,1]).
  // A degenerate line gives t = 0 and false (v5).
  bool ClosestPointTo(const ON_3dPoint& point, double* t) const;
  ON_3dPoint ClosestPointTo(const ON_3dPoint& point) const;
  // Distance to the infinite line.
  double DistanceTo(const ON_3dPoint& point) const;
  // Distance to the segment between from and to.
  double MinimumDistanceTo(const ON_3dPoint& point) const;

  ON_BoundingBox BoundingBox() const;
  bool GetBoundingBox(ON_BoundingBox& bbox, int bGrowBox = false) const;

  // Transforms both ends.
  bool Transform(const ON_Xform& xform);

  // Exchanges from and to.
  void Reverse();
};
