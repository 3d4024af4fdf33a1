#include "CHostMeshCommand.h"
#include "QORMesh.h"

#include <memory>
#include <vector>

// MeshBoundary: each mesh's boundary loops as closed polylines, the outer loop first.
class CHostCommandMeshBoundary : public CHostMeshCommand
{
public:
  CHostCommandMeshBoundary()
      : CHostMeshCommand(L"MeshBoundary", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x21}},
                         "MeshBoundary     add the meshes' boundary loops as closed polylines")
  {
  }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    CRhinoGetObject get;
    result status = success;
    if (!PickMeshes(get, status))
      return status;

    // A mesh without boundary edges adds nothing; the command fails only when none has any.
    std::vector<ON_ClassArray<ON_Polyline>> loops;
    ON_wString noBoundary;
    int meshes = 0, count = 0;
    for (int i = 0; i < get.ObjectCount(); ++i)
    {
      const ON_Mesh& mesh = PickedMesh(get, i);
      ON_ClassArray<ON_Polyline> found;
      int outer = -1;
      if (!QORMesh::GetBoundaryPolylines(mesh, found, outer, 1))
      {
        if (QORMesh::GetBoundaryEdgeCount(mesh) != 0)
          return Fail(QORMesh::GetError());
        noBoundary = QORMesh::GetError();
        continue;
      }
      if (Interrupted(status))
        return status;
      if (outer > 0)
      {
        const ON_Polyline first = found[outer];
        found.Remove(outer);
        found.Insert(0, first);
      }
      count += found.Count();
      ++meshes;
      loops.push_back(std::move(found));
    }
    if (count == 0)
      return Fail(noBoundary);

    for (const ON_ClassArray<ON_Polyline>& mesh : loops)
      for (int i = 0; i < mesh.Count(); ++i)
        context.m_doc.AddObject(std::make_unique<ON_PolylineCurve>(mesh[i]));
    context.m_doc.Redraw();
    RhinoApp().Print("Added %s from %s\n", Count(count, "boundary polyline", "boundary polylines").c_str(),
                     Count(meshes, "mesh", "meshes").c_str());
    return success;
  }
};

static CHostCommandMeshBoundary theMeshBoundaryCommand;
