#include "opennurbs.h"

void ON_3dmSettings::Default() { *this = ON_3dmSettings(); }

namespace
{
const unsigned int kCurrentMaterial = 0x20008039u;
const unsigned int kCurrentColor = 0x2000803Au;
const unsigned int kCurrentWireDensity = 0xA000003Cu;
} // namespace

bool ON_3dmSettings::Write(ON_BinaryArchive& archive) const
{
  if (!archive.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_SETTINGS_UNITSANDTOLS, 0))
    return false;
  bool ok = m_ModelUnitsAndTolerances.Write(archive);
  ok = archive.EndWrite3dmChunk() && ok;
  ok = ok && archive.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_SETTINGS_CURRENT_LAYER_INDEX, m_current_layer_index) &&
       archive.EndWrite3dmChunk();
  ok = ok && archive.BeginWrite3dmChunk(kCurrentMaterial, 0) && archive.WriteInt(m_current_material_index) &&
       archive.WriteInt(m_current_material_source) && archive.EndWrite3dmChunk();
  ok = ok && archive.BeginWrite3dmChunk(kCurrentColor, 0) && archive.WriteColor(m_current_color) &&
       archive.WriteInt(m_current_color_source) && archive.EndWrite3dmChunk();
  return ok && archive.BeginWrite3dmChunk(kCurrentWireDensity, m_current_wire_density) && archive.EndWrite3dmChunk() &&
         m_unread_records.Write(archive);
}

bool ON_3dmSettings::Read(ON_BinaryArchive& archive)
{
  Default();
  bool ok = true;
  for (;;)
  {
    unsigned int tc = 0;
    ON__INT64 value = 0;
    const size_t begin = archive.CurrentPosition();
    if (!archive.BeginRead3dmChunk(&tc, &value))
      return false;
    if (tc == ON_BinaryArchive::TCODE_ENDOFTABLE)
      return archive.EndRead3dmChunk() && ok;
    const bool unread = tc != ON_BinaryArchive::TCODE_SETTINGS_UNITSANDTOLS &&
                        tc != ON_BinaryArchive::TCODE_SETTINGS_CURRENT_LAYER_INDEX && tc != kCurrentMaterial &&
                        tc != kCurrentColor && tc != kCurrentWireDensity;
    if (tc == ON_BinaryArchive::TCODE_SETTINGS_UNITSANDTOLS)
      ok = m_ModelUnitsAndTolerances.Read(archive) && ok;
    else if (tc == ON_BinaryArchive::TCODE_SETTINGS_CURRENT_LAYER_INDEX)
      m_current_layer_index = static_cast<int>(value);
    else if (tc == kCurrentMaterial)
      ok = archive.ReadInt(&m_current_material_index) && archive.ReadInt(&m_current_material_source) && ok;
    else if (tc == kCurrentColor)
      ok = archive.ReadColor(m_current_color) && archive.ReadInt(&m_current_color_source) && ok;
    else if (tc == kCurrentWireDensity)
      m_current_wire_density = static_cast<int>(value);
    ok = archive.EndRead3dmChunk() && ok;
    if (unread)
      m_unread_records.Keep(archive, begin);
  }
}
