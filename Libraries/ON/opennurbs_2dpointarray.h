#pragma once

#include "opennurbs_2dpoint.h"
#include "opennurbs_simplearray.h"

// Double-precision 2-D point list.
class ON_CLASS ON_2dPointArray : public ON_SimpleArray<ON_2dPoint>
{
public:
  ON_2dPointArray() = default;
  explicit ON_2dPointArray(int initial_capacity) : ON_SimpleArray<ON_2dPoint>(initial_capacity) {}
  ON_2dPointArray(const ON_2dPointArray&) = default;
  ON_2dPointArray& operator=(const ON_2dPointArray&) = default;
  ~ON_2dPointArray() override = default;
};
