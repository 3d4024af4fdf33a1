#include "CRhinoDoc.h"

#include <algorithm>

CRhinoObject* CRhinoDoc::AddPointObject(const ON_3dPoint& point)
{
  return AddObject(std::make_unique<ON_Point>(point));
}

CRhinoObject* CRhinoDoc::AddObject(std::unique_ptr<ON_Geometry> geometry)
{
  if (!geometry)
    return nullptr;
  m_objects.push_back(std::make_unique<CRhinoObject>(std::move(geometry)));
  m_modified = true;
  return m_objects.back().get();
}

CRhinoObject* CRhinoDoc::ObjectAt(int number) const
{
  return number >= 1 && number <= ObjectCount() ? m_objects[number - 1].get() : nullptr;
}

void CRhinoDoc::SelectAll(bool on)
{
  for (auto& object : m_objects)
    object->Select(on);
}

int CRhinoDoc::SelectedCount() const
{
  return static_cast<int>(
      std::count_if(m_objects.begin(), m_objects.end(), [](const auto& o) { return o->IsSelected(); }));
}

int CRhinoDoc::DeleteSelected()
{
  const int before = ObjectCount();
  m_objects.erase(std::remove_if(m_objects.begin(), m_objects.end(), [](const auto& o) { return o->IsSelected(); }),
                  m_objects.end());
  if (ObjectCount() != before)
  {
    m_modified = true;
    ++m_removalCount;
  }
  return before - ObjectCount();
}

void CRhinoDoc::DeleteAll()
{
  if (!m_objects.empty())
  {
    m_modified = true;
    ++m_removalCount;
  }
  m_objects.clear();
}

void CRhinoDoc::DeleteObjectsFrom(int number)
{
  if (number < 1 || number > ObjectCount())
    return;
  m_objects.resize(number - 1);
  m_modified = true;
}

bool CRhinoDoc::DeleteObject(const CRhinoObjRef& objref)
{
  const auto found =
      std::find_if(m_objects.begin(), m_objects.end(), [&](const auto& o) { return o.get() == objref.Object(); });
  if (!objref.Object() || found == m_objects.end())
    return false;
  m_objects.erase(found);
  m_modified = true;
  ++m_removalCount;
  return true;
}

CRhinoObject* CRhinoDoc::ReplaceObject(const CRhinoObjRef& objref, std::unique_ptr<ON_Geometry> geometry)
{
  const auto found =
      std::find_if(m_objects.begin(), m_objects.end(), [&](const auto& o) { return o.get() == objref.Object(); });
  if (!geometry || !objref.Object() || found == m_objects.end())
    return nullptr;
  (*found)->ReplaceGeometry(std::move(geometry));
  m_modified = true;
  ++m_removalCount;
  return found->get();
}
