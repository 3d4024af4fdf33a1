#pragma once

#include "opennurbs_2dpointarray.h"
#include "opennurbs_2fpoint.h"
#include "opennurbs_array.h"
#include "opennurbs_color.h"
#include "opennurbs_geometry.h"
#include "opennurbs_interval.h"
#include "opennurbs_surfacecurvature.h"
#include "opennurbs_uuid.h"
#include "opennurbs_meshface.h"
#include "opennurbs_meshpartition.h"
#include "opennurbs_meshtopology.h"

#include <memory>

// Polygon mesh of triangles and quads on single-precision vertices, with optional double-precision
// vertices, vertex normals, face normals, texture coordinates, surface parameters, principal
// curvatures and vertex colours (each used only when its count matches).
class ON_CLASS ON_Mesh : public ON_Geometry
{
  ON_OBJECT_DECLARE(ON_Mesh);

public:
  ON_Mesh();
  // Reserves room for the faces, the vertices and, when asked, their normals and texture coordinates.
  ON_Mesh(int initial_face_array_capacity, int initial_vertex_array_capacity, bool has_vertex_normals,
          bool has_texture_coordinates);
  ON_Mesh(const ON_Mesh& src);
  ON_Mesh(ON_Mesh&& src) noexcept;
  ON_Mesh& operator=(const ON_Mesh& src);
  ON_Mesh& operator=(ON_Mesh&& src) noexcept;
  ~ON_Mesh() override;

  void Destroy();

  // Version 4/5 rules: at least one face and three vertices, every vertex finite, every face
  // valid by its indices, vertex normals (when present) of unit length. Unlike the toolkit, the
  // counts of texture coordinates and surface parameters are not checked: edits that add vertices
  // leave them behind, and a mismatched array is unused (dropped by Compact, not written).
  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  ON::object_type ObjectType() const override;
  int Dimension() const override;
  // Box of all vertices, used or not; false (box untouched) without a face or three vertices.
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;

  int VertexCount() const;
  int FaceCount() const;
  int QuadCount() const;
  int TriangleCount() const;
  int InvalidFaceCount() const;
  bool HasVertexNormals() const;
  bool HasFaceNormals() const;
  bool HasVertexColors() const;
  bool HasTextureCoordinates() const;
  bool HasSurfaceParameters() const;
  bool HasPrincipalCurvatures() const;

  // Double-precision vertices (m_dV), the toolkit's version-6 form (version 5 kept them as user
  // data). In use when their count is the vertex count; each float is then its double rounded.
  // Code that moves m_V alone (written for floats only) leaves a stale double: a vertex whose
  // float is not its double rounded counts as its float, and UpdateDoublePrecisionVertices renews it.
  bool HasDoublePrecisionVertices() const;
  bool HasSinglePrecisionVertices() const;
  // Vertices present, doubles in use and every float its double rounded.
  bool HasSynchronizedDoubleAndSinglePrecisionVertices() const;
  // m_V from m_dV after the doubles were changed; nothing without doubles.
  void UpdateSinglePrecisionVertices();
  // m_dV from m_V after the floats were changed: creates the doubles when absent, otherwise
  // replaces those whose float no longer matches.
  void UpdateDoublePrecisionVertices();
  void DestroyDoublePrecisionVertices();
  // The doubles, created from the floats first when absent.
  ON_3dPointArray& DoublePrecisionVertices();
  const ON_3dPointArray& DoublePrecisionVertices() const;
  // The double when in use and not stale, else the float; the unset point out of range.
  ON_3dPoint Vertex(int vertex_index) const;

  // An index equal to the vertex count appends; larger indexes are refused. Doubles in use are
  // set too.
  bool SetVertex(int vertex_index, const ON_3dPoint& point);
  bool SetVertex(int vertex_index, const ON_3fPoint& point);
  // The face is stored even when invalid; the result tells whether it is valid. An index equal
  // to the face count appends.
  bool SetTriangle(int face_index, int a, int b, int c);
  bool SetQuad(int face_index, int a, int b, int c, int d);

  // Repairs or removes degenerate faces, removes unused vertices and drops attribute arrays whose
  // count does not match. A mesh left without faces is destroyed. Always true.
  bool Compact();
  // Faces with corners out of range or at one location are repaired where a triangle remains,
  // otherwise removed. Returns the number removed.
  int CullDegenerateFaces();
  // Removes vertices that no face uses, keeping the order of the others. Returns the number removed.
  int CullUnusedVertices();

  // Appends faces and vertices; attribute arrays survive only when every part has them.
  void Append(const ON_Mesh& mesh);
  void Append(int count, const ON_Mesh* const* meshes);

  // Splits each valid quad on its shorter diagonal (a-c on a tie); the second triangles are
  // appended after the existing faces. True when only triangles remain.
  bool ConvertQuadsToTriangles();

  void Flip();
  void FlipFaceOrientation();
  void FlipFaceNormals();
  void FlipVertexNormals();

  // Built on first use and kept until the mesh is changed through its member functions or
  // DestroyTopology() is called.
  const ON_MeshTopology& Topology() const;
  void DestroyTopology();
  // Splits the mesh into parts of at most max_vertex_count vertices and max_triangle_count
  // triangles (a quad counting two). A mesh within both limits is one part and is not changed, and
  // the partition records its own counts as the limits. Otherwise the faces are put in the order
  // of their centres along a space-filling curve (the toolkit walks an R-tree), parts are filled
  // in that order while a quad still fits, and each part gets its own copies of the vertices it
  // uses. An existing partition made with limits no larger is kept. Null for limits below 3
  // vertices or 1 triangle, a mesh with invalid faces or without faces, or a quad in a part that
  // holds only one triangle. Destroyed with the topology when the mesh changes.
  const ON_MeshPartition* CreatePartition(int max_vertex_count, int max_triangle_count);
  const ON_MeshPartition* Partition() const;
  void DestroyPartition();
  void DestroyRuntimeCache(bool bDelete = true);
  // Bounding boxes are computed on demand; the call is kept for the toolkit's interface.
  void InvalidateBoundingBoxes();

  ON_3dPointArray m_dV;
  ON_3fPointArray m_V;
  ON_SimpleArray<ON_MeshFace> m_F;
  ON_3fVectorArray m_N;                    // vertex normals
  ON_3fVectorArray m_FN;                   // face normals
  ON_SimpleArray<ON_Color> m_C;            // vertex colours
  ON_SimpleArray<ON_2fPoint> m_T;          // texture coordinates
  ON_2dPointArray m_S;                     // parameters of the surface the mesh came from
  ON_SimpleArray<ON_SurfaceCurvature> m_K; // principal curvatures of that surface
  ON_Interval m_srf_domain[2] = {ON_Interval(ON_UNSET_VALUE, ON_UNSET_VALUE),
                                 ON_Interval(ON_UNSET_VALUE, ON_UNSET_VALUE)}; // domain of m_S, unset when unknown
  double m_srf_scale[2] = {0.0, 0.0}; // world lengths of the surface domain, 0 when unknown
  ON_Interval m_packed_tex_domain[2] = {ON_Interval(0.0, 1.0), ON_Interval(0.0, 1.0)}; // m_T's part of a packed texture
  bool m_packed_tex_rotate = false;                                                    // the packed texture is rotated
  ON_UUID m_texture_mapping_id = ON_nil_uuid;                                          // texture mapping that gave m_T

private:
  void CopyFrom(const ON_Mesh& src);
  // The surface domains and scales and the packed texture of src.
  void CopySurfaceDataFrom(const ON_Mesh& src);
  bool WriteSurfaceHeader(ON_BinaryArchive& archive) const;
  bool ReadSurfaceHeader(ON_BinaryArchive& archive);
  bool ReadVertexArrays(ON_BinaryArchive& archive, int major, int vertex_count);
  bool ReadTextureTail(ON_BinaryArchive& archive, int major, int minor, int vertex_count);
  bool HasConsistentVertexArrays(int vertex_count) const;
  void MoveFrom(ON_Mesh& src);
  // Calls visit(member) with a pointer to each optional array that follows the vertex numbering:
  // double-precision vertices, normals, colours, texture coordinates, surface parameters and
  // principal curvatures.
  template <class Visit>
  static void ForEachVertexAttribute(Visit&& visit)
  {
    visit(&ON_Mesh::m_dV);
    visit(&ON_Mesh::m_N);
    visit(&ON_Mesh::m_C);
    visit(&ON_Mesh::m_T);
    visit(&ON_Mesh::m_S);
    visit(&ON_Mesh::m_K);
  }
  // Whether an optional per-vertex array holds a value for every vertex.
  template <class Array>
  bool CoversVertices(const Array& values) const
  {
    return values.Count() > 0 && values.Count() == VertexCount();
  }
  void DropMismatchedAttributes();
  bool RepairFace(ON_MeshFace& face) const;
  bool SameLocation(const ON_MeshFace& face, int i, int j) const;
  ON_3fVector FaceNormal(const ON_MeshFace& face) const;
  void SplitQuad(int face_index);

  mutable ON_MeshTopology m_top;
  std::unique_ptr<ON_MeshPartition> m_partition;
};
