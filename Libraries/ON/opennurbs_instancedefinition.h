#pragma once

#include "opennurbs_geometry.h"
#include "opennurbs_array.h"
#include "opennurbs_bounding_box.h"
#include "opennurbs_uuid.h"
#include "opennurbs_wstring.h"

class ON_BinaryArchive;

// Block definition: a named set of objects (by id) that instance references place.
class ON_CLASS ON_InstanceDefinition : public ON_Geometry
{
  ON_OBJECT_DECLARE(ON_InstanceDefinition);

public:
  ON_InstanceDefinition();

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;
  ON::object_type ObjectType() const override;
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool grow = false) const override;

  void SetName(const wchar_t* name);
  const wchar_t* Name() const;
  void SetDescription(const wchar_t* description);
  const wchar_t* Description() const;
  void SetUuid(ON_UUID uuid);
  ON_UUID Uuid() const;
  void SetBoundingBox(ON_BoundingBox bbox);
  ON_BoundingBox BoundingBox() const;

  ON_UUID m_uuid;
  ON_SimpleArray<ON_UUID> m_object_uuid;
  ON_wString m_name;
  ON_wString m_description;
  ON_wString m_url;
  ON_wString m_url_tag;
  ON_BoundingBox m_bbox;
  // 0 static, 1 embedded, 2 linked and embedded, 3 linked.
  unsigned int m_idef_update_type = 0;
  ON_wString m_source_archive;
};
