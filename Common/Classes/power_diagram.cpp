#include "power_diagram.h"

#include "edge_table.h"
#include "exact_predicates.h"
#include "hull_engine.h"
#include "hull_failure.h"
#include "pole_tables.h"
#include "simplex.h"

#include <cmath>

namespace {

struct ball
{
  double centre[3];
  double radius2;  // |P|^2 - w
};

ball BallOf(const double* site, double scale)
{
  ball b;
  double length2 = 0.0;
  for (int k = 0; k < 3; ++k) {
    b.centre[k] = site[k] / scale;
    length2 += b.centre[k] * b.centre[k];
  }
  b.radius2 = length2 - site[3] / scale;
  return b;
}

void Cross(const double* u, const double* v, double* out)
{
  out[0] = u[1] * v[2] - u[2] * v[1];
  out[1] = u[2] * v[0] - u[0] * v[2];
  out[2] = u[0] * v[1] - u[1] * v[0];
}

}  // namespace

power_diagram::power_diagram(hull_engine& hull, double scale, pole_tables& poles, std::ostream* log)
    : m_hull(hull), m_scale(scale), m_poles(poles), m_log(log)
{
}

void power_diagram::Visit(simplex* s)
{
  for (int i = 0; i < 4; ++i) {
    if (m_hull.IsInfinity(s->neigh[i].vert)) {
      s->status = 0;
      return;
    }
  }
  for (int e = 0; e < 6; ++e)
    if (s->edge_status[e] == 0)
      LinkEdge(s, e);
  SetPowerVertex(s);
}

void power_diagram::LinkEdge(simplex* s, int edge)
{
  const double* pSite = s->neigh[kEdgeTable[edge].end0].vert;
  const double* qSite = s->neigh[kEdgeTable[edge].end1].vert;
  const int p = m_hull.SiteIndex(pSite);
  const int q = m_hull.SiteIndex(qSite);
  const ball a = BallOf(pSite, m_scale);
  const ball b = BallOf(qSite, m_scale);
  double distance2 = 0.0;
  for (int k = 0; k < 3; ++k)
    distance2 += (a.centre[k] - b.centre[k]) * (a.centre[k] - b.centre[k]);
  const double kappa = (a.radius2 + b.radius2 - distance2) / (2.0 * std::sqrt(a.radius2) * std::sqrt(b.radius2));
  m_poles.AddNeighbour(q, p, edge, kappa, s);
  m_poles.AddNeighbour(p, q, edge, kappa, s);
  s->edge_status[edge] = 3;
  MarkRing(s, edge);
}

// Every other tetrahedron around the edge learns that the pair is linked, so that no list has to
// be searched for it. The ring of a closed triangulation always leads back to the start.
void power_diagram::MarkRing(simplex* start, int edge)
{
  const edge_row& row = kEdgeTable[edge];
  const double* r = start->neigh[row.end0].vert;
  const double* s = start->neigh[row.end1].vert;
  const double* y = start->neigh[row.fourth].vert;
  for (simplex* next = start->neigh[row.third].simp; next != start;) {
    int rAt = -1, sAt = -1, yAt = -1;
    for (int i = 0; i < 4; ++i) {
      const double* v = next->neigh[i].vert;
      if (v == r)
        rAt = i;
      else if (v == s)
        sAt = i;
      else if (v == y)
        yAt = i;
    }
    if (rAt < 0 || sAt < 0 || yAt < 0)
      throw hull_failure{"broken adjacency around an edge of the power diagram"};
    next->edge_status[EdgeOfPositions(rAt, sAt)] = 2;
    simplex* after = next->neigh[yAt].simp;
    y = next->neigh[6 - rAt - sAt - yAt].vert;
    next = after;
  }
}

void power_diagram::SetPowerVertex(simplex* s)
{
  ball balls[4];
  for (int i = 0; i < 4; ++i)
    balls[i] = BallOf(s->neigh[i].vert, m_scale);
  const double* a = balls[0].centre;
  const double det = exact_predicates::Orient(balls[1].centre, balls[2].centre, balls[3].centre, a);
  if (det == 0.0) {
    ++m_slivers;
    if (m_log)
      *m_log << "sliver!\n";
    s->status = -1;
    return;
  }
  double d[4][3], h[4];
  for (int i = 1; i < 4; ++i) {
    double length2 = 0.0;
    for (int k = 0; k < 3; ++k) {
      d[i][k] = balls[i].centre[k] - a[k];
      length2 += d[i][k] * d[i][k];
    }
    h[i] = length2 - (balls[i].radius2 - balls[0].radius2);
  }
  double cd[3], db[3], bc[3];
  Cross(d[2], d[3], cd);
  Cross(d[3], d[1], db);
  Cross(d[1], d[2], bc);
  std::array<double, 3> vertex;
  for (int k = 0; k < 3; ++k)
    vertex[k] = a[k] + (h[1] * cd[k] + h[2] * db[k] + h[3] * bc[k]) / (2.0 * det);
  m_poles.vertices.push_back(vertex);
  s->vertex_slot = static_cast<int>(m_poles.vertices.size());
  s->status = 1;
}
