#include "QOR3dPoint.h"

QOR3dPoint::QOR3dPoint() : m_point(ON_3dPoint::UnsetPoint) {}

QOR3dPoint::QOR3dPoint(const ON_3dPoint& point, const ON_String& number, const ON_String& description)
    : m_point(point), m_number(number), m_description(description)
{
}

void QOR3dPoint::Set(const ON_3dPoint& point, const ON_String& number, const ON_String& description)
{
  m_point = point;
  m_number = number;
  m_description = description;
}
