#pragma once

#include "opennurbs.h"

#include <initializer_list>
#include <vector>

// A mesh from vertex coordinates and faces given as four corner indices (a triangle repeats its
// third corner).
inline ON_Mesh MakeMesh(std::initializer_list<ON_3fPoint> vertices, std::initializer_list<std::vector<int>> faces)
{
  ON_Mesh mesh;
  for (const ON_3fPoint& v : vertices)
    mesh.m_V.Append(v);
  for (const std::vector<int>& f : faces)
    mesh.m_F.Append(ON_MeshFace{{f[0], f[1], f[2], f.size() > 3 ? f[3] : f[2]}});
  return mesh;
}

inline std::vector<int> Corners(const ON_MeshFace& face) { return {face.vi[0], face.vi[1], face.vi[2], face.vi[3]}; }
