// The write process.

#include "QOR3DM.h"

#include "QORIOUtils.h"
#include "QORSafeFile.h"

namespace
{
ON_Color ColorFromRef(unsigned int colour)
{
  return ON_Color(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

unsigned int RefFromColor(const ON_Color& colour)
{
  return static_cast<unsigned int>(colour.Red()) | (static_cast<unsigned int>(colour.Green()) << 8) |
         (static_cast<unsigned int>(colour.Blue()) << 16);
}

int FindLayer(const ON_ClassArray<ON_Layer>& layers, const ON_wString& name)
{
  for (int i = 0; i < layers.Count(); ++i)
    if (layers[i].LayerName() == name)
      return i;
  return -1;
}

int FindDefinition(const ON_ClassArray<ON_InstanceDefinition>& definitions, const ON_wString& name)
{
  for (int i = 0; i < definitions.Count(); ++i)
    if (definitions[i].m_name == name)
      return i;
  return -1;
}
} // namespace

int QOR3DM::WriteStart()
{
  if (WriteActive())
  {
    SetError(L"A 3DM write process is already active");
    return 0;
  }
  WriteActive() = true;
  WriteModel().Destroy();
  return 1;
}

int QOR3DM::WriteLayer(const ON_wString& name, unsigned int colour, int& index)
{
  ON_ClassArray<ON_Layer>& layers = WriteModel().m_layer_table;
  index = FindLayer(layers, name);
  if (index >= 0)
    return 1;
  ON_Layer& layer = layers.AppendNew();
  layer.m_name = name;
  layer.SetColor(ColorFromRef(colour));
  index = layers.Count() - 1;
  layer.SetLayerIndex(index);
  return 1;
}

int QOR3DM::WriteGetLayerIndex(const ON_wString& name, int create, unsigned int colour)
{
  const ON_ClassArray<ON_Layer>& layers = WriteModel().m_layer_table;
  const int found = FindLayer(layers, name);
  if (found >= 0)
    return layers[found].LayerIndex();
  if (!create)
    return -1;
  int index = -1;
  WriteLayer(name, colour, index);
  return index;
}

unsigned int QOR3DM::WriteGetLayerColor(int index) { return RefFromColor(WriteModel().m_layer_table[index].Color()); }

int QOR3DM::WriteObject(const ON_Object& object, const ON_3dmObjectAttributes* attributes)
{
  ON_Object* duplicate = object.Duplicate();
  if (!duplicate)
  {
    // No record is kept without its object.
    SetError(L"Unable to write object");
    return 0;
  }
  ONX_Model_Object& record = WriteModel().m_object_table.AppendNew();
  record.m_object = duplicate;
  record.m_bDeleteObject = true;
  if (attributes)
  {
    record.m_attributes = *attributes;
    if (!attributes->m_name.IsEmpty())
      record.m_attributes.m_layer_index = WriteGetLayerIndex(attributes->m_name, 1, 0);
  }
  return 1;
}

int QOR3DM::WriteInstanceDefinition(const ON_InstanceDefinition& definition)
{
  ON_ClassArray<ON_InstanceDefinition>& definitions = WriteModel().m_idef_table;
  if (FindDefinition(definitions, definition.m_name) >= 0)
    return 0;
  ON_InstanceDefinition& copy = definitions.AppendNew();
  copy = definition;
  QORIOUtils::CreateUUID(copy.m_uuid);
  return 1;
}

int QOR3DM::WriteGetInstanceDefinitionTable(ON_ClassArray<ON_InstanceDefinition>& table)
{
  table = WriteModel().m_idef_table;
  return 1;
}

int QOR3DM::WriteGetInstanceDefinitionIndex(const ON_wString& name)
{
  return FindDefinition(WriteModel().m_idef_table, name);
}

ON_InstanceDefinition& QOR3DM::WriteGetInstanceDefinition(int index) { return WriteModel().m_idef_table[index]; }

int QOR3DM::WriteGetInstanceDefinition(const ON_wString& name, ON_InstanceDefinition& definition)
{
  const int index = FindDefinition(WriteModel().m_idef_table, name);
  if (index < 0)
    return 0;
  definition = WriteModel().m_idef_table[index];
  return 1;
}

int QOR3DM::WriteObjectToInstanceDefinition(int index, const ON_Object& object,
                                            const ON_3dmObjectAttributes& attributes)
{
  ON_InstanceDefinition& definition = WriteModel().m_idef_table[index];
  if (ON_UuidIsNil(definition.m_uuid))
    return 0;
  ON_3dmObjectAttributes member = attributes;
  member.SetMode(ON::idef_object);
  if (ON_UuidIsNil(member.m_uuid))
    QORIOUtils::CreateUUID(member.m_uuid);
  if (!WriteObject(object, &member))
    return 0;
  definition.m_object_uuid.Append(member.m_uuid);
  return 1;
}

int QOR3DM::WriteEnd(const ON_wString& path, int version, const ON_3dmProperties* properties)
{
  WriteActive() = false;
  ONX_Model& model = WriteModel();
  if (properties)
    model.m_properties = *properties;
  model.Polish();
  ON_BinaryArchive archive(ON_BinaryArchive::Mode::write3dm);
  bool ok = model.Write(archive, version);
  model.Destroy();
  if (ok)
  {
    QORSafeFile file;
    const std::vector<unsigned char>& bytes = archive.Buffer();
    ok =
        file.Open(static_cast<const char*>(ON_String(path))) && file.Write(bytes.data(), bytes.size()) && file.Commit();
  }
  if (!ok)
    SetError(L"Unable to write to 3DM file");
  return ok ? 1 : 0;
}
