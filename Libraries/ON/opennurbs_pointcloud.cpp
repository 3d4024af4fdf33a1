#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_PointCloud, ON_Geometry, "2488F347-F8FA-11D3-BFEC-0010830122F0")

ON_PointCloud::ON_PointCloud(int capacity) : m_P(capacity) {}

bool ON_PointCloud::IsValid(ON_TextLog*) const { return m_P.Count() > 0; }
ON::object_type ON_PointCloud::ObjectType() const { return ON::pointset_object; }
int ON_PointCloud::Dimension() const { return 3; }

bool ON_PointCloud::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  return m_P.GetBBox(boxmin, boxmax, bGrowBox);
}

int ON_PointCloud::PointCount() const { return m_P.Count(); }

void ON_PointCloud::AppendPoint(const ON_3dPoint& point)
{
  m_P.Append(point);
  InvalidateBoundingBox();
}

ON_3dPoint& ON_PointCloud::operator[](int i) { return m_P[i]; }
const ON_3dPoint& ON_PointCloud::operator[](int i) const { return m_P[i]; }
bool ON_PointCloud::HasPointNormals() const { return m_P.Count() > 0 && m_N.Count() == m_P.Count(); }
bool ON_PointCloud::HasPointColors() const { return m_P.Count() > 0 && m_C.Count() == m_P.Count(); }
void ON_PointCloud::InvalidateBoundingBox() { m_bbox = ON_BoundingBox(); }

// Version 1.1: the 1.0 fields, then normals and colours.
bool ON_PointCloud::Write(ON_BinaryArchive& archive) const
{
  const ON_BoundingBox bbox = m_P.BoundingBox();
  return archive.Write3dmChunkVersion(1, 1) && archive.WriteArray(m_P) && archive.WritePlane(m_plane) &&
         archive.WriteBoundingBox(bbox) && archive.WriteInt(m_flags) && archive.WriteArray(m_N) &&
         archive.WriteArray(m_C);
}

bool ON_PointCloud::Read(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0;
  if (!archive.Read3dmChunkVersion(&major, &minor) || major != 1 || !archive.ReadArray(m_P) ||
      !archive.ReadPlane(m_plane) || !archive.ReadBoundingBox(m_bbox) || !archive.ReadInt(&m_flags))
    return false;
  return minor < 1 || (archive.ReadArray(m_N) && archive.ReadArray(m_C));
}
