#pragma once

#include "basis_s.h"

struct simplex;

// One vertex of a simplex with the simplex opposite it and its reduced basis vector.
struct neighbor
{
  const double* vert; // site coordinates; the point at infinity is a sentinel address
  simplex* simp;
  basis_s* basis;
};

// One cell of the hull. A cell with an apex vertex was coned from a facet that became visible;
// a cell without one is a facet of the current hull. The facet normal (the residual half of its
// reduced vector) is kept in the record, beside the fields a visibility test reads, so that the
// test touches no other record.
struct alignas(64) simplex
{
  simplex* next; // free-list link
  int visit_stamp;
  signed char status;
  signed char has_normal;
  int vertex_slot; // 1 + index of the Voronoi vertex in the pole finder's table; 0 for none
  int pole_index;  // pole number (pass 1); facet number while pass 2's cells are copied
  double normal[MAXDIM];
  double normal_norm2;
  neighbor apex;
  neighbor neigh[MAXDIM];
};
