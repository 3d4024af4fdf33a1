#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_PlaneSurface, ON_Surface, "4ED7D4DF-E947-11D3-BFE5-0010830122F0")

ON_PlaneSurface::ON_PlaneSurface(const ON_Plane& plane) : m_plane(plane) {}

bool ON_PlaneSurface::IsValid(ON_TextLog*) const
{
  for (int dir = 0; dir < 2; ++dir)
    if (!(m_domain[dir].m_t[0] < m_domain[dir].m_t[1]) || !m_extents[dir].IsValid() ||
        m_extents[dir].m_t[0] == m_extents[dir].m_t[1])
      return false;
  return m_plane.IsValid();
}

int ON_PlaneSurface::Dimension() const { return 3; }
ON_Interval ON_PlaneSurface::Domain(int dir) const { return m_domain[dir ? 1 : 0]; }

bool ON_PlaneSurface::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  ON_3dPointArray corners;
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j)
      corners.Append(m_plane.PointAt(m_extents[0].m_t[i], m_extents[1].m_t[j]));
  return corners.GetBBox(boxmin, boxmax, bGrowBox);
}

bool ON_PlaneSurface::Evaluate(double s, double t, int der_count, int v_stride, double* v, int, int*) const
{
  if (!IsValid() || der_count < 0 || v_stride < 3)
    return false;
  const double ds = m_extents[0].Length() / m_domain[0].Length();
  const double dt = m_extents[1].Length() / m_domain[1].Length();
  const ON_3dPoint p = m_plane.PointAt(m_extents[0].m_t[0] + (s - m_domain[0].m_t[0]) * ds,
                                       m_extents[1].m_t[0] + (t - m_domain[1].m_t[0]) * dt);
  const int values = (der_count + 1) * (der_count + 2) / 2;
  for (int k = 0; k < values; ++k)
    for (int i = 0; i < 3; ++i)
      v[k * v_stride + i] = k == 0 ? p[i] : (k == 1 ? m_plane.xaxis[i] * ds : (k == 2 ? m_plane.yaxis[i] * dt : 0.0));
  return true;
}

int ON_PlaneSurface::GetNurbForm(ON_NurbsSurface& nurbs, double) const
{
  if (!IsValid() || !nurbs.Create(3, false, 2, 2, 2, 2))
    return 0;
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j)
      nurbs.SetCV(i, j, m_plane.PointAt(m_extents[0].m_t[i], m_extents[1].m_t[j]));
  for (int dir = 0; dir < 2; ++dir)
    for (int k = 0; k < 2; ++k)
      nurbs.m_knot[dir][k] = m_domain[dir].m_t[k];
  return 1;
}

// Version 1.1: plane, domains, extents (version 1.0 files have extents equal to the domains).
bool ON_PlaneSurface::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 1) && archive.WritePlane(m_plane) && archive.WriteInterval(m_domain[0]) &&
         archive.WriteInterval(m_domain[1]) && archive.WriteInterval(m_extents[0]) &&
         archive.WriteInterval(m_extents[1]);
}

bool ON_PlaneSurface::Read(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0;
  if (!archive.Read3dmChunkVersion(&major, &minor) || major != 1 || !archive.ReadPlane(m_plane) ||
      !archive.ReadInterval(m_domain[0]) || !archive.ReadInterval(m_domain[1]))
    return false;
  m_extents[0] = m_domain[0];
  m_extents[1] = m_domain[1];
  return minor < 1 || (archive.ReadInterval(m_extents[0]) && archive.ReadInterval(m_extents[1]));
}
