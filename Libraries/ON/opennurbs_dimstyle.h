#pragma once

#include "opennurbs_object.h"
#include "opennurbs_wstring.h"

class ON_BinaryArchive;

// Dimension style table entry as version 3 to 5 files store it (the fields up to the text height).
class ON_CLASS ON_DimStyle : public ON_Object
{
  ON_OBJECT_DECLARE(ON_DimStyle);

public:
  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;

  bool SetName(const wchar_t* name);
  const ON_wString& Name() const;
  int Index() const;
  void SetIndex(int index);

  int m_dimstyle_index = -1;
  ON_wString m_dimstyle_name;
  double m_extextension = 0.125;
  double m_extoffset = 0.0625;
  double m_arrowsize = 0.125;
  double m_centermark = 0.25;
  double m_textgap = 0.0625;
  int m_textalign = 2;
  int m_arrowtype = 0;
  int m_angularunits = 0;
  int m_lengthformat = 0;
  int m_angleformat = 0;
  int m_lengthresolution = 2;
  int m_angleresolution = 2;
  int m_fontindex = -1;
  double m_textheight = 1.0;
};
