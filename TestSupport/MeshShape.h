#pragma once

// The surface checks of SurfaceShape.h on meshes, and the sample shapes as point arrays.

#include "SurfaceShape.h"
#include "opennurbs.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

namespace test_support
{

// x, y, z triples (as the sample shapes give them) moved by `offset`.
inline ON_3dPointArray ToPointArray(const std::vector<double>& xyz, const ON_3dVector& offset = ON_3dVector(0, 0, 0))
{
  ON_3dPointArray points;
  for (size_t i = 0; i + 2 < xyz.size(); i += 3)
    points.Append(ON_3dPoint(xyz[i], xyz[i + 1], xyz[i + 2]) + offset);
  return points;
}

inline std::vector<int> FaceCorners(const ON_MeshFace& face)
{
  std::vector<int> corners(face.vi, face.vi + 4);
  if (face.vi[2] == face.vi[3])
    corners.pop_back();
  return corners;
}

// The mesh's faces over its vertex numbers.
inline SurfaceShape AnalyseMesh(const ON_Mesh& mesh)
{
  std::vector<std::vector<int>> polygons;
  for (int f = 0; f < mesh.FaceCount(); ++f)
    polygons.push_back(FaceCorners(mesh.m_F[f]));
  return AnalyseSurface(polygons,
                        [&mesh](int v) {
                          return std::array<double, 3>{mesh.m_V[v].x, mesh.m_V[v].y, mesh.m_V[v].z};
                        });
}

// The mesh as a file stores it: vertices are single-precision positions, and vertices at one
// position are one vertex (as STL and the toolkit's topology have them); faces with two corners at
// one position drop out.
struct StoredMeshShape : SurfaceShape
{
  int sharedPositions = 0; // vertices at the position of another
  int collapsedFaces = 0;  // faces with two corners at one position
};

inline StoredMeshShape AnalyseMeshAsStored(const ON_Mesh& mesh)
{
  // Position numbers: vertices sorted by their floats (-0 as +0), equal ones numbered alike.
  const int vertexCount = mesh.VertexCount();
  auto key = [&mesh](int v)
  {
    const ON_3fPoint& p = mesh.m_V[v];
    return std::make_tuple(p.x + 0.0f, p.y + 0.0f, p.z + 0.0f);
  };
  std::vector<int> order(static_cast<size_t>(vertexCount));
  for (int v = 0; v < vertexCount; ++v)
    order[v] = v;
  std::sort(order.begin(), order.end(), [&key](int a, int b) { return key(a) < key(b); });
  std::vector<int> at(static_cast<size_t>(vertexCount));
  std::vector<int> vertexAt; // a vertex of each position
  for (size_t i = 0; i < order.size(); ++i)
  {
    if (i == 0 || key(order[i]) != key(order[i - 1]))
      vertexAt.push_back(order[i]);
    at[order[i]] = static_cast<int>(vertexAt.size()) - 1;
  }

  StoredMeshShape shape;
  shape.sharedPositions = vertexCount - static_cast<int>(vertexAt.size());
  std::vector<std::vector<int>> polygons;
  for (int f = 0; f < mesh.FaceCount(); ++f)
  {
    std::vector<int> corners = FaceCorners(mesh.m_F[f]);
    for (int& v : corners)
      v = at[v];
    if (std::set<int>(corners.begin(), corners.end()).size() != corners.size())
      ++shape.collapsedFaces;
    else
      polygons.push_back(corners);
  }
  static_cast<SurfaceShape&>(shape) = AnalyseSurface(polygons,
                                                     [&](int p)
                                                     {
                                                       const ON_3fPoint& v = mesh.m_V[vertexAt[p]];
                                                       return std::array<double, 3>{v.x, v.y, v.z};
                                                     });
  return shape;
}

} // namespace test_support
