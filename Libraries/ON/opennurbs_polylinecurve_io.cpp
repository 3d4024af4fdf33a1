// 3DM form of ON_PolylineCurve (version 1.0) and its NURBS form.

#include "opennurbs.h"

bool ON_PolylineCurve::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 0) && archive.WriteArray(m_pline) && archive.WriteArray(m_t) &&
         archive.WriteInt(m_dim);
}

bool ON_PolylineCurve::Read(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0;
  if (!archive.Read3dmChunkVersion(&major, &minor) || major != 1 || !archive.ReadArray(m_pline) ||
      !archive.ReadArray(m_t) || !archive.ReadInt(&m_dim) || m_t.Count() != m_pline.Count())
    return false;
  if (m_dim != 2 && m_dim != 3)
    m_dim = 3;
  return true;
}

// Degree 1 through the points, with the point parameters as knots.
int ON_PolylineCurve::GetNurbForm(ON_NurbsCurve& nurbs, double, const ON_Interval* subdomain) const
{
  const int count = m_pline.Count();
  ON_NurbsCurve form;
  if (!IsValid() || !form.Create(m_dim, false, 2, count))
    return 0;
  for (int i = 0; i < count; ++i)
  {
    form.SetCV(i, m_pline[i]);
    form.SetKnot(i, m_t[i]);
  }
  if (subdomain && !form.Trim(*subdomain))
    return 0;
  nurbs = form;
  return 1;
}
