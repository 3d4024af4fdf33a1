#include "opennurbs.h"

#include <cmath>

ON_OBJECT_IMPLEMENT(ON_ArcCurve, ON_Curve, "CF33BE2A-09B4-11D4-BFFB-0010830122F0")

ON_ArcCurve::ON_ArcCurve() : m_t(0.0, 2.0 * ON_PI) {}

ON_ArcCurve::ON_ArcCurve(const ON_Arc& arc) : m_arc(arc), m_t(0.0, arc.radius * arc.AngleRadians()) {}

ON_ArcCurve::ON_ArcCurve(const ON_Circle& circle) : ON_ArcCurve(ON_Arc(circle, 2.0 * ON_PI)) {}

bool ON_ArcCurve::IsValid(ON_TextLog*) const { return m_arc.IsValid() && m_t.IsValid() && m_t.m_t[0] < m_t.m_t[1]; }
int ON_ArcCurve::Dimension() const { return m_dim; }
ON_Interval ON_ArcCurve::Domain() const { return m_t; }
bool ON_ArcCurve::IsCircle() const { return m_arc.IsCircle(); }
double ON_ArcCurve::Radius() const { return m_arc.radius; }

bool ON_ArcCurve::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  const ON_BoundingBox box = m_arc.BoundingBox();
  ON_3dPointArray corners;
  corners.Append(box.m_min);
  corners.Append(box.m_max);
  return corners.GetBBox(boxmin, boxmax, bGrowBox);
}

// The angle runs linearly with the parameter, so the k-th derivative carries (dangle/dt)^k.
bool ON_ArcCurve::Evaluate(double t, int der_count, int v_stride, double* v, int, int*) const
{
  const double length = m_t.m_t[1] - m_t.m_t[0];
  if (!(length > 0.0) || der_count < 0 || v_stride < m_dim)
    return false;
  const double scale = m_arc.AngleRadians() / length;
  const double angle = m_arc.m_angle.m_t[0] + (t - m_t.m_t[0]) * scale;
  const ON_3dPoint p = m_arc.PointAt(angle);
  for (int i = 0; i < m_dim; ++i)
    v[i] = p[i];
  double factor = 1.0;
  for (int k = 1; k <= der_count; ++k)
  {
    factor *= scale;
    const ON_3dVector d = m_arc.DerivativeAt(k, angle) * factor;
    for (int i = 0; i < m_dim; ++i)
      v[k * v_stride + i] = d[i];
  }
  return true;
}

int ON_ArcCurve::GetNurbForm(ON_NurbsCurve& nurbs, double, const ON_Interval*) const
{
  if (!IsValid())
    return 0;
  const double angle = m_arc.AngleRadians();
  const int spans = std::max(1, static_cast<int>(std::ceil(angle / (0.5 * ON_PI) - 1e-9)));
  const double step = angle / spans;
  const double weight = std::cos(0.5 * step);
  if (!nurbs.Create(m_dim, true, 3, 2 * spans + 1))
    return 0;
  const ON_Circle wide(m_arc.plane, m_arc.radius / weight);
  for (int i = 0; i <= spans; ++i)
  {
    const double a = m_arc.m_angle.m_t[0] + i * step;
    nurbs.SetCV(2 * i, m_arc.PointAt(a));
    if (i < spans)
    {
      const ON_3dPoint mid = wide.PointAt(a + 0.5 * step);
      nurbs.SetCV(2 * i + 1, ON_4dPoint(mid.x * weight, mid.y * weight, mid.z * weight, weight));
    }
  }
  const double t0 = m_t.m_t[0], t1 = m_t.m_t[1];
  for (int i = 0; i <= spans; ++i)
  {
    const double knot = i == spans ? t1 : t0 + i * (t1 - t0) / spans;
    nurbs.SetKnot(2 * i, knot);
    nurbs.SetKnot(2 * i + 1, knot);
  }
  return 1;
}

// Version 1.0: the arc (plane, radius, three points old readers want, angles), domain, dimension.
bool ON_ArcCurve::Write(ON_BinaryArchive& archive) const
{
  return archive.Write3dmChunkVersion(1, 0) && archive.WritePlane(m_arc.plane) && archive.WriteDouble(m_arc.radius) &&
         archive.WritePoint(m_arc.PointAt(0.0)) && archive.WritePoint(m_arc.PointAt(0.5 * ON_PI)) &&
         archive.WritePoint(m_arc.PointAt(ON_PI)) && archive.WriteInterval(m_arc.m_angle) &&
         archive.WriteInterval(m_t) && archive.WriteInt(m_dim);
}

bool ON_ArcCurve::Read(ON_BinaryArchive& archive)
{
  int major = 0, minor = 0;
  ON_3dPoint ignored;
  if (!archive.Read3dmChunkVersion(&major, &minor) || major != 1 || !archive.ReadPlane(m_arc.plane) ||
      !archive.ReadDouble(&m_arc.radius) || !archive.ReadPoint(ignored) || !archive.ReadPoint(ignored) ||
      !archive.ReadPoint(ignored) || !archive.ReadInterval(m_arc.m_angle) || !archive.ReadInterval(m_t) ||
      !archive.ReadInt(&m_dim))
    return false;
  if (m_dim != 2 && m_dim != 3)
    m_dim = 3;
  return true;
}
