// Wrap benchmarks: concave wraps (power crust) of points on a sphere and a torus with the engine's
// counters and the peak memory of each run, the torus against CGAL's advancing front and the convex
// wrap against qhull's qconvex on the same points. Every run happens in a child process, so that its
// peak memory is its own.
#include "ProgressWindow.h"
#include "VMSurface.h"
#include "power_crust_run.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace
{

struct run_result
{
  int ok = 0;
  int faces = 0;
  double seconds = 0.0;
  long peakKilobytes = 0;
  double cpuSeconds = 0.0;
  power_crust_counters counters;
};

ON_3dPointArray SpherePoints(int count)
{
  std::mt19937_64 random(1);
  std::normal_distribution<double> normal(0.0, 1.0);
  ON_3dPointArray points;
  points.Reserve(count);
  for (int i = 0; i < count; ++i)
  {
    ON_3dVector v(normal(random), normal(random), normal(random));
    v.Unitize();
    points.Append(ON_3dPoint(0, 0, 0) + 100.0 * v);
  }
  return points;
}

// Uniform over the area of a torus of major radius 100 and minor radius 35.
ON_3dPointArray TorusPoints(int count)
{
  std::mt19937_64 random(2);
  std::uniform_real_distribution<double> angle(0.0, 2.0 * M_PI), unit(0.0, 1.0);
  const double R = 100.0, r = 35.0;
  ON_3dPointArray points;
  points.Reserve(count);
  while (points.Count() < count)
  {
    const double u = angle(random), v = angle(random);
    if (unit(random) > (R + r * std::cos(v)) / (R + r))
      continue;
    points.Append(
        ON_3dPoint((R + r * std::cos(v)) * std::cos(u), (R + r * std::cos(v)) * std::sin(u), r * std::sin(v)));
  }
  return points;
}

// The points in a temporary text file, after `header`; empty when it cannot be written.
std::string WritePointFile(const ON_3dPointArray& points, const std::string& header)
{
  char path[] = "/tmp/nubilo-bench-wrap-XXXXXX";
  const int descriptor = mkstemp(path);
  if (descriptor < 0)
    return std::string();
  FILE* file = fdopen(descriptor, "w");
  std::fputs(header.c_str(), file);
  for (int i = 0; i < points.Count(); ++i)
    std::fprintf(file, "%.17g %.17g %.17g\n", points[i].x, points[i].y, points[i].z);
  std::fclose(file);
  return path;
}

// Runs one wrap in a child process; its time, result and counters come back through a pipe and
// its peak resident memory from the kernel.
run_result RunIsolated(const ON_3dPointArray& points, int concave)
{
  int channel[2];
  run_result result;
  if (pipe(channel) != 0)
    return result;
  const pid_t child = fork();
  if (child == 0)
  {
    close(channel[0]);
    Platform::ProgressWindow::SetQuiet(true);
    run_result own;
    ON_Mesh mesh;
    const auto start = std::chrono::steady_clock::now();
    if (points.Count() > 0)
      own.ok = VMSurface::WrapMesh(mesh, points, concave, 0);
    own.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    own.faces = mesh.FaceCount();
    own.counters = power_crust_run::LastCounters();
    const ssize_t written = write(channel[1], &own, sizeof(own));
    _exit(written == sizeof(own) ? 0 : 1);
  }
  close(channel[1]);
  const ssize_t got = read(channel[0], &result, sizeof(result));
  close(channel[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  if (got != sizeof(result))
    result = run_result();
  result.peakKilobytes = usage.ru_maxrss;
  result.cpuSeconds =
      usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + 1e-6 * (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
  return result;
}

long BaselineKilobytes()
{
  static const long baseline = RunIsolated(ON_3dPointArray(), 1).peakKilobytes;
  return baseline;
}

void Report(benchmark::State& state, const run_result& run, int count)
{
  state.SetIterationTime(run.seconds);
  const power_crust_counters& c = run.counters;
  state.counters["ok"] = run.ok;
  state.counters["faces"] = run.faces;
  state.counters["cpu_s"] = run.cpuSeconds;
  state.counters["peak_MB"] = run.peakKilobytes / 1024.0;
  state.counters["bytes_per_point"] = 1024.0 * (run.peakKilobytes - BaselineKilobytes()) / count;
  state.counters["poles"] = c.poles;
  state.counters["bad_poles"] = c.bad_poles;
  state.counters["unlabelled_poles"] = c.unlabelled_poles;
  state.counters["simplices_1"] = static_cast<double>(c.delaunay.simplices);
  state.counters["simplices_2"] = static_cast<double>(c.power.simplices);
  state.counters["bases_1"] = static_cast<double>(c.delaunay.basis_records);
  state.counters["bases_2"] = static_cast<double>(c.power.basis_records);
  state.counters["failed_reductions"] = static_cast<double>(c.delaunay.failed_reductions + c.power.failed_reductions);
  state.counters["overshoots"] = static_cast<double>(c.delaunay.overshoots + c.power.overshoots);
  state.counters["visibility_tests_1"] = static_cast<double>(c.delaunay.visibility_tests);
  state.counters["visibility_tests_2"] = static_cast<double>(c.power.visibility_tests);
  state.counters["walk_steps_1"] = static_cast<double>(c.delaunay.walk_steps);
  state.counters["walk_steps_2"] = static_cast<double>(c.power.walk_steps);
  state.counters["searches"] = static_cast<double>(c.delaunay.searches + c.power.searches);
}

void BM_ConcaveSphere(benchmark::State& state)
{
  const ON_3dPointArray points = SpherePoints(static_cast<int>(state.range(0)));
  for (auto _ : state)
    Report(state, RunIsolated(points, 1), points.Count());
}
BENCHMARK(BM_ConcaveSphere)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

// The hole's outer poles lie near the axis with nearly equal balls, and their slab-like power cells
// each meet a whole ring of inner cells: the regular triangulation has 7 to 40 tetrahedra per pole
// (a sphere about 4) and the crust 24 to 130 triangles per point, fewest for the densest samples.
void BM_ConcaveTorus(benchmark::State& state)
{
  const ON_3dPointArray points = TorusPoints(static_cast<int>(state.range(0)));
  for (auto _ : state)
    Report(state, RunIsolated(points, 1), points.Count());
}
BENCHMARK(BM_ConcaveTorus)
    ->Arg(10000)
    ->Arg(30000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

#ifdef NUBILO_REFERENCE_ADVANCING_FRONT
struct reference_result
{
  double advancingFrontSeconds = -1.0;
  double facets = -1.0;
  double delaunaySeconds = -1.0;
  double cells = -1.0;
};

// CGAL's advancing front (an open surface) and its Delaunay triangulation alone on the same points,
// timed inside the reference program (reading the file not counted).
reference_result ReferenceRun(const ON_3dPointArray& points)
{
  reference_result result;
  const std::string path = WritePointFile(points, "");
  if (path.empty())
    return result;
  FILE* output = popen((std::string(NUBILO_REFERENCE_ADVANCING_FRONT) + " " + path).c_str(), "r");
  if (output)
  {
    if (std::fscanf(output, "%lf %lf %lf %lf", &result.advancingFrontSeconds, &result.facets, &result.delaunaySeconds,
                    &result.cells) != 4)
      result = reference_result();
    pclose(output);
  }
  std::remove(path.c_str());
  return result;
}

// The torus wrap and CGAL's advancing front side by side: the target is a ratio of at most 5.
void BM_ConcaveTorusAgainstAdvancingFront(benchmark::State& state)
{
  const ON_3dPointArray points = TorusPoints(static_cast<int>(state.range(0)));
  for (auto _ : state)
  {
    const run_result run = RunIsolated(points, 1);
    Report(state, run, points.Count());
    const reference_result reference = ReferenceRun(points);
    state.counters["cgal_af_s"] = reference.advancingFrontSeconds;
    state.counters["cgal_af_faces"] = reference.facets;
    state.counters["cgal_delaunay_s"] = reference.delaunaySeconds;
    state.counters["ratio_to_cgal_af"] =
        reference.advancingFrontSeconds > 0 ? run.seconds / reference.advancingFrontSeconds : -1.0;
  }
}
BENCHMARK(BM_ConcaveTorusAgainstAdvancingFront)->Arg(100000)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
#endif

// qconvex on the same points, read from a file in qhull's format, triangulated facets written out.
double QconvexSeconds(const ON_3dPointArray& points)
{
  const std::string path = WritePointFile(points, "3\n" + std::to_string(points.Count()) + "\n");
  if (path.empty())
    return -1.0;
  const std::string command = "qconvex Qt i < " + path + " > /dev/null";
  const auto start = std::chrono::steady_clock::now();
  const int status = std::system(command.c_str());
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::remove(path.c_str());
  return status == 0 ? seconds : -1.0;
}

void BM_ConvexSphereAgainstQconvex(benchmark::State& state)
{
  const ON_3dPointArray points = SpherePoints(static_cast<int>(state.range(0)));
  for (auto _ : state)
  {
    const run_result run = RunIsolated(points, 0);
    const double qconvex = QconvexSeconds(points);
    state.SetIterationTime(run.seconds);
    state.counters["ok"] = run.ok;
    state.counters["faces"] = run.faces;
    state.counters["cpu_s"] = run.cpuSeconds;
    state.counters["qconvex_s"] = qconvex;
    state.counters["ratio_to_qconvex"] = qconvex > 0 ? run.seconds / qconvex : -1.0;
    state.counters["peak_MB"] = run.peakKilobytes / 1024.0;
  }
}
BENCHMARK(BM_ConvexSphereAgainstQconvex)->Arg(100000)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
