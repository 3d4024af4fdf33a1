#include "opennurbs_polylinecurve.h"
#include "opennurbs_curve_polyline.h"

#include <algorithm>
#include <cmath>
#include <vector>

ON_OBJECT_IMPLEMENT(ON_PolylineCurve, ON_Curve, "4ED7D4E6-E947-11D3-BFE5-0010830122F0")

ON_PolylineCurve::ON_PolylineCurve(const ON_3dPointArray& points) { *this = points; }

ON_PolylineCurve& ON_PolylineCurve::operator=(const ON_3dPointArray& points)
{
  m_pline = points;
  m_t.Empty();
  m_t.Reserve(points.Count());
  for (int i = 0; i < points.Count(); i++)
    m_t.Append(static_cast<double>(i));
  m_dim = 3;
  return *this;
}

bool ON_PolylineCurve::IsValid(ON_TextLog*) const
{
  if (!m_pline.IsValid() || m_t.Count() != m_pline.PointCount() || (m_dim != 2 && m_dim != 3))
    return false;
  for (int i = 1; i < m_t.Count(); i++)
    if (!(m_t[i - 1] < m_t[i]))
      return false;
  return true;
}

int ON_PolylineCurve::Dimension() const { return m_dim; }

bool ON_PolylineCurve::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  double lo[3], hi[3];
  if (!m_pline.GetBBox(lo, hi))
    return false;
  bool grow = bGrowBox;
  for (int k = 0; grow && k < m_dim; k++)
    if (boxmin[k] > boxmax[k])
      grow = false;
  for (int k = 0; k < m_dim; k++)
  {
    boxmin[k] = (grow && boxmin[k] < lo[k]) ? boxmin[k] : lo[k];
    boxmax[k] = (grow && boxmax[k] > hi[k]) ? boxmax[k] : hi[k];
  }
  return true;
}

ON_Interval ON_PolylineCurve::Domain() const
{
  if (m_t.Count() < 2)
    return ON_Interval(ON_UNSET_VALUE, ON_UNSET_VALUE);
  return ON_Interval(m_t[0], m_t[m_t.Count() - 1]);
}

bool ON_PolylineCurve::Evaluate(double t, int der_count, int v_stride, double* v, int side, int*) const
{
  const int count = m_t.Count();
  if (!v || der_count < 0 || v_stride < m_dim || count < 2 || m_pline.PointCount() != count)
    return false;
  int i = 0; // segment [m_t[i], m_t[i+1]]
  while (i < count - 2 && (t > m_t[i + 1] || (t == m_t[i + 1] && side >= 0)))
    i++;
  const double span = m_t[i + 1] - m_t[i];
  if (!(span > 0.0))
    return false;
  const double s = (t - m_t[i]) / span;
  const ON_3dPoint& a = m_pline[i];
  const ON_3dPoint& b = m_pline[i + 1];
  for (int k = 0; k < m_dim; k++)
  {
    v[k] = (1.0 - s) * a[k] + s * b[k];
    for (int d = 1; d <= der_count; d++)
      v[d * v_stride + k] = d == 1 ? (b[k] - a[k]) / span : 0.0;
  }
  return true;
}

int ON_PolylineCurve::PointCount() const { return m_pline.PointCount(); }

int ON_PolylineCurve::Degree() const { return 1; }

int ON_PolylineCurve::SpanCount() const { return m_pline.SegmentCount(); }

bool ON_PolylineCurve::GetSpanVector(double* span_vector) const
{
  if (!span_vector || m_t.Count() < 2)
    return false;
  std::copy(m_t.Array(), m_t.Array() + m_t.Count(), span_vector);
  return true;
}

bool ON_PolylineCurve::IsClosed() const { return m_pline.IsClosed(0.0); }

int ON_PolylineCurve::IsPolyline(ON_SimpleArray<ON_3dPoint>* pline_points, ON_SimpleArray<double>* pline_t) const
{
  ON_EmptyPolylineOutputs(pline_points, pline_t);
  if (!IsValid())
    return 0;
  if (pline_points)
    *pline_points = m_pline;
  if (pline_t)
    *pline_t = m_t;
  return m_pline.PointCount();
}

namespace
{
// Parameter interval of the polyline curve, cut to sub_domain when one is given.
bool PolylineInterval(const ON_PolylineCurve& c, const ON_Interval* sub_domain, ON_Interval& interval)
{
  interval = c.Domain();
  if (!c.IsValid())
    return false;
  return !sub_domain || (sub_domain->IsIncreasing() && interval.Intersection(*sub_domain) && interval.IsIncreasing());
}

// Length of segment i between the parameters a <= b inside it.
double SegmentPart(const ON_PolylineCurve& c, int i, double a, double b)
{
  const double span = c.m_t[i + 1] - c.m_t[i];
  return c.m_pline[i].DistanceTo(c.m_pline[i + 1]) * (b - a) / span;
}
} // namespace

bool ON_PolylineCurve::GetLength(double* length, double, const ON_Interval* sub_domain) const
{
  ON_Interval interval;
  if (!length || !PolylineInterval(*this, sub_domain, interval))
    return false;
  double sum = 0.0;
  for (int i = 0; i + 1 < m_t.Count(); i++)
  {
    const double a = std::max(interval[0], m_t[i]), b = std::min(interval[1], m_t[i + 1]);
    if (a < b)
      sum += SegmentPart(*this, i, a, b);
  }
  *length = sum;
  return true;
}

bool ON_PolylineCurve::GetNormalizedArcLengthPoints(int count, const double* s, double* t, double, double,
                                                    const ON_Interval* sub_domain) const
{
  ON_Interval interval;
  if (count < 1 || !s || !t || !PolylineInterval(*this, sub_domain, interval))
    return false;
  // Pieces: the segment parts inside the interval with their lengths.
  std::vector<int> segment;
  std::vector<double> from, to, cumulative(1, 0.0);
  for (int i = 0; i + 1 < m_t.Count(); i++)
  {
    const double a = std::max(interval[0], m_t[i]), b = std::min(interval[1], m_t[i + 1]);
    if (!(a < b))
      continue;
    segment.push_back(i);
    from.push_back(a);
    to.push_back(b);
    cumulative.push_back(cumulative.back() + SegmentPart(*this, i, a, b));
  }
  const double total = cumulative.back();
  std::vector<double> result(static_cast<size_t>(count));
  for (int j = 0; j < count; j++)
  {
    if (!(s[j] >= 0.0 && s[j] <= 1.0))
      return false;
    double& u = result[static_cast<size_t>(j)];
    if (s[j] == 0.0 || s[j] == 1.0 || !(total > 0.0))
    {
      u = interval.ParameterAt(s[j]);
      if (s[j] == 1.0)
        u = interval[1];
      continue;
    }
    const double target = s[j] * total;
    size_t k = static_cast<size_t>(std::upper_bound(cumulative.begin(), cumulative.end(), target) - cumulative.begin());
    k = std::min(k == 0 ? 0 : k - 1, segment.size() - 1);
    const double piece = cumulative[k + 1] - cumulative[k];
    const double x = piece > 0.0 ? std::min(1.0, (target - cumulative[k]) / piece) : 0.0;
    u = from[k] + x * (to[k] - from[k]);
  }
  std::copy(result.begin(), result.end(), t);
  return true;
}

bool ON_PolylineCurve::GetClosestPoint(const ON_3dPoint& P, double* t, double maximum_distance,
                                       const ON_Interval* sub_domain) const
{
  ON_Interval interval;
  if (!t || !P.IsValid() || !PolylineInterval(*this, sub_domain, interval))
    return false;
  double best = -1.0, best_t = interval[0];
  for (int i = 0; i + 1 < m_t.Count(); i++)
  {
    const double a = std::max(interval[0], m_t[i]), b = std::min(interval[1], m_t[i + 1]);
    if (!(a <= b))
      continue;
    const ON_3dPoint A = PointAt(a), B = PointAt(b);
    const ON_3dVector D = B - A;
    const double dd = ON_DotProduct(D, D);
    double x = dd > 0.0 ? ON_DotProduct(P - A, D) / dd : 0.0;
    x = std::clamp(x, 0.0, 1.0);
    const double d = P.DistanceTo(A + x * D);
    if (best < 0.0 || d < best)
    {
      best = d;
      best_t = a + x * (b - a);
    }
  }
  if (best < 0.0 || (maximum_distance > 0.0 && best > maximum_distance))
    return false;
  *t = best_t;
  return true;
}
