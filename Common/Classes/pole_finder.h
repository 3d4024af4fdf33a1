#pragma once

#include "simplex.h"

#include <array>
#include <ostream>
#include <vector>

class hull_engine;
class run_progress;
class site_store;
struct input_box;
struct pole_tables;

// Pass 1 of the reconstruction: Voronoi vertices of the Delaunay tetrahedra, two poles per sample,
// their weights and the opposite links between a sample's poles.
class pole_finder
{
public:
  pole_finder(hull_engine& hull, const site_store& sites, const input_box& box, double scale, double sampleDensity,
              pole_tables& poles, std::ostream* log, run_progress* progress = nullptr);

  // Visits the facets of the lifted hull twice and outputs the poles of samples 0..sampleCount-1.
  // Each facet visit and each sample is a progress step.
  void Run(simplex* root, int sampleCount);
  int BadPoles() const { return m_badPoles; }

private:
  void VisitFirstPoles(simplex* s);
  void VisitSecondPoles(simplex* s);
  void SetCircumcentre(simplex* s);
  void OutputPole(simplex* facet, const double* sample, int sampleIndex);
  const double* Vertex(const simplex* s) const;
  bool HasVertex(const simplex* s) const { return s->vertex_slot > 0; }
  void Log(const char* text) const;

  hull_engine& m_hull;
  const site_store& m_sites;
  const input_box& m_box;
  double m_scale;
  double m_density;
  pole_tables& m_poles;
  std::ostream* m_log;
  run_progress* m_progress;
  std::vector<std::array<double, 3>> m_vertices; // Voronoi vertices, by simplex vertex_slot - 1
  std::vector<simplex*> m_first;
  std::vector<simplex*> m_second;
  std::vector<double> m_lfs;
  int m_badPoles = 0;
};
