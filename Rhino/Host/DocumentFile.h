#pragma once

#include "CRhinoDoc.h"
#include "opennurbs.h"

#include <string>
#include <vector>

// The document as a 3DM model: the file it was opened from, and the layers, materials, groups,
// fonts, dimension styles, lights, properties, settings, user tables and object attributes read
// with it, so that a save writes them back (settings and user tables the core does not read only in
// the file's own version). What that file holds beyond them (objects of classes the core does not
// read, block definitions, a version the core does not write, and object user data in another
// version) a save cannot keep: the file is then never overwritten, and a save to another file says
// what it leaves out.
class DocumentFile
{
public:
  static DocumentFile& Current();
  // The 3DM versions the writer makes: 2 and 3.
  static bool CanWrite(int version) { return version == 2 || version == 3; }
  static std::string VersionError(int version);

  const std::string& Path() const { return m_path; }
  void SetPath(const std::string& path) { m_path = path; }
  int Version() const { return m_version; }

  // Adds the objects of a 3DM file to the document, their layers merged by name. The first file
  // read into an empty document is the one it was opened from; objects of later files lose their
  // materials and groups.
  bool Import(CRhinoDoc& doc, const std::string& path, std::string& message);
  // Adds the objects of a model read from the file at the path (in another format); what the
  // reader skipped is reported as `skipped` items. Objects in other units than the document's
  // are scaled to its units; an empty document takes the model's.
  void ImportModel(CRhinoDoc& doc, const ONX_Model& model, const std::string& path, const char* skipped,
                   std::string& message);
  // Writes the objects with their layers, in a temporary file renamed onto the path.
  bool Write(const std::vector<const CRhinoObject*>& objects, const std::string& path, int version,
             std::string& message);
  // Export through the "3DM Export Options" form.
  bool Export(const std::vector<const CRhinoObject*>& objects, const std::string& path, std::string& message);
  // Saves the whole document to its path (or a new one) in the given version; the document is
  // unmodified afterwards. Refuses to overwrite the file it was opened from when the save would
  // leave out some of that file's content.
  bool Save(CRhinoDoc& doc, const std::string& path, int version, std::string& message);

private:
  int LayerIndex(const ON_Layer& layer);
  // Adds the model's objects on their layers, scaled to the document's units; `count` says how many.
  void AddObjects(CRhinoDoc& doc, const ONX_Model& model, bool opening, std::string& count);
  void AddLights(const ONX_Model& model);
  // The scale from a model's units to the document's (none when either is unknown).
  ON_Xform UnitScale(const ON_3dmUnitsAndTolerances& units) const;
  void Open(const ONX_Model& model, const std::string& path);
  static std::string LeftOutOf(const ONX_Model& model);
  // What a save of the objects in that version leaves out of the file the document was opened from;
  // empty when nothing.
  std::string LeftOutIn(int version, const std::vector<const CRhinoObject*>& objects) const;
  bool IsSource(const std::string& path) const;
  void PrepareModel(ONX_Model& model, const std::vector<const CRhinoObject*>& objects);

  std::string m_path;
  int m_version = 3;
  ON_3dmProperties m_properties;
  ON_3dmSettings m_settings;
  ON_ClassArray<ON_Layer> m_layers;
  ON_ClassArray<ON_Material> m_materials;
  ON_ClassArray<ON_Group> m_groups;
  ON_ClassArray<ON_Font> m_fonts;
  ON_ClassArray<ON_DimStyle> m_dimstyles;
  ON_ClassArray<ONX_Model_RenderLight> m_lights;
  ON_RawChunks m_userTables;
  std::string m_source;
  std::string m_leftOut;
};
