#include "power_crust_run.h"

#include "crust_builder.h"
#include "crust_check.h"
#include "exact_predicates.h"
#include "hull_failure.h"
#include "input_box.h"
#include "pole_finder.h"
#include "pole_labeler.h"
#include "pole_tables.h"
#include "power_cell.h"
#include "power_diagram.h"
#include "rand48.h"
#include "site_shuffle.h"
#include "site_store.h"

#include <algorithm>
#include <cmath>
#include <malloc.h>
#include <new>

namespace
{

constexpr double kCornerDistance = 4.0; // box corners, in largest extents from the centre

// Where each stage ends, as a fraction of a run (about their shares of the time on a sphere).
constexpr double kDelaunayEnd = 0.28, kPolesEnd = 0.36, kPowerEnd = 0.78, kCellsEnd = 0.84, kDiagramEnd = 0.90,
                 kLabelsEnd = 0.96;
// The passes as the progress shows them.
const char kDelaunayStage[] = "Delaunay tetrahedralisation", kPolesStage[] = "Poles", kPowerStage[] = "Power diagram",
           kLabelsStage[] = "Labelling poles", kCrustStage[] = "Crust";

// The module-wide state of one reconstruction.
struct run_context
{
  hull_engine hull;
  site_store sites;
  site_shuffle order;
  rand48 generator;
  input_box box;
  pole_tables poles;
  power_crust_counters counters;
  std::ostream* log = nullptr;
  run_progress* progress = nullptr;
  std::vector<power_cell> cells;           // the regular triangulation of pass 2
  std::vector<power_vertex> powerVertices; // by cell
  const double* samplePoints = nullptr;    // x, y, z per sample, as given

  void Reset()
  {
    exact_predicates::Init();
    generator.Reset();
    box = input_box();
    samplePoints = nullptr;
    hull.Reset();
    hull.SetLog(log);
    hull.SetProgress(progress);
    sites.Release();
    order.Release();
    poles.Release();
    counters = power_crust_counters();
  }

  void ReleaseStorage()
  {
    ReleaseHull();
    sites.Release();
    order.Release();
    poles.Release();
    std::vector<power_cell>().swap(cells);
    std::vector<power_vertex>().swap(powerVertices);
  }

  // Hands the hull's record blocks back to the system, so that the stages after a pass can use
  // the room.
  void ReleaseHull()
  {
    hull.ReleaseStorage();
    malloc_trim(0);
  }

  void Log(const char* text) const
  {
    if (log)
      *log << text;
  }

  // A random order of the sites in rounds, each round along a space-filling curve through the
  // places `place` gives the sites.
  void Shuffle(const std::function<const double*(int)>& place)
  {
    generator.InitRand();
    if (log)
      *log << "init_rand: seed = 10000\n"
           << "shuffling...";
    order.Shuffle(sites.Count(), generator);
    order.SortRounds(place);
    if (log)
      *log << "done\n" << std::flush;
  }

  void ReadSamples(const double* points, int count);
  void AddCorners();
  void FindPoles(int sampleCount, double sampleDensity);
  void BuildPowerDiagram();
  void EmitCrust(crust_mesh& surface, medial_result& medial);
};

run_context& Context()
{
  static run_context context;
  return context;
}

double Scaled(double value) { return std::floor(value * power_crust_run::kScaleFactor + 0.5); }

void run_context::ReadSamples(const double* points, int count)
{
  samplePoints = points;
  sites.Reset(3);
  for (int i = 0; i < count; ++i)
  {
    const double site[3] = {Scaled(points[3 * i]), Scaled(points[3 * i + 1]), Scaled(points[3 * i + 2])};
    if (!sites.Add(site))
      throw hull_failure{"out of memory"};
    box.Add(site);
  }
}

void run_context::AddCorners()
{
  double extent = 0.0, centre[3];
  for (int k = 0; k < 3; ++k)
  {
    extent = std::max(extent, box.max[k] - box.min[k]);
    centre[k] = 0.5 * (box.max[k] + box.min[k]);
  }
  for (int corner = 0; corner < 8; ++corner)
  {
    double site[3];
    for (int k = 0; k < 3; ++k)
    {
      const bool minus = (corner >> (2 - k)) & 1;
      site[k] = centre[k] + (minus ? -kCornerDistance : kCornerDistance) * extent;
    }
    if (log)
      *log << " BOUND " << site[0] / power_crust_run::kScaleFactor << " " << site[1] / power_crust_run::kScaleFactor
           << " " << site[2] / power_crust_run::kScaleFactor << "\n";
    if (!sites.Add(site))
      throw hull_failure{"out of memory"};
  }
  if (log)
    *log << "done; num_sites=" << sites.Count() << "\n" << std::flush;
}

void run_context::FindPoles(int sampleCount, double sampleDensity)
{
  Shuffle([this](int site) { return sites.Site(site); });
  progress->Stage(0.0, kDelaunayEnd, sites.Count(), kDelaunayStage);
  simplex* root = hull.Build(sites, order, true);
  counters.delaunay = hull.Counters();
  pole_finder finder(hull, sites, box, power_crust_run::kScaleFactor, sampleDensity, poles, log, progress);
  progress->Stage(kDelaunayEnd, kPolesEnd, 2 * counters.delaunay.simplices + sampleCount, kPolesStage);
  finder.Run(root, sampleCount);
  counters.bad_poles = finder.BadPoles();
  counters.poles = poles.Count();
  ReleaseHull();
  sites.Release();
}

void run_context::BuildPowerDiagram()
{
  hull.Reset();
  sites.Reset(4);
  for (int pole = 0; pole < poles.Count(); ++pole)
  {
    double site[4];
    for (int k = 0; k < 3; ++k)
      site[k] = Scaled(poles.points[3 * pole + k]);
    site[3] = Scaled(poles.weights[pole]);
    if (!sites.Add(site))
      throw hull_failure{"out of memory"};
  }
  if (log)
    *log << "dim=4\n" << std::flush;
  // Poles in the order of the samples that found them: the power diagram's neighbours are the poles
  // of neighbouring samples, not the poles nearest in space (inner poles crowd the medial axis), so
  // each insertion's walk starts close to where the pole goes.
  Shuffle([this](int pole) { return samplePoints + 3 * static_cast<size_t>(poles.samples[pole]); });
  progress->Stage(kPolesEnd, kPowerEnd, sites.Count(), kPowerStage);
  simplex* root = hull.Build(sites, order, false);
  counters.power = hull.Counters();
  progress->Stage(kPowerEnd, kCellsEnd, counters.power.simplices, kPowerStage);
  power_diagram::CopyCells(hull, root, cells, progress);
  ReleaseHull();
  // A triangulation of the sphere with V vertices and T tetrahedra has V + T edges, two links each.
  poles.neighbours.reserve(2 * (cells.size() + poles.Count()));
  power_diagram diagram(cells, powerVertices, sites, power_crust_run::kScaleFactor, poles, log, progress);
  progress->Stage(kCellsEnd, kDiagramEnd, static_cast<long long>(cells.size()), kPowerStage);
  diagram.Run();
  counters.slivers = diagram.Slivers();
  pole_labeler labeler(poles, log, progress);
  progress->Stage(kDiagramEnd, kLabelsEnd, poles.Count(), kLabelsStage);
  labeler.Run(box, power_crust_run::kScaleFactor);
  counters.unlabelled_poles = labeler.Unlabelled();
}

void run_context::EmitCrust(crust_mesh& surface, medial_result& medial)
{
  crust_builder builder(cells, powerVertices, sites, poles, log, progress);
  progress->Stage(kLabelsEnd, 1.0, poles.Count() + static_cast<long long>(cells.size()), kCrustStage);
  builder.EmitFaces(surface);
  counters.open_walks = builder.OpenWalks();
  Log("\n\n computing the medial axis ....\n");
  builder.EmitMedialTriangles(medial.triangles);
  medial.triangles.points.assign(poles.points.begin(), poles.points.end());
  medial.weights = poles.weights;
}

} // namespace

bool power_crust_run::Reconstruct(const double* points, int count, double sampleDensity, crust_mesh& surface,
                                  medial_result& medial, std::string& error, const progress_callback& progress)
{
  run_context& context = Context();
  run_progress stages(progress);
  context.progress = &stages;
  context.Reset();
  surface = crust_mesh();
  medial = medial_result();
  error.clear();
  context.counters.samples = count;
  bool emitted = false;
  try
  {
    context.ReadSamples(points, count);
    context.AddCorners();
    context.FindPoles(count, sampleDensity);
    context.BuildPowerDiagram();
    context.EmitCrust(surface, medial);
    emitted = true;
  }
  catch (const hull_failure& failure)
  {
    error = failure.message;
  }
  catch (const std::bad_alloc&)
  {
    error = "out of memory";
  }
  catch (const run_stopped&)
  {
    error = "stopped";
  }
  context.progress = nullptr;
  context.hull.SetProgress(nullptr);
  context.counters.faces = surface.PolygonCount();
  context.counters.medial_triangles = medial.triangles.PolygonCount();
  context.ReleaseStorage();
  // Checked once the hull's storage is gone, so that the check does not add to the peak.
  bool closed = false;
  if (emitted)
  {
    try
    {
      closed = context.counters.open_walks == 0 && crust_check::IsClosedAndOriented(surface);
      if (!closed)
        error = "the crust is not a closed surface";
    }
    catch (const std::bad_alloc&)
    {
      error = "out of memory";
    }
  }
  if (!closed)
  {
    surface = crust_mesh();
    medial = medial_result();
  }
  return closed;
}

const char* power_crust_run::StageName()
{
  const run_progress* progress = Context().progress;
  return progress ? progress->StageName() : "";
}

const power_crust_counters& power_crust_run::LastCounters() { return Context().counters; }

void power_crust_run::SetLog(std::ostream* log) { Context().log = log; }
