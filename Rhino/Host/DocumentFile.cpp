#include "DocumentFile.h"

#include "QOR3DM.h"
#include "QORSafeFile.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace
{

std::string Utf8(const ON_wString& text)
{
  const ON_String narrow(text); // kept alive while its characters are copied
  const char* s = static_cast<const char*>(narrow);
  return s ? s : "";
}

// Attributes of an object from another file than the document's: the material and groups they
// name are that file's, not the document's.
void DropTableReferences(ON_3dmObjectAttributes& attributes)
{
  attributes.m_material_index = -1;
  attributes.RemoveFromAllGroups();
}

std::string Count(int count, const std::string& noun)
{
  if (count == 1)
    return "1 " + noun;
  const bool y = !noun.empty() && noun.back() == 'y';
  return std::to_string(count) + " " + (y ? noun.substr(0, noun.size() - 1) + "ies" : noun + "s");
}

// Metres per unit of a unit system; 0 when it has none.
double MetresPerUnit(const ON_3dmUnitsAndTolerances& units)
{
  using U = ON_3dmUnitsAndTolerances;
  switch (units.m_unit_system)
  {
  case U::microns:
    return 1e-6;
  case U::millimeters:
    return 1e-3;
  case U::centimeters:
    return 1e-2;
  case U::meters:
    return 1.0;
  case U::kilometers:
    return 1e3;
  case U::microinches:
    return 2.54e-8;
  case U::mils:
    return 2.54e-5;
  case U::inches:
    return 0.0254;
  case U::feet:
    return 0.3048;
  case U::miles:
    return 1609.344;
  case U::custom_unit_system:
    return units.m_meters_per_unit > 0 ? units.m_meters_per_unit : 0.0;
  default:
    return 0.0;
  }
}

// Entries of a table whose user data (of the object `of` gives for an entry) an archive of that
// version would not take.
template <class T, class Of>
int UserDataMisfits(const ON_ClassArray<T>& table, int version, Of of)
{
  int count = 0;
  for (int i = 0; i < table.Count(); ++i)
    if (!of(table[i]).m_unread_user_data.FitsVersion(version))
      ++count;
  return count;
}

template <class T>
int UserDataMisfits(const ON_ClassArray<T>& table, int version)
{
  return UserDataMisfits(table, version, [](const T& entry) -> const ON_Object& { return entry; });
}

} // namespace

DocumentFile& DocumentFile::Current()
{
  static DocumentFile file;
  return file;
}

std::string DocumentFile::VersionError(int version)
{
  return "3DM version " + std::to_string(version) + " cannot be written: choose 2 or 3";
}

int DocumentFile::LayerIndex(const ON_Layer& layer)
{
  for (int i = 0; i < m_layers.Count(); ++i)
    if (m_layers[i].LayerName() == layer.LayerName())
      return i;
  m_layers.Append(layer);
  m_layers[m_layers.Count() - 1].SetLayerIndex(m_layers.Count() - 1);
  return m_layers.Count() - 1;
}

bool DocumentFile::Import(CRhinoDoc& doc, const std::string& path, std::string& message)
{
  ONX_Model model;
  if (!model.Read(path.c_str()))
  {
    message = "Unable to read 3DM file";
    return false;
  }
  const bool opening = doc.ObjectCount() == 0 && m_layers.Count() == 0;
  if (opening)
    Open(model, path);
  AddObjects(doc, model, opening, message);
  if (!opening)
    AddLights(model);
  if (model.m_light_table.Count() > 0)
    message += " and " + Count(model.m_light_table.Count(), "light");
  message = "Imported " + message + " from " + path;
  if (model.SkippedObjectCount() > 0)
    message +=
        " (skipped " + Count(model.SkippedObjectCount(), "object") + ": " + Utf8(model.SkippedObjectSummary()) + ")";
  if (model.SkippedRecordCount() > 0)
    message += " (not read: " + Utf8(model.SkippedRecordSummary()) + ")";
  return true;
}

void DocumentFile::ImportModel(CRhinoDoc& doc, const ONX_Model& model, const std::string& path, const char* skipped,
                               std::string& message)
{
  // A model from another format brings no tables of its own but its layers; an empty document
  // takes its units.
  const bool opening = doc.ObjectCount() == 0 && m_layers.Count() == 0;
  if (opening)
    m_settings = model.m_settings;
  AddObjects(doc, model, opening, message);
  message = "Imported " + message + " from " + path;
  if (model.SkippedObjectCount() > 0)
    message +=
        " (skipped " + Count(model.SkippedObjectCount(), skipped) + ": " + Utf8(model.SkippedObjectSummary()) + ")";
}

void DocumentFile::AddObjects(CRhinoDoc& doc, const ONX_Model& model, bool opening, std::string& count)
{
  const ON_Xform scale = UnitScale(model.m_settings.m_ModelUnitsAndTolerances);
  std::vector<int> layerMap;
  for (int i = 0; i < model.m_layer_table.Count(); ++i)
    layerMap.push_back(LayerIndex(model.m_layer_table[i]));
  int added = 0;
  for (int i = 0; i < model.m_object_table.Count(); ++i)
  {
    const ONX_Model_Object& record = model.m_object_table[i];
    const ON_Geometry* geometry = ON_Geometry::Cast(record.m_object);
    if (!geometry || record.m_attributes.Mode() == ON::idef_object)
      continue;
    std::unique_ptr<ON_Geometry> copy(static_cast<ON_Geometry*>(geometry->Duplicate()));
    if (!scale.IsIdentity() && !copy->Transform(scale))
      continue;
    CRhinoObject* object = doc.AddObject(std::move(copy));
    if (!object)
      continue;
    ON_3dmObjectAttributes attributes = record.m_attributes;
    const int layer = attributes.m_layer_index;
    attributes.m_layer_index = layer >= 0 && layer < static_cast<int>(layerMap.size()) ? layerMap[layer] : 0;
    if (!opening) // the document's tables are those of the file it was opened from
      DropTableReferences(attributes);
    object->SetAttributes(attributes);
    ++added;
  }
  count = Count(added, "object");
}

// The lights of a file imported into a document with tables of its own: on their layers, in the
// document's units, without the file's material and groups.
void DocumentFile::AddLights(const ONX_Model& model)
{
  const ON_Xform scale = UnitScale(model.m_settings.m_ModelUnitsAndTolerances);
  for (int i = 0; i < model.m_light_table.Count(); ++i)
  {
    ONX_Model_RenderLight light = model.m_light_table[i];
    if (!scale.IsIdentity() && !light.m_light.Transform(scale))
      continue;
    ON_3dmObjectAttributes& attributes = light.m_attributes;
    const int layer = attributes.m_layer_index;
    attributes.m_layer_index =
        layer >= 0 && layer < model.m_layer_table.Count() ? LayerIndex(model.m_layer_table[layer]) : 0;
    DropTableReferences(attributes);
    m_lights.Append(light);
  }
}

ON_Xform DocumentFile::UnitScale(const ON_3dmUnitsAndTolerances& units) const
{
  const double from = MetresPerUnit(units), to = MetresPerUnit(m_settings.m_ModelUnitsAndTolerances);
  ON_Xform scale(1.0);
  if (from > 0 && to > 0 && from != to)
    scale.Scale(from / to, from / to, from / to);
  return scale;
}

void DocumentFile::Open(const ONX_Model& model, const std::string& path)
{
  m_properties = model.m_properties;
  m_settings = model.m_settings;
  m_materials = model.m_material_table;
  m_groups = model.m_group_table;
  m_fonts = model.m_font_table;
  m_dimstyles = model.m_dimstyle_table;
  m_lights = model.m_light_table;
  m_userTables = model.m_unread_tables;
  if (CanWrite(model.m_3dm_file_version))
    m_version = model.m_3dm_file_version;
  m_source = path;
  m_leftOut = LeftOutOf(model);
}

std::string DocumentFile::LeftOutOf(const ONX_Model& model)
{
  std::vector<std::string> parts;
  if (!CanWrite(model.m_3dm_file_version))
    parts.push_back("its version " + std::to_string(model.m_3dm_file_version) + " format");
  if (model.SkippedObjectCount() > 0)
    parts.push_back(Count(model.SkippedObjectCount(), "object") + " (" + Utf8(model.SkippedObjectSummary()) + ")");
  int otherObjects = 0; // parts of block definitions, objects without geometry
  for (int i = 0; i < model.m_object_table.Count(); ++i)
    if (model.m_object_table[i].m_attributes.Mode() == ON::idef_object ||
        !ON_Geometry::Cast(model.m_object_table[i].m_object))
      ++otherObjects;
  if (otherObjects > 0)
    parts.push_back(Count(otherObjects, "block part") + " or objects without geometry");
  if (model.m_idef_table.Count() > 0)
    parts.push_back(Count(model.m_idef_table.Count(), "block definition"));
  if (model.SkippedRecordCount() > 0)
    parts.push_back(Utf8(model.SkippedRecordSummary()));
  std::string text;
  for (const std::string& part : parts)
    text += (text.empty() ? "" : "; ") + part;
  return text;
}

std::string DocumentFile::LeftOutIn(int version, const std::vector<const CRhinoObject*>& objects) const
{
  std::vector<std::string> kept; // what only the file's own version keeps
  if (!m_settings.m_unread_records.FitsVersion(version) || !m_properties.m_unread_records.FitsVersion(version) ||
      !m_userTables.FitsVersion(version))
    kept.push_back("views, settings and user tables");
  int userData = 0;
  for (const CRhinoObject* object : objects)
    if (!object->Geometry()->m_unread_user_data.FitsVersion(version))
      ++userData;
  if (userData > 0)
    kept.push_back("the user data of " + Count(userData, "object"));
  const int entries =
      UserDataMisfits(m_layers, version) + UserDataMisfits(m_materials, version) + UserDataMisfits(m_groups, version) +
      UserDataMisfits(m_fonts, version) + UserDataMisfits(m_dimstyles, version) +
      UserDataMisfits(m_lights, version,
                      [](const ONX_Model_RenderLight& light) -> const ON_Object& { return light.m_light; });
  if (entries > 0)
    kept.push_back("the user data of " + Count(entries, "table entry"));
  if (kept.empty())
    return m_leftOut;
  std::string text = m_leftOut;
  for (size_t i = 0; i < kept.size(); ++i)
    text += (i > 0 ? " and " : (text.empty() ? "" : "; ")) + kept[i];
  return text + ", which only its own version keeps";
}

bool DocumentFile::IsSource(const std::string& path) const
{
  if (m_source.empty())
    return false;
  std::error_code error;
  return path == m_source || std::filesystem::equivalent(path, m_source, error);
}

void DocumentFile::PrepareModel(ONX_Model& model, const std::vector<const CRhinoObject*>& objects)
{
  model.m_properties = m_properties;
  model.m_properties.m_RevisionHistory.NewRevision();
  model.m_properties.m_Application.m_application_name = L"Nubilo";
  model.m_settings = m_settings;
  model.m_layer_table = m_layers;
  model.m_material_table = m_materials;
  model.m_group_table = m_groups;
  model.m_font_table = m_fonts;
  model.m_dimstyle_table = m_dimstyles;
  model.m_light_table = m_lights;
  model.m_unread_tables = m_userTables;
  for (const CRhinoObject* object : objects)
  {
    ONX_Model_Object& record = model.m_object_table.AppendNew();
    record.m_object = object->Geometry(); // the document keeps ownership
    record.m_bDeleteObject = false;
    record.m_attributes = object->Attributes();
  }
}

bool DocumentFile::Write(const std::vector<const CRhinoObject*>& objects, const std::string& path, int version,
                         std::string& message)
{
  if (!CanWrite(version))
  {
    message = VersionError(version);
    return false;
  }
  ONX_Model model;
  PrepareModel(model, objects);
  ON_BinaryArchive archive(ON_BinaryArchive::Mode::write3dm);
  bool ok = model.Write(archive, version, "Nubilo");
  if (ok)
  {
    QORSafeFile file;
    const std::vector<unsigned char>& bytes = archive.Buffer();
    ok = file.Open(path) && file.Write(bytes.data(), bytes.size()) && file.Commit();
  }
  if (!ok)
  {
    message = "Unable to write to 3DM file";
    return false;
  }
  message = "Saved " + Count(static_cast<int>(objects.size()), "object") + " to " + path;
  return true;
}

bool DocumentFile::Export(const std::vector<const CRhinoObject*>& objects, const std::string& path,
                          std::string& message)
{
  int version = m_version;
  if (!QOR3DM::Get3DMExportOptions(version, nullptr))
  {
    message = "Export cancelled";
    return false;
  }
  return Write(objects, path, version, message);
}

bool DocumentFile::Save(CRhinoDoc& doc, const std::string& path, int version, std::string& message)
{
  std::vector<const CRhinoObject*> objects;
  for (const auto& object : doc.Objects())
    objects.push_back(object.get());
  const std::string leftOut = LeftOutIn(version, objects);
  if (IsSource(path) && !leftOut.empty())
  {
    message = "Not overwritten: a save would leave out what the file holds beyond the document (" + leftOut +
              "); save to another file";
    return false;
  }
  if (!Write(objects, path, version, message))
    return false;
  if (!leftOut.empty())
    message += " (left out what " + m_source + " holds beyond the document: " + leftOut + ")";
  m_path = path;
  m_version = version;
  doc.SetModified(false);
  return true;
}
