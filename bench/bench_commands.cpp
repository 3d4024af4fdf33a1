// Whole commands through the nubilo program: import, drape, convex wrap and export of survey-like
// point files, each run as a child process with its wall time and peak memory, and the drape and
// the convex wrap against gdal_grid and qconvex on the same points; the geometry commands on a 2M-face
// drape mesh against its import. The input files are written once into a temporary folder, which is
// removed at exit.
#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#ifndef NUBILO_PROGRAM
#error "NUBILO_PROGRAM must name the nubilo program"
#endif

extern char** environ;

namespace
{

namespace fs = std::filesystem;

// The working folder of every child: point files, profile, logs and outputs.
using bench::Work;

struct Point
{
  double x, y, z;
};

// Survey-like points: uniform over a square of `size` metres in UTM coordinates, heights from a
// smooth terrain with half a metre of noise, rounded to millimetres as the files hold them.
std::vector<Point> SurveyPoints(int count, double size, unsigned seed)
{
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> along(0.0, size), noise(-0.5, 0.5);
  std::vector<Point> points(count);
  for (Point& p : points)
  {
    const double x = along(random), y = along(random);
    const double z = 900.0 + 40.0 * std::sin(x / 97.0) * std::cos(y / 131.0) + 0.02 * x + noise(random);
    p = {std::round((500000.0 + x) * 1000.0) / 1000.0, std::round((4200000.0 + y) * 1000.0) / 1000.0,
         std::round(z * 1000.0) / 1000.0};
  }
  return points;
}

// The input files of one point set: "x y z" text for nubilo, qhull's format for qconvex, and CSV
// with a layer description for gdal_grid.
struct PointSet
{
  std::string name; // the nubilo file, relative to the folder
  std::string qhull, csv, vrt;
  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  bool ok = false;
};

PointSet WritePointSet(const std::string& stem, int count, unsigned seed)
{
  PointSet set;
  set.name = stem + ".xyz";
  set.qhull = Work().File(stem + ".qhull");
  set.csv = Work().File(stem + ".csv");
  set.vrt = Work().File(stem + ".vrt");
  if (Work().Path().empty())
    return set;
  const std::vector<Point> points = SurveyPoints(count, 1000.0, seed);
  std::FILE* text = std::fopen(Work().File(set.name).c_str(), "w");
  std::FILE* qhull = std::fopen(set.qhull.c_str(), "w");
  std::FILE* csv = std::fopen(set.csv.c_str(), "w");
  std::FILE* vrt = std::fopen(set.vrt.c_str(), "w");
  if (text && qhull && csv && vrt)
  {
    std::fprintf(qhull, "3\n%d\n", count);
    std::fprintf(csv, "x,y,z\n");
    set.minX = set.minY = HUGE_VAL;
    set.maxX = set.maxY = -HUGE_VAL;
    for (const Point& p : points)
    {
      std::fprintf(text, "%.3f %.3f %.3f\n", p.x, p.y, p.z);
      std::fprintf(qhull, "%.3f %.3f %.3f\n", p.x, p.y, p.z);
      std::fprintf(csv, "%.3f,%.3f,%.3f\n", p.x, p.y, p.z);
      set.minX = std::min(set.minX, p.x);
      set.maxX = std::max(set.maxX, p.x);
      set.minY = std::min(set.minY, p.y);
      set.maxY = std::max(set.maxY, p.y);
    }
    std::fprintf(vrt,
                 "<OGRVRTDataSource><OGRVRTLayer name=\"points\">"
                 "<SrcDataSource relativeToVRT=\"1\">%s.csv</SrcDataSource><SrcLayer>%s</SrcLayer>"
                 "<GeometryType>wkbPoint</GeometryType>"
                 "<GeometryField encoding=\"PointFromColumns\" x=\"x\" y=\"y\" z=\"z\"/>"
                 "</OGRVRTLayer></OGRVRTDataSource>\n",
                 stem.c_str(), stem.c_str());
    set.ok = true;
  }
  for (std::FILE* file : {text, qhull, csv, vrt})
    if (file && std::fclose(file) != 0)
      set.ok = false;
  return set;
}

const PointSet& MillionPoints()
{
  static const PointSet set = WritePointSet("pts", 1000000, 1);
  return set;
}

const PointSet& PointsFor447()
{
  static const PointSet set = WritePointSet("pts200k", 200000, 2);
  return set;
}

struct Run
{
  bool ok = false;
  double seconds = 0.0;
  double cpuSeconds = 0.0;
  double peakMB = 0.0;
  double outputMB = 0.0; // the first output file named to Nubilo()
  std::string error;
};

std::string LastLines(const std::string& path, size_t limit)
{
  std::ifstream in(path);
  std::stringstream all;
  all << in.rdbuf();
  std::string text = all.str();
  while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
    text.pop_back();
  if (text.size() > limit)
    text = "..." + text.substr(text.size() - limit);
  for (char& c : text)
    if (c == '\n')
      c = ' ';
  return text;
}

// Runs a program in the folder, stdin from `input` (or /dev/null), stdout to `output` (or a log),
// stderr to a log. posix_spawn does not copy this process's memory, so the child's peak resident
// memory from wait4 is its own.
Run Spawn(const std::vector<std::string>& arguments, const std::string& input = "/dev/null",
          const std::string& output = "")
{
  Run run;
  if (Work().Path().empty())
  {
    run.error = "cannot create the temporary folder";
    return run;
  }
  const std::string out = output.empty() ? Work().File("stdout.log") : output, err = Work().File("stderr.log");
  std::vector<char*> argv;
  for (const std::string& a : arguments)
    argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, Work().Path().c_str());
  posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t child = 0;
  const auto start = std::chrono::steady_clock::now();
  const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0)
  {
    run.error = "cannot start " + arguments[0] + ": " + std::strerror(spawned);
    return run;
  }
  int status = 0;
  rusage usage{};
  while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR)
  {
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.cpuSeconds =
      usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + 1e-6 * (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
  run.peakMB = usage.ru_maxrss / 1024.0;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (!run.ok)
  {
    const std::string how = WIFEXITED(status) ? "exited with status " + std::to_string(WEXITSTATUS(status))
                                              : "ended by signal " + std::to_string(WTERMSIG(status));
    run.error = fs::path(arguments[0]).filename().string() + " " + how + ": " + LastLines(err, 400);
  }
  return run;
}

// One nubilo run of `commands` with a fresh profile. The first of `outputs` must have been written;
// all of them are removed.
Run Nubilo(const std::string& commands, const std::vector<std::string>& outputs = {})
{
  const std::string profile = Work().File("profile.ini");
  std::remove(profile.c_str());
  Run run = Spawn({NUBILO_PROGRAM, "--quiet", "--profile", profile, "-c", commands});
  for (size_t i = 0; i < outputs.size(); i++)
  {
    const std::string path = Work().File(outputs[i]);
    const long size = bench::FileSize(path);
    if (i == 0 && run.ok && size == 0)
    {
      run.ok = false;
      run.error = "nubilo exited with status 0 but wrote no " + outputs[i];
    }
    else if (i == 0)
      run.outputMB = size / 1048576.0;
    std::remove(path.c_str());
  }
  return run;
}

std::string Fixed(double value)
{
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

bool Installed(const std::vector<std::string>& probe) { return Spawn(probe).ok; }

// Reports a nubilo run as the iteration's time, or the run's failure as the benchmark's error.
bool Report(benchmark::State& state, const Run& run, const char* prefix = "")
{
  if (!run.ok)
  {
    state.SkipWithError(run.error.c_str());
    return false;
  }
  state.SetIterationTime(run.seconds);
  const std::string p(prefix);
  state.counters[p + "s"] = run.seconds;
  state.counters[p + "cpu_s"] = run.cpuSeconds;
  state.counters[p + "peak_MB"] = run.peakMB;
  return true;
}

bool Inputs(benchmark::State& state, const PointSet& set)
{
  if (!set.ok)
    state.SkipWithError("cannot write the point files into the temporary folder");
  return set.ok;
}

const std::string kImport = "NBImportPoints File=pts.xyz OK";
const std::string kDrape1415 =
    kImport + " NBDrapeSurface DrapeDirection=Top SurfaceType=PolygonMesh All Enter Rows=1415 Columns=1415 OK";

// Runs that others subtract: the latest run of each, made on first use when its own benchmark
// has not run.
std::map<std::string, Run>& Baselines()
{
  static std::map<std::string, Run> runs;
  return runs;
}

const Run& Baseline(const std::string& commands)
{
  auto found = Baselines().find(commands);
  if (found == Baselines().end())
    found = Baselines().emplace(commands, Nubilo(commands)).first;
  return found->second;
}

// The benchmark of a baseline: its runs are the ones others subtract.
void RunBaseline(benchmark::State& state, const std::string& commands)
{
  for (auto _ : state)
  {
    const Run run = Nubilo(commands);
    Baselines()[commands] = run;
    if (!Report(state, run))
      break;
  }
}

void BM_Import1M(benchmark::State& state)
{
  if (Inputs(state, MillionPoints()))
    RunBaseline(state, kImport);
}
BENCHMARK(BM_Import1M)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void BM_Drape1MInto1000x1000Mesh(benchmark::State& state)
{
  if (!Inputs(state, MillionPoints()))
    return;
  for (auto _ : state)
  {
    const Run run = Nubilo(
        kImport + " NBDrapeSurface DrapeDirection=Top SurfaceType=PolygonMesh All Enter Rows=1000 Columns=1000 OK");
    if (!Report(state, run))
      break;
    const Run& import = Baseline(kImport);
    if (import.ok)
      state.counters["minus_import_s"] = run.seconds - import.seconds;
  }
}
BENCHMARK(BM_Drape1MInto1000x1000Mesh)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// The whole command (import and drape of 200,000 points into 447 x 447 grid points) against
// gdal_grid's nearest-neighbour gridding of the same points over their extent.
void BM_Drape200kInto447MeshVersusGdalGrid(benchmark::State& state)
{
  const PointSet& set = PointsFor447();
  if (!Inputs(state, set))
    return;
  if (!Installed({"gdal_grid", "--version"}))
  {
    state.SkipWithError("gdal_grid is not installed (Debian package gdal-bin): no comparison");
    return;
  }
  const std::vector<std::string> gdal = {"gdal_grid",
                                         "-q",
                                         "-a",
                                         "nearest",
                                         "-zfield",
                                         "z",
                                         "-l",
                                         "points",
                                         "-txe",
                                         Fixed(set.minX),
                                         Fixed(set.maxX),
                                         "-tye",
                                         Fixed(set.minY),
                                         Fixed(set.maxY),
                                         "-outsize",
                                         "447",
                                         "447",
                                         "-of",
                                         "GTiff",
                                         set.vrt,
                                         Work().File("grid.tif")};
  for (auto _ : state)
  {
    const Run run =
        Nubilo("NBImportPoints File=" + set.name +
               " OK NBDrapeSurface DrapeDirection=Top SurfaceType=PolygonMesh All Enter Rows=447 Columns=447 OK");
    if (!Report(state, run))
      break;
    const Run peer = Spawn(gdal);
    std::remove(Work().File("grid.tif").c_str());
    if (!peer.ok)
    {
      state.SkipWithError(peer.error.c_str());
      break;
    }
    state.counters["gdal_grid_s"] = peer.seconds;
    state.counters["gdal_grid_peak_MB"] = peer.peakMB;
    state.counters["ratio_to_gdal_grid"] = run.seconds / peer.seconds;
  }
}
BENCHMARK(BM_Drape200kInto447MeshVersusGdalGrid)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// The whole command (import and convex wrap) against qconvex triangulating the hull of the same
// points; the import alone is reported for subtraction.
void BM_ConvexWrap1MVersusQconvex(benchmark::State& state)
{
  const PointSet& set = MillionPoints();
  if (!Inputs(state, set))
    return;
  if (!Installed({"qconvex", "-V"}))
  {
    state.SkipWithError("qconvex is not installed (Debian package qhull-bin): no comparison");
    return;
  }
  for (auto _ : state)
  {
    const Run run = Nubilo(kImport + " NBWrapMesh NubiloType=Convex All Enter");
    if (!Report(state, run))
      break;
    const Run peer = Spawn({"qconvex", "Qt", "i"}, set.qhull, "/dev/null");
    if (!peer.ok)
    {
      state.SkipWithError(peer.error.c_str());
      break;
    }
    const Run& import = Baseline(kImport);
    if (!import.ok)
    {
      state.SkipWithError(import.error.c_str());
      break;
    }
    state.counters["import_s"] = import.seconds;
    state.counters["minus_import_s"] = run.seconds - import.seconds;
    state.counters["qconvex_s"] = peer.seconds;
    state.counters["qconvex_peak_MB"] = peer.peakMB;
    state.counters["ratio_to_qconvex"] = run.seconds / peer.seconds;
  }
}
BENCHMARK(BM_ConvexWrap1MVersusQconvex)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// A million points uniform on a sphere of radius 100, written as "x y z" text; empty when the
// file cannot be written.
const std::string& MillionSpherePoints()
{
  static const std::string name = []
  {
    std::mt19937 random(7);
    std::normal_distribution<double> normal;
    std::FILE* text = std::fopen(Work().File("sphere1m.xyz").c_str(), "w");
    if (!text)
      return std::string();
    for (int i = 0; i < 1000000; ++i)
    {
      const double x = normal(random), y = normal(random), z = normal(random);
      const double scale = 100.0 / std::sqrt(x * x + y * y + z * z);
      std::fprintf(text, "%.9f %.9f %.9f\n", x * scale, y * scale, z * scale);
    }
    return std::fclose(text) == 0 ? std::string("sphere1m.xyz") : std::string();
  }();
  return name;
}

// The whole command: import a million sphere points and wrap them in their concave shell; the
// import alone is reported for subtraction.
void BM_ConcaveWrap1MSphere(benchmark::State& state)
{
  if (MillionSpherePoints().empty())
  {
    state.SkipWithError("cannot write the point file into the temporary folder");
    return;
  }
  const std::string import = "NBImportPoints File=" + MillionSpherePoints() + " OK";
  for (auto _ : state)
  {
    const Run run = Nubilo(import + " NBWrapMesh NubiloType=Concave All Enter");
    if (!Report(state, run))
      break;
    const Run& imported = Baseline(import);
    state.counters["import_s"] = imported.seconds;
    state.counters["minus_import_s"] = run.seconds - imported.seconds;
  }
}
BENCHMARK(BM_ConcaveWrap1MSphere)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void BM_ExportPoints1M(benchmark::State& state)
{
  if (!Inputs(state, MillionPoints()))
    return;
  for (auto _ : state)
  {
    const Run run = Nubilo(kImport + " Export out.xyz", {"out.xyz"});
    if (!Report(state, run))
      break;
    state.counters["output_MB"] = run.outputMB;
    const Run& import = Baseline(kImport);
    if (import.ok)
      state.counters["minus_import_s"] = run.seconds - import.seconds;
  }
}
BENCHMARK(BM_ExportPoints1M)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// Import and drape into 1415 x 1415 grid points (1414 x 1414 quads): the baseline of the exports.
void BM_Drape1MInto1415x1415Mesh(benchmark::State& state)
{
  if (Inputs(state, MillionPoints()))
    RunBaseline(state, kDrape1415);
}
BENCHMARK(BM_Drape1MInto1415x1415Mesh)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// The same, then the whole document (the 2M-face mesh and the million points) exported; STL and
// OBJ take the mesh only.
void BM_ExportMesh2M(benchmark::State& state, const std::string& extension)
{
  if (!Inputs(state, MillionPoints()))
    return;
  const std::string name = "out." + extension;
  std::vector<std::string> outputs = {name};
  if (extension == "obj")
    outputs.push_back("out.mtl");
  for (auto _ : state)
  {
    const Run run = Nubilo(kDrape1415 + " Export " + name, outputs);
    if (!Report(state, run))
      break;
    state.counters["output_MB"] = run.outputMB;
    const Run& drape = Baseline(kDrape1415);
    if (drape.ok)
      state.counters["minus_drape_s"] = run.seconds - drape.seconds;
  }
}
BENCHMARK_CAPTURE(BM_ExportMesh2M, stl, std::string("stl"))->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_ExportMesh2M, obj, std::string("obj"))->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_ExportMesh2M, 3dm, std::string("3dm"))->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// The geometry commands on a 2M-face drape mesh: 1000 x 1000 grid points of the survey terrain
// written as a binary STL of its 1,996,002 triangles, each command run on the imported mesh and
// set against the import alone. MeshTrim cuts along a closed 64-gon (the boundary of a fan mesh
// written beside it) over the middle of the grid.
struct DrapeMeshFiles
{
  std::string stl = "drape2m.stl", fence = "fence.obj";
  bool ok = false;
};

const DrapeMeshFiles& DrapeMesh2M()
{
  static const DrapeMeshFiles files = []
  {
    DrapeMeshFiles f;
    if (Work().Path().empty())
      return f;
    const int n = 1000;
    auto height = [](double x, double y) { return 900.0 + 40.0 * std::sin(x / 97.0) * std::cos(y / 131.0) + 0.02 * x; };
    std::vector<float> grid(3 * static_cast<size_t>(n) * n);
    for (int r = 0; r < n; r++)
      for (int c = 0; c < n; c++)
      {
        float* p = &grid[3 * (static_cast<size_t>(r) * n + c)];
        p[0] = static_cast<float>(500000.0 + c);
        p[1] = static_cast<float>(4200000.0 + r);
        p[2] = static_cast<float>(height(c, r));
      }
    std::FILE* stl = std::fopen(Work().File(f.stl).c_str(), "wb");
    if (!stl)
      return f;
    char header[80] = "drape mesh, 1000 x 1000 grid points";
    const uint32_t triangles = 2u * (n - 1) * (n - 1);
    bool ok = std::fwrite(header, 1, 80, stl) == 80 && std::fwrite(&triangles, 4, 1, stl) == 1;
    auto facet = [&](size_t a, size_t b, size_t c)
    {
      float record[12] = {0, 0, 1};
      std::memcpy(record + 3, &grid[3 * a], 12);
      std::memcpy(record + 6, &grid[3 * b], 12);
      std::memcpy(record + 9, &grid[3 * c], 12);
      const uint16_t attributes = 0;
      ok = ok && std::fwrite(record, 4, 12, stl) == 12 && std::fwrite(&attributes, 2, 1, stl) == 1;
    };
    for (int r = 0; r + 1 < n; r++)
      for (int c = 0; c + 1 < n; c++)
      {
        const size_t a = static_cast<size_t>(r) * n + c;
        facet(a, a + 1, a + n + 1);
        facet(a + n + 1, a + n, a);
      }
    ok = std::fclose(stl) == 0 && ok;
    std::FILE* fence = std::fopen(Work().File(f.fence).c_str(), "w");
    if (!fence)
      return f;
    std::fprintf(fence, "v 500500 4200500 0\n");
    for (int k = 0; k < 64; k++)
      std::fprintf(fence, "v %.3f %.3f 0\n", 500500.0 + 300.0 * std::cos(k * M_PI / 32.0),
                   4200500.0 + 300.0 * std::sin(k * M_PI / 32.0));
    for (int k = 0; k < 64; k++)
      std::fprintf(fence, "f 1 %d %d\n", k + 2, (k + 1) % 64 + 2);
    f.ok = std::fclose(fence) == 0 && ok;
    return f;
  }();
  return files;
}

const std::string kImportDrapeMesh = "Import drape2m.stl";

bool Inputs(benchmark::State& state, const DrapeMeshFiles& files)
{
  if (!files.ok)
    state.SkipWithError("cannot write the drape mesh into the temporary folder");
  return files.ok;
}

// Import of the drape mesh alone: the yardstick of the mesh commands.
void BM_ImportDrapeMesh2M(benchmark::State& state)
{
  if (Inputs(state, DrapeMesh2M()))
    RunBaseline(state, kImportDrapeMesh);
}
BENCHMARK(BM_ImportDrapeMesh2M)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// Import and one command; minus_import_s is the command's share, ratio_to_import that share over
// the import (the target is at most 20).
void BM_MeshCommand2M(benchmark::State& state, const std::string& command)
{
  if (!Inputs(state, DrapeMesh2M()))
    return;
  for (auto _ : state)
  {
    const Run run = Nubilo(kImportDrapeMesh + "  " + command);
    if (!Report(state, run))
      break;
    const Run& import = Baseline(kImportDrapeMesh);
    if (!import.ok)
    {
      state.SkipWithError(import.error.c_str());
      break;
    }
    state.counters["import_s"] = import.seconds;
    state.counters["minus_import_s"] = run.seconds - import.seconds;
    state.counters["ratio_to_import"] = (run.seconds - import.seconds) / import.seconds;
  }
}
BENCHMARK_CAPTURE(BM_MeshCommand2M, MeshBoundary, std::string("MeshBoundary All Enter"))
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_MeshCommand2M, MeshSplit, std::string("MeshSplit All Enter"))
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_MeshCommand2M, MeshSubdivide, std::string("MeshSubdivide All Enter"))
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_MeshCommand2M, MeshSmooth3, std::string("MeshSmooth Iterations=3 All Enter"))
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_MeshCommand2M, MeshTrim,
                  std::string("Import fence.obj  MeshBoundary 2 Enter  MeshTrim 1 Enter 3 Enter"))
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
