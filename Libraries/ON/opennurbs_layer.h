#pragma once

#include "opennurbs_object.h"
#include "opennurbs_color.h"
#include "opennurbs_uuid.h"
#include "opennurbs_wstring.h"

class ON_BinaryArchive;

// Layer table entry; objects refer to a layer by its index in the table.
class ON_CLASS ON_Layer : public ON_Object
{
  ON_OBJECT_DECLARE(ON_Layer);

public:
  ON_Layer();

  void Default();
  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;
  ON::object_type ObjectType() const override;

  bool SetLayerName(const wchar_t* name);
  const ON_wString& LayerName() const;
  void SetColor(ON_Color color);
  ON_Color Color() const;
  void SetVisible(bool visible);
  bool IsVisible() const;
  void SetLocked(bool locked);
  bool IsLocked() const;
  void SetLayerIndex(int index);
  int LayerIndex() const;

  ON_wString m_name;
  int m_layer_index = 0;
  ON_UUID m_layer_id;
  int m_iges_level = -1;
  int m_material_index = -1;
  int m_linetype_index = -1;
  ON_Color m_color;
  ON_Color m_plot_color;
  double m_plot_weight_mm = 0.0;
  bool m_bVisible = true;
  bool m_bLocked = false;
};
