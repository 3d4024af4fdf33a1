#include "opennurbs.h"

ON_3dmRevisionHistory::ON_3dmRevisionHistory() { Default(); }

void ON_3dmRevisionHistory::Default()
{
  m_sCreatedBy.Empty();
  m_sLastEditedBy.Empty();
  m_create_time = {};
  m_last_edit_time = {};
  m_revision_count = 0;
}

int ON_3dmRevisionHistory::NewRevision()
{
  const std::time_t now = std::time(nullptr);
  struct tm utc = {};
  gmtime_r(&now, &utc);
  if (!CreateTimeIsSet())
    m_create_time = utc;
  m_last_edit_time = utc;
  return ++m_revision_count;
}

bool ON_3dmRevisionHistory::CreateTimeIsSet() const { return m_create_time.tm_mday > 0; }

bool ON_3dmRevisionHistory::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 0) && archive.WriteString(m_sCreatedBy) && archive.WriteTime(m_create_time) &&
         archive.WriteString(m_sLastEditedBy) && archive.WriteTime(m_last_edit_time) &&
         archive.WriteInt(m_revision_count);
}

bool ON_3dmRevisionHistory::Read(ON_BinaryArchive& archive)
{
  Default();
  int major = 0, minor = 0;
  return archive.Read3dmChunkVersion(&major, &minor) && major == 1 && archive.ReadString(m_sCreatedBy) &&
         archive.ReadTime(m_create_time) && archive.ReadString(m_sLastEditedBy) && archive.ReadTime(m_last_edit_time) &&
         archive.ReadInt(&m_revision_count);
}
