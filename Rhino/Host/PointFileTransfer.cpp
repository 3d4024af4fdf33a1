#include "PointFileTransfer.h"

#include "QORTXT.h"

bool PointFileTransfer::WriteSpaced(const std::vector<const CRhinoObject*>& objects, const std::string& path,
                                    std::string& message)
{
  return Write(objects, path, " ", message);
}

bool PointFileTransfer::WriteCommaSeparated(const std::vector<const CRhinoObject*>& objects, const std::string& path,
                                            std::string& message)
{
  return Write(objects, path, ",", message);
}

bool PointFileTransfer::Write(const std::vector<const CRhinoObject*>& objects, const std::string& path,
                              const char* delimiter, std::string& message)
{
  // Points, then the vertices of meshes: their doubles when they have them, so nothing is rounded.
  ON_3dPointArray points;
  for (const CRhinoObject* object : objects)
    if (const ON_Point* point = ON_Point::Cast(object->Geometry()))
      points.Append(point->point);
  const int pointCount = points.Count();
  for (const CRhinoObject* object : objects)
    if (const ON_Mesh* mesh = ON_Mesh::Cast(object->Geometry()))
      for (int i = 0; i < mesh->VertexCount(); ++i)
        points.Append(mesh->Vertex(i));
  if (points.Count() == 0)
  {
    message = "No points to export";
    return false;
  }
  if (!QORTXT::Write(points, ON_wString(path.c_str()), delimiter))
  {
    message = static_cast<const char*>(ON_String(QORTXT::GetError()));
    return false;
  }
  const int vertexCount = points.Count() - pointCount;
  message = "Exported " + std::to_string(pointCount) + " points" +
            (vertexCount > 0 ? " and " + std::to_string(vertexCount) + " mesh vertices" : std::string()) + " to " +
            path;
  return true;
}
