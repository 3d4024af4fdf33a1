// Transformations and planes of ON_BinaryArchive.

#include "opennurbs.h"

bool ON_BinaryArchive::WriteXform(const ON_Xform& xform) { return WriteDouble(16, &xform.m_xform[0][0]); }
bool ON_BinaryArchive::ReadXform(ON_Xform& xform) { return ReadDouble(16, &xform.m_xform[0][0]); }

bool ON_BinaryArchive::WritePlane(const ON_Plane& plane)
{
  const double equation[4] = {plane.plane_equation.x, plane.plane_equation.y, plane.plane_equation.z,
                              plane.plane_equation.d};
  return WritePoint(plane.origin) && WriteVector(plane.xaxis) && WriteVector(plane.yaxis) && WriteVector(plane.zaxis) &&
         WriteDouble(4, equation);
}

bool ON_BinaryArchive::ReadPlane(ON_Plane& plane)
{
  double equation[4];
  if (!ReadPoint(plane.origin) || !ReadVector(plane.xaxis) || !ReadVector(plane.yaxis) || !ReadVector(plane.zaxis) ||
      !ReadDouble(4, equation))
    return false;
  plane.plane_equation = ON_PlaneEquation(equation[0], equation[1], equation[2], equation[3]);
  return true;
}
