// 3DM form of ON_LineCurve (version 1.0) and its NURBS form.

#include "opennurbs.h"

bool ON_LineCurve::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 0) && archive.WriteLine(m_line) && archive.WriteInterval(m_t) &&
         archive.WriteInt(m_dim);
}

bool ON_LineCurve::Read(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0;
  if (!archive.Read3dmChunkVersion(&major, &minor) || major != 1 || !archive.ReadLine(m_line) ||
      !archive.ReadInterval(m_t) || !archive.ReadInt(&m_dim))
    return false;
  if (m_dim != 2 && m_dim != 3)
    m_dim = 3;
  return true;
}

// Degree 1 with the line's ends as control points and its domain as knots.
int ON_LineCurve::GetNurbForm(ON_NurbsCurve& nurbs, double, const ON_Interval* subdomain) const
{
  ON_NurbsCurve form;
  if (!IsValid() || !form.Create(m_dim, false, 2, 2))
    return 0;
  form.SetCV(0, m_line.from);
  form.SetCV(1, m_line.to);
  form.SetKnot(0, m_t.m_t[0]);
  form.SetKnot(1, m_t.m_t[1]);
  if (subdomain && !form.Trim(*subdomain))
    return 0;
  nurbs = form;
  return 1;
}
