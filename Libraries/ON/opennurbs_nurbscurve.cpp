#include "opennurbs_nurbscurve.h"

#include "opennurbs_evaluate_nurbs.h"
#include "opennurbs_knot.h"
#include "opennurbs_xform.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

ON_OBJECT_IMPLEMENT(ON_NurbsCurve, ON_Curve, "4ED7D4DD-E947-11D3-BFE5-0010830122F0")

namespace
{

double Binomial(int n, int k)
{
  double c = 1.0;
  for (int i = 1; i <= k; i++)
    c = c * (n - k + i) / i;
  return c;
}

} // namespace

ON_NurbsCurve::ON_NurbsCurve(int dim, bool bIsRational, int order, int cv_count)
{
  Create(dim, bIsRational, order, cv_count);
}

ON_NurbsCurve::ON_NurbsCurve(const ON_NurbsCurve& src) : ON_Curve(src) { CopyFrom(src); }

ON_NurbsCurve& ON_NurbsCurve::operator=(const ON_NurbsCurve& src)
{
  if (this != &src)
  {
    ON_Curve::operator=(src);
    Destroy();
    CopyFrom(src);
  }
  return *this;
}

ON_NurbsCurve::~ON_NurbsCurve() { Destroy(); }

void ON_NurbsCurve::CopyFrom(const ON_NurbsCurve& src)
{
  m_dim = src.m_dim;
  m_is_rat = src.m_is_rat;
  m_order = src.m_order;
  m_cv_count = src.m_cv_count;
  const int knot_count = src.m_knot ? src.KnotCount() : 0;
  if (knot_count > 0)
  {
    m_knot_capacity = knot_count;
    m_knot = new double[knot_count];
    std::memcpy(m_knot, src.m_knot, knot_count * sizeof(double));
  }
  if (src.m_cv && src.m_cv_count > 0)
  {
    m_cv_stride = CVSize();
    m_cv_capacity = m_cv_count * m_cv_stride;
    m_cv = new double[m_cv_capacity];
    for (int i = 0; i < m_cv_count; i++)
      std::memcpy(CV(i), src.CV(i), m_cv_stride * sizeof(double));
  }
}

bool ON_NurbsCurve::Create(int dim, bool bIsRational, int order, int cv_count)
{
  if (dim < 1 || order < 2 || cv_count < order)
    return false;
  Destroy();
  m_dim = dim;
  m_is_rat = bIsRational ? 1 : 0;
  m_order = order;
  m_cv_count = cv_count;
  m_cv_stride = CVSize();
  m_knot_capacity = ON_KnotCount(order, cv_count);
  m_knot = new double[m_knot_capacity];
  m_cv_capacity = cv_count * m_cv_stride;
  m_cv = new double[m_cv_capacity];
  return true;
}

bool ON_NurbsCurve::CreateClampedUniformNurbs(int dimension, int order, int point_count, const ON_3dPoint* point,
                                              double knot_delta)
{
  if (dimension < 1 || dimension > 3 || !point || !(knot_delta > 0.0) || !Create(dimension, false, order, point_count))
    return false;
  for (int i = 0; i < point_count; i++)
    std::memcpy(CV(i), &point[i].x, dimension * sizeof(double));
  return MakeClampedUniformKnotVector(knot_delta);
}

void ON_NurbsCurve::Destroy()
{
  delete[] m_knot;
  delete[] m_cv;
  m_knot = nullptr;
  m_cv = nullptr;
  m_knot_capacity = m_cv_capacity = 0;
  m_dim = m_is_rat = m_order = m_cv_count = m_cv_stride = 0;
}

bool ON_NurbsCurve::IsValid(ON_TextLog*) const
{
  if (m_dim <= 0 || m_order < 2 || m_cv_count < m_order || m_cv_stride < CVSize() || !m_cv || !m_knot)
    return false;
  if (!ON_IsValidKnotVector(m_order, m_cv_count, m_knot))
    return false;
  for (int i = 0; i < m_cv_count; i++)
    for (int k = 0; k < CVSize(); k++)
      if (!ON_IsValid(CV(i)[k]))
        return false;
  if (!m_is_rat)
    return true;
  int zero_run = 0;
  for (int i = 0; i < m_cv_count; i++)
  {
    const double w = Weight(i);
    zero_run = (w == 0.0) ? zero_run + 1 : 0;
    if (zero_run >= m_order)
      return false;
    const bool full_multiplicity =
        (i == 0 || i == m_cv_count - 1) || (i + m_order - 2 < KnotCount() && m_knot[i] == m_knot[i + m_order - 2]);
    if (w == 0.0 && full_multiplicity)
      return false;
  }
  // Quirk kept from the toolkit: a rational 2-point line whose ends coincide is invalid.
  if (m_dim <= 3 && m_order == 2 && m_cv_count == 2)
  {
    ON_3dPoint a, b;
    if (GetCV(0, a) && GetCV(1, b) && a == b)
      return false;
  }
  return true;
}

int ON_NurbsCurve::Dimension() const { return m_dim; }

bool ON_NurbsCurve::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  if (!m_cv || m_dim < 1)
    return false;
  bool grow = bGrowBox;
  for (int k = 0; grow && k < m_dim; k++)
    if (boxmin[k] > boxmax[k])
      grow = false;
  for (int i = 0; i < m_cv_count; i++)
  {
    const double w = Weight(i);
    if (w == 0.0)
      continue;
    for (int k = 0; k < m_dim; k++)
    {
      const double x = CV(i)[k] / w;
      if (!grow || x < boxmin[k])
        boxmin[k] = x;
      if (!grow || x > boxmax[k])
        boxmax[k] = x;
    }
    grow = true;
  }
  return grow;
}

bool ON_NurbsCurve::Transform(const ON_Xform& xform)
{
  if (!m_cv || m_dim != 3)
    return false;
  for (int i = 0; i < m_cv_count; i++)
  {
    double* cv = CV(i);
    const double w = m_is_rat ? cv[3] : 1.0;
    double h[4];
    for (int r = 0; r < 4; r++)
      h[r] = xform.m_xform[r][0] * cv[0] + xform.m_xform[r][1] * cv[1] + xform.m_xform[r][2] * cv[2] +
             xform.m_xform[r][3] * w;
    const double scale = (m_is_rat || h[3] == 0.0 || h[3] == 1.0) ? 1.0 : 1.0 / h[3];
    for (int k = 0; k < (m_is_rat ? 4 : 3); k++)
      cv[k] = h[k] * scale;
  }
  return true;
}

ON_Interval ON_NurbsCurve::Domain() const
{
  if (m_order < 2 || m_cv_count < m_order || !m_knot)
    return ON_Interval(ON_UNSET_VALUE, ON_UNSET_VALUE);
  return ON_Interval(m_knot[m_order - 2], m_knot[m_cv_count - 1]);
}

bool ON_NurbsCurve::Evaluate(double t, int der_count, int v_stride, double* v, int side, int*) const
{
  if (!v || der_count < 0 || v_stride < m_dim || !m_cv || !m_knot || m_order < 2 || m_cv_count < m_order)
    return false;
  const int n = der_count + 1, size = CVSize();
  const int span = ON_NurbsSpanIndex(m_order, m_cv_count, m_knot, t, side);
  std::vector<double> basis(n * m_order), h(n * size, 0.0), e(n * size, 0.0);
  if (!ON_EvaluateNurbsBasisDerivatives(m_order, m_knot + span, t, der_count, basis.data()))
    return false;
  for (int a = 0; a < m_order; a++)
  {
    const double* cv = CV(span + a);
    for (int k = 0; k < n; k++)
      for (int c = 0; c < size; c++)
        h[k * size + c] += basis[k * m_order + a] * cv[c];
  }
  if (m_is_rat)
  {
    const double w = h[m_dim];
    if (w == 0.0)
      return false;
    for (int k = 0; k < n; k++)
      for (int c = 0; c < m_dim; c++)
      {
        double value = h[k * size + c];
        for (int i = 1; i <= k; i++)
          value -= Binomial(k, i) * h[i * size + m_dim] * e[(k - i) * size + c];
        e[k * size + c] = value / w;
      }
  }
  else
    e = h;
  for (int k = 0; k < n; k++)
    std::copy(e.begin() + k * size, e.begin() + k * size + m_dim, v + k * v_stride);
  return true;
}

bool ON_NurbsCurve::LocalClosestPoint(const ON_3dPoint& P, const ON_Interval& span, double* t) const
{
  double u = span.Mid();
  double v[9] = {0.0};
  if (!Evaluate(u, 2, 3, v))
    return false;
  double best = ON_3dPoint(v[0], v[1], v[2]).DistanceToSquared(P);
  for (int iteration = 0; iteration < 50; iteration++)
  {
    const ON_3dVector r = ON_3dPoint(v[0], v[1], v[2]) - P;
    const ON_3dVector d1(v[3], v[4], v[5]), d2(v[6], v[7], v[8]);
    const double g = d1 * r;
    double h = d1 * d1 + d2 * r;
    if (!(h > 0.0))
      h = d1 * d1;
    if (!(h > 0.0))
      break;
    double step = -g / h;
    bool improved = false;
    for (int halving = 0; halving < 12 && !improved; halving++, step *= 0.5)
    {
      const double candidate = std::clamp(u + step, span.Min(), span.Max());
      if (std::fabs(candidate - u) <= 1.0e-12 * (1.0 + std::fabs(u)))
        break;
      double w[9] = {0.0};
      if (!Evaluate(candidate, 2, 3, w))
        break;
      const double d = ON_3dPoint(w[0], w[1], w[2]).DistanceToSquared(P);
      if (d < best)
      {
        best = d;
        u = candidate;
        std::copy(w, w + 9, v);
        improved = true;
      }
    }
    if (!improved)
      break;
  }
  *t = u;
  return true;
}

bool ON_NurbsCurve::GetClosestPoint(const ON_3dPoint& P, double* t, double maximum_distance,
                                    const ON_Interval* sub_domain) const
{
  if (!t || !P.IsValid() || !IsValid())
    return false;
  const ON_Interval domain = sub_domain ? *sub_domain : Domain();
  std::vector<std::pair<double, ON_Interval>> spans;
  for (int i = 0; i <= m_cv_count - m_order; i++)
  {
    const double t0 = std::max(domain.Min(), m_knot[i + m_order - 2]);
    const double t1 = std::min(domain.Max(), m_knot[i + m_order - 1]);
    if (!(t0 < t1))
      continue;
    double lower = 0.0;
    for (int k = 0; k < 3; k++)
    {
      double lo = 0.0, hi = 0.0;
      for (int a = 0; a < m_order; a++)
      {
        ON_3dPoint cv(0.0, 0.0, 0.0);
        GetCV(i + a, cv);
        lo = a == 0 ? cv[k] : std::min(lo, cv[k]);
        hi = a == 0 ? cv[k] : std::max(hi, cv[k]);
      }
      const double e = P[k] < lo ? lo - P[k] : (P[k] > hi ? P[k] - hi : 0.0);
      lower += e * e;
    }
    spans.push_back({lower, ON_Interval(t0, t1)});
  }
  std::sort(spans.begin(), spans.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  double best = -1.0;
  for (const auto& span : spans)
  {
    if (best >= 0.0 && span.first >= best)
      break;
    double u;
    if (!LocalClosestPoint(P, span.second, &u))
      continue;
    const double d = PointAt(u).DistanceToSquared(P);
    if (best < 0.0 || d < best)
    {
      best = d;
      *t = u;
    }
  }
  return best >= 0.0 && !(maximum_distance > 0.0 && std::sqrt(best) > maximum_distance);
}

bool ON_NurbsCurve::IsRational() const { return m_is_rat != 0; }

int ON_NurbsCurve::CVSize() const { return m_dim > 0 ? (m_is_rat ? m_dim + 1 : m_dim) : 0; }

int ON_NurbsCurve::Order() const { return m_order; }

int ON_NurbsCurve::CVCount() const { return m_cv_count; }

int ON_NurbsCurve::KnotCount() const { return ON_KnotCount(m_order, m_cv_count); }

double ON_NurbsCurve::Knot(int knot_index) const
{
  return (m_knot && knot_index >= 0 && knot_index < KnotCount()) ? m_knot[knot_index] : 0.0;
}

bool ON_NurbsCurve::SetKnot(int knot_index, double knot_value)
{
  if (!m_knot || knot_index < 0 || knot_index >= KnotCount())
    return false;
  m_knot[knot_index] = knot_value;
  return true;
}

bool ON_NurbsCurve::MakeClampedUniformKnotVector(double delta)
{
  return ON_MakeClampedUniformKnotVector(m_order, m_cv_count, m_knot, delta);
}

double ON_NurbsCurve::GrevilleAbcissa(int cv_index) const { return ON_GrevilleAbcissa(m_order, m_knot + cv_index); }

double* ON_NurbsCurve::CV(int cv_index) const
{
  return m_cv ? m_cv + cv_index * static_cast<ptrdiff_t>(m_cv_stride) : nullptr;
}

double ON_NurbsCurve::Weight(int cv_index) const { return (m_is_rat && m_cv) ? CV(cv_index)[m_dim] : 1.0; }

bool ON_NurbsCurve::SetCV(int cv_index, const ON_3dPoint& point)
{
  double* cv = CV(cv_index);
  if (!cv)
    return false;
  for (int k = 0; k < m_dim; k++)
    cv[k] = k < 3 ? point[k] : 0.0;
  if (m_is_rat)
    cv[m_dim] = 1.0;
  return true;
}

bool ON_NurbsCurve::SetCV(int cv_index, const ON_4dPoint& point)
{
  double* cv = CV(cv_index);
  if (!cv)
    return false;
  const double h[3] = {point.x, point.y, point.z};
  const double scale = (m_is_rat || point.w == 0.0) ? 1.0 : 1.0 / point.w;
  for (int k = 0; k < m_dim; k++)
    cv[k] = k < 3 ? h[k] * scale : 0.0;
  if (m_is_rat)
    cv[m_dim] = point.w;
  return m_is_rat || point.w != 0.0;
}

bool ON_NurbsCurve::GetCV(int cv_index, ON_3dPoint& point) const
{
  const double* cv = CV(cv_index);
  if (!cv)
    return false;
  const double w = m_is_rat ? cv[m_dim] : 1.0;
  if (w == 0.0)
    return false;
  const double scale = m_is_rat ? 1.0 / w : 1.0;
  point.x = cv[0] * scale;
  point.y = m_dim > 1 ? cv[1] * scale : 0.0;
  point.z = m_dim > 2 ? cv[2] * scale : 0.0;
  return true;
}

bool ON_NurbsCurve::GetCV(int cv_index, ON_4dPoint& point) const
{
  if (!m_cv || cv_index < 0 || cv_index >= m_cv_count)
    return false;
  const double* cv = CV(cv_index);
  point.x = cv[0];
  point.y = m_dim > 1 ? cv[1] : 0.0;
  point.z = m_dim > 2 ? cv[2] : 0.0;
  point.w = m_is_rat ? cv[m_dim] : 1.0;
  return true;
}
