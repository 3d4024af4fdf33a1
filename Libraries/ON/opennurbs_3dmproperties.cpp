#include "opennurbs.h"

void ON_3dmProperties::Default() { *this = ON_3dmProperties(); }

namespace
{
template <class T>
bool WriteRecord(ON_BinaryArchive& archive, unsigned int typecode, const T& record)
{
  if (!archive.BeginWrite3dmChunk(typecode, 0))
    return false;
  const bool ok = record.Write(archive);
  return archive.EndWrite3dmChunk() && ok;
}

template <class T>
bool ReadRecord(ON_BinaryArchive& archive, T& record)
{
  const bool ok = record.Read(archive);
  return archive.EndRead3dmChunk() && ok;
}
} // namespace

bool ON_3dmProperties::Write(ON_BinaryArchive& archive) const
{
  return WriteRecord(archive, ON_BinaryArchive::TCODE_PROPERTIES_REVISIONHISTORY, m_RevisionHistory) &&
         WriteRecord(archive, ON_BinaryArchive::TCODE_PROPERTIES_NOTES, m_Notes) &&
         WriteRecord(archive, ON_BinaryArchive::TCODE_PROPERTIES_APPLICATION, m_Application) &&
         m_unread_records.Write(archive);
}

bool ON_3dmProperties::Read(ON_BinaryArchive& archive)
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
    switch (tc)
    {
    case ON_BinaryArchive::TCODE_PROPERTIES_OPENNURBS_VERSION:
      archive.SetArchiveOpenNURBSVersion(static_cast<unsigned int>(value));
      ok = archive.EndRead3dmChunk() && ok;
      break;
    case ON_BinaryArchive::TCODE_PROPERTIES_REVISIONHISTORY:
      ok = ReadRecord(archive, m_RevisionHistory) && ok;
      break;
    case ON_BinaryArchive::TCODE_PROPERTIES_NOTES:
      ok = ReadRecord(archive, m_Notes) && ok;
      break;
    case ON_BinaryArchive::TCODE_PROPERTIES_APPLICATION:
      ok = ReadRecord(archive, m_Application) && ok;
      break;
    default: // a preview image, or properties of later versions
      ok = archive.EndRead3dmChunk() && ok;
      m_unread_records.Keep(archive, begin);
      break;
    }
  }
}
