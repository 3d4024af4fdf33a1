#pragma once

#include "opennurbs_wstring.h"

class ON_BinaryArchive;

// Free text notes of a model and the window that showed them.
class ON_CLASS ON_3dmNotes
{
public:
  bool Write(ON_BinaryArchive& archive) const;
  bool Read(ON_BinaryArchive& archive);

  bool m_bVisible = false;
  bool m_bHTML = false;
  ON_wString m_notes;
  int m_window_left = 0;
  int m_window_top = 0;
  int m_window_right = 0;
  int m_window_bottom = 0;
};
