// DXF writing: a mesh of two million faces (written as 3DFACE entities) and 100,000 free-form
// curves (written as 3-D polylines within the chordal tolerance), each against ezdxf reading the
// same file in the same run.
#include "BenchMesh.h"
#include "BenchSupport.h"
#include "QORDXF.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace
{

constexpr int kCells = 1000; // 2 * 1000 * 1000 triangles
constexpr int kCurves = 100000;

using bench::BenchFile;
using bench::FileSize;

const ON_Mesh& TwoMillionFaces()
{
  static const ON_Mesh mesh = bench::GridMesh(
      kCells, kCells,
      [](int r, int c) { return ON_3fPoint(500000.0f + c, 4200000.0f + r, std::sin(c * 0.01f) * 20.0f); });
  return mesh;
}

// Degree-2 curves of twelve control points over a wavy terrain, as the drape makes them.
const ON_ClassArray<ON_NurbsCurve>& Curves()
{
  static const ON_ClassArray<ON_NurbsCurve> curves = []
  {
    ON_ClassArray<ON_NurbsCurve> list(kCurves);
    for (int i = 0; i < kCurves; ++i)
    {
      ON_NurbsCurve& curve = list.AppendNew();
      curve = ON_NurbsCurve(3, false, 3, 12);
      for (int k = 0; k < 12; ++k)
        curve.SetCV(k, ON_3dPoint(500000.0 + 10.0 * k, 4200000.0 + i, 900 + 5 * std::sin(0.7 * k + i)));
      curve.MakeClampedUniformKnotVector();
    }
    return list;
  }();
  return curves;
}

template <class Write>
void WriteDxf(benchmark::State& state, const char* name, Write write)
{
  const std::string file = BenchFile(name);
  for (auto _ : state)
    if (!write(ON_wString(file.c_str())))
      state.SkipWithError("write failed");
  state.counters["MB"] = FileSize(file) / 1e6;
}

// The reference: ezdxf reading every entity of the file this process wrote.
void EzdxfRead(benchmark::State& state, const char* name)
{
  if (std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") != 0)
  {
    state.SkipWithError("ezdxf (Debian python3-ezdxf) is not installed");
    return;
  }
  const std::string file = BenchFile(name);
  if (FileSize(file) == 0)
  {
    state.SkipWithError("run the matching write benchmark first");
    return;
  }
  bench::RunEachIteration(state,
                          "/usr/bin/python3 -c \"import ezdxf,sys\n"
                          "print(len(ezdxf.readfile(sys.argv[1]).modelspace()))\" '" +
                              file + "' >/dev/null",
                          "ezdxf failed");
}

void BM_WriteMeshDxf(benchmark::State& state)
{
  WriteDxf(state, "mesh.dxf", [](const ON_wString& path) { return QORDXF::MeshToDXF(TwoMillionFaces(), path, 0); });
}
BENCHMARK(BM_WriteMeshDxf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_EzdxfReadsMeshDxf(benchmark::State& state) { EzdxfRead(state, "mesh.dxf"); }
BENCHMARK(BM_EzdxfReadsMeshDxf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_WriteCurvesDxf(benchmark::State& state)
{
  WriteDxf(state, "curves.dxf", [](const ON_wString& path) { return QORDXF::NurbsCurvesToDXF(Curves(), path); });
}
BENCHMARK(BM_WriteCurvesDxf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_EzdxfReadsCurvesDxf(benchmark::State& state) { EzdxfRead(state, "curves.dxf"); }
BENCHMARK(BM_EzdxfReadsCurvesDxf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

BENCHMARK_MAIN();
