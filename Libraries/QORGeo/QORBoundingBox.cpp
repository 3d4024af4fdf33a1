#include "QORBoundingBox.h"
#include "LastError.h"

#include <algorithm>

ON_wString QORBoundingBox::GetError() { return Platform::LastError<QORBoundingBox, ON_wString>::Get(); }

void QORBoundingBox::SetError(const ON_wString& text) { Platform::LastError<QORBoundingBox, ON_wString>::Set(text); }

double QORBoundingBox::Length(const ON_BoundingBox& box) { return box.m_max.x - box.m_min.x; }

double QORBoundingBox::Breadth(const ON_BoundingBox& box) { return box.m_max.y - box.m_min.y; }

double QORBoundingBox::Height(const ON_BoundingBox& box) { return box.m_max.z - box.m_min.z; }

double QORBoundingBox::MinOfLengthBreadth(const ON_BoundingBox& box) { return std::max(Length(box), Breadth(box)); }

ON_BoundingBox QORBoundingBox::GetBoundingBox(const ON_ClassArray<ON_Mesh>& meshes)
{
  ON_BoundingBox box;
  if (meshes.Count() < 1)
    return box;
  box = meshes[0].BoundingBox();
  for (int i = 1; i < meshes.Count(); i++)
    box.Union(meshes[i].BoundingBox());
  return box;
}
