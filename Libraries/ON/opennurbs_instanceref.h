#pragma once

#include "opennurbs_geometry.h"
#include "opennurbs_uuid.h"
#include "opennurbs_xform.h"

class ON_BinaryArchive;

// A placed copy of an instance definition: the definition's id and its transformation.
class ON_CLASS ON_InstanceRef : public ON_Geometry
{
  ON_OBJECT_DECLARE(ON_InstanceRef);

public:
  ON_InstanceRef();

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  ON::object_type ObjectType() const override;
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;

  ON_UUID m_instance_definition_uuid;
  ON_Xform m_xform;
  ON_BoundingBox m_bbox;
};
