#pragma once

#include "opennurbs.h"

#include <algorithm>
#include <vector>

// Face and vertex access shared by QORMesh and QORMesh2d; not meant for other callers.
namespace QORMeshInternal
{

// The location of a mesh vertex; an unset point for an index that names no vertex.
inline ON_3dPoint VertexPoint(const ON_Mesh& mesh, int vi)
{
  return vi >= 0 && vi < mesh.VertexCount() ? ON_3dPoint(mesh.m_V[vi]) : ON_3dPoint::UnsetPoint;
}

// The corners of a face in order (the fourth repeats the third for a triangle): 3 for a
// triangle, 4 for a quad.
inline int Corners(const ON_Mesh& mesh, int face, ON_3dPoint corner[4])
{
  const ON_MeshFace& f = mesh.m_F[face];
  for (int k = 0; k < 4; k++)
    corner[k] = VertexPoint(mesh, f.vi[k]);
  return f.IsTriangle() ? 3 : 4;
}

// The triangles a face is tested as: (0, 1, 2), and (2, 3, 0) for a quad; returns their number.
inline int FaceTriangles(const ON_Mesh& mesh, int face, ON_3dPoint triangles[2][3])
{
  ON_3dPoint c[4];
  const int n = Corners(mesh, face, c);
  triangles[0][0] = c[0];
  triangles[0][1] = c[1];
  triangles[0][2] = c[2];
  triangles[1][0] = c[2];
  triangles[1][1] = c[3];
  triangles[1][2] = c[0];
  return n == 3 ? 1 : 2;
}

// A mesh without faces, with room for faceRoom of them, holding every vertex of the mesh (with
// its double-precision copy when the mesh keeps one).
inline ON_Mesh WithVertices(const ON_Mesh& mesh, int faceRoom)
{
  ON_Mesh result(std::max(faceRoom, 0), mesh.VertexCount(), false, false);
  result.m_V = mesh.m_V;
  if (mesh.HasDoublePrecisionVertices())
    result.m_dV = mesh.m_dV;
  return result;
}

// A new mesh holding every vertex and the faces kept (keep[fi] nonzero), in order.
inline ON_Mesh Rebuild(const ON_Mesh& mesh, const std::vector<char>& keep)
{
  const int kept = static_cast<int>(std::count_if(keep.begin(), keep.end(), [](char k) { return k != 0; }));
  ON_Mesh result = WithVertices(mesh, kept);
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    if (keep[fi])
      result.m_F.Append(mesh.m_F[fi]);
  }
  return result;
}

} // namespace QORMeshInternal
