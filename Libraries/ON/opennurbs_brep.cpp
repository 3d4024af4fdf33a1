#include "opennurbs.h"

#include <algorithm>
#include <cmath>

ON_OBJECT_IMPLEMENT(ON_BrepVertex, ON_Point, "60B5DBC0-E660-11D3-BFE4-0010830122F0")
ON_OBJECT_IMPLEMENT(ON_BrepEdge, ON_CurveProxy, "60B5DBC1-E660-11D3-BFE4-0010830122F0")
ON_OBJECT_IMPLEMENT(ON_BrepTrim, ON_CurveProxy, "60B5DBC2-E660-11D3-BFE4-0010830122F0")
ON_OBJECT_IMPLEMENT(ON_BrepLoop, ON_Geometry, "60B5DBC3-E660-11D3-BFE4-0010830122F0")
ON_OBJECT_IMPLEMENT(ON_BrepFace, ON_SurfaceProxy, "60B5DBC4-E660-11D3-BFE4-0010830122F0")
ON_OBJECT_IMPLEMENT(ON_Brep, ON_Geometry, "60B5DBC5-E660-11D3-BFE4-0010830122F0")

namespace
{
template <class T>
T* Component(ON_ClassArray<T>& array, int index)
{
  return (index >= 0 && index < array.Count()) ? &array[index] : nullptr;
}

template <class T>
T* Geometry(const ON_SimpleArray<T*>& array, int index)
{
  return (index >= 0 && index < array.Count()) ? array[index] : nullptr;
}

bool Fail(ON_TextLog* text_log, const char* what, int index)
{
  if (text_log)
    text_log->Print("ON_Brep: %s %d.\n", what, index);
  return false;
}

// Ends meet: within the larger of the given tolerances, or coincident.
bool Meet(const ON_3dPoint& a, const ON_3dPoint& b, double tolerance_a, double tolerance_b)
{
  double tolerance = 0.0;
  if (tolerance_a != ON_UNSET_VALUE && tolerance_a > tolerance)
    tolerance = tolerance_a;
  if (tolerance_b != ON_UNSET_VALUE && tolerance_b > tolerance)
    tolerance = tolerance_b;
  return ON_PointsAreCoincident(a, b) || a.DistanceTo(b) <= tolerance;
}

bool Contains(const ON_SimpleArray<int>& list, int value) { return list.Search(value) >= 0; }

// The part of the surface over part of direction dir: the surface is cut as a curve whose control
// vertices are its rows of control vertices across the other direction.
bool CutSurface(ON_NurbsSurface& surface, int dir, const ON_Interval& part)
{
  const int other = 1 - dir, size = surface.CVSize(), across = surface.m_cv_count[other];
  ON_NurbsCurve rows(size * across, false, surface.m_order[dir], surface.m_cv_count[dir]);
  for (int i = 0; i < surface.m_cv_count[dir]; i++)
    for (int j = 0; j < across; j++)
    {
      const double* cv = dir == 0 ? surface.CV(i, j) : surface.CV(j, i);
      std::copy(cv, cv + size, rows.CV(i) + j * size);
    }
  std::copy(surface.m_knot[dir], surface.m_knot[dir] + surface.KnotCount(dir), rows.m_knot);
  if (!rows.Trim(part))
    return false;
  const int count[2] = {dir == 0 ? rows.CVCount() : across, dir == 0 ? across : rows.CVCount()};
  ON_NurbsSurface cut(surface.m_dim, surface.IsRational(), surface.m_order[0], surface.m_order[1], count[0], count[1]);
  for (int i = 0; i < rows.CVCount(); i++)
    for (int j = 0; j < across; j++)
      std::copy(rows.CV(i) + j * size, rows.CV(i) + (j + 1) * size, dir == 0 ? cut.CV(i, j) : cut.CV(j, i));
  std::copy(rows.m_knot, rows.m_knot + rows.KnotCount(), cut.m_knot[dir]);
  std::copy(surface.m_knot[other], surface.m_knot[other] + surface.KnotCount(other), cut.m_knot[other]);
  surface = cut;
  return true;
}
} // namespace

// ---------------------------------------------------------------------------------------------
// Vertex

ON_BrepVertex::ON_BrepVertex(int vertex_index) : m_vertex_index(vertex_index) {}

bool ON_BrepVertex::IsValid(ON_TextLog* text_log) const
{
  if (m_vertex_index < 0)
    return Fail(text_log, "vertex without index", m_vertex_index);
  return ON_Point::IsValid(text_log);
}

bool ON_BrepVertex::SetPoint(const ON_3dPoint& p)
{
  point = p;
  return p.IsValid();
}

ON_3dPoint ON_BrepVertex::Point() const { return point; }
double ON_BrepVertex::Tolerance() const { return m_tolerance; }
int ON_BrepVertex::EdgeCount() const { return m_ei.Count(); }

// ---------------------------------------------------------------------------------------------
// Edge

ON_BrepEdge::ON_BrepEdge(int edge_index) : m_edge_index(edge_index) {}

bool ON_BrepEdge::IsValid(ON_TextLog* text_log) const
{
  if (m_edge_index < 0 || m_c3i < 0)
    return Fail(text_log, "edge without index or 3-D curve", m_edge_index);
  return ON_CurveProxy::IsValid(text_log);
}

ON_Brep* ON_BrepEdge::Brep() const { return m_brep; }

ON_BrepTrim* ON_BrepEdge::Trim(int eti) const
{
  return (m_brep && eti >= 0 && eti < m_ti.Count()) ? Component(m_brep->m_T, m_ti[eti]) : nullptr;
}

int ON_BrepEdge::TrimCount() const { return m_ti.Count(); }

ON_BrepVertex* ON_BrepEdge::Vertex(int evi) const
{
  return (m_brep && (evi == 0 || evi == 1)) ? Component(m_brep->m_V, m_vi[evi]) : nullptr;
}

int ON_BrepEdge::EdgeCurveIndexOf() const
{
  return (m_brep && m_c3i >= 0 && m_c3i < m_brep->m_C3.Count()) ? m_c3i : -1;
}

const ON_Curve* ON_BrepEdge::EdgeCurveOf() const { return m_brep ? Geometry(m_brep->m_C3, m_c3i) : ProxyCurve(); }

// ---------------------------------------------------------------------------------------------
// Trim

ON_BrepTrim::ON_BrepTrim(int trim_index) : m_trim_index(trim_index) {}

bool ON_BrepTrim::IsValid(ON_TextLog* text_log) const
{
  if (m_trim_index < 0)
    return Fail(text_log, "trim without index", m_trim_index);
  if (m_type == ptonsrf)
    return true;
  if (m_c2i < 0)
    return Fail(text_log, "trim without 2-D curve", m_trim_index);
  return ON_CurveProxy::IsValid(text_log);
}

ON_Brep* ON_BrepTrim::Brep() const { return m_brep; }
ON_BrepLoop* ON_BrepTrim::Loop() const { return m_brep ? Component(m_brep->m_L, m_li) : nullptr; }

ON_BrepFace* ON_BrepTrim::Face() const
{
  const ON_BrepLoop* loop = Loop();
  return loop ? loop->Face() : nullptr;
}

ON_BrepEdge* ON_BrepTrim::Edge() const { return m_brep ? Component(m_brep->m_E, m_ei) : nullptr; }

ON_BrepVertex* ON_BrepTrim::Vertex(int tvi) const
{
  return (m_brep && (tvi == 0 || tvi == 1)) ? Component(m_brep->m_V, m_vi[tvi]) : nullptr;
}

const ON_Curve* ON_BrepTrim::TrimCurveOf() const { return m_brep ? Geometry(m_brep->m_C2, m_c2i) : ProxyCurve(); }

const ON_Curve* ON_BrepTrim::EdgeCurveOf() const
{
  const ON_BrepEdge* edge = Edge();
  return edge ? edge->EdgeCurveOf() : nullptr;
}

const ON_Surface* ON_BrepTrim::SurfaceOf() const
{
  const ON_BrepFace* face = Face();
  return face ? face->SurfaceOf() : nullptr;
}

int ON_BrepTrim::TrimCurveIndexOf() const
{
  return (m_brep && m_c2i >= 0 && m_c2i < m_brep->m_C2.Count()) ? m_c2i : -1;
}

int ON_BrepTrim::EdgeCurveIndexOf() const
{
  const ON_BrepEdge* edge = Edge();
  return edge ? edge->EdgeCurveIndexOf() : -1;
}

int ON_BrepTrim::SurfaceIndexOf() const
{
  const ON_BrepFace* face = Face();
  return face ? face->SurfaceIndexOf() : -1;
}

int ON_BrepTrim::FaceIndexOf() const
{
  const ON_BrepFace* face = Face();
  return face ? face->m_face_index : -1;
}

// ---------------------------------------------------------------------------------------------
// Loop

ON_BrepLoop::ON_BrepLoop(int loop_index) : m_loop_index(loop_index) {}

bool ON_BrepLoop::IsValid(ON_TextLog* text_log) const
{
  if (m_loop_index < 0 || m_ti.Count() < 1 || m_type <= unknown || m_type >= type_count)
    return Fail(text_log, "loop without index, trims or type", m_loop_index);
  return true;
}

int ON_BrepLoop::Dimension() const { return 2; }

bool ON_BrepLoop::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  bool ok = false;
  for (int i = 0; i < m_ti.Count(); i++)
  {
    const ON_BrepTrim* trim = Trim(i);
    if (trim && trim->ProxyCurve() && trim->GetBBox(boxmin, boxmax, bGrowBox || ok))
      ok = true;
  }
  return ok;
}

ON_Brep* ON_BrepLoop::Brep() const { return m_brep; }
ON_BrepFace* ON_BrepLoop::Face() const { return m_brep ? Component(m_brep->m_F, m_fi) : nullptr; }

ON_BrepTrim* ON_BrepLoop::Trim(int lti) const
{
  return (m_brep && lti >= 0 && lti < m_ti.Count()) ? Component(m_brep->m_T, m_ti[lti]) : nullptr;
}

int ON_BrepLoop::TrimCount() const { return m_ti.Count(); }

int ON_BrepLoop::IndexOfTrim(const ON_BrepTrim& trim) const { return m_ti.Search(trim.m_trim_index); }

int ON_BrepLoop::SurfaceIndexOf() const
{
  const ON_BrepFace* face = Face();
  return face ? face->SurfaceIndexOf() : -1;
}

const ON_Surface* ON_BrepLoop::SurfaceOf() const
{
  const ON_BrepFace* face = Face();
  return face ? face->SurfaceOf() : nullptr;
}

// ---------------------------------------------------------------------------------------------
// Face

ON_BrepFace::ON_BrepFace(int face_index) : m_face_index(face_index) {}

ON_BrepFace::ON_BrepFace(const ON_BrepFace& src)
    : ON_SurfaceProxy(src), m_face_index(src.m_face_index), m_li(src.m_li), m_si(src.m_si), m_bRev(src.m_bRev),
      m_face_material_channel(src.m_face_material_channel), m_bbox(src.m_bbox),
      m_render_mesh(src.m_render_mesh ? new ON_Mesh(*src.m_render_mesh) : nullptr), m_brep(src.m_brep)
{
}

ON_BrepFace::ON_BrepFace(ON_BrepFace&& src) noexcept
    : ON_SurfaceProxy(src), m_face_index(src.m_face_index), m_li(src.m_li), m_si(src.m_si), m_bRev(src.m_bRev),
      m_face_material_channel(src.m_face_material_channel), m_bbox(src.m_bbox), m_render_mesh(src.m_render_mesh),
      m_brep(src.m_brep)
{
  src.m_render_mesh = nullptr;
}

ON_BrepFace& ON_BrepFace::operator=(const ON_BrepFace& src)
{
  if (this != &src)
    *this = ON_BrepFace(src);
  return *this;
}

ON_BrepFace& ON_BrepFace::operator=(ON_BrepFace&& src) noexcept
{
  if (this == &src)
    return *this;
  ON_SurfaceProxy::operator=(src);
  m_face_index = src.m_face_index;
  m_li = src.m_li;
  m_si = src.m_si;
  m_bRev = src.m_bRev;
  m_face_material_channel = src.m_face_material_channel;
  m_bbox = src.m_bbox;
  std::swap(m_render_mesh, src.m_render_mesh);
  m_brep = src.m_brep;
  return *this;
}

ON_BrepFace::~ON_BrepFace() { delete m_render_mesh; }

bool ON_BrepFace::IsValid(ON_TextLog* text_log) const
{
  if (m_face_index < 0 || m_si < 0 || m_li.Count() < 1)
    return Fail(text_log, "face without index, surface or loops", m_face_index);
  return ON_SurfaceProxy::IsValid(text_log);
}

ON_Brep* ON_BrepFace::Brep() const { return m_brep; }

bool ON_BrepFace::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  if (m_bbox.IsValid())
  {
    ON_BoundingBox box = m_bbox;
    if (bGrowBox)
      box.Union(ON_BoundingBox(ON_3dPoint(boxmin), ON_3dPoint(boxmax)));
    std::copy(&box.m_min.x, &box.m_min.x + 3, boxmin);
    std::copy(&box.m_max.x, &box.m_max.x + 3, boxmax);
    return true;
  }
  const ON_BrepLoop* outer = OuterLoop();
  ON_NurbsSurface part;
  const ON_Surface* surface = ProxySurface();
  if (!outer || !outer->m_pbox.IsValid() || !surface || !surface->GetNurbForm(part))
    return ON_SurfaceProxy::GetBBox(boxmin, boxmax, bGrowBox);
  const ON_BoundingBox& uv = outer->m_pbox;
  ON_Interval u(uv.m_min.x, uv.m_max.x), v(uv.m_min.y, uv.m_max.y);
  const double du = 0.1 * u.Length(), dv = 0.1 * v.Length();
  u.Set(u[0] - du, u[1] + du);
  v.Set(v[0] - dv, v[1] + dv);
  // A part narrower than the domain only; a box over the whole surface otherwise.
  const bool cut = u.Intersection(part.Domain(0)) && v.Intersection(part.Domain(1)) && u.IsIncreasing() &&
                   v.IsIncreasing() && CutSurface(part, 0, u) && CutSurface(part, 1, v);
  if (!cut)
    return ON_SurfaceProxy::GetBBox(boxmin, boxmax, bGrowBox);
  return part.GetBBox(boxmin, boxmax, bGrowBox);
}

ON_BrepLoop* ON_BrepFace::Loop(int fli) const
{
  return (m_brep && fli >= 0 && fli < m_li.Count()) ? Component(m_brep->m_L, m_li[fli]) : nullptr;
}

int ON_BrepFace::LoopCount() const { return m_li.Count(); }

ON_BrepLoop* ON_BrepFace::OuterLoop() const
{
  for (int i = 0; i < m_li.Count(); i++)
  {
    ON_BrepLoop* loop = Loop(i);
    if (loop && loop->m_type == ON_BrepLoop::outer)
      return loop;
  }
  return nullptr;
}

int ON_BrepFace::SurfaceIndexOf() const { return (m_brep && m_si >= 0 && m_si < m_brep->m_S.Count()) ? m_si : -1; }

const ON_Surface* ON_BrepFace::SurfaceOf() const { return m_brep ? Geometry(m_brep->m_S, m_si) : ProxySurface(); }

// ---------------------------------------------------------------------------------------------
// Geometry lists

ON_CurveArray::~ON_CurveArray() { Destroy(); }

void ON_CurveArray::Destroy()
{
  for (int i = 0; i < Count(); i++)
    delete m_a[i];
  ON_SimpleArray<ON_Curve*>::Destroy();
}

bool ON_CurveArray::Duplicate(ON_CurveArray& dst) const
{
  dst.Reserve(dst.Count() + Count());
  for (int i = 0; i < Count(); i++)
    dst.Append(m_a[i] ? m_a[i]->Duplicate() : nullptr);
  return true;
}

ON_SurfaceArray::~ON_SurfaceArray() { Destroy(); }

void ON_SurfaceArray::Destroy()
{
  for (int i = 0; i < Count(); i++)
    delete m_a[i];
  ON_SimpleArray<ON_Surface*>::Destroy();
}

bool ON_SurfaceArray::Duplicate(ON_SurfaceArray& dst) const
{
  dst.Reserve(dst.Count() + Count());
  for (int i = 0; i < Count(); i++)
    dst.Append(m_a[i] ? m_a[i]->Duplicate() : nullptr);
  return true;
}

// ---------------------------------------------------------------------------------------------
// Brep

ON_Brep::ON_Brep(const ON_Brep& src) : ON_Geometry(src) { CopyFrom(src); }

ON_Brep& ON_Brep::operator=(const ON_Brep& src)
{
  if (this != &src)
  {
    Destroy();
    ON_Geometry::operator=(src);
    CopyFrom(src);
  }
  return *this;
}

ON_Brep::~ON_Brep() { Destroy(); }

void ON_Brep::CopyFrom(const ON_Brep& src)
{
  src.m_C2.Duplicate(m_C2);
  src.m_C3.Duplicate(m_C3);
  src.m_S.Duplicate(m_S);
  m_V = src.m_V;
  m_E = src.m_E;
  m_T = src.m_T;
  m_L = src.m_L;
  m_F = src.m_F;
  LinkComponents();
}

void ON_Brep::LinkComponents()
{
  for (int i = 0; i < m_E.Count(); i++)
  {
    m_E[i].m_brep = this;
    m_E[i].m_real_curve = Geometry(m_C3, m_E[i].m_c3i);
  }
  for (int i = 0; i < m_T.Count(); i++)
  {
    m_T[i].m_brep = this;
    m_T[i].m_real_curve = Geometry(m_C2, m_T[i].m_c2i);
  }
  for (int i = 0; i < m_L.Count(); i++)
    m_L[i].m_brep = this;
  for (int i = 0; i < m_F.Count(); i++)
  {
    m_F[i].m_brep = this;
    m_F[i].m_surface = Geometry(m_S, m_F[i].m_si);
  }
}

void ON_Brep::Destroy()
{
  m_F.Destroy();
  m_L.Destroy();
  m_T.Destroy();
  m_E.Destroy();
  m_V.Destroy();
  m_S.Destroy();
  m_C3.Destroy();
  m_C2.Destroy();
}

int ON_Brep::Dimension() const { return 3; }

bool ON_Brep::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  bool ok = false;
  for (int i = 0; i < m_F.Count(); i++)
    if (m_F[i].SurfaceOf() && m_F[i].GetBBox(boxmin, boxmax, bGrowBox || ok))
      ok = true;
  if (ok)
    return true;
  for (int i = 0; i < m_E.Count(); i++)
    if (m_E[i].ProxyCurve() && m_E[i].GetBBox(boxmin, boxmax, bGrowBox || ok))
      ok = true;
  for (int i = 0; i < m_V.Count(); i++)
    if (m_V[i].GetBBox(boxmin, boxmax, bGrowBox || ok))
      ok = true;
  return ok;
}

int ON_Brep::AddTrimCurve(ON_Curve* curve)
{
  if (!curve)
    return -1;
  m_C2.Append(curve);
  return m_C2.Count() - 1;
}

int ON_Brep::AddEdgeCurve(ON_Curve* curve)
{
  if (!curve)
    return -1;
  m_C3.Append(curve);
  return m_C3.Count() - 1;
}

int ON_Brep::AddSurface(ON_Surface* surface)
{
  if (!surface)
    return -1;
  m_S.Append(surface);
  return m_S.Count() - 1;
}

ON_BrepVertex& ON_Brep::NewVertex()
{
  ON_BrepVertex& vertex = m_V.AppendNew();
  vertex.m_vertex_index = m_V.Count() - 1;
  return vertex;
}

ON_BrepVertex& ON_Brep::NewVertex(ON_3dPoint vertex_point, double vertex_tolerance)
{
  ON_BrepVertex& vertex = NewVertex();
  vertex.point = vertex_point;
  vertex.m_tolerance = vertex_tolerance;
  return vertex;
}

ON_BrepEdge& ON_Brep::NewEdge(int c3i)
{
  ON_BrepEdge& edge = m_E.AppendNew();
  edge.m_edge_index = m_E.Count() - 1;
  edge.m_brep = this;
  edge.m_c3i = c3i;
  if (const ON_Curve* curve = Geometry(m_C3, c3i))
    edge.SetProxyCurve(curve);
  return edge;
}

ON_BrepEdge& ON_Brep::NewEdge(ON_BrepVertex& v0, ON_BrepVertex& v1, int c3i, const ON_Interval* edomain,
                              double edge_tolerance)
{
  // The vertices are read before m_E grows; they live in m_V, which does not move here.
  const int vi0 = v0.m_vertex_index, vi1 = v1.m_vertex_index;
  ON_BrepEdge& edge = NewEdge(c3i);
  if (const ON_Curve* curve = Geometry(m_C3, c3i))
    edge.SetProxyCurve(curve, edomain ? *edomain : curve->Domain());
  edge.m_vi[0] = vi0;
  edge.m_vi[1] = vi1;
  edge.m_tolerance = edge_tolerance;
  if (ON_BrepVertex* a = Component(m_V, vi0))
    a->m_ei.Append(edge.m_edge_index);
  if (ON_BrepVertex* b = Component(m_V, vi1))
    b->m_ei.Append(edge.m_edge_index);
  return edge;
}

ON_BrepFace& ON_Brep::NewFace(int si)
{
  ON_BrepFace& face = m_F.AppendNew();
  face.m_face_index = m_F.Count() - 1;
  face.m_brep = this;
  face.m_si = si;
  face.SetProxySurface(Geometry(m_S, si));
  return face;
}

ON_BrepLoop& ON_Brep::NewLoop(ON_BrepLoop::TYPE loop_type, ON_BrepFace& face)
{
  const int fi = face.m_face_index;
  ON_BrepLoop& loop = m_L.AppendNew();
  loop.m_loop_index = m_L.Count() - 1;
  loop.m_brep = this;
  loop.m_type = loop_type;
  loop.m_fi = fi;
  if (ON_BrepFace* owner = Component(m_F, fi))
    owner->m_li.Append(loop.m_loop_index);
  return loop;
}

ON_BrepTrim& ON_Brep::NewTrim(ON_BrepEdge& edge, bool bRev3d, ON_BrepLoop& loop, int c2i)
{
  const int ei = edge.m_edge_index, li = loop.m_loop_index;
  ON_BrepTrim& trim = m_T.AppendNew();
  trim.m_trim_index = m_T.Count() - 1;
  trim.m_brep = this;
  trim.m_c2i = c2i;
  if (const ON_Curve* curve = Geometry(m_C2, c2i))
  {
    trim.SetProxyCurve(curve);
    ON_BoundingBox box;
    if (curve->GetBoundingBox(box))
      trim.m_pbox = box;
  }
  trim.m_ei = ei;
  trim.m_bRev3d = bRev3d;
  trim.m_li = li;
  if (ON_BrepEdge* e = Component(m_E, ei))
  {
    trim.m_vi[0] = e->m_vi[bRev3d ? 1 : 0];
    trim.m_vi[1] = e->m_vi[bRev3d ? 0 : 1];
    e->m_ti.Append(trim.m_trim_index);
    trim.m_type = e->m_ti.Count() > 1 ? ON_BrepTrim::mated : ON_BrepTrim::boundary;
    for (int k = 0; k < e->m_ti.Count(); k++)
      if (ON_BrepTrim* other = Component(m_T, e->m_ti[k]))
        if (e->m_ti.Count() > 1 && other->m_type == ON_BrepTrim::boundary)
          other->m_type = ON_BrepTrim::mated;
  }
  if (ON_BrepLoop* owner = Component(m_L, li))
  {
    owner->m_ti.Append(trim.m_trim_index);
    owner->m_pbox.Union(trim.m_pbox);
  }
  return trim;
}

bool ON_Brep::IsValid(ON_TextLog* text_log) const
{
  const int vertex_count = m_V.Count(), edge_count = m_E.Count(), trim_count = m_T.Count();
  const int loop_count = m_L.Count(), face_count = m_F.Count();
  if (face_count < 1)
    return Fail(text_log, "no faces", 0);

  for (int vi = 0; vi < vertex_count; vi++)
  {
    const ON_BrepVertex& vertex = m_V[vi];
    if (vertex.m_vertex_index != vi || !vertex.point.IsValid())
      return Fail(text_log, "bad vertex", vi);
    for (int k = 0; k < vertex.m_ei.Count(); k++)
    {
      const int ei = vertex.m_ei[k];
      if (ei < 0 || ei >= edge_count || (m_E[ei].m_vi[0] != vi && m_E[ei].m_vi[1] != vi))
        return Fail(text_log, "vertex lists an edge that does not end there", vi);
    }
  }

  for (int ei = 0; ei < edge_count; ei++)
  {
    const ON_BrepEdge& edge = m_E[ei];
    const ON_Curve* curve = Geometry(m_C3, edge.m_c3i);
    if (edge.m_edge_index != ei || edge.m_brep != this || !curve || edge.ProxyCurve() != curve ||
        curve->Dimension() != 3 || !edge.IsValid())
      return Fail(text_log, "bad edge or edge curve", ei);
    for (int end = 0; end < 2; end++)
    {
      const int vi = edge.m_vi[end];
      if (vi < 0 || vi >= vertex_count || !Contains(m_V[vi].m_ei, ei))
        return Fail(text_log, "edge vertex missing or not listing the edge", ei);
      const ON_3dPoint P = end == 0 ? edge.PointAtStart() : edge.PointAtEnd();
      if (!Meet(P, m_V[vi].point, m_V[vi].m_tolerance, edge.m_tolerance))
        return Fail(text_log, "edge end away from its vertex", ei);
    }
    for (int k = 0; k < edge.m_ti.Count(); k++)
    {
      const int ti = edge.m_ti[k];
      if (ti < 0 || ti >= trim_count || m_T[ti].m_ei != ei)
        return Fail(text_log, "edge lists a trim that does not use it", ei);
    }
  }

  for (int ti = 0; ti < trim_count; ti++)
  {
    const ON_BrepTrim& trim = m_T[ti];
    if (trim.m_trim_index != ti || trim.m_brep != this || trim.m_li < 0 || trim.m_li >= loop_count ||
        !Contains(m_L[trim.m_li].m_ti, ti))
      return Fail(text_log, "bad trim or trim loop", ti);
    if (trim.m_type == ON_BrepTrim::ptonsrf)
      continue;
    const ON_Curve* curve = Geometry(m_C2, trim.m_c2i);
    if (!curve || trim.ProxyCurve() != curve || curve->Dimension() != 2 || !trim.IsValid())
      return Fail(text_log, "bad trim curve", ti);
    const bool needs_edge = trim.m_type != ON_BrepTrim::singular;
    if (needs_edge)
    {
      if (trim.m_ei < 0 || trim.m_ei >= edge_count || !Contains(m_E[trim.m_ei].m_ti, ti))
        return Fail(text_log, "trim edge missing or not listing the trim", ti);
      const ON_BrepEdge& edge = m_E[trim.m_ei];
      if (trim.m_vi[0] != edge.m_vi[trim.m_bRev3d ? 1 : 0] || trim.m_vi[1] != edge.m_vi[trim.m_bRev3d ? 0 : 1])
        return Fail(text_log, "trim vertices differ from its edge's", ti);
    }
    else if (trim.m_ei != -1)
      return Fail(text_log, "singular trim with an edge", ti);
    for (int end = 0; end < 2; end++)
      if (trim.m_vi[end] < 0 || trim.m_vi[end] >= vertex_count)
        return Fail(text_log, "trim vertex out of range", ti);
  }

  for (int li = 0; li < loop_count; li++)
  {
    const ON_BrepLoop& loop = m_L[li];
    if (loop.m_loop_index != li || loop.m_brep != this || !loop.IsValid() || loop.m_fi < 0 || loop.m_fi >= face_count ||
        !Contains(m_F[loop.m_fi].m_li, li))
      return Fail(text_log, "bad loop or loop face", li);
    const int n = loop.m_ti.Count();
    for (int k = 0; k < n; k++)
    {
      const int ti = loop.m_ti[k];
      if (ti < 0 || ti >= trim_count || m_T[ti].m_li != li)
        return Fail(text_log, "loop lists a trim of another loop", li);
    }
    if (loop.m_type == ON_BrepLoop::ptonsrf || loop.m_type == ON_BrepLoop::crvonsrf)
      continue;
    // Each trim ends where the next one starts, at the same vertex and parameter point.
    for (int k = 0; k < n; k++)
    {
      const ON_BrepTrim& a = m_T[loop.m_ti[k]];
      const ON_BrepTrim& b = m_T[loop.m_ti[(k + 1) % n]];
      if (a.m_vi[1] != b.m_vi[0])
        return Fail(text_log, "loop trims do not share their vertices", li);
      const double tolerance = std::max(std::max(a.m_tolerance[0], a.m_tolerance[1]), 0.0);
      if (!Meet(a.PointAtEnd(), b.PointAtStart(), tolerance, ON_UNSET_VALUE))
        return Fail(text_log, "loop open in parameter space", li);
    }
  }

  for (int fi = 0; fi < face_count; fi++)
  {
    const ON_BrepFace& face = m_F[fi];
    const ON_Surface* surface = Geometry(m_S, face.m_si);
    if (face.m_face_index != fi || face.m_brep != this || !surface || face.ProxySurface() != surface || !face.IsValid())
      return Fail(text_log, "bad face or face surface", fi);
    for (int k = 0; k < face.m_li.Count(); k++)
    {
      const int li = face.m_li[k];
      if (li < 0 || li >= loop_count || m_L[li].m_fi != fi)
        return Fail(text_log, "face lists a loop of another face", fi);
      if ((k == 0) != (m_L[li].m_type == ON_BrepLoop::outer))
        return Fail(text_log, "face without its outer loop first", fi);
    }
  }
  return true;
}

ON_Brep* ON_BrepBox(const ON_3dPoint* box_corners, ON_Brep* pBrep)
{
  if (!box_corners)
    return nullptr;
  ON_Brep* brep = pBrep ? pBrep : new ON_Brep();
  brep->Destroy();
  for (int i = 0; i < 8; i++)
    brep->NewVertex(box_corners[i], 0.0);
  // Bottom ring, top ring, then the uprights.
  static const int kEdge[12][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6},
                                   {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
  for (const auto& e : kEdge)
  {
    const int c3i = brep->AddEdgeCurve(new ON_LineCurve(box_corners[e[0]], box_corners[e[1]]));
    brep->NewEdge(brep->m_V[e[0]], brep->m_V[e[1]], c3i, nullptr, 0.0);
  }
  // Corners A, B, C, D of each face, counter-clockwise seen from outside: S(0,0) = A, S(1,0) = B,
  // S(1,1) = C, S(0,1) = D, so Du x Dv points out of the box.
  static const int kFace[6][4] = {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}};
  static const double kUV[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  static const ON_Surface::ISO kIso[4] = {ON_Surface::S_iso, ON_Surface::E_iso, ON_Surface::N_iso, ON_Surface::W_iso};
  for (const auto& f : kFace)
  {
    ON_NurbsSurface* surface = new ON_NurbsSurface(3, false, 2, 2, 2, 2);
    surface->SetCV(0, 0, box_corners[f[0]]);
    surface->SetCV(1, 0, box_corners[f[1]]);
    surface->SetCV(1, 1, box_corners[f[2]]);
    surface->SetCV(0, 1, box_corners[f[3]]);
    surface->MakeClampedUniformKnotVector(0);
    surface->MakeClampedUniformKnotVector(1);
    ON_BrepFace& face = brep->NewFace(brep->AddSurface(surface));
    ON_BrepLoop& loop = brep->NewLoop(ON_BrepLoop::outer, face);
    const int li = loop.m_loop_index;
    for (int side = 0; side < 4; side++)
    {
      const int a = f[side], b = f[(side + 1) % 4];
      int ei = 0;
      while ((kEdge[ei][0] != a || kEdge[ei][1] != b) && (kEdge[ei][0] != b || kEdge[ei][1] != a))
        ei++;
      ON_LineCurve* uv = new ON_LineCurve(ON_3dPoint(kUV[side][0], kUV[side][1], 0.0),
                                          ON_3dPoint(kUV[(side + 1) % 4][0], kUV[(side + 1) % 4][1], 0.0));
      uv->m_dim = 2;
      const int c2i = brep->AddTrimCurve(uv);
      ON_BrepTrim& trim = brep->NewTrim(brep->m_E[ei], kEdge[ei][0] != a, brep->m_L[li], c2i);
      trim.m_iso = kIso[side];
      trim.m_tolerance[0] = trim.m_tolerance[1] = 0.0;
    }
  }
  return brep;
}
