#pragma once

// Steps shared by the curve classes' IsPolyline.

#include "opennurbs_curve.h"

// Empties the outputs, as every IsPolyline does first.
inline void ON_EmptyPolylineOutputs(ON_SimpleArray<ON_3dPoint>* pline_points, ON_SimpleArray<double>* pline_t)
{
  if (pline_points)
    pline_points->Empty();
  if (pline_t)
    pline_t->Empty();
}

// Hands the points and parameters found for curve to the outputs and returns the point count, 0
// for fewer than two points. At four points or more, a closed curve's last point becomes a copy of
// its first.
inline int ON_SetPolylineOutputs(const ON_Curve& curve, ON_SimpleArray<ON_3dPoint>& points,
                                 const ON_SimpleArray<double>& params, ON_SimpleArray<ON_3dPoint>* pline_points,
                                 ON_SimpleArray<double>* pline_t)
{
  const int count = points.Count();
  if (count < 2)
    return 0;
  if (count >= 4 && curve.IsClosed())
    points[count - 1] = points[0];
  if (pline_points)
    *pline_points = points;
  if (pline_t)
    *pline_t = params;
  return count;
}
