// Records, reductions and the exact visibility test of the hull engine.
#include "hull_engine.h"

#include "facet_side_filter.h"
#include "hull_failure.h"
#include "site_store.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace
{

const float kVisTol = 1.0950316e-11f;
const float kVisTolSq = 1.1990942e-22f;
constexpr int kMaxReduceIterations = 250;
constexpr int kMantissaBits = 53;
constexpr int kWarnings = 10;

double Dot(const double* a, const double* b, int n)
{
  double sum = 0.0;
  for (int i = 0; i < n; ++i)
    sum += a[i] * b[i];
  return sum;
}

template <int D>
struct fixed_dimension
{
  constexpr int operator()() const { return D; }
};

struct runtime_dimension
{
  int value;
  int operator()() const { return value; }
};

} // namespace

hull_engine::hull_engine()
{
  m_searchStack.reserve(8);
  m_traversalStack.reserve(2000);
  Reset();
}

void hull_engine::Reset()
{
  m_counters = counters();
  m_lifted = true;
  m_pdim = 3;
  m_rdim = 4;
  std::memset(static_cast<void*>(&m_zeroBasis), 0, sizeof(m_zeroBasis));
  m_zeroBasis.ref_count = 1;
  m_zeroBasis.scale_log2 = -1;
}

basis_s* hull_engine::NewBasis()
{
  basis_s* basis = m_bases.Take();
  if (!basis)
  {
    if (m_log)
      *m_log << "num_basis_s_blocks=" << m_bases.BlockCount() << "\n" << std::flush;
    throw hull_failure{"out of memory"};
  }
  basis->ref_count = 1;
  return basis;
}

void hull_engine::ReleaseBasis(basis_s*& basis)
{
  if (basis && --basis->ref_count == 0 && basis != &m_zeroBasis)
    m_bases.Give(basis);
  basis = nullptr;
}

simplex* hull_engine::NewSimplex()
{
  simplex* s = m_simplices.Take();
  if (!s)
  {
    if (m_log)
      *m_log << "num_simplex_blocks=" << m_simplices.BlockCount() << "\n" << std::flush;
    throw hull_failure{"out of memory"};
  }
  return s;
}

simplex* hull_engine::CopySimplex(const simplex* s)
{
  simplex* copy = NewSimplex();
  *copy = *s;
  copy->next = nullptr;
  copy->has_normal = 0;
  for (int i = 0; i < m_rdim; ++i)
    if (copy->bases[i])
      ++copy->bases[i]->ref_count;
  return copy;
}

void hull_engine::FillDifference(basis_s* v, const double* p, const double* origin) const
{
  if (p == m_infinity)
  {
    v->exact_norm2 = m_infinityBasis->exact_norm2;
    v->residual_norm2 = m_infinityBasis->residual_norm2;
    std::memcpy(v->vecs, m_infinityBasis->vecs, sizeof(v->vecs));
    return;
  }
  double* a = v->Residual();
  double* b = v->Exact(m_rdim);
  if (origin == m_infinity)
  {
    // Only a facet of a hull of dimension one can start at infinity; nothing is visible from it.
    for (int i = 0; i < m_rdim; ++i)
      a[i] = b[i] = 0.0;
    return;
  }
  double lifted = 0.0;
  for (int i = 0; i < m_pdim; ++i)
  {
    const double d = p[i] - origin[i];
    a[i] = b[i] = d;
    lifted += d * d;
  }
  if (m_lifted)
    a[m_pdim] = b[m_pdim] = lifted;
}

bool hull_engine::ReduceVector(basis_s*& v, const double* p, simplex* s, int k)
{
  if (!v)
    v = NewBasis();
  else
    v->scale_log2 = 0;
  FillDifference(v, p, s->neigh[0].vert);
  return ReduceInner(v, s, k);
}

// Both passes build 4-dimensional hulls; with the dimension known at compile time the short
// vector loops unroll.
bool hull_engine::ReduceInner(basis_s* v, simplex* s, int k)
{
  if (m_rdim == MAXDIM)
    return ReduceInnerIn(fixed_dimension<MAXDIM>(), v, s, k);
  return ReduceInnerIn(runtime_dimension{m_rdim}, v, s, k);
}

template <class Dimension>
bool hull_engine::ReduceInnerIn(Dimension rdim, basis_s* v, simplex* s, int k)
{
  double* a = v->Residual();
  double* b = v->Exact(rdim());
  v->half_log2_residual = std::numeric_limits<double>::quiet_NaN();
  v->exact_norm2 = v->residual_norm2 = Dot(a, a, rdim());
  if (k <= 1)
  {
    std::memcpy(a, b, sizeof(double) * rdim());
    return true;
  }
  for (int j = 0; j < kMaxReduceIterations; ++j)
  {
    std::memcpy(a, b, sizeof(double) * rdim());
    for (int i = k - 1; i > 0; --i)
    {
      basis_s* n = s->bases[i];
      const double factor = Dot(a, n->Residual(), rdim()) / n->residual_norm2;
      const double* nb = n->Exact(rdim());
      for (int l = 0; l < rdim(); ++l)
        a[l] -= factor * nb[l];
    }
    v->residual_norm2 = Dot(a, a, rdim());
    v->exact_norm2 = Dot(b, b, rdim());
    if (v->exact_norm2 <= 2.0 * v->residual_norm2)
      return true;
    const double scale = ScaleFactor(v, s, k, j);
    for (int l = 0; l < rdim(); ++l)
      b[l] *= scale;
    for (int i = k - 1; i > 0; --i)
    {
      basis_s* n = s->bases[i];
      const double c = std::floor(0.5 - Dot(n->Residual(), b, rdim()) / n->residual_norm2);
      const double* nb = n->Exact(rdim());
      for (int l = 0; l < rdim(); ++l)
        b[l] += c * nb[l];
    }
  }
  ++m_counters.failed_reductions;
  if (m_log && m_counters.failed_reductions <= kWarnings)
    *m_log << "reduce_inner failed on:\n" << std::flush << __FILE__ << ":" << __LINE__ << "\n";
  return false;
}

double hull_engine::ScaleFactor(basis_s* v, simplex* s, int k, int iteration)
{
  if (iteration < 10)
  {
    m_scaleLimit = kMantissaBits - 0.5 * std::log2(v->exact_norm2) - 0.66 * (k - 2) - 1;
    if (m_scaleLimit < 1)
    {
      ++m_counters.overshoots;
      if (m_log && m_counters.overshoots <= kWarnings)
      {
        *m_log << "overshot exact arithmetic\n" << std::flush << __FILE__ << ":" << __LINE__ << "\n";
        if (m_counters.overshoots == kWarnings)
          *m_log << "consider yourself warned\n" << std::flush;
      }
      m_scaleLimit = 1;
    }
    if (iteration == 0)
    {
      m_basisSqSum = 0.0;
      m_logDetBound = 0.0;
      for (int i = k - 1; i > 0; --i)
      {
        basis_s* n = s->bases[i];
        m_basisSqSum += n->residual_norm2;
        // A neighbour's residual is final: its logarithm serves every later reduction against it.
        if (std::isnan(n->half_log2_residual))
          n->half_log2_residual = 0.5 * std::log2(n->residual_norm2);
        m_logDetBound += n->half_log2_residual + 1 - n->scale_log2;
      }
    }
  }
  if (0.5 * std::log2(v->residual_norm2) + m_logDetBound - v->scale_log2 + 1 < 0)
    return 0.0;
  int e =
      static_cast<int>(std::trunc(0.5 * std::log2(2 * m_basisSqSum / (kVisTol * v->exact_norm2 + v->residual_norm2))));
  if (e > m_scaleLimit)
    e = static_cast<int>(std::trunc(m_scaleLimit));
  else if (e < 0)
    e = 0;
  v->scale_log2 += e;
  return std::ldexp(1.0, e);
}

void hull_engine::ComputeBasis(simplex* s)
{
  int k = 1;
  if (s->neigh[0].vert == m_infinity && m_curDim > 1)
  {
    std::swap(s->neigh[0], s->neigh[1]);
    std::swap(s->bases[0], s->bases[1]);
    ReleaseBasis(s->bases[0]);
    s->bases[0] = &m_zeroBasis;
    ++m_zeroBasis.ref_count;
  }
  else if (!s->bases[0])
  {
    s->bases[0] = &m_zeroBasis;
    ++m_zeroBasis.ref_count;
  }
  else
  {
    while (k < m_curDim && s->bases[k])
      ++k;
  }
  for (; k < m_curDim; ++k)
  {
    ReleaseBasis(s->bases[k]);
    ReduceVector(s->bases[k], s->neigh[k].vert, s, k);
  }
}

void hull_engine::ComputeNormal(simplex* s)
{
  ComputeBasis(s);
  if (!m_normalScratch)
    m_normalScratch = NewBasis();
  m_normalScratch->residual_norm2 = 0.0;
  std::memset(m_normalScratch->vecs, 0, sizeof(m_normalScratch->vecs));
  for (int i = m_curDim - 1; i >= -1; --i)
  {
    const double* q = i >= 0 ? m_root->neigh[i].vert : m_root->apex.vert;
    bool onFacet = false;
    for (int j = 0; j < m_curDim && !onFacet; ++j)
      onFacet = s->neigh[j].vert == q;
    if (onFacet)
      continue;
    ReduceVector(m_normalScratch, q, s, m_curDim);
    if (m_normalScratch->residual_norm2 != 0.0)
      break;
  }
  std::memcpy(s->normal, m_normalScratch->vecs, sizeof(double) * m_rdim);
  s->normal_norm2 = m_normalScratch->residual_norm2;
  s->has_normal = 1;
}

bool hull_engine::IsVisible(const double* p, simplex* s)
{
  ++m_counters.visibility_tests;
  if (m_curDim == 0)
    return false;
  const int side = FilteredSide(p, s);
  if (side != 0)
    return side < 0;
  if (!s->has_normal)
  {
    ComputeNormal(s);
    for (int i = 0; i < m_curDim; ++i)
      ReleaseBasis(s->bases[i]);
  }
  if (!m_scratch)
    m_scratch = NewBasis();
  basis_s* v = m_scratch;
  v->scale_log2 = 0;
  FillDifference(v, p, s->neigh[0].vert);
  for (int attempt = 0; attempt < 3; ++attempt)
  {
    const double d = Dot(v->Residual(), s->normal, m_rdim);
    if (d == 0.0)
      return false;
    const double length2 = Dot(v->Residual(), v->Residual(), m_rdim);
    if ((d * d / s->normal_norm2) / length2 > kVisTolSq)
      return d < 0;
    ComputeBasis(s);
    ReduceInner(v, s, m_curDim);
  }
  return false;
}

// A finite facet of the full-dimensional hull is a facet of the lower hull, the hull lying toward
// the point at infinity: p sees it when p lies strictly below its hyperplane. Decided in doubles when
// the error bound allows (0 otherwise, and for facets through infinity), without the facet's normal.
int hull_engine::FilteredSide(const double* p, const simplex* s) const
{
  if (m_curDim != MAXDIM || m_rdim != MAXDIM)
    return 0;
  const double* facet[MAXDIM];
  for (int i = 0; i < MAXDIM; ++i)
  {
    facet[i] = s->neigh[i].vert;
    if (facet[i] == m_infinity)
      return 0;
  }
  return facet_side_filter::Side(facet, p, m_pdim, m_lifted);
}

int hull_engine::OpSimp(const simplex* s, const simplex* t) const
{
  for (int i = 0; i < m_curDim; ++i)
    if (s->neigh[i].simp == t)
      return i;
  if (m_log)
    *m_log << "adjacency failure,op_simp:\n" << __FILE__ << ":" << __LINE__ << "\n---------------------\n";
  throw hull_failure{"adjacency failure!"};
}

int hull_engine::OpVert(const simplex* s, const double* v) const
{
  for (int i = 0; i < m_curDim; ++i)
    if (s->neigh[i].vert == v)
      return i;
  if (m_log)
  {
    *m_log << "adjacency failure,op_vert:\n" << __FILE__ << ":" << __LINE__ << "\n";
    for (int i = 0; v && v != m_infinity && i < m_pdim; ++i)
      *m_log << v[i] << "  ";
    *m_log << "\n---------------------\n";
  }
  throw hull_failure{"adjacency failure!"};
}

int hull_engine::SiteIndex(const double* vertex) const { return m_sites->IndexOf(vertex, m_infinity); }
