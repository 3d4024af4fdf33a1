#pragma once

// Point lists, polylines and error texts shared by the QORGeo tests.

#include "opennurbs.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace geotest
{

inline ON_3dPointArray Points(std::initializer_list<ON_3dPoint> list)
{
  ON_3dPointArray points;
  for (const ON_3dPoint& p : list)
    points.Append(p);
  return points;
}

inline ON_Polyline Polyline(std::initializer_list<ON_3dPoint> points)
{
  ON_Polyline polyline;
  for (const ON_3dPoint& p : points)
    polyline.Append(p);
  return polyline;
}

inline std::string Text(const ON_wString& s) { return static_cast<const char*>(ON_String(s)); }

// The points, in order, each within 1e-12 of the one expected.
inline void ExpectPoints(const ON_3dPointArray& actual, std::initializer_list<ON_3dPoint> expected)
{
  ASSERT_EQ(actual.Count(), static_cast<int>(expected.size()));
  int i = 0;
  for (const ON_3dPoint& p : expected)
  {
    EXPECT_NEAR(actual[i].DistanceTo(p), 0.0, 1e-12) << i;
    i++;
  }
}

} // namespace geotest
