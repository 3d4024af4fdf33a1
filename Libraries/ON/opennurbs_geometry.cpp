#include "opennurbs_geometry.h"

#include <vector>

ON_VIRTUAL_OBJECT_IMPLEMENT(ON_Geometry, ON_Object, "4ED7D4DA-E947-11d3-BFE5-0010830122F0")

int ON_Geometry::Dimension() const { return 3; }

bool ON_Geometry::Transform(const ON_Xform&) { return false; }

ON_BoundingBox ON_Geometry::BoundingBox() const
{
  ON_BoundingBox bbox;
  GetBoundingBox(bbox);
  return bbox;
}

bool ON_Geometry::GetBoundingBox(ON_BoundingBox& bbox, int bGrowBox) const
{
  ON_3dPoint bbox_min = bbox.m_min, bbox_max = bbox.m_max;
  if (GetBoundingBox(bbox_min, bbox_max, bGrowBox))
  {
    bbox = ON_BoundingBox(bbox_min, bbox_max);
    return true;
  }
  if (!bGrowBox)
    bbox.Destroy(); // a box being grown stays as it was
  return false;
}

bool ON_Geometry::GetBoundingBox(ON_3dPoint& bbox_min, ON_3dPoint& bbox_max, int bGrowBox) const
{
  const int dim = Dimension();
  if (dim < 1)
    return false;
  const bool grow = bGrowBox && ON_BoundingBox(bbox_min, bbox_max).IsValid();
  // Room for any dimension; coordinates beyond the third are not reported.
  const int size = (dim > 3) ? dim : 3;
  std::vector<double> box(2 * static_cast<size_t>(size), 0.0);
  double* boxmin = box.data();
  double* boxmax = boxmin + size;
  if (grow)
  {
    for (int i = 0; i < 3; i++)
    {
      boxmin[i] = bbox_min[i];
      boxmax[i] = bbox_max[i];
    }
  }
  const bool rc = GetBBox(boxmin, boxmax, grow);
  if (rc)
  {
    bbox_min = ON_3dPoint(boxmin);
    bbox_max = ON_3dPoint(boxmax);
  }
  return rc;
}
