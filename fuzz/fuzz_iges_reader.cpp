// The IGES conversion on arbitrary bytes: truncated, malformed and hostile files must fail or
// convert, never crash, hang or allocate without bound.
#include "FuzzInput.h"
#include "QORIGES.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const ON_wString path = FuzzInput::File(data, size);
  ONX_Model model;
  if (QORIGES::IGESToModel(path, model) == 0 && QORIGES::GetError().IsEmpty())
    __builtin_trap(); // a failure always says why
  for (int i = 0; i < model.m_object_table.Count(); i++)
  {
    const ON_Object* object = model.m_object_table[i].m_object;
    if (!object || !object->IsValid())
      __builtin_trap();
  }
  return 0;
}
