#include "opennurbs.h"

ONX_Model_Object::ONX_Model_Object() = default;

ONX_Model_Object::~ONX_Model_Object() { Destroy(); }

ONX_Model_Object::ONX_Model_Object(const ONX_Model_Object& src) { *this = src; }

ONX_Model_Object& ONX_Model_Object::operator=(const ONX_Model_Object& src)
{
  if (this == &src)
    return *this;
  Destroy();
  m_attributes = src.m_attributes;
  if (src.m_object && src.m_bDeleteObject)
  {
    m_object = src.m_object->Duplicate();
    m_bDeleteObject = m_object != nullptr;
  }
  else
    m_object = src.m_object;
  return *this;
}

void ONX_Model_Object::Destroy()
{
  if (m_bDeleteObject)
    delete m_object;
  m_object = nullptr;
  m_bDeleteObject = false;
}
