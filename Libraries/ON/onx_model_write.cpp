// Writing of ONX_Model as a version 2 or 3 archive. The model itself is not changed: table
// indices, the default layer and object ids are made consistent on the way out.

#include "opennurbs.h"

#include <cstring>
#include <unordered_set>

namespace
{
// The toolkit version these files claim; readers expect the tables of 4.2 for it.
constexpr unsigned int kOpenNURBSVersion = 200210150u;

struct UuidHash
{
  size_t operator()(const ON_UUID& id) const
  {
    unsigned long long halves[2];
    std::memcpy(halves, &id, sizeof(halves));
    return static_cast<size_t>(halves[0] * 0x9E3779B97F4A7C15ull ^ halves[1]);
  }
};

class ModelWriter
{
public:
  ModelWriter(const ONX_Model& model, ON_BinaryArchive& archive, int version)
      : m_model(model), m_archive(archive), m_version(version)
  {
  }

  bool WriteModel(const char* comment);

private:
  bool BeginTable(unsigned int typecode);
  bool EndTable();
  bool WriteEmptyTable(unsigned int typecode);
  bool WritePropertiesTable();
  bool WriteSettingsTable();
  template <class T>
  bool WriteTable(unsigned int table_typecode, unsigned int record_typecode, const ON_ClassArray<T>& table,
                  void (T::*set_index)(int));
  bool WriteLayerTable();
  bool WriteLightTable();
  bool WriteLightRecord(const ONX_Model_RenderLight& record, int index);
  bool WriteRecord(unsigned int record_typecode, const ON_Object& object);
  bool WriteObjectTable();
  bool WriteModelObject(const ONX_Model_Object& record);
  bool WriteObjectRecord(const ON_Object& object, ON_3dmObjectAttributes attributes);
  bool WriteVersion2Object(const ON_Object& object, const ON_3dmObjectAttributes& attributes);
  bool WriteVersion2PolyCurve(const ON_PolyCurve& poly, const ON_3dmObjectAttributes& attributes);
  bool WritePointsOfCloud(const ON_PointCloud& cloud, const ON_3dmObjectAttributes& attributes);
  void PolishAttributes(ON_3dmObjectAttributes& attributes);

  const ONX_Model& m_model;
  ON_BinaryArchive& m_archive;
  int m_version;
  std::unordered_set<ON_UUID, UuidHash> m_used_ids;
};

bool ModelWriter::BeginTable(unsigned int typecode) { return m_archive.BeginWrite3dmChunk(typecode, 0); }

bool ModelWriter::EndTable()
{
  return m_archive.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_ENDOFTABLE, 0) && m_archive.EndWrite3dmChunk() &&
         m_archive.EndWrite3dmChunk();
}

bool ModelWriter::WriteEmptyTable(unsigned int typecode) { return BeginTable(typecode) && EndTable(); }

bool ModelWriter::WritePropertiesTable()
{
  return BeginTable(ON_BinaryArchive::TCODE_PROPERTIES_TABLE) &&
         m_archive.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_PROPERTIES_OPENNURBS_VERSION, kOpenNURBSVersion) &&
         m_archive.EndWrite3dmChunk() && m_model.m_properties.Write(m_archive) && EndTable();
}

bool ModelWriter::WriteSettingsTable()
{
  return BeginTable(ON_BinaryArchive::TCODE_SETTINGS_TABLE) && m_model.m_settings.Write(m_archive) && EndTable();
}

bool ModelWriter::WriteRecord(unsigned int record_typecode, const ON_Object& object)
{
  return m_archive.BeginWrite3dmChunk(record_typecode, 0) && m_archive.WriteObject(object) &&
         m_archive.EndWrite3dmChunk();
}

template <class T>
bool ModelWriter::WriteTable(unsigned int table_typecode, unsigned int record_typecode, const ON_ClassArray<T>& table,
                             void (T::*set_index)(int))
{
  if (!BeginTable(table_typecode))
    return false;
  for (int i = 0; i < table.Count(); ++i)
  {
    T entry = table[i];
    (entry.*set_index)(i);
    if (!WriteRecord(record_typecode, entry))
      return false;
  }
  return EndTable();
}

bool ModelWriter::WriteLayerTable()
{
  if (m_model.m_layer_table.Count() > 0)
    return WriteTable(ON_BinaryArchive::TCODE_LAYER_TABLE, ON_BinaryArchive::TCODE_LAYER_RECORD, m_model.m_layer_table,
                      &ON_Layer::SetLayerIndex);
  // Objects always refer to a layer: a model without one gets "Default".
  ON_Layer layer;
  layer.SetLayerName(L"Default");
  return BeginTable(ON_BinaryArchive::TCODE_LAYER_TABLE) && WriteRecord(ON_BinaryArchive::TCODE_LAYER_RECORD, layer) &&
         EndTable();
}

bool ModelWriter::WriteLightRecord(const ONX_Model_RenderLight& record, int index)
{
  ON_Light light = record.m_light;
  light.SetLightIndex(index);
  ON_3dmObjectAttributes attributes = record.m_attributes;
  PolishAttributes(attributes);
  return m_archive.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_LIGHT_RECORD, 0) && m_archive.WriteObject(light) &&
         m_archive.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_LIGHT_RECORD_ATTRIBUTES, 0) &&
         attributes.Write(m_archive) && m_archive.EndWrite3dmChunk() &&
         m_archive.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_LIGHT_RECORD_END, 0) && m_archive.EndWrite3dmChunk() &&
         m_archive.EndWrite3dmChunk();
}

bool ModelWriter::WriteLightTable()
{
  bool ok = BeginTable(ON_BinaryArchive::TCODE_LIGHT_TABLE);
  for (int i = 0; ok && i < m_model.m_light_table.Count(); ++i)
    ok = WriteLightRecord(m_model.m_light_table[i], i);
  return ok && EndTable();
}

void ModelWriter::PolishAttributes(ON_3dmObjectAttributes& attributes)
{
  if (attributes.m_layer_index < 0 || attributes.m_layer_index >= m_model.m_layer_table.Count())
    attributes.m_layer_index = 0;
  if (attributes.m_material_index >= m_model.m_material_table.Count())
    attributes.m_material_index = -1;
  // New objects have no id yet; a fresh random id needs no check against the others.
  if (ON_UuidIsNil(attributes.m_uuid) || !m_used_ids.insert(attributes.m_uuid).second)
    ON_CreateUuid(attributes.m_uuid);
}

// One complete record, or nothing: a record whose object cannot be written is taken back out.
bool ModelWriter::WriteObjectRecord(const ON_Object& object, ON_3dmObjectAttributes attributes)
{
  PolishAttributes(attributes);
  const size_t mark = m_archive.CurrentPosition();
  const int depth = m_archive.ChunkDepth();
  bool ok = m_archive.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_OBJECT_RECORD, 0) &&
            m_archive.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_OBJECT_RECORD_TYPE,
                                         static_cast<ON__INT64>(static_cast<unsigned int>(object.ObjectType()))) &&
            m_archive.EndWrite3dmChunk() && m_archive.WriteObject(object);
  ok = ok && m_archive.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_OBJECT_RECORD_ATTRIBUTES, 0) &&
       attributes.Write(m_archive) && m_archive.EndWrite3dmChunk();
  ok = ok && m_archive.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_OBJECT_RECORD_END, 0) &&
       m_archive.EndWrite3dmChunk() && m_archive.EndWrite3dmChunk();
  if (!ok)
    m_archive.RewindWrite(mark, depth);
  return ok;
}

// One point object per cloud point, each with the cloud's attributes and an id of its own.
bool ModelWriter::WritePointsOfCloud(const ON_PointCloud& cloud, const ON_3dmObjectAttributes& attributes)
{
  bool ok = true;
  for (int i = 0; i < cloud.PointCount(); ++i)
  {
    ON_3dmObjectAttributes point_attributes = attributes;
    point_attributes.m_uuid = ON_nil_uuid;
    ok = WriteObjectRecord(ON_Point(cloud[i]), point_attributes) && ok;
  }
  return ok;
}

// Version 2 has no instance definitions, knows text dots only in their old form and keeps
// every curve and surface in NURBS form.
bool ModelWriter::WriteVersion2Object(const ON_Object& object, const ON_3dmObjectAttributes& attributes)
{
  if (ON_InstanceDefinition::Cast(&object) || attributes.Mode() == ON::idef_object)
    return true;
  if (const ON_TextDot* dot = ON_TextDot::Cast(&object))
    return WriteObjectRecord(ON_OBSOLETE_V2_TextDot(*dot), attributes);
  if (const ON_PointCloud* cloud = ON_PointCloud::Cast(&object))
    return WritePointsOfCloud(*cloud, attributes);
  if (const ON_PolyCurve* poly = ON_PolyCurve::Cast(&object))
    return WriteVersion2PolyCurve(*poly, attributes);
  const ON_Curve* curve = ON_Curve::Cast(&object);
  if (curve && !ON_NurbsCurve::Cast(curve))
  {
    ON_NurbsCurve nurbs;
    return curve->GetNurbForm(nurbs) && WriteObjectRecord(nurbs, attributes);
  }
  const ON_Surface* surface = ON_Surface::Cast(&object);
  if (surface && !ON_NurbsSurface::Cast(surface))
  {
    ON_NurbsSurface nurbs;
    return surface->GetNurbForm(nurbs) && WriteObjectRecord(nurbs, attributes);
  }
  return WriteObjectRecord(object, attributes);
}

// A poly curve stays a poly curve, its segments in NURBS form.
bool ModelWriter::WriteVersion2PolyCurve(const ON_PolyCurve& poly, const ON_3dmObjectAttributes& attributes)
{
  ON_PolyCurve segments(poly);
  return segments.SynchronizeSegmentDomains() && WriteObjectRecord(segments, attributes);
}

bool ModelWriter::WriteModelObject(const ONX_Model_Object& record)
{
  if (!record.m_object)
    return true;
  if (m_version == 2)
    return WriteVersion2Object(*record.m_object, record.m_attributes);
  return WriteObjectRecord(*record.m_object, record.m_attributes);
}

bool ModelWriter::WriteObjectTable()
{
  if (!BeginTable(ON_BinaryArchive::TCODE_OBJECT_TABLE))
    return false;
  bool all_written = true;
  for (int i = 0; i < m_model.m_object_table.Count(); ++i)
    all_written = WriteModelObject(m_model.m_object_table[i]) && all_written;
  return EndTable() && all_written;
}

bool ModelWriter::WriteModel(const char* comment)
{
  bool ok = m_archive.Write3dmStartSection(m_version, comment) && WritePropertiesTable() && WriteSettingsTable() &&
            WriteEmptyTable(ON_BinaryArchive::TCODE_BITMAP_TABLE) &&
            WriteTable(ON_BinaryArchive::TCODE_MATERIAL_TABLE, ON_BinaryArchive::TCODE_MATERIAL_RECORD,
                       m_model.m_material_table, &ON_Material::SetMaterialIndex) &&
            WriteLayerTable() &&
            WriteTable(ON_BinaryArchive::TCODE_GROUP_TABLE, ON_BinaryArchive::TCODE_GROUP_RECORD, m_model.m_group_table,
                       &ON_Group::SetGroupIndex);
  if (ok && m_version >= 3)
    ok = WriteTable(ON_BinaryArchive::TCODE_FONT_TABLE, ON_BinaryArchive::TCODE_FONT_RECORD, m_model.m_font_table,
                    &ON_Font::SetFontIndex) &&
         WriteTable(ON_BinaryArchive::TCODE_DIMSTYLE_TABLE, ON_BinaryArchive::TCODE_DIMSTYLE_RECORD,
                    m_model.m_dimstyle_table, &ON_DimStyle::SetIndex);
  ok = ok && WriteLightTable();
  if (ok && m_version >= 3)
  {
    ok = BeginTable(ON_BinaryArchive::TCODE_INSTANCE_DEFINITION_TABLE);
    for (int i = 0; ok && i < m_model.m_idef_table.Count(); ++i)
      ok = WriteRecord(ON_BinaryArchive::TCODE_INSTANCE_DEFINITION_RECORD, m_model.m_idef_table[i]);
    ok = ok && EndTable();
  }
  return ok && WriteObjectTable() && m_model.m_unread_tables.Write(m_archive) && m_archive.Write3dmEndMark();
}
} // namespace

bool ONX_Model::Write(ON_BinaryArchive& archive, int version, const char* comment, ON_TextLog* error_log) const
{
  const int archive_version = version == 2 ? 2 : 3;
  ModelWriter writer(*this, archive, archive_version);
  const bool ok = writer.WriteModel(comment);
  if (!ok && error_log)
    error_log->Print("ONX_Model::Write: some of the model could not be written\n");
  return ok;
}

bool ONX_Model::Write(const char* filename, int version, const char* comment, ON_TextLog* error_log) const
{
  ON_BinaryArchive archive(ON_BinaryArchive::Mode::write3dm);
  if (!Write(archive, version, comment, error_log))
    return false;
  if (archive.SaveFile(filename))
    return true;
  if (error_log)
    error_log->Print("ONX_Model::Write: unable to write the file\n");
  return false;
}
