#pragma once

#include "CRhinoGet.h"
#include "CRhinoObjRef.h"

#include <unordered_set>
#include <vector>

// Picks document objects. Answers: `All` (every eligible object), object numbers, `Enter`
// (finish), `Cancel`, or an option as `Name=Value`.
class CRhinoGetObject : public CRhinoGet
{
public:
  enum geometry_type_filter
  {
    any_object = 0,
    point_object = 1,
    curve_object = 4,
    surface_object = 8,
    polysrf_object = 0x10,
    mesh_object = 0x20,
  };

  void SetGeometryFilter(unsigned int filter) { m_filter = filter; }
  // At least `minimum` objects; `maximum` 0 means no upper bound. Returns object when the
  // selection is complete, option when an option was picked (call again), nothing when it ended
  // with too few objects, cancel when cancelled.
  result GetObjects(int minimum = 1, int maximum = 0);

  int ObjectCount() const { return static_cast<int>(m_picked.size()); }
  const CRhinoObjRef& Object(int index) const { return m_picked[index]; }

private:
  bool IsEligible(const CRhinoObject& object) const;
  void Pick(const CRhinoObject* object);
  bool PickNumber(const std::string& token);

  unsigned int m_filter = any_object;
  std::vector<CRhinoObjRef> m_picked;
  std::unordered_set<const CRhinoObject*> m_pickedSet; // the same objects, for the duplicate test
  int m_maximum = 0;
};
