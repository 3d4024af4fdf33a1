#pragma once

#include "basis_s.h"
#include "record_pool.h"
#include "simplex.h"

#include <ostream>
#include <vector>

class run_progress;
class site_store;
class site_shuffle;

// Randomised incremental convex hull over integer-valued sites with exact visibility decisions.
// Lifted mode adds the squared length as a last coordinate (Delaunay); power mode takes the sites'
// own last coordinate (regular triangulation). Facets through the point at infinity close the hull.
class hull_engine
{
public:
  struct counters
  {
    long long sites_taken = 0;
    long long simplices = 0;     // simplex records in use at the end of the build
    long long basis_records = 0; // basis records in use at the end of the build
    int simplex_blocks = 0;
    int basis_blocks = 0;
    long long failed_reductions = 0;
    long long overshoots = 0;
    long long visibility_tests = 0;
    long long walk_steps = 0;
    long long searches = 0; // sites located by a search over the facets instead of the walk
  };

  hull_engine();

  // Clears the counters and the zero basis; lifted mode on, power mode off.
  void Reset();
  void SetLog(std::ostream* log) { m_log = log; }
  // Counts every site taken as a progress step (null: none).
  void SetProgress(run_progress* progress) { m_progress = progress; }

  // Builds the hull of the sites in the shuffled order and returns its root. Throws hull_failure,
  // and run_stopped from a progress point.
  simplex* Build(const site_store& sites, site_shuffle& order, bool lifted);

  // Calls visitor(simplex*) once for every hull facet.
  template <class Visitor>
  void VisitFacets(simplex* root, Visitor&& visitor);

  bool IsInfinity(const double* vertex) const { return vertex == m_infinity; }
  int SiteIndex(const double* vertex) const;
  const counters& Counters() const { return m_counters; }

  // Returns every record to the system; the counters are kept.
  void ReleaseStorage();

private:
  // Records and reductions.
  basis_s* NewBasis();
  void ReleaseBasis(basis_s*& basis);
  simplex* NewSimplex();
  simplex* CopySimplex(const simplex* s);
  void FillDifference(basis_s* v, const double* p, const double* origin) const;
  bool ReduceVector(basis_s*& v, const double* p, simplex* s, int k);
  bool ReduceInner(basis_s* v, simplex* s, int k);
  template <class Dimension>
  bool ReduceInnerIn(Dimension rdim, basis_s* v, simplex* s, int k);
  double ScaleFactor(basis_s* v, simplex* s, int k, int iteration);
  void ComputeBasis(simplex* s);
  void ComputeNormal(simplex* s);
  bool IsVisible(const double* p, simplex* s);
  int FilteredSide(const double* p, const simplex* s) const;
  int OpSimp(const simplex* s, const simplex* t) const;
  int OpVert(const simplex* s, const double* v) const;

  // Construction.
  const double* TakeSite();
  bool RaisesDimension(const double* p);
  simplex* ExtendDimension(simplex* s);
  void InsertSite(const double* p);
  simplex* FindVisibleFacet(const double* p);
  simplex* LocateVisibleFacet(const double* p);
  simplex* WalkStart(const double* p) const;
  void RememberWalkStart(simplex* facet, const double* site);
  simplex* WalkToward(const double* p, bool& contains);
  simplex* SearchFacets(simplex* start, const double* p);
  bool IsInfiniteFacet(const simplex* s) const;
  void ReleaseConed();
  simplex* MakeCone(simplex* facet, const double* p);
  void Prefetch(const simplex* n) const;
  void LinkCone(simplex* start, const double* p);
  simplex* FindAnyFacet(simplex* root, int stamp);
  // Depth-first over the neighbours (and with `throughApex` the apex links) of the simplices not yet
  // stamped; the first simplex for which visit(s) is true ends the search and is returned.
  template <class Visit>
  simplex* DepthFirst(simplex* start, int stamp, bool throughApex, Visit&& visit);

  record_pool<simplex> m_simplices;
  record_pool<basis_s> m_bases;
  basis_s m_zeroBasis;
  basis_s* m_infinityBasis = nullptr;
  basis_s* m_scratch = nullptr;
  basis_s* m_spare = nullptr;
  basis_s* m_normalScratch = nullptr;
  double m_infinity[MAXDIM] = {};

  const site_store* m_sites = nullptr;
  site_shuffle* m_order = nullptr;
  simplex* m_root = nullptr;
  simplex* m_lastNew = nullptr; // a current facet made by the last insertion
  // Current facets made by the last few insertions, with their sites: a walk starts from the one
  // whose site is nearest (consecutive sites need not be neighbours, as a sample's two poles are not).
  struct walk_start
  {
    simplex* facet;
    const double* site;
  };
  static constexpr int kWalkStarts = 16;
  walk_start m_walkStarts[kWalkStarts] = {};
  int m_nextWalkStart = 0;
  unsigned m_walkTurn = 0;
  const double* m_site = nullptr; // the site being added
  bool m_lifted = true;
  int m_pdim = 3;
  int m_rdim = 4;
  int m_curDim = 0;
  int m_stamp = 0;
  int m_traversalStamp = -2; // never equals a site stamp, never reset

  // Kept between the calls of one reduction.
  double m_logDetBound = 0.0;
  double m_basisSqSum = 0.0;
  double m_scaleLimit = 0.0;

  std::vector<simplex*> m_searchStack;
  std::vector<simplex*> m_traversalStack;
  std::vector<simplex*> m_visible;
  counters m_counters;
  std::ostream* m_log = nullptr;
  run_progress* m_progress = nullptr;
};

template <class Visitor>
void hull_engine::VisitFacets(simplex* root, Visitor&& visitor)
{
  simplex* start = m_lastNew ? m_lastNew : FindAnyFacet(root, m_traversalStamp--);
  DepthFirst(start, m_traversalStamp--, false,
             [&visitor](simplex* s)
             {
               visitor(s);
               return false;
             });
}

template <class Visit>
simplex* hull_engine::DepthFirst(simplex* start, int stamp, bool throughApex, Visit&& visit)
{
  m_traversalStack.clear();
  m_traversalStack.push_back(start);
  while (!m_traversalStack.empty())
  {
    simplex* s = m_traversalStack.back();
    m_traversalStack.pop_back();
    if (!s || s->visit_stamp == stamp)
      continue;
    s->visit_stamp = stamp;
    if (visit(s))
      return s;
    if (throughApex)
      m_traversalStack.push_back(s->apex.simp);
    for (int i = 0; i < m_curDim; ++i)
      m_traversalStack.push_back(s->neigh[i].simp);
  }
  return nullptr;
}
