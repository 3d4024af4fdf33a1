#pragma once

#include "crust_mesh.h"
#include "hull_engine.h"
#include "run_progress.h"

#include <ostream>
#include <string>
#include <vector>

// Counters of the last reconstruction.
struct power_crust_counters
{
  hull_engine::counters delaunay; // pass 1
  hull_engine::counters power;    // pass 2
  int samples = 0;
  int poles = 0;
  int bad_poles = 0;
  int unlabelled_poles = 0;
  int open_walks = 0;
  long long slivers = 0;
  int faces = 0;
  int medial_triangles = 0;
};

// Poles of the last reconstruction: points, weights and medial triangles over the pole indices.
struct medial_result
{
  crust_mesh triangles; // points are the poles
  std::vector<float> weights;
};

// The power crust reconstruction of points given in a normalised frame (coordinates within a unit
// box about the origin). All working data lives in one module-wide run context, so only one
// reconstruction can run at a time.
class power_crust_run
{
public:
  static constexpr double kScaleFactor = 1000000.0;

  // Fills `surface` with a closed, consistently oriented crust. False, with `error` set and the
  // outputs empty, when no such crust results, or when `progress` answers stop ("stopped"; it is
  // asked when each stage starts and every few thousand items within it).
  static bool Reconstruct(const double* points, int count, double sampleDensity, crust_mesh& surface,
                          medial_result& medial, std::string& error, const progress_callback& progress = nullptr);

  // The pass the running reconstruction is in ("Delaunay tetrahedralisation", "Poles", "Power
  // diagram", "Labelling poles", "Crust"), for its progress callback; empty between runs.
  static const char* StageName();
  static const power_crust_counters& LastCounters();
  // Attaches a diagnostic stream (null detaches it).
  static void SetLog(std::ostream* log);
};
