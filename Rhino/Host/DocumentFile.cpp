#include "DocumentFile.h"

#include "QOR3DM.h"
#include "QORSafeFile.h"

#include <cstdio>
#include <memory>

namespace
{

std::string Utf8(const ON_wString& text)
{
  const char* s = static_cast<const char*>(ON_String(text));
  return s ? s : "";
}

std::string Count(int count, const char* noun) { return std::to_string(count) + " " + noun + (count == 1 ? "" : "s"); }

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
  if (doc.ObjectCount() == 0 && m_layers.Count() == 0)
  {
    m_properties = model.m_properties;
    m_settings = model.m_settings;
  }
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
    CRhinoObject* object = doc.AddObject(std::move(copy));
    if (!object)
      continue;
    ON_3dmObjectAttributes attributes = record.m_attributes;
    const int layer = attributes.m_layer_index;
    attributes.m_layer_index = layer >= 0 && layer < static_cast<int>(layerMap.size()) ? layerMap[layer] : 0;
    object->SetAttributes(attributes);
    ++added;
  }
  message = "Imported " + Count(added, "object") + " from " + path;
  if (model.SkippedObjectCount() > 0)
    message +=
        " (skipped " + Count(model.SkippedObjectCount(), "object") + ": " + Utf8(model.SkippedObjectSummary()) + ")";
  return true;
}

void DocumentFile::PrepareModel(ONX_Model& model, const std::vector<const CRhinoObject*>& objects)
{
  model.m_properties = m_properties;
  model.m_properties.m_RevisionHistory.NewRevision();
  model.m_properties.m_Application.m_application_name = L"Nubilo";
  model.m_settings = m_settings;
  model.m_layer_table = m_layers;
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
  if (!Write(objects, path, version, message))
    return false;
  m_path = path;
  m_version = version;
  doc.SetModified(false);
  return true;
}
