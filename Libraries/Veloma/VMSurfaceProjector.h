#pragma once

#include "opennurbs.h"

#include <vector>

// Closest points on one NURBS surface for many query points. A local Newton search from a start
// parameter finds a nearby minimum; a best-first search over a pyramid of span bounding boxes
// then visits every other span that could hold a closer point, so the result is the true closest
// point while smooth surfaces cost little more than the local search. Weights must be positive.
class VMSurfaceProjector
{
public:
  explicit VMSurfaceProjector(const ON_NurbsSurface& surface);

  bool ClosestPoint(const ON_3dPoint& P, double s0, double t0, double& s, double& t) const;

private:
  struct Box
  {
    double lo[3], hi[3];
  };
  struct Candidate
  {
    double s, t, distance_squared;
    int span0, span1;
  };

  void BuildPyramid();
  Box SpanBox(int span0, int span1) const;
  static double DistanceSquared(const ON_3dPoint& P, const Box& box)
  {
    const double p[3] = {P.x, P.y, P.z};
    double d = 0.0;
    for (int k = 0; k < 3; k++)
    {
      const double e = p[k] < box.lo[k] ? box.lo[k] - p[k] : (p[k] > box.hi[k] ? p[k] - box.hi[k] : 0.0);
      d += e * e;
    }
    return d;
  }
  int SpanOf(int dir, double parameter) const;
  ON_Interval SpanDomain(int dir, int span) const;
  bool SearchSpan(const ON_3dPoint& P, int span0, int span1, bool thorough, Candidate& best) const;

  const ON_NurbsSurface& m_surface;
  std::vector<int> m_spans[2];        // first knot index of every non-empty span
  std::vector<int> m_width, m_height; // pyramid level sizes, level 0 = spans
  std::vector<std::vector<Box>> m_levels;
};
