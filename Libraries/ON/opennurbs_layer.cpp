#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_Layer, ON_Object, "95809813-E985-11D3-BFE5-0010830122F0")

ON_Layer::ON_Layer() { Default(); }

void ON_Layer::Default()
{
  m_name.Empty();
  m_layer_index = 0;
  m_layer_id = ON_nil_uuid;
  m_iges_level = -1;
  m_material_index = -1;
  m_linetype_index = -1;
  m_color = ON_Color(0, 0, 0);
  m_plot_color = ON_Color(0, 0, 0);
  m_plot_weight_mm = 0.0;
  m_bVisible = true;
  m_bLocked = false;
}

bool ON_Layer::IsValid(ON_TextLog*) const { return !m_name.IsEmpty(); }

ON::object_type ON_Layer::ObjectType() const { return ON::layer_object; }


bool ON_Layer::SetLayerName(const wchar_t* name)
{
  m_name = name;
  m_name.TrimLeftAndRight();
  return !m_name.IsEmpty();
}

const ON_wString& ON_Layer::LayerName() const { return m_name; }
void ON_Layer::SetColor(ON_Color color) { m_color = color; }
ON_Color ON_Layer::Color() const { return m_color; }
void ON_Layer::SetVisible(bool visible) { m_bVisible = visible; }
bool ON_Layer::IsVisible() const { return m_bVisible; }
void ON_Layer::SetLocked(bool locked) { m_bLocked = locked; }
bool ON_Layer::IsLocked() const { return m_bLocked; }
void ON_Layer::SetLayerIndex(int index) { m_layer_index = index; }
int ON_Layer::LayerIndex() const { return m_layer_index; }

namespace
{
// Obsolete mode field: 0 normal, 1 hidden, 2 locked.
int LayerMode(const ON_Layer& layer)
{
  if (layer.IsVisible())
    return layer.IsLocked() ? 2 : 0;
  return 1;
}

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

// Version 1.5 keeps the layer id; readers of 1.1 stop before it.
bool ON_Layer::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 5) && archive.WriteInt(LayerMode(*this)) && archive.WriteInt(m_layer_index) &&
         archive.WriteInt(m_iges_level) && archive.WriteInt(m_material_index) && archive.WriteInt(0) &&
         archive.WriteColor(m_color) && WriteObsoleteLineStyle(archive) && archive.WriteString(m_name) &&
         archive.WriteBool(m_bVisible) && archive.WriteInt(m_linetype_index) && archive.WriteColor(m_plot_color) &&
         archive.WriteDouble(m_plot_weight_mm) && archive.WriteBool(m_bLocked) && archive.WriteUuid(m_layer_id);
}

bool ON_Layer::Read(ON_BinaryArchive& archive)
{
  Default();
  int major = 0, minor = 0, mode = 0, obsolete = 0;
  if (!archive.Read3dmChunkVersion(&major, &minor) || major != 1)
    return false;
  if (!archive.ReadInt(&mode) || !archive.ReadInt(&m_layer_index) || !archive.ReadInt(&m_iges_level) ||
      !archive.ReadInt(&m_material_index) || !archive.ReadInt(&obsolete) || !archive.ReadColor(m_color) ||
      !ReadObsoleteLineStyle(archive) || !archive.ReadString(m_name))
    return false;
  m_bVisible = mode != 1;
  m_bLocked = mode == 2;
  if (minor >= 1 && !archive.ReadBool(&m_bVisible))
    return false;
  if (minor >= 2 && !archive.ReadInt(&m_linetype_index))
    return false;
  if (minor >= 3 && (!archive.ReadColor(m_plot_color) || !archive.ReadDouble(&m_plot_weight_mm)))
    return false;
  if (minor >= 4 && !archive.ReadBool(&m_bLocked))
    return false;
  if (minor >= 5 && !archive.ReadUuid(m_layer_id))
    return false;
  return true;
}
