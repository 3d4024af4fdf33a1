// Drape benchmarks: the point matrix of a million points, the probe offset of its grid, duplicate
// removal, and the point matrix against gdal_grid's nearest-neighbour gridding on the same input.
#include "ProgressWindow.h"
#include "QORPoint.h"
#include "VMSurface.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace
{

// Survey-like points: uniform over a square of `size` metres in UTM coordinates, heights from a
// smooth terrain with half a metre of noise.
ON_3dPointArray SurveyPoints(int count, double size, unsigned seed)
{
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> along(0.0, size), noise(-0.5, 0.5);
  ON_3dPointArray points;
  points.Reserve(count);
  for (int i = 0; i < count; i++)
  {
    const double x = along(random), y = along(random);
    const double z = 900.0 + 40.0 * std::sin(x / 97.0) * std::cos(y / 131.0) + 0.02 * x + noise(random);
    points.Append(ON_3dPoint(500000.0 + x, 4200000.0 + y, z));
  }
  return points;
}

const ON_3dPointArray& MillionPoints()
{
  static const ON_3dPointArray points = SurveyPoints(1000000, 1000.0, 1);
  return points;
}

void BM_CreatePointMatrixMillionPoints(benchmark::State& state)
{
  const ON_3dPointArray& points = MillionPoints();
  ON_3dPointArray matrix;
  for (auto _ : state)
  {
    VMSurface::CreatePointMatrix(points, 1000, 1000, matrix, 1, 0);
    benchmark::DoNotOptimize(matrix.Array());
  }
  state.counters["grid_points"] = matrix.Count();
}
BENCHMARK(BM_CreatePointMatrixMillionPoints)->Unit(benchmark::kMillisecond);

void BM_OffsetMillionPointGrid(benchmark::State& state)
{
  ON_3dPointArray grid;
  VMSurface::CreatePointMatrix(MillionPoints(), 1000, 1000, grid, 1, 0);
  ON_NurbsSurface fitted;
  VMSurface::CreateSurfaceFromPointMatrix(fitted, grid, 1000, 1000, 0);
  for (auto _ : state)
  {
    state.PauseTiming();
    ON_3dPointArray matrix(grid);
    ON_NurbsSurface surface(fitted);
    state.ResumeTiming();
    VMSurface::Offset(matrix, 1000, 1000, surface, -0.5, 0);
    benchmark::DoNotOptimize(matrix.Array());
  }
}
BENCHMARK(BM_OffsetMillionPointGrid)->Unit(benchmark::kMillisecond);

void BM_RemoveDuplicatesMillionPoints(benchmark::State& state)
{
  ON_3dPointArray source = MillionPoints();
  for (int i = 0; i < source.Count(); i += 3)
    source[i] = source[i / 2]; // a third are repeats
  int removed = 0;
  for (auto _ : state)
  {
    state.PauseTiming();
    ON_3dPointArray points(source);
    state.ResumeTiming();
    removed = QORPoint::RemoveDuplicates(points, 0);
  }
  state.counters["removed"] = removed;
}
BENCHMARK(BM_RemoveDuplicatesMillionPoints)->Unit(benchmark::kMillisecond);

double Seconds(std::chrono::steady_clock::time_point start)
{
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// 200,000 points into 447 x 447 grid points: gdal_grid (nearest neighbour) and the point matrix
// on the same points and extent, once each.
void BM_GdalGridNearestVersusPointMatrix(benchmark::State& state)
{
  if (std::system("gdal_grid --version >/dev/null 2>&1") != 0)
  {
    state.SkipWithError("gdal_grid is not installed (Debian package gdal-bin)");
    return;
  }
  const ON_3dPointArray points = SurveyPoints(200000, 1000.0, 2);
  const std::string name = "bench_drape_points";
  const std::string csv = name + ".csv", vrt = name + ".vrt", raster = "bench_drape_grid.tif";
  std::FILE* file = std::fopen(csv.c_str(), "w");
  if (!file)
  {
    state.SkipWithError("cannot write the point file");
    return;
  }
  std::fprintf(file, "x,y,z\n");
  for (int i = 0; i < points.Count(); i++)
    std::fprintf(file, "%.3f,%.3f,%.3f\n", points[i].x, points[i].y, points[i].z);
  std::fclose(file);
  std::FILE* layer = std::fopen(vrt.c_str(), "w");
  if (!layer)
  {
    state.SkipWithError("cannot write the layer description");
    return;
  }
  std::fprintf(layer,
               "<OGRVRTDataSource><OGRVRTLayer name=\"points\">"
               "<SrcDataSource relativeToVRT=\"1\">%s.csv</SrcDataSource><SrcLayer>%s</SrcLayer>"
               "<GeometryType>wkbPoint</GeometryType>"
               "<GeometryField encoding=\"PointFromColumns\" x=\"x\" y=\"y\" z=\"z\"/>"
               "</OGRVRTLayer></OGRVRTDataSource>\n",
               name.c_str(), name.c_str());
  std::fclose(layer);
  const ON_BoundingBox box = points.BoundingBox();
  char command[1024];
  std::snprintf(command, sizeof command,
                "gdal_grid -q -a nearest -zfield z -l points -txe %.3f %.3f -tye %.3f %.3f -outsize 447 447 "
                "-of GTiff %s %s",
                box.m_min.x, box.m_max.x, box.m_min.y, box.m_max.y, vrt.c_str(), raster.c_str());
  double gdal = 0.0, ours = 0.0;
  for (auto _ : state)
  {
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command) != 0)
    {
      state.SkipWithError("gdal_grid failed");
      break;
    }
    gdal = Seconds(start);
    const auto ours_start = std::chrono::steady_clock::now();
    ON_3dPointArray matrix;
    VMSurface::CreatePointMatrix(points, 447, 447, matrix, 1, 0);
    ours = Seconds(ours_start);
    state.SetIterationTime(gdal + ours);
  }
  std::remove(csv.c_str());
  std::remove(vrt.c_str());
  std::remove(raster.c_str());
  state.counters["gdal_grid_s"] = gdal;
  state.counters["point_matrix_s"] = ours;
  state.counters["ratio"] = ours > 0.0 ? gdal / ours : 0.0;
}
BENCHMARK(BM_GdalGridNearestVersusPointMatrix)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
  Platform::ProgressWindow::SetQuiet(true);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
