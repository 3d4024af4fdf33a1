#include "opennurbs.h"

#include <string>

ONX_Model::ONX_Model() = default;

ONX_Model::~ONX_Model() { Destroy(); }

void ONX_Model::Destroy()
{
  m_sStartSectionComments.Empty();
  m_3dm_file_version = 0;
  m_3dm_opennurbs_version = 0;
  m_properties.Default();
  m_settings.Default();
  for (int i = 0; i < m_bitmap_table.Count(); ++i)
    delete m_bitmap_table[i];
  m_bitmap_table.Destroy();
  m_material_table.Destroy();
  m_layer_table.Destroy();
  m_group_table.Destroy();
  m_font_table.Destroy();
  m_dimstyle_table.Destroy();
  m_light_table.Destroy();
  m_idef_table.Destroy();
  m_object_table.Destroy();
  m_unread_tables = ON_RawChunks();
  m_skipped_objects.Clear();
  m_skipped_records.Clear();
}

namespace
{
template <class T>
void IndexByPosition(ON_ClassArray<T>& table, void (T::*set_index)(int))
{
  for (int i = 0; i < table.Count(); ++i)
    (table[i].*set_index)(i);
}

void GiveUniqueId(ON_UUID& id, ON_SimpleArray<ON_UUID>& used)
{
  bool fresh = ON_UuidIsNotNil(id);
  for (int i = 0; fresh && i < used.Count(); ++i)
    fresh = used[i] != id;
  if (!fresh)
    ON_CreateUuid(id);
  used.Append(id);
}
} // namespace

void ONX_Model::Polish()
{
  if (m_layer_table.Count() == 0)
  {
    ON_Layer& layer = m_layer_table.AppendNew();
    layer.SetLayerName(L"Default");
  }
  IndexByPosition(m_layer_table, &ON_Layer::SetLayerIndex);
  IndexByPosition(m_material_table, &ON_Material::SetMaterialIndex);
  IndexByPosition(m_group_table, &ON_Group::SetGroupIndex);
  IndexByPosition(m_font_table, &ON_Font::SetFontIndex);
  IndexByPosition(m_dimstyle_table, &ON_DimStyle::SetIndex);
  for (int i = 0; i < m_light_table.Count(); ++i)
    m_light_table[i].m_light.SetLightIndex(i);
  for (int i = 0; i < m_idef_table.Count(); ++i)
    if (ON_UuidIsNil(m_idef_table[i].m_uuid))
      ON_CreateUuid(m_idef_table[i].m_uuid);
  ON_SimpleArray<ON_UUID> used(m_object_table.Count());
  for (int i = 0; i < m_object_table.Count(); ++i)
  {
    ON_3dmObjectAttributes& attributes = m_object_table[i].m_attributes;
    if (attributes.m_layer_index < 0 || attributes.m_layer_index >= m_layer_table.Count())
      attributes.m_layer_index = 0;
    if (attributes.m_material_index >= m_material_table.Count())
      attributes.m_material_index = -1;
    GiveUniqueId(attributes.m_uuid, used);
  }
  if (m_settings.m_current_layer_index < 0 || m_settings.m_current_layer_index >= m_layer_table.Count())
    m_settings.m_current_layer_index = 0;
}

int ONX_Model::ObjectIndex(ON_UUID object_uuid) const
{
  if (ON_UuidIsNil(object_uuid))
    return -1;
  for (int i = 0; i < m_object_table.Count(); ++i)
    if (m_object_table[i].m_attributes.m_uuid == object_uuid)
      return i;
  return -1;
}

int ONX_Model::IDefIndex(ON_UUID idef_uuid) const
{
  if (ON_UuidIsNil(idef_uuid))
    return -1;
  for (int i = 0; i < m_idef_table.Count(); ++i)
    if (m_idef_table[i].m_uuid == idef_uuid)
      return i;
  return -1;
}

int ONX_Model::IDefIndex(const wchar_t* idef_name) const
{
  if (!idef_name || !idef_name[0])
    return -1;
  for (int i = 0; i < m_idef_table.Count(); ++i)
    if (m_idef_table[i].m_name == idef_name)
      return i;
  return -1;
}

int ONX_Model::SkippedObjectCount() const { return m_skipped_objects.Total(); }

ON_wString ONX_Model::SkippedObjectSummary() const { return m_skipped_objects.Summary(); }

void ONX_Model::AddSkippedObject(const char* class_name) { m_skipped_objects.Add(class_name, 1); }

int ONX_Model::SkippedRecordCount() const { return m_skipped_records.Total(); }

ON_wString ONX_Model::SkippedRecordSummary() const { return m_skipped_records.Summary(); }

void ONX_Model::AddSkippedRecord(const char* what, int count) { m_skipped_records.Add(what, count); }

void ONX_Model::Tally::Add(const char* name, int count)
{
  if (count <= 0)
    return;
  for (int i = 0; i < m_names.Count(); ++i)
    if (m_names[i] == name)
    {
      m_counts[i] += count;
      return;
    }
  m_names.Append(ON_String(name));
  m_counts.Append(count);
}

int ONX_Model::Tally::Total() const
{
  int total = 0;
  for (int i = 0; i < m_counts.Count(); ++i)
    total += m_counts[i];
  return total;
}

ON_wString ONX_Model::Tally::Summary() const
{
  ON_wString summary;
  for (int i = 0; i < m_names.Count(); ++i)
  {
    if (i > 0)
      summary += L", ";
    summary += ON_wString(m_names[i].Array());
    summary += L" ";
    summary += std::to_wstring(m_counts[i]).c_str();
  }
  return summary;
}

void ONX_Model::Tally::Clear()
{
  m_names.Destroy();
  m_counts.Destroy();
}
