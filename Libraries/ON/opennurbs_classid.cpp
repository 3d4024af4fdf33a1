#include "opennurbs_classid.h"

#include <cstring>

namespace
{
// Head of the list of registered classes; constant-initialized, so safe during static construction.
const ON_ClassId* g_first_class = nullptr;
} // namespace

ON_ClassId::ON_ClassId(const char* class_name, const char* base_class_name, const ON_ClassId* (*base_class)(),
                       ON_Object* (*create)(), const char* uuid)
    : m_class_name(class_name), m_base_class_name(base_class_name), m_base_class(base_class), m_create(create),
      m_uuid(ON_UuidFromString(uuid)), m_next(g_first_class)
{
  g_first_class = this;
}

const char* ON_ClassId::ClassName() const { return m_class_name; }
const char* ON_ClassId::BaseClassName() const { return m_base_class_name; }
const ON_ClassId* ON_ClassId::BaseClass() const { return m_base_class ? m_base_class() : nullptr; }
ON_UUID ON_ClassId::Uuid() const { return m_uuid; }

bool ON_ClassId::IsDerivedFrom(const ON_ClassId* potential_parent) const
{
  if (!potential_parent)
    return false;
  for (const ON_ClassId* p = this; p; p = p->BaseClass())
  {
    if (p == potential_parent)
      return true;
  }
  return false;
}

ON_Object* ON_ClassId::Create() const { return m_create ? m_create() : nullptr; }

const ON_ClassId* ON_ClassId::ClassId(const char* class_name)
{
  if (!class_name)
    return nullptr;
  for (const ON_ClassId* p = g_first_class; p; p = p->m_next)
  {
    if (std::strcmp(p->m_class_name, class_name) == 0)
      return p;
  }
  return nullptr;
}

const ON_ClassId* ON_ClassId::ClassId(ON_UUID uuid)
{
  if (ON_UuidIsNil(uuid))
    return nullptr;
  for (const ON_ClassId* p = g_first_class; p; p = p->m_next)
  {
    if (p->m_uuid == uuid)
      return p;
  }
  return nullptr;
}

const ON_ClassId* ON_ClassId::FirstClass() { return g_first_class; }

const ON_ClassId* ON_ClassId::NextClass() const { return m_next; }
