#pragma once

struct crust_mesh;

// Whole-surface check of an emitted crust: every edge is used by exactly two polygons, once in each
// direction, so the surface is closed and consistently oriented.
class crust_check
{
public:
  static bool IsClosedAndOriented(const crust_mesh& mesh);
  // Closed and oriented, and the polygons around every vertex form one fan: no two sheets of the
  // surface touch at a vertex.
  static bool IsClosedOrientedManifold(const crust_mesh& mesh);
};
