#include "QORMesh.h"

#include <algorithm>
#include <new>
#include <numeric>
#include <utility>
#include <vector>

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

// Faces belong to one part when a chain of shared topological edges joins them, so that vertices
// duplicated at one location (as every STL file has them) still join their faces; faces meeting
// at a corner only stay apart. A part keeps its faces in order and the vertices they use, in
// order of first use, with the vertex normals, face normals and colours the mesh has. Faces on
// no edge (every corner at one location, or corners that are no vertices) belong to no part.
int QORMesh::ExtractShells(const ON_Mesh& mesh, ON_ClassArray<ON_Mesh>& meshes)
{
  try
  {
    const int face_count = mesh.FaceCount();
    const int vertex_count = mesh.VertexCount();
    ON_ClassArray<ON_Mesh> shells;
    if (face_count > 0 && vertex_count > 0)
    {
      const ON_MeshTopology& top = mesh.Topology();
      if (top.m_topv_map.Count() != vertex_count) // the topology could not be built
      {
        SetError(L"Mesh topology is invalid");
        return 0;
      }

      // Union-find over the faces, joined along every edge.
      std::vector<int> parent(face_count);
      std::iota(parent.begin(), parent.end(), 0);
      auto root = [&parent](int f) {
        while (parent[f] != f)
          f = parent[f] = parent[parent[f]];
        return f;
      };
      std::vector<char> on_edge(face_count, 0);
      for (int ei = 0; ei < top.m_tope.Count(); ei++)
      {
        const ON_MeshTopologyEdge& edge = top.m_tope[ei];
        for (int k = 0; k < edge.m_topf_count; k++)
        {
          const int fi = edge.m_topfi[k];
          on_edge[fi] = 1;
          const int a = root(edge.m_topfi[0]), b = root(fi);
          if (a != b)
            parent[std::max(a, b)] = std::min(a, b);
        }
      }

      // Part numbers in order of first face, then the faces grouped by part, in order.
      std::vector<int> part_of_root(face_count, -1), part(face_count, -1);
      int part_count = 0;
      for (int fi = 0; fi < face_count; fi++)
      {
        if (!on_edge[fi])
          continue;
        int& p = part_of_root[root(fi)];
        if (p < 0)
          p = part_count++;
        part[fi] = p;
      }
      std::vector<int> first(part_count + 1, 0), faces;
      for (int fi = 0; fi < face_count; fi++)
        if (part[fi] >= 0)
          first[part[fi] + 1]++;
      std::partial_sum(first.begin(), first.end(), first.begin());
      faces.resize(first[part_count]);
      std::vector<int> next(first.begin(), first.end() - 1);
      for (int fi = 0; fi < face_count; fi++)
        if (part[fi] >= 0)
          faces[next[part[fi]]++] = fi;

      const bool vertex_normals = mesh.HasVertexNormals();
      const bool face_normals = mesh.HasFaceNormals();
      const bool colours = mesh.HasVertexColors();
      std::vector<int> owner(vertex_count, -1), index(vertex_count, 0);
      shells.SetCapacity(part_count);
      if (shells.Capacity() < part_count)
        throw std::bad_alloc();
      for (int p = 0; p < part_count; p++)
      {
        ON_Mesh& shell = shells.AppendNew();
        const int shell_faces = first[p + 1] - first[p];
        int shell_vertices = 0;
        shell.m_F.SetCapacity(shell_faces);
        for (int j = first[p]; j < first[p + 1]; j++)
        {
          const int fi = faces[j];
          ON_MeshFace face = mesh.m_F[fi];
          for (int& vi : face.vi)
          {
            if (owner[vi] != p)
            {
              owner[vi] = p;
              index[vi] = shell_vertices++;
              shell.m_V.Append(mesh.m_V[vi]);
              if (vertex_normals)
                shell.m_N.Append(mesh.m_N[vi]);
              if (colours)
                shell.m_C.Append(mesh.m_C[vi]);
            }
            vi = index[vi];
          }
          shell.m_F.Append(face);
          if (face_normals)
            shell.m_FN.Append(mesh.m_FN[fi]);
        }
        // The arrays drop what they cannot hold.
        if (shell.m_F.Count() != shell_faces || shell.m_V.Count() != shell_vertices ||
            (vertex_normals && shell.m_N.Count() != shell_vertices) ||
            (colours && shell.m_C.Count() != shell_vertices) || (face_normals && shell.m_FN.Count() != shell_faces))
          throw std::bad_alloc();
      }
    }
    meshes = std::move(shells);
    return 1;
  }
  catch (const std::bad_alloc&)
  {
    SetError(L"Out of memory");
    return 0;
  }
}
