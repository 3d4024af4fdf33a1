#pragma once

#include "basis_s.h"

struct simplex;

// One vertex of a simplex with the simplex opposite it.
struct neighbor
{
  const double* vert; // site coordinates; the point at infinity is a sentinel address
  simplex* simp;
};

// One cell of the hull. A cell with an apex vertex was coned from a facet that became visible;
// a cell without one is a facet of the current hull. What walks and visibility tests read (the
// stamp, the apex and the neighbours) fills the first two cache lines; the reduced basis vectors
// and the facet normal (the residual half of its reduced vector), which only the exact fallback of
// the visibility test needs, come after.
struct alignas(64) simplex
{
  simplex* next; // free-list link
  int visit_stamp;
  signed char status;
  signed char has_normal;
  int vertex_slot; // 1 + index of the Voronoi vertex in the pole finder's table; 0 for none
  int pole_index;  // pole number (pass 1); facet number while pass 2's cells are copied
  neighbor apex;
  neighbor neigh[MAXDIM];
  basis_s* bases[MAXDIM]; // the reduced vector of each vertex against the ones before it
  double normal[MAXDIM];
  double normal_norm2;
};
