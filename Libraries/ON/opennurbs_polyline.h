#pragma once

#include "opennurbs_3dpointarray.h"

// Connected line segments through a list of points.
class ON_CLASS ON_Polyline : public ON_3dPointArray
{
public:
  ON_Polyline() = default;
  ON_Polyline(const ON_3dPointArray& points);
  ON_Polyline& operator=(const ON_3dPointArray& points);
  ~ON_Polyline() override = default;

  // At least 2 points, consecutive points distinct (farther apart than tolerance when it is
  // positive, not exactly equal otherwise); with 2 or 3 points first and last differ too.
  bool IsValid(double tolerance = 0.0) const;
  int PointCount() const;
  int SegmentCount() const;
  double Length() const;
  // At least 4 points, first and last within tolerance, some point away from both.
  bool IsClosed(double tolerance = 0.0) const;
  ON_3dPoint PointAt(double t) const;
  // Removes interior points within tolerance of the last point kept, then kept interior points
  // within tolerance of the last point; the first and last points stay and at least two remain.
  // Returns the number of points removed.
  int Clean(double tolerance = 0.0);
};
