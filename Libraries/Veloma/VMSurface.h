#pragma once

#include "WindowHandle.h"
#include "opennurbs.h"

// The drape: points seen along a direction become a grid of rows x columns points (the point
// matrix, row-major, rows along the drape frame's y axis) and a degree-2 NURBS surface whose
// control net is that grid; and the wraps of a closed mesh around points. All operations are
// static; a failure sets the error text. The long ones stop when the user asks (Ctrl-C,
// Platform::Interrupt): they fail with "Cancelled" and leave their outputs as they were.
class VMSurface
{
public:
  VMSurface();
  ~VMSurface();
  VMSurface(const VMSurface&);
  VMSurface& operator=(const VMSurface&);

  // Carries points into the drape frame (intoFrame nonzero) or back to world coordinates. The
  // frame's z axis is against the direction; the direction (0, 0, -1) leaves points untouched.
  // Fails for a zero or invalid direction.
  static int TransformPoints(ON_3dPointArray& points, const ON_3dVector& direction, int intoFrame, int showProgress);
  // Proposes rows and columns for points already in the frame, rows * columns about the point
  // count, following the aspect of their extent. The direction is not used. Fails without points.
  static int AnalyzePoints(const ON_3dPointArray& points, const ON_3dVector& direction, int& rows, int& columns);
  // The "Surface Parameters" dialog; 1 on OK with the values written back, 0 on Cancel.
  static int GetSurfaceParameters(int& rows, int& columns, double& probeDiameter, HWND* owner);

  // Grid over points in the frame: each grid point takes the highest point binned to it; the
  // others are interpolated along their row and column (fillGaps) or set to the floor height.
  static int CreatePointMatrix(const ON_3dPointArray& points, int rows, int columns, ON_3dPointArray& matrix,
                               int fillGaps, int showProgress);
  // Surface of order 3 x 3 whose control net is the matrix: columns along the first direction.
  static int CreateSurfaceFromPointMatrix(ON_NurbsSurface& surface, const ON_3dPointArray& matrix, int rows,
                                          int columns, int showProgress);
  // Moves every grid point by distance along the surface normal at its closest surface point,
  // then fits the surface again. Needs a valid surface fitted to the matrix.
  static int Offset(ON_3dPointArray& matrix, int rows, int columns, ON_NurbsSurface& surface, double distance,
                    int showProgress);
  // The whole drape. rows and columns are outputs (their values on entry are ignored).
  static int DrapeSurface(ON_3dPointArray& matrix, int& rows, int& columns, ON_NurbsSurface& surface,
                          const ON_3dPointArray& points, const ON_3dVector& direction, int fillGaps, int showProgress,
                          HWND* owner);

  // Closed mesh around the points: their concave power crust (concave nonzero) or convex hull.
  // The mesh is replaced on success and left untouched on failure ("Invalid mesh"). It is closed,
  // manifold and consistently oriented as stored: triangles whose vertices are distinct as floats
  // (vertices that round to one float position are welded, or where welding would break the
  // surface, kept apart on neighbouring floats), their doubles beside them. A surface that floats
  // cannot hold within a millionth of its size fails with "Mesh detail finer than single
  // precision holds at these coordinates".
  static int WrapMesh(ON_Mesh& mesh, const ON_3dPointArray& points, int concave, int showProgress);
  // Convex hull mesh, every extreme point kept and every face outwards; progress only for showProgress 1.
  static int WrapConvexMesh(ON_Mesh& mesh, const ON_3dPointArray& points, int showProgress);
  // Power crust mesh, triangulated. For showProgress 1 the library's reporter shows the run, its
  // passes (Delaunay tetrahedralisation, poles, power diagram, labelling, crust) on the status line.
  static int WrapConcaveMesh(ON_Mesh& mesh, const ON_3dPointArray& points, int showProgress);
  // The convex hull mesh of points in convex position, every point (exact repeats aside) one of
  // its vertices: for them the hull is the concave shape too. Fails with "Points not in convex
  // position" otherwise, and as WrapConvexMesh fails.
  static int WrapConvexPositionMesh(ON_Mesh& mesh, const ON_3dPointArray& points, int showProgress);

  static ON_wString GetError();
  static void SetError(const ON_wString& error);

protected:
  // Height of the missing grid point at index from its nearest known neighbours along its row and
  // column, weighted by inverse planar distance. The point is found by index; row and column are
  // not used.
  static int InterpolatePoint(ON_3dPointArray& matrix, int rows, int columns, int index, int row, int column,
                              double floorHeight);
};
