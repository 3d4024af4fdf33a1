#include "CHostMeshCommand.h"
#include "QORMesh.h"

#include <memory>
#include <vector>

// MeshTriangulate: every quad split into two triangles.
class CHostCommandMeshTriangulate : public CHostMeshCommand
{
public:
  CHostCommandMeshTriangulate()
      : CHostMeshCommand(L"MeshTriangulate", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x25}},
                         "MeshTriangulate  split the quads of meshes into triangles")
  {
  }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    CRhinoGetObject get;
    result status = success;
    if (!PickMeshes(get, status))
      return status;

    std::vector<std::unique_ptr<ON_Mesh>> results; // null where a mesh has no quads
    int quads = 0;
    for (int i = 0; i < get.ObjectCount(); ++i)
    {
      auto mesh = std::make_unique<ON_Mesh>(PickedMesh(get, i));
      int broken = 0;
      if (!QORMesh::BreakQuads(*mesh, 2, &broken))
        return Fail(QORMesh::GetError());
      if (Interrupted(status))
        return status;
      quads += broken;
      results.push_back(broken > 0 ? std::move(mesh) : nullptr);
    }
    for (int i = 0; i < get.ObjectCount(); ++i)
      if (results[i])
        context.m_doc.ReplaceObject(get.Object(i), std::move(results[i]));
    context.m_doc.Redraw();
    RhinoApp().Print("Split %s into triangles in %s\n", Count(quads, "quad", "quads").c_str(),
                     Count(get.ObjectCount(), "mesh", "meshes").c_str());
    return success;
  }
};

static CHostCommandMeshTriangulate theMeshTriangulateCommand;
