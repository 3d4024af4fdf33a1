// RP files: a mesh of two million triangles (a binary STL of about 100 MB inside) written and
// read through the converter, and the plain binary STL of the same mesh in the same run, which
// is the part of the work that is not encryption and key derivation.
#include "BenchMesh.h"
#include "BenchSupport.h"
#include "QORRP.h"
#include "QORSTL.h"

#include <benchmark/benchmark.h>

#include <string>

namespace
{

using bench::BenchFile;
using bench::FileSize;

constexpr int kColumns = 1000;
constexpr int kRows = 1000; // 2 * 1000 * 1000 triangles

const ON_Mesh& TwoMillionTriangles()
{
  static const ON_Mesh mesh = bench::WavyGridMesh(kRows, kColumns);
  return mesh;
}

void BM_WriteRP(benchmark::State& state)
{
  const ON_Mesh& mesh = TwoMillionTriangles();
  const std::string file = BenchFile("written.rp");
  const ON_wString path(file.c_str());
  for (auto _ : state)
    if (!QORRP::MeshToRP(mesh, path, L"s3cret"))
      state.SkipWithError("write failed");
  state.SetBytesProcessed(state.iterations() * FileSize(file));
}
BENCHMARK(BM_WriteRP)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_ReadRP(benchmark::State& state)
{
  const std::string file = BenchFile("read.rp");
  const ON_wString path(file.c_str());
  if (!QORRP::MeshToRP(TwoMillionTriangles(), path, L"s3cret"))
  {
    state.SkipWithError("could not write the file to read");
    return;
  }
  ON_Mesh mesh;
  for (auto _ : state)
    if (!QORRP::RPToMesh(path, mesh, L"s3cret", 0, nullptr))
      state.SkipWithError("read failed");
  if (mesh.FaceCount() != 2 * kRows * kColumns)
    state.SkipWithError("wrong face count");
  state.SetBytesProcessed(state.iterations() * FileSize(file));
}
BENCHMARK(BM_ReadRP)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// The same mesh as a plain binary STL file, for comparison.
void BM_WriteSTLSameMesh(benchmark::State& state)
{
  const std::string file = BenchFile("written.stl");
  const ON_wString path(file.c_str());
  for (auto _ : state)
    if (!QORSTL::MeshToSTL(TwoMillionTriangles(), path, 1))
      state.SkipWithError("write failed");
  state.SetBytesProcessed(state.iterations() * FileSize(file));
}
BENCHMARK(BM_WriteSTLSameMesh)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_ReadSTLSameMesh(benchmark::State& state)
{
  const std::string file = BenchFile("written.stl");
  const ON_wString path(file.c_str());
  ON_Mesh mesh;
  for (auto _ : state)
    if (!QORSTL::STLToMesh(path, mesh))
      state.SkipWithError(static_cast<const char*>(ON_String(QORSTL::GetError())));
  if (mesh.FaceCount() != 2 * kRows * kColumns)
    state.SkipWithError("wrong face count");
  state.SetBytesProcessed(state.iterations() * FileSize(file));
}
BENCHMARK(BM_ReadSTLSameMesh)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

} // namespace

BENCHMARK_MAIN();
