#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_InstanceRef, ON_Geometry, "F9CFB638-B9D4-4340-87E3-C56E7865D96A")

ON_InstanceRef::ON_InstanceRef() : m_instance_definition_uuid(ON_nil_uuid) { m_xform.Identity(); }

bool ON_InstanceRef::IsValid(ON_TextLog*) const { return !ON_UuidIsNil(m_instance_definition_uuid); }
ON::object_type ON_InstanceRef::ObjectType() const { return ON::instance_reference; }
int ON_InstanceRef::Dimension() const { return 3; }

bool ON_InstanceRef::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  ON_3dPointArray corners;
  corners.Append(m_bbox.m_min);
  corners.Append(m_bbox.m_max);
  return m_bbox.IsValid() && corners.GetBBox(boxmin, boxmax, bGrowBox);
}

bool ON_InstanceRef::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 0) && archive.WriteUuid(m_instance_definition_uuid) &&
         archive.WriteXform(m_xform) && archive.WriteBoundingBox(m_bbox);
}

bool ON_InstanceRef::Read(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0;
  return archive.Read3dmChunkVersion(&major, &minor) && major == 1 && archive.ReadUuid(m_instance_definition_uuid) &&
         archive.ReadXform(m_xform) && archive.ReadBoundingBox(m_bbox);
}
