#pragma once

#include "crust_mesh.h"
#include "run_progress.h"

#include <string>

// Convex hull of a point set through Debian's qhull library: triangles over the extreme points,
// every triangle oriented outwards, as a closed mesh.
class convex_hull
{
public:
  // `points` holds x, y, z triples. False, with `error` set and `hull` empty, when the points span
  // no volume or qhull fails, or when `progress` answers stop ("stopped"). `progress` is asked at
  // the start and every thousand new facets or so, with the share of points no longer outside
  // the hull built so far.
  static bool Build(const double* points, int count, crust_mesh& hull, std::string& error,
                    const progress_callback& progress = nullptr);
};
