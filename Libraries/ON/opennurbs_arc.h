#pragma once

#include "opennurbs_circle.h"
#include "opennurbs_interval.h"

class ON_BoundingBox;

// Part of a circle between two angles (radians, increasing, at most a full turn).
class ON_CLASS ON_Arc : public ON_Circle
{
public:
  ON_Interval m_angle;

  ON_Arc();
  ON_Arc(const ON_Circle& circle, double angle_in_radians);
  ON_Arc(const ON_Circle& circle, ON_Interval angle_interval_in_radians);
  ON_Arc(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R);

  // Arc from P through Q to R, counter-clockwise about the normal of the circle through them,
  // starting at angle 0. False for points on one line: world XY plane, radius 0, angle (0, 0).
  bool Create(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R);

  bool IsValid() const;
  bool IsCircle() const;
  ON_Interval Domain() const;
  double AngleRadians() const;
  ON_3dPoint StartPoint() const;
  ON_3dPoint EndPoint() const;
  // Exact box: the ends and the points where a coordinate turns.
  ON_BoundingBox BoundingBox() const;
};
