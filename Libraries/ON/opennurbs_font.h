#pragma once

#include "opennurbs_object.h"
#include "opennurbs_uuid.h"
#include "opennurbs_wstring.h"

class ON_BinaryArchive;

// Font table entry of version 3 to 5 files; annotation refers to fonts by index.
class ON_CLASS ON_Font : public ON_Object
{
  ON_OBJECT_DECLARE(ON_Font);

public:
  enum
  {
    face_name_size = 64
  };

  ON_Font();

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;

  bool SetFontName(const wchar_t* name);
  const ON_wString& FontName() const;
  bool SetFontFaceName(const wchar_t* face_name);
  const ON_wString& FontFaceName() const;
  int FontIndex() const;
  void SetFontIndex(int index);

  int m_font_index = -1;
  ON_wString m_font_name;
  ON_wString m_facename;
  int m_font_weight = 400;
  bool m_font_italic = false;
  double m_linefeed_ratio = 1.6;
  ON_UUID m_font_id;
};
