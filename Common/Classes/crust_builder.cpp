#include "crust_builder.h"

#include "edge_ring_walk.h"
#include "edge_table.h"
#include "exact_predicates.h"
#include "pole_tables.h"
#include "run_progress.h"
#include "site_store.h"

#include <algorithm>

crust_builder::crust_builder(std::vector<power_cell>& cells, const std::vector<power_vertex>& vertices,
                             const site_store& sites, pole_tables& poles, std::ostream* log, run_progress* progress)
    : m_cells(cells), m_vertices(vertices), m_sites(sites), m_poles(poles), m_log(log), m_progress(progress)
{
}

void crust_builder::EmitFaces(crust_mesh& surface)
{
  for (int i = 0; i < m_poles.Count(); ++i)
  {
    progress_step(m_progress);
    const signed char label = m_poles.records[i].label;
    if (label == kUnlabelled)
    {
      if (m_log)
        *m_log << "pole " << i << " label " << int(label) << "\n";
      continue;
    }
    for (int l = m_poles.records[i].first_neighbour; l >= 0; l = m_poles.neighbours[l].next)
    {
      const neighbour_link& link = m_poles.neighbours[l];
      const signed char other = m_poles.records[link.pole].label;
      if (i < link.pole && other != kUnlabelled && other != label && !EmitFace(link.cell, link.edge, surface))
        ++m_openWalks;
    }
  }
}

// Walks the ring of tetrahedra around the pole pair's edge, collecting their power vertices.
bool crust_builder::EmitFace(int start, int edge, crust_mesh& surface)
{
  const edge_row& row = kEdgeTable[edge];
  power_cell& first = m_cells[start];
  const int r = first.pole[row.end0], s = first.pole[row.end1];
  const bool rOuter = m_poles.records[r].label == kOuter;

  first.edge_status[edge] = 1;
  m_ring.assign(1, start);
  edge_ring_walk walk(m_cells, start, edge);
  int edgeInCell = 0;
  for (int next = walk.Next(edgeInCell); next != start; next = walk.Next(edgeInCell))
  {
    if (next < 0)
      return false;
    power_cell& cell = m_cells[next];
    if (!cell.HasVertex())
    {
      if (m_log && cell.status == 0)
        *m_log << "inf reg face\n";
      return false;
    }
    m_ring.push_back(next);
    cell.edge_status[edgeInCell] = 1;
  }
  if (!first.HasVertex())
    return false;

  m_face.clear();
  for (int cell : m_ring)
    EmitVertex(cell, surface);
  // The walk turns about the axis r -> s from the third towards the fourth vertex of the first cell,
  // and the polygon's vertices turn the same way, so its normal n points along s - r exactly when
  // orient(s, third, fourth; r) > 0. Keep the order when n . (outer - inner) > 0.
  const double turn = exact_predicates::Orient(m_sites.Site(s), m_sites.Site(first.pole[row.third]),
                                               m_sites.Site(first.pole[row.fourth]), m_sites.Site(r));
  const bool normalAlongRS = turn > 0.0;
  const bool outerIsS = !rOuter;
  if (normalAlongRS != outerIsS)
    std::reverse(m_face.begin(), m_face.end());
  surface.AddPolygon(m_face.data(), static_cast<int>(m_face.size()));
  return true;
}

void crust_builder::EmitVertex(int index, crust_mesh& surface)
{
  power_cell& cell = m_cells[index];
  if (cell.status != 3)
  {
    cell.status = 3;
    cell.output_id = surface.PointCount();
    surface.points.insert(surface.points.end(), m_vertices[index].begin(), m_vertices[index].end());
  }
  m_face.push_back(cell.output_id);
}

void crust_builder::EmitMedialTriangles(crust_mesh& medial)
{
  for (power_cell& cell : m_cells)
  {
    progress_step(m_progress);
    VisitMedial(cell, medial);
  }
}

void crust_builder::VisitMedial(power_cell& cell, crust_mesh& medial)
{
  if (cell.status == 0 || cell.status == -1)
    return;
  bool inner[6];
  for (int e = 0; e < 6; ++e)
  {
    inner[e] = cell.edge_status[e] != 1 && m_poles.records[cell.pole[kEdgeTable[e].end0]].label == kInner &&
               m_poles.records[cell.pole[kEdgeTable[e].end1]].label == kInner;
    if (inner[e])
      cell.edge_status[e] = 13;
  }
  static const int kEdges[4][3] = {{0, 1, 3}, {1, 2, 5}, {0, 2, 4}, {3, 4, 5}};
  static const int kPositions[4][3] = {{0, 2, 1}, {0, 3, 2}, {0, 3, 1}, {1, 3, 2}};
  for (int t = 0; t < 4; ++t)
  {
    if (!inner[kEdges[t][0]] || !inner[kEdges[t][1]] || !inner[kEdges[t][2]])
      continue;
    int triangle[3];
    for (int k = 0; k < 3; ++k)
      triangle[k] = cell.pole[kPositions[t][k]];
    medial.AddPolygon(triangle, 3);
  }
}
