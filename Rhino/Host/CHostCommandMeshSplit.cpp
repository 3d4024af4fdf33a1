#include "CHostMeshCommand.h"
#include "QORMesh.h"

#include <memory>
#include <vector>

// MeshSplit: each mesh replaced by its edge-connected parts, which keep its attributes.
class CHostCommandMeshSplit : public CHostMeshCommand
{
public:
  CHostCommandMeshSplit()
      : CHostMeshCommand(L"MeshSplit", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x22}},
                         "MeshSplit        replace meshes by their edge-connected parts")
  {
  }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    CRhinoGetObject get;
    result status = success;
    if (!PickMeshes(get, status))
      return status;

    std::vector<ON_ClassArray<ON_Mesh>> parts(get.ObjectCount());
    int count = 0;
    for (int i = 0; i < get.ObjectCount(); ++i)
    {
      if (!QORMesh::ExtractShells(PickedMesh(get, i), parts[i]))
        return Fail(QORMesh::GetError());
      if (Interrupted(status))
        return status;
      count += parts[i].Count();
    }

    CRhinoDoc& doc = context.m_doc;
    for (int i = 0; i < get.ObjectCount(); ++i)
    {
      ON_3dmObjectAttributes attributes = get.Object(i).Object()->Attributes();
      attributes.m_uuid = ON_nil_uuid;
      for (int p = 0; p < parts[i].Count(); ++p)
        doc.AddObject(std::make_unique<ON_Mesh>(std::move(parts[i][p])))->SetAttributes(attributes);
      doc.DeleteObject(get.Object(i));
    }
    doc.Redraw();
    RhinoApp().Print("Split %s into %s\n", Count(get.ObjectCount(), "mesh", "meshes").c_str(),
                     Count(count, "part", "parts").c_str());
    return success;
  }
};

static CHostCommandMeshSplit theMeshSplitCommand;
