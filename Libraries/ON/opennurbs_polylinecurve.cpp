#include "opennurbs_polylinecurve.h"

ON_OBJECT_IMPLEMENT(ON_PolylineCurve, ON_Curve, "4ED7D4E6-E947-11D3-BFE5-0010830122F0")

ON_PolylineCurve::ON_PolylineCurve(const ON_3dPointArray& points)
{
  *this = points;
}

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

int ON_PolylineCurve::Dimension() const
{
  return m_dim;
}

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
  int i = 0;  // segment [m_t[i], m_t[i+1]]
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

int ON_PolylineCurve::PointCount() const
{
  return m_pline.PointCount();
}
