// The legacy form of a brep, data version 2.x (Rhino 2 "old b-rep" and "old trimmed surface"):
//   i32 face, edge, loop and trim counts; i32 outer flag; bbox;
//   per trim a poly curve (its 2-D curve), per edge a poly curve (its 3-D curve), per face a NURBS
//   surface, each as bare class data;
//   per face: i32 index, i32 material, i32 reversed, i32 type, bbox, i32 loop count, then per loop:
//     i32 index, i32 type (0 outer, 1 inner, -1 slit), 2-D box (4 doubles), i32 trim count, then per
//     trim: i32 index, i32 twin, u8 owns its edge, i32 edge, i32 reversed against the edge,
//     i32 continuity, i32 monotonicity, f64 3-D tolerance, f64 2-D tolerance;
//   per face a flag byte and a render mesh after a set flag; [2.1] the same for analysis meshes
//   (read past).
// Vertices are not stored: trims meeting in a loop, the ends of the edges they run along, both ends
// of a closed edge and of a trim without an edge share one.

#include "opennurbs.h"

#include <algorithm>
#include <numeric>
#include <cmath>
#include <vector>

namespace
{
// A poly curve of one segment stands for that segment; the segments of a longer one take the
// poly curve's parameters as their domains (old files hold segment domains that differ slightly).
ON_Curve* ReadLegacyCurve(ON_BinaryArchive& archive)
{
  ON_PolyCurve poly;
  if (!poly.Read(archive) || poly.Count() < 1)
    return nullptr;
  if (poly.Count() == 1)
    return ON_Curve::Cast(poly.SegmentCurve(0)->Duplicate());
  if (!poly.SynchronizeSegmentDomains())
    return nullptr;
  return new ON_PolyCurve(poly);
}

template <class T>
bool ReadLegacyGeometry(ON_BinaryArchive& archive, int count, ON_SimpleArray<T*>& array,
                        T* (*read_one)(ON_BinaryArchive&))
{
  for (int i = 0; i < count; ++i)
  {
    T* geometry = read_one(archive);
    if (!geometry)
      return false;
    array.Append(geometry);
  }
  return true;
}

ON_Surface* ReadLegacySurface(ON_BinaryArchive& archive)
{
  ON_NurbsSurface* surface = new ON_NurbsSurface();
  if (surface->Read(archive))
    return surface;
  delete surface;
  return nullptr;
}

ON_BrepLoop::TYPE LegacyLoopType(int type)
{
  switch (type)
  {
  case 0:
    return ON_BrepLoop::outer;
  case 1:
    return ON_BrepLoop::inner;
  case -1:
    return ON_BrepLoop::slit;
  default:
    return ON_BrepLoop::unknown;
  }
}

// Groups of equal elements.
class Partition
{
public:
  explicit Partition(int count) : m_parent(static_cast<size_t>(count))
  {
    std::iota(m_parent.begin(), m_parent.end(), 0);
  }
  int Root(int i)
  {
    while (m_parent[static_cast<size_t>(i)] != i)
      i = m_parent[static_cast<size_t>(i)] = m_parent[static_cast<size_t>(m_parent[static_cast<size_t>(i)])];
    return i;
  }
  void Join(int a, int b) { m_parent[static_cast<size_t>(Root(a))] = Root(b); }

private:
  std::vector<int> m_parent;
};

// Vertices where the ends of edges and trims meet, each reaching every end it joins: end k of edge e is node 2e+k, end
// k of trim t is node 2E+2t+k.
void JoinVertices(ON_Brep& brep)
{
  const int edge_count = brep.m_E.Count(), trim_count = brep.m_T.Count();
  const auto trim_end = [&](int ti, int k) { return 2 * edge_count + 2 * ti + k; };
  Partition ends(2 * edge_count + 2 * trim_count);
  // A closed edge starts and ends at one vertex.
  for (int ei = 0; ei < edge_count; ++ei)
  {
    const ON_BrepEdge& edge = brep.m_E[ei];
    const ON_3dPoint start = edge.PointAtStart(), end = edge.PointAtEnd();
    if (ON_PointsAreCoincident(start, end) || start.DistanceTo(end) <= edge.m_tolerance)
      ends.Join(2 * ei, 2 * ei + 1);
  }
  for (int li = 0; li < brep.m_L.Count(); ++li)
  {
    const ON_SimpleArray<int>& ti = brep.m_L[li].m_ti;
    for (int k = 0; k < ti.Count(); ++k)
      ends.Join(trim_end(ti[k], 1), trim_end(ti[(k + 1) % ti.Count()], 0));
  }
  for (int ti = 0; ti < trim_count; ++ti)
  {
    const ON_BrepTrim& trim = brep.m_T[ti];
    // A trim without an edge runs along a collapsed side of its surface: one point in space.
    if (trim.m_ei < 0)
    {
      ends.Join(trim_end(ti, 0), trim_end(ti, 1));
      continue;
    }
    ends.Join(trim_end(ti, 0), 2 * trim.m_ei + (trim.m_bRev3d ? 1 : 0));
    ends.Join(trim_end(ti, 1), 2 * trim.m_ei + (trim.m_bRev3d ? 0 : 1));
  }
  std::vector<int> vertex_of(static_cast<size_t>(2 * edge_count + 2 * trim_count), -1);
  const auto vertex_at = [&](int node, const ON_3dPoint& point)
  {
    int& vi = vertex_of[static_cast<size_t>(ends.Root(node))];
    if (vi < 0)
      vi = brep.NewVertex(point, 0.0).m_vertex_index;
    return vi;
  };
  for (int ei = 0; ei < edge_count; ++ei)
  {
    ON_BrepEdge& edge = brep.m_E[ei];
    for (int k = 0; k < 2; ++k)
    {
      const ON_3dPoint end = k == 0 ? edge.PointAtStart() : edge.PointAtEnd();
      edge.m_vi[k] = vertex_at(2 * ei + k, end);
      ON_BrepVertex& vertex = brep.m_V[edge.m_vi[k]];
      vertex.m_ei.Append(ei);
      vertex.m_tolerance = std::max(vertex.m_tolerance, vertex.point.DistanceTo(end));
    }
  }
  for (int ti = 0; ti < trim_count; ++ti)
  {
    ON_BrepTrim& trim = brep.m_T[ti];
    const ON_Surface* surface = trim.SurfaceOf();
    for (int k = 0; k < 2; ++k)
    {
      const ON_3dPoint uv = k == 0 ? trim.PointAtStart() : trim.PointAtEnd();
      const ON_3dPoint end = surface ? surface->PointAt(uv.x, uv.y) : ON_3dPoint::Origin;
      trim.m_vi[k] = vertex_at(trim_end(ti, k), end);
      ON_BrepVertex& vertex = brep.m_V[trim.m_vi[k]];
      vertex.m_tolerance = std::max(vertex.m_tolerance, vertex.point.DistanceTo(end));
    }
  }
}

// Boundary, mated or seam by the other trims of the edge; singular without an edge.
void SetTrimTypes(ON_Brep& brep)
{
  for (int ti = 0; ti < brep.m_T.Count(); ++ti)
  {
    ON_BrepTrim& trim = brep.m_T[ti];
    if (trim.m_ei < 0)
    {
      trim.m_type = ON_BrepTrim::singular;
      continue;
    }
    const ON_SimpleArray<int>& users = brep.m_E[trim.m_ei].m_ti;
    trim.m_type = users.Count() > 1 ? ON_BrepTrim::mated : ON_BrepTrim::boundary;
    for (int k = 0; k < users.Count(); ++k)
      if (users[k] != ti && brep.m_T[users[k]].m_li == trim.m_li)
        trim.m_type = ON_BrepTrim::seam;
  }
}

// A trim whose 2-D curve keeps one parameter fixed runs along an iso curve, on a side of the
// surface's domain when the value is a domain end.
ON_Surface::ISO IsoOf(const ON_Curve& curve, const ON_Surface& surface)
{
  ON_BoundingBox box;
  if (!curve.GetBoundingBox(box))
    return ON_Surface::not_iso;
  const ON_Interval u = surface.Domain(0), v = surface.Domain(1);
  const double tolerance = 1e-8 * std::max(1.0, std::max(u.Length(), v.Length()));
  const auto near = [&](double a, double b) { return std::fabs(a - b) <= tolerance; };
  if (near(box.m_min.x, box.m_max.x))
    return near(box.m_min.x, u[0])   ? ON_Surface::W_iso
           : near(box.m_min.x, u[1]) ? ON_Surface::E_iso
                                     : ON_Surface::x_iso;
  if (near(box.m_min.y, box.m_max.y))
    return near(box.m_min.y, v[0])   ? ON_Surface::S_iso
           : near(box.m_min.y, v[1]) ? ON_Surface::N_iso
                                     : ON_Surface::y_iso;
  return ON_Surface::not_iso;
}
} // namespace

bool ON_Brep::ReadLegacyForm(ON_BinaryArchive& archive, int minor)
{
  int face_count = 0, edge_count = 0, loop_count = 0, trim_count = 0, outer = 0;
  ON_BoundingBox box;
  bool ok = archive.ReadInt(&face_count) && archive.ReadInt(&edge_count) && archive.ReadInt(&loop_count) &&
            archive.ReadInt(&trim_count) && face_count >= 1 && edge_count >= 1 && loop_count >= 1 && trim_count >= 1 &&
            archive.ReadInt(&outer) && archive.ReadBoundingBox(box) &&
            ReadLegacyGeometry(archive, trim_count, m_C2, ReadLegacyCurve) &&
            ReadLegacyGeometry(archive, edge_count, m_C3, ReadLegacyCurve) &&
            ReadLegacyGeometry(archive, face_count, m_S, ReadLegacySurface);
  for (int i = 0; ok && i < edge_count; ++i)
    NewEdge(i);
  ON_SimpleArray<double> edge_tolerance;
  for (int i = 0; ok && i < edge_count; ++i)
    edge_tolerance.Append(0.0);
  for (int fi = 0; ok && fi < face_count; ++fi)
    ok = ReadLegacyFace(archive, fi, edge_tolerance);
  ok = ok && ReadFaceMeshes(archive, true) && (minor < 1 || ReadFaceMeshes(archive, false));
  // Each trim has the 2-D curve of its own index.
  if (!ok || m_T.Count() != m_C2.Count())
    return false;
  LinkComponents();
  for (int ti = 0; ti < m_T.Count(); ++ti)
  {
    ON_BrepTrim& trim = m_T[ti];
    trim.SetProxyCurve(m_C2[ti]);
    if (trim.m_ei >= 0)
      m_E[trim.m_ei].m_ti.Append(ti);
    const ON_Surface* surface = trim.SurfaceOf();
    trim.m_iso = surface ? IsoOf(*m_C2[ti], *surface) : ON_Surface::not_iso;
  }
  for (int ei = 0; ei < m_E.Count(); ++ei)
    m_E[ei].m_tolerance = edge_tolerance[ei];
  SetTrimTypes(*this);
  JoinVertices(*this);
  SetParameterBoxes();
  return IndicesFit();
}

bool ON_Brep::ReadLegacyFace(ON_BinaryArchive& archive, int fi, ON_SimpleArray<double>& edge_tolerance)
{
  int index = 0, material = 0, reversed = 0, type = 0, loop_count = 0;
  double box[6] = {};
  if (!archive.ReadInt(&index) || !archive.ReadInt(&material) || !archive.ReadInt(&reversed) ||
      !archive.ReadInt(&type) || !archive.ReadDouble(6, box) || !archive.ReadInt(&loop_count) || loop_count < 1)
    return false;
  ON_BrepFace& face = NewFace(fi);
  face.m_bRev = reversed != 0;
  face.m_bbox = ON_BoundingBox(ON_3dPoint(box), ON_3dPoint(box + 3));
  for (int k = 0; k < loop_count; ++k)
  {
    int loop_type = 0, trim_count = 0;
    double uv_box[4] = {};
    if (!archive.ReadInt(&index) || !archive.ReadInt(&loop_type) || !archive.ReadDouble(4, uv_box) ||
        !archive.ReadInt(&trim_count) || trim_count < 1)
      return false;
    const int li = NewLoop(LegacyLoopType(loop_type), m_F[fi]).m_loop_index;
    for (int t = 0; t < trim_count; ++t)
      if (!ReadLegacyTrim(archive, li, edge_tolerance))
        return false;
  }
  return true;
}

bool ON_Brep::ReadLegacyTrim(ON_BinaryArchive& archive, int li, ON_SimpleArray<double>& edge_tolerance)
{
  int index = 0, twin = 0, ei = -1, reversed = 0, continuity = 0, monotonic = 0;
  unsigned char owns_edge = 0;
  double tolerance_3d = 0.0, tolerance_2d = 0.0;
  if (!archive.ReadInt(&index) || !archive.ReadInt(&twin) || !archive.ReadChar(&owns_edge) || !archive.ReadInt(&ei) ||
      !archive.ReadInt(&reversed) || !archive.ReadInt(&continuity) || !archive.ReadInt(&monotonic) ||
      !archive.ReadDouble(&tolerance_3d) || !archive.ReadDouble(&tolerance_2d))
    return false;
  if (ei < -1 || ei >= m_E.Count())
    return false;
  ON_BrepTrim& trim = m_T.AppendNew();
  trim.m_trim_index = m_T.Count() - 1;
  trim.m_c2i = trim.m_trim_index;
  trim.m_ei = ei;
  trim.m_bRev3d = reversed != 0;
  trim.m_li = li;
  trim.m_tolerance[0] = trim.m_tolerance[1] = std::max(tolerance_2d, 0.0);
  m_L[li].m_ti.Append(trim.m_trim_index);
  if (ei >= 0)
    edge_tolerance[ei] = std::max(edge_tolerance[ei], tolerance_3d);
  return true;
}
