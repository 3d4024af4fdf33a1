#pragma once

#include "opennurbs_bounding_box.h"
#include "opennurbs_object.h"

class ON_Xform;

// Base of the classes with a location in space.
class ON_CLASS ON_Geometry : public ON_Object
{
  ON_OBJECT_DECLARE(ON_Geometry);

public:
  ON_Geometry() = default;
  ON_Geometry(const ON_Geometry&) = default;
  ON_Geometry& operator=(const ON_Geometry&) = default;
  ~ON_Geometry() override = default;

  // Dimension of the space the object lives in.
  virtual int Dimension() const;

  // Writes Dimension() values to each of boxmin and boxmax; grows them when bGrowBox is set.
  virtual bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const = 0;

  // Applies xform to the object. Abstract in the toolkit; here classes that cannot be
  // transformed keep this default, which reports failure.
  virtual bool Transform(const ON_Xform& xform);

  // Three-dimensional box (an empty box when the object has none).
  ON_BoundingBox BoundingBox() const;
  bool GetBoundingBox(ON_BoundingBox& bbox, int bGrowBox = false) const;
  bool GetBoundingBox(ON_3dPoint& bbox_min, ON_3dPoint& bbox_max, int bGrowBox = false) const;
};
