#include "pole_finder.h"

#include "exact_predicates.h"
#include "hull_engine.h"
#include "input_box.h"
#include "pole_tables.h"
#include "run_progress.h"
#include "site_store.h"

#include <cmath>

namespace
{

double Distance2(const double* a, const double* b)
{
  const double dx = a[0] - b[0], dy = a[1] - b[1], dz = a[2] - b[2];
  return dx * dx + dy * dy + dz * dz;
}

void Unscale(const double* site, double scale, double* out)
{
  for (int k = 0; k < 3; ++k)
    out[k] = site[k] / scale;
}

void Cross(const double* u, const double* v, double* out)
{
  out[0] = u[1] * v[2] - u[2] * v[1];
  out[1] = u[2] * v[0] - u[0] * v[2];
  out[2] = u[0] * v[1] - u[1] * v[0];
}

} // namespace

pole_finder::pole_finder(hull_engine& hull, const site_store& sites, const input_box& box, double scale,
                         double sampleDensity, pole_tables& poles, std::ostream* log, run_progress* progress)
    : m_hull(hull), m_sites(sites), m_box(box), m_scale(scale), m_density(sampleDensity), m_poles(poles), m_log(log),
      m_progress(progress)
{
}

void pole_finder::Run(simplex* root, int sampleCount)
{
  const int siteCount = m_sites.Count();
  m_first.assign(siteCount, nullptr);
  m_second.assign(siteCount, nullptr);
  m_lfs.assign(siteCount, 0.0);
  m_poles.records.reserve(static_cast<size_t>(2) * siteCount);
  m_vertices.reserve(m_hull.Counters().simplices);
  Log("Computing Voronoi vertices and 1st poles....\n");
  m_hull.VisitFacets(root,
                     [this](simplex* s)
                     {
                       progress_step(m_progress);
                       VisitFirstPoles(s);
                     });
  Log("\n\n\ncomputing 2nd poles....\n");
  m_hull.VisitFacets(root,
                     [this](simplex* s)
                     {
                       progress_step(m_progress);
                       VisitSecondPoles(s);
                     });

  for (int j = 0; j < sampleCount; ++j)
  {
    progress_step(m_progress);
    simplex* first = m_first[j];
    simplex* second = m_second[j];
    double sample[3];
    Unscale(m_sites.Site(j), m_scale, sample);
    if (first && first->status != 3)
      OutputPole(first, sample, j);
    if (second && second->status != 3)
    {
      if (Distance2(sample, Vertex(second)) < m_lfs[j] * m_lfs[j])
      {
        ++m_badPoles;
        continue;
      }
      OutputPole(second, sample, j);
    }
    if (first && second && first->status == 3 && second->status == 3)
    {
      const double* p1 = Vertex(first);
      const double* p2 = Vertex(second);
      double u[3], v[3];
      for (int k = 0; k < 3; ++k)
      {
        u[k] = p1[k] - sample[k];
        v[k] = p2[k] - sample[k];
      }
      const double cosine = (u[0] * v[0] + u[1] * v[1] + u[2] * v[2]) /
                            (std::sqrt(Distance2(p1, sample)) * std::sqrt(Distance2(p2, sample)));
      m_poles.AddOpposite(first->pole_index, second->pole_index, cosine);
      m_poles.AddOpposite(second->pole_index, first->pole_index, cosine);
    }
  }
  if (m_log)
    *m_log << "bad poles=" << m_badPoles << "\n";
}

const double* pole_finder::Vertex(const simplex* s) const { return m_vertices[s->vertex_slot - 1].data(); }

void pole_finder::SetCircumcentre(simplex* s)
{
  double p[4][3];
  for (int i = 0; i < 4; ++i)
    Unscale(s->neigh[i].vert, m_scale, p[i]);
  const double det = exact_predicates::Orient(p[1], p[2], p[3], p[0]);
  if (det == 0.0)
  {
    s->status = -1;
    return;
  }
  double u[3], v[3], w[3];
  for (int k = 0; k < 3; ++k)
  {
    u[k] = p[1][k] - p[0][k];
    v[k] = p[2][k] - p[0][k];
    w[k] = p[3][k] - p[0][k];
  }
  double vw[3], wu[3], uv[3];
  Cross(v, w, vw);
  Cross(w, u, wu);
  Cross(u, v, uv);
  const double lu = u[0] * u[0] + u[1] * u[1] + u[2] * u[2];
  const double lv = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
  const double lw = w[0] * w[0] + w[1] * w[1] + w[2] * w[2];
  std::array<double, 3> centre;
  for (int k = 0; k < 3; ++k)
    centre[k] = p[0][k] + (lu * vw[k] + lv * wu[k] + lw * uv[k]) / (2.0 * det);
  m_vertices.push_back(centre);
  s->vertex_slot = static_cast<int>(m_vertices.size());
  s->status = 1;
}

void pole_finder::VisitFirstPoles(simplex* s)
{
  bool infinite = false;
  for (int i = 0; i < 4; ++i)
    infinite = infinite || m_hull.IsInfinity(s->neigh[i].vert);
  if (infinite)
    s->status = 0;
  else
    SetCircumcentre(s);
  for (int i = 0; i < 4; ++i)
  {
    const double* v = s->neigh[i].vert;
    if (m_hull.IsInfinity(v))
      continue;
    const int index = m_hull.SiteIndex(v);
    simplex*& first = m_first[index];
    if (!m_box.Contains(v))
    {
      first = nullptr;
    }
    else if (!first)
    {
      if (s->status == 1)
        first = s;
    }
    else if (s->status == 1 && first->status == 1)
    {
      double sample[3];
      Unscale(v, m_scale, sample);
      if (Distance2(Vertex(s), sample) > Distance2(Vertex(first), sample))
        first = s;
    }
  }
}

void pole_finder::VisitSecondPoles(simplex* s)
{
  bool infinite = false;
  for (int i = 0; i < 4; ++i)
    infinite = infinite || m_hull.IsInfinity(s->neigh[i].vert);
  const double threshold = std::cos(2.0 * m_density);
  for (int i = 0; i < 4; ++i)
  {
    const double* v = s->neigh[i].vert;
    const int index = m_hull.SiteIndex(v);
    if (index < 0)
      continue;
    if (infinite)
    {
      if (s->status == 0)
        continue;
      Log("cannot happen7\n");
    }
    simplex* first = m_first[index];
    if (!first)
      continue;
    if (!HasVertex(first))
    {
      Log("cannot happen8\n");
      continue;
    }
    if (!HasVertex(s))
    {
      if (s->status != -1)
        Log("cannot happen3\n");
      continue;
    }
    if (s->status != 1 || first->status != 1)
      continue;
    double sample[3];
    Unscale(v, m_scale, sample);
    const double* p1 = Vertex(first);
    const double* p2 = Vertex(s);
    const double d1 = std::sqrt(Distance2(p1, sample));
    const double d2 = std::sqrt(Distance2(p2, sample));
    double t = 0.0;
    for (int k = 0; k < 3; ++k)
      t += ((p1[k] - sample[k]) / d1) * ((p2[k] - sample[k]) / d2);
    if (m_density >= 1.0)
    {
      m_lfs[index] = 0.0;
    }
    else if (-threshold < t && t < threshold)
    {
      const double candidate = (d2 / m_density) * (std::sqrt(1.0 - t * t) - m_density);
      if (candidate > m_lfs[index])
        m_lfs[index] = candidate;
    }
    if (t <= 0.0)
    {
      simplex*& second = m_second[index];
      if (!second)
      {
        second = s;
      }
      else if (!HasVertex(second))
      {
        Log("cannot happen4\n");
      }
      else if (second->status == 1 && Distance2(p2, sample) > Distance2(Vertex(second), sample))
      {
        second = s;
      }
    }
  }
}

void pole_finder::OutputPole(simplex* facet, const double* sample, int sampleIndex)
{
  const double* p = Vertex(facet);
  facet->status = 3;
  facet->pole_index = m_poles.Count();
  const double weight = (p[0] * p[0] + p[1] * p[1] + p[2] * p[2]) - Distance2(p, sample);
  for (int k = 0; k < 3; ++k)
    m_poles.points.push_back(static_cast<float>(p[k]));
  m_poles.weights.push_back(static_cast<float>(weight));
  m_poles.samples.push_back(sampleIndex);
  m_poles.records.emplace_back();
}

void pole_finder::Log(const char* text) const
{
  if (m_log)
    *m_log << text;
}
