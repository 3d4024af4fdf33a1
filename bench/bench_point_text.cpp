// Reading point text files: one million points (about 30 MB), format 0, comma and space
// delimiters, in UTM-sized coordinates.
#include "BenchSupport.h"
#include "QORTXT.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

namespace
{

const std::string& MillionPointFile()
{
  static const std::string path = []
  {
    const std::string file = bench::BenchFile("points.txt");
    std::FILE* f = std::fopen(file.c_str(), "w");
    std::mt19937 random(1);
    std::uniform_real_distribution<double> x(659000, 663000), y(4751000, 4755000), z(800, 1030);
    for (int i = 0; i < 1000000; ++i)
      std::fprintf(f, "%.3f, %.3f, %.2f\n", x(random), y(random), z(random));
    std::fclose(f);
    return file;
  }();
  return path;
}

void BM_ReadMillionPoints(benchmark::State& state)
{
  const std::string& path = MillionPointFile();
  const ON_wString name(path.c_str());
  ON_ClassArray<QOR3dPoint> points;
  for (auto _ : state)
  {
    QORTXT::Read(name, 0, ", ", &points);
    benchmark::DoNotOptimize(points.Count());
  }
  if (points.Count() != 1000000)
    state.SkipWithError("wrong point count");
  state.SetBytesProcessed(state.iterations() * bench::FileSize(path));
  state.counters["points"] = points.Count();
}
BENCHMARK(BM_ReadMillionPoints)->Unit(benchmark::kMillisecond)->MinTime(3);

} // namespace

BENCHMARK_MAIN();
