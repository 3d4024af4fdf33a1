#pragma once

#include "CRhinoObject.h"

// A reference to a picked document object.
class CRhinoObjRef
{
public:
  explicit CRhinoObjRef(const CRhinoObject* object = nullptr) : m_object(object) {}
  const CRhinoObject* Object() const { return m_object; }
  const ON_Geometry* Geometry() const { return m_object ? m_object->Geometry() : nullptr; }

private:
  const CRhinoObject* m_object;
};
