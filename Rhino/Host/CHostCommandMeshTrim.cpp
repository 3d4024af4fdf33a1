#include "CHostMeshCommand.h"
#include "QORMesh.h"
#include "QORPolyline.h"

#include <memory>
#include <vector>

// MeshTrim: the faces of meshes whose centres lie inside a closed polyline, seen from above, are
// deleted; a mesh left without faces goes.
class CHostCommandMeshTrim : public CHostMeshCommand
{
public:
  CHostCommandMeshTrim()
      : CHostMeshCommand(L"MeshTrim", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x27}},
                         "MeshTrim         delete the faces of meshes inside a closed polyline, seen from above")
  {
  }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    CRhinoGetObject get;
    result status = success;
    if (!PickMeshes(get, status))
      return status;
    ON_Polyline fence;
    if (!PickFence(fence, status))
      return status;

    std::vector<std::unique_ptr<ON_Mesh>> results; // null where no face went
    int deleted = 0;
    for (int i = 0; i < get.ObjectCount(); ++i)
    {
      auto mesh = std::make_unique<ON_Mesh>(PickedMesh(get, i));
      const int before = mesh->FaceCount();
      if (!QORMesh::DeleteFacesWithPolygon(*mesh, fence, 0))
        return Fail(QORMesh::GetError());
      if (Interrupted(status))
        return status;
      deleted += before - mesh->FaceCount();
      results.push_back(mesh->FaceCount() < before ? std::move(mesh) : nullptr);
    }
    for (int i = 0; i < get.ObjectCount(); ++i)
    {
      if (!results[i])
        continue;
      if (results[i]->FaceCount() == 0)
        context.m_doc.DeleteObject(get.Object(i));
      else
        context.m_doc.ReplaceObject(get.Object(i), std::move(results[i]));
    }
    context.m_doc.Redraw();
    RhinoApp().Print("Deleted %s from %s\n", Count(deleted, "face", "faces").c_str(),
                     Count(get.ObjectCount(), "mesh", "meshes").c_str());
    return success;
  }

private:
  // One closed polyline (a polyline curve, or a curve of degree 1).
  static bool PickFence(ON_Polyline& fence, result& status)
  {
    CRhinoGetObject get;
    get.SetCommandPrompt(L"Select a closed polyline");
    get.SetGeometryFilter(CRhinoGetObject::curve_object);
    const CRhinoGet::result answer = get.GetObjects(1, 1);
    if (answer == CRhinoGet::cancel)
    {
      RhinoApp().Print("Failure [Command cancelled]\n");
      status = cancel;
      return false;
    }
    if (answer != CRhinoGet::object)
    {
      status = Fail(L"No polyline selected");
      return false;
    }
    if (!QORPolyline::GetPolylineFromCurve(ON_Curve::Cast(get.Object(0).Geometry()), fence))
    {
      status = Fail(L"Curve is not a polyline");
      return false;
    }
    if (!fence.IsClosed(0))
    {
      status = Fail(L"Polyline is not closed");
      return false;
    }
    return true;
  }
};

static CHostCommandMeshTrim theMeshTrimCommand;
