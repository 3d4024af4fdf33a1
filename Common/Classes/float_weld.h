#pragma once

#include "crust_mesh.h"

// What making a surface single precision changed.
struct float_weld_counts
{
  int merged_vertices = 0;     // vertices replaced by an earlier one at the same float position
  int collapsed_triangles = 0; // triangles left with a repeated corner
  int cancelled_triangles = 0; // opposite triangles over the same three vertices, removed in pairs
};

// A polygon surface as triangles on single-precision vertices, the form meshes store: vertices
// closer than float resolution (power vertices of tiny crust faces, say) become one vertex.
class float_weld
{
public:
  // Triangulates `polygons` as fans from their first corners, merges the vertices whose coordinates
  // round to the same floats (the lowest-numbered one stays, with its double coordinates), removes
  // the triangles the merge collapses and pairs of opposite triangles over the same three vertices,
  // and drops the vertices no triangle uses, keeping the order of the others. The points of
  // `triangles` round to pairwise distinct floats.
  static void Weld(const crust_mesh& polygons, crust_mesh& triangles, float_weld_counts* counts = nullptr);

  // For surfaces that merging would break (where sheets touch at a point or an edge, as on lattice
  // samples): triangulates `polygons` as fans and keeps every vertex apart instead, moving each
  // vertex that rounds to the float position of a lower-numbered one to the next free float
  // position along x, its coordinates then those floats. Returns the largest distance moved.
  static double Separate(const crust_mesh& polygons, crust_mesh& triangles);
};
