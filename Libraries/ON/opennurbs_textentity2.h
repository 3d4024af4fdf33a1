#pragma once

#include "opennurbs_annotation2.h"

// Text in a plane: the plane's origin is where the text is placed, m_index names its font.
class ON_CLASS ON_TextEntity2 : public ON_Annotation2
{
  ON_OBJECT_DECLARE(ON_TextEntity2);

public:
  ON_TextEntity2();

  // Needs a printable character (or a formula), no definition points and a valid plane.
  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  bool Read(ON_BinaryArchive& archive) override;

  int FontIndex() const;
  void SetFontIndex(int index);

  void SetJustification(unsigned int justification) override;
  unsigned int Justification() override;

  bool AnnotativeScaling() const;
  void SetAnnotativeScaling(bool b);
};
