#include "opennurbs.h"

bool ON_3dmApplication::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 0) && archive.WriteString(m_application_name) &&
         archive.WriteString(m_application_URL) && archive.WriteString(m_application_details);
}

bool ON_3dmApplication::Read(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0;
  return archive.Read3dmChunkVersion(&major, &minor) && major == 1 && archive.ReadString(m_application_name) &&
         archive.ReadString(m_application_URL) && archive.ReadString(m_application_details);
}
