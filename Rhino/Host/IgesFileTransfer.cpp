#include "IgesFileTransfer.h"

#include "DocumentFile.h"
#include "QORIGES.h"

bool IgesFileTransfer::Read(CRhinoDoc& doc, const std::string& path, std::string& message)
{
  ONX_Model model;
  if (!QORIGES::IGESToModel(ON_wString(path.c_str()), model))
  {
    message = static_cast<const char*>(ON_String(QORIGES::GetError()));
    return false;
  }
  DocumentFile::Current().ImportModel(doc, model, path, "entity", message);
  return true;
}
