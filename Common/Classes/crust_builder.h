#pragma once

#include "crust_mesh.h"

#include <ostream>
#include <vector>

class hull_engine;
struct pole_tables;
struct simplex;

// Emits the faces of the power diagram that separate inner from outer poles, each oriented from the
// inner towards the outer pole, and the triangles of the regular triangulation joining inner poles.
class crust_builder
{
public:
  crust_builder(hull_engine& hull, pole_tables& poles, std::ostream* log);

  void EmitFaces(crust_mesh& surface);
  void VisitMedial(simplex* s, crust_mesh& medial);

  // Faces whose walk met a tetrahedron without a finite power vertex; such faces are not emitted.
  int OpenWalks() const { return m_openWalks; }

private:
  bool EmitFace(simplex* start, int edge, crust_mesh& surface);
  void EmitVertex(simplex* s, crust_mesh& surface);
  int PoleOf(const simplex* s, int position) const;

  hull_engine& m_hull;
  pole_tables& m_poles;
  std::ostream* m_log;
  std::vector<int> m_face;
  std::vector<simplex*> m_ring;
  int m_openWalks = 0;
};
