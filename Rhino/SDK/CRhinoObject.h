#pragma once

#include "opennurbs.h"

#include <memory>

// An object of the document: its own copy of a geometry, its attributes (layer, name, colour,
// id as a 3DM file gives them) and its selection state.
class CRhinoObject
{
public:
  explicit CRhinoObject(std::unique_ptr<ON_Geometry> geometry);

  const ON_Geometry* Geometry() const { return m_geometry.get(); }
  ON::object_type ObjectType() const;
  const ON_3dmObjectAttributes& Attributes() const { return m_attributes; }
  void SetAttributes(const ON_3dmObjectAttributes& attributes) { m_attributes = attributes; }
  bool IsSelected() const { return m_selected; }
  void Select(bool on) { m_selected = on; }

private:
  friend class CRhinoDoc; // CRhinoDoc::ReplaceObject
  void ReplaceGeometry(std::unique_ptr<ON_Geometry> geometry) { m_geometry = std::move(geometry); }

  std::unique_ptr<ON_Geometry> m_geometry;
  ON_3dmObjectAttributes m_attributes;
  bool m_selected = false;
};
