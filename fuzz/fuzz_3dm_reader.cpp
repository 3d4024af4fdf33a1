// The 3DM model reader on arbitrary bytes; a model that reads is written back as version 2 and 3
// and must read again with the same objects.
#include "opennurbs.h"

#include <cstddef>
#include <cstdint>

namespace
{
bool ReadModel(const unsigned char* data, size_t size, ONX_Model& model)
{
  ON_BinaryArchive archive(ON_BinaryArchive::Mode::read3dm);
  archive.SetBuffer(data, size);
  return model.Read(archive);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  ONX_Model model;
  if (!ReadModel(data, size, model))
    return 0;
  for (int version : {2, 3})
  {
    ON_BinaryArchive archive(ON_BinaryArchive::Mode::write3dm);
    if (!model.Write(archive, version))
      continue; // objects without a form for the version
    ONX_Model again;
    if (!ReadModel(archive.Buffer().data(), archive.Buffer().size(), again))
      __builtin_trap();
    if (version == 3 && again.m_object_table.Count() != model.m_object_table.Count())
      __builtin_trap();
  }
  return 0;
}
