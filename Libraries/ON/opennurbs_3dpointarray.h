#pragma once

#include "opennurbs_3dpoint.h"
#include "opennurbs_bounding_box.h"
#include "opennurbs_simplearray.h"

class ON_Xform;

// The point list used throughout the system.
class ON_CLASS ON_3dPointArray : public ON_SimpleArray<ON_3dPoint>
{
public:
  ON_3dPointArray() = default;
  explicit ON_3dPointArray(int initial_capacity);
  ON_3dPointArray(const ON_SimpleArray<ON_3dPoint>& src);
  ON_3dPointArray(const ON_3dPointArray&) = default;
  ON_3dPointArray& operator=(const ON_3dPointArray&) = default;
  ON_3dPointArray(ON_3dPointArray&&) noexcept = default;
  ON_3dPointArray& operator=(ON_3dPointArray&&) noexcept = default;
  ON_3dPointArray& operator=(const ON_SimpleArray<ON_3dPoint>& src);
  ~ON_3dPointArray() override = default;

  // Copies count points of dimension 2 or 3 (rational ones divided by their weight).
  bool Create(int point_dimension, int bRational, int point_count, int point_stride, const double* points);

  // Box of all points; an empty array gives the (invalid) empty box.
  ON_BoundingBox BoundingBox() const;
  ON_BoundingBox BoundingBox(int from, int count) const;
  bool GetBoundingBox(ON_BoundingBox& bbox, int bGrowBox = false) const;
  bool GetBBox(double boxmin[3], double boxmax[3], bool bGrowBox = false) const;

  // Transforms every point (ON_3dPoint::Transform); false when the array is empty.
  bool Transform(const ON_Xform& xform);
  // Moves every point; false when the array is empty.
  bool Translate(const ON_3dVector& delta);
  bool SwapCoordinates(int i, int j);

  // Index of the nearest point (the first of equals); false when empty or, with
  // maximum_distance > 0, when the nearest point is farther than that.
  bool GetClosestPoint(ON_3dPoint P, int* closest_point_index, double maximum_distance = 0.0) const;
};
