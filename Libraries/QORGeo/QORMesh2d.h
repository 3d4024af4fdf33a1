#pragma once

#include "opennurbs.h"

// Mesh operations in plan (the XY projection): splitting a mesh by polygons, flattening,
// ear-clipping triangulation of a polygon and the face under a point. Static only; failures set
// the class's error text.
class QORMesh2d
{
public:
  QORMesh2d() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Replaces under with the faces that overlap the polygon in plan (touching or crossing its
  // boundary, or containing it) and rest with the others, both keeping the faces' corners.
  static int SplitMesh(const ON_Mesh& mesh, const ON_Polyline& polygon, ON_Mesh& under, ON_Mesh& rest,
                       int showProgress);
  // The same with polygon outer of the list; the other polygons are holes: faces wholly inside
  // one move from under to rest, with vertices of their own. Fails for an outer index outside
  // the list.
  static int SplitMesh(const ON_Mesh& mesh, const ON_ClassArray<ON_Polyline>& polygons, int outer, ON_Mesh& under,
                       ON_Mesh& rest, int showProgress);
  // Every vertex at z = 0; 0 (no error text, mesh unchanged) when the result is not valid.
  static int Make2D(ON_Mesh& mesh);
  // 1 when A, B, C and, when valid, D lie strictly inside the polygon.
  static int IsFaceInsidePolygon(const ON_Polyline& polygon, const ON_3dPoint& A, const ON_3dPoint& B,
                                 const ON_3dPoint& C, const ON_3dPoint& D);
  // Ear clipping of a closed polyline in plan into n - 2 triangles for n corners, each with
  // vertices of its own at the corners' heights; fails unless every corner is clipped.
  static int TriangulatePolygon(const ON_Polyline& polygon, ON_Mesh& mesh);
  // The first face under the point in plan; -1 if none.
  static int IsPointInsideMesh(const ON_Mesh& mesh, const ON_3dPoint& point);
};
