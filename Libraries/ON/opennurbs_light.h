#pragma once

#include "opennurbs_3dpoint.h"
#include "opennurbs_3dvector.h"
#include "opennurbs_color.h"
#include "opennurbs_geometry.h"
#include "opennurbs_uuid.h"
#include "opennurbs_wstring.h"

// A render light of a model's light table, in the layout of version 2 and 3 files (1.2).
class ON_CLASS ON_Light : public ON_Geometry
{
  ON_OBJECT_DECLARE(ON_Light);

public:
  ON_Light();

  void Default();
  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  ON::object_type ObjectType() const override;
  int Dimension() const override;
  // The location of lights that have one, else empty.
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  bool Transform(const ON_Xform& xform) override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;

  bool Enable(bool bOn = true);
  bool IsEnabled() const;
  ON::light_style Style() const;
  void SetStyle(ON::light_style style);
  bool IsPointLight() const;
  bool IsSpotLight() const;
  bool IsLinearLight() const;
  bool IsRectangularLight() const;

  void SetLightName(const wchar_t* name);
  const ON_wString& LightName() const;
  void SetLightIndex(int index);
  int LightIndex() const;
  void SetLocation(const ON_3dPoint& location);
  ON_3dPoint Location() const;
  void SetDirection(const ON_3dVector& direction);
  ON_3dVector Direction() const;
  // Spot cone half angle, in radians (kept in degrees).
  bool SetSpotAngleRadians(double radians);
  double SpotAngleRadians() const;

  bool m_bOn = true;
  ON::light_style m_style = ON::camera_directional_light;
  double m_intensity = 1.0;
  double m_watts = 0.0;
  ON_Color m_ambient;
  ON_Color m_diffuse;
  ON_Color m_specular;
  ON_3dVector m_direction;
  ON_3dPoint m_location;
  ON_3dVector m_length;
  ON_3dVector m_width;
  // Spot cone half angle in degrees.
  double m_spot_angle = 180.0;
  double m_spot_exponent = 0.0;
  // Fraction of the spot cone at full intensity; unset in files that do not set it.
  double m_hotspot = ON_UNSET_VALUE;
  // Constant, linear and quadratic attenuation.
  ON_3dVector m_attenuation;
  double m_shadow_intensity = 1.0;
  int m_light_index = 0;
  ON_UUID m_light_id;
  ON_wString m_light_name;
};
