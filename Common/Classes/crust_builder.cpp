#include "crust_builder.h"

#include "edge_table.h"
#include "exact_predicates.h"
#include "hull_engine.h"
#include "pole_tables.h"
#include "simplex.h"

#include <algorithm>

crust_builder::crust_builder(hull_engine& hull, pole_tables& poles, std::ostream* log)
    : m_hull(hull), m_poles(poles), m_log(log)
{
}

int crust_builder::PoleOf(const simplex* s, int position) const
{
  return m_hull.SiteIndex(s->neigh[position].vert);
}

void crust_builder::EmitFaces(crust_mesh& surface)
{
  for (int i = 0; i < m_poles.Count(); ++i) {
    const signed char label = m_poles.records[i].label;
    if (label == kUnlabelled) {
      if (m_log)
        *m_log << "pole " << i << " label " << int(label) << "\n";
      continue;
    }
    for (int l = m_poles.records[i].first_neighbour; l >= 0; l = m_poles.neighbours[l].next) {
      const neighbour_link& link = m_poles.neighbours[l];
      const signed char other = m_poles.records[link.pole].label;
      if (i < link.pole && other != kUnlabelled && other != label && !EmitFace(link.facet, link.edge, surface))
        ++m_openWalks;
    }
  }
}

// Walks the ring of tetrahedra around the pole pair's edge, collecting their power vertices.
bool crust_builder::EmitFace(simplex* start, int edge, crust_mesh& surface)
{
  const edge_row& row = kEdgeTable[edge];
  const double* r = start->neigh[row.end0].vert;
  const double* s = start->neigh[row.end1].vert;
  const double* y = start->neigh[row.fourth].vert;
  const bool rOuter = m_poles.records[m_hull.SiteIndex(r)].label == kOuter;

  start->edge_status[edge] = 1;
  m_ring.assign(1, start);
  simplex* next = start->neigh[row.third].simp;
  while (next != start) {
    if (next->status != 1 && next->status != 3) {
      if (m_log && next->status == 0)
        *m_log << "inf reg face\n";
      return false;
    }
    m_ring.push_back(next);
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
      return false;
    const int zAt = 6 - rAt - sAt - yAt;
    next->edge_status[EdgeOfPositions(rAt, sAt)] = 1;
    simplex* after = next->neigh[yAt].simp;
    y = next->neigh[zAt].vert;
    next = after;
  }
  if (start->status != 1 && start->status != 3)
    return false;

  m_face.clear();
  for (simplex* cell : m_ring)
    EmitVertex(cell, surface);
  // The walk turns about the axis r -> s from the third towards the fourth vertex of the first cell,
  // and the polygon's vertices turn the same way, so its normal n points along s - r exactly when
  // orient(s, third, fourth; r) > 0. Keep the order when n . (outer - inner) > 0.
  const double turn = exact_predicates::Orient(s, start->neigh[row.third].vert, start->neigh[row.fourth].vert, r);
  const bool normalAlongRS = turn > 0.0;
  const bool outerIsS = !rOuter;
  if (normalAlongRS != outerIsS)
    std::reverse(m_face.begin(), m_face.end());
  const size_t count = m_face.size();
  surface.AddPolygon(m_face.data(), static_cast<int>(count));
  return true;
}

void crust_builder::EmitVertex(simplex* s, crust_mesh& surface)
{
  if (s->status != 3) {
    s->status = 3;
    s->pole_index = surface.PointCount();
    const auto& vertex = m_poles.vertices[s->vertex_slot - 1];
    surface.points.insert(surface.points.end(), vertex.begin(), vertex.end());
  }
  m_face.push_back(s->pole_index);
}

void crust_builder::VisitMedial(simplex* s, crust_mesh& medial)
{
  if (s->status == 0 || s->status == -1)
    return;
  bool inner[6];
  for (int e = 0; e < 6; ++e) {
    inner[e] = s->edge_status[e] != 1 && m_poles.records[PoleOf(s, kEdgeTable[e].end0)].label == kInner &&
               m_poles.records[PoleOf(s, kEdgeTable[e].end1)].label == kInner;
    if (inner[e])
      s->edge_status[e] = 13;
  }
  static const int kEdges[4][3] = {{0, 1, 3}, {1, 2, 5}, {0, 2, 4}, {3, 4, 5}};
  static const int kPositions[4][3] = {{0, 2, 1}, {0, 3, 2}, {0, 3, 1}, {1, 3, 2}};
  for (int t = 0; t < 4; ++t) {
    if (!inner[kEdges[t][0]] || !inner[kEdges[t][1]] || !inner[kEdges[t][2]])
      continue;
    int triangle[3];
    for (int k = 0; k < 3; ++k)
      triangle[k] = PoleOf(s, kPositions[t][k]);
    medial.AddPolygon(triangle, 3);
  }
}
