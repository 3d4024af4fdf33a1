#pragma once

#include "opennurbs.h"

#include <memory>

// An object of the document: its own copy of a geometry and its selection state.
class CRhinoObject {
 public:
  explicit CRhinoObject(std::unique_ptr<ON_Geometry> geometry);

  const ON_Geometry* Geometry() const { return m_geometry.get(); }
  ON::object_type ObjectType() const;
  bool IsSelected() const { return m_selected; }
  void Select(bool on) { m_selected = on; }

 private:
  std::unique_ptr<ON_Geometry> m_geometry;
  bool m_selected = false;
};
