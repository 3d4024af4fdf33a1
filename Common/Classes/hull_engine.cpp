// Randomised incremental construction of the hull and the traversal of its facets.
#include "hull_engine.h"

#include "hull_failure.h"
#include "site_shuffle.h"
#include "site_store.h"

simplex* hull_engine::Build(const site_store& sites, site_shuffle& order, bool lifted)
{
  m_sites = &sites;
  m_order = &order;
  m_lifted = lifted;
  m_pdim = sites.Dimension();
  m_rdim = lifted ? m_pdim + 1 : m_pdim;
  if (m_rdim > MAXDIM) {
    if (m_log)
      *m_log << "dimension bound MAXDIM exceeded; rdim=" << m_rdim << "; pdim=" << m_pdim << "\n" << std::flush;
    throw hull_failure{"dimension bound MAXDIM exceeded"};
  }
  m_scratch = nullptr;
  m_spare = nullptr;
  m_normalScratch = nullptr;
  m_infinityBasis = NewBasis();
  m_infinityBasis->exact_norm2 = m_infinityBasis->residual_norm2 = 1.0;
  m_infinityBasis->Residual()[m_rdim - 1] = 1.0;
  m_infinityBasis->Exact(m_rdim)[m_rdim - 1] = 1.0;

  m_curDim = 0;
  m_root = NewSimplex();
  simplex* facet = NewSimplex();
  m_root->apex.vert = m_infinity;
  m_root->apex.simp = facet;
  facet->apex.simp = m_root;

  const double* p = nullptr;
  while (m_curDim < m_rdim) {
    if (!(p = TakeSite()))
      return m_root;
    if (RaisesDimension(p))
      ExtendDimension(m_root);
    else
      InsertSite(p);
  }
  while ((p = TakeSite()))
    InsertSite(p);
  m_counters.simplices = m_simplices.RecordsInUse();
  m_counters.basis_records = m_bases.RecordsInUse();
  m_counters.simplex_blocks = m_simplices.BlockCount();
  m_counters.basis_blocks = m_bases.BlockCount();
  return m_root;
}

void hull_engine::ReleaseStorage()
{
  m_simplices.Clear();
  m_bases.Clear();
  m_root = nullptr;
  m_scratch = m_spare = m_normalScratch = m_infinityBasis = nullptr;
  m_visible.clear();
  m_visible.shrink_to_fit();
}

const double* hull_engine::TakeSite()
{
  const int index = m_order->Next();
  if (index < 0)
    return nullptr;
  ++m_counters.sites_taken;
  if (m_log && m_counters.sites_taken % 1000 == 0)
    *m_log << "site " << m_counters.sites_taken << "...";
  m_stamp = index + 2;
  m_site = m_sites->Site(index);
  return m_site;
}

bool hull_engine::RaisesDimension(const double* p)
{
  ++m_curDim;
  neighbor& added = m_root->neigh[m_curDim - 1];
  added.vert = m_root->apex.vert;
  ReleaseBasis(added.basis);
  ComputeBasis(m_root);
  if (m_root->neigh[0].vert == m_infinity)
    return true;
  ReduceVector(m_spare, p, m_root, m_curDim);
  if (m_spare->exact_norm2 != 0.0)
    return true;
  --m_curDim;
  return false;
}

simplex* hull_engine::ExtendDimension(simplex* s)
{
  const int o = m_curDim - 1;
  if (s->visit_stamp == m_stamp)
    return s->apex.vert ? s->neigh[o].simp : s;
  s->visit_stamp = m_stamp;
  s->neigh[o].vert = m_site;
  s->has_normal = 0;
  ReleaseBasis(s->neigh[0].basis);
  if (!s->apex.vert) {
    s->neigh[o].simp = ExtendDimension(s->apex.simp);
    return s;
  }
  simplex* ns = CopySimplex(s);
  s->neigh[o].simp = ns;
  ns->apex.vert = nullptr;
  ns->apex.simp = s;
  ReleaseBasis(ns->neigh[o].basis);
  ns->neigh[o] = s->apex;
  if (ns->neigh[o].basis)
    ++ns->neigh[o].basis->ref_count;
  for (int i = 0; i < m_curDim; ++i)
    ns->neigh[i].simp = ExtendDimension(ns->neigh[i].simp);
  return ns;
}

void hull_engine::InsertSite(const double* p)
{
  simplex* facet = FindVisibleFacet(p);
  if (!facet)
    return;
  LinkCone(MakeCone(facet, p), p);
}

simplex* hull_engine::FindVisibleFacet(const double* p)
{
  m_searchStack.clear();
  m_searchStack.push_back(m_root->apex.simp);
  m_root->visit_stamp = m_stamp;
  if (!IsVisible(p, m_root))
    for (int i = 0; i < m_curDim; ++i)
      m_searchStack.push_back(m_root->neigh[i].simp);
  while (!m_searchStack.empty()) {
    simplex* s = m_searchStack.back();
    m_searchStack.pop_back();
    if (!s || s->visit_stamp == m_stamp)
      continue;
    s->visit_stamp = m_stamp;
    if (!IsVisible(p, s))
      continue;
    if (!s->apex.vert)
      return s;
    for (int i = 0; i < m_curDim; ++i)
      m_searchStack.push_back(s->neigh[i].simp);
  }
  return nullptr;
}

// Marks the facets visible from p (a connected region around `facet`) by giving them p as apex, then
// makes one new facet for every ridge between a visible and a hidden facet.
simplex* hull_engine::MakeCone(simplex* facet, const double* p)
{
  m_visible.clear();
  facet->apex.vert = p;
  m_visible.push_back(facet);
  for (size_t next = 0; next < m_visible.size(); ++next) {
    simplex* f = m_visible[next];
    for (int i = 0; i < m_curDim; ++i) {
      simplex* n = f->neigh[i].simp;
      if (n->visit_stamp == m_stamp)
        continue;
      n->visit_stamp = m_stamp;
      if (IsVisible(p, n)) {
        n->apex.vert = p;
        m_visible.push_back(n);
      }
    }
  }
  simplex* last = nullptr;
  for (simplex* f : m_visible) {
    for (int i = 0; i < m_curDim; ++i) {
      simplex* n = f->neigh[i].simp;
      if (n->apex.vert)
        continue;
      simplex* ns = CopySimplex(f);
      ns->visit_stamp = 0;
      ns->apex.vert = nullptr;
      ns->apex.simp = f;
      ReleaseBasis(ns->neigh[i].basis);
      ns->neigh[i].vert = p;
      n->neigh[OpSimp(n, f)].simp = ns;
      f->neigh[i].simp = ns;
      last = ns;
    }
  }
  return last;
}

// Joins the new facets to each other across the ridges that contain p.
void hull_engine::LinkCone(simplex* start, const double* p)
{
  if (!start)
    return;
  m_searchStack.clear();
  m_searchStack.push_back(start);
  while (!m_searchStack.empty()) {
    simplex* s = m_searchStack.back();
    m_searchStack.pop_back();
    if (s->visit_stamp == m_stamp)
      continue;
    s->visit_stamp = m_stamp;
    simplex* seen = s->apex.simp;
    const double* x = seen->neigh[OpSimp(seen, s)].vert;
    for (int i = 0; i < m_curDim; ++i) {
      const double* v = s->neigh[i].vert;
      if (v == p)
        continue;
      simplex* t = s->neigh[i].simp;
      if (t->apex.vert) {
        simplex* b = seen;
        const double* y = x;
        const double* yNext = nullptr;
        simplex* c = nullptr;
        for (;;) {
          yNext = t->neigh[OpSimp(t, b)].vert;
          c = t->neigh[OpVert(t, y)].simp;
          if (!c->apex.vert)
            break;
          b = t;
          t = c;
          y = yNext;
        }
        s->neigh[i].simp = c;
        c->neigh[OpVert(c, yNext)].simp = s;
        m_searchStack.push_back(c);
      } else {
        simplex* c = seen->neigh[OpVert(seen, v)].simp;
        if (c->apex.vert)
          continue;
        s->neigh[i].simp = c;
        c->neigh[OpVert(c, x)].simp = s;
        m_searchStack.push_back(c);
      }
    }
  }
}

simplex* hull_engine::FindAnyFacet(simplex* root, int stamp)
{
  m_traversalStack.clear();
  m_traversalStack.push_back(root);
  while (!m_traversalStack.empty()) {
    simplex* s = m_traversalStack.back();
    m_traversalStack.pop_back();
    if (!s || s->visit_stamp == stamp)
      continue;
    s->visit_stamp = stamp;
    if (!s->apex.vert)
      return s;
    m_traversalStack.push_back(s->apex.simp);
    for (int i = 0; i < m_curDim; ++i)
      m_traversalStack.push_back(s->neigh[i].simp);
  }
  return nullptr;
}
