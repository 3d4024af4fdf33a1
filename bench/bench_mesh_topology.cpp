// The mesh topology of a 2M-face drape mesh (1000 x 1000 grid points, two triangles per cell,
// three vertices of its own per triangle as STL gives them) built in the process, against reading
// the same mesh from a binary STL file; and the library operations the geometry commands run.
#include "BenchSupport.h"
#include "QORMesh.h"
#include "QORSTL.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <string>

namespace
{

constexpr int kGrid = 1000;

const std::string& DrapeStl()
{
  static const std::string path = []
  {
    ON_Mesh grid(2 * (kGrid - 1) * (kGrid - 1), kGrid * kGrid, false, false);
    for (int r = 0; r < kGrid; ++r)
      for (int c = 0; c < kGrid; ++c)
        grid.m_V.Append(ON_3fPoint(
            ON_3dPoint(500000.0 + c, 4200000.0 + r, 900.0 + 40.0 * std::sin(c / 97.0) * std::cos(r / 131.0))));
    for (int r = 0; r + 1 < kGrid; ++r)
      for (int c = 0; c + 1 < kGrid; ++c)
      {
        const int a = r * kGrid + c;
        grid.m_F.Append(ON_MeshFace{{a, a + 1, a + kGrid + 1, a + kGrid + 1}});
        grid.m_F.Append(ON_MeshFace{{a + kGrid + 1, a + kGrid, a, a}});
      }
    const std::string file = bench::BenchFile("drape2m.stl");
    QORSTL::MeshToSTL(grid, ON_wString(file.c_str()), 1);
    return file;
  }();
  return path;
}

double g_readSeconds = 0.0;

const ON_Mesh& DrapeMesh()
{
  static const ON_Mesh mesh = []
  {
    ON_Mesh m;
    const auto start = std::chrono::steady_clock::now();
    QORSTL::STLToMesh(ON_wString(DrapeStl().c_str()), m);
    g_readSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return m;
  }();
  return mesh;
}

void BM_ReadDrapeStl2M(benchmark::State& state)
{
  for (auto _ : state)
  {
    ON_Mesh mesh;
    if (!QORSTL::STLToMesh(ON_wString(DrapeStl().c_str()), mesh))
    {
      state.SkipWithError("cannot read the drape mesh");
      break;
    }
    state.counters["faces"] = mesh.FaceCount();
  }
}
BENCHMARK(BM_ReadDrapeStl2M)->Iterations(3)->Unit(benchmark::kSecond);

// Timed per run, set against one reading of the file: ratio_to_read is the target's measure (at
// most 20).
template <class Work>
void Measure(benchmark::State& state, Work work)
{
  const ON_Mesh& mesh = DrapeMesh();
  if (mesh.FaceCount() == 0)
  {
    state.SkipWithError("cannot read the drape mesh");
    return;
  }
  double seconds = 0.0;
  for (auto _ : state)
  {
    state.PauseTiming();
    ON_Mesh copy = mesh;
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    if (!work(copy))
    {
      state.SkipWithError(ON_String(QORMesh::GetError()).Array());
      break;
    }
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  state.counters["read_s"] = g_readSeconds;
  state.counters["ratio_to_read"] = seconds / g_readSeconds;
}

void BM_TopologyBuild2M(benchmark::State& state)
{
  Measure(state, [](ON_Mesh& mesh) { return mesh.Topology().IsValid(); });
}
BENCHMARK(BM_TopologyBuild2M)->Iterations(3)->Unit(benchmark::kSecond);

void BM_BoundaryPolylines2M(benchmark::State& state)
{
  Measure(state,
          [](ON_Mesh& mesh)
          {
            ON_ClassArray<ON_Polyline> loops;
            int outer = -1;
            return QORMesh::GetBoundaryPolylines(mesh, loops, outer, 0) == 1 && loops.Count() == 1;
          });
}
BENCHMARK(BM_BoundaryPolylines2M)->Iterations(1)->Unit(benchmark::kSecond);

void BM_ExtractShells2M(benchmark::State& state)
{
  Measure(state,
          [](ON_Mesh& mesh)
          {
            ON_ClassArray<ON_Mesh> shells;
            return QORMesh::ExtractShells(mesh, shells) == 1;
          });
}
BENCHMARK(BM_ExtractShells2M)->Iterations(1)->Unit(benchmark::kSecond);

void BM_SubDivide2M(benchmark::State& state)
{
  Measure(state, [](ON_Mesh& mesh) { return QORMesh::SubDivide(mesh) == 1; });
}
BENCHMARK(BM_SubDivide2M)->Iterations(1)->Unit(benchmark::kSecond);

void BM_Smooth2M(benchmark::State& state)
{
  Measure(state, [](ON_Mesh& mesh) { return QORMesh::Smooth(mesh, 1.0) == 1; });
}
BENCHMARK(BM_Smooth2M)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
