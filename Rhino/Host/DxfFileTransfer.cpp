#include "DxfFileTransfer.h"

#include "QORDXF.h"

bool DxfFileTransfer::Write(const std::vector<const CRhinoObject*>& objects, const std::string& path,
                            std::string& message)
{
  ON_SimpleArray<const ON_Geometry*> geometry;
  geometry.Reserve(static_cast<int>(objects.size()));
  for (const CRhinoObject* object : objects)
    geometry.Append(object->Geometry());
  int skipped = 0;
  if (!QORDXF::ObjectsToDXF(geometry, ON_wString(path.c_str()), skipped))
  {
    message = static_cast<const char*>(ON_String(QORDXF::GetError()));
    return false;
  }
  const int written = geometry.Count() - skipped;
  message = "Exported " + std::to_string(written) + " object" + (written == 1 ? "" : "s") + " to " + path;
  if (skipped > 0)
    message += " (skipped " + std::to_string(skipped) + " that DXF cannot hold: surfaces and others)";
  return true;
}
