// IGES import: the largest shared IGES file (SOT404.igs, 1165 entities: trimmed surfaces, composite
// curves, splines) converted by QORIGES::IGESToModel and, in the same run when OpenCASCADE is
// installed, read and transferred by its IGESControl_Reader.
#include "QORIGES.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#ifdef NUBILO_BENCH_OPENCASCADE
#include <IGESControl_Reader.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#endif

namespace
{

const std::string kFile = std::string(NUBILO_SHARED_DATA) + "/iges/SOT404.igs";

bool HaveFile() { return std::ifstream(kFile).good(); }

void BM_IGESToModel(benchmark::State& state)
{
  if (!HaveFile())
  {
    state.SkipWithError("shared test data not found");
    return;
  }
  const ON_wString path(kFile.c_str());
  for (auto _ : state)
  {
    ONX_Model model;
    if (!QORIGES::IGESToModel(path, model) || model.m_object_table.Count() == 0)
      state.SkipWithError("conversion failed");
  }
}
BENCHMARK(BM_IGESToModel)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

#ifdef NUBILO_BENCH_OPENCASCADE
// The reference: OpenCASCADE's read and transfer of the same file.
void BM_OpenCascadeReadAndTransfer(benchmark::State& state)
{
  if (!HaveFile())
  {
    state.SkipWithError("shared test data not found");
    return;
  }
  Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
  for (auto _ : state)
  {
    IGESControl_Reader reader;
    if (reader.ReadFile(kFile.c_str()) != IFSelect_RetDone || reader.TransferRoots() == 0)
      state.SkipWithError("OpenCASCADE could not read the file");
  }
}
BENCHMARK(BM_OpenCascadeReadAndTransfer)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
#endif

} // namespace

BENCHMARK_MAIN();
