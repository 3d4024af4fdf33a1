#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_Font, ON_Object, "4F0F51FB-35D0-4865-9998-6D2C6A99721D")

ON_Font::ON_Font() : m_font_id(ON_nil_uuid) {}

bool ON_Font::IsValid(ON_TextLog*) const { return !m_facename.IsEmpty(); }

bool ON_Font::SetFontName(const wchar_t* name)
{
  m_font_name = name;
  return !m_font_name.IsEmpty();
}

const ON_wString& ON_Font::FontName() const { return m_font_name; }

bool ON_Font::SetFontFaceName(const wchar_t* face_name)
{
  m_facename = face_name;
  if (m_facename.Length() > face_name_size)
    m_facename.SetLength(face_name_size);
  return !m_facename.IsEmpty();
}

const ON_wString& ON_Font::FontFaceName() const { return m_facename; }
int ON_Font::FontIndex() const { return m_font_index; }
void ON_Font::SetFontIndex(int index) { m_font_index = index; }

// The face name is a fixed block of 64 UTF-16 units, zero padded.
bool ON_Font::Write(ON_BinaryArchive& archive) const
{
  unsigned short face[face_name_size] = {};
  for (int i = 0; i < m_facename.Length() && i < face_name_size; ++i)
    face[i] = static_cast<unsigned short>(m_facename[i] <= 0xFFFF ? m_facename[i] : 0xFFFD);
  return archive.Write3dmChunkVersion(1, 2) && archive.WriteInt(m_font_index) && archive.WriteString(m_font_name) &&
         archive.WriteByte(sizeof(face), face) && archive.WriteInt(m_font_weight) &&
         archive.WriteInt(m_font_italic ? 1 : 0) && archive.WriteDouble(m_linefeed_ratio) &&
         archive.WriteUuid(m_font_id);
}

bool ON_Font::Read(ON_BinaryArchive& archive)
{
  m_font_id = ON_nil_uuid;
  int major = 0, minor = 0;
  unsigned short face[face_name_size] = {};
  if (!archive.Read3dmChunkVersion(&major, &minor) || major != 1 || !archive.ReadInt(&m_font_index) ||
      !archive.ReadString(m_font_name) || !archive.ReadByte(sizeof(face), face))
    return false;
  wchar_t wide[face_name_size + 1] = {};
  for (int i = 0; i < face_name_size; ++i)
    wide[i] = static_cast<wchar_t>(face[i]);
  m_facename = wide;
  if (minor >= 1)
  {
    int italic = 0;
    if (!archive.ReadInt(&m_font_weight) || !archive.ReadInt(&italic) || !archive.ReadDouble(&m_linefeed_ratio))
      return false;
    m_font_italic = italic != 0;
  }
  return minor < 2 || archive.ReadUuid(m_font_id);
}
