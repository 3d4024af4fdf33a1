#pragma once

#include "opennurbs_3fpoint.h"
#include "opennurbs_bounding_box.h"
#include "opennurbs_simplearray.h"

// Single-precision point list (mesh vertices).
class ON_CLASS ON_3fPointArray : public ON_SimpleArray<ON_3fPoint>
{
public:
  ON_3fPointArray() = default;
  explicit ON_3fPointArray(int initial_capacity);
  ON_3fPointArray(const ON_3fPointArray&) = default;
  ON_3fPointArray& operator=(const ON_3fPointArray&) = default;
  ~ON_3fPointArray() override = default;

  // Box of all points; an empty array gives the (invalid) empty box.
  ON_BoundingBox BoundingBox() const;
  bool GetBBox(float boxmin[3], float boxmax[3], bool bGrowBox = false) const;
};
