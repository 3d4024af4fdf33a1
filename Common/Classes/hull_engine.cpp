// Randomised incremental construction of the hull and the traversal of its facets.
#include "hull_engine.h"

#include "exact_predicates.h"
#include "hull_failure.h"
#include "run_progress.h"
#include "site_shuffle.h"
#include "site_store.h"

#include <cstddef>

simplex* hull_engine::Build(const site_store& sites, site_shuffle& order, bool lifted)
{
  m_sites = &sites;
  m_order = &order;
  m_lifted = lifted;
  m_pdim = sites.Dimension();
  m_rdim = lifted ? m_pdim + 1 : m_pdim;
  if (m_rdim > MAXDIM)
  {
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
  m_lastNew = nullptr;
  for (walk_start& start : m_walkStarts)
    start = walk_start();
  m_root = NewSimplex();
  simplex* facet = NewSimplex();
  m_root->apex.vert = m_infinity;
  m_root->apex.simp = facet;
  facet->apex.simp = m_root;

  const double* p = nullptr;
  while (m_curDim < m_rdim)
  {
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
  m_lastNew = nullptr;
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
  progress_step(m_progress);
  if (m_log && m_counters.sites_taken % 1000 == 0)
    *m_log << "site " << m_counters.sites_taken << "...";
  m_stamp = index + 2;
  m_site = m_sites->Site(index);
  return m_site;
}

bool hull_engine::RaisesDimension(const double* p)
{
  ++m_curDim;
  m_root->neigh[m_curDim - 1].vert = m_root->apex.vert;
  ReleaseBasis(m_root->bases[m_curDim - 1]);
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
  ReleaseBasis(s->bases[0]);
  if (!s->apex.vert)
  {
    s->neigh[o].simp = ExtendDimension(s->apex.simp);
    return s;
  }
  simplex* ns = CopySimplex(s);
  s->neigh[o].simp = ns;
  ns->apex.vert = nullptr;
  ns->apex.simp = s;
  ReleaseBasis(ns->bases[o]);
  ns->neigh[o] = s->apex;
  for (int i = 0; i < m_curDim; ++i)
    ns->neigh[i].simp = ExtendDimension(ns->neigh[i].simp);
  return ns;
}

// Once the hull has its full dimension, a site is located by walking from the facets of the
// previous insertion, and the facets it covers are returned to the pool; before that, by the
// search from the root.
void hull_engine::InsertSite(const double* p)
{
  const bool walking = m_curDim == m_rdim && m_lastNew;
  simplex* facet = walking ? LocateVisibleFacet(p) : FindVisibleFacet(p);
  if (!facet)
    return;
  simplex* last = MakeCone(facet, p);
  LinkCone(last, p);
  if (last)
  {
    m_lastNew = last;
    RememberWalkStart(last, p);
  }
  if (walking)
    ReleaseConed();
}

bool hull_engine::IsInfiniteFacet(const simplex* s) const
{
  for (int i = 0; i < m_curDim; ++i)
    if (s->neigh[i].vert == m_infinity)
      return true;
  return false;
}

simplex* hull_engine::WalkStart(const double* p) const
{
  simplex* nearest = m_lastNew;
  double nearestDistance2 = -1.0;
  for (const walk_start& start : m_walkStarts)
  {
    // Released records are zero-filled; reused ones may be any current facet, which serves too.
    if (!start.facet || !start.facet->neigh[0].vert || start.facet->apex.vert)
      continue;
    double distance2 = 0.0;
    for (int k = 0; k < 3; ++k)
      distance2 += (start.site[k] - p[k]) * (start.site[k] - p[k]);
    if (nearestDistance2 < 0.0 || distance2 < nearestDistance2)
    {
      nearest = start.facet;
      nearestDistance2 = distance2;
    }
  }
  return nearest;
}

void hull_engine::RememberWalkStart(simplex* facet, const double* site)
{
  m_walkStarts[m_nextWalkStart] = {facet, site};
  m_nextWalkStart = (m_nextWalkStart + 1) % kWalkStarts;
}

// Walk through the finite facets (tetrahedra of the projected triangulation) toward the one that
// holds p, leaving each across a face that separates it from p; the faces are tried from a
// rotating start. Ends at that facet, at a facet on the way that p is proven to see (p's conflict
// region may be large: any of its facets starts the cone), or at the facet through infinity where
// p leaves the hull.
simplex* hull_engine::WalkToward(const double* p, bool& contains)
{
  contains = false;
  static const int kFace[4][3] = {{1, 2, 3}, {0, 3, 2}, {0, 1, 3}, {0, 2, 1}};
  simplex* t = WalkStart(p);
  for (int i = 0; i < 4; ++i)
    if (t->neigh[i].vert == m_infinity)
      t = t->neigh[i].simp; // start inside, across the hull face
  const long long limit = 4 * (m_simplices.RecordsInUse() + 16);
  for (long long steps = 0; steps < limit; ++steps)
  {
    ++m_counters.walk_steps;
    if (IsInfiniteFacet(t) || FilteredSide(p, t) < 0)
      return t;
    const unsigned first = m_walkTurn++;
    // Each face followed by its opposite vertex is an odd permutation of the corners, so every
    // vertex lies on the same side of its face as the first: the tetrahedron's orientation.
    const double towardV =
        exact_predicates::Orient(t->neigh[1].vert, t->neigh[2].vert, t->neigh[3].vert, t->neigh[0].vert);
    if (towardV == 0.0)
      return t; // flat: it holds nothing
    simplex* next = nullptr;
    for (unsigned k = 0; k < 4 && !next; ++k)
    {
      const int i = static_cast<int>((first + k) & 3);
      const double towardP = exact_predicates::Orient(t->neigh[kFace[i][0]].vert, t->neigh[kFace[i][1]].vert,
                                                      t->neigh[kFace[i][2]].vert, p);
      if ((towardP < 0.0 && towardV > 0.0) || (towardP > 0.0 && towardV < 0.0))
        next = t->neigh[i].simp;
    }
    if (!next)
    {
      contains = true;
      return t;
    }
    t = next;
  }
  return nullptr;
}

// Breadth-first search over the facets from `start` for one that p sees. Facets tested carry the
// site's stamp (as after the search from the root), facets only queued a traversal stamp.
simplex* hull_engine::SearchFacets(simplex* start, const double* p)
{
  ++m_counters.searches;
  const int queued = m_traversalStamp--;
  m_visible.clear();
  m_visible.push_back(start);
  start->visit_stamp = queued;
  for (size_t next = 0; next < m_visible.size(); ++next)
  {
    simplex* s = m_visible[next];
    s->visit_stamp = m_stamp;
    if (IsVisible(p, s))
      return s;
    for (int i = 0; i < m_curDim; ++i)
    {
      simplex* n = s->neigh[i].simp;
      if (n->visit_stamp != m_stamp && n->visit_stamp != queued)
      {
        n->visit_stamp = queued;
        m_visible.push_back(n);
      }
    }
  }
  return nullptr;
}

simplex* hull_engine::LocateVisibleFacet(const double* p)
{
  bool contains = false;
  simplex* reached = WalkToward(p, contains);
  if (reached && IsVisible(p, reached))
  {
    reached->visit_stamp = m_stamp;
    return reached;
  }
  // A facet of the lower hull whose tetrahedron holds p decides alone: when it does not see p,
  // p repeats a vertex or lies above the lower hull (a hidden weighted site), and no facet sees
  // it; its facet stays, and starts the walks of the sites after it (hidden sites come in runs, as
  // the poles on a torus's axis do). Otherwise (a flat facet, or p on the hull's boundary) ask the
  // facets in turn, nearest first.
  if (contains)
  {
    RememberWalkStart(reached, p);
    return nullptr;
  }
  return SearchFacets(reached ? reached : m_lastNew, p);
}

// The facets that the new site covered are no longer part of the hull, and no search reaches them.
void hull_engine::ReleaseConed()
{
  for (simplex* f : m_visible)
  {
    for (int i = 0; i < m_rdim; ++i)
      ReleaseBasis(f->bases[i]);
    m_simplices.Give(f);
  }
  m_visible.clear();
}

simplex* hull_engine::FindVisibleFacet(const double* p)
{
  m_searchStack.clear();
  m_searchStack.push_back(m_root->apex.simp);
  m_root->visit_stamp = m_stamp;
  if (!IsVisible(p, m_root))
    for (int i = 0; i < m_curDim; ++i)
      m_searchStack.push_back(m_root->neigh[i].simp);
  while (!m_searchStack.empty())
  {
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

// The records a visibility test of n's neighbours will read, asked for ahead of the test.
void hull_engine::Prefetch(const simplex* n) const
{
  for (int i = 0; i < m_curDim; ++i)
  {
    const char* record = reinterpret_cast<const char*>(n->neigh[i].simp);
    for (size_t line = 0; line < offsetof(simplex, bases); line += 64)
      __builtin_prefetch(record + line);
  }
}

// Marks the facets visible from p (a connected region around `facet`) by giving them p as apex, then
// makes one new facet for every ridge between a visible and a hidden facet.
simplex* hull_engine::MakeCone(simplex* facet, const double* p)
{
  m_visible.clear();
  facet->apex.vert = p;
  m_visible.push_back(facet);
  for (size_t next = 0; next < m_visible.size(); ++next)
  {
    simplex* f = m_visible[next];
    for (int i = 0; i < m_curDim; ++i)
    {
      simplex* n = f->neigh[i].simp;
      if (n->visit_stamp == m_stamp)
        continue;
      n->visit_stamp = m_stamp;
      if (IsVisible(p, n))
      {
        n->apex.vert = p;
        m_visible.push_back(n);
        Prefetch(n);
      }
    }
  }
  simplex* last = nullptr;
  for (simplex* f : m_visible)
  {
    for (int i = 0; i < m_curDim; ++i)
    {
      simplex* n = f->neigh[i].simp;
      if (n->apex.vert)
        continue;
      simplex* ns = CopySimplex(f);
      ns->visit_stamp = 0;
      ns->apex.vert = nullptr;
      ns->apex.simp = f;
      ReleaseBasis(ns->bases[i]);
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
  while (!m_searchStack.empty())
  {
    simplex* s = m_searchStack.back();
    m_searchStack.pop_back();
    if (s->visit_stamp == m_stamp)
      continue;
    s->visit_stamp = m_stamp;
    simplex* seen = s->apex.simp;
    const double* x = seen->neigh[OpSimp(seen, s)].vert;
    for (int i = 0; i < m_curDim; ++i)
    {
      const double* v = s->neigh[i].vert;
      if (v == p)
        continue;
      simplex* t = s->neigh[i].simp;
      if (t->apex.vert)
      {
        simplex* b = seen;
        const double* y = x;
        const double* yNext = nullptr;
        simplex* c = nullptr;
        for (;;)
        {
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
      }
      else
      {
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
  return DepthFirst(root, stamp, true, [](simplex* s) { return !s->apex.vert; });
}
