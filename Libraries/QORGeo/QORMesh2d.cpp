#include "QORMesh2d.h"

#include "QORFacet2d.h"
#include "QORMesh.h"
#include "QORMeshInternal.h"
#include "QORPolygon2d.h"
#include "QORProgress.h"
#include "LastError.h"

#include <vector>

namespace
{

using namespace QORMeshInternal;

const double kTolerance = 0.0001;

// Twice the signed plan area of the triangle a, b, c.
double Cross(const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c)
{
  return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

} // namespace

ON_wString QORMesh2d::GetError() { return Platform::LastError<QORMesh2d, ON_wString>::Get(); }

void QORMesh2d::SetError(const ON_wString& text) { Platform::LastError<QORMesh2d, ON_wString>::Set(text); }

int QORMesh2d::SplitMesh(const ON_Mesh& mesh, const ON_Polyline& polygon, ON_Mesh& under, ON_Mesh& rest,
                         int showProgress)
{
  ON_Mesh in = WithVertices(mesh, mesh.FaceCount()), out = WithVertices(mesh, mesh.FaceCount());
  QORProgress progress("Studying mesh", "", 0, 100, nullptr);
  const int step = mesh.FaceCount() / 1000 + 1;
  if (showProgress)
  {
    progress.SetMax(mesh.FaceCount());
    progress.StartProgress();
  }
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    if (showProgress && fi % step == 0)
      progress.SetCurrent(fi);
    ON_3dPoint t[2][3];
    const int n = FaceTriangles(mesh, fi, t);
    bool overlaps = false;
    for (int k = 0; k < n && !overlaps; k++)
      overlaps = QORPolygon2d::FacetUnderPolygon(polygon, t[k][0], t[k][1], t[k][2], kTolerance) == 1;
    (overlaps ? in : out).m_F.Append(mesh.m_F[fi]);
  }
  if (showProgress)
    progress.EndProgress();
  QORMesh::Clean(in);
  QORMesh::Clean(out);
  under = std::move(in);
  rest = std::move(out);
  return 1;
}

// Faces wholly inside a hole are marked and removed together (looking each up by its corners
// and rebuilding the mesh per face would take time quadratic in the faces).
int QORMesh2d::SplitMesh(const ON_Mesh& mesh, const ON_ClassArray<ON_Polyline>& polygons, int outer, ON_Mesh& under,
                         ON_Mesh& rest, int showProgress)
{
  if (outer < 0 || outer >= polygons.Count())
  {
    SetError(L"Invalid polygon index");
    return 0;
  }
  ON_Mesh in, out;
  if (!SplitMesh(mesh, polygons[outer], in, out, showProgress))
    return 0;
  if (polygons.Count() > 1)
  {
    std::vector<char> keep(in.FaceCount(), 1);
    for (int fi = 0; fi < in.FaceCount(); fi++)
    {
      ON_3dPoint c[4];
      if (Corners(in, fi, c) == 3)
        c[3] = ON_3dPoint::UnsetPoint; // a triangle to IsFaceInsidePolygon and AddFace
      for (int j = 0; j < polygons.Count(); j++)
      {
        if (j == outer || !IsFaceInsidePolygon(polygons[j], c[0], c[1], c[2], c[3]))
          continue;
        keep[fi] = 0;
        QORMesh::AddFace(out, c[0], c[1], c[2], c[3]);
        break;
      }
    }
    in = Rebuild(in, keep);
    QORMesh::Clean(in);
    QORMesh::Clean(out);
  }
  under = std::move(in);
  rest = std::move(out);
  return 1;
}

int QORMesh2d::Make2D(ON_Mesh& mesh)
{
  ON_Mesh flat(mesh.FaceCount(), mesh.VertexCount(), false, false);
  for (int vi = 0; vi < mesh.VertexCount(); vi++)
    flat.m_V.Append(ON_3fPoint(mesh.m_V[vi].x, mesh.m_V[vi].y, 0.0f));
  flat.m_F = mesh.m_F;
  QORMesh::Clean(flat);
  if (!flat.IsValid())
    return 0;
  mesh = std::move(flat);
  return 1;
}

int QORMesh2d::IsFaceInsidePolygon(const ON_Polyline& polygon, const ON_3dPoint& A, const ON_3dPoint& B,
                                   const ON_3dPoint& C, const ON_3dPoint& D)
{
  for (const ON_3dPoint* p : {&A, &B, &C})
  {
    if (QORPolygon2d::PointAndPolygon(*p, polygon, kTolerance) != 0)
      return 0;
  }
  return !D.IsValid() || QORPolygon2d::PointAndPolygon(D, polygon, kTolerance) == 0 ? 1 : 0;
}

// A polygon of n corners that clips to fewer than n - 2 triangles (no further ear) fails: a
// partial triangulation covers only part of the polygon.
int QORMesh2d::TriangulatePolygon(const ON_Polyline& polygon, ON_Mesh& mesh)
{
  if (!polygon.IsClosed(0))
  {
    SetError(L"Polyline is not closed");
    return 0;
  }
  const int n = polygon.Count() - 1;
  std::vector<ON_3dPoint> contour(polygon.Array(), polygon.Array() + n);
  std::vector<int> triangles;
  if (n >= 3)
  {
    double area = 0.0;
    for (int p = n - 1, q = 0; q < n; p = q++)
      area += contour[p].x * contour[q].y - contour[q].x * contour[p].y;
    std::vector<int> list(n);
    for (int i = 0; i < n; i++)
      list[i] = area * 0.5 > 0.0 ? i : n - 1 - i;

    const double minimum = static_cast<double>(1e-10f);
    int nv = n, budget = 2 * nv, v = nv - 1;
    while (nv > 2)
    {
      if (budget-- <= 0)
        break; // no further ear
      int u = v;
      if (u >= nv)
        u = 0;
      v = u + 1 >= nv ? 0 : u + 1;
      const int w = v + 1 >= nv ? 0 : v + 1;
      const ON_3dPoint &A = contour[list[u]], &B = contour[list[v]], &C = contour[list[w]];
      bool ear = Cross(A, B, C) >= minimum;
      for (int p = 0; ear && p < nv; p++)
      {
        if (p == u || p == v || p == w)
          continue;
        const ON_3dPoint& P = contour[list[p]];
        ear = !(Cross(A, B, P) >= 0.0 && Cross(B, C, P) >= 0.0 && Cross(C, A, P) >= 0.0);
      }
      if (!ear)
        continue;
      triangles.insert(triangles.end(), {list[u], list[v], list[w]});
      list.erase(list.begin() + v);
      nv--;
      budget = 2 * nv;
    }
  }

  const int count = static_cast<int>(triangles.size()) / 3;
  ON_Mesh result(count, 3 * count, false, false);
  for (int k = 0; k < count; k++)
  {
    for (int j = 0; j < 3; j++)
      result.m_V.Append(ON_3fPoint(contour[triangles[3 * k + j]]));
    result.m_F.Append(ON_MeshFace{{3 * k, 3 * k + 1, 3 * k + 2, 3 * k + 2}});
  }
  QORMesh::Clean(result);
  if (!result.IsValid() || result.FaceCount() != n - 2)
  {
    SetError(L"Created mesh was invalid");
    return 0;
  }
  mesh = std::move(result);
  return 1;
}

int QORMesh2d::IsPointInsideMesh(const ON_Mesh& mesh, const ON_3dPoint& point)
{
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    ON_3dPoint t[2][3];
    const int n = FaceTriangles(mesh, fi, t);
    for (int k = 0; k < n; k++)
    {
      if (QORFacet2d::IsPointInsideFacet(t[k][0], t[k][1], t[k][2], point))
        return fi;
    }
  }
  return -1;
}
