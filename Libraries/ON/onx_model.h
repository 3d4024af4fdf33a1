#pragma once

#include "opennurbs_3dmproperties.h"
#include "opennurbs_3dmsettings.h"
#include "opennurbs_bitmap.h"
#include "opennurbs_dimstyle.h"
#include "opennurbs_font.h"
#include "opennurbs_group.h"
#include "opennurbs_instancedefinition.h"
#include "opennurbs_layer.h"
#include "opennurbs_material.h"
#include "onx_model_object.h"
#include "onx_model_renderlight.h"

class ON_BinaryArchive;
class ON_TextLog;

// A whole 3DM model in memory: properties, settings, tables and objects.
// Reading keeps every object of a known class; others are skipped and counted by class.
class ON_CLASS ONX_Model
{
public:
  ONX_Model();
  ~ONX_Model();
  ONX_Model(const ONX_Model&) = delete;
  ONX_Model& operator=(const ONX_Model&) = delete;

  // Empties every table and resets properties and settings.
  void Destroy();

  bool Read(const char* filename, ON_TextLog* error_log = nullptr);
  bool Read(ON_BinaryArchive& archive, ON_TextLog* error_log = nullptr);
  // Version 2 or 3 (any other number writes version 3). The file is written only when
  // the whole model was; the model is not changed (see Polish).
  bool Write(const char* filename, int version, const char* comment = nullptr, ON_TextLog* error_log = nullptr) const;
  bool Write(ON_BinaryArchive& archive, int version, const char* comment = nullptr,
             ON_TextLog* error_log = nullptr) const;

  // Makes the tables consistent before writing: a layer exists, table indices are positions,
  // objects refer to existing layers and have unique ids.
  void Polish();

  int ObjectIndex(ON_UUID object_uuid) const;
  int IDefIndex(ON_UUID idef_uuid) const;
  int IDefIndex(const wchar_t* idef_name) const;

  // Objects left out on reading because their class is not supported, and their classes
  // as "ON_Brep 3, ON_Hatch 1".
  int SkippedObjectCount() const;
  ON_wString SkippedObjectSummary() const;
  void AddSkippedObject(const char* class_name);
  // Other content left out on reading: user data, tables and table records this core does not
  // read ("user data 2, user table 1").
  int SkippedRecordCount() const;
  ON_wString SkippedRecordSummary() const;
  void AddSkippedRecord(const char* what, int count = 1);

  ON_String m_sStartSectionComments;
  int m_3dm_file_version = 0;
  unsigned int m_3dm_opennurbs_version = 0;
  ON_3dmProperties m_properties;
  ON_3dmSettings m_settings;
  ON_SimpleArray<ON_Bitmap*> m_bitmap_table;
  ON_ClassArray<ON_Material> m_material_table;
  ON_ClassArray<ON_Layer> m_layer_table;
  ON_ClassArray<ON_Group> m_group_table;
  ON_ClassArray<ON_Font> m_font_table;
  ON_ClassArray<ON_DimStyle> m_dimstyle_table;
  ON_ClassArray<ONX_Model_RenderLight> m_light_table;
  ON_ClassArray<ON_InstanceDefinition> m_idef_table;
  ON_ClassArray<ONX_Model_Object> m_object_table;
  // User tables (plug-in data), kept as read and written back in the same version.
  ON_RawChunks m_unread_tables;

private:
  // Counts by name, in order of first appearance.
  class Tally
  {
  public:
    void Add(const char* name, int count);
    int Total() const;
    ON_wString Summary() const;
    void Clear();

  private:
    ON_ClassArray<ON_String> m_names;
    ON_SimpleArray<int> m_counts;
  };

  Tally m_skipped_objects;
  Tally m_skipped_records;
};
