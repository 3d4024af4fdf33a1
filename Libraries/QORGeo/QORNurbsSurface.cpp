#include "QORNurbsSurface.h"
#include "LastError.h"

#include <memory>

ON_wString QORNurbsSurface::GetError() { return Platform::LastError<QORNurbsSurface, ON_wString>::Get(); }

void QORNurbsSurface::SetError(const ON_wString& text) { Platform::LastError<QORNurbsSurface, ON_wString>::Set(text); }

int QORNurbsSurface::Create(ON_NurbsSurface& surface, int countU, int countV, const ON_3dPointArray& points,
                            int dimension, int rational, int orderU, int orderV)
{
  if (countU < 0 || countV < 0 || static_cast<long long>(countU) * countV != points.Count())
  {
    SetError("Incorrect number of control points");
    return 0;
  }
  ON_NurbsSurface created;
  if (!created.Create(dimension, rational != 0, orderU, orderV, countU, countV))
  {
    SetError("Invalid Nurbs Surface");
    return 0;
  }
  for (int n = 0; n < points.Count(); n++)
    created.SetCV(n % countU, n / countU, points[n]);
  created.MakeClampedUniformKnotVector(0, 1.0);
  created.MakeClampedUniformKnotVector(1, 1.0);
  // The surface is handed on even when invalid, as callers may inspect it.
  surface = created;
  if (!surface.IsValid())
  {
    SetError("Invalid Nurbs Surface");
    return 0;
  }
  return 1;
}

int QORNurbsSurface::CreateQuad(ON_NurbsSurface& surface, const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C,
                                const ON_3dPoint& D)
{
  ON_NurbsSurface quad(3, false, 2, 2, 2, 2);
  quad.SetCV(0, 0, A);
  quad.SetCV(1, 0, B);
  quad.SetCV(1, 1, C);
  quad.SetCV(0, 1, D);
  for (int dir = 0; dir < 2; dir++)
  {
    quad.SetKnot(dir, 0, 0.0);
    quad.SetKnot(dir, 1, 1.0);
  }
  if (!quad.IsValid())
    return 0;
  surface = quad;
  return 1;
}

int QORNurbsSurface::CreateTriangle(ON_NurbsSurface& surface, const ON_3dPoint& A, const ON_3dPoint& B,
                                    const ON_3dPoint& C)
{
  return CreateQuad(surface, A, B, C, A);
}

int QORNurbsSurface::GetIsoCurves(const ON_NurbsSurface& surface, int dir, int count,
                                  ON_ClassArray<ON_NurbsCurve>& curves)
{
  if ((dir != 0 && dir != 1) || !surface.IsValid())
  {
    SetError("Invalid Nurbs Surface");
    return 0;
  }
  if (static_cast<long long>(count) * surface.CVCount(dir) > MaxIsoCurveVertices)
  {
    SetError("Too many iso-curves");
    return 0;
  }
  const ON_Interval across = surface.Domain(1 - dir);
  ON_ClassArray<ON_NurbsCurve> result;
  result.Reserve(count > 0 ? count : 0);
  for (int k = 0; k < count; k++)
  {
    // The last one lands on the domain end exactly.
    const double c = k == 0 ? across[0] : (k == count - 1 ? across[1] : across[0] + k * across.Length() / (count - 1));
    std::unique_ptr<ON_Curve> iso(surface.IsoCurve(dir, c));
    ON_NurbsCurve& nurbs = result.AppendNew();
    if (!iso || !iso->GetNurbForm(nurbs))
    {
      SetError("Invalid Nurbs Surface");
      return 0;
    }
  }
  curves = result;
  return 1;
}

int QORNurbsSurface::GetMesh(const ON_NurbsSurface& surface, int nu, int nv, ON_Mesh& mesh)
{
  if (nu < 2 || nv < 2 || !surface.IsValid())
  {
    SetError("Invalid mesh");
    return 0;
  }
  if (static_cast<long long>(nu) * nv > MaxMeshVertices)
  {
    SetError("Too many mesh vertices");
    return 0;
  }
  const ON_Interval d0 = surface.Domain(0), d1 = surface.Domain(1);
  const double step0 = d0.Length() / (nu - 1), step1 = d1.Length() / (nv - 1);
  ON_Mesh sampled((nu - 1) * (nv - 1), nu * nv, false, false);
  for (int i = 0; i < nu; i++)
    for (int j = 0; j < nv; j++)
      sampled.SetVertex(i * nv + j, surface.PointAt(d0[0] + i * step0, d1[0] + j * step1));
  int face = 0;
  for (int k = 0; k < nv * (nu - 1); k++)
    if ((k + 1) % nv != 0)
      sampled.SetQuad(face++, k, k + 1, k + 1 + nv, k + nv);
  sampled.Flip();
  if (!sampled.IsValid())
  {
    SetError("Invalid mesh");
    return 0;
  }
  mesh = sampled;
  return 1;
}
