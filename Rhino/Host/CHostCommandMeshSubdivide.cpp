#include "CHostMeshCommand.h"
#include "QORMesh.h"

#include <memory>
#include <vector>

// MeshSubdivide: every face split into four at its sides' midpoints.
class CHostCommandMeshSubdivide : public CHostMeshCommand
{
public:
  CHostCommandMeshSubdivide()
      : CHostMeshCommand(L"MeshSubdivide", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x23}},
                         "MeshSubdivide    split every face of meshes into four")
  {
  }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    CRhinoGetObject get;
    result status = success;
    if (!PickMeshes(get, status))
      return status;

    std::vector<std::unique_ptr<ON_Mesh>> results;
    int faces = 0;
    for (int i = 0; i < get.ObjectCount(); ++i)
    {
      auto mesh = std::make_unique<ON_Mesh>(PickedMesh(get, i));
      if (!QORMesh::SubDivide(*mesh))
        return Fail(QORMesh::GetError());
      if (Interrupted(status))
        return status;
      faces += mesh->FaceCount();
      results.push_back(std::move(mesh));
    }
    for (int i = 0; i < get.ObjectCount(); ++i)
      context.m_doc.ReplaceObject(get.Object(i), std::move(results[i]));
    context.m_doc.Redraw();
    RhinoApp().Print("Subdivided %s into %s\n", Count(get.ObjectCount(), "mesh", "meshes").c_str(),
                     Count(faces, "face", "faces").c_str());
    return success;
  }
};

static CHostCommandMeshSubdivide theMeshSubdivideCommand;
