#include "opennurbs.h"
#include "opennurbs_curve_polyline.h"

#include <algorithm>
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

int ON_ArcCurve::Degree() const { return 2; }

namespace
{
int QuarterSpans(double angle)
{
  return std::max(1, static_cast<int>(std::ceil(std::fabs(angle) / (0.5 * ON_PI) - 1e-9)));
}
} // namespace

int ON_ArcCurve::SpanCount() const { return QuarterSpans(m_arc.AngleRadians()); }

bool ON_ArcCurve::GetSpanVector(double* span_vector) const
{
  if (!span_vector || !m_t.IsIncreasing())
    return false;
  const int spans = SpanCount();
  for (int i = 0; i <= spans; ++i)
    span_vector[i] = i == spans ? m_t.m_t[1] : m_t.m_t[0] + i * (m_t.m_t[1] - m_t.m_t[0]) / spans;
  return true;
}

int ON_ArcCurve::GetNurbForm(ON_NurbsCurve& nurbs, double, const ON_Interval* subdomain) const
{
  if (!IsValid())
    return 0;
  const double angle = m_arc.AngleRadians();
  const int spans = QuarterSpans(angle);
  const double step = angle / spans;
  const double weight = std::cos(0.5 * step);
  ON_NurbsCurve form;
  if (!form.Create(m_dim, true, 3, 2 * spans + 1))
    return 0;
  const ON_Circle wide(m_arc.plane, m_arc.radius / weight);
  for (int i = 0; i <= spans; ++i)
  {
    const double a = m_arc.m_angle.m_t[0] + i * step;
    form.SetCV(2 * i, m_arc.PointAt(a));
    if (i < spans)
    {
      const ON_3dPoint mid = wide.PointAt(a + 0.5 * step);
      form.SetCV(2 * i + 1, ON_4dPoint(mid.x * weight, mid.y * weight, mid.z * weight, weight));
    }
  }
  double knots[64];
  if (spans + 1 > 64 || !GetSpanVector(knots))
    return 0;
  for (int i = 0; i <= spans; ++i)
  {
    form.SetKnot(2 * i, knots[i]);
    form.SetKnot(2 * i + 1, knots[i]);
  }
  if (subdomain && !form.Trim(*subdomain))
    return 0;
  nurbs = form;
  return 2;
}

bool ON_ArcCurve::IsClosed() const { return m_arc.IsCircle(); }

bool ON_ArcCurve::IsLinear(double) const { return false; }

int ON_ArcCurve::IsPolyline(ON_SimpleArray<ON_3dPoint>* pline_points, ON_SimpleArray<double>* pline_t) const
{
  ON_EmptyPolylineOutputs(pline_points, pline_t);
  return 0;
}

bool ON_ArcCurve::IsArc(const ON_Plane*, ON_Arc* arc, double) const
{
  if (!IsValid())
    return false;
  if (arc)
    *arc = m_arc;
  return true;
}

bool ON_ArcCurve::IsPlanar(ON_Plane* plane, double) const
{
  if (!IsValid())
    return false;
  if (plane)
    *plane = m_dim == 2 ? ON_Plane::World_xy : m_arc.plane;
  return true;
}

bool ON_ArcCurve::GetLength(double* length, double, const ON_Interval* sub_domain) const
{
  if (!length || !IsValid())
    return false;
  double fraction = 1.0;
  if (sub_domain)
  {
    ON_Interval part = m_t;
    if (!sub_domain->IsIncreasing() || !part.Intersection(*sub_domain))
      return false;
    fraction = part.Length() / m_t.Length();
  }
  *length = std::fabs(m_arc.AngleRadians()) * m_arc.radius * fraction;
  return true;
}

bool ON_ArcCurve::GetNormalizedArcLengthPoints(int count, const double* s, double* t, double, double,
                                               const ON_Interval* sub_domain) const
{
  if (count < 1 || !s || !t || !IsValid())
    return false;
  ON_Interval domain = m_t;
  if (sub_domain && (!sub_domain->IsIncreasing() || !domain.Intersection(*sub_domain) || !domain.IsIncreasing()))
    return false;
  for (int i = 0; i < count; ++i)
    if (!(s[i] >= 0.0 && s[i] <= 1.0))
      return false;
  for (int i = 0; i < count; ++i)
    t[i] = s[i] == 1.0 ? domain[1] : domain.ParameterAt(s[i]);
  return true;
}

bool ON_ArcCurve::GetClosestPoint(const ON_3dPoint& P, double* t, double maximum_distance,
                                  const ON_Interval* sub_domain) const
{
  if (!t || !IsValid())
    return false;
  if (sub_domain)
    return ON_Curve::GetClosestPoint(P, t, maximum_distance, sub_domain);
  double angle = 0.0;
  m_arc.ClosestPointTo(P, &angle); // angle in [0, 2pi) from the plane's x axis
  const double sweep = m_arc.AngleRadians();
  double s = std::fmod(angle - m_arc.m_angle.m_t[0], 2.0 * ON_PI);
  if (s < 0.0)
    s += 2.0 * ON_PI;
  if (s > sweep)
    s = s > 0.5 * sweep + ON_PI ? 0.0 : sweep;
  const double u = m_t.ParameterAt(s / sweep);
  if (maximum_distance > 0.0 && PointAt(u).DistanceTo(P) > maximum_distance)
    return false;
  *t = u;
  return true;
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
