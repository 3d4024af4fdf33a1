#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_3dmObjectAttributes, ON_Object, "A828C015-09F5-477C-8665-F0482F5D6996")

ON_3dmObjectAttributes::ON_3dmObjectAttributes() { Default(); }

void ON_3dmObjectAttributes::Default()
{
  m_uuid = ON_nil_uuid;
  m_name.Empty();
  m_url.Empty();
  m_layer_index = 0;
  m_material_index = -1;
  m_color = ON_Color(0, 0, 0);
  m_wire_density = 1;
  m_mode = ON::normal_object;
  m_color_source = ON::color_from_layer;
  m_linetype_source = 0;
  m_material_source = ON::material_from_layer;
  m_bVisible = true;
  m_group.Empty();
}

bool ON_3dmObjectAttributes::IsValid(ON_TextLog*) const { return m_layer_index >= 0; }

ON::object_mode ON_3dmObjectAttributes::Mode() const { return ON::ObjectMode(m_mode); }

void ON_3dmObjectAttributes::SetMode(ON::object_mode mode)
{
  m_mode = static_cast<unsigned char>(ON::ObjectMode(mode));
  m_bVisible = mode != ON::hidden_object;
}

ON::object_color_source ON_3dmObjectAttributes::ColorSource() const { return ON::ObjectColorSource(m_color_source); }

void ON_3dmObjectAttributes::SetColorSource(ON::object_color_source source)
{
  m_color_source = static_cast<unsigned char>(ON::ObjectColorSource(source));
}

ON::object_material_source ON_3dmObjectAttributes::MaterialSource() const
{
  return ON::ObjectMaterialSource(m_material_source);
}

void ON_3dmObjectAttributes::SetMaterialSource(ON::object_material_source source)
{
  m_material_source = static_cast<unsigned char>(ON::ObjectMaterialSource(source));
}

bool ON_3dmObjectAttributes::IsVisible() const { return m_bVisible; }
void ON_3dmObjectAttributes::SetVisible(bool visible) { m_bVisible = visible; }
int ON_3dmObjectAttributes::GroupCount() const { return m_group.Count(); }
const int* ON_3dmObjectAttributes::GroupList() const { return m_group.Array(); }

void ON_3dmObjectAttributes::AddToGroup(int group_index)
{
  if (group_index >= 0 && !IsInGroup(group_index))
    m_group.Append(group_index);
}

void ON_3dmObjectAttributes::RemoveFromAllGroups() { m_group.Empty(); }

bool ON_3dmObjectAttributes::IsInGroup(int group_index) const
{
  for (int i = 0; i < m_group.Count(); ++i)
    if (m_group[i] == group_index)
      return true;
  return false;
}

namespace
{
bool WriteObsoleteLineStyle(ON_BinaryArchive& archive)
{
  return archive.WriteShort(0) && archive.WriteShort(0) && archive.WriteDouble(0.0) && archive.WriteDouble(1.0);
}

bool ReadObsoleteLineStyle(ON_BinaryArchive& archive)
{
  short s = 0;
  double d = 0.0;
  return archive.ReadShort(&s) && archive.ReadShort(&s) && archive.ReadDouble(&d) && archive.ReadDouble(&d);
}
} // namespace

// Version 1.2, the layout of version 2 and 3 files.
bool ON_3dmObjectAttributes::Write(ON_BinaryArchive& archive) const
{
  const unsigned char sources[4] = {m_mode, m_color_source, m_linetype_source, m_material_source};
  return archive.Write3dmChunkVersion(1, 2) && archive.WriteUuid(m_uuid) && archive.WriteInt(m_layer_index) &&
         archive.WriteInt(m_material_index) && archive.WriteColor(m_color) && WriteObsoleteLineStyle(archive) &&
         archive.WriteInt(m_wire_density) && archive.WriteByte(4, sources) && archive.WriteString(m_name) &&
         archive.WriteString(m_url) && archive.WriteArray(m_group) && archive.WriteBool(m_bVisible);
}

// Version 5 and later: the id and the layer, then items each opened by its code and ended by a
// zero code. Items the core has no place for are read past; an item of unknown code stops the
// reading (its size is not known) and is noted.
namespace
{
enum class AttributeItem : unsigned char
{
  end = 0,
  name = 1,
  url = 2,
  linetype_index = 3,
  material_index = 4,
  rendering = 5,
  color = 6,
  plot_color = 7,
  plot_weight = 8,
  decoration = 9,
  wire_density = 10,
  mode = 11,
  color_source = 12,
  linetype_source = 13,
  material_source = 14,
  plot_color_source = 15,
  plot_weight_source = 16,
  groups = 18,
  space = 19,
  viewport = 20,
};

bool SkipByte(ON_BinaryArchive& archive)
{
  unsigned char ignored = 0;
  return archive.ReadChar(&ignored);
}
} // namespace

bool ON_3dmObjectAttributes::ReadItemCoded(ON_BinaryArchive& archive)
{
  if (!archive.ReadUuid(m_uuid) || !archive.ReadInt(&m_layer_index))
    return false;
  for (;;)
  {
    unsigned char code = 0;
    if (!archive.ReadChar(&code))
      return false;
    if (code == static_cast<unsigned char>(AttributeItem::end))
      return true;
    bool known = true;
    if (!ReadItem(archive, code, known))
      return false;
    if (!known)
    {
      archive.NoteSkippedContent("version 5 object attributes");
      return true;
    }
  }
}

bool ON_3dmObjectAttributes::ReadItem(ON_BinaryArchive& archive, unsigned char code, bool& known)
{
  int ignored_int = 0;
  double ignored_double = 0.0;
  ON_Color ignored_color;
  ON_UUID ignored_id = ON_nil_uuid;
  switch (static_cast<AttributeItem>(code))
  {
  case AttributeItem::name:
    return archive.ReadString(m_name);
  case AttributeItem::url:
    return archive.ReadString(m_url);
  case AttributeItem::linetype_index:
    return archive.ReadInt(&ignored_int);
  case AttributeItem::material_index:
    return archive.ReadInt(&m_material_index);
  case AttributeItem::color:
    return archive.ReadColor(m_color);
  case AttributeItem::plot_color:
    return archive.ReadColor(ignored_color);
  case AttributeItem::plot_weight:
    return archive.ReadDouble(&ignored_double);
  case AttributeItem::wire_density:
    return archive.ReadInt(&m_wire_density);
  case AttributeItem::mode:
    if (!archive.ReadChar(&m_mode))
      return false;
    m_mode = static_cast<unsigned char>(ON::ObjectMode(m_mode));
    m_bVisible = m_mode != ON::hidden_object;
    return true;
  case AttributeItem::color_source:
    if (!archive.ReadChar(&m_color_source))
      return false;
    m_color_source = static_cast<unsigned char>(ON::ObjectColorSource(m_color_source));
    return true;
  case AttributeItem::linetype_source:
    return archive.ReadChar(&m_linetype_source);
  case AttributeItem::material_source:
    if (!archive.ReadChar(&m_material_source))
      return false;
    m_material_source = static_cast<unsigned char>(ON::ObjectMaterialSource(m_material_source));
    return true;
  case AttributeItem::decoration:
  case AttributeItem::plot_color_source:
  case AttributeItem::plot_weight_source:
  case AttributeItem::space:
    return SkipByte(archive);
  case AttributeItem::groups:
    return archive.ReadArray(m_group);
  case AttributeItem::viewport:
    return archive.ReadUuid(ignored_id);
  default:
    known = false;
    return true;
  }
}

bool ON_3dmObjectAttributes::Read(ON_BinaryArchive& archive)
{
  Default();
  int major = 0, minor = 0;
  if (!archive.Read3dmChunkVersion(&major, &minor))
    return false;
  if (major == 2)
    return ReadItemCoded(archive);
  if (major != 1)
    return false;
  unsigned char sources[4] = {};
  if (!archive.ReadUuid(m_uuid) || !archive.ReadInt(&m_layer_index) || !archive.ReadInt(&m_material_index) ||
      !archive.ReadColor(m_color) || !ReadObsoleteLineStyle(archive) || !archive.ReadInt(&m_wire_density) ||
      !archive.ReadByte(4, sources) || !archive.ReadString(m_name) || !archive.ReadString(m_url))
    return false;
  m_mode = static_cast<unsigned char>(ON::ObjectMode(sources[0]));
  m_color_source = static_cast<unsigned char>(ON::ObjectColorSource(sources[1]));
  m_linetype_source = sources[2];
  m_material_source = static_cast<unsigned char>(ON::ObjectMaterialSource(sources[3]));
  m_bVisible = m_mode != ON::hidden_object;
  if (minor >= 1 && !archive.ReadArray(m_group))
    return false;
  if (minor >= 2 && !archive.ReadBool(&m_bVisible))
    return false;
  return true;
}
