#pragma once

#include "opennurbs_geometry.h"

// A single point as a geometry object (point objects of a model).
class ON_CLASS ON_Point : public ON_Geometry
{
  ON_OBJECT_DECLARE(ON_Point);

public:
  ON_3dPoint point;

  ON_Point();
  ON_Point(const ON_3dPoint& pt);
  ON_Point(double x, double y, double z);
  ON_Point(const ON_Point&) = default;
  ON_Point& operator=(const ON_Point&) = default;
  ON_Point& operator=(const ON_3dPoint& pt);
  ~ON_Point() override = default;

  operator double*();
  operator const double*() const;
  operator ON_3dPoint*();
  operator const ON_3dPoint*() const;
  operator ON_3dPoint&();
  operator const ON_3dPoint&() const;

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  ON::object_type ObjectType() const override;
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  bool Transform(const ON_Xform& xform) override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;
};
