#pragma once

#include "opennurbs_defines.h"
#include "opennurbs_uuid.h"

class ON_Object;

// Run-time type record of an ON_Object class: its name, base class and UUID. Every record
// registers itself, so a class can be found by name or UUID and instantiated.
class ON_CLASS ON_ClassId
{
public:
  ON_ClassId(const char* class_name, const char* base_class_name, const ON_ClassId* (*base_class)(),
             ON_Object* (*create)(), const char* uuid);
  ~ON_ClassId() = default;

  ON_ClassId(const ON_ClassId&) = delete;
  ON_ClassId& operator=(const ON_ClassId&) = delete;

  const char* ClassName() const;
  const char* BaseClassName() const;
  const ON_ClassId* BaseClass() const;
  ON_UUID Uuid() const;

  // True when this class is potential_parent or derives from it.
  bool IsDerivedFrom(const ON_ClassId* potential_parent) const;

  // New default instance (delete it when done); null for abstract classes.
  ON_Object* Create() const;

  static const ON_ClassId* ClassId(const char* class_name);
  static const ON_ClassId* ClassId(ON_UUID uuid);
  static const ON_ClassId* FirstClass();
  const ON_ClassId* NextClass() const;

private:
  const char* m_class_name;
  const char* m_base_class_name;
  const ON_ClassId* (*m_base_class)();
  ON_Object* (*m_create)();
  ON_UUID m_uuid;
  const ON_ClassId* m_next;
};

// Inside the class declaration of every ON_Object-derived class.
#define ON_OBJECT_DECLARE(cls)                                                                                         \
public:                                                                                                                \
  static const ON_ClassId m_##cls##_class_id;                                                                          \
  static cls* Cast(ON_Object* p);                                                                                      \
  static const cls* Cast(const ON_Object* p);                                                                          \
  const ON_ClassId* ClassId() const override;                                                                          \
  cls* Duplicate() const;                                                                                              \
                                                                                                                       \
private:                                                                                                               \
  ON_Object* DuplicateObject() const override;                                                                         \
                                                                                                                       \
public:                                                                                                                \
  static_assert(true, "the declaration is closed by the caller's ;")

#define ON_OBJECT_IMPLEMENT_COMMON(cls, basecls)                                                                       \
  cls* cls::Cast(ON_Object* p)                                                                                         \
  {                                                                                                                    \
    return (p && p->IsKindOf(&cls::m_##cls##_class_id)) ? static_cast<cls*>(p) : nullptr;                              \
  }                                                                                                                    \
  const cls* cls::Cast(const ON_Object* p)                                                                             \
  {                                                                                                                    \
    return (p && p->IsKindOf(&cls::m_##cls##_class_id)) ? static_cast<const cls*>(p) : nullptr;                        \
  }                                                                                                                    \
  const ON_ClassId* cls::ClassId() const { return &cls::m_##cls##_class_id; }                                          \
  cls* cls::Duplicate() const { return static_cast<cls*>(DuplicateObject()); }

// In the .cpp of a concrete class (default-constructible and copyable).
#define ON_OBJECT_IMPLEMENT(cls, basecls, uuid)                                                                        \
  const ON_ClassId cls::m_##cls##_class_id(                                                                            \
      #cls, #basecls, []() -> const ON_ClassId* { return &basecls::m_##basecls##_class_id; },                          \
      []() -> ON_Object* { return new cls(); }, uuid);                                                                 \
  ON_Object* cls::DuplicateObject() const { return new cls(*this); }                                                   \
  ON_OBJECT_IMPLEMENT_COMMON(cls, basecls)

// In the .cpp of an abstract class: no instances, Duplicate() gives null.
#define ON_VIRTUAL_OBJECT_IMPLEMENT(cls, basecls, uuid)                                                                \
  const ON_ClassId cls::m_##cls##_class_id(                                                                            \
      #cls, #basecls, []() -> const ON_ClassId* { return &basecls::m_##basecls##_class_id; }, nullptr, uuid);          \
  ON_Object* cls::DuplicateObject() const { return nullptr; }                                                          \
  ON_OBJECT_IMPLEMENT_COMMON(cls, basecls)
