#pragma once

// Small meshes, readers of the shared STL and OBJ samples, and counts computed from vertex
// locations alone (not through the mesh topology) for the mesh operation tests.

#include "opennurbs.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <map>
#include <numeric>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace meshtest
{

// rows x columns unit quads in the plane z = height, sharing their vertices; quad (r, c) is face
// r * columns + c with corners counter-clockwise seen from above.
inline ON_Mesh Grid(int rows, int columns, double height = 0.0)
{
  ON_Mesh mesh;
  for (int r = 0; r <= rows; r++)
    for (int c = 0; c <= columns; c++)
      mesh.m_V.Append(ON_3fPoint(static_cast<float>(c), static_cast<float>(r), static_cast<float>(height)));
  for (int r = 0; r < rows; r++)
    for (int c = 0; c < columns; c++)
    {
      const int a = r * (columns + 1) + c;
      mesh.m_F.Append(ON_MeshFace{{a, a + 1, a + columns + 2, a + columns + 1}});
    }
  return mesh;
}

// The same grid without the quads whose row and column both lie in [first, last].
inline ON_Mesh GridWithHole(int rows, int columns, int first, int last)
{
  ON_Mesh grid = Grid(rows, columns);
  ON_Mesh mesh;
  mesh.m_V = grid.m_V;
  for (int r = 0; r < rows; r++)
    for (int c = 0; c < columns; c++)
      if (r < first || r > last || c < first || c > last)
        mesh.m_F.Append(grid.m_F[r * columns + c]);
  return mesh;
}

// Every quad of a grid as the triangles (0, 1, 2) and (2, 3, 0).
inline ON_Mesh Triangulated(const ON_Mesh& quads)
{
  ON_Mesh mesh;
  mesh.m_V = quads.m_V;
  for (int fi = 0; fi < quads.FaceCount(); fi++)
  {
    const int* v = quads.m_F[fi].vi;
    mesh.m_F.Append(ON_MeshFace{{v[0], v[1], v[2], v[2]}});
    mesh.m_F.Append(ON_MeshFace{{v[2], v[3], v[0], v[0]}});
  }
  return mesh;
}

// The unit cube as six outward quads.
inline ON_Mesh Box()
{
  ON_Mesh mesh;
  for (int i = 0; i < 8; i++)
    mesh.m_V.Append(
        ON_3fPoint(static_cast<float>(i & 1), static_cast<float>((i >> 1) & 1), static_cast<float>(i >> 2)));
  const int faces[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
  for (const auto& f : faces)
    mesh.m_F.Append(ON_MeshFace{{f[0], f[1], f[2], f[3]}});
  return mesh;
}

// Signed plan area of the faces, counter-clockwise positive.
inline double PlanArea(const ON_Mesh& mesh)
{
  double area = 0.0;
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    const ON_MeshFace& f = mesh.m_F[fi];
    const int n = f.IsTriangle() ? 3 : 4;
    for (int k = 0; k < n; k++)
    {
      const ON_3fPoint& p = mesh.m_V[f.vi[k]];
      const ON_3fPoint& q = mesh.m_V[f.vi[(k + 1) % n]];
      area += 0.5 * (static_cast<double>(p.x) * q.y - static_cast<double>(q.x) * p.y);
    }
  }
  return area;
}

using Location = std::array<float, 3>;

inline Location At(const ON_Mesh& mesh, int vi) { return {mesh.m_V[vi].x, mesh.m_V[vi].y, mesh.m_V[vi].z}; }

// The sides of every face between corners at different locations, as location pairs.
template <class Visit>
void ForEachSide(const ON_Mesh& mesh, Visit visit)
{
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    const ON_MeshFace& f = mesh.m_F[fi];
    const int n = f.vi[2] == f.vi[3] ? 3 : 4;
    for (int k = 0; k < n; k++)
    {
      const Location a = At(mesh, f.vi[k]), b = At(mesh, f.vi[(k + 1) % n]);
      if (a != b)
        visit(fi, a, b);
    }
  }
}

// No side is run the same way by two faces.
inline bool ConsistentlyOriented(const ON_Mesh& mesh)
{
  std::map<std::pair<Location, Location>, int> directed;
  bool ok = true;
  ForEachSide(mesh,
              [&](int, const Location& a, const Location& b)
              {
                if (++directed[{a, b}] > 1)
                  ok = false;
              });
  return ok;
}

// Sides used by exactly one face.
inline std::vector<std::pair<Location, Location>> BoundarySides(const ON_Mesh& mesh)
{
  std::map<std::pair<Location, Location>, int> uses;
  ForEachSide(mesh, [&](int, const Location& a, const Location& b) { uses[std::minmax(a, b)]++; });
  std::vector<std::pair<Location, Location>> sides;
  for (const auto& [side, count] : uses)
    if (count == 1)
      sides.push_back(side);
  return sides;
}

class UnionFind
{
public:
  explicit UnionFind(size_t n) : m_parent(n) { std::iota(m_parent.begin(), m_parent.end(), size_t{0}); }
  size_t Find(size_t i)
  {
    while (m_parent[i] != i)
      i = m_parent[i] = m_parent[m_parent[i]];
    return i;
  }
  void Join(size_t a, size_t b) { m_parent[Find(a)] = Find(b); }

private:
  std::vector<size_t> m_parent;
};

// Connected groups of boundary sides: one per loop where loops do not touch.
inline int BoundaryLoopCount(const ON_Mesh& mesh)
{
  const auto sides = BoundarySides(mesh);
  std::map<Location, size_t> index;
  for (const auto& s : sides)
  {
    index.emplace(s.first, index.size());
    index.emplace(s.second, index.size());
  }
  UnionFind groups(index.size());
  for (const auto& s : sides)
    groups.Join(index[s.first], index[s.second]);
  std::set<size_t> roots;
  for (const auto& [location, i] : index)
    roots.insert(groups.Find(i));
  return static_cast<int>(roots.size());
}

// Groups of faces joined through shared sides.
inline int PartCount(const ON_Mesh& mesh)
{
  UnionFind faces(static_cast<size_t>(mesh.FaceCount()));
  std::map<std::pair<Location, Location>, int> owner;
  ForEachSide(mesh,
              [&](int fi, const Location& a, const Location& b)
              {
                const auto key = std::minmax(a, b);
                const auto found = owner.find(key);
                if (found == owner.end())
                  owner.emplace(key, fi);
                else
                  faces.Join(static_cast<size_t>(fi), static_cast<size_t>(found->second));
              });
  std::set<size_t> roots;
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
    roots.insert(faces.Find(static_cast<size_t>(fi)));
  return static_cast<int>(roots.size());
}

inline std::string SharedFile(const std::string& name) { return std::string(NUBILO_SHARED_DATA) + "/" + name; }

// STL, binary or text: three vertices of its own per facet, as the STL reader makes them.
inline bool ReadStl(const std::string& path, ON_Mesh& mesh)
{
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return false;
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string bytes = buffer.str();
  mesh.Destroy();
  if (bytes.compare(0, 5, "solid") == 0 && bytes.find("facet", 0) < 400)
  {
    std::istringstream text(bytes);
    std::string word;
    while (text >> word)
    {
      if (word != "vertex")
        continue;
      double x, y, z;
      text >> x >> y >> z;
      mesh.m_V.Append(ON_3fPoint(ON_3dPoint(x, y, z)));
      if (mesh.m_V.Count() % 3 == 0)
      {
        const int n = mesh.m_V.Count() - 3;
        mesh.m_F.Append(ON_MeshFace{{n, n + 1, n + 2, n + 2}});
      }
    }
    return mesh.FaceCount() > 0;
  }
  if (bytes.size() < 84)
    return false;
  uint32_t count = 0;
  std::memcpy(&count, bytes.data() + 80, 4);
  if (bytes.size() < 84 + 50.0 * count)
    return false;
  for (uint32_t i = 0; i < count; i++)
  {
    float v[12];
    std::memcpy(v, bytes.data() + 84 + 50 * i, sizeof v);
    const int n = mesh.m_V.Count();
    for (int k = 1; k <= 3; k++)
      mesh.m_V.Append(ON_3fPoint(v[3 * k], v[3 * k + 1], v[3 * k + 2]));
    mesh.m_F.Append(ON_MeshFace{{n, n + 1, n + 2, n + 2}});
  }
  return true;
}

// OBJ vertices and faces (triangles and quads; larger polygons as fans), groups ignored.
inline bool ReadObj(const std::string& path, ON_Mesh& mesh)
{
  std::ifstream in(path);
  if (!in)
    return false;
  mesh.Destroy();
  std::string line;
  while (std::getline(in, line))
  {
    std::istringstream words(line);
    std::string key;
    words >> key;
    if (key == "v")
    {
      double x, y, z;
      words >> x >> y >> z;
      mesh.m_V.Append(ON_3fPoint(ON_3dPoint(x, y, z)));
    }
    else if (key == "f")
    {
      std::vector<int> corners;
      std::string corner;
      while (words >> corner)
      {
        const int i = std::stoi(corner);
        corners.push_back(i > 0 ? i - 1 : mesh.m_V.Count() + i);
      }
      if (corners.size() == 4)
        mesh.m_F.Append(ON_MeshFace{{corners[0], corners[1], corners[2], corners[3]}});
      else
        for (size_t k = 1; k + 1 < corners.size(); k++)
          mesh.m_F.Append(ON_MeshFace{{corners[0], corners[k], corners[k + 1], corners[k + 1]}});
    }
  }
  return mesh.FaceCount() > 0;
}

} // namespace meshtest
