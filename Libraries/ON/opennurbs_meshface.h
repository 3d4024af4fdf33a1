#pragma once

#include "opennurbs_defines.h"

// Corner indices of a mesh face; a triangle repeats its third corner (vi[2] == vi[3]).
struct ON_CLASS ON_MeshFace
{
  int vi[4];

  bool IsTriangle() const;
  bool IsQuad() const;

  // Corners in [0, mesh_vertex_count), the first three distinct, and a quad's fourth corner
  // distinct from the first two.
  bool IsValid(int mesh_vertex_count) const;

  // Reverses the orientation keeping corner 0: (a,b,c,c) -> (a,c,b,b), (a,b,c,d) -> (a,d,c,b).
  void Flip();
};
