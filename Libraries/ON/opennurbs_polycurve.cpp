#include "opennurbs.h"
#include "opennurbs_curve_polyline.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

ON_OBJECT_IMPLEMENT(ON_PolyCurve, ON_Curve, "4ED7D4E0-E947-11D3-BFE5-0010830122F0")

ON_PolyCurve::ON_PolyCurve(const ON_PolyCurve& src) : ON_Curve(src) { *this = src; }

ON_PolyCurve& ON_PolyCurve::operator=(const ON_PolyCurve& src)
{
  if (this == &src)
    return *this;
  Destroy();
  ON_Curve::operator=(src);
  for (int i = 0; i < src.m_segment.Count(); ++i)
    m_segment.Append(static_cast<ON_Curve*>(src.m_segment[i]->Duplicate()));
  m_t = src.m_t;
  return *this;
}

ON_PolyCurve::~ON_PolyCurve() { Destroy(); }

void ON_PolyCurve::Destroy()
{
  for (int i = 0; i < m_segment.Count(); ++i)
    delete m_segment[i];
  m_segment.Destroy();
  m_t.Destroy();
}

bool ON_PolyCurve::Append(ON_Curve* segment)
{
  if (!segment)
    return false;
  const ON_Interval domain = segment->Domain();
  if (m_t.Count() == 0)
    m_t.Append(domain.m_t[0]);
  m_t.Append(m_t[m_t.Count() - 1] + (domain.m_t[1] - domain.m_t[0]));
  m_segment.Append(segment);
  return true;
}

bool ON_PolyCurve::SynchronizeSegmentDomains()
{
  for (int i = 0; i < m_segment.Count(); ++i)
  {
    ON_NurbsCurve* nurbs = ON_NurbsCurve::Cast(m_segment[i]);
    if (!nurbs)
    {
      nurbs = new ON_NurbsCurve();
      if (!m_segment[i] || !m_segment[i]->GetNurbForm(*nurbs))
      {
        delete nurbs;
        return false;
      }
      delete m_segment[i];
      m_segment[i] = nurbs;
    }
    if (!nurbs->SetDomain(m_t[i], m_t[i + 1]))
      return false;
  }
  return true;
}

int ON_PolyCurve::Count() const { return m_segment.Count(); }
const ON_Curve* ON_PolyCurve::SegmentCurve(int index) const { return m_segment.At(index) ? m_segment[index] : nullptr; }
const ON_SimpleArray<double>& ON_PolyCurve::SegmentParameters() const { return m_t; }

bool ON_PolyCurve::IsValid(ON_TextLog*) const
{
  if (m_segment.Count() < 1 || m_t.Count() != m_segment.Count() + 1)
    return false;
  for (int i = 0; i < m_segment.Count(); ++i)
    if (!m_segment[i] || !m_segment[i]->IsValid() || !(m_t[i] < m_t[i + 1]))
      return false;
  return true;
}

int ON_PolyCurve::Dimension() const { return m_segment.Count() ? m_segment[0]->Dimension() : 0; }

bool ON_PolyCurve::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  bool ok = m_segment.Count() > 0;
  for (int i = 0; ok && i < m_segment.Count(); ++i)
    ok = m_segment[i]->GetBBox(boxmin, boxmax, bGrowBox || i > 0);
  return ok;
}

ON_Interval ON_PolyCurve::Domain() const
{
  return m_t.Count() > 1 ? ON_Interval(m_t[0], m_t[m_t.Count() - 1]) : ON_Interval(0.0, 0.0);
}

int ON_PolyCurve::SegmentIndex(double t) const
{
  int i = 0;
  while (i + 1 < m_segment.Count() && t >= m_t[i + 1])
    ++i;
  return i;
}

// Segment parameters map linearly onto the segment's own domain.
bool ON_PolyCurve::Evaluate(double t, int der_count, int v_stride, double* v, int side, int* hint) const
{
  if (!IsValid())
    return false;
  const int i = SegmentIndex(t);
  const ON_Interval own = m_segment[i]->Domain();
  const double scale = (own.m_t[1] - own.m_t[0]) / (m_t[i + 1] - m_t[i]);
  if (!m_segment[i]->Evaluate(own.m_t[0] + (t - m_t[i]) * scale, der_count, v_stride, v, side, hint))
    return false;
  double factor = 1.0;
  for (int k = 1; k <= der_count; ++k)
  {
    factor *= scale;
    for (int j = 0; j < v_stride; ++j)
      v[k * v_stride + j] *= factor;
  }
  return true;
}

namespace
{
bool IsClamped(const ON_NurbsCurve& nurbs)
{
  const int k = nurbs.Order();
  const int n = nurbs.KnotCount();
  for (int i = 1; i < k - 1; ++i)
    if (nurbs.Knot(i) != nurbs.Knot(0) || nurbs.Knot(n - 1 - i) != nurbs.Knot(n - 1))
      return false;
  return true;
}

// The segment's knots moved linearly onto (t0, t1).
double MappedKnot(const ON_NurbsCurve& nurbs, int i, double t0, double t1)
{
  const double a = nurbs.Knot(0), b = nurbs.Knot(nurbs.KnotCount() - 1), k = nurbs.Knot(i);
  return k == b ? t1 : t0 + (k - a) * (t1 - t0) / (b - a);
}
} // namespace

int ON_PolyCurve::GetNurbForm(ON_NurbsCurve& nurbs, double, const ON_Interval* subdomain) const
{
  if (!IsValid())
    return 0;
  std::vector<ON_NurbsCurve> parts(static_cast<size_t>(m_segment.Count()));
  bool rational = false;
  int cv_count = 1, rc = 1;
  for (int i = 0; i < m_segment.Count(); ++i)
  {
    ON_NurbsCurve& part = parts[static_cast<size_t>(i)];
    const int part_rc = m_segment[i]->GetNurbForm(part);
    if (!part_rc || !IsClamped(part) || part.Order() != parts[0].Order() || part.Dimension() != parts[0].Dimension())
      return 0;
    rc = std::max(rc, part_rc);
    rational = rational || part.IsRational();
    cv_count += part.CVCount() - 1;
  }
  const int order = parts[0].Order();
  ON_NurbsCurve form;
  if (!form.Create(parts[0].Dimension(), rational, order, cv_count))
    return 0;
  int cv = 0, knot = 0;
  for (int i = 0; i < m_segment.Count(); ++i)
  {
    const ON_NurbsCurve& part = parts[static_cast<size_t>(i)];
    // The first control point of a later segment is the last one of the segment before.
    ON_4dPoint start;
    part.GetCV(0, start);
    const double scale = i == 0 ? 1.0 : form.Weight(cv - 1) / start.w;
    for (int j = i == 0 ? 0 : 1; j < part.CVCount(); ++j)
    {
      ON_4dPoint p;
      part.GetCV(j, p);
      form.SetCV(cv++, ON_4dPoint(p.x * scale, p.y * scale, p.z * scale, p.w * scale));
    }
    for (int j = i == 0 ? 0 : order - 1; j < part.KnotCount(); ++j)
      form.SetKnot(knot++, MappedKnot(part, j, m_t[i], m_t[i + 1]));
  }
  if (subdomain && !form.Trim(*subdomain))
    return 0;
  nurbs = form;
  return rc;
}

// Version 1.0: count, two reserved ints, box, segment parameters, one class chunk per segment.
bool ON_PolyCurve::Write(ON_BinaryArchive& archive) const
{
  ON_BoundingBox box;
  GetBoundingBox(box);
  bool ok = archive.Write3dmChunkVersion(1, 0) && archive.WriteInt(m_segment.Count()) && archive.WriteInt(0) &&
            archive.WriteInt(0) && archive.WriteBoundingBox(box) && archive.WriteArray(m_t);
  for (int i = 0; ok && i < m_segment.Count(); ++i)
    ok = archive.WriteObject(*m_segment[i]);
  return ok;
}

bool ON_PolyCurve::Read(ON_BinaryArchive& archive)
{
  Destroy();
  int major = 0, minor = 0, count = 0, reserved = 0;
  ON_BoundingBox box;
  if (!archive.Read3dmChunkVersion(&major, &minor) || major != 1 || !archive.ReadInt(&count) ||
      !archive.ReadInt(&reserved) || !archive.ReadInt(&reserved) || !archive.ReadBoundingBox(box) ||
      !archive.ReadArray(m_t) || count < 0 || m_t.Count() != count + 1)
    return false;
  for (int i = 0; i < count; ++i)
  {
    ON_Object* object = nullptr;
    if (archive.ReadObject(&object) != 1)
      return false;
    ON_Curve* segment = ON_Curve::Cast(object);
    if (!segment)
    {
      delete object;
      return false;
    }
    m_segment.Append(segment);
  }
  return true;
}

int ON_PolyCurve::Degree() const
{
  int degree = 0;
  for (int i = 0; i < m_segment.Count(); ++i)
    degree = std::max(degree, m_segment[i] ? m_segment[i]->Degree() : 0);
  return degree;
}

int ON_PolyCurve::SpanCount() const
{
  int count = 0;
  for (int i = 0; i < m_segment.Count(); ++i)
  {
    const int n = m_segment[i] ? m_segment[i]->SpanCount() : 0;
    if (n < 1)
      return 0;
    count += n;
  }
  return count;
}

bool ON_PolyCurve::GetSpanVector(double* span_vector) const
{
  if (!span_vector || !IsValid())
    return false;
  int n = 0;
  span_vector[n++] = m_t[0];
  for (int i = 0; i < m_segment.Count(); ++i)
  {
    const int count = m_segment[i]->SpanCount();
    std::vector<double> own(static_cast<size_t>(std::max(count, 0)) + 1);
    if (count < 1 || !m_segment[i]->GetSpanVector(own.data()))
      return false;
    const ON_Interval domain = m_segment[i]->Domain();
    for (int k = 1; k <= count; ++k)
      span_vector[n++] =
          k == count ? m_t[i + 1] : m_t[i] + (own[k] - domain[0]) * (m_t[i + 1] - m_t[i]) / domain.Length();
  }
  return true;
}

bool ON_PolyCurve::IsLinear(double tolerance) const
{
  if (!IsValid())
    return false;
  const ON_3dPoint A = PointAtStart(), B = PointAtEnd();
  const ON_3dVector D = B - A;
  const double dd = ON_DotProduct(D, D);
  if (!(dd > 0.0))
    return false;
  double previous = 0.0;
  for (int i = 0; i < m_segment.Count(); ++i)
  {
    if (!m_segment[i]->IsLinear(tolerance))
      return false;
    const ON_3dPoint E = m_segment[i]->PointAtEnd();
    const double t = ON_DotProduct(E - A, D) / dd;
    const ON_3dPoint foot = A + t * D;
    const bool near = tolerance > 0.0 ? E.DistanceTo(foot) <= tolerance : ON_PointsAreCoincident(E, foot);
    if (!near || t < previous - 1.0e-12 || t > 1.0 + 1.0e-12)
      return false;
    previous = t;
  }
  return true;
}

int ON_PolyCurve::IsPolyline(ON_SimpleArray<ON_3dPoint>* pline_points, ON_SimpleArray<double>* pline_t) const
{
  ON_EmptyPolylineOutputs(pline_points, pline_t);
  if (!IsValid())
    return 0;
  ON_SimpleArray<ON_3dPoint> points;
  ON_SimpleArray<double> params;
  for (int i = 0; i < m_segment.Count(); ++i)
  {
    ON_SimpleArray<ON_3dPoint> own_points;
    ON_SimpleArray<double> own_t;
    if (!m_segment[i]->IsPolyline(&own_points, &own_t) || own_t.Count() != own_points.Count())
      return 0;
    const ON_Interval domain = m_segment[i]->Domain();
    // The first point of a later segment is the last one of the segment before.
    for (int k = points.Count() ? 1 : 0; k < own_points.Count(); ++k)
    {
      points.Append(own_points[k]);
      params.Append(m_t[i] + (own_t[k] - domain[0]) * (m_t[i + 1] - m_t[i]) / domain.Length());
    }
  }
  return ON_SetPolylineOutputs(*this, points, params, pline_points, pline_t);
}
