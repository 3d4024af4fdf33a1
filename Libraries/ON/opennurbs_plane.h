#pragma once

#include "opennurbs_3dpoint.h"
#include "opennurbs_3dvector.h"
#include "opennurbs_planeequation.h"

class ON_Xform;

// Plane with an orthonormal, right-handed frame.
class ON_CLASS ON_Plane
{
public:
  ON_3dPoint origin;
  ON_3dVector xaxis;
  ON_3dVector yaxis;
  ON_3dVector zaxis;
  ON_PlaneEquation plane_equation;

  static const ON_Plane World_xy;

  // The world XY plane.
  ON_Plane();
  ON_Plane(const ON_3dPoint& origin, const ON_3dVector& normal);
  ON_Plane(const ON_3dPoint& origin, const ON_3dVector& x_dir, const ON_3dVector& y_dir);
  // Through three points (CreateFromPoints); zero axes and equation when they are collinear.
  ON_Plane(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R);

  // x axis from the perpendicular of the unit normal (ON_3dVector::PerpendicularTo), y = z cross x.
  // False for a zero normal (the axes are then zero).
  bool CreateFromNormal(const ON_3dPoint& origin, const ON_3dVector& normal);
  // x along x_dir, y the part of y_dir perpendicular to it, z = x cross y.
  bool CreateFromFrame(const ON_3dPoint& origin, const ON_3dVector& x_dir, const ON_3dVector& y_dir);
  // Origin P, normal along (Q-P) x (R-P), x axis toward Q. False when the points are coincident
  // or collinear; the axes that could not be unitized are then zero and the equation unchanged.
  bool CreateFromPoints(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R);
  bool UpdateEquation();

  bool IsValid() const;
  const ON_3dVector& Normal() const;
  ON_3dPoint PointAt(double s, double t) const;
  ON_3dPoint PointAt(double s, double t, double c) const;
  // Coordinates of the projection of point in the plane's frame.
  bool ClosestPointTo(ON_3dPoint point, double* s, double* t) const;
  // Projection of point on the plane.
  ON_3dPoint ClosestPointTo(ON_3dPoint point) const;
  double DistanceTo(const ON_3dPoint& point) const;
  // Swaps the x and y axes and reverses the normal.
  void Flip();
  bool Transform(const ON_Xform& xform);
};
