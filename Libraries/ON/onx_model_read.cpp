// Reading of ONX_Model: the start section, the properties and settings, every table and the end mark.

#include "opennurbs.h"

#include <vector>

namespace
{
// Classes this core does not read yet, named for the skipped-object summary.
struct KnownClass
{
  const char* id;
  const char* name;
};

const KnownClass kUnsupportedClasses[] = {
    {"F06FC243-A32A-4608-9DD8-A7D2C4CE2A36", "ON_Brep"}, // TL_Brep whose parts are not read (version 5)
    {"A16220D3-163B-11D4-8000-0010830122F0", "ON_RevSurface"},
    {"0A8401B6-4D34-4B99-8615-1B4E723DC4E5", "ON_RevSurface"},
    {"C4CD5359-446D-4690-9FF5-29059732472B", "ON_SumSurface"},
    {"665F6331-2A66-4CCE-81D0-B5EEBD9B5417", "ON_SumSurface"},
    {"4ED7D4D8-E947-11D3-BFE5-0010830122F0", "ON_CurveOnSurface"},
    {"ABAF5873-4145-11D4-800F-0010830122F0", "ON_Annotation"},
    {"5DE6B20D-486B-11D4-8014-0010830122F0", "ON_LinearDimension"},
    {"5DE6B20E-486B-11D4-8014-0010830122F0", "ON_RadialDimension"},
    {"5DE6B20F-486B-11D4-8014-0010830122F0", "ON_AngularDimension"},
    {"5DE6B210-486B-11D4-8014-0010830122F0", "ON_TextEntity"},
    {"5DE6B211-486B-11D4-8014-0010830122F0", "ON_Leader"},
    // Version 4 and 5 classes.
    {"BD57F33B-A1B2-46E9-9C6E-AF09D30FFDDE", "ON_LinearDimension2"},
    {"B2B683FC-7964-4E96-B1F9-9B356A76B08B", "ON_RadialDimension2"},
    {"841BC40B-A971-4A8E-94E5-BBA26D67348E", "ON_AngularDimension2"},
    {"C8288D69-5BD8-4F50-9BAF-525A0086B0C3", "ON_OrdinateDimension2"},
    {"0559733B-5332-49D1-A936-0532AC76ADE5", "ON_Hatch"},
    {"36F53175-72B8-4D47-BF1F-B4E6FC24F4B9", "ON_Extrusion"},
    {"C8C66EFA-B3CB-4E00-9440-2AD66203379E", "ON_DetailView"},
};

// Objects refer to materials by the index stored in each record; records stored in another order (as
// version 4 files may hold them) are put at their index when the indices are the table's positions.
void PutMaterialsAtTheirIndex(ON_ClassArray<ON_Material>& materials)
{
  const int count = materials.Count();
  std::vector<int> position(static_cast<size_t>(count), -1);
  for (int i = 0; i < count; ++i)
  {
    const int index = materials[i].MaterialIndex();
    if (index < 0 || index >= count || position[static_cast<size_t>(index)] >= 0)
      return;
    position[static_cast<size_t>(index)] = i;
  }
  ON_ClassArray<ON_Material> ordered(count);
  for (int index = 0; index < count; ++index)
    ordered.Append(materials[position[static_cast<size_t>(index)]]);
  materials = ordered;
}

ON_String SkippedClassName(const ON_UUID& id)
{
  if (const ON_ClassId* class_id = ON_ClassId::ClassId(id))
    return ON_String(class_id->ClassName());
  for (const KnownClass& known : kUnsupportedClasses)
    if (ON_UuidFromString(known.id) == id)
      return ON_String(known.name);
  ON_String text;
  ON_UuidToString(id, text);
  return text;
}

class ModelReader
{
public:
  ModelReader(ONX_Model& model, ON_BinaryArchive& archive) : m_model(model), m_archive(archive) {}

  bool ReadModel();

private:
  bool ReadTable();
  template <class T>
  bool ReadClassRecord(ON_ClassArray<T>& table);
  bool ReadObjectRecord();
  // The class chunk and the attributes of an object or light record, up to the record's end chunk.
  bool ReadRecordItems(ON_Object*& object, ON_3dmObjectAttributes& attributes, bool& skipped,
                       unsigned int attributes_typecode, unsigned int end_typecode);
  bool ReadLightRecord();
  void AddObject(ON_Object* object, const ON_3dmObjectAttributes& attributes);
  bool SkipRecord(const char* class_name);
  bool ReadPropertiesTable();
  bool ReadSettingsTable();
  bool ReadEndMark();

  ONX_Model& m_model;
  ON_BinaryArchive& m_archive;
  bool m_ok = true;
};

template <class T>
bool ModelReader::ReadClassRecord(ON_ClassArray<T>& table)
{
  ON_Object* object = nullptr;
  const int rc = m_archive.ReadObject(&object);
  if (T* entry = T::Cast(object))
    table.Append(*entry);
  else if (rc == 3)
    m_model.AddSkippedObject(SkippedClassName(m_archive.LastSkippedClassId()).Array());
  delete object;
  return rc != 0;
}

bool ModelReader::SkipRecord(const char* class_name)
{
  m_model.AddSkippedObject(class_name);
  return true;
}

bool ModelReader::ReadTable()
{
  for (;;)
  {
    unsigned int tc = 0;
    ON__INT64 value = 0;
    if (!m_archive.BeginRead3dmChunk(&tc, &value))
      return false;
    if (tc == ON_BinaryArchive::TCODE_ENDOFTABLE)
      return m_archive.EndRead3dmChunk();
    bool record_ok = true;
    switch (tc)
    {
    case ON_BinaryArchive::TCODE_MATERIAL_RECORD:
      record_ok = ReadClassRecord(m_model.m_material_table);
      break;
    case ON_BinaryArchive::TCODE_LAYER_RECORD:
      record_ok = ReadClassRecord(m_model.m_layer_table);
      break;
    case ON_BinaryArchive::TCODE_GROUP_RECORD:
      record_ok = ReadClassRecord(m_model.m_group_table);
      break;
    case ON_BinaryArchive::TCODE_FONT_RECORD:
      record_ok = ReadClassRecord(m_model.m_font_table);
      break;
    case ON_BinaryArchive::TCODE_DIMSTYLE_RECORD:
      record_ok = ReadClassRecord(m_model.m_dimstyle_table);
      break;
    case ON_BinaryArchive::TCODE_INSTANCE_DEFINITION_RECORD:
      record_ok = ReadClassRecord(m_model.m_idef_table);
      break;
    case ON_BinaryArchive::TCODE_OBJECT_RECORD:
      record_ok = ReadObjectRecord();
      break;
    case ON_BinaryArchive::TCODE_LIGHT_RECORD:
      record_ok = ReadLightRecord();
      break;
    case ON_BinaryArchive::TCODE_BITMAP_RECORD:
      record_ok = SkipRecord("ON_Bitmap");
      break;
    default:
      m_model.AddSkippedRecord("table record of unknown kind");
      break;
    }
    m_ok = record_ok && m_ok;
    if (!m_archive.EndRead3dmChunk())
      m_ok = false;
    if (!record_ok && m_archive.CriticalErrorCount() > 0)
      return false;
  }
}

bool ModelReader::ReadRecordItems(ON_Object*& object, ON_3dmObjectAttributes& attributes, bool& skipped,
                                  unsigned int attributes_typecode, unsigned int end_typecode)
{
  while (m_archive.BytesLeftInChunk() > 4)
  {
    unsigned int tc = 0;
    ON__INT64 value = 0;
    if (!m_archive.PeekAt3dmChunkType(&tc, &value))
      return false;
    if (tc == ON_BinaryArchive::TCODE_OPENNURBS_CLASS)
    {
      ON_Object* read = nullptr;
      const int rc = m_archive.ReadObject(&read);
      if (rc == 0)
        return false;
      if (object)
        delete read; // a record holds one object; further class chunks are ignored
      else
        object = read;
      if (rc == 3)
      {
        skipped = true;
        m_model.AddSkippedObject(SkippedClassName(m_archive.LastSkippedClassId()).Array());
      }
      continue;
    }
    if (!m_archive.BeginRead3dmChunk(&tc, &value))
      return false;
    if (tc == attributes_typecode && !attributes.Read(m_archive))
      attributes.Default();
    else if (tc != attributes_typecode && tc != end_typecode && tc != ON_BinaryArchive::TCODE_OBJECT_RECORD_TYPE)
      m_model.AddSkippedRecord("object record item of unknown kind");
    const bool ended = m_archive.EndRead3dmChunk();
    if (!ended)
      m_ok = false;
    if (tc == end_typecode)
      break;
  }
  return true;
}

bool ModelReader::ReadObjectRecord()
{
  ON_Object* object = nullptr;
  ON_3dmObjectAttributes attributes;
  bool skipped = false;
  const bool ok = ReadRecordItems(object, attributes, skipped, ON_BinaryArchive::TCODE_OBJECT_RECORD_ATTRIBUTES,
                                  ON_BinaryArchive::TCODE_OBJECT_RECORD_END);
  if (object)
    AddObject(object, attributes);
  else if (ok && !skipped)
    m_model.AddSkippedObject("(no object)");
  return ok;
}

bool ModelReader::ReadLightRecord()
{
  ON_Object* object = nullptr;
  ON_3dmObjectAttributes attributes;
  bool skipped = false;
  const bool ok = ReadRecordItems(object, attributes, skipped, ON_BinaryArchive::TCODE_LIGHT_RECORD_ATTRIBUTES,
                                  ON_BinaryArchive::TCODE_LIGHT_RECORD_END);
  if (const ON_Light* light = ON_Light::Cast(object))
  {
    ONX_Model_RenderLight& record = m_model.m_light_table.AppendNew();
    record.m_light = *light;
    record.m_attributes = attributes;
  }
  else if (ok && !skipped)
    m_model.AddSkippedObject(object ? object->ClassId()->ClassName() : "(no light)");
  delete object;
  return ok;
}

void ModelReader::AddObject(ON_Object* object, const ON_3dmObjectAttributes& attributes)
{
  // Version 2 text dots become text dots.
  if (const ON_OBSOLETE_V2_TextDot* old_dot = ON_OBSOLETE_V2_TextDot::Cast(object))
  {
    ON_TextDot* dot = new ON_TextDot(old_dot->TextDot());
    dot->m_unread_user_data = object->m_unread_user_data;
    delete object;
    object = dot;
  }
  // Version 2 arrows become line curves.
  if (const ON_OBSOLETE_V2_AnnotationArrow* arrow = ON_OBSOLETE_V2_AnnotationArrow::Cast(object))
  {
    ON_LineCurve* line = new ON_LineCurve(arrow->LineCurve());
    line->m_unread_user_data = object->m_unread_user_data;
    delete object;
    object = line;
  }
  ONX_Model_Object& record = m_model.m_object_table.AppendNew();
  record.m_object = object;
  record.m_bDeleteObject = true;
  record.m_attributes = attributes;
}

bool ModelReader::ReadPropertiesTable()
{
  unsigned int tc = 0;
  ON__INT64 value = 0;
  if (!m_archive.BeginRead3dmChunk(&tc, &value))
    return false;
  bool ok = tc == ON_BinaryArchive::TCODE_PROPERTIES_TABLE && m_model.m_properties.Read(m_archive);
  ok = m_archive.EndRead3dmChunk() && ok;
  if (m_archive.ArchiveOpenNURBSVersion() == 0 && m_archive.Archive3dmVersion() >= 3)
    m_ok = false; // version 3 files must name their writer's toolkit version
  return ok;
}

bool ModelReader::ReadSettingsTable()
{
  unsigned int tc = 0;
  ON__INT64 value = 0;
  if (!m_archive.BeginRead3dmChunk(&tc, &value))
    return false;
  bool ok = tc == ON_BinaryArchive::TCODE_SETTINGS_TABLE && m_model.m_settings.Read(m_archive);
  return m_archive.EndRead3dmChunk() && ok;
}

// A size in the end mark that differs from the file's is tolerated: the CRCs guard the content.
bool ModelReader::ReadEndMark()
{
  size_t file_length = 0;
  return m_archive.Read3dmEndMark(&file_length);
}

bool ModelReader::ReadModel()
{
  int version = 0;
  if (!m_archive.Read3dmStartSection(&version, m_model.m_sStartSectionComments))
    return false;
  m_model.m_3dm_file_version = version;
  if (!ReadPropertiesTable() || !ReadSettingsTable())
    return false;
  m_model.m_3dm_opennurbs_version = m_archive.ArchiveOpenNURBSVersion();
  for (;;)
  {
    unsigned int tc = 0;
    ON__INT64 value = 0;
    if (!m_archive.PeekAt3dmChunkType(&tc, &value))
      return false; // the end mark is missing
    if (tc == ON_BinaryArchive::TCODE_ENDOFFILE)
    {
      for (const auto& [kind, count] : m_archive.SkippedContent())
        m_model.AddSkippedRecord(kind.c_str(), count);
      PutMaterialsAtTheirIndex(m_model.m_material_table);
      return ReadEndMark() && m_ok && m_archive.BadCRCCount() == 0 && m_archive.CriticalErrorCount() == 0;
    }
    const size_t begin = m_archive.CurrentPosition();
    if (!m_archive.BeginRead3dmChunk(&tc, &value))
      return false;
    // Tables of later versions are skipped; user tables are kept as read.
    const bool known = (tc & 0xFFFF0000u) == 0x10000000u && tc != ON_BinaryArchive::TCODE_USER_TABLE &&
                       tc != ON_BinaryArchive::TCODE_HISTORYRECORD_TABLE;
    if (known && !ReadTable())
      return false;
    if (!known && tc != ON_BinaryArchive::TCODE_USER_TABLE)
      m_model.AddSkippedRecord("table of a later version");
    if (!m_archive.EndRead3dmChunk())
      m_ok = false;
    if (tc == ON_BinaryArchive::TCODE_USER_TABLE)
      m_model.m_unread_tables.Keep(m_archive, begin);
  }
}
} // namespace

bool ONX_Model::Read(ON_BinaryArchive& archive, ON_TextLog* error_log)
{
  Destroy();
  ModelReader reader(*this, archive);
  const bool ok = reader.ReadModel();
  if (!ok && error_log)
    error_log->Print("ONX_Model::Read: the archive is damaged or is not a 3dm model\n");
  return ok;
}

bool ONX_Model::Read(const char* filename, ON_TextLog* error_log)
{
  ON_BinaryArchive archive(ON_BinaryArchive::Mode::read3dm);
  if (!archive.LoadFile(filename))
  {
    Destroy();
    if (error_log)
      error_log->Print("ONX_Model::Read: unable to open the file\n");
    return false;
  }
  return Read(archive, error_log);
}
