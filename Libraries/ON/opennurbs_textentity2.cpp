#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_TextEntity2, ON_Annotation2, "46F75541-F46B-48BE-AA7E-B353BBE068A7")

ON_TextEntity2::ON_TextEntity2()
{
  m_type = ON::dtTextBlock;
  m_textdisplaymode = ON::dtNormal;
}

bool ON_TextEntity2::IsValid(ON_TextLog* text_log) const
{
  if (m_type != ON::dtTextBlock || m_points.Count() != 0)
    return false;
  bool printable = m_usertext.IsEmpty() && TextFormula()[0] != 0;
  for (int i = 0; i < m_usertext.Length() && !printable; ++i)
    printable = m_usertext[i] > L' ';
  return printable && ON_Annotation2::IsValid(text_log);
}

bool ON_TextEntity2::Read(ON_BinaryArchive& archive) { return ReadSubclassChunk(archive); }

int ON_TextEntity2::FontIndex() const { return m_index; }
void ON_TextEntity2::SetFontIndex(int index) { m_index = index; }
void ON_TextEntity2::SetJustification(unsigned int justification) { m_justification = justification; }
unsigned int ON_TextEntity2::Justification() { return m_justification; }
bool ON_TextEntity2::AnnotativeScaling() const { return m_annotative_scale; }
void ON_TextEntity2::SetAnnotativeScaling(bool b) { m_annotative_scale = b; }
