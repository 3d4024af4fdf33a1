#include "opennurbs_linecurve.h"

ON_OBJECT_IMPLEMENT(ON_LineCurve, ON_Curve, "4ED7D4DB-E947-11D3-BFE5-0010830122F0")

namespace
{

ON_Interval LengthDomain(const ON_Line& line)
{
  const double length = line.Length();
  return ON_Interval(0.0, length > ON_ZERO_TOLERANCE ? length : 1.0);
}

} // namespace

ON_LineCurve::ON_LineCurve() : m_t(0.0, 1.0) {}

ON_LineCurve::ON_LineCurve(const ON_Line& line) : m_line(line), m_t(LengthDomain(line)) {}

ON_LineCurve::ON_LineCurve(const ON_3dPoint& from, const ON_3dPoint& to) : ON_LineCurve(ON_Line(from, to)) {}

ON_LineCurve::ON_LineCurve(const ON_Line& line, double t0, double t1) : m_line(line), m_t(t0, t1) {}

ON_LineCurve& ON_LineCurve::operator=(const ON_Line& line)
{
  m_line = line;
  m_t = LengthDomain(line);
  m_dim = 3;
  return *this;
}

bool ON_LineCurve::IsValid(ON_TextLog*) const
{
  return m_t.IsIncreasing() && m_line.IsValid() && m_line.from != m_line.to && (m_dim == 2 || m_dim == 3);
}

int ON_LineCurve::Dimension() const { return m_dim; }

bool ON_LineCurve::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  bool grow = bGrowBox;
  for (int k = 0; grow && k < m_dim; k++)
    if (boxmin[k] > boxmax[k])
      grow = false;
  for (int end = 0; end < 2; end++, grow = true)
    for (int k = 0; k < m_dim; k++)
    {
      const double x = m_line[end][k];
      if (!grow || x < boxmin[k])
        boxmin[k] = x;
      if (!grow || x > boxmax[k])
        boxmax[k] = x;
    }
  return true;
}

ON_Interval ON_LineCurve::Domain() const { return m_t; }

bool ON_LineCurve::Evaluate(double t, int der_count, int v_stride, double* v, int, int*) const
{
  if (!v || der_count < 0 || v_stride < m_dim || !m_t.IsIncreasing())
    return false;
  const double length = m_t.Length();
  const ON_3dPoint point = m_line.PointAt((t - m_t[0]) / length);
  const ON_3dVector derivative = m_line.Direction() / length;
  for (int k = 0; k < m_dim; k++)
    v[k] = point[k];
  for (int d = 1; d <= der_count; d++)
    for (int k = 0; k < m_dim; k++)
      v[d * v_stride + k] = d == 1 ? derivative[k] : 0.0;
  return true;
}

bool ON_LineCurve::GetClosestPoint(const ON_3dPoint& P, double* t, double maximum_distance,
                                   const ON_Interval* sub_domain) const
{
  const ON_3dVector D = m_line.Direction();
  const double DoD = D * D;
  if (!t || !(DoD > 0.0))
    return false;
  double s = ((P - m_line.from) * D) / DoD;
  if (!(s > 0.0))
    s = 0.0;
  else if (s > 1.0)
    s = 1.0;
  double curve_t = (1.0 - s) * m_t[0] + s * m_t[1];
  if (sub_domain)
  {
    ON_Interval limit = *sub_domain;
    limit.MakeIncreasing();
    if (!limit.IsValid() || limit.Max() < m_t.Min() || limit.Min() > m_t.Max())
      return false;
    if (curve_t < limit.Min())
      curve_t = limit.Min();
    else if (curve_t > limit.Max())
      curve_t = limit.Max();
    s = m_t.NormalizedParameterAt(curve_t);
  }
  if (maximum_distance > 0.0 && P.DistanceTo(m_line.PointAt(s)) > maximum_distance)
    return false;
  *t = curve_t;
  return true;
}
