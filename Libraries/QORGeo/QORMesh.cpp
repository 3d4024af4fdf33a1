#include "QORMesh.h"

#include <utility>

ON_wString QORMesh::s_error;

ON_wString QORMesh::GetError()
{
  return s_error;
}

void QORMesh::SetError(const ON_wString& text)
{
  s_error = text;
}

void QORMesh::Clean(ON_Mesh& mesh)
{
  mesh.DestroyTopology();
  mesh.DestroyPartition();
  mesh.DestroyRuntimeCache(true);
  mesh.InvalidateBoundingBoxes();
  mesh.Compact();
}

int QORMesh::AddTriangle(ON_Mesh& mesh, const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c)
{
  ON_Mesh face(1, 3, false, false);
  face.SetVertex(0, a);
  face.SetVertex(1, b);
  face.SetVertex(2, c);
  face.SetTriangle(0, 0, 1, 2);
  return AppendIfValid(mesh, face);
}

int QORMesh::AddQuad(ON_Mesh& mesh, const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c,
                     const ON_3dPoint& d)
{
  ON_Mesh face(1, 4, false, false);
  face.SetVertex(0, a);
  face.SetVertex(1, b);
  face.SetVertex(2, c);
  face.SetVertex(3, d);
  face.SetQuad(0, 0, 1, 2, 3);
  return AppendIfValid(mesh, face);
}

int QORMesh::AddFace(ON_Mesh& mesh, const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c,
                     const ON_3dPoint& d)
{
  if (d.IsValid())
    return AddQuad(mesh, a, b, c, d);
  return AddTriangle(mesh, a, b, c);
}

int QORMesh::AppendIfValid(ON_Mesh& mesh, ON_Mesh& face)
{
  Clean(face);
  if (!face.Topology().IsValid())
    return 0;
  mesh.Append(face);
  return 1;
}

void QORMesh::Combine(const ON_ClassArray<ON_Mesh>& meshes, ON_Mesh& mesh)
{
  for (int i = 0; i < meshes.Count(); i++)
    mesh.Append(meshes[i]);
}

int QORMesh::ExtractShells(const ON_Mesh& mesh, ON_ClassArray<ON_Mesh>& meshes)
{
  ON_Mesh shell(mesh); // the mesh may be an element of the list
  meshes.Empty();
  meshes.AppendNew() = std::move(shell);
  return 1;
}
