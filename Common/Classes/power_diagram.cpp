#include "power_diagram.h"

#include "edge_ring_walk.h"
#include "edge_table.h"
#include "exact_predicates.h"
#include "hull_engine.h"
#include "hull_failure.h"
#include "pole_tables.h"
#include "run_progress.h"
#include "simplex.h"
#include "site_store.h"

#include <cmath>

namespace
{

struct ball
{
  double centre[3];
  double radius2; // |P|^2 - w
};

ball BallOf(const double* site, double scale)
{
  ball b;
  double length2 = 0.0;
  for (int k = 0; k < 3; ++k)
  {
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

} // namespace

power_diagram::power_diagram(std::vector<power_cell>& cells, std::vector<power_vertex>& vertices,
                             const site_store& sites, double scale, pole_tables& poles, std::ostream* log,
                             run_progress* progress)
    : m_cells(cells), m_vertices(vertices), m_sites(sites), m_scale(scale), m_poles(poles), m_log(log),
      m_progress(progress)
{
}

void power_diagram::CopyCells(hull_engine& hull, simplex* root, std::vector<power_cell>& cells, run_progress* progress)
{
  cells.clear();
  // The output-id field is free until the crust is emitted: it numbers the facets meanwhile.
  int count = 0;
  hull.VisitFacets(root, [&count](simplex* s) { s->pole_index = count++; });
  cells.resize(count);
  int index = 0;
  hull.VisitFacets(root,
                   [&hull, &cells, &index, progress](simplex* s)
                   {
                     progress_step(progress);
                     power_cell& cell = cells[index++];
                     for (int i = 0; i < 4; ++i)
                     {
                       const double* vertex = s->neigh[i].vert;
                       const int pole = vertex ? hull.SiteIndex(vertex) : power_cell::kInfinity;
                       if (pole < power_cell::kInfinity)
                         throw hull_failure{"adjacency failure!"};
                       cell.pole[i] = pole;
                       cell.neighbour[i] = s->neigh[i].simp ? s->neigh[i].simp->pole_index : -1;
                     }
                   });
}

void power_diagram::Run()
{
  m_vertices.assign(m_cells.size(), power_vertex{});
  for (int cell = 0; cell < static_cast<int>(m_cells.size()); ++cell)
  {
    progress_step(m_progress);
    Visit(cell);
  }
}

void power_diagram::Visit(int index)
{
  power_cell& cell = m_cells[index];
  if (cell.IsInfinite())
  {
    cell.status = 0;
    return;
  }
  for (int e = 0; e < 6; ++e)
    if (cell.edge_status[e] == 0)
      LinkEdge(index, e);
  SetPowerVertex(index);
}

void power_diagram::LinkEdge(int index, int edge)
{
  power_cell& cell = m_cells[index];
  const int p = cell.pole[kEdgeTable[edge].end0];
  const int q = cell.pole[kEdgeTable[edge].end1];
  const ball a = BallOf(m_sites.Site(p), m_scale);
  const ball b = BallOf(m_sites.Site(q), m_scale);
  double distance2 = 0.0;
  for (int k = 0; k < 3; ++k)
    distance2 += (a.centre[k] - b.centre[k]) * (a.centre[k] - b.centre[k]);
  const double kappa = (a.radius2 + b.radius2 - distance2) / (2.0 * std::sqrt(a.radius2) * std::sqrt(b.radius2));
  m_poles.AddNeighbour(q, p, edge, kappa, index);
  m_poles.AddNeighbour(p, q, edge, kappa, index);
  cell.edge_status[edge] = 3;
  MarkRing(index, edge);
}

// Every other tetrahedron around the edge learns that the pair is linked, so that no list has to
// be searched for it. The ring of a closed triangulation always leads back to the start.
void power_diagram::MarkRing(int start, int edge)
{
  edge_ring_walk walk(m_cells, start, edge);
  int edgeInCell = 0;
  for (int cell = walk.Next(edgeInCell); cell != start; cell = walk.Next(edgeInCell))
  {
    if (cell < 0)
      throw hull_failure{"adjacency failure!"};
    m_cells[cell].edge_status[edgeInCell] = 2;
  }
}

void power_diagram::SetPowerVertex(int index)
{
  power_cell& cell = m_cells[index];
  ball balls[4];
  for (int i = 0; i < 4; ++i)
    balls[i] = BallOf(m_sites.Site(cell.pole[i]), m_scale);
  const double* a = balls[0].centre;
  const double det = exact_predicates::Orient(balls[1].centre, balls[2].centre, balls[3].centre, a);
  if (det == 0.0)
  {
    ++m_slivers;
    if (m_log)
      *m_log << "sliver!\n";
    cell.status = -1;
    return;
  }
  double d[4][3], h[4];
  for (int i = 1; i < 4; ++i)
  {
    double length2 = 0.0;
    for (int k = 0; k < 3; ++k)
    {
      d[i][k] = balls[i].centre[k] - a[k];
      length2 += d[i][k] * d[i][k];
    }
    h[i] = length2 - (balls[i].radius2 - balls[0].radius2);
  }
  double cd[3], db[3], bc[3];
  Cross(d[2], d[3], cd);
  Cross(d[3], d[1], db);
  Cross(d[1], d[2], bc);
  for (int k = 0; k < 3; ++k)
    m_vertices[index][k] = a[k] + (h[1] * cd[k] + h[2] * db[k] + h[3] * bc[k]) / (2.0 * det);
  cell.status = 1;
}
