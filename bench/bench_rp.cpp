// RP files: a mesh of two million triangles (a binary STL of about 100 MB inside) written and
// read through the converter, and the plain binary STL of the same mesh in the same run, which
// is the part of the work that is not encryption and key derivation.
#include "QORRP.h"
#include "QORSTL.h"
#include "TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>

namespace {

constexpr int kColumns = 1000;
constexpr int kRows = 1000;  // 2 * 1000 * 1000 triangles

const ON_Mesh& TwoMillionTriangles() {
  static const ON_Mesh mesh = [] {
    ON_Mesh m(2 * kRows * kColumns, (kRows + 1) * (kColumns + 1), false, false);
    for (int r = 0; r <= kRows; ++r)
      for (int c = 0; c <= kColumns; ++c)
        m.m_V.Append(ON_3fPoint(c * 0.5f, r * 0.5f, static_cast<float>((r * 7 + c * 13) % 17) * 0.1f));
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kColumns; ++c) {
        const int v = r * (kColumns + 1) + c;
        m.m_F.Append(ON_MeshFace{{v, v + 1, v + kColumns + 2, v + kColumns + 2}});
        m.m_F.Append(ON_MeshFace{{v, v + kColumns + 2, v + kColumns + 1, v + kColumns + 1}});
      }
    return m;
  }();
  return mesh;
}

std::string BenchFile(const char* name) { return Platform::TempFolder::Path() + "/nubilo-bench-rp-" + name; }

long FileSize(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : 0;
}

void BM_WriteRP(benchmark::State& state) {
  const ON_Mesh& mesh = TwoMillionTriangles();
  const std::string file = BenchFile("written.rp");
  const ON_wString path(file.c_str());
  for (auto _ : state)
    if (!QORRP::MeshToRP(mesh, path, L"s3cret")) state.SkipWithError("write failed");
  state.SetBytesProcessed(state.iterations() * FileSize(file));
}
BENCHMARK(BM_WriteRP)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_ReadRP(benchmark::State& state) {
  const std::string file = BenchFile("read.rp");
  const ON_wString path(file.c_str());
  if (!QORRP::MeshToRP(TwoMillionTriangles(), path, L"s3cret")) {
    state.SkipWithError("could not write the file to read");
    return;
  }
  ON_Mesh mesh;
  for (auto _ : state)
    if (!QORRP::RPToMesh(path, mesh, L"s3cret", 0, nullptr)) state.SkipWithError("read failed");
  if (mesh.FaceCount() != 2 * kRows * kColumns) state.SkipWithError("wrong face count");
  state.SetBytesProcessed(state.iterations() * FileSize(file));
}
BENCHMARK(BM_ReadRP)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// The same mesh as a plain binary STL file, for comparison.
void BM_WriteSTLSameMesh(benchmark::State& state) {
  const std::string file = BenchFile("written.stl");
  const ON_wString path(file.c_str());
  for (auto _ : state)
    if (!QORSTL::MeshToSTL(TwoMillionTriangles(), path, 1)) state.SkipWithError("write failed");
  state.SetBytesProcessed(state.iterations() * FileSize(file));
}
BENCHMARK(BM_WriteSTLSameMesh)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_ReadSTLSameMesh(benchmark::State& state) {
  const std::string file = BenchFile("written.stl");
  const ON_wString path(file.c_str());
  ON_Mesh mesh;
  for (auto _ : state)
    if (!QORSTL::STLToMesh(path, mesh)) state.SkipWithError(static_cast<const char*>(ON_String(QORSTL::GetError())));
  if (mesh.FaceCount() != 2 * kRows * kColumns) state.SkipWithError("wrong face count");
  state.SetBytesProcessed(state.iterations() * FileSize(file));
}
BENCHMARK(BM_ReadSTLSameMesh)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  for (const char* name : {"written.rp", "read.rp", "written.stl"}) std::remove(BenchFile(name).c_str());
  return 0;
}
