#include "opennurbs_pointgeometry.h"

#include "opennurbs_binaryarchive.h"
#include "opennurbs_textlog.h"
#include "opennurbs_xform.h"

ON_OBJECT_IMPLEMENT(ON_Point, ON_Geometry, "C3101A1D-F157-11D3-BFE7-0010830122F0")

ON_Point::ON_Point() : point(0.0, 0.0, 0.0) {}
ON_Point::ON_Point(const ON_3dPoint& pt) : point(pt) {}
ON_Point::ON_Point(double x, double y, double z) : point(x, y, z) {}

ON_Point& ON_Point::operator=(const ON_3dPoint& pt)
{
  point = pt;
  return *this;
}

ON_Point::operator double*() { return &point.x; }
ON_Point::operator const double*() const { return &point.x; }
ON_Point::operator ON_3dPoint*() { return &point; }
ON_Point::operator const ON_3dPoint*() const { return &point; }
ON_Point::operator ON_3dPoint&() { return point; }
ON_Point::operator const ON_3dPoint&() const { return point; }

bool ON_Point::IsValid(ON_TextLog* text_log) const
{
  const bool rc = point.IsValid();
  if (!rc && text_log)
    text_log->Print("ON_Point::point is not a valid 3d point.\n");
  return rc;
}

ON::object_type ON_Point::ObjectType() const { return ON::point_object; }

int ON_Point::Dimension() const { return 3; }

bool ON_Point::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  return ON_GetPointListBoundingBox(3, 0, 1, 3, &point.x, boxmin, boxmax, bGrowBox);
}

bool ON_Point::Transform(const ON_Xform& xform)
{
  point.Transform(xform);
  return true;
}

bool ON_Point::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 0) && archive.WritePoint(point);
}

bool ON_Point::Read(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0;
  return archive.Read3dmChunkVersion(&major, &minor) && major == 1 && archive.ReadPoint(point);
}
