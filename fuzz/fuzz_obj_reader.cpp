// Both OBJ readers (one mesh, one mesh per group) on arbitrary bytes.
#include "FuzzInput.h"
#include "QOROBJ.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const ON_wString path = FuzzInput::File(data, size);
  ON_Mesh mesh;
  if (QOROBJ::OBJToMesh(path, mesh) && !mesh.IsValid())
    __builtin_trap();
  ON_ClassArray<ON_Mesh> meshes;
  if (QOROBJ::OBJToMesh(path, meshes) != 1)
    __builtin_trap(); // a readable file always reads
  for (int i = 0; i < meshes.Count(); i++)
    if (!meshes[i].IsValid())
      __builtin_trap();
  return 0;
}
