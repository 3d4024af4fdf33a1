#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_OBSOLETE_V2_TextDot, ON_Point, "8BD94E19-59E1-11D4-8018-0010830122F0")

ON_OBSOLETE_V2_TextDot::ON_OBSOLETE_V2_TextDot(const ON_TextDot& dot) : ON_Point(dot.Point()), m_text(dot.TextString())
{
}

ON_TextDot ON_OBSOLETE_V2_TextDot::TextDot() const { return ON_TextDot(point, m_text.Array()); }

// Current writers put the text dot type in the record; Rhino 2 used the point type.
ON::object_type ON_OBSOLETE_V2_TextDot::ObjectType() const { return ON::text_dot; }

bool ON_OBSOLETE_V2_TextDot::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 0) && archive.WritePoint(point) && archive.WriteString(m_text);
}

bool ON_OBSOLETE_V2_TextDot::Read(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0;
  return archive.Read3dmChunkVersion(&major, &minor) && major == 1 && archive.ReadPoint(point) &&
         archive.ReadString(m_text);
}
