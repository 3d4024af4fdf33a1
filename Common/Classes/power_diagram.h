#pragma once

#include "power_cell.h"

#include <ostream>
#include <vector>

class hull_engine;
class run_progress;
class site_store;
struct pole_tables;
struct simplex;

// Pass 2 visitor: the power vertex of every tetrahedron of the regular triangulation of the poles
// and the neighbour links, with their intersection cosines, of every pole pair joined by an edge.
class power_diagram
{
public:
  power_diagram(std::vector<power_cell>& cells, std::vector<power_vertex>& vertices, const site_store& sites,
                double scale, pole_tables& poles, std::ostream* log, run_progress* progress = nullptr);

  // Copies the facets of the built hull into `cells`, in traversal order, a progress step each.
  // Throws hull_failure.
  static void CopyCells(hull_engine& hull, simplex* root, std::vector<power_cell>& cells,
                        run_progress* progress = nullptr);

  // Visits every cell in order, a progress step each; fills `vertices`, one per cell.
  void Run();
  long long Slivers() const { return m_slivers; }

private:
  void Visit(int cell);
  void LinkEdge(int cell, int edge);
  void MarkRing(int start, int edge);
  void SetPowerVertex(int cell);

  std::vector<power_cell>& m_cells;
  std::vector<power_vertex>& m_vertices;
  const site_store& m_sites;
  double m_scale;
  pole_tables& m_poles;
  std::ostream* m_log;
  run_progress* m_progress;
  long long m_slivers = 0;
};
