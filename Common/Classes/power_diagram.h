#pragma once

#include <ostream>

class hull_engine;
struct pole_tables;
struct simplex;

// Pass 2 visitor: the power vertex of every tetrahedron of the regular triangulation of the poles
// and the neighbour links, with their intersection cosines, of every pole pair joined by an edge.
class power_diagram
{
public:
  power_diagram(hull_engine& hull, double scale, pole_tables& poles, std::ostream* log);

  void Visit(simplex* s);
  long long Slivers() const { return m_slivers; }

private:
  void LinkEdge(simplex* s, int edge);
  void MarkRing(simplex* start, int edge);
  void SetPowerVertex(simplex* s);

  hull_engine& m_hull;
  double m_scale;
  pole_tables& m_poles;
  std::ostream* m_log;
  long long m_slivers = 0;
};
