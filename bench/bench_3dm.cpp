// 3DM write and read of a model holding a mesh of about one million faces and 100,000 point
// objects, and rhino3dm (openNURBS in node) reading the same file in the same run.
#include <benchmark/benchmark.h>

#include "opennurbs.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace
{

const int kGrid = 708; // (708 x 708 cells) x 2 triangles = 1,002,528 faces
const int kPoints = 100000;

std::string FilePath() { return "/tmp/bench_3dm_" + std::to_string(getpid()) + ".3dm"; }

void AddRecord(ONX_Model& model, ON_Object* object)
{
  ONX_Model_Object& record = model.m_object_table.AppendNew();
  record.m_object = object;
  record.m_bDeleteObject = true;
}

void MakeModel(ONX_Model& model)
{
  ON_Mesh* mesh = new ON_Mesh((2 * kGrid * kGrid), (kGrid + 1) * (kGrid + 1), true, false);
  for (int j = 0; j <= kGrid; ++j)
    for (int i = 0; i <= kGrid; ++i)
    {
      mesh->SetVertex(j * (kGrid + 1) + i,
                      ON_3fPoint(static_cast<float>(i), static_cast<float>(j), static_cast<float>((i * j) % 17)));
      mesh->m_N.Append(ON_3fVector(0, 0, 1));
    }
  int face = 0;
  for (int j = 0; j < kGrid; ++j)
    for (int i = 0; i < kGrid; ++i)
    {
      const int v = j * (kGrid + 1) + i;
      mesh->SetTriangle(face++, v, v + 1, v + kGrid + 2);
      mesh->SetTriangle(face++, v, v + kGrid + 2, v + kGrid + 1);
    }
  AddRecord(model, mesh);
  for (int k = 0; k < kPoints; ++k)
    AddRecord(model, new ON_Point(k * 0.5, (k * 7919) % 1000 * 0.25, (k % 97) * 0.1));
}

void BM_Write3dm(benchmark::State& state)
{
  ONX_Model model;
  MakeModel(model);
  for (auto _ : state)
    benchmark::DoNotOptimize(model.Write(FilePath().c_str(), 3));
  state.counters["bytes"] = 0;
  if (std::FILE* f = std::fopen(FilePath().c_str(), "rb"))
  {
    std::fseek(f, 0, SEEK_END);
    state.counters["bytes"] = static_cast<double>(std::ftell(f));
    std::fclose(f);
  }
}
BENCHMARK(BM_Write3dm)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Read3dm(benchmark::State& state)
{
  for (auto _ : state)
  {
    ONX_Model model;
    if (!model.Read(FilePath().c_str()))
      state.SkipWithError("the file written by BM_Write3dm does not read");
    benchmark::DoNotOptimize(model.m_object_table.Count());
  }
}
BENCHMARK(BM_Read3dm)->Unit(benchmark::kMillisecond)->Iterations(3);

// Time of File3dm.fromByteArray on the same file inside node (start-up and the file read excluded).
void BM_Rhino3dmRead(benchmark::State& state)
{
  const char* dir = std::getenv("RHINO3DM_DIR");
  const std::string package = std::string(dir ? dir : "../.deps/node") + "/node_modules/rhino3dm";
  if (access(package.c_str(), R_OK) != 0 || std::system("node --version >/dev/null 2>&1") != 0)
  {
    state.SkipWithError("node or the rhino3dm package is missing (scripts/setup.sh installs them)");
    return;
  }
  const std::string script =
      "const r=require(process.argv[1]);const fs=require('fs');r().then(m=>{const b=new "
      "Uint8Array(fs.readFileSync(process.argv[2]));const t=performance.now();const d=m.File3dm.fromByteArray(b);"
      "const n=d.objects().count;console.log((performance.now()-t)/1000,n);});";
  for (auto _ : state)
  {
    const std::string command = "node -e \"" + script + "\" '" + package + "' '" + FilePath() + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    double seconds = 0;
    int objects = 0;
    const bool read = pipe && std::fscanf(pipe, "%lf %d", &seconds, &objects) == 2;
    if (pipe)
      pclose(pipe);
    if (!read || objects != kPoints + 1)
    {
      state.SkipWithError("rhino3dm did not read the file");
      break;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(BM_Rhino3dmRead)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

void BM_RemoveFile(benchmark::State& state)
{
  for (auto _ : state)
    std::remove(FilePath().c_str());
}
BENCHMARK(BM_RemoveFile)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
