// Mesh files: binary STL of one million triangles (about 50 MB) written and read, and an OBJ file
// of one million triangles read by QOROBJ and, in the same run, by `assimp info`.
#include "BenchMesh.h"
#include "BenchSupport.h"
#include "QOROBJ.h"
#include "QORSTL.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace
{

using bench::BenchFile;
using bench::FileSize;

constexpr int kColumns = 1000;
constexpr int kRows = 500; // 2 * 500 * 1000 triangles

const ON_Mesh& MillionTriangles()
{
  static const ON_Mesh mesh = bench::WavyGridMesh(kRows, kColumns);
  return mesh;
}

const std::string& BinarySTLFile()
{
  static const std::string path = []
  {
    const std::string file = BenchFile("mesh.stl");
    QORSTL::MeshToSTL(MillionTriangles(), ON_wString(file.c_str()), 1);
    return file;
  }();
  return path;
}

const std::string& OBJFile()
{
  static const std::string path = []
  {
    const std::string file = BenchFile("mesh.obj");
    QOROBJ::MeshToOBJ(MillionTriangles(), ON_wString(file.c_str()), 0);
    return file;
  }();
  return path;
}

void BM_WriteBinarySTL(benchmark::State& state)
{
  const ON_Mesh& mesh = MillionTriangles();
  const std::string file = BenchFile("written.stl");
  const ON_wString path(file.c_str());
  for (auto _ : state)
    if (!QORSTL::MeshToSTL(mesh, path, 1))
      state.SkipWithError("write failed");
  state.SetBytesProcessed(state.iterations() * FileSize(file));
  std::remove(file.c_str());
}
BENCHMARK(BM_WriteBinarySTL)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_ReadBinarySTL(benchmark::State& state)
{
  const ON_wString path(BinarySTLFile().c_str());
  ON_ClassArray<ON_Mesh> meshes;
  for (auto _ : state)
  {
    QORSTL::STLToMesh(path, meshes);
    benchmark::DoNotOptimize(meshes.Count());
  }
  if (meshes.Count() != 1 || meshes[0].FaceCount() != 2 * kRows * kColumns)
    state.SkipWithError("wrong facet count");
  state.SetBytesProcessed(state.iterations() * FileSize(BinarySTLFile()));
}
BENCHMARK(BM_ReadBinarySTL)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_ReadOBJ(benchmark::State& state)
{
  const ON_wString path(OBJFile().c_str());
  ON_Mesh mesh;
  for (auto _ : state)
  {
    QOROBJ::OBJToMesh(path, mesh);
    benchmark::DoNotOptimize(mesh.FaceCount());
  }
  if (mesh.FaceCount() != 2 * kRows * kColumns)
    state.SkipWithError("wrong face count");
  state.SetBytesProcessed(state.iterations() * FileSize(OBJFile()));
}
BENCHMARK(BM_ReadOBJ)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// The reference: the whole `assimp info` process on the same file.
void BM_AssimpInfoOBJ(benchmark::State& state)
{
  if (!bench::OnPath("assimp"))
  {
    state.SkipWithError("assimp (Debian assimp-utils) is not installed");
    return;
  }
  bench::RunEachIteration(state, "assimp info '" + OBJFile() + "' >/dev/null 2>&1", "assimp failed");
  state.SetBytesProcessed(state.iterations() * FileSize(OBJFile()));
}
BENCHMARK(BM_AssimpInfoOBJ)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

} // namespace

BENCHMARK_MAIN();
