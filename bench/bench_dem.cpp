// ESRI ASCII grids: a grid of 4000 x 4000 cells (16 million values, about 110 MB of text) read
// by QORDEM::DEMToPointMatrix and, in the same run, turned into points by
// `gdal_translate -of XYZ` (output discarded).
#include "BenchSupport.h"
#include "QORDEM.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <string>

namespace
{

using bench::FileSize;

constexpr int kSize = 4000;

// A terrain-like grid with a few NODATA cells, written once per run.
const std::string& GridFile()
{
  static const std::string path = []
  {
    const std::string file = bench::BenchFile("grid.asc");
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out)
      return std::string();
    std::fprintf(out,
                 "ncols %d\nnrows %d\nxllcorner 500000\nyllcorner 6000000\ncellsize 2\n"
                 "NODATA_value -9999\n",
                 kSize, kSize);
    std::string row;
    for (int r = 0; r < kSize; ++r)
    {
      row.clear();
      for (int c = 0; c < kSize; ++c)
      {
        char text[32];
        const double z = (r * 7 + c * 13) % 997 == 0 ? -9999 : 100 + ((r * 31 + c * 17) % 5000) * 0.01;
        row.append(text, std::to_chars(text, text + sizeof text, z).ptr);
        row += c + 1 < kSize ? ' ' : '\n';
      }
      std::fwrite(row.data(), 1, row.size(), out);
    }
    std::fclose(out);
    return file;
  }();
  return path;
}

void BM_DEMToPointMatrix(benchmark::State& state)
{
  if (GridFile().empty())
  {
    state.SkipWithError("could not write the grid");
    return;
  }
  const ON_wString path(GridFile().c_str());
  int rows = 0, columns = 0;
  ON_3dPointArray points;
  for (auto _ : state)
    if (!QORDEM::DEMToPointMatrix(path, rows, columns, points))
      state.SkipWithError("read failed");
  if (rows != kSize || columns != kSize)
    state.SkipWithError("wrong grid size");
  state.SetBytesProcessed(state.iterations() * FileSize(GridFile()));
}
BENCHMARK(BM_DEMToPointMatrix)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// The reference: the whole `gdal_translate` process on the same file.
void BM_GdalTranslateXYZ(benchmark::State& state)
{
  if (!bench::OnPath("gdal_translate"))
  {
    state.SkipWithError("gdal_translate (Debian gdal-bin) is not installed");
    return;
  }
  if (GridFile().empty())
  {
    state.SkipWithError("could not write the grid");
    return;
  }
  bench::RunEachIteration(state, "gdal_translate -q -of XYZ '" + GridFile() + "' /vsistdout/ >/dev/null 2>&1",
                          "gdal_translate failed");
  state.SetBytesProcessed(state.iterations() * FileSize(GridFile()));
}
BENCHMARK(BM_GdalTranslateXYZ)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

} // namespace

BENCHMARK_MAIN();
