#pragma once

#include "opennurbs_geometry.h"
#include "opennurbs_wstring.h"

class ON_BinaryArchive;

// A text label fixed to a point, drawn at a constant screen size.
class ON_CLASS ON_TextDot : public ON_Geometry
{
  ON_OBJECT_DECLARE(ON_TextDot);

public:
  ON_TextDot();
  ON_TextDot(const ON_3dPoint& point, const wchar_t* text);

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  ON::object_type ObjectType() const override;
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;

  const ON_3dPoint& Point() const;
  void SetPoint(const ON_3dPoint& point);
  int Height() const;
  void SetHeight(int height);
  const wchar_t* TextString() const;
  void SetTextString(const wchar_t* text);
  const wchar_t* FontFace() const;
  void SetFontFace(const wchar_t* face);

  ON_3dPoint m_point;
  int m_height = 14;
  ON_wString m_text;
  ON_wString m_fontface;
  // 1 on top, 2 transparent, 4 bold, 8 italic.
  int m_display = 0;
};
