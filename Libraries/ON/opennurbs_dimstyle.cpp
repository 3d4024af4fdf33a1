#include "opennurbs.h"

// Version 3 to 5 files store dimension styles under this class id.
ON_OBJECT_IMPLEMENT(ON_DimStyle, ON_Object, "81BD83D5-7120-41C4-9A57-C449336FF12C")

bool ON_DimStyle::IsValid(ON_TextLog*) const { return !m_dimstyle_name.IsEmpty(); }

bool ON_DimStyle::SetName(const wchar_t* name)
{
  m_dimstyle_name = name;
  return !m_dimstyle_name.IsEmpty();
}

const ON_wString& ON_DimStyle::Name() const { return m_dimstyle_name; }
int ON_DimStyle::Index() const { return m_dimstyle_index; }
void ON_DimStyle::SetIndex(int index) { m_dimstyle_index = index; }

bool ON_DimStyle::Write(ON_BinaryArchive& archive) const
{
  const double sizes[5] = {m_extextension, m_extoffset, m_arrowsize, m_centermark, m_textgap};
  const int formats[8] = {m_textalign,   m_arrowtype,        m_angularunits,    m_lengthformat,
                          m_angleformat, m_lengthresolution, m_angleresolution, m_fontindex};
  bool ok = archive.Write3dmChunkVersion(1, 1) && archive.WriteInt(m_dimstyle_index) &&
            archive.WriteString(m_dimstyle_name) && archive.WriteDouble(5, sizes);
  for (int i = 0; ok && i < 8; ++i)
    ok = archive.WriteInt(formats[i]);
  return ok && archive.WriteDouble(m_textheight);
}

bool ON_DimStyle::Read(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0;
  double sizes[5] = {};
  int formats[8] = {};
  bool ok = archive.Read3dmChunkVersion(&major, &minor) && major == 1 && archive.ReadInt(&m_dimstyle_index) &&
            archive.ReadString(m_dimstyle_name) && archive.ReadDouble(5, sizes);
  for (int i = 0; ok && i < 8; ++i)
    ok = archive.ReadInt(&formats[i]);
  if (!ok || (minor >= 1 && !archive.ReadDouble(&m_textheight)))
    return false;
  m_extextension = sizes[0];
  m_extoffset = sizes[1];
  m_arrowsize = sizes[2];
  m_centermark = sizes[3];
  m_textgap = sizes[4];
  m_textalign = formats[0];
  m_arrowtype = formats[1];
  m_angularunits = formats[2];
  m_lengthformat = formats[3];
  m_angleformat = formats[4];
  m_lengthresolution = formats[5];
  m_angleresolution = formats[6];
  m_fontindex = formats[7];
  return true;
}
