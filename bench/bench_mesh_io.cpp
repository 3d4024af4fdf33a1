// Mesh files: binary STL of one million triangles (about 50 MB) written and read, and an OBJ file
// of one million triangles read by QOROBJ and, in the same run, by `assimp info`.
#include "QOROBJ.h"
#include "QORSTL.h"
#include "TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace {

constexpr int kColumns = 1000;
constexpr int kRows = 500; // 2 * 500 * 1000 triangles

// A wavy grid of kRows x kColumns cells, two triangles per cell.
const ON_Mesh& MillionTriangles() {
  static const ON_Mesh mesh = [] {
    ON_Mesh m((2 * kRows * kColumns), (kRows + 1) * (kColumns + 1), false, false);
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

std::string BenchFile(const char* name) { return Platform::TempFolder::Path() + "/nubilo-bench-" + name; }

long FileSize(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : 0;
}

const std::string& BinarySTLFile() {
  static const std::string path = [] {
    const std::string file = BenchFile("mesh.stl");
    QORSTL::MeshToSTL(MillionTriangles(), ON_wString(file.c_str()), 1);
    return file;
  }();
  return path;
}

const std::string& OBJFile() {
  static const std::string path = [] {
    const std::string file = BenchFile("mesh.obj");
    QOROBJ::MeshToOBJ(MillionTriangles(), ON_wString(file.c_str()), 0);
    return file;
  }();
  return path;
}

void BM_WriteBinarySTL(benchmark::State& state) {
  const ON_Mesh& mesh = MillionTriangles();
  const std::string file = BenchFile("written.stl");
  const ON_wString path(file.c_str());
  for (auto _ : state)
    if (!QORSTL::MeshToSTL(mesh, path, 1)) state.SkipWithError("write failed");
  state.SetBytesProcessed(state.iterations() * FileSize(file));
  std::remove(file.c_str());
}
BENCHMARK(BM_WriteBinarySTL)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_ReadBinarySTL(benchmark::State& state) {
  const ON_wString path(BinarySTLFile().c_str());
  ON_ClassArray<ON_Mesh> meshes;
  for (auto _ : state) {
    QORSTL::STLToMesh(path, meshes);
    benchmark::DoNotOptimize(meshes.Count());
  }
  if (meshes.Count() != 1 || meshes[0].FaceCount() != 2 * kRows * kColumns)
    state.SkipWithError("wrong facet count");
  state.SetBytesProcessed(state.iterations() * FileSize(BinarySTLFile()));
}
BENCHMARK(BM_ReadBinarySTL)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_ReadOBJ(benchmark::State& state) {
  const ON_wString path(OBJFile().c_str());
  ON_Mesh mesh;
  for (auto _ : state) {
    QOROBJ::OBJToMesh(path, mesh);
    benchmark::DoNotOptimize(mesh.FaceCount());
  }
  if (mesh.FaceCount() != 2 * kRows * kColumns) state.SkipWithError("wrong face count");
  state.SetBytesProcessed(state.iterations() * FileSize(OBJFile()));
}
BENCHMARK(BM_ReadOBJ)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// The reference: the whole `assimp info` process on the same file.
void BM_AssimpInfoOBJ(benchmark::State& state) {
  if (std::system("command -v assimp >/dev/null 2>&1") != 0) {
    state.SkipWithError("assimp (Debian assimp-utils) is not installed");
    return;
  }
  const std::string command = "assimp info '" + OBJFile() + "' >/dev/null 2>&1";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("assimp failed");
  state.SetBytesProcessed(state.iterations() * FileSize(OBJFile()));
}
BENCHMARK(BM_AssimpInfoOBJ)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

}  // namespace

BENCHMARK_MAIN();
