#pragma once

#include "opennurbs.h"

// NURBS surface operations of the geometry library. Static only; failures set the class's error text.
class QORNurbsSurface
{
public:
  QORNurbsSurface() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Clamped uniform surface (knot spacing 1) on countU x countV control points, point n at
  // (n mod countU, n div countU); weights 1 when rational. Fails without touching the surface when
  // the point count is wrong or a count is below its order.
  static int Create(ON_NurbsSurface& surface, int countU, int countV, const ON_3dPointArray& points, int dimension,
                    int rational, int orderU, int orderV);

  // Bilinear surface with corners (0,0) = A, (1,0) = B, (1,1) = C, (0,1) = D over [0,1] x [0,1];
  // 0, surface untouched and no error text, when it is not valid.
  static int CreateQuad(ON_NurbsSurface& surface, const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C,
                        const ON_3dPoint& D);
  // CreateQuad(surface, A, B, C, A).
  static int CreateTriangle(ON_NurbsSurface& surface, const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C);
  // Replaces curves with count NURBS iso-curves running in direction dir (0 or 1), at constant
  // parameters spread evenly over the other direction's domain from its start to its end (one
  // curve: at the start). 0 (error text set, curves untouched) for an invalid surface or direction,
  // or more than MaxIsoCurveVertices control points in all.
  static int GetIsoCurves(const ON_NurbsSurface& surface, int dir, int count, ON_ClassArray<ON_NurbsCurve>& curves);
  // Quad mesh of the surface sampled on nu x nv points evenly over its domain (vertex i * nv + j at
  // parameter step i in direction 0 and step j in direction 1), faces turned opposite to (i, j).
  // 0 with "Invalid mesh" when the result is not valid (fewer than 2 points a direction included),
  // "Too many mesh vertices" past MaxMeshVertices; the mesh is replaced only on success.
  static int GetMesh(const ON_NurbsSurface& surface, int nu, int nv, ON_Mesh& mesh);

  static const int MaxIsoCurveVertices = 10000000;
  static const int MaxMeshVertices = 16777216;
};
