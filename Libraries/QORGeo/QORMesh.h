#pragma once

#include "opennurbs.h"

// Mesh operations of the geometry library. Static only; failures set the class's error text.
class QORMesh
{
public:
  QORMesh() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Drops the mesh's topology, partition and caches, then compacts it.
  static void Clean(ON_Mesh& mesh);

  // Appends one face with vertices of its own; 0 (mesh untouched) when its topology is invalid,
  // as for a degenerate face.
  static int AddTriangle(ON_Mesh& mesh, const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c);
  static int AddQuad(ON_Mesh& mesh, const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c, const ON_3dPoint& d);
  // A quad when the fourth point is valid, else the triangle of the first three.
  static int AddFace(ON_Mesh& mesh, const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c, const ON_3dPoint& d);

  // Appends every mesh of the list, in order, to the given mesh.
  static void Combine(const ON_ClassArray<ON_Mesh>& meshes, ON_Mesh& mesh);
  // Replaces the list's content with the mesh's edge-connected parts, one mesh each, in order of
  // their first face (see the source for what each part keeps); the list is untouched on failure.
  static int ExtractShells(const ON_Mesh& mesh, ON_ClassArray<ON_Mesh>& meshes);

  // Editing. An edit that can fail builds its result apart, cleans it, tests it with
  // ON_Mesh::IsValid and only then replaces the mesh ("Operation results in an invalid mesh"
  // otherwise). Points given for vertices are compared in single precision, byte for byte; edge
  // and face indexes outside the mesh fail with "Invalid edge index" or "Invalid face index".
  // Topological edge numbers hold until the mesh next changes.

  // Faces whose topological face is not valid (corners at one location, or missing sides).
  static int NumInvalidFaces(const ON_Mesh& mesh);
  // Removes them; deletedCount receives their number. 1 at once, the count untouched, when
  // there are none.
  static int DeleteInvalidFaces(ON_Mesh& mesh, int& deletedCount);
  // Moves every mesh vertex at the point's location. invalidCount receives the number of faces
  // the move left without area, which are removed when deleteInvalid is 1 and otherwise left to
  // the clean-up (a quad with one side collapsed stays as a triangle).
  static int MoveVertexTo(ON_Mesh& mesh, const ON_3dPoint& point, const ON_3dPoint& target, int deleteInvalid,
                          int& invalidCount);
  static int MoveVertexTo(ON_Mesh& mesh, const ON_3dPoint& point, const ON_3dPoint& target);
  static int MoveVertexBy(ON_Mesh& mesh, const ON_3dPoint& point, const ON_3dVector& offset);
  // Replaces points with the vertices that share an edge with the point's vertex, in the order of
  // the topology's edges.
  static int GetConnectedVertices(const ON_Mesh& mesh, const ON_3dPoint& point, ON_3dPointArray& points);
  // Removes every face on an edge of the vertex.
  static int DeleteVertex(ON_Mesh& mesh, const ON_3dPoint& point);

  // The first edge whose ends are within 0.0001 of the line's, in either direction; -1 if none.
  static int GetEdgeIndex(const ON_Mesh& mesh, const ON_Line& line);
  // The edge's ends, lower topological vertex first; untouched for an invalid index.
  static void GetEdgeVertices(const ON_Mesh& mesh, int edge, ON_3dPoint& start, ON_3dPoint& end);
  // Appends every edge as a line, in edge order.
  static void GetEdges(const ON_Mesh& mesh, ON_ClassArray<ON_Line>& lines);
  // Removes the first two faces on the edge (the only one on a boundary).
  static int DeleteEdge(ON_Mesh& mesh, int edge);
  static int DeleteEdge(ON_Mesh& mesh, const ON_Line& line);
  static int MoveEdgeBy(ON_Mesh& mesh, int edge, const ON_3dVector& offset);
  // Replaces the diagonal shared by two triangles with the other diagonal of their quadrilateral,
  // which must be convex in plan; each new triangle keeps the orientation of the one it replaces.
  static int SwapEdge(ON_Mesh& mesh, int edge);
  static int SwapEdge(ON_Mesh& mesh, const ON_Line& line);
  // Moves both ends to the edge's midpoint; faces left without area are removed.
  static int CollapseEdge(ON_Mesh& mesh, int edge);
  // Splits the edge's faces at the point of the edge nearest to the given point.
  static int SplitEdge(ON_Mesh& mesh, int edge, const ON_3dPoint& point);

  // Append the face's corners (3 or 4), or its sides as lines, in corner order.
  static int GetFaceVertices(const ON_Mesh& mesh, int face, ON_3dPointArray& points);
  static int GetFaceEdges(const ON_Mesh& mesh, int face, ON_ClassArray<ON_Line>& lines);
  // Mean of the corners; an unset point for an invalid index.
  static ON_3dPoint GetFaceAveragePoint(const ON_Mesh& mesh, int face);
  // The first face, a quad when D is valid and a triangle otherwise, whose corner mean is within
  // 0.0001 of that of the given corners; -1 if none.
  static int GetFaceIndex(const ON_Mesh& mesh, const ON_3dPoint& A, const ON_3dPoint& B, const ON_3dPoint& C,
                          const ON_3dPoint& D);
  static int DeleteFace(ON_Mesh& mesh, int face);
  static int DeleteFaces(ON_Mesh& mesh, const ON_SimpleArray<int>& faces);
  static int MoveFaceBy(ON_Mesh& mesh, int face, const ON_3dVector& offset);
  // Moves the corners to their mean.
  static int CollapseFace(ON_Mesh& mesh, int face);
  // Reverses the face, which becomes the last face, with vertices of its own.
  static int FlipFace(ON_Mesh& mesh, int face);
  // Replaces the face with a fan of triangles around the point.
  static int SplitFace(ON_Mesh& mesh, int face, const ON_3dPoint& point);
  // The triangles that split face ABCD (D equal to C for a triangle) at a point S on one of its
  // sides, in a new mesh assigned to result.
  static int CreateSplitFace(ON_Mesh& result, const ON_3dPoint& S, const ON_3dPoint& A, const ON_3dPoint& B,
                             const ON_3dPoint& C, const ON_3dPoint& D);

  // Analysis.

  // Edges with exactly one face.
  static int GetBoundaryEdgeCount(const ON_Mesh& mesh);
  // Appends the closed loops of boundary edges as closed polylines; outer receives the index of
  // the loop widest in x, or -1 when none has a width in x. Fails, appending nothing, when no
  // loop closes.
  static int GetBoundaryPolylines(const ON_Mesh& mesh, ON_ClassArray<ON_Polyline>& polylines, int& outer,
                                  int showProgress);
  // The loop widest in x; fails when there is none.
  static int GetOuterBoundary(const ON_Mesh& mesh, ON_Polyline& polyline, int showProgress);
  // Replaces meshes with the parts of the mesh's triangles (quads split) of at most the given
  // vertex and triangle counts.
  static int PartitionMesh(const ON_Mesh& mesh, ON_ClassArray<ON_Mesh>& meshes, int maxVertices, int maxTriangles);
  // Part index of the mesh's partition (ON_Mesh::CreatePartition) as a mesh of its own.
  static int GetMeshPartition(const ON_Mesh& mesh, int index, ON_Mesh& part);
  // Appends each topological vertex's location; returns their number.
  static int ExtractPoints(const ON_Mesh& mesh, ON_3dPointArray& points);
  // The nearest vertex, edge or face no farther than maxDistance (the lower index of equals);
  // 0 or -1 when there is none.
  static int GetClosestVertex(const ON_Mesh& mesh, const ON_3dPoint& point, ON_3dPoint& closest, double maxDistance);
  static int GetClosestEdgeIndex(const ON_Mesh& mesh, const ON_3dPoint& point, double maxDistance);
  static int GetClosestFaceIndex(const ON_Mesh& mesh, const ON_3dPoint& point, double maxDistance);
  // The nearest point where the ray from the line's start through its end meets a face.
  static int IntersectRay(const ON_Mesh& mesh, const ON_Line& ray, ON_3dPoint& hit);
  // Where the vertical line through the point meets the first face, in face order, above or below.
  static int DropPointOnMesh(const ON_Mesh& mesh, const ON_3dPoint& point, ON_3dPoint& result);
  // The first face within tolerance of the point; -1 if none.
  static int IsPointOnMesh(const ON_Mesh& mesh, const ON_3dPoint& point, double tolerance);
  // Reverses every face whose normal (from its first three corners) points down; flipped
  // receives their number. The second form returns it, or -1 on failure.
  static int FaceUpwards(ON_Mesh& mesh, int& flipped);
  static int FaceUpwards(ON_Mesh& mesh);

  // Refinement.

  // Every triangle into four triangles, every quad into four quads, at the sides' midpoints.
  static int SubDivide(ON_Mesh& mesh);
  // The same for one face, its neighbours split at the midpoints of the sides they share.
  static int SubDivideFace(ON_Mesh& mesh, int face);
  // The four faces of ABCD (a triangle when C equals D) in a new mesh assigned to result.
  static int CreateSubDividedFace(ON_Mesh& result, ON_3dPoint A, ON_3dPoint B, ON_3dPoint C, ON_3dPoint D);
  // One pass of Laplacian smoothing: each vertex moves factor times the way to the mean of
  // itself and its neighbours.
  static int Smooth(ON_Mesh& mesh, double factor);
  // Splits the quad into the triangles (0, 1, 2) and (2, 3, 0).
  static int BreakQuad(ON_Mesh& mesh, int face);
  // Splits all quads (mode 2), the planar ones (mode 0) or the others (any other mode); the
  // count, when asked for, receives how many. Clears the error text.
  static int BreakQuads(ON_Mesh& mesh, int mode, int* brokenCount);
  // 1 for a triangle and for a quad whose corners lie in one plane within 1e-12.
  static int IsFacePlanar(const ON_Mesh& mesh, int face);
  static void SetZ(ON_Mesh& mesh, double z);

  // Plan view.

  // Removes the faces whose corner mean has the given point-polygon code with the polygon
  // (QORPolygon2d::PointAndPolygon, tolerance 0.0001: 0 inside, 1 on the boundary, 2 outside).
  static int DeleteFacesWithPolygon(ON_Mesh& mesh, const ON_Polyline& polygon, int code);

private:
  static int AppendIfValid(ON_Mesh& mesh, ON_Mesh& face);
  static int CheckEdge(const ON_Mesh& mesh, int edge);
  static int CheckFace(const ON_Mesh& mesh, int face);
  static int FindVertex(const ON_Mesh& mesh, const ON_3dPoint& point);
  static int ReplaceIfValid(ON_Mesh& mesh, ON_Mesh& result);
};
