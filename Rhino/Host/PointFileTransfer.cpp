#include "PointFileTransfer.h"

#include "QORTXT.h"

bool PointFileTransfer::WriteSpaced(const std::vector<const CRhinoObject*>& objects,
                                    const std::string& path, std::string& message) {
  return Write(objects, path, " ", message);
}

bool PointFileTransfer::WriteCommaSeparated(const std::vector<const CRhinoObject*>& objects,
                                            const std::string& path, std::string& message) {
  return Write(objects, path, ",", message);
}

bool PointFileTransfer::Write(const std::vector<const CRhinoObject*>& objects,
                              const std::string& path, const char* delimiter,
                              std::string& message) {
  ON_3dPointArray points;
  for (const CRhinoObject* object : objects)
    if (const ON_Point* point = ON_Point::Cast(object->Geometry())) points.Append(point->point);
  if (points.Count() == 0) {
    message = "No points to export";
    return false;
  }
  if (!QORTXT::Write(points, ON_wString(path.c_str()), delimiter)) {
    message = static_cast<const char*>(ON_String(QORTXT::GetError()));
    return false;
  }
  message = "Exported " + std::to_string(points.Count()) + " points to " + path;
  return true;
}
