#include "opennurbs.h"

bool ON_3dmNotes::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 0) && archive.WriteInt(m_bHTML ? 1 : 0) && archive.WriteString(m_notes) &&
         archive.WriteInt(m_bVisible ? 1 : 0) && archive.WriteInt(m_window_left) && archive.WriteInt(m_window_top) &&
         archive.WriteInt(m_window_right) && archive.WriteInt(m_window_bottom);
}

bool ON_3dmNotes::Read(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0, html = 0, visible = 0;
  if (!archive.Read3dmChunkVersion(&major, &minor) || major != 1 || !archive.ReadInt(&html) ||
      !archive.ReadString(m_notes) || !archive.ReadInt(&visible) || !archive.ReadInt(&m_window_left) ||
      !archive.ReadInt(&m_window_top) || !archive.ReadInt(&m_window_right) || !archive.ReadInt(&m_window_bottom))
    return false;
  m_bHTML = html != 0;
  m_bVisible = visible != 0;
  return true;
}
