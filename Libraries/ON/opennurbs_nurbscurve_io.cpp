// 3DM form of ON_NurbsCurve (version 1.0) and its NURBS form.

#include "opennurbs.h"

namespace
{
// Every count is checked against the bytes left before anything is allocated.
bool Fits(ON_BinaryArchive& archive, long long doubles)
{
  return doubles >= 0 && static_cast<unsigned long long>(doubles) * 8 <= archive.BytesLeftInChunk();
}
} // namespace

bool ON_NurbsCurve::Write(ON_BinaryArchive& archive) const
{
  ON_BoundingBox box;
  GetBoundingBox(box);
  bool ok = archive.Write3dmChunkVersion(1, 0) && archive.WriteInt(m_dim) && archive.WriteInt(m_is_rat) &&
            archive.WriteInt(m_order) && archive.WriteInt(m_cv_count) && archive.WriteInt(0) && archive.WriteInt(0) &&
            archive.WriteBoundingBox(box) && archive.WriteInt(KnotCount());
  ok = ok && archive.WriteDouble(static_cast<size_t>(KnotCount()), m_knot);
  ok = ok && archive.WriteInt(m_cv_count);
  for (int i = 0; ok && i < m_cv_count; ++i)
    ok = archive.WriteDouble(static_cast<size_t>(CVSize()), CV(i));
  return ok;
}

bool ON_NurbsCurve::Read(ON_BinaryArchive& archive)
{
  Destroy();
  int major = 0, minor = 0, dim = 0, is_rat = 0, order = 0, cv_count = 0, reserved = 0, knot_count = 0, count = 0;
  ON_BoundingBox box;
  if (!archive.Read3dmChunkVersion(&major, &minor) || major != 1 || !archive.ReadInt(&dim) ||
      !archive.ReadInt(&is_rat) || !archive.ReadInt(&order) || !archive.ReadInt(&cv_count) ||
      !archive.ReadInt(&reserved) || !archive.ReadInt(&reserved) || !archive.ReadBoundingBox(box) ||
      !archive.ReadInt(&knot_count))
    return false;
  const int cv_size = dim + (is_rat ? 1 : 0);
  if (dim < 1 || dim > 3 || order < 2 || cv_count < order || knot_count != order + cv_count - 2 ||
      !Fits(archive, static_cast<long long>(knot_count) + static_cast<long long>(cv_count) * cv_size) ||
      !Create(dim, is_rat != 0, order, cv_count))
    return false;
  if (!archive.ReadDouble(static_cast<size_t>(knot_count), m_knot) || !archive.ReadInt(&count) || count != cv_count)
    return false;
  for (int i = 0; i < cv_count; ++i)
    if (!archive.ReadDouble(static_cast<size_t>(cv_size), CV(i)))
      return false;
  return true;
}

int ON_NurbsCurve::GetNurbForm(ON_NurbsCurve& nurbs, double, const ON_Interval* subdomain) const
{
  if (!IsValid())
    return 0;
  ON_NurbsCurve copy(*this);
  if (subdomain && !copy.Trim(*subdomain))
    return 0;
  nurbs = copy;
  return 1;
}
