#pragma once

#include "opennurbs_object.h"
#include "opennurbs_color.h"
#include "opennurbs_uuid.h"
#include "opennurbs_wstring.h"

class ON_BinaryArchive;

// Render material table entry in the layout of version 2 and 3 files (version 4 records are read too).
class ON_CLASS ON_Material : public ON_Object
{
  ON_OBJECT_DECLARE(ON_Material);

public:
  ON_Material();

  void Default();
  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;
  ON::object_type ObjectType() const override;

  bool SetMaterialName(const wchar_t* name);
  const ON_wString& MaterialName() const;
  int MaterialIndex() const;
  void SetMaterialIndex(int index);
  ON_Color Diffuse() const;
  void SetDiffuse(ON_Color color);

  int m_material_index = 0;
  ON_UUID m_material_id;
  ON_UUID m_plugin_id;
  ON_wString m_material_name;
  ON_Color m_ambient;
  ON_Color m_diffuse;
  ON_Color m_emission;
  ON_Color m_specular;
  ON_Color m_reflection;
  ON_Color m_transparent;
  double m_index_of_refraction = 1.0;
  double m_shine = 0.0;
  double m_transparency = 0.0;
  // Texture, bump and environment maps: file name and mode (0 none, 1 modulate, 2 decal).
  ON_wString m_bitmap_filename;
  int m_bitmap_mode = 0;
  ON_wString m_bump_filename;
  int m_bump_mode = 0;
  double m_bump_scale = 1.0;
  ON_wString m_emap_filename;
  int m_emap_mode = 0;

private:
  bool ReadVersion4(ON_BinaryArchive& archive);
};
