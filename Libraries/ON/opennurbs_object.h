#pragma once

#include "opennurbs_classid.h"
#include "opennurbs_on.h"
#include "opennurbs_rawchunks.h"

class ON_TextLog;
class ON_BinaryArchive;

// Root of the geometry and model classes, with run-time type information (ON_ClassId).
class ON_CLASS ON_Object
{
public:
  static const ON_ClassId m_ON_Object_class_id;

  ON_Object() = default;
  ON_Object(const ON_Object&) = default;
  ON_Object& operator=(const ON_Object&) = default;
  virtual ~ON_Object() = default;

  virtual const ON_ClassId* ClassId() const;
  // True when this object's class is pClassId's class or derives from it.
  bool IsKindOf(const ON_ClassId* pClassId) const;

  static ON_Object* Cast(ON_Object* p) { return p; }
  static const ON_Object* Cast(const ON_Object* p) { return p; }

  // Heap copy of the same class (delete it when done); null for abstract classes.
  ON_Object* Duplicate() const;

  // Optional text_log receives the reason for an invalid object.
  virtual bool IsValid(ON_TextLog* text_log = nullptr) const = 0;
  virtual ON::object_type ObjectType() const;

  // 3DM class data; a class without a 3DM form returns false.
  virtual bool Write(ON_BinaryArchive& archive) const;
  virtual bool Read(ON_BinaryArchive& archive);

  // User data chunks of the object's class chunk, kept as read and written back with the object in
  // an archive of the version they were read in (copies of the object carry them).
  ON_RawChunks m_unread_user_data;

private:
  virtual ON_Object* DuplicateObject() const;
};
