#include "CHostMeshCommand.h"
#include "QORMesh.h"

#include <memory>
#include <vector>

// MeshFaceUp: every face whose normal points down is reversed, as terrain wants it.
class CHostCommandMeshFaceUp : public CHostMeshCommand
{
public:
  CHostCommandMeshFaceUp()
      : CHostMeshCommand(L"MeshFaceUp", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x26}},
                         "MeshFaceUp       turn every face of meshes to point up (+z)")
  {
  }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    CRhinoGetObject get;
    result status = success;
    if (!PickMeshes(get, status))
      return status;

    std::vector<std::unique_ptr<ON_Mesh>> results; // null where no face turned
    int turned = 0;
    for (int i = 0; i < get.ObjectCount(); ++i)
    {
      auto mesh = std::make_unique<ON_Mesh>(PickedMesh(get, i));
      int flipped = 0;
      if (!QORMesh::FaceUpwards(*mesh, flipped))
        return Fail(QORMesh::GetError());
      if (Interrupted(status))
        return status;
      turned += flipped;
      results.push_back(flipped > 0 ? std::move(mesh) : nullptr);
    }
    for (int i = 0; i < get.ObjectCount(); ++i)
      if (results[i])
        context.m_doc.ReplaceObject(get.Object(i), std::move(results[i]));
    context.m_doc.Redraw();
    RhinoApp().Print("Turned %s up in %s\n", Count(turned, "face", "faces").c_str(),
                     Count(get.ObjectCount(), "mesh", "meshes").c_str());
    return success;
  }
};

static CHostCommandMeshFaceUp theMeshFaceUpCommand;
