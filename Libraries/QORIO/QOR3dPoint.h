#pragma once

#include "opennurbs.h"

// A point read from a text file, with the number and description the file gave it.
class QOR3dPoint
{
public:
  QOR3dPoint();
  QOR3dPoint(const ON_3dPoint& point, const ON_String& number, const ON_String& description);

  void Set(const ON_3dPoint& point, const ON_String& number, const ON_String& description);

  ON_3dPoint m_point;
  ON_String m_number;
  ON_String m_description;
};
