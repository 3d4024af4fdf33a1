#pragma once

#include "opennurbs_object.h"
#include "opennurbs_array.h"
#include "opennurbs_color.h"
#include "opennurbs_uuid.h"
#include "opennurbs_wstring.h"

class ON_BinaryArchive;

// Per-object model data of an object table record: id, name, layer, colour, visibility, groups.
class ON_CLASS ON_3dmObjectAttributes : public ON_Object
{
  ON_OBJECT_DECLARE(ON_3dmObjectAttributes);

public:
  ON_3dmObjectAttributes();

  void Default();
  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;

  ON::object_mode Mode() const;
  void SetMode(ON::object_mode mode);
  ON::object_color_source ColorSource() const;
  void SetColorSource(ON::object_color_source source);
  ON::object_material_source MaterialSource() const;
  void SetMaterialSource(ON::object_material_source source);
  bool IsVisible() const;
  void SetVisible(bool visible);
  int GroupCount() const;
  const int* GroupList() const;
  void AddToGroup(int group_index);
  bool IsInGroup(int group_index) const;
  void RemoveFromAllGroups();

  ON_UUID m_uuid;
  ON_wString m_name;
  ON_wString m_url;
  int m_layer_index = 0;
  int m_material_index = -1;
  ON_Color m_color;
  int m_wire_density = 1;

private:
  bool ReadItemCoded(ON_BinaryArchive& archive);
  bool ReadItem(ON_BinaryArchive& archive, unsigned char code, bool& known);

  unsigned char m_mode = 0;
  unsigned char m_color_source = 0;
  unsigned char m_linetype_source = 0;
  unsigned char m_material_source = 0;
  bool m_bVisible = true;
  ON_SimpleArray<int> m_group;
};
