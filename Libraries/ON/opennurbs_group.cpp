#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_Group, ON_Object, "721D9F97-3645-44C4-8BE6-B2CF697D25CE")

ON_Group::ON_Group() : m_group_id(ON_nil_uuid) {}

bool ON_Group::IsValid(ON_TextLog*) const { return m_group_index >= 0; }


bool ON_Group::SetGroupName(const wchar_t* name)
{
  m_group_name = name;
  return !m_group_name.IsEmpty();
}

const ON_wString& ON_Group::GroupName() const { return m_group_name; }
void ON_Group::SetGroupIndex(int index) { m_group_index = index; }
int ON_Group::GroupIndex() const { return m_group_index; }

bool ON_Group::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 1) && archive.WriteInt(m_group_index) && archive.WriteString(m_group_name) &&
         archive.WriteUuid(m_group_id);
}

bool ON_Group::Read(ON_BinaryArchive& archive)
{
  m_group_id = ON_nil_uuid;
  int major = 0, minor = 0;
  if (!archive.Read3dmChunkVersion(&major, &minor) || major != 1 || !archive.ReadInt(&m_group_index) ||
      !archive.ReadString(m_group_name))
    return false;
  return minor < 1 || archive.ReadUuid(m_group_id);
}
