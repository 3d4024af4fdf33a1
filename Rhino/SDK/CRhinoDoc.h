#pragma once

#include "CRhinoObjRef.h"
#include "CRhinoObject.h"

#include <memory>
#include <vector>

// The active model: the objects commands add, numbered from 1 in the order they were added.
class CRhinoDoc
{
public:
  // Each Add... copies the geometry into a new object and returns it.
  CRhinoObject* AddPointObject(const ON_3dPoint& point);
  // Takes ownership of a geometry made for the document.
  CRhinoObject* AddObject(std::unique_ptr<ON_Geometry> geometry);
  void Redraw() { ++m_redrawCount; }

  int ObjectCount() const { return static_cast<int>(m_objects.size()); }
  // Object by its 1-based number, or null.
  CRhinoObject* ObjectAt(int number) const;
  const std::vector<std::unique_ptr<CRhinoObject>>& Objects() const { return m_objects; }

  void SelectAll(bool on);
  int SelectedCount() const;
  // Deletes the selected objects; returns how many were deleted.
  int DeleteSelected();
  void DeleteAll();
  // Deletes the objects from the 1-based number on (those added last).
  void DeleteObjectsFrom(int number);
  // Deletes the referenced object; false when it is not in the document.
  bool DeleteObject(const CRhinoObjRef& objref);
  // Gives the referenced object a new geometry, keeping its number, attributes and selection;
  // null when the object is not in the document or the geometry is null.
  CRhinoObject* ReplaceObject(const CRhinoObjRef& objref, std::unique_ptr<ON_Geometry> geometry);

  int RedrawCount() const { return m_redrawCount; }
  // How often objects were deleted or given new geometry: the edits that are no additions.
  int RemovalCount() const { return m_removalCount; }
  bool IsModified() const { return m_modified; }
  void SetModified(bool modified) { m_modified = modified; }

private:
  std::vector<std::unique_ptr<CRhinoObject>> m_objects;
  int m_redrawCount = 0;
  int m_removalCount = 0;
  bool m_modified = false;
};
