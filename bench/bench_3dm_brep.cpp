// 3DM files with breps: the largest V2/V3 sample holding breps (v2_Soccer.3dm, 22 breps of the legacy
// form among meshes and curves) and a generated version 3 file of 10,000 box breps, read and written
// by the core, and read by rhino3dm (openNURBS in node) in the same run.
#include "BenchSupport.h"

#include "opennurbs.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace
{
const std::string kSample = NUBILO_SHARED_DATA "/3dm/V2/v2_Soccer.3dm";
const int kBreps = 10000;

std::string GeneratedFile() { return bench::BenchFile("breps.3dm"); }
std::string RewrittenFile() { return bench::BenchFile("rewritten.3dm"); }

// Boxes of varying size on a 100 x 100 grid.
void MakeBoxes(ONX_Model& model)
{
  model.m_layer_table.AppendNew().SetLayerName(L"Default");
  for (int k = 0; k < kBreps; ++k)
  {
    const double x = (k % 100) * 3.0, y = (k / 100) * 3.0, h = 1.0 + (k % 7) * 0.25;
    const ON_3dPoint corners[8] = {{x, y, 0}, {x + 2, y, 0}, {x + 2, y + 2, 0}, {x, y + 2, 0},
                                   {x, y, h}, {x + 2, y, h}, {x + 2, y + 2, h}, {x, y + 2, h}};
    ONX_Model_Object& record = model.m_object_table.AppendNew();
    record.m_object = ON_BrepBox(corners);
    record.m_bDeleteObject = true;
  }
}

int BrepCount(const ONX_Model& model)
{
  int count = 0;
  for (int i = 0; i < model.m_object_table.Count(); ++i)
    count += ON_Brep::Cast(model.m_object_table[i].m_object) ? 1 : 0;
  return count;
}

void ReadEachIteration(benchmark::State& state, const std::string& path, int breps)
{
  for (auto _ : state)
  {
    ONX_Model model;
    if (!model.Read(path.c_str()) || BrepCount(model) != breps)
      state.SkipWithError("the file does not read with its breps");
  }
}

void BM_ReadSample(benchmark::State& state) { ReadEachIteration(state, kSample, 22); }
BENCHMARK(BM_ReadSample)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_WriteSampleV3(benchmark::State& state)
{
  ONX_Model model;
  if (!model.Read(kSample.c_str()))
  {
    state.SkipWithError("the sample does not read");
    return;
  }
  for (auto _ : state)
    if (!model.Write(RewrittenFile().c_str(), 3))
      state.SkipWithError("the sample does not write");
  state.counters["bytes"] = static_cast<double>(bench::FileSize(RewrittenFile()));
}
BENCHMARK(BM_WriteSampleV3)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_WriteGenerated(benchmark::State& state)
{
  ONX_Model model;
  MakeBoxes(model);
  for (auto _ : state)
    if (!model.Write(GeneratedFile().c_str(), 3))
      state.SkipWithError("the generated model does not write");
  state.counters["bytes"] = static_cast<double>(bench::FileSize(GeneratedFile()));
}
BENCHMARK(BM_WriteGenerated)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReadGenerated(benchmark::State& state) { ReadEachIteration(state, GeneratedFile(), kBreps); }
BENCHMARK(BM_ReadGenerated)->Unit(benchmark::kMillisecond)->Iterations(3);

// Time of File3dm.fromByteArray inside node (start-up and the file read excluded), checked by the
// number of breps it finds.
void Rhino3dmReads(benchmark::State& state, const std::string& path, int breps)
{
  const char* dir = std::getenv("RHINO3DM_DIR");
  const std::string package = std::string(dir ? dir : "../.deps/node") + "/node_modules/rhino3dm";
  if (access(package.c_str(), R_OK) != 0 || !bench::OnPath("node"))
  {
    state.SkipWithError("node or the rhino3dm package is missing (scripts/setup.sh installs them)");
    return;
  }
  const std::string script =
      "const r=require(process.argv[1]);const fs=require('fs');r().then(m=>{const b=new "
      "Uint8Array(fs.readFileSync(process.argv[2]));const t=performance.now();const d=m.File3dm.fromByteArray(b);"
      "const o=d.objects();let n=0;for(let i=0;i<o.count;i++)if(o.get(i).geometry().constructor.name==='Brep')n++;"
      "const s=(performance.now()-t)/1000;console.log(s,n);});";
  for (auto _ : state)
  {
    const std::string command = "node -e \"" + script + "\" '" + package + "' '" + path + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    double seconds = 0;
    int found = 0;
    const bool read = pipe && std::fscanf(pipe, "%lf %d", &seconds, &found) == 2;
    if (pipe)
      pclose(pipe);
    if (!read || found != breps)
    {
      state.SkipWithError("rhino3dm did not read the breps");
      break;
    }
    state.SetIterationTime(seconds);
  }
}

void BM_Rhino3dmReadSample(benchmark::State& state) { Rhino3dmReads(state, kSample, 22); }
BENCHMARK(BM_Rhino3dmReadSample)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

void BM_Rhino3dmReadGenerated(benchmark::State& state) { Rhino3dmReads(state, GeneratedFile(), kBreps); }
BENCHMARK(BM_Rhino3dmReadGenerated)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
} // namespace

BENCHMARK_MAIN();
