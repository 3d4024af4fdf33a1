#pragma once

#include "opennurbs_pointgeometry.h"
#include "opennurbs_wstring.h"

class ON_BinaryArchive;
class ON_TextDot;

// Text dot as version 2 files store it: a point with a text. Read files turn it into ON_TextDot.
class ON_CLASS ON_OBSOLETE_V2_TextDot : public ON_Point
{
  ON_OBJECT_DECLARE(ON_OBSOLETE_V2_TextDot);

public:
  ON_OBSOLETE_V2_TextDot() = default;
  explicit ON_OBSOLETE_V2_TextDot(const ON_TextDot& dot);

  ON_TextDot TextDot() const;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;
  ON::object_type ObjectType() const override;

  ON_wString m_text;
};
