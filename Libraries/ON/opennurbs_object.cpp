#include "opennurbs_object.h"

const ON_ClassId ON_Object::m_ON_Object_class_id("ON_Object", "", nullptr, nullptr,
                                                 "60B5DBBD-E660-11d3-BFE4-0010830122F0");

const ON_ClassId* ON_Object::ClassId() const { return &m_ON_Object_class_id; }

bool ON_Object::IsKindOf(const ON_ClassId* pClassId) const { return ClassId()->IsDerivedFrom(pClassId); }

ON_Object* ON_Object::Duplicate() const { return DuplicateObject(); }

ON::object_type ON_Object::ObjectType() const { return ON::unknown_object_type; }

ON_Object* ON_Object::DuplicateObject() const { return nullptr; }

bool ON_Object::Write(ON_BinaryArchive&) const { return false; }

bool ON_Object::Read(ON_BinaryArchive&) { return false; }
