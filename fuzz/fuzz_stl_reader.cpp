// Both STL readers on arbitrary bytes: text, binary, truncated and hostile files.
#include "FuzzInput.h"
#include "QORSTL.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const ON_wString path = FuzzInput::File(data, size);
  ON_ClassArray<ON_Mesh> meshes;
  if (QORSTL::STLToMesh(path, meshes) != 1)
    __builtin_trap(); // a readable file always reads
  for (int i = 0; i < meshes.Count(); i++)
    if (!meshes[i].IsValid())
      __builtin_trap();
  ON_Mesh mesh;
  QORSTL::STLToMesh(path, mesh);
  return 0;
}
