#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_InstanceDefinition, ON_Geometry, "26F8BFF6-2618-417F-A158-153D64A94989")

ON_InstanceDefinition::ON_InstanceDefinition() : m_uuid(ON_nil_uuid) {}

bool ON_InstanceDefinition::IsValid(ON_TextLog*) const { return !ON_UuidIsNil(m_uuid); }
ON::object_type ON_InstanceDefinition::ObjectType() const { return ON::instance_definition; }
int ON_InstanceDefinition::Dimension() const { return 3; }

bool ON_InstanceDefinition::GetBBox(double* boxmin, double* boxmax, bool grow) const
{
  ON_BoundingBox box = m_bbox;
  if (grow && boxmin && boxmax)
    box.Union(ON_BoundingBox(ON_3dPoint(boxmin), ON_3dPoint(boxmax)));
  for (int i = 0; i < 3; ++i)
  {
    if (boxmin)
      boxmin[i] = box.m_min[i];
    if (boxmax)
      boxmax[i] = box.m_max[i];
  }
  return box.IsValid();
}

void ON_InstanceDefinition::SetName(const wchar_t* name) { m_name = name; }
const wchar_t* ON_InstanceDefinition::Name() const { return m_name.Array(); }
void ON_InstanceDefinition::SetDescription(const wchar_t* description) { m_description = description; }
const wchar_t* ON_InstanceDefinition::Description() const { return m_description.Array(); }
void ON_InstanceDefinition::SetUuid(ON_UUID uuid) { m_uuid = uuid; }
ON_UUID ON_InstanceDefinition::Uuid() const { return m_uuid; }
void ON_InstanceDefinition::SetBoundingBox(ON_BoundingBox bbox) { m_bbox = bbox; }
ON_BoundingBox ON_InstanceDefinition::BoundingBox() const { return m_bbox; }

// Version 1.0, the layout of version 3 files.
bool ON_InstanceDefinition::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 0) && archive.WriteUuid(m_uuid) && archive.WriteArray(m_object_uuid) &&
         archive.WriteString(m_name) && archive.WriteString(m_description) && archive.WriteString(m_url) &&
         archive.WriteString(m_url_tag) && archive.WriteBoundingBox(m_bbox) && archive.WriteInt(m_idef_update_type) &&
         archive.WriteString(m_source_archive);
}

bool ON_InstanceDefinition::Read(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0;
  return archive.Read3dmChunkVersion(&major, &minor) && major == 1 && archive.ReadUuid(m_uuid) &&
         archive.ReadArray(m_object_uuid) && archive.ReadString(m_name) && archive.ReadString(m_description) &&
         archive.ReadString(m_url) && archive.ReadString(m_url_tag) && archive.ReadBoundingBox(m_bbox) &&
         archive.ReadInt(&m_idef_update_type) && archive.ReadString(m_source_archive);
}
