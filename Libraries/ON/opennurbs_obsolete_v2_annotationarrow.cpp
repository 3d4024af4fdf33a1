#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_OBSOLETE_V2_AnnotationArrow, ON_Geometry, "8BD94E1A-59E1-11D4-8018-0010830122F0")

ON_OBSOLETE_V2_AnnotationArrow::ON_OBSOLETE_V2_AnnotationArrow() : m_tail(0.0, 0.0, 0.0), m_head(0.0, 0.0, 0.0) {}

bool ON_OBSOLETE_V2_AnnotationArrow::IsValid(ON_TextLog*) const { return m_tail.IsValid() && m_head.IsValid(); }
ON::object_type ON_OBSOLETE_V2_AnnotationArrow::ObjectType() const { return ON::annotation_object; }
int ON_OBSOLETE_V2_AnnotationArrow::Dimension() const { return 3; }

bool ON_OBSOLETE_V2_AnnotationArrow::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  return LineCurve().GetBBox(boxmin, boxmax, bGrowBox);
}

ON_LineCurve ON_OBSOLETE_V2_AnnotationArrow::LineCurve() const { return ON_LineCurve(m_tail, m_head); }

bool ON_OBSOLETE_V2_AnnotationArrow::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 0) && archive.WritePoint(m_tail) && archive.WritePoint(m_head);
}

bool ON_OBSOLETE_V2_AnnotationArrow::Read(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0;
  return archive.Read3dmChunkVersion(&major, &minor) && major == 1 && archive.ReadPoint(m_tail) &&
         archive.ReadPoint(m_head);
}
