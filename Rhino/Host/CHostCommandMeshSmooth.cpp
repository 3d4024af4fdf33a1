#include "CHostMeshCommand.h"
#include "QORMesh.h"

#include <memory>
#include <vector>

namespace
{

// Each pass moves a vertex to the mean of itself and its neighbours.
const double kFactor = 1.0;
const int kMaxIterations = 1000;

// Mesh vertices on an edge of one face.
std::vector<char> BoundaryVertices(const ON_Mesh& mesh)
{
  const ON_MeshTopology& top = mesh.Topology();
  std::vector<char> boundary(mesh.VertexCount(), 0);
  for (int ei = 0; ei < top.TopEdgeCount(); ++ei)
  {
    const ON_MeshTopologyEdge& edge = top.m_tope[ei];
    if (edge.m_topf_count != 1)
      continue;
    for (int topvi : edge.m_topvi)
    {
      const ON_MeshTopologyVertex& topv = top.m_topv[topvi];
      for (int j = 0; j < topv.m_v_count; ++j)
        boundary[topv.m_vi[j]] = 1;
    }
  }
  return boundary;
}

} // namespace

// MeshSmooth [Iterations=N]: Laplacian smoothing of the vertices inside, the boundary kept.
class CHostCommandMeshSmooth : public CHostMeshCommand
{
public:
  CHostCommandMeshSmooth()
      : CHostMeshCommand(L"MeshSmooth", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x24}},
                         "MeshSmooth       smooth meshes, their boundaries kept [Iterations=N, 1 to 1000]")
  {
  }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    CRhinoGetObject get;
    result status = success;
    int iterations = 1;
    if (!PickMeshes(get, status,
                    [&](CRhinoGetObject& g) {
                      g.AddCommandOptionInteger(RHCMDOPTNAME(L"Iterations"), &iterations, nullptr, 1, kMaxIterations);
                    }))
      return status;

    std::vector<std::unique_ptr<ON_Mesh>> results;
    int moved = 0;
    for (int i = 0; i < get.ObjectCount(); ++i)
    {
      auto mesh = std::make_unique<ON_Mesh>(PickedMesh(get, i));
      QORMesh::Clean(*mesh); // vertex numbers then hold through each pass
      const std::vector<char> boundary = BoundaryVertices(*mesh);
      const ON_3fPointArray kept = mesh->m_V;
      for (int pass = 0; pass < iterations; ++pass)
      {
        if (!QORMesh::Smooth(*mesh, kFactor))
          return Fail(QORMesh::GetError());
        if (mesh->VertexCount() != kept.Count())
          return Fail(L"Smoothing collapsed faces: the boundary cannot be kept");
        for (int vi = 0; vi < kept.Count(); ++vi)
          if (boundary[vi])
            mesh->m_V[vi] = kept[vi];
        mesh->DestroyRuntimeCache(true);
        if (Interrupted(status))
          return status;
      }
      const ON_MeshTopology& top = mesh->Topology();
      for (int v = 0; v < top.TopVertexCount(); ++v)
        if (!boundary[top.m_topv[v].m_vi[0]])
          ++moved;
      results.push_back(std::move(mesh));
    }
    for (int i = 0; i < get.ObjectCount(); ++i)
      context.m_doc.ReplaceObject(get.Object(i), std::move(results[i]));
    context.m_doc.Redraw();
    RhinoApp().Print("Smoothed %s of %s, %s\n", Count(moved, "vertex", "vertices").c_str(),
                     Count(get.ObjectCount(), "mesh", "meshes").c_str(),
                     Count(iterations, "iteration", "iterations").c_str());
    return success;
  }
};

static CHostCommandMeshSmooth theMeshSmoothCommand;
