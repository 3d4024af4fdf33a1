#include "CRhinoObject.h"

CRhinoObject::CRhinoObject(std::unique_ptr<ON_Geometry> geometry) : m_geometry(std::move(geometry)) {}

ON::object_type CRhinoObject::ObjectType() const
{
  return m_geometry ? m_geometry->ObjectType() : ON::unknown_object_type;
}
