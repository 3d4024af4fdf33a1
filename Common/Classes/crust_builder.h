#pragma once

#include "crust_mesh.h"
#include "power_cell.h"

#include <ostream>
#include <vector>

class run_progress;
class site_store;
struct pole_tables;

// Emits the faces of the power diagram that separate inner from outer poles, each oriented from the
// inner towards the outer pole, and the triangles of the regular triangulation joining inner poles.
class crust_builder
{
public:
  crust_builder(std::vector<power_cell>& cells, const std::vector<power_vertex>& vertices, const site_store& sites,
                pole_tables& poles, std::ostream* log, run_progress* progress = nullptr);

  // A progress step per pole.
  void EmitFaces(crust_mesh& surface);
  // Visits every cell in order, a progress step each.
  void EmitMedialTriangles(crust_mesh& medial);

  // Faces whose walk met a tetrahedron without a finite power vertex; such faces are not emitted.
  int OpenWalks() const { return m_openWalks; }

private:
  bool EmitFace(int start, int edge, crust_mesh& surface);
  void EmitVertex(int cell, crust_mesh& surface);
  void VisitMedial(power_cell& cell, crust_mesh& medial);

  std::vector<power_cell>& m_cells;
  const std::vector<power_vertex>& m_vertices;
  const site_store& m_sites;
  pole_tables& m_poles;
  std::ostream* m_log;
  run_progress* m_progress;
  std::vector<int> m_face;
  std::vector<int> m_ring;
  int m_openWalks = 0;
};
