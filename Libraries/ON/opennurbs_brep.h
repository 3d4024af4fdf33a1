#pragma once

#include "opennurbs_bounding_box.h"
#include "opennurbs_classarray.h"
#include "opennurbs_curveproxy.h"
#include "opennurbs_pointgeometry.h"
#include "opennurbs_simplearray.h"
#include "opennurbs_surfaceproxy.h"

// Boundary representation: faces on surfaces, bounded by loops of trims (2-D curves in the face's
// parameter space) that run along edges (3-D curves) between vertices. Components refer to each
// other by index into the brep's arrays:
//   m_F[fi].m_si -> m_S, m_F[fi].m_li -> m_L;  m_L[li].m_fi -> m_F, m_L[li].m_ti -> m_T;
//   m_T[ti].m_c2i -> m_C2, m_T[ti].m_ei -> m_E, m_T[ti].m_li -> m_L, m_T[ti].m_vi -> m_V;
//   m_E[ei].m_c3i -> m_C3, m_E[ei].m_vi -> m_V, m_E[ei].m_ti -> m_T;  m_V[vi].m_ei -> m_E.

class ON_Brep;
class ON_Mesh;
class ON_BrepTrim;
class ON_BrepLoop;
class ON_BrepFace;

class ON_CLASS ON_BrepVertex : public ON_Point
{
  ON_OBJECT_DECLARE(ON_BrepVertex);

public:
  int m_vertex_index = -1;  // index in m_V
  ON_SimpleArray<int> m_ei; // edges starting or ending here (a closed edge twice)
  double m_tolerance = ON_UNSET_VALUE;

  ON_BrepVertex() = default;
  explicit ON_BrepVertex(int vertex_index);

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  bool SetPoint(const ON_3dPoint& point);
  ON_3dPoint Point() const;
  double Tolerance() const;
  int EdgeCount() const;
};

// An edge shows its 3-D curve m_C3[m_c3i] (or a part of it) as a curve.
class ON_CLASS ON_BrepEdge : public ON_CurveProxy
{
  ON_OBJECT_DECLARE(ON_BrepEdge);

public:
  int m_edge_index = -1;    // index in m_E
  int m_c3i = -1;           // 3-D curve
  int m_vi[2] = {-1, -1};   // start and end vertices (equal for a closed edge)
  ON_SimpleArray<int> m_ti; // trims that use the edge
  double m_tolerance = ON_UNSET_VALUE;

  ON_BrepEdge() = default;
  explicit ON_BrepEdge(int edge_index);

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  ON_Brep* Brep() const;
  ON_BrepTrim* Trim(int eti) const;
  int TrimCount() const;
  ON_BrepVertex* Vertex(int evi) const;
  int EdgeCurveIndexOf() const;
  const ON_Curve* EdgeCurveOf() const;

private:
  friend class ON_Brep;
  ON_Brep* m_brep = nullptr;
};

// A trim shows its 2-D curve m_C2[m_c2i] as a curve.
class ON_CLASS ON_BrepTrim : public ON_CurveProxy
{
  ON_OBJECT_DECLARE(ON_BrepTrim);

public:
  enum TYPE
  {
    unknown = 0,
    boundary = 1, // the only trim of its edge
    mated = 2,    // its edge is used by a trim of another loop too
    seam = 3,     // another trim of the same loop uses its edge
    singular = 4, // along a collapsed side of the surface, no edge
    crvonsrf = 5,
    ptonsrf = 6, // a point on the surface, no edge and no 2-D curve
    slit = 7,
    trim_type_count = 8
  };

  int m_trim_index = -1;  // index in m_T
  int m_c2i = -1;         // 2-D curve
  int m_ei = -1;          // edge, -1 for singular trims
  int m_vi[2] = {-1, -1}; // start and end vertices
  bool m_bRev3d = false;  // the trim runs against its edge
  TYPE m_type = unknown;
  ON_Surface::ISO m_iso = ON_Surface::not_iso;
  int m_li = -1; // loop
  double m_tolerance[2] = {ON_UNSET_VALUE, ON_UNSET_VALUE};
  ON_BoundingBox m_pbox; // parameter-space box of the 2-D curve

  ON_BrepTrim() = default;
  explicit ON_BrepTrim(int trim_index);

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  ON_Brep* Brep() const;
  ON_BrepLoop* Loop() const;
  ON_BrepFace* Face() const;
  ON_BrepEdge* Edge() const;
  ON_BrepVertex* Vertex(int tvi) const;
  const ON_Curve* TrimCurveOf() const;
  const ON_Curve* EdgeCurveOf() const;
  const ON_Surface* SurfaceOf() const;
  int TrimCurveIndexOf() const;
  int EdgeCurveIndexOf() const;
  int SurfaceIndexOf() const;
  int FaceIndexOf() const;

private:
  friend class ON_Brep;
  ON_Brep* m_brep = nullptr;
};

class ON_CLASS ON_BrepLoop : public ON_Geometry
{
  ON_OBJECT_DECLARE(ON_BrepLoop);

public:
  enum TYPE
  {
    unknown = 0,
    outer = 1, // counter-clockwise in parameter space
    inner = 2, // clockwise
    slit = 3,
    crvonsrf = 4,
    ptonsrf = 5,
    type_count = 6
  };

  int m_loop_index = -1;    // index in m_L
  ON_SimpleArray<int> m_ti; // trims in order
  TYPE m_type = unknown;
  int m_fi = -1;         // face
  ON_BoundingBox m_pbox; // parameter-space box

  ON_BrepLoop() = default;
  explicit ON_BrepLoop(int loop_index);

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  // 2: the loop lives in its face's parameter space.
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  ON_Brep* Brep() const;
  ON_BrepFace* Face() const;
  ON_BrepTrim* Trim(int lti) const;
  int TrimCount() const;
  int IndexOfTrim(const ON_BrepTrim& trim) const;
  int SurfaceIndexOf() const;
  const ON_Surface* SurfaceOf() const;

private:
  friend class ON_Brep;
  ON_Brep* m_brep = nullptr;
};

// A face shows its surface m_S[m_si].
class ON_CLASS ON_BrepFace : public ON_SurfaceProxy
{
  ON_OBJECT_DECLARE(ON_BrepFace);

public:
  int m_face_index = -1;    // index in m_F
  ON_SimpleArray<int> m_li; // loops, the outer one first
  int m_si = -1;            // surface
  bool m_bRev = false;      // the face's normal is opposite to the surface's
  int m_face_material_channel = 0;
  // Box kept from a file of the legacy form; empty otherwise.
  ON_BoundingBox m_bbox;
  // Display mesh cached with the face in its file; the face owns it, copies duplicate it.
  ON_Mesh* m_render_mesh = nullptr;

  ON_BrepFace() = default;
  explicit ON_BrepFace(int face_index);
  ON_BrepFace(const ON_BrepFace& src);
  ON_BrepFace(ON_BrepFace&& src) noexcept;
  ON_BrepFace& operator=(const ON_BrepFace& src);
  ON_BrepFace& operator=(ON_BrepFace&& src) noexcept;
  ~ON_BrepFace() override;

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  // m_bbox when set; else the box of the control points of the surface over the outer loop's
  // parameter box, widened by a tenth each side.
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  ON_Brep* Brep() const;
  ON_BrepLoop* Loop(int fli) const;
  int LoopCount() const;
  ON_BrepLoop* OuterLoop() const;
  int SurfaceIndexOf() const;
  const ON_Surface* SurfaceOf() const;

private:
  friend class ON_Brep;
  ON_Brep* m_brep = nullptr;
};

// Owning lists of curves and surfaces: Destroy() and the destructor delete the elements.
class ON_CLASS ON_CurveArray : public ON_SimpleArray<ON_Curve*>
{
public:
  ON_CurveArray() = default;
  ON_CurveArray(const ON_CurveArray&) = delete;
  ON_CurveArray& operator=(const ON_CurveArray&) = delete;
  ~ON_CurveArray() override;
  void Destroy();
  // Appends heap copies of src's curves (null stays null).
  bool Duplicate(ON_CurveArray& dst) const;
};

class ON_CLASS ON_SurfaceArray : public ON_SimpleArray<ON_Surface*>
{
public:
  ON_SurfaceArray() = default;
  ON_SurfaceArray(const ON_SurfaceArray&) = delete;
  ON_SurfaceArray& operator=(const ON_SurfaceArray&) = delete;
  ~ON_SurfaceArray() override;
  void Destroy();
  bool Duplicate(ON_SurfaceArray& dst) const;
};

class ON_CLASS ON_BrepVertexArray : public ON_ClassArray<ON_BrepVertex>
{
};
class ON_CLASS ON_BrepEdgeArray : public ON_ClassArray<ON_BrepEdge>
{
};
class ON_CLASS ON_BrepTrimArray : public ON_ClassArray<ON_BrepTrim>
{
};
class ON_CLASS ON_BrepLoopArray : public ON_ClassArray<ON_BrepLoop>
{
};
class ON_CLASS ON_BrepFaceArray : public ON_ClassArray<ON_BrepFace>
{
};

class ON_CLASS ON_Brep : public ON_Geometry
{
  ON_OBJECT_DECLARE(ON_Brep);

public:
  ON_CurveArray m_C2;  // 2-D trimming curves
  ON_CurveArray m_C3;  // 3-D edge curves
  ON_SurfaceArray m_S; // face surfaces
  ON_BrepVertexArray m_V;
  ON_BrepEdgeArray m_E;
  ON_BrepTrimArray m_T;
  ON_BrepLoopArray m_L;
  ON_BrepFaceArray m_F;

  ON_Brep() = default;
  // Deep copy: curves and surfaces are duplicated and the components point into the copy.
  ON_Brep(const ON_Brep& src);
  ON_Brep& operator=(const ON_Brep& src);
  ~ON_Brep() override;

  void Destroy();

  // Indices in range and mutually consistent, geometry present and valid, vertices at the ends of
  // their edges and trims, loops closed in parameter space, every face with an outer loop first.
  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  int Dimension() const override;
  ON::object_type ObjectType() const override;
  // Writes data version 3.2, curves and surfaces in NURBS form in archives of version 2. Reads 3.x
  // and the legacy form 2.x; fails on a record whose indices do not fit its arrays.
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;
  // Box of the faces; of the edges and vertices when there are no faces.
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;

  // Take ownership of the geometry and return its index (-1 for null).
  int AddTrimCurve(ON_Curve* curve);
  int AddEdgeCurve(ON_Curve* curve);
  int AddSurface(ON_Surface* surface);

  ON_BrepVertex& NewVertex();
  ON_BrepVertex& NewVertex(ON_3dPoint vertex_point, double vertex_tolerance = ON_UNSET_VALUE);
  // The edge shows m_C3[c3i] over edomain (the whole curve when null) and joins v0 to v1.
  ON_BrepEdge& NewEdge(int c3i = -1);
  ON_BrepEdge& NewEdge(ON_BrepVertex& v0, ON_BrepVertex& v1, int c3i = -1, const ON_Interval* edomain = nullptr,
                       double edge_tolerance = ON_UNSET_VALUE);
  ON_BrepFace& NewFace(int si = -1);
  ON_BrepLoop& NewLoop(ON_BrepLoop::TYPE loop_type, ON_BrepFace& face);
  // A trim of the loop along the edge; its vertices are the edge's, swapped when bRev3d.
  ON_BrepTrim& NewTrim(ON_BrepEdge& edge, bool bRev3d, ON_BrepLoop& loop, int c2i = -1);

private:
  void CopyFrom(const ON_Brep& src);
  // Points every component at this brep and its proxies at this brep's geometry.
  void LinkComponents();
  bool ReadCurrentForm(ON_BinaryArchive& archive, int minor);
  bool ReadLegacyForm(ON_BinaryArchive& archive, int minor);
  bool ReadLegacyFace(ON_BinaryArchive& archive, int fi, ON_SimpleArray<double>& edge_tolerance);
  bool ReadLegacyTrim(ON_BinaryArchive& archive, int li, ON_SimpleArray<double>& edge_tolerance);
  // Per face a flag byte and, after a set flag, a mesh class chunk: kept as the faces' render
  // meshes when `keep`, else read past and noted.
  bool ReadFaceMeshes(ON_BinaryArchive& archive, bool keep);
  bool IndicesFit() const;
  // Trims and loops: the boxes of the 2-D curves.
  void SetParameterBoxes();
};

// Box with outward faces on the corners: box_corners[0..3] the bottom counter-clockwise seen from
// above, box_corners[4..7] the top above them. 8 vertices, 12 line edges, 6 bilinear NURBS faces
// with one outer loop of 4 mated trims each. Fills pBrep (destroyed first) or a new brep the caller
// deletes; null when box_corners is null.
ON_DECL ON_Brep* ON_BrepBox(const ON_3dPoint* box_corners, ON_Brep* pBrep = nullptr);
