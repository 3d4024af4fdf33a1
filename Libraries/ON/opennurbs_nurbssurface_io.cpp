// 3DM form of ON_NurbsSurface (version 1.0), CVs with the u index outer and the v index inner.

#include "opennurbs.h"

namespace
{
bool Fits(ON_BinaryArchive& archive, long long doubles)
{
  return doubles >= 0 && static_cast<unsigned long long>(doubles) * 8 <= archive.BytesLeftInChunk();
}

bool ReadKnots(ON_BinaryArchive& archive, int expected, double* knots)
{
  int count = 0;
  return archive.ReadInt(&count) && count == expected && archive.ReadDouble(static_cast<size_t>(count), knots);
}
} // namespace

bool ON_NurbsSurface::Write(ON_BinaryArchive& archive) const
{
  ON_BoundingBox box;
  GetBoundingBox(box);
  bool ok = archive.Write3dmChunkVersion(1, 0) && archive.WriteInt(m_dim) && archive.WriteInt(m_is_rat) &&
            archive.WriteInt(m_order[0]) && archive.WriteInt(m_order[1]) && archive.WriteInt(m_cv_count[0]) &&
            archive.WriteInt(m_cv_count[1]) && archive.WriteInt(0) && archive.WriteInt(0) &&
            archive.WriteBoundingBox(box);
  for (int dir = 0; ok && dir < 2; ++dir)
    ok = archive.WriteInt(KnotCount(dir)) && archive.WriteDouble(static_cast<size_t>(KnotCount(dir)), m_knot[dir]);
  ok = ok && archive.WriteInt(m_cv_count[0] * m_cv_count[1]);
  for (int i = 0; ok && i < m_cv_count[0]; ++i)
    for (int j = 0; ok && j < m_cv_count[1]; ++j)
      ok = archive.WriteDouble(static_cast<size_t>(CVSize()), CV(i, j));
  return ok;
}

bool ON_NurbsSurface::Read(ON_BinaryArchive& archive)
{
  Destroy();
  int major = 0, minor = 0, dim = 0, is_rat = 0, order[2] = {0, 0}, cv_count[2] = {0, 0}, reserved = 0, count = 0;
  ON_BoundingBox box;
  if (!archive.Read3dmChunkVersion(&major, &minor) || major != 1 || !archive.ReadInt(&dim) ||
      !archive.ReadInt(&is_rat) || !archive.ReadInt(&order[0]) || !archive.ReadInt(&order[1]) ||
      !archive.ReadInt(&cv_count[0]) || !archive.ReadInt(&cv_count[1]) || !archive.ReadInt(&reserved) ||
      !archive.ReadInt(&reserved) || !archive.ReadBoundingBox(box))
    return false;
  const int cv_size = dim + (is_rat ? 1 : 0);
  if (dim < 1 || dim > 3 || order[0] < 2 || order[1] < 2 || cv_count[0] < order[0] || cv_count[1] < order[1])
    return false;
  const long long cvs = static_cast<long long>(cv_count[0]) * cv_count[1];
  const long long knots = static_cast<long long>(order[0]) + cv_count[0] + order[1] + cv_count[1] - 4;
  if (!Fits(archive, knots + cvs * cv_size) || !Create(dim, is_rat != 0, order[0], order[1], cv_count[0], cv_count[1]))
    return false;
  if (!ReadKnots(archive, KnotCount(0), m_knot[0]) || !ReadKnots(archive, KnotCount(1), m_knot[1]) ||
      !archive.ReadInt(&count) || count != cvs)
    return false;
  for (int i = 0; i < cv_count[0]; ++i)
    for (int j = 0; j < cv_count[1]; ++j)
      if (!archive.ReadDouble(static_cast<size_t>(cv_size), CV(i, j)))
        return false;
  return true;
}

int ON_NurbsSurface::GetNurbForm(ON_NurbsSurface& nurbs, double) const
{
  if (this != &nurbs)
    nurbs = *this;
  return IsValid() ? 1 : 0;
}
