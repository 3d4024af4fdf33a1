#pragma once

#include "opennurbs_object.h"
#include "opennurbs_uuid.h"
#include "opennurbs_wstring.h"

// Bitmap table entry: the image a material or a background refers to by name.
// Version 2 and 3 bitmap records are skipped on reading; the table holds what a caller adds.
class ON_CLASS ON_Bitmap : public ON_Object
{
  ON_OBJECT_DECLARE(ON_Bitmap);

public:
  ON_Bitmap();

  bool IsValid(ON_TextLog* text_log = nullptr) const override;

  int m_bitmap_index = -1;
  ON_UUID m_bitmap_id;
  ON_wString m_bitmap_name;
  ON_wString m_bitmap_filename;
};
