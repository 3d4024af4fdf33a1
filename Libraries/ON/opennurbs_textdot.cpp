#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_TextDot, ON_Geometry, "74198302-CDF4-4F95-9609-6D684F22AB37")

ON_TextDot::ON_TextDot() : m_point(0.0, 0.0, 0.0) {}

ON_TextDot::ON_TextDot(const ON_3dPoint& point, const wchar_t* text) : m_point(point), m_text(text) {}

bool ON_TextDot::IsValid(ON_TextLog*) const { return m_point.IsValid() && !m_text.IsEmpty(); }
ON::object_type ON_TextDot::ObjectType() const { return ON::text_dot; }
int ON_TextDot::Dimension() const { return 3; }

bool ON_TextDot::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  return ON_Point(m_point).GetBBox(boxmin, boxmax, bGrowBox);
}

const ON_3dPoint& ON_TextDot::Point() const { return m_point; }
void ON_TextDot::SetPoint(const ON_3dPoint& point) { m_point = point; }
int ON_TextDot::Height() const { return m_height; }
void ON_TextDot::SetHeight(int height) { m_height = height; }
const wchar_t* ON_TextDot::TextString() const { return m_text.Array(); }
void ON_TextDot::SetTextString(const wchar_t* text) { m_text = text; }
const wchar_t* ON_TextDot::FontFace() const { return m_fontface.Array(); }
void ON_TextDot::SetFontFace(const wchar_t* face) { m_fontface = face; }

bool ON_TextDot::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 0) && archive.WritePoint(m_point) && archive.WriteInt(m_height) &&
         archive.WriteString(m_text) && archive.WriteString(m_fontface) && archive.WriteInt(m_display);
}

bool ON_TextDot::Read(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0;
  return archive.Read3dmChunkVersion(&major, &minor) && major == 1 && archive.ReadPoint(m_point) &&
         archive.ReadInt(&m_height) && archive.ReadString(m_text) && archive.ReadString(m_fontface) &&
         archive.ReadInt(&m_display);
}
