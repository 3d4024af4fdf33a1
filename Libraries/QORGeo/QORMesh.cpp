#include "QORMesh.h"

#include "QORFacet.h"
#include "QORLine.h"
#include "QORMeshInternal.h"
#include "QORPoint.h"
#include "QORPolygon2d.h"
#include "QORProgress.h"
#include "LastError.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <memory>
#include <new>
#include <numeric>
#include <utility>
#include <vector>

ON_wString QORMesh::GetError() { return Platform::LastError<QORMesh, ON_wString>::Get(); }

void QORMesh::SetError(const ON_wString& text) { Platform::LastError<QORMesh, ON_wString>::Set(text); }

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

int QORMesh::AddQuad(ON_Mesh& mesh, const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c, const ON_3dPoint& d)
{
  ON_Mesh face(1, 4, false, false);
  face.SetVertex(0, a);
  face.SetVertex(1, b);
  face.SetVertex(2, c);
  face.SetVertex(3, d);
  face.SetQuad(0, 0, 1, 2, 3);
  return AppendIfValid(mesh, face);
}

int QORMesh::AddFace(ON_Mesh& mesh, const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c, const ON_3dPoint& d)
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
      auto root = [&parent](int f)
      {
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

// ---------------------------------------------------------------------------------------------
// Editing

namespace
{

using namespace QORMeshInternal;

const double kTolerance = 0.0001;

// Keeps the faces marked (keep[fi] nonzero), in order, with every vertex; the mesh is cleaned.
void KeepFaces(ON_Mesh& mesh, const std::vector<char>& keep)
{
  ON_Mesh result = Rebuild(mesh, keep);
  QORMesh::Clean(result);
  mesh = std::move(result);
}

// Appends faces with vertices of their own as QORMesh::AddTriangle and AddQuad do, directly when
// the corners are distinct numbers in single precision (faces those always accept).
class FaceBuilder
{
public:
  explicit FaceBuilder(ON_Mesh& mesh) : m_mesh(mesh) {}

  void Triangle(const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c)
  {
    const ON_3fPoint p[3] = {ON_3fPoint(a), ON_3fPoint(b), ON_3fPoint(c)};
    if (!Distinct(p, 3))
    {
      QORMesh::AddTriangle(m_mesh, a, b, c);
      return;
    }
    const int n = m_mesh.m_V.Count();
    m_mesh.m_V.Append(3, p);
    m_mesh.m_F.Append(ON_MeshFace{{n, n + 1, n + 2, n + 2}});
  }

  void Quad(const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c, const ON_3dPoint& d)
  {
    const ON_3fPoint p[4] = {ON_3fPoint(a), ON_3fPoint(b), ON_3fPoint(c), ON_3fPoint(d)};
    if (!Distinct(p, 4))
    {
      QORMesh::AddQuad(m_mesh, a, b, c, d);
      return;
    }
    const int n = m_mesh.m_V.Count();
    m_mesh.m_V.Append(4, p);
    m_mesh.m_F.Append(ON_MeshFace{{n, n + 1, n + 2, n + 3}});
  }

private:
  static bool Distinct(const ON_3fPoint* p, int count)
  {
    for (int i = 0; i < count; i++)
    {
      if (std::isnan(p[i].x) || std::isnan(p[i].y) || std::isnan(p[i].z))
        return false;
      for (int j = 0; j < i; j++)
      {
        if (p[i] == p[j])
          return false;
      }
    }
    return true;
  }

  ON_Mesh& m_mesh;
};

} // namespace

int QORMesh::CheckEdge(const ON_Mesh& mesh, int edge)
{
  if (edge < 0 || edge >= mesh.Topology().TopEdgeCount())
  {
    SetError(L"Invalid edge index");
    return 0;
  }
  return 1;
}

int QORMesh::CheckFace(const ON_Mesh& mesh, int face)
{
  if (face < 0 || face >= mesh.FaceCount())
  {
    SetError(L"Invalid face index");
    return 0;
  }
  return 1;
}

// The vertex, with the topology built for it.
int QORMesh::FindVertex(const ON_Mesh& mesh, const ON_3dPoint& point)
{
  const int vi = mesh.m_V.Search(ON_3fPoint(point));
  if (vi < 0)
  {
    SetError(L"Point is not a mesh vertex");
    return -1;
  }
  if (mesh.Topology().m_topv_map.Count() != mesh.VertexCount())
  {
    SetError(L"Mesh topology is invalid");
    return -1;
  }
  return vi;
}

int QORMesh::ReplaceIfValid(ON_Mesh& mesh, ON_Mesh& result)
{
  Clean(result);
  if (!result.IsValid())
  {
    SetError(L"Operation results in an invalid mesh");
    return 0;
  }
  mesh = std::move(result);
  return 1;
}

int QORMesh::NumInvalidFaces(const ON_Mesh& mesh)
{
  const ON_MeshTopology& top = mesh.Topology();
  int count = 0;
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    if (fi >= top.m_topf.Count() || !top.m_topf[fi].IsValid())
      count++;
  }
  return count;
}

int QORMesh::DeleteInvalidFaces(ON_Mesh& mesh, int& deletedCount)
{
  if (NumInvalidFaces(mesh) == 0)
    return 1;
  deletedCount = 0;
  const ON_MeshTopology& top = mesh.Topology();
  std::vector<char> keep(mesh.FaceCount(), 1);
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    if (fi >= top.m_topf.Count() || !top.m_topf[fi].IsValid())
    {
      keep[fi] = 0;
      deletedCount++;
    }
  }
  ON_Mesh result = Rebuild(mesh, keep);
  return ReplaceIfValid(mesh, result);
}

// The faces a move leaves without area are counted before the clean-up, which (as the toolkit's
// version 5 compacting does) would remove them and leave nothing to count.
int QORMesh::MoveVertexTo(ON_Mesh& mesh, const ON_3dPoint& point, const ON_3dPoint& target, int deleteInvalid,
                          int& invalidCount)
{
  invalidCount = 0;
  const int vi = FindVertex(mesh, point);
  if (vi < 0)
    return 0;
  ON_Mesh result(mesh);
  const ON_MeshTopology& top = mesh.Topology();
  const ON_MeshTopologyVertex& topv = top.m_topv[top.m_topv_map[vi]];
  const ON_3fPoint to(target);
  for (int j = 0; j < topv.m_v_count; j++)
    result.m_V[topv.m_vi[j]] = to;
  result.DestroyRuntimeCache(true);
  if (deleteInvalid == 1)
  {
    int deleted = 0;
    if (!DeleteInvalidFaces(result, deleted))
      return 0;
    invalidCount = deleted;
  }
  else
    invalidCount = NumInvalidFaces(result);
  return ReplaceIfValid(mesh, result);
}

int QORMesh::MoveVertexTo(ON_Mesh& mesh, const ON_3dPoint& point, const ON_3dPoint& target)
{
  int invalid = 0;
  return MoveVertexTo(mesh, point, target, 1, invalid);
}

int QORMesh::MoveVertexBy(ON_Mesh& mesh, const ON_3dPoint& point, const ON_3dVector& offset)
{
  int invalid = 0;
  return MoveVertexTo(mesh, point, point + offset, 1, invalid);
}

int QORMesh::GetConnectedVertices(const ON_Mesh& mesh, const ON_3dPoint& point, ON_3dPointArray& points)
{
  const int vi = FindVertex(mesh, point);
  if (vi < 0)
    return 0;
  points.Empty();
  const ON_MeshTopology& top = mesh.Topology();
  const ON_MeshTopologyVertex& topv = top.m_topv[top.m_topv_map[vi]];
  const ON_3dPoint self(mesh.m_V[vi]);
  for (int j = 0; j < topv.m_tope_count; j++)
  {
    const ON_MeshTopologyEdge& edge = top.m_tope[topv.m_topei[j]];
    for (int end = 0; end < 2; end++)
    {
      const ON_3dPoint p = top.TopVertexPoint(edge.m_topvi[end]);
      if (p != self)
        points.Append(p);
    }
  }
  return 1;
}

int QORMesh::DeleteVertex(ON_Mesh& mesh, const ON_3dPoint& point)
{
  const int vi = FindVertex(mesh, point);
  if (vi < 0)
    return 0;
  const ON_MeshTopology& top = mesh.Topology();
  const ON_MeshTopologyVertex& topv = top.m_topv[top.m_topv_map[vi]];
  std::vector<char> keep(mesh.FaceCount(), 1);
  for (int j = 0; j < topv.m_tope_count; j++)
  {
    const ON_MeshTopologyEdge& edge = top.m_tope[topv.m_topei[j]];
    for (int k = 0; k < edge.m_topf_count; k++)
      keep[edge.m_topfi[k]] = 0;
  }
  KeepFaces(mesh, keep);
  return 1;
}

int QORMesh::GetEdgeIndex(const ON_Mesh& mesh, const ON_Line& line)
{
  const ON_MeshTopology& top = mesh.Topology();
  for (int ei = 0; ei < top.TopEdgeCount(); ei++)
  {
    const ON_MeshTopologyEdge& edge = top.m_tope[ei];
    const ON_3dPoint a = top.TopVertexPoint(edge.m_topvi[0]), b = top.TopVertexPoint(edge.m_topvi[1]);
    if ((QORPoint::Equal(a, line.from, kTolerance) && QORPoint::Equal(b, line.to, kTolerance)) ||
        (QORPoint::Equal(a, line.to, kTolerance) && QORPoint::Equal(b, line.from, kTolerance)))
      return ei;
  }
  return -1;
}

void QORMesh::GetEdgeVertices(const ON_Mesh& mesh, int edge, ON_3dPoint& start, ON_3dPoint& end)
{
  if (!CheckEdge(mesh, edge))
    return;
  const ON_MeshTopology& top = mesh.Topology();
  start = top.TopVertexPoint(top.m_tope[edge].m_topvi[0]);
  end = top.TopVertexPoint(top.m_tope[edge].m_topvi[1]);
}

void QORMesh::GetEdges(const ON_Mesh& mesh, ON_ClassArray<ON_Line>& lines)
{
  const ON_MeshTopology& top = mesh.Topology();
  for (int ei = 0; ei < top.TopEdgeCount(); ei++)
    lines.Append(top.TopEdgeLine(ei));
}

int QORMesh::DeleteEdge(ON_Mesh& mesh, int edge)
{
  if (!CheckEdge(mesh, edge))
    return 0;
  const ON_MeshTopologyEdge& e = mesh.Topology().m_tope[edge];
  std::vector<char> keep(mesh.FaceCount(), 1);
  for (int k = 0; k < e.m_topf_count && k < 2; k++)
    keep[e.m_topfi[k]] = 0;
  KeepFaces(mesh, keep);
  return 1;
}

int QORMesh::DeleteEdge(ON_Mesh& mesh, const ON_Line& line)
{
  const int edge = GetEdgeIndex(mesh, line);
  if (edge < 0)
  {
    SetError(L"Line segment is not an edge of the mesh");
    return 0;
  }
  return DeleteEdge(mesh, edge);
}

int QORMesh::MoveEdgeBy(ON_Mesh& mesh, int edge, const ON_3dVector& offset)
{
  if (!CheckEdge(mesh, edge))
    return 0;
  ON_3dPoint start, end;
  GetEdgeVertices(mesh, edge, start, end);
  ON_Mesh result(mesh);
  if (!MoveVertexBy(result, start, offset) || !MoveVertexBy(result, end, offset))
    return 0;
  return ReplaceIfValid(mesh, result);
}

// The new triangles are the edge's faces with one corner swapped (the first face's far end of
// the edge becomes the second face's far corner and the other way round), so each keeps the
// orientation of the face it replaces.
int QORMesh::SwapEdge(ON_Mesh& mesh, int edge)
{
  if (!CheckEdge(mesh, edge))
    return 0;
  const ON_MeshTopologyEdge& e = mesh.Topology().m_tope[edge];
  if (e.m_topf_count == 1)
  {
    SetError(L"Boundary edges cannot be swapped");
    return 0;
  }
  const int f1 = e.m_topfi[0], f2 = e.m_topf_count == 2 ? e.m_topfi[1] : -1;
  if (f2 < 0 || f1 == f2 || mesh.m_F[f1].IsQuad() || mesh.m_F[f2].IsQuad())
  {
    SetError(L"Edge must connect two triangular faces");
    return 0;
  }
  ON_3dPoint a[4], b[4];
  Corners(mesh, f1, a);
  Corners(mesh, f2, b);
  // The shared corners S0, S1 in the second face's order, and its far corner Q2.
  ON_3dPoint S[2], Q1, Q2;
  int shared = 0, others = 0;
  for (int k = 0; k < 3; k++)
  {
    if (b[k] == a[0] || b[k] == a[1] || b[k] == a[2])
    {
      if (shared < 2)
        S[shared] = b[k];
      shared++;
    }
    else
    {
      Q2 = b[k];
      others++;
    }
  }
  int near = 0;
  for (int k = 0; k < 3; k++)
  {
    if (a[k] != S[0] && a[k] != S[1])
    {
      if (near++ == 0)
        Q1 = a[k];
    }
  }
  if (shared != 2 || others != 1 || near != 1)
  {
    SetError(L"Edge must connect two triangular faces");
    return 0;
  }
  ON_Polyline quadrilateral;
  for (const ON_3dPoint& p : {S[0], Q2, S[1], Q1, S[0]})
    quadrilateral.Append(p);
  if (!QORPolygon2d::IsConvex(quadrilateral, 0, kTolerance))
  {
    SetError(L"Swapping this edge results in an invalid mesh");
    return 0;
  }

  std::vector<char> keep(mesh.FaceCount(), 1);
  keep[f1] = keep[f2] = 0;
  ON_Mesh result = Rebuild(mesh, keep);
  auto index = [&mesh](const ON_3dPoint& p) { return mesh.m_V.Search(ON_3fPoint(p)); };
  ON_MeshFace t0, t1;
  for (int k = 0; k < 3; k++)
  {
    t0.vi[k] = index(a[k] == S[1] ? Q2 : a[k]);
    t1.vi[k] = index(b[k] == S[0] ? Q1 : b[k]);
  }
  t0.vi[3] = t0.vi[2];
  t1.vi[3] = t1.vi[2];
  result.m_F.Append(t0);
  result.m_F.Append(t1);
  return ReplaceIfValid(mesh, result);
}

int QORMesh::SwapEdge(ON_Mesh& mesh, const ON_Line& line)
{
  const int edge = GetEdgeIndex(mesh, line);
  if (edge < 0)
  {
    SetError(L"Line segment is not an edge of the mesh");
    return 0;
  }
  return SwapEdge(mesh, edge);
}

int QORMesh::CollapseEdge(ON_Mesh& mesh, int edge)
{
  if (!CheckEdge(mesh, edge))
    return 0;
  ON_3dPoint p0, p1;
  GetEdgeVertices(mesh, edge, p0, p1);
  const ON_3dPoint middle = QORPoint::Average(p0, p1);
  ON_Mesh result(mesh);
  if (!MoveVertexTo(result, p0, middle) || !MoveVertexTo(result, p1, middle))
    return 0;
  return ReplaceIfValid(mesh, result);
}

// Both faces on an interior edge are split: DeleteEdge removes the first two faces of a
// non-manifold edge as well, and the second must come back split.
int QORMesh::SplitEdge(ON_Mesh& mesh, int edge, const ON_3dPoint& point)
{
  if (!CheckEdge(mesh, edge))
    return 0;
  ON_3dPoint p0, p1;
  GetEdgeVertices(mesh, edge, p0, p1);
  const ON_3dPoint S = QORLine::ClosestPointToSegment(point, ON_Line(p0, p1), kTolerance);
  if (QORPoint::Equal(S, p0, kTolerance) || QORPoint::Equal(S, p1, kTolerance))
  {
    SetError(L"Split point coincides with an edge vertex");
    return 0;
  }
  const ON_MeshTopologyEdge& e = mesh.Topology().m_tope[edge];
  const int faces[2] = {e.m_topfi[0], e.m_topf_count >= 2 ? e.m_topfi[1] : -1};
  ON_Mesh result(mesh);
  DeleteEdge(result, edge);
  for (int fi : faces)
  {
    if (fi < 0)
      continue;
    ON_3dPoint c[4];
    Corners(mesh, fi, c);
    ON_Mesh part;
    if (!CreateSplitFace(part, S, c[0], c[1], c[2], c[3]))
      return 0;
    result.Append(part);
  }
  return ReplaceIfValid(mesh, result);
}

int QORMesh::CreateSplitFace(ON_Mesh& result, const ON_3dPoint& S, const ON_3dPoint& A, const ON_3dPoint& B,
                             const ON_3dPoint& C, const ON_3dPoint& D)
{
  auto on = [&S](const ON_3dPoint& from, const ON_3dPoint& to)
  { return QORLine::IsPointOnSegment(S, ON_Line(from, to), kTolerance) == 1; };
  ON_Mesh split;
  if (QORPoint::Equal(C, D, kTolerance))
  {
    if (on(A, B))
    {
      AddTriangle(split, A, S, C);
      AddTriangle(split, S, B, C);
    }
    else if (on(B, C))
    {
      AddTriangle(split, B, S, A);
      AddTriangle(split, S, C, A);
    }
    else if (on(C, A))
    {
      AddTriangle(split, C, S, B);
      AddTriangle(split, S, A, B);
    }
    else
    {
      SetError(L"Point does not lie on an edge");
      return 0;
    }
  }
  else if (on(A, B))
  {
    AddTriangle(split, A, S, D);
    AddTriangle(split, S, B, C);
    AddTriangle(split, S, C, D);
  }
  else if (on(B, C))
  {
    AddTriangle(split, B, S, A);
    AddTriangle(split, S, C, D);
    AddTriangle(split, S, D, A);
  }
  else if (on(C, D))
  {
    AddTriangle(split, C, S, B);
    AddTriangle(split, S, D, A);
    AddTriangle(split, S, A, B);
  }
  else if (on(D, A))
  {
    AddTriangle(split, D, S, C);
    AddTriangle(split, S, A, B);
    AddTriangle(split, S, B, C);
  }
  else
  {
    SetError(L"Point does not lie on an edge");
    return 0;
  }
  return ReplaceIfValid(result, split);
}

int QORMesh::GetFaceVertices(const ON_Mesh& mesh, int face, ON_3dPointArray& points)
{
  if (!CheckFace(mesh, face))
    return 0;
  ON_3dPoint c[4];
  const int n = Corners(mesh, face, c);
  points.Append(n, c);
  return 1;
}

int QORMesh::GetFaceEdges(const ON_Mesh& mesh, int face, ON_ClassArray<ON_Line>& lines)
{
  if (!CheckFace(mesh, face))
    return 0;
  ON_3dPoint c[4];
  const int n = Corners(mesh, face, c);
  for (int k = 0; k < n; k++)
    lines.Append(ON_Line(c[k], c[(k + 1) % n]));
  return 1;
}

ON_3dPoint QORMesh::GetFaceAveragePoint(const ON_Mesh& mesh, int face)
{
  ON_3dPointArray corners;
  if (!GetFaceVertices(mesh, face, corners))
    return ON_3dPoint::UnsetPoint;
  return QORPoint::Average(corners);
}

int QORMesh::GetFaceIndex(const ON_Mesh& mesh, const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C,
                          const ON_3dPoint& D)
{
  const bool quad = D.IsValid();
  ON_3dPointArray given;
  given.Append(A);
  given.Append(B);
  given.Append(C);
  if (quad)
    given.Append(D);
  const ON_3dPoint centre = QORPoint::Average(given);
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    if (mesh.m_F[fi].IsQuad() != quad)
      continue;
    if (QORPoint::Equal(GetFaceAveragePoint(mesh, fi), centre, kTolerance))
      return fi;
  }
  return -1;
}

int QORMesh::DeleteFace(ON_Mesh& mesh, int face)
{
  if (!CheckFace(mesh, face))
    return 0;
  std::vector<char> keep(mesh.FaceCount(), 1);
  keep[face] = 0;
  KeepFaces(mesh, keep);
  return 1;
}

int QORMesh::DeleteFaces(ON_Mesh& mesh, const ON_SimpleArray<int>& faces)
{
  std::vector<char> keep(mesh.FaceCount(), 1);
  for (int i = 0; i < faces.Count(); i++)
  {
    if (!CheckFace(mesh, faces[i]))
      return 0;
    keep[faces[i]] = 0;
  }
  KeepFaces(mesh, keep);
  return 1;
}

int QORMesh::MoveFaceBy(ON_Mesh& mesh, int face, const ON_3dVector& offset)
{
  ON_3dPointArray corners;
  if (!GetFaceVertices(mesh, face, corners))
    return 0;
  ON_Mesh result(mesh);
  for (int k = 0; k < corners.Count(); k++)
  {
    if (!MoveVertexTo(result, corners[k], corners[k] + offset))
      return 0;
  }
  return ReplaceIfValid(mesh, result);
}

int QORMesh::CollapseFace(ON_Mesh& mesh, int face)
{
  ON_3dPointArray corners;
  if (!GetFaceVertices(mesh, face, corners))
    return 0;
  const ON_3dPoint centre = QORPoint::Average(corners);
  ON_Mesh result(mesh);
  for (int k = 0; k < corners.Count(); k++)
  {
    if (!MoveVertexTo(result, corners[k], centre))
      return 0;
  }
  return ReplaceIfValid(mesh, result);
}

int QORMesh::FlipFace(ON_Mesh& mesh, int face)
{
  if (!CheckFace(mesh, face))
    return 0;
  ON_3dPoint c[4];
  const int n = Corners(mesh, face, c);
  ON_Mesh result(mesh);
  DeleteFace(result, face);
  const int added = n == 3 ? AddTriangle(result, c[0], c[2], c[1]) : AddQuad(result, c[0], c[3], c[2], c[1]);
  if (!added)
  {
    SetError(L"Operation results in an invalid mesh");
    return 0;
  }
  return ReplaceIfValid(mesh, result);
}

int QORMesh::SplitFace(ON_Mesh& mesh, int face, const ON_3dPoint& point)
{
  if (!CheckFace(mesh, face))
    return 0;
  ON_3dPoint c[4];
  const int n = Corners(mesh, face, c);
  const ON_3fPoint p(point);
  for (int k = 0; k < n; k++)
  {
    if (ON_3fPoint(c[k]) == p)
    {
      SetError(L"Point coincides with a mesh vertex");
      return 0;
    }
  }
  ON_Mesh result(mesh);
  DeleteFace(result, face);
  ON_Mesh fan;
  for (int k = 0; k < n; k++)
    AddTriangle(fan, c[k], c[(k + 1) % n], point);
  result.Append(fan);
  return ReplaceIfValid(mesh, result);
}

// ---------------------------------------------------------------------------------------------
// Analysis

namespace
{

// Shows progress for an index running to a count, moving the bar about a thousand times.
class ProgressSteps
{
public:
  ProgressSteps(const char* title, int show, int count)
      : m_window(title, "", 0, 100, nullptr), m_show(show != 0), m_step(std::max(1, count / 1000))
  {
    if (m_show)
    {
      m_window.SetMax(count);
      m_window.StartProgress();
    }
  }
  void At(int i)
  {
    if (m_show && i % m_step == 0)
      m_window.SetCurrent(i);
  }
  void End()
  {
    if (m_show)
      m_window.EndProgress();
  }

private:
  QORProgress m_window;
  bool m_show;
  int m_step;
};

} // namespace

int QORMesh::GetBoundaryEdgeCount(const ON_Mesh& mesh)
{
  const ON_MeshTopology& top = mesh.Topology();
  int count = 0;
  for (int ei = 0; ei < top.TopEdgeCount(); ei++)
  {
    if (top.m_tope[ei].m_topf_count == 1)
      count++;
  }
  return count;
}

// With no closed loop there is no outer loop either: that fails, the output left as it was.
// Loops of which none has a width in x (a mesh upright in a plane x = constant) are appended with
// the outer index -1.
int QORMesh::GetBoundaryPolylines(const ON_Mesh& mesh, ON_ClassArray<ON_Polyline>& polylines, int& outer,
                                  int showProgress)
{
  const ON_MeshTopology& top = mesh.Topology();
  if (!top.IsValid())
  {
    SetError(L"Mesh topology is invalid");
    return 0;
  }
  std::vector<std::unique_ptr<ON_LineCurve>> edges;
  ProgressSteps progress("Studying mesh edges", showProgress, top.TopEdgeCount());
  for (int ei = 0; ei < top.TopEdgeCount(); ei++)
  {
    progress.At(ei);
    const ON_MeshTopologyEdge& edge = top.m_tope[ei];
    if (edge.m_topf_count == 1)
      edges.emplace_back(new ON_LineCurve(top.TopVertexPoint(edge.m_topvi[0]), top.TopVertexPoint(edge.m_topvi[1])));
  }
  progress.End();
  if (edges.empty())
  {
    SetError(L"Mesh does not have boundary edges");
    return 0;
  }

  ON_SimpleArray<const ON_Curve*> in(static_cast<int>(edges.size()));
  for (const auto& edge : edges)
    in.Append(edge.get());
  ON_SimpleArray<ON_Curve*> joined;
  ON_JoinCurves(in, joined, kTolerance, false, nullptr);
  edges.clear();

  ON_ClassArray<ON_Polyline> loops;
  int widest = -1;
  double widest_width = 0.0;
  for (int i = 0; i < joined.Count(); i++)
  {
    std::unique_ptr<ON_Curve> curve(joined[i]);
    const ON_PolyCurve* poly = ON_PolyCurve::Cast(curve.get());
    if (!poly || poly->Count() < 1)
      continue;
    ON_Polyline loop;
    loop.SetCapacity(poly->Count() + 1);
    for (int s = 0; s < poly->Count(); s++)
      loop.Append(poly->SegmentCurve(s)->PointAtStart());
    loop.Append(poly->SegmentCurve(poly->Count() - 1)->PointAtEnd());
    if (!loop.IsClosed(0))
      continue;
    const ON_BoundingBox box = loop.BoundingBox();
    const double width = box.m_max.x - box.m_min.x;
    if (width > widest_width)
    {
      widest = loops.Count();
      widest_width = width;
    }
    loops.Append(loop);
  }
  if (loops.Count() == 0)
  {
    SetError(L"Mesh boundary edges do not form a closed loop");
    return 0;
  }
  outer = widest < 0 ? -1 : polylines.Count() + widest;
  for (int i = 0; i < loops.Count(); i++)
    polylines.Append(loops[i]);
  return 1;
}

int QORMesh::GetOuterBoundary(const ON_Mesh& mesh, ON_Polyline& polyline, int showProgress)
{
  ON_ClassArray<ON_Polyline> loops;
  int outer = -1;
  if (!GetBoundaryPolylines(mesh, loops, outer, showProgress))
    return 0;
  if (outer < 0)
  {
    SetError(L"Mesh boundary loops have no width in x");
    return 0;
  }
  polyline = loops[outer];
  return 1;
}

int QORMesh::PartitionMesh(const ON_Mesh& mesh, ON_ClassArray<ON_Mesh>& meshes, int maxVertices, int maxTriangles)
{
  ON_Mesh copy(mesh);
  copy.ConvertQuadsToTriangles();
  if (!copy.CreatePartition(maxVertices, maxTriangles))
  {
    SetError(L"Mesh cannot be partitioned");
    return 0;
  }
  ON_ClassArray<ON_Mesh> parts;
  for (int i = 0; i < copy.Partition()->m_part.Count(); i++)
  {
    ON_Mesh part;
    if (GetMeshPartition(copy, i, part))
      parts.AppendNew() = std::move(part);
  }
  meshes = std::move(parts);
  return 1;
}

// A part is its run of faces on its run of vertices. (Its triangle count counts a quad twice, so
// as many faces from its first would reach into the next part or past the last face.)
int QORMesh::GetMeshPartition(const ON_Mesh& mesh, int index, ON_Mesh& part)
{
  const ON_MeshPartition* partition = mesh.Partition();
  if (!partition)
  {
    SetError(L"Mesh has no partition");
    return 0;
  }
  if (index < 0 || index >= partition->m_part.Count())
  {
    SetError(L"Invalid partition index");
    return 0;
  }
  const ON_MeshPart& p = partition->m_part[index];
  const bool in_mesh = 0 <= p.vi[0] && p.vi[0] <= p.vi[1] && p.vi[1] <= mesh.VertexCount() && 0 <= p.fi[0] &&
                       p.fi[0] <= p.fi[1] && p.fi[1] <= mesh.FaceCount();
  ON_Mesh result(in_mesh ? p.fi[1] - p.fi[0] : 0, in_mesh ? p.vertex_count : 0, false, false);
  if (in_mesh)
  {
    result.m_V.Append(p.vi[1] - p.vi[0], mesh.m_V.Array() + p.vi[0]);
    for (int fi = p.fi[0]; fi < p.fi[1]; fi++)
    {
      ON_MeshFace face = mesh.m_F[fi];
      for (int& vi : face.vi)
        vi -= p.vi[0];
      result.m_F.Append(face);
    }
  }
  result.Compact();
  if (!result.IsValid())
  {
    SetError(L"Invalid mesh");
    return 0;
  }
  part = std::move(result);
  return 1;
}

int QORMesh::ExtractPoints(const ON_Mesh& mesh, ON_3dPointArray& points)
{
  const ON_MeshTopology& top = mesh.Topology();
  for (int v = 0; v < top.TopVertexCount(); v++)
    points.Append(top.TopVertexPoint(v));
  return top.TopVertexCount();
}

int QORMesh::GetClosestVertex(const ON_Mesh& mesh, const ON_3dPoint& point, ON_3dPoint& closest, double maxDistance)
{
  const ON_MeshTopology& top = mesh.Topology();
  double best = DBL_MAX;
  int found = -1;
  for (int v = 0; v < top.TopVertexCount(); v++)
  {
    const double d = point.DistanceTo(top.TopVertexPoint(v));
    if (d <= maxDistance && d < best)
    {
      best = d;
      found = v;
    }
  }
  if (found < 0)
    return 0;
  closest = top.TopVertexPoint(found);
  return 1;
}

int QORMesh::GetClosestEdgeIndex(const ON_Mesh& mesh, const ON_3dPoint& point, double maxDistance)
{
  const ON_MeshTopology& top = mesh.Topology();
  double best = DBL_MAX;
  int found = -1;
  for (int ei = 0; ei < top.TopEdgeCount(); ei++)
  {
    const double d = point.DistanceTo(QORLine::ClosestPointToSegment(point, top.TopEdgeLine(ei), kTolerance));
    if (d <= maxDistance && d < best)
    {
      best = d;
      found = ei;
    }
  }
  return found;
}

int QORMesh::GetClosestFaceIndex(const ON_Mesh& mesh, const ON_3dPoint& point, double maxDistance)
{
  double best = DBL_MAX;
  int found = -1;
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    ON_3dPoint t[2][3];
    const int n = FaceTriangles(mesh, fi, t);
    double d = QORFacet::ClosestDistanceToPoint(t[0][0], t[0][1], t[0][2], point);
    if (n == 2)
      d = std::min(d, QORFacet::ClosestDistanceToPoint(t[1][0], t[1][1], t[1][2], point));
    if (d <= maxDistance && d < best)
    {
      best = d;
      found = fi;
    }
  }
  return found;
}

// The nearest hit along the ray, the lower face index on a tie (not the first face hit).
int QORMesh::IntersectRay(const ON_Mesh& mesh, const ON_Line& ray, ON_3dPoint& hit)
{
  double best = DBL_MAX;
  ON_3dPoint nearest;
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    ON_3dPoint t[2][3];
    const int n = FaceTriangles(mesh, fi, t);
    for (int k = 0; k < n; k++)
    {
      ON_3dPoint p;
      if (!QORFacet::IntersectRay(t[k][0], t[k][1], t[k][2], ray, p))
        continue;
      const double d = ray.from.DistanceTo(p);
      if (d < best)
      {
        best = d;
        nearest = p;
      }
    }
  }
  if (best == DBL_MAX)
    return 0;
  hit = nearest;
  return 1;
}

int QORMesh::DropPointOnMesh(const ON_Mesh& mesh, const ON_3dPoint& point, ON_3dPoint& result)
{
  const ON_Line vertical(point, ON_3dPoint(point.x, point.y, point.z + 1.0));
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    ON_3dPoint t[2][3];
    const int n = FaceTriangles(mesh, fi, t);
    for (int k = 0; k < n; k++)
    {
      ON_3dPoint p;
      if (QORFacet::IntersectLine(t[k][0], t[k][1], t[k][2], vertical, p))
      {
        result = p;
        return 1;
      }
    }
  }
  return 0;
}

int QORMesh::IsPointOnMesh(const ON_Mesh& mesh, const ON_3dPoint& point, double tolerance)
{
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    ON_3dPoint t[2][3];
    const int n = FaceTriangles(mesh, fi, t);
    for (int k = 0; k < n; k++)
    {
      if (QORFacet::IsPointOnFacet(t[k][0], t[k][1], t[k][2], point, tolerance))
        return fi;
    }
  }
  return -1;
}

int QORMesh::FaceUpwards(ON_Mesh& mesh, int& flipped)
{
  flipped = 0;
  ON_Mesh result = WithVertices(mesh, mesh.FaceCount());
  result.m_F = mesh.m_F;
  int count = 0;
  for (int fi = 0; fi < result.FaceCount(); fi++)
  {
    ON_MeshFace& f = result.m_F[fi];
    ON_3dVector normal;
    if (!normal.PerpendicularTo(VertexPoint(mesh, f.vi[0]), VertexPoint(mesh, f.vi[1]), VertexPoint(mesh, f.vi[2])) ||
        !(normal.z < 0.0))
      continue;
    f.Flip();
    count++;
  }
  if (count == 0)
    return 1;
  if (!ReplaceIfValid(mesh, result))
    return 0;
  flipped = count;
  return 1;
}

int QORMesh::FaceUpwards(ON_Mesh& mesh)
{
  int flipped = 0;
  return FaceUpwards(mesh, flipped) ? flipped : -1;
}

// ---------------------------------------------------------------------------------------------
// Refinement

namespace
{

// The four faces of one face, corners in the face's order (a triangle when C equals D).
void AddSubDivided(FaceBuilder& builder, const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C,
                   const ON_3dPoint& D, bool triangle)
{
  const ON_3dPoint mAB = QORPoint::Average(A, B), mBC = QORPoint::Average(B, C);
  if (triangle)
  {
    const ON_3dPoint mCA = QORPoint::Average(C, A);
    builder.Triangle(A, mAB, mCA);
    builder.Triangle(B, mBC, mAB);
    builder.Triangle(C, mCA, mBC);
    builder.Triangle(mAB, mBC, mCA);
    return;
  }
  const ON_3dPoint mCD = QORPoint::Average(C, D), mDA = QORPoint::Average(D, A);
  ON_3dPointArray corners(4);
  corners.Append(A);
  corners.Append(B);
  corners.Append(C);
  corners.Append(D);
  const ON_3dPoint M = QORPoint::Average(corners);
  builder.Quad(A, mAB, M, mDA);
  builder.Quad(B, mBC, M, mAB);
  builder.Quad(C, mCD, M, mBC);
  builder.Quad(D, mDA, M, mCD);
}

} // namespace

int QORMesh::SubDivide(ON_Mesh& mesh)
{
  const int face_count = mesh.FaceCount();
  const int quads = mesh.QuadCount();
  ON_Mesh result(4 * face_count, 12 * (face_count - quads) + 16 * quads, false, false);
  FaceBuilder builder(result);
  for (int fi = 0; fi < face_count; fi++)
  {
    ON_3dPoint c[4];
    const int n = Corners(mesh, fi, c);
    AddSubDivided(builder, c[0], c[1], c[2], c[3], n == 3);
  }
  return ReplaceIfValid(mesh, result);
}

int QORMesh::CreateSubDividedFace(ON_Mesh& result, ON_3dPoint A, ON_3dPoint B, ON_3dPoint C, ON_3dPoint D)
{
  ON_Mesh faces;
  FaceBuilder builder(faces);
  AddSubDivided(builder, A, B, C, D, C == D);
  return ReplaceIfValid(result, faces);
}

int QORMesh::SubDivideFace(ON_Mesh& mesh, int face)
{
  ON_ClassArray<ON_Line> sides;
  if (!GetFaceEdges(mesh, face, sides))
    return 0;
  const ON_MeshTopology& top = mesh.Topology();
  ON_Mesh neighbours;
  ON_SimpleArray<int> deleted;
  for (int s = 0; s < sides.Count(); s++)
  {
    const int edge = GetEdgeIndex(mesh, sides[s]);
    if (edge < 0)
    {
      SetError(L"Enable to get edge index");
      return 0;
    }
    const ON_3dPoint S = QORPoint::Average(sides[s].from, sides[s].to);
    const ON_MeshTopologyEdge& e = top.m_tope[edge];
    for (int k = 0; k < e.m_topf_count && k < 2; k++)
    {
      const int fi = e.m_topfi[k];
      if (fi == face || (k == 1 && e.m_topf_count != 2))
        continue;
      ON_3dPoint c[4];
      Corners(mesh, fi, c);
      ON_Mesh part;
      if (!CreateSplitFace(part, S, c[0], c[1], c[2], c[3]))
        return 0;
      neighbours.Append(part);
      deleted.Append(fi);
    }
  }
  deleted.Append(face);
  ON_3dPoint c[4];
  Corners(mesh, face, c);
  ON_Mesh subdivided;
  if (!CreateSubDividedFace(subdivided, c[0], c[1], c[2], c[3]))
    return 0;
  ON_Mesh result(mesh);
  DeleteFaces(result, deleted);
  result.Append(neighbours);
  result.Append(subdivided);
  return ReplaceIfValid(mesh, result);
}

// Each topological vertex moves once, for all its mesh vertices, from its edges' other ends.
int QORMesh::Smooth(ON_Mesh& mesh, double factor)
{
  if (factor == 0.0)
    return 1;
  const ON_MeshTopology& top = mesh.Topology();
  ON_Mesh result(mesh);
  const ON_3fPoint* V = mesh.m_V.Array();
  for (int v = 0; v < top.TopVertexCount(); v++)
  {
    const ON_MeshTopologyVertex& topv = top.m_topv[v];
    const ON_3fPoint& p = V[topv.m_vi[0]]; // the topological vertex's point
    const ON_3dPoint P(p.x, p.y, p.z);
    double x = P.x, y = P.y, z = P.z;
    for (int j = 0; j < topv.m_tope_count; j++)
    {
      const ON_MeshTopologyEdge& edge = top.m_tope[topv.m_topei[j]];
      const ON_3fPoint& q = V[top.m_topv[edge.m_topvi[edge.m_topvi[0] == v ? 1 : 0]].m_vi[0]];
      x += q.x;
      y += q.y;
      z += q.z;
    }
    const int count = topv.m_tope_count + 1;
    const ON_3dPoint A(x / count, y / count, z / count);
    ON_3dVector direction = A - P;
    const double distance = direction.Length();
    if (!(distance > 0.0) || !direction.Unitize())
      continue;
    const ON_3fPoint moved(P + direction * (factor * distance));
    for (int j = 0; j < topv.m_v_count; j++)
      result.m_V[topv.m_vi[j]] = moved;
  }
  return ReplaceIfValid(mesh, result);
}

int QORMesh::BreakQuad(ON_Mesh& mesh, int face)
{
  if (!CheckFace(mesh, face))
    return 0;
  if (!mesh.m_F[face].IsQuad())
  {
    SetError(L"Face is not a quad");
    return 0;
  }
  ON_3dPoint c[4];
  Corners(mesh, face, c);
  ON_Mesh result(mesh);
  DeleteFace(result, face);
  AddTriangle(result, c[0], c[1], c[2]);
  AddTriangle(result, c[2], c[3], c[0]);
  return ReplaceIfValid(mesh, result);
}

int QORMesh::BreakQuads(ON_Mesh& mesh, int mode, int* brokenCount)
{
  SetError(L"");
  const int quads = mesh.QuadCount();
  if (quads == 0)
  {
    if (brokenCount)
      *brokenCount = 0;
    return 1;
  }
  ON_Mesh result = WithVertices(mesh, mesh.FaceCount() + quads);
  int broken = 0;
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    const ON_MeshFace& f = mesh.m_F[fi];
    bool split = false;
    if (f.IsQuad())
    {
      if (mode == 2)
        split = true;
      else
        split = (IsFacePlanar(mesh, fi) == 1) == (mode == 0);
    }
    if (!split)
    {
      result.m_F.Append(f);
      continue;
    }
    result.m_F.Append(ON_MeshFace{{f.vi[0], f.vi[1], f.vi[2], f.vi[2]}});
    result.m_F.Append(ON_MeshFace{{f.vi[2], f.vi[3], f.vi[0], f.vi[0]}});
    broken++;
  }
  if (brokenCount)
    *brokenCount = broken;
  return ReplaceIfValid(mesh, result);
}

int QORMesh::IsFacePlanar(const ON_Mesh& mesh, int face)
{
  if (!CheckFace(mesh, face))
    return 0;
  ON_3dPoint c[4];
  if (Corners(mesh, face, c) == 3)
    return 1;
  ON_3dPointArray corners(4);
  corners.Append(4, c);
  const ON_PolylineCurve quad(corners);
  return quad.IsPlanar(nullptr, 1e-12) ? 1 : 0;
}

void QORMesh::SetZ(ON_Mesh& mesh, double z)
{
  const float height = static_cast<float>(z);
  for (int vi = 0; vi < mesh.VertexCount(); vi++)
    mesh.m_V[vi].z = height;
  Clean(mesh);
}

// ---------------------------------------------------------------------------------------------
// Plan view

int QORMesh::DeleteFacesWithPolygon(ON_Mesh& mesh, const ON_Polyline& polygon, int code)
{
  std::vector<char> keep(mesh.FaceCount(), 1);
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
    keep[fi] = QORPolygon2d::PointAndPolygon(GetFaceAveragePoint(mesh, fi), polygon, kTolerance) != code;
  KeepFaces(mesh, keep);
  return 1;
}
