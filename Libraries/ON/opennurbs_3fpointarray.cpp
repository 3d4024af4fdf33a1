#include "opennurbs_3fpointarray.h"

ON_3fPointArray::ON_3fPointArray(int initial_capacity) : ON_SimpleArray<ON_3fPoint>(initial_capacity) {}

ON_BoundingBox ON_3fPointArray::BoundingBox() const
{
  float boxmin[3], boxmax[3];
  if (!GetBBox(boxmin, boxmax))
    return ON_BoundingBox();
  return ON_BoundingBox(ON_3dPoint(boxmin), ON_3dPoint(boxmax));
}

bool ON_3fPointArray::GetBBox(float boxmin[3], float boxmax[3], bool bGrowBox) const
{
  bool grow = bGrowBox && boxmin[0] <= boxmax[0] && boxmin[1] <= boxmax[1] && boxmin[2] <= boxmax[2];
  for (int i = 0; i < m_count; i++)
  {
    for (int j = 0; j < 3; j++)
    {
      const float c = m_a[i][j];
      if (!grow)
        boxmin[j] = boxmax[j] = c;
      else if (c < boxmin[j])
        boxmin[j] = c;
      else if (c > boxmax[j])
        boxmax[j] = c;
    }
    grow = true;
  }
  return grow;
}
