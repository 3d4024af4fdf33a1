#pragma once

#include "opennurbs_3fvector.h"
#include "opennurbs_simplearray.h"

// Single-precision vector list (mesh normals).
class ON_CLASS ON_3fVectorArray : public ON_SimpleArray<ON_3fVector>
{
public:
  ON_3fVectorArray() = default;
  explicit ON_3fVectorArray(int initial_capacity) : ON_SimpleArray<ON_3fVector>(initial_capacity) {}
  ON_3fVectorArray(const ON_3fVectorArray&) = default;
  ON_3fVectorArray& operator=(const ON_3fVectorArray&) = default;
  ~ON_3fVectorArray() override = default;
};
