#include "opennurbs.h"

#include <cmath>

ON_OBJECT_IMPLEMENT(ON_Light, ON_Geometry, "85A08513-F383-11D3-BFE7-0010830122F0")

ON_Light::ON_Light() { Default(); }

void ON_Light::Default()
{
  m_bOn = true;
  m_style = ON::camera_directional_light;
  m_intensity = 1.0;
  m_watts = 0.0;
  m_ambient = ON_Color(0, 0, 0);
  m_diffuse = ON_Color(255, 255, 255);
  m_specular = ON_Color(255, 255, 255);
  m_direction = ON_3dVector(0.0, 0.0, -1.0);
  m_location = ON_3dPoint(0.0, 0.0, 0.0);
  m_length = ON_3dVector(0.0, 0.0, 0.0);
  m_width = ON_3dVector(0.0, 0.0, 0.0);
  m_spot_angle = 180.0;
  m_spot_exponent = 0.0;
  m_hotspot = ON_UNSET_VALUE;
  m_attenuation = ON_3dVector(1.0, 0.0, 0.0);
  m_shadow_intensity = 1.0;
  m_light_index = 0;
  m_light_id = ON_nil_uuid;
  m_light_name.Empty();
}

bool ON_Light::IsValid(ON_TextLog* text_log) const
{
  const bool ok = m_style != ON::unknown_light_style && m_location.IsValid() && m_direction.IsValid();
  if (!ok && text_log)
    text_log->Print("ON_Light has no style, or an invalid location or direction.\n");
  return ok;
}

ON::object_type ON_Light::ObjectType() const { return ON::light_object; }

int ON_Light::Dimension() const { return 3; }

bool ON_Light::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  if (!IsPointLight() && !IsSpotLight() && !IsLinearLight() && !IsRectangularLight())
    return bGrowBox;
  return ON_GetPointListBoundingBox(3, 0, 1, 3, &m_location.x, boxmin, boxmax, bGrowBox);
}

bool ON_Light::Transform(const ON_Xform& xform)
{
  m_location.Transform(xform);
  m_direction.Transform(xform);
  m_length.Transform(xform);
  m_width.Transform(xform);
  return true;
}

bool ON_Light::Enable(bool bOn)
{
  const bool was_on = m_bOn;
  m_bOn = bOn;
  return was_on;
}

bool ON_Light::IsEnabled() const { return m_bOn; }
ON::light_style ON_Light::Style() const { return m_style; }
void ON_Light::SetStyle(ON::light_style style) { m_style = style; }

bool ON_Light::IsPointLight() const { return m_style == ON::camera_point_light || m_style == ON::world_point_light; }

bool ON_Light::IsSpotLight() const { return m_style == ON::camera_spot_light || m_style == ON::world_spot_light; }
bool ON_Light::IsLinearLight() const { return m_style == ON::world_linear_light; }
bool ON_Light::IsRectangularLight() const { return m_style == ON::world_rectangular_light; }

void ON_Light::SetLightName(const wchar_t* name) { m_light_name = name; }
const ON_wString& ON_Light::LightName() const { return m_light_name; }
void ON_Light::SetLightIndex(int index) { m_light_index = index; }
int ON_Light::LightIndex() const { return m_light_index; }
void ON_Light::SetLocation(const ON_3dPoint& location) { m_location = location; }
ON_3dPoint ON_Light::Location() const { return m_location; }
void ON_Light::SetDirection(const ON_3dVector& direction) { m_direction = direction; }
ON_3dVector ON_Light::Direction() const { return m_direction; }

bool ON_Light::SetSpotAngleRadians(double radians)
{
  const double degrees = radians * 180.0 / ON_PI;
  if (!(degrees > 0.0 && degrees <= 180.0))
    return false;
  m_spot_angle = degrees;
  return true;
}

double ON_Light::SpotAngleRadians() const { return m_spot_angle * ON_PI / 180.0; }

// 1.0: switch, style, intensity, watts, colours, direction, location, spot, attenuation, shadow
// intensity, index, id, name; 1.1: length and width of linear and rectangular lights; 1.2: hot spot.
bool ON_Light::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 2) && archive.WriteInt(m_bOn ? 1 : 0) &&
         archive.WriteInt(static_cast<int>(m_style)) && archive.WriteDouble(m_intensity) &&
         archive.WriteDouble(m_watts) && archive.WriteColor(m_ambient) && archive.WriteColor(m_diffuse) &&
         archive.WriteColor(m_specular) && archive.WriteVector(m_direction) && archive.WritePoint(m_location) &&
         archive.WriteDouble(m_spot_angle) && archive.WriteDouble(m_spot_exponent) &&
         archive.WriteVector(m_attenuation) && archive.WriteDouble(m_shadow_intensity) &&
         archive.WriteInt(m_light_index) && archive.WriteUuid(m_light_id) && archive.WriteString(m_light_name) &&
         archive.WriteVector(m_length) && archive.WriteVector(m_width) && archive.WriteDouble(m_hotspot);
}

bool ON_Light::Read(ON_BinaryArchive& archive)
{
  Default();
  int major = 0, minor = 0, on = 0, style = 0;
  if (!archive.Read3dmChunkVersion(&major, &minor) || major != 1 || !archive.ReadInt(&on) || !archive.ReadInt(&style) ||
      !archive.ReadDouble(&m_intensity) || !archive.ReadDouble(&m_watts) || !archive.ReadColor(m_ambient) ||
      !archive.ReadColor(m_diffuse) || !archive.ReadColor(m_specular) || !archive.ReadVector(m_direction) ||
      !archive.ReadPoint(m_location) || !archive.ReadDouble(&m_spot_angle) || !archive.ReadDouble(&m_spot_exponent) ||
      !archive.ReadVector(m_attenuation) || !archive.ReadDouble(&m_shadow_intensity) ||
      !archive.ReadInt(&m_light_index) || !archive.ReadUuid(m_light_id) || !archive.ReadString(m_light_name))
    return false;
  m_bOn = on != 0;
  m_style = ON::LightStyle(style);
  if (minor >= 1 && (!archive.ReadVector(m_length) || !archive.ReadVector(m_width)))
    return false;
  return minor < 2 || archive.ReadDouble(&m_hotspot);
}
