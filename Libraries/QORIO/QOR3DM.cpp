#include "QOR3DM.h"

#include "MessageBox.h"
#include "LastError.h"

namespace
{
template <class T>
int CopyEntry(const ON_ClassArray<T>& table, int index, T& entry, const wchar_t* error)
{
  if (index < 0 || index >= table.Count())
  {
    QOR3DM::SetError(error);
    return 0;
  }
  entry = table[index];
  return 1;
}

template <class T>
void PointTable(const ON_ClassArray<T>& table, ON_SimpleArray<const T*>& pointers)
{
  pointers.Empty();
  pointers.Reserve(table.Count());
  for (int i = 0; i < table.Count(); ++i)
    pointers.Append(&table[i]);
}
} // namespace

ONX_Model& QOR3DM::ReadModel()
{
  static ONX_Model model;
  return model;
}

ONX_Model& QOR3DM::WriteModel()
{
  static ONX_Model model;
  return model;
}

bool& QOR3DM::ReadActive()
{
  static bool active = false;
  return active;
}

bool& QOR3DM::WriteActive()
{
  static bool active = false;
  return active;
}

ON_wString QOR3DM::GetError() { return Platform::LastError<QOR3DM, ON_wString>::Get(); }

void QOR3DM::SetError(const ON_wString& error) { Platform::LastError<QOR3DM, ON_wString>::Set(error); }

int QOR3DM::ReadStart(const ON_wString& path, ON_3dmProperties& properties, int& objectCount)
{
  if (ReadActive())
  {
    Platform::MessageBox::Show(nullptr, "QOR3DM::ReadStart(): A read is already active", "Nubilo",
                               Platform::MessageIcon::None);
    return 0;
  }
  ReadActive() = true;
  ONX_Model& model = ReadModel();
  model.Destroy();
  if (!model.Read(static_cast<const char*>(ON_String(path))))
  {
    model.Destroy();
    SetError(L"Unable to read file");
    ReadActive() = false;
    return 0;
  }
  properties = model.m_properties;
  objectCount = model.m_object_table.Count();
  return 1;
}

int QOR3DM::ReadStart(const ON_wString& path, ON_3dmProperties& properties)
{
  int count = 0;
  return ReadStart(path, properties, count);
}

int QOR3DM::ReadEnd()
{
  ReadActive() = false;
  ReadModel().Destroy();
  return 1;
}

int QOR3DM::ReadGetObjectTableSize() { return ReadModel().m_object_table.Count(); }

int QOR3DM::ReadGetObjectIndex(const ON_UUID& uuid) { return ReadModel().ObjectIndex(uuid); }

const ON_Object* QOR3DM::ReadGetObject(int index) { return ReadModel().m_object_table[index].m_object; }

int QOR3DM::ReadGetObjectAttributes(int index, ON_3dmObjectAttributes& attributes)
{
  const ON_ClassArray<ONX_Model_Object>& table = ReadModel().m_object_table;
  if (index < 0 || index >= table.Count())
  {
    SetError(L"Invalid object index");
    return 0;
  }
  attributes = table[index].m_attributes;
  return 1;
}

ON_String QOR3DM::ReadGetObjectClassName(int index) { return GetObjectClassName(*ReadGetObject(index)); }

int QOR3DM::ReadGetSkippedObjectCount() { return ReadModel().SkippedObjectCount(); }

ON_wString QOR3DM::ReadGetSkippedObjects() { return ReadModel().SkippedObjectSummary(); }

int QOR3DM::ReadGetBitmapTable(ON_SimpleArray<const ON_Bitmap*>& table)
{
  const ON_SimpleArray<ON_Bitmap*>& bitmaps = ReadModel().m_bitmap_table;
  table.Empty();
  for (int i = 0; i < bitmaps.Count(); ++i)
    table.Append(bitmaps[i]);
  return 1;
}

int QOR3DM::ReadGetBitmapTableSize() { return ReadModel().m_bitmap_table.Count(); }

const ON_Bitmap* QOR3DM::ReadGetBitmap(int index) { return ReadModel().m_bitmap_table[index]; }

int QOR3DM::ReadGetDimStyleTable(ON_SimpleArray<const ON_DimStyle*>& table)
{
  PointTable(ReadModel().m_dimstyle_table, table);
  return 1;
}

int QOR3DM::ReadGetDimStyleTableSize() { return ReadModel().m_dimstyle_table.Count(); }

int QOR3DM::ReadGetDimStyle(int index, ON_DimStyle& dimStyle)
{
  return CopyEntry(ReadModel().m_dimstyle_table, index, dimStyle, L"Invalid dim style index");
}

int QOR3DM::ReadGetFontTable(ON_SimpleArray<const ON_Font*>& table)
{
  PointTable(ReadModel().m_font_table, table);
  return 1;
}

int QOR3DM::ReadGetFontTableSize() { return ReadModel().m_font_table.Count(); }

int QOR3DM::ReadGetFont(int index, ON_Font& font)
{
  return CopyEntry(ReadModel().m_font_table, index, font, L"Invalid font index");
}

int QOR3DM::ReadGetGroupTable(ON_ClassArray<ON_Group>& table)
{
  table = ReadModel().m_group_table;
  return 1;
}

int QOR3DM::ReadGetGroupTableSize() { return ReadModel().m_group_table.Count(); }

int QOR3DM::ReadGetGroup(int index, ON_Group& group)
{
  return CopyEntry(ReadModel().m_group_table, index, group, L"Invalid group index");
}

int QOR3DM::ReadGetLayerTable(ON_ClassArray<ON_Layer>& table)
{
  table = ReadModel().m_layer_table;
  return 1;
}

int QOR3DM::ReadGetLayerTableSize() { return ReadModel().m_layer_table.Count(); }

int QOR3DM::ReadGetLayer(int index, ON_Layer& layer)
{
  return CopyEntry(ReadModel().m_layer_table, index, layer, L"Invalid layer index");
}

int QOR3DM::ReadGetMaterialTable(ON_ClassArray<ON_Material>& table)
{
  table = ReadModel().m_material_table;
  return 1;
}

int QOR3DM::ReadGetMaterialTableSize() { return ReadModel().m_material_table.Count(); }

int QOR3DM::ReadGetMaterial(int index, ON_Material& material)
{
  return CopyEntry(ReadModel().m_material_table, index, material, L"Invalid material index");
}

int QOR3DM::ReadGetInstanceDefinitionTable(ON_ClassArray<ON_InstanceDefinition>& table)
{
  table = ReadModel().m_idef_table;
  return 1;
}

int QOR3DM::ReadGetInstanceDefinitionTableSize() { return ReadModel().m_idef_table.Count(); }

int QOR3DM::ReadGetInstanceDefinitionIndex(const ON_UUID& uuid) { return ReadModel().IDefIndex(uuid); }

int QOR3DM::ReadGetInstanceDefinitionIndex(const ON_wString& name) { return ReadModel().IDefIndex(name.Array()); }

int QOR3DM::ReadGetInstanceDefinition(const ON_UUID& uuid, ON_InstanceDefinition& definition)
{
  return CopyEntry(ReadModel().m_idef_table, ReadModel().IDefIndex(uuid), definition,
                   L"Invalid instance definition ID");
}

int QOR3DM::ReadGetInstanceDefinition(const ON_wString& name, ON_InstanceDefinition& definition)
{
  return CopyEntry(ReadModel().m_idef_table, ReadModel().IDefIndex(name.Array()), definition,
                   L"Invalid instance definition name");
}

int QOR3DM::ReadGetInstanceDefinition(int index, ON_InstanceDefinition& definition)
{
  return CopyEntry(ReadModel().m_idef_table, index, definition, L"Invalid instance definition index");
}

ON_String QOR3DM::GetObjectClassName(const ON_Object& object)
{
  const ON_ClassId* classId = object.ClassId();
  return ON_String(classId ? classId->ClassName() : "");
}

void QOR3DM::DestroyModel(ONX_Model& model) { model.Destroy(); }
