#include "opennurbs.h"

void ON_3dmUnitsAndTolerances::Default() { *this = ON_3dmUnitsAndTolerances(); }

namespace
{
constexpr int kCurrentFormat = 102;
}

bool ON_3dmUnitsAndTolerances::Write(ON_BinaryArchive& archive) const
{
  return archive.WriteInt(kCurrentFormat) && archive.WriteInt(m_unit_system) &&
         archive.WriteDouble(m_absolute_tolerance) && archive.WriteDouble(m_angle_tolerance) &&
         archive.WriteDouble(m_relative_tolerance) && archive.WriteInt(m_distance_display_mode) &&
         archive.WriteInt(m_distance_display_precision) && archive.WriteDouble(m_meters_per_unit) &&
         archive.WriteString(m_custom_unit_name);
}

bool ON_3dmUnitsAndTolerances::Read(ON_BinaryArchive& archive)
{
  Default();
  int format = 0;
  if (!archive.ReadInt(&format) || format < 100 || format >= 200 || !archive.ReadInt(&m_unit_system) ||
      !archive.ReadDouble(&m_absolute_tolerance) || !archive.ReadDouble(&m_angle_tolerance) ||
      !archive.ReadDouble(&m_relative_tolerance))
    return false;
  if (format >= 101 && (!archive.ReadInt(&m_distance_display_mode) || !archive.ReadInt(&m_distance_display_precision)))
    return false;
  if (format >= 102 && (!archive.ReadDouble(&m_meters_per_unit) || !archive.ReadString(m_custom_unit_name)))
    return false;
  if (m_distance_display_precision < 0 || m_distance_display_precision > 20)
    m_distance_display_precision = 3;
  return true;
}
