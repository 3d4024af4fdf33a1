#include "opennurbs_nurbssurface.h"

#include "opennurbs_knot.h"
#include "opennurbs_evaluate_nurbs.h"
#include "opennurbs_xform.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace
{

// Scratch memory for one evaluation, on the stack for ordinary orders.
class Scratch
{
public:
  explicit Scratch(size_t size)
  {
    if (size > sizeof(m_stack) / sizeof(m_stack[0]))
    {
      m_heap.resize(size);
      m_data = m_heap.data();
    }
  }
  double* Data() { return m_data; }

private:
  double m_stack[512];
  std::vector<double> m_heap;
  double* m_data = m_stack;
};

// Binomial coefficients for the derivative orders evaluation sees in practice; beyond them computed.
double Binomial(int n, int k)
{
  static const double table[5][5] = {
      {1, 0, 0, 0, 0}, {1, 1, 0, 0, 0}, {1, 2, 1, 0, 0}, {1, 3, 3, 1, 0}, {1, 4, 6, 4, 1}};
  if (n < 5)
    return table[n][k];
  double c = 1.0;
  for (int i = 1; i <= k; i++)
    c = c * (n - k + i) / i;
  return c;
}

double BoxDistanceSquared(const ON_3dPoint& P, const double* lo, const double* hi)
{
  double d = 0.0;
  for (int k = 0; k < 3; k++)
  {
    const double e = P[k] < lo[k] ? lo[k] - P[k] : (P[k] > hi[k] ? P[k] - hi[k] : 0.0);
    d += e * e;
  }
  return d;
}

// Tensor product of the basis values with the control vertices of one span: first along s into
// partial, then along t into h. Non-zero template arguments fix the sizes so that the loops unroll.
template <int kO0, int kO1, int kSize>
void Contract(int rt_o0, int rt_o1, int rt_size, int n, const double* N0, const double* N1, const double* first,
              const int* stride, double* partial, double* h)
{
  const int o0 = kO0 ? kO0 : rt_o0, o1 = kO1 ? kO1 : rt_o1, size = kSize ? kSize : rt_size;
  std::fill(partial, partial + n * o1 * size, 0.0);
  for (int a = 0; a < o0; a++)
    for (int b = 0; b < o1; b++)
    {
      const double* cv = first + a * static_cast<ptrdiff_t>(stride[0]) + b * static_cast<ptrdiff_t>(stride[1]);
      for (int k = 0; k < n; k++)
      {
        const double basis = N0[k * o0 + a];
        double* out = partial + (k * o1 + b) * size;
        for (int c = 0; c < size; c++)
          out[c] += basis * cv[c];
      }
    }
  std::fill(h, h + n * n * size, 0.0);
  for (int k = 0; k < n; k++)
    for (int l = 0; k + l < n; l++)
    {
      double* out = h + (k * n + l) * size;
      for (int b = 0; b < o1; b++)
      {
        const double basis = N1[l * o1 + b];
        const double* in = partial + (k * o1 + b) * size;
        for (int c = 0; c < size; c++)
          out[c] += basis * in[c];
      }
    }
}

// Euclidean derivatives up to the second from homogeneous ones of a rational 3-D surface (the
// quotient rule written out); same layout as EvaluateHomogeneous with n = der_count + 1.
bool RationalQuotient(const double* h, int der_count, double* e)
{
  const int n = der_count + 1;
  auto H = [&](int k, int l) { return h + (k * n + l) * 4; };
  auto E = [&](int k, int l) { return e + (k * n + l) * 4; };
  const double w = H(0, 0)[3];
  if (w == 0.0)
    return false;
  const double inverse = 1.0 / w;
  for (int c = 0; c < 3; c++)
    E(0, 0)[c] = H(0, 0)[c] * inverse;
  if (der_count < 1)
    return true;
  const double ws = H(1, 0)[3], wt = H(0, 1)[3];
  for (int c = 0; c < 3; c++)
  {
    E(1, 0)[c] = (H(1, 0)[c] - ws * E(0, 0)[c]) * inverse;
    E(0, 1)[c] = (H(0, 1)[c] - wt * E(0, 0)[c]) * inverse;
  }
  if (der_count < 2)
    return true;
  const double wss = H(2, 0)[3], wst = H(1, 1)[3], wtt = H(0, 2)[3];
  for (int c = 0; c < 3; c++)
  {
    E(2, 0)[c] = (H(2, 0)[c] - 2.0 * ws * E(1, 0)[c] - wss * E(0, 0)[c]) * inverse;
    E(1, 1)[c] = (H(1, 1)[c] - ws * E(0, 1)[c] - wt * E(1, 0)[c] - wst * E(0, 0)[c]) * inverse;
    E(0, 2)[c] = (H(0, 2)[c] - 2.0 * wt * E(0, 1)[c] - wtt * E(0, 0)[c]) * inverse;
  }
  return true;
}

const int kSpanSamples = 4;
const size_t kSpanStarts = 4;

struct SpanCandidate
{
  double distance_squared; // lower bound from the control vertices' box
  int i, j;
};

} // namespace

ON_OBJECT_IMPLEMENT(ON_NurbsSurface, ON_Surface, "4ED7D4DE-E947-11D3-BFE5-0010830122F0")

ON_NurbsSurface::ON_NurbsSurface(int dim, bool is_rat, int order0, int order1, int cv_count0, int cv_count1)
{
  Create(dim, is_rat, order0, order1, cv_count0, cv_count1);
}

ON_NurbsSurface::ON_NurbsSurface(const ON_NurbsSurface& src) : ON_Surface(src) { CopyFrom(src); }

ON_NurbsSurface& ON_NurbsSurface::operator=(const ON_NurbsSurface& src)
{
  if (this != &src)
  {
    ON_Surface::operator=(src);
    Destroy();
    CopyFrom(src);
  }
  return *this;
}

ON_NurbsSurface::~ON_NurbsSurface() { Destroy(); }

void ON_NurbsSurface::CopyFrom(const ON_NurbsSurface& src)
{
  m_dim = src.m_dim;
  m_is_rat = src.m_is_rat;
  for (int d = 0; d < 2; d++)
  {
    m_order[d] = src.m_order[d];
    m_cv_count[d] = src.m_cv_count[d];
    m_cv_stride[d] = src.m_cv_stride[d];
    const int knot_count = src.m_knot[d] ? src.KnotCount(d) : 0;
    if (knot_count > 0)
    {
      m_knot[d] = new double[knot_count];
      m_knot_capacity[d] = knot_count;
      std::memcpy(m_knot[d], src.m_knot[d], knot_count * sizeof(double));
    }
  }
  if (src.m_cv && src.m_cv_count[0] > 0 && src.m_cv_count[1] > 0)
  {
    // Compact copy with the standard layout.
    const int size = CVSize();
    m_cv_stride[1] = size;
    m_cv_stride[0] = size * m_cv_count[1];
    m_cv_capacity = m_cv_count[0] * m_cv_stride[0];
    m_cv = new double[m_cv_capacity];
    for (int i = 0; i < m_cv_count[0]; i++)
      for (int j = 0; j < m_cv_count[1]; j++)
        std::memcpy(CV(i, j), src.CV(i, j), size * sizeof(double));
  }
}

bool ON_NurbsSurface::Create(int dim, bool is_rat, int order0, int order1, int cv_count0, int cv_count1)
{
  if (dim < 1 || order0 < 2 || order1 < 2 || cv_count0 < order0 || cv_count1 < order1)
    return false;
  Destroy();
  m_dim = dim;
  m_is_rat = is_rat ? 1 : 0;
  m_order[0] = order0;
  m_order[1] = order1;
  m_cv_count[0] = cv_count0;
  m_cv_count[1] = cv_count1;
  m_cv_stride[1] = CVSize();
  m_cv_stride[0] = CVSize() * cv_count1;
  for (int d = 0; d < 2; d++)
  {
    m_knot_capacity[d] = ON_KnotCount(m_order[d], m_cv_count[d]);
    m_knot[d] = new double[m_knot_capacity[d]];
  }
  m_cv_capacity = cv_count0 * m_cv_stride[0];
  m_cv = new double[m_cv_capacity];
  return true;
}

void ON_NurbsSurface::Destroy()
{
  for (int d = 0; d < 2; d++)
  {
    delete[] m_knot[d];
    m_knot[d] = nullptr;
    m_knot_capacity[d] = 0;
    m_order[d] = 0;
    m_cv_count[d] = 0;
    m_cv_stride[d] = 0;
  }
  delete[] m_cv;
  m_cv = nullptr;
  m_cv_capacity = 0;
  m_dim = 0;
  m_is_rat = 0;
}

bool ON_NurbsSurface::IsValid(ON_TextLog*) const
{
  if (m_dim <= 0 || !m_cv)
    return false;
  const int size = CVSize();
  for (int d = 0; d < 2; d++)
  {
    if (m_order[d] < 2 || m_cv_count[d] < m_order[d] || !m_knot[d] || m_cv_stride[d] < size)
      return false;
    if (!ON_IsValidKnotVector(m_order[d], m_cv_count[d], m_knot[d]))
      return false;
  }
  // Either index may be the contiguous one, but vertices must not overlap.
  const bool j_inner = m_cv_stride[0] >= m_cv_stride[1] * m_cv_count[1];
  const bool i_inner = m_cv_stride[1] >= m_cv_stride[0] * m_cv_count[0];
  return j_inner || i_inner;
}

int ON_NurbsSurface::Dimension() const { return m_dim; }

bool ON_NurbsSurface::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  if (!m_cv || m_dim < 1)
    return false;
  bool grow = bGrowBox;
  for (int k = 0; grow && k < m_dim; k++)
    if (boxmin[k] > boxmax[k])
      grow = false;
  for (int i = 0; i < m_cv_count[0]; i++)
    for (int j = 0; j < m_cv_count[1]; j++)
    {
      const double* cv = CV(i, j);
      const double w = m_is_rat ? cv[m_dim] : 1.0;
      if (w == 0.0)
        continue;
      for (int k = 0; k < m_dim; k++)
      {
        const double x = cv[k] / w;
        if (!grow || x < boxmin[k])
          boxmin[k] = x;
        if (!grow || x > boxmax[k])
          boxmax[k] = x;
      }
      grow = true;
    }
  return grow;
}

bool ON_NurbsSurface::Transform(const ON_Xform& xform)
{
  if (!m_cv || m_dim != 3)
    return false;
  for (int i = 0; i < m_cv_count[0]; i++)
    for (int j = 0; j < m_cv_count[1]; j++)
    {
      double* cv = CV(i, j);
      const double w = m_is_rat ? cv[3] : 1.0;
      double h[4];
      for (int r = 0; r < 4; r++)
        h[r] = xform.m_xform[r][0] * cv[0] + xform.m_xform[r][1] * cv[1] + xform.m_xform[r][2] * cv[2] +
               xform.m_xform[r][3] * w;
      if (m_is_rat)
        std::memcpy(cv, h, 4 * sizeof(double));
      else
      {
        const double scale = (h[3] != 0.0 && h[3] != 1.0) ? 1.0 / h[3] : 1.0;
        cv[0] = h[0] * scale;
        cv[1] = h[1] * scale;
        cv[2] = h[2] * scale;
      }
    }
  return true;
}

ON_Interval ON_NurbsSurface::Domain(int dir) const
{
  const int d = dir ? 1 : 0;
  if (m_order[d] < 2 || m_cv_count[d] < m_order[d] || !m_knot[d])
    return ON_Interval(ON_UNSET_VALUE, ON_UNSET_VALUE);
  return ON_Interval(m_knot[d][m_order[d] - 2], m_knot[d][m_cv_count[d] - 1]);
}

// h[(k * (der_count + 1) + l) * CVSize() + c]: k-th s and l-th t derivative of homogeneous coordinate c.
// hint (optional, two span indexes) starts the span searches and receives the spans used.
bool ON_NurbsSurface::EvaluateHomogeneous(double s, double t, int der_count, int quadrant, int* hint, double* h) const
{
  const int o0 = m_order[0], o1 = m_order[1], n = der_count + 1, size = CVSize();
  const int span0 =
      ON_NurbsSpanIndex(o0, m_cv_count[0], m_knot[0], s, (quadrant == 2 || quadrant == 3) ? -1 : 1, hint ? hint[0] : 0);
  const int span1 =
      ON_NurbsSpanIndex(o1, m_cv_count[1], m_knot[1], t, (quadrant == 3 || quadrant == 4) ? -1 : 1, hint ? hint[1] : 0);
  if (hint)
  {
    hint[0] = span0;
    hint[1] = span1;
  }
  Scratch scratch(n * (o0 + o1) + n * o1 * size);
  double* N0 = scratch.Data();
  double* N1 = N0 + n * o0;
  double* partial = N1 + n * o1; // partial[(k * o1 + b) * size + c]: s-derivative k along row b
  if (!ON_EvaluateNurbsBasisDerivatives(o0, m_knot[0] + span0, s, der_count, N0) ||
      !ON_EvaluateNurbsBasisDerivatives(o1, m_knot[1] + span1, t, der_count, N1))
    return false;
  const double* first =
      m_cv + span0 * static_cast<ptrdiff_t>(m_cv_stride[0]) + span1 * static_cast<ptrdiff_t>(m_cv_stride[1]);
  if (o0 == 3 && o1 == 3 && size == 4)
    Contract<3, 3, 4>(o0, o1, size, n, N0, N1, first, m_cv_stride, partial, h);
  else if (o0 == 3 && o1 == 3 && size == 3)
    Contract<3, 3, 3>(o0, o1, size, n, N0, N1, first, m_cv_stride, partial, h);
  else
    Contract<0, 0, 0>(o0, o1, size, n, N0, N1, first, m_cv_stride, partial, h);
  return true;
}

bool ON_NurbsSurface::Evaluate(double s, double t, int der_count, int v_stride, double* v, int quadrant,
                               int* hint) const
{
  if (!v || der_count < 0 || v_stride < m_dim || !m_cv || !m_knot[0] || !m_knot[1] || m_order[0] < 2 ||
      m_order[1] < 2 || m_cv_count[0] < m_order[0] || m_cv_count[1] < m_order[1])
    return false;
  const int n = der_count + 1, size = CVSize();
  Scratch scratch(2 * n * n * size);
  double* h = scratch.Data();
  double* e = h + n * n * size; // Euclidean derivatives, same layout
  if (!EvaluateHomogeneous(s, t, der_count, quadrant, hint, h))
    return false;
  if (m_is_rat && der_count <= 2 && m_dim == 3)
  {
    if (!RationalQuotient(h, der_count, e))
      return false;
  }
  else if (m_is_rat)
  {
    const double w = h[m_dim];
    if (w == 0.0)
      return false;
    auto weight = [&](int k, int l) { return h[(k * n + l) * size + m_dim]; };
    for (int k = 0; k < n; k++)
      for (int l = 0; k + l < n; l++)
      {
        double* out = e + (k * n + l) * size;
        for (int c = 0; c < m_dim; c++)
          out[c] = h[(k * n + l) * size + c];
        for (int a = 0; a <= k; a++)
          for (int b = 0; b <= l; b++)
          {
            if (a + b == 0)
              continue;
            const double factor = Binomial(k, a) * Binomial(l, b) * weight(a, b);
            const double* lower = e + ((k - a) * n + (l - b)) * size;
            for (int c = 0; c < m_dim; c++)
              out[c] -= factor * lower[c];
          }
        const double inverse = 1.0 / w;
        for (int c = 0; c < m_dim; c++)
          out[c] *= inverse;
      }
  }
  else
    std::copy(h, h + n * n * size, e);
  // Output order: P, Ds, Dt, Dss, Dst, Dtt, ...
  for (int total = 0, out = 0; total <= der_count; total++)
    for (int l = 0; l <= total; l++, out++)
      std::copy(e + ((total - l) * n + l) * size, e + ((total - l) * n + l) * size + m_dim, v + out * v_stride);
  return true;
}

bool ON_NurbsSurface::GetClosestPoint(const ON_3dPoint& P, double* s, double* t, double maximum_distance,
                                      const ON_Interval* sdomain, const ON_Interval* tdomain) const
{
  if (!s || !t || !P.IsValid() || m_dim != 3 || !IsValid())
    return false;
  const ON_Interval sd = sdomain ? *sdomain : Domain(0), td = tdomain ? *tdomain : Domain(1);
  std::vector<SpanCandidate> spans;
  for (int i = 0; i <= m_cv_count[0] - m_order[0]; i++)
    for (int j = 0; j <= m_cv_count[1] - m_order[1]; j++)
    {
      const double s0 = m_knot[0][i + m_order[0] - 2], s1 = m_knot[0][i + m_order[0] - 1];
      const double t0 = m_knot[1][j + m_order[1] - 2], t1 = m_knot[1][j + m_order[1] - 1];
      if (!(s0 < s1) || !(t0 < t1) || s1 < sd.Min() || s0 > sd.Max() || t1 < td.Min() || t0 > td.Max())
        continue;
      double lo[3], hi[3];
      for (int a = 0; a < m_order[0]; a++)
        for (int b = 0; b < m_order[1]; b++)
        {
          ON_3dPoint cv;
          if (!GetCV(i + a, j + b, cv))
            continue;
          for (int k = 0; k < 3; k++)
          {
            lo[k] = (a == 0 && b == 0) ? cv[k] : std::min(lo[k], cv[k]);
            hi[k] = (a == 0 && b == 0) ? cv[k] : std::max(hi[k], cv[k]);
          }
        }
      spans.push_back({BoxDistanceSquared(P, lo, hi), i, j});
    }
  std::sort(spans.begin(), spans.end(),
            [](const SpanCandidate& a, const SpanCandidate& b) { return a.distance_squared < b.distance_squared; });
  double best = -1.0;
  for (const SpanCandidate& span : spans)
  {
    if (best >= 0.0 && span.distance_squared >= best)
      break;
    const ON_Interval ss(std::max(sd.Min(), m_knot[0][span.i + m_order[0] - 2]),
                         std::min(sd.Max(), m_knot[0][span.i + m_order[0] - 1]));
    const ON_Interval ts(std::max(td.Min(), m_knot[1][span.j + m_order[1] - 2]),
                         std::min(td.Max(), m_knot[1][span.j + m_order[1] - 1]));
    if (!ss.IsIncreasing() || !ts.IsIncreasing())
      continue;
    // A curved span can hold more than one local minimum: search from every sample that is
    // nearer than its neighbours, nearest first, a few at most.
    double samples[kSpanSamples + 1][kSpanSamples + 1];
    for (int a = 0; a <= kSpanSamples; a++)
      for (int b = 0; b <= kSpanSamples; b++)
        samples[a][b] = PointAt(ss.ParameterAt(a / double(kSpanSamples)), ts.ParameterAt(b / double(kSpanSamples)))
                            .DistanceToSquared(P);
    std::vector<std::pair<double, std::pair<int, int>>> starts;
    for (int a = 0; a <= kSpanSamples; a++)
      for (int b = 0; b <= kSpanSamples; b++)
      {
        const double d = samples[a][b];
        const bool lowest = (a == 0 || d <= samples[a - 1][b]) && (a == kSpanSamples || d <= samples[a + 1][b]) &&
                            (b == 0 || d <= samples[a][b - 1]) && (b == kSpanSamples || d <= samples[a][b + 1]);
        if (lowest)
          starts.push_back({d, {a, b}});
      }
    std::sort(starts.begin(), starts.end());
    for (size_t n = 0; n < starts.size() && n < kSpanStarts; n++)
    {
      double u, v;
      if (!GetLocalClosestPoint(P, ss.ParameterAt(starts[n].second.first / double(kSpanSamples)),
                                ts.ParameterAt(starts[n].second.second / double(kSpanSamples)), &u, &v, &ss, &ts))
        continue;
      const double d = PointAt(u, v).DistanceToSquared(P);
      if (best < 0.0 || d < best)
      {
        best = d;
        *s = u;
        *t = v;
      }
    }
  }
  if (best < 0.0)
    return false;
  return !(maximum_distance > 0.0 && std::sqrt(best) > maximum_distance);
}

bool ON_NurbsSurface::IsRational() const { return m_is_rat != 0; }

int ON_NurbsSurface::CVSize() const { return m_dim > 0 ? (m_is_rat ? m_dim + 1 : m_dim) : 0; }

int ON_NurbsSurface::Order(int dir) const { return m_order[dir ? 1 : 0]; }

int ON_NurbsSurface::Degree(int dir) const
{
  const int order = Order(dir);
  return order >= 2 ? order - 1 : 0;
}

int ON_NurbsSurface::CVCount(int dir) const { return m_cv_count[dir ? 1 : 0]; }

int ON_NurbsSurface::CVCount() const { return m_cv_count[0] * m_cv_count[1]; }

int ON_NurbsSurface::KnotCount(int dir) const
{
  const int d = dir ? 1 : 0;
  return ON_KnotCount(m_order[d], m_cv_count[d]);
}

int ON_NurbsSurface::SpanCount(int dir) const
{
  const int d = dir ? 1 : 0;
  if (!m_knot[d] || m_order[d] < 2 || m_cv_count[d] < m_order[d])
    return 0;
  int count = 0;
  for (int i = m_order[d] - 2; i < m_cv_count[d] - 1; i++)
    if (m_knot[d][i] < m_knot[d][i + 1])
      count++;
  return count;
}

double ON_NurbsSurface::Knot(int dir, int knot_index) const
{
  const int d = dir ? 1 : 0;
  return (m_knot[d] && knot_index >= 0 && knot_index < KnotCount(d)) ? m_knot[d][knot_index] : 0.0;
}

bool ON_NurbsSurface::SetKnot(int dir, int knot_index, double knot_value)
{
  const int d = dir ? 1 : 0;
  if (!m_knot[d] || knot_index < 0 || knot_index >= KnotCount(d))
    return false;
  m_knot[d][knot_index] = knot_value;
  return true;
}

bool ON_NurbsSurface::MakeClampedUniformKnotVector(int dir, double delta)
{
  if (dir != 0 && dir != 1)
    return false;
  return ON_MakeClampedUniformKnotVector(m_order[dir], m_cv_count[dir], m_knot[dir], delta);
}

double ON_NurbsSurface::GrevilleAbcissa(int dir, int cv_index) const
{
  const int d = dir ? 1 : 0;
  return ON_GrevilleAbcissa(m_order[d], m_knot[d] + cv_index);
}

double* ON_NurbsSurface::CV(int i, int j) const
{
  return m_cv ? m_cv + i * static_cast<ptrdiff_t>(m_cv_stride[0]) + j * static_cast<ptrdiff_t>(m_cv_stride[1])
              : nullptr;
}

double ON_NurbsSurface::Weight(int i, int j) const { return (m_is_rat && m_cv) ? CV(i, j)[m_dim] : 1.0; }

bool ON_NurbsSurface::SetCV(int i, int j, const ON_3dPoint& point)
{
  double* cv = CV(i, j);
  if (!cv)
    return false;
  for (int k = 0; k < m_dim; k++)
    cv[k] = k < 3 ? point[k] : 0.0;
  if (m_is_rat)
    cv[m_dim] = 1.0;
  return true;
}

bool ON_NurbsSurface::SetCV(int i, int j, const ON_4dPoint& point)
{
  double* cv = CV(i, j);
  if (!cv)
    return false;
  const double h[4] = {point.x, point.y, point.z, point.w};
  if (m_is_rat)
  {
    for (int k = 0; k < m_dim; k++)
      cv[k] = k < 3 ? h[k] : 0.0;
    cv[m_dim] = point.w;
    return true;
  }
  const double scale = point.w != 0.0 ? 1.0 / point.w : 1.0;
  for (int k = 0; k < m_dim; k++)
    cv[k] = k < 3 ? h[k] * scale : 0.0;
  return point.w != 0.0;
}

bool ON_NurbsSurface::GetCV(int i, int j, ON_3dPoint& point) const
{
  const double* cv = CV(i, j);
  if (!cv)
    return false;
  const double w = m_is_rat ? cv[m_dim] : 1.0;
  if (w == 0.0)
    return false;
  const double scale = 1.0 / w;
  point.x = cv[0] * (m_is_rat ? scale : 1.0);
  point.y = m_dim > 1 ? cv[1] * (m_is_rat ? scale : 1.0) : 0.0;
  point.z = m_dim > 2 ? cv[2] * (m_is_rat ? scale : 1.0) : 0.0;
  return true;
}

bool ON_NurbsSurface::GetCV(int i, int j, ON_4dPoint& point) const
{
  if (!m_cv || i < 0 || j < 0 || i >= m_cv_count[0] || j >= m_cv_count[1])
    return false;
  const double* cv = CV(i, j);
  point.x = cv[0];
  point.y = m_dim > 1 ? cv[1] : 0.0;
  point.z = m_dim > 2 ? cv[2] : 0.0;
  point.w = m_is_rat ? cv[m_dim] : 1.0;
  return true;
}
