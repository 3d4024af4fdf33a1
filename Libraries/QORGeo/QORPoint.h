#pragma once

#include "opennurbs.h"

// Point lists and the conversions of a point matrix (rows x columns points, row-major) into
// lines, polylines, NURBS curves, a NURBS surface or a quad mesh. Static only; failures set the
// class's error text.
class QORPoint
{
public:
  QORPoint() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Every coordinate becomes ON_UNSET_VALUE.
  static void Unset(ON_3dPoint& point);
  // 1 when the distance is at most the tolerance.
  static int Equal(const ON_3dPoint& a, const ON_3dPoint& b, double tolerance);
  // Mean of the points; ON_3dPoint::UnsetPoint for an empty list.
  static ON_3dPoint Average(const ON_3dPointArray& points);
  static ON_3dPoint Average(const ON_3dPoint& a, const ON_3dPoint& b);
  static void AppendPoints(ON_3dPointArray& target, const ON_3dPointArray& source);
  // Sorts ascending (x, then y, then z) and keeps one copy of each point; returns the number removed.
  static int RemoveDuplicates(ON_3dPointArray& points, int showProgress);
  // Removes the points equal to point (tolerance 0: byte for byte; otherwise within tolerance),
  // keeping the order of the rest; returns the number removed.
  static int DeletePoint(ON_3dPointArray& points, const ON_3dPoint& point, double tolerance);
  static int DeletePoints(ON_3dPointArray& points, const ON_3dPointArray& remove, double tolerance);
  // Index of the nearest point (the first of equals), -1 for an empty list.
  static int ClosestPointIndex(ON_3dPoint point, const ON_3dPointArray& points);

  // Horizontal results run along the rows, vertical ones along the columns. Each fails (0) only
  // when the matrix holds fewer than rows x columns points or a count is not positive.
  static int PointMatrixToLines(int rows, int columns, const ON_3dPointArray& matrix,
                                ON_ClassArray<ON_Line>& horizontal, ON_ClassArray<ON_Line>& vertical);
  static int PointMatrixToPolylines(int rows, int columns, const ON_3dPointArray& matrix,
                                    ON_ClassArray<ON_Polyline>& horizontal, ON_ClassArray<ON_Polyline>& vertical);
  // Degree-2 curves on the runs; a run of fewer than 3 points gives no curve.
  static int PointMatrixToNurbsCurves(int rows, int columns, const ON_3dPointArray& matrix,
                                      ON_ClassArray<ON_NurbsCurve>& horizontal, ON_ClassArray<ON_NurbsCurve>& vertical);
  // Columns control points in the first direction, rows in the second (QORNurbsSurface::Create).
  static int PointMatrixToNurbsSurface(int rows, int columns, const ON_3dPointArray& matrix, ON_NurbsSurface& surface);
  // One quad per grid cell, on double-precision vertices with their floats; the mesh is replaced
  // only when the result is valid. Unset points are gaps: no vertex, and a cell with one unset
  // corner becomes a triangle of the other three, one with more is left out.
  static int PointMatrixToMesh(int rows, int columns, const ON_3dPointArray& matrix, ON_Mesh& mesh);

private:
  static bool CheckMatrix(int rows, int columns, const ON_3dPointArray& matrix);
  static void Rows(int rows, int columns, const ON_3dPointArray& matrix, ON_ClassArray<ON_3dPointArray>& runs);
  static void Columns(int rows, int columns, const ON_3dPointArray& matrix, ON_ClassArray<ON_3dPointArray>& runs);
};
