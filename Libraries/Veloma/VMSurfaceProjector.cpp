#include "VMSurfaceProjector.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

VMSurfaceProjector::VMSurfaceProjector(const ON_NurbsSurface& surface) : m_surface(surface)
{
  for (int dir = 0; dir < 2; dir++)
  {
    const int order = surface.Order(dir);
    for (int i = 0; i <= surface.CVCount(dir) - order; i++)
      if (surface.Knot(dir, i + order - 2) < surface.Knot(dir, i + order - 1))
        m_spans[dir].push_back(i);
  }
  BuildPyramid();
}

// Box of the span's control vertices, or for order 3 x 3 the tighter box of its Bezier net: a
// grid point is then a corner only of the span around its own parameters.
VMSurfaceProjector::Box VMSurfaceProjector::SpanBox(int span0, int span1) const
{
  const int i = m_spans[0][span0], j = m_spans[1][span1];
  const bool bezier = m_surface.Order(0) == 3 && m_surface.Order(1) == 3;
  double weights[2][3][3] = {};
  for (int dir = 0; dir < 2; dir++)
  {
    const int first = dir ? j : i;
    for (int a = 0; a < 3; a++)
      weights[dir][a][a] = 1.0;
    if (!bezier)
      continue;
    const double k0 = m_surface.Knot(dir, first), k1 = m_surface.Knot(dir, first + 1);
    const double k2 = m_surface.Knot(dir, first + 2), k3 = m_surface.Knot(dir, first + 3);
    const double alpha = (k2 - k1) / (k2 - k0), beta = (k3 - k2) / (k3 - k1);
    weights[dir][0][0] = alpha;
    weights[dir][0][1] = 1.0 - alpha;
    weights[dir][2][1] = beta;
    weights[dir][2][2] = 1.0 - beta;
    weights[dir][2][0] = weights[dir][0][2] = 0.0;
  }
  ON_4dPoint cv[3][3];
  const int count0 = bezier ? 3 : m_surface.Order(0), count1 = bezier ? 3 : m_surface.Order(1);
  Box box;
  bool first = true;
  auto grow = [&](const ON_4dPoint& h)
  {
    if (!(h.w > 0.0))
      return;
    const double point[3] = {h.x / h.w, h.y / h.w, h.z / h.w};
    for (int k = 0; k < 3; k++)
    {
      box.lo[k] = first ? point[k] : std::min(box.lo[k], point[k]);
      box.hi[k] = first ? point[k] : std::max(box.hi[k], point[k]);
    }
    first = false;
  };
  if (!bezier)
  {
    for (int a = 0; a < count0; a++)
      for (int b = 0; b < count1; b++)
      {
        ON_4dPoint h;
        if (m_surface.GetCV(i + a, j + b, h))
          grow(h);
      }
    return box;
  }
  for (int p = 0; p < 3; p++)
    for (int q = 0; q < 3; q++)
      m_surface.GetCV(i + p, j + q, cv[p][q]);
  for (int a = 0; a < 3; a++)
  {
    ON_4dPoint row[3]; // Bezier point a along s, for each control vertex along t
    for (int q = 0; q < 3; q++)
    {
      row[q] = ON_4dPoint(0.0, 0.0, 0.0, 0.0);
      for (int p = 0; p < 3; p++)
      {
        const double w = weights[0][a][p];
        row[q].x += w * cv[p][q].x;
        row[q].y += w * cv[p][q].y;
        row[q].z += w * cv[p][q].z;
        row[q].w += w * cv[p][q].w;
      }
    }
    for (int b = 0; b < 3; b++)
    {
      ON_4dPoint h(0.0, 0.0, 0.0, 0.0);
      for (int q = 0; q < 3; q++)
      {
        const double w = weights[1][b][q];
        h.x += w * row[q].x;
        h.y += w * row[q].y;
        h.z += w * row[q].z;
        h.w += w * row[q].w;
      }
      grow(h);
    }
  }
  return box;
}

void VMSurfaceProjector::BuildPyramid()
{
  int width = static_cast<int>(m_spans[0].size()), height = static_cast<int>(m_spans[1].size());
  if (width == 0 || height == 0)
    return;
  std::vector<Box> level(static_cast<size_t>(width) * height);
  for (int j = 0; j < height; j++)
    for (int i = 0; i < width; i++)
      level[static_cast<size_t>(j) * width + i] = SpanBox(i, j);
  for (;;)
  {
    m_width.push_back(width);
    m_height.push_back(height);
    m_levels.push_back(std::move(level));
    if (width == 1 && height == 1)
      break;
    const std::vector<Box>& below = m_levels.back();
    const int w = (width + 1) / 2, h = (height + 1) / 2;
    level.assign(static_cast<size_t>(w) * h, Box());
    for (int j = 0; j < h; j++)
      for (int i = 0; i < w; i++)
      {
        Box& box = level[static_cast<size_t>(j) * w + i];
        bool first = true;
        for (int cj = 2 * j; cj < std::min(2 * j + 2, height); cj++)
          for (int ci = 2 * i; ci < std::min(2 * i + 2, width); ci++)
          {
            const Box& child = below[static_cast<size_t>(cj) * width + ci];
            for (int k = 0; k < 3; k++)
            {
              box.lo[k] = first ? child.lo[k] : std::min(box.lo[k], child.lo[k]);
              box.hi[k] = first ? child.hi[k] : std::max(box.hi[k], child.hi[k]);
            }
            first = false;
          }
      }
    width = w;
    height = h;
  }
}

int VMSurfaceProjector::SpanOf(int dir, double parameter) const
{
  const int order = m_surface.Order(dir);
  const int knot_index = ON_NurbsSpanIndex(order, m_surface.CVCount(dir), m_surface.m_knot[dir], parameter, 0);
  if (m_spans[dir].back() == static_cast<int>(m_spans[dir].size()) - 1)
    return knot_index; // no empty spans: span and knot indexes agree
  const auto at = std::lower_bound(m_spans[dir].begin(), m_spans[dir].end(), knot_index);
  return static_cast<int>(std::min<ptrdiff_t>(at - m_spans[dir].begin(), m_spans[dir].size() - 1));
}

ON_Interval VMSurfaceProjector::SpanDomain(int dir, int span) const
{
  const int first = m_spans[dir][span] + m_surface.Order(dir) - 2;
  return ON_Interval(m_surface.Knot(dir, first), m_surface.Knot(dir, first + 1));
}

// Local search inside one span. Thorough: from each sample of a 5 x 5 grid that is nearer than
// its neighbours (a curved span can hold more than one minimum); otherwise from the best point
// moved into the span, which for a span next to it mostly stops at once on their common edge.
bool VMSurfaceProjector::SearchSpan(const ON_3dPoint& P, int span0, int span1, bool thorough, Candidate& best) const
{
  const ON_Interval sd = SpanDomain(0, span0), td = SpanDomain(1, span1);
  std::pair<double, double> starts[25];
  int count = 0;
  if (thorough)
  {
    const int n = 4;
    double d[n + 1][n + 1];
    for (int a = 0; a <= n; a++)
      for (int b = 0; b <= n; b++)
        d[a][b] = m_surface.PointAt(sd.ParameterAt(a / double(n)), td.ParameterAt(b / double(n))).DistanceToSquared(P);
    for (int a = 0; a <= n; a++)
      for (int b = 0; b <= n; b++)
        if ((a == 0 || d[a][b] <= d[a - 1][b]) && (a == n || d[a][b] <= d[a + 1][b]) &&
            (b == 0 || d[a][b] <= d[a][b - 1]) && (b == n || d[a][b] <= d[a][b + 1]))
          starts[count++] = {sd.ParameterAt(a / double(n)), td.ParameterAt(b / double(n))};
  }
  else
    starts[count++] = {std::clamp(best.s, sd.Min(), sd.Max()), std::clamp(best.t, td.Min(), td.Max())};
  bool improved = false;
  for (int n = 0; n < count; n++)
  {
    const std::pair<double, double>& start = starts[n];
    double s, t;
    if (!m_surface.GetLocalClosestPoint(P, start.first, start.second, &s, &t, &sd, &td))
      continue;
    const double d = m_surface.PointAt(s, t).DistanceToSquared(P);
    if (d < best.distance_squared)
    {
      best = {s, t, d, span0, span1};
      improved = true;
    }
  }
  return improved;
}

bool VMSurfaceProjector::ClosestPoint(const ON_3dPoint& P, double s0, double t0, double& s, double& t) const
{
  if (m_levels.empty() || !m_surface.GetLocalClosestPoint(P, s0, t0, &s, &t))
    return false;
  Candidate best = {s, t, m_surface.PointAt(s, t).DistanceToSquared(P), SpanOf(0, s), SpanOf(1, t)};
  // A search that ended on the edge of the domain may have been stopped there short of a minimum.
  const ON_Interval sd = m_surface.Domain(0), td = m_surface.Domain(1);
  const bool edge = s == sd.Min() || s == sd.Max() || t == td.Min() || t == td.Max();
  const int first0 = best.span0, first1 = best.span1;
  // Depth first, nearer child first; a node is dropped once the best is no farther than its box.
  struct Node
  {
    double distance_squared;
    int level, i, j;
  };
  // At most three siblings wait on each level above the node being visited.
  Node stack[4 * 64];
  int depth = 0;
  const int top = static_cast<int>(m_levels.size()) - 1;
  stack[depth++] = {DistanceSquared(P, m_levels[top][0]), top, 0, 0};
  while (depth > 0)
  {
    const Node node = stack[--depth];
    if (node.distance_squared >= best.distance_squared)
      continue;
    if (node.level == 0)
    {
      // Inside the domain the first search has settled in its own span already.
      const bool near = std::abs(node.i - first0) <= 1 && std::abs(node.j - first1) <= 1;
      if (edge || node.i != first0 || node.j != first1)
        SearchSpan(P, node.i, node.j, edge || !near, best);
      continue;
    }
    const int below = node.level - 1, width = m_width[below], height = m_height[below];
    Node children[4];
    int count = 0;
    for (int cj = 2 * node.j; cj < std::min(2 * node.j + 2, height); cj++)
      for (int ci = 2 * node.i; ci < std::min(2 * node.i + 2, width); ci++)
      {
        const double d = DistanceSquared(P, m_levels[below][static_cast<size_t>(cj) * width + ci]);
        if (d < best.distance_squared)
          children[count++] = {d, below, ci, cj};
      }
    // Farthest first onto the stack, so that the nearest is taken next.
    for (int a = 1; a < count; a++)
      for (int b = a; b > 0 && children[b - 1].distance_squared < children[b].distance_squared; b--)
        std::swap(children[b - 1], children[b]);
    for (int a = 0; a < count; a++)
      stack[depth++] = children[a];
  }
  s = best.s;
  t = best.t;
  return true;
}
