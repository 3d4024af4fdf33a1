#include "opennurbs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <vector>

namespace
{

bool IsJoinable(const ON_Curve* curve)
{
  if (ON_LineCurve::Cast(curve))
    return true;
  if (const ON_PolylineCurve* polyline = ON_PolylineCurve::Cast(curve))
    return polyline->PointCount() >= 2;
  if (const ON_NurbsCurve* nurbs = ON_NurbsCurve::Cast(curve))
    return nurbs->IsClamped(2);
  if (const ON_PolyCurve* poly = ON_PolyCurve::Cast(curve))
  {
    if (poly->Count() < 1)
      return false;
    for (int i = 0; i < poly->Count(); i++)
    {
      if (!IsJoinable(poly->SegmentCurve(i)))
        return false;
    }
    return true;
  }
  return false;
}

// A copy of a line, polyline or NURBS curve running the other way.
ON_Curve* ReversedCopy(const ON_Curve* curve)
{
  if (const ON_LineCurve* line = ON_LineCurve::Cast(curve))
  {
    ON_LineCurve* copy = new ON_LineCurve(*line);
    copy->m_line.Reverse();
    copy->m_t.Reverse();
    return copy;
  }
  if (const ON_PolylineCurve* polyline = ON_PolylineCurve::Cast(curve))
  {
    ON_PolylineCurve* copy = new ON_PolylineCurve(*polyline);
    copy->m_pline.Reverse();
    copy->m_t.Reverse();
    for (int i = 0; i < copy->m_t.Count(); i++)
      copy->m_t[i] = -copy->m_t[i];
    return copy;
  }
  ON_NurbsCurve* copy = new ON_NurbsCurve(*ON_NurbsCurve::Cast(curve));
  copy->Reverse();
  return copy;
}

// The segments of a member, poly curves flattened, in the member's direction in the chain.
void AppendSegments(const ON_Curve* curve, bool reversed, std::vector<ON_Curve*>& segments)
{
  if (const ON_PolyCurve* poly = ON_PolyCurve::Cast(curve))
  {
    for (int i = 0; i < poly->Count(); i++)
      AppendSegments(poly->SegmentCurve(reversed ? poly->Count() - 1 - i : i), reversed, segments);
    return;
  }
  segments.push_back(reversed ? ReversedCopy(curve) : static_cast<ON_Curve*>(curve->Duplicate()));
}

// Moves the start (end 0) or the end (end 1) of a line, polyline or clamped NURBS curve.
bool MoveEnd(ON_Curve* curve, int end, const ON_3dPoint& point)
{
  if (ON_LineCurve* line = ON_LineCurve::Cast(curve))
  {
    (end ? line->m_line.to : line->m_line.from) = point;
    return true;
  }
  if (ON_PolylineCurve* polyline = ON_PolylineCurve::Cast(curve))
  {
    if (polyline->PointCount() < 1)
      return false;
    polyline->m_pline[end ? polyline->PointCount() - 1 : 0] = point;
    return true;
  }
  if (ON_NurbsCurve* nurbs = ON_NurbsCurve::Cast(curve))
  {
    if (!nurbs->IsClamped(end))
      return false;
    const int cv = end ? nurbs->CVCount() - 1 : 0;
    if (!nurbs->IsRational())
      return nurbs->SetCV(cv, point);
    const double w = nurbs->Weight(cv);
    return nurbs->SetCV(cv, ON_4dPoint(point.x * w, point.y * w, point.z * w, w));
  }
  return false;
}

// The toolkit's ON_Curve::IsClosable with its default sizes (0 absolute, 10 relative).
bool IsClosable(const ON_Curve& curve, double tolerance)
{
  if (curve.IsClosed())
    return true;
  if (curve.Degree() + curve.SpanCount() < 4)
    return false;
  const ON_Interval domain = curve.Domain();
  const ON_3dPoint start = curve.PointAtStart();
  const double gap = start.DistanceTo(curve.PointAtEnd());
  if (!(gap <= tolerance))
    return false;
  bool leaves = false;
  double length = 0.0;
  ON_3dPoint previous = start;
  for (double s : {0.2, 0.4, 0.6, 0.8, 1.0})
  {
    const ON_3dPoint p = curve.PointAt(domain.ParameterAt(s));
    if (p.DistanceTo(start) > 0.0)
      leaves = true;
    length += p.DistanceTo(previous);
    previous = p;
  }
  return leaves && length >= 10.0 * gap;
}

// Sets the end of a curve from the joining to its start, where the curve can be changed.
void CloseEnd(ON_Curve* curve)
{
  if (ON_PolyCurve* poly = ON_PolyCurve::Cast(curve))
  {
    const ON_3dPoint start = poly->PointAtStart();
    MoveEnd(const_cast<ON_Curve*>(poly->SegmentCurve(poly->Count() - 1)), 1, start);
    return;
  }
  MoveEnd(curve, 1, curve->PointAtStart());
}

struct Candidate
{
  double distance;
  int end_a; // 2 * working index + (0 start, 1 end); end_a < end_b
  int end_b;

  bool operator<(const Candidate& o) const
  {
    if (distance != o.distance)
      return distance < o.distance;
    if (end_a != o.end_a)
      return end_a < o.end_a;
    return end_b < o.end_b;
  }
};

// Pairs of ends of different curves within the tolerance, found through a grid of cells of the
// tolerance's size (exact locations for a tolerance of 0).
std::vector<Candidate> FindCandidates(const std::vector<ON_3dPoint>& ends, double tolerance, bool preserve_direction)
{
  using Cell = std::array<double, 3>;
  const bool exact = !(tolerance > 0.0);
  auto cell_of = [&](const ON_3dPoint& p)
  {
    if (exact)
      return Cell{p.x, p.y, p.z};
    return Cell{std::floor(p.x / tolerance), std::floor(p.y / tolerance), std::floor(p.z / tolerance)};
  };
  std::vector<std::pair<Cell, int>> cells;
  cells.reserve(ends.size());
  for (size_t i = 0; i < ends.size(); i++)
  {
    const ON_3dPoint& p = ends[i];
    if (std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z))
      cells.emplace_back(cell_of(p), static_cast<int>(i));
  }
  std::sort(cells.begin(), cells.end());

  std::vector<Candidate> candidates;
  const int reach = exact ? 0 : 1;
  for (const auto& [cell, a] : cells)
  {
    for (int dx = -reach; dx <= reach; dx++)
      for (int dy = -reach; dy <= reach; dy++)
        for (int dz = -reach; dz <= reach; dz++)
        {
          const Cell near{cell[0] + dx, cell[1] + dy, cell[2] + dz};
          auto range = std::equal_range(cells.begin(), cells.end(), std::make_pair(near, -1),
                                        [](const auto& x, const auto& y) { return x.first < y.first; });
          for (auto it = range.first; it != range.second; ++it)
          {
            const int b = it->second;
            if (b <= a || a / 2 == b / 2)
              continue;
            if (preserve_direction && (a % 2) == (b % 2))
              continue; // start to start or end to end would reverse a curve
            const double distance = ends[a].DistanceTo(ends[b]);
            if (distance <= tolerance)
              candidates.push_back({distance, a, b});
          }
        }
  }
  std::sort(candidates.begin(), candidates.end());
  return candidates;
}

struct Chain
{
  int order;  // when it was started
  int anchor; // working index of the first member joined, which keeps its direction at first
};

int FindRoot(std::vector<int>& parent, int i)
{
  while (parent[i] != i)
  {
    parent[i] = parent[parent[i]];
    i = parent[i];
  }
  return i;
}

// The members of a chain from the anchor's links: working index and reversal, in order.
std::vector<std::pair<int, bool>> WalkChain(int anchor, const std::vector<int>& link, bool& closed)
{
  std::vector<std::pair<int, bool>> forward, backward;
  closed = false;
  // From the anchor's end onwards: entering a member at its start keeps its direction.
  int end = 2 * anchor + 1;
  while (link[end] >= 0)
  {
    const int next = link[end];
    const int member = next / 2;
    if (member == anchor)
    {
      closed = true;
      break;
    }
    const bool reversed = next % 2 == 1;
    forward.emplace_back(member, reversed);
    end = 2 * member + (reversed ? 0 : 1);
  }
  if (!closed)
  {
    end = 2 * anchor;
    while (link[end] >= 0)
    {
      const int next = link[end];
      const int member = next / 2;
      const bool reversed = next % 2 == 0;
      backward.emplace_back(member, reversed);
      end = 2 * member + (reversed ? 1 : 0);
    }
  }
  std::vector<std::pair<int, bool>> members(backward.rbegin(), backward.rend());
  members.emplace_back(anchor, false);
  members.insert(members.end(), forward.begin(), forward.end());
  return members;
}

// The poly curve of a chain, adjacent ends moved to their midpoints.
ON_PolyCurve* BuildChain(std::vector<std::pair<int, bool>> members, bool closed, bool preserve_direction,
                         const std::vector<const ON_Curve*>& open, double tolerance)
{
  const size_t reversed =
      static_cast<size_t>(std::count_if(members.begin(), members.end(), [](const auto& m) { return m.second; }));
  if (!preserve_direction && 2 * reversed > members.size())
  {
    std::reverse(members.begin(), members.end());
    for (auto& m : members)
      m.second = !m.second;
  }
  if (closed)
  {
    const auto first = std::min_element(members.begin(), members.end(),
                                        [](const auto& x, const auto& y) { return x.first < y.first; });
    std::rotate(members.begin(), first, members.end());
  }

  std::vector<ON_Curve*> segments;
  std::vector<size_t> first_segment;
  for (const auto& [member, reverse] : members)
  {
    first_segment.push_back(segments.size());
    AppendSegments(open[member], reverse, segments);
  }
  const size_t joints = closed ? members.size() : members.size() - 1;
  for (size_t k = 0; k < joints; k++)
  {
    const size_t next = (k + 1) % members.size();
    ON_Curve* before = segments[first_segment[next] == 0 ? segments.size() - 1 : first_segment[next] - 1];
    ON_Curve* after = segments[first_segment[next]];
    const ON_3dPoint P = before->PointAtEnd(), Q = after->PointAtStart();
    if (P == Q)
      continue;
    const ON_3dPoint M = 0.5 * (P + Q);
    MoveEnd(before, 1, M);
    MoveEnd(after, 0, M);
  }
  ON_PolyCurve* poly = new ON_PolyCurve();
  for (ON_Curve* segment : segments)
    poly->Append(segment);
  if (!closed && IsClosable(*poly, tolerance))
    CloseEnd(poly);
  return poly;
}

} // namespace

int ON_JoinCurves(const ON_SimpleArray<const ON_Curve*>& InCurves, ON_SimpleArray<ON_Curve*>& OutCurves,
                  double join_tol, bool bPreserveDirection, ON_SimpleArray<int>* key)
{
  int dimension = 0;
  int count = 0;
  for (int i = 0; i < InCurves.Count(); i++)
  {
    if (!InCurves[i])
      continue;
    if (count++ == 0)
      dimension = InCurves[i]->Dimension();
    else if (InCurves[i]->Dimension() != dimension)
      return 0;
  }
  if (count == 0)
    return 0;
  const int key_base = key ? key->Count() : 0;
  if (key)
  {
    for (int i = 0; i < InCurves.Count(); i++)
      key->Append(-1);
  }
  const int out_base = OutCurves.Count();

  // Closed curves first; the open ones become the working list.
  std::vector<const ON_Curve*> open;
  std::vector<int> open_input;
  for (int i = 0; i < InCurves.Count(); i++)
  {
    const ON_Curve* curve = InCurves[i];
    if (!curve)
      continue;
    if (curve->IsClosed())
    {
      if (key)
        (*key)[key_base + i] = OutCurves.Count();
      OutCurves.Append(static_cast<ON_Curve*>(curve->Duplicate()));
    }
    else
    {
      open.push_back(curve);
      open_input.push_back(i);
    }
  }

  // Curves the core cannot join keep NaN ends, which match nothing.
  const int n = static_cast<int>(open.size());
  std::vector<ON_3dPoint> ends(2 * static_cast<size_t>(n), ON_3dPoint(NAN, NAN, NAN));
  for (int k = 0; k < n; k++)
  {
    if (!IsJoinable(open[k]))
      continue;
    ends[2 * k] = open[k]->PointAtStart();
    ends[2 * k + 1] = open[k]->PointAtEnd();
  }

  // Greedy chaining: a pair is taken when both its ends are free.
  std::vector<int> link(2 * static_cast<size_t>(n), -1);
  std::vector<int> parent(n);
  std::iota(parent.begin(), parent.end(), 0);
  std::vector<Chain> chain(n, Chain{-1, -1});
  int started = 0;
  for (const Candidate& c : FindCandidates(ends, join_tol, bPreserveDirection))
  {
    if (link[c.end_a] >= 0 || link[c.end_b] >= 0)
      continue;
    link[c.end_a] = c.end_b;
    link[c.end_b] = c.end_a;
    const int ra = FindRoot(parent, c.end_a / 2), rb = FindRoot(parent, c.end_b / 2);
    if (ra == rb)
      continue; // closes the chain
    Chain joined;
    if (chain[ra].order < 0 && chain[rb].order < 0)
      joined = Chain{started++, c.end_a / 2};
    else if (chain[ra].order < 0)
      joined = chain[rb];
    else if (chain[rb].order < 0)
      joined = chain[ra];
    else
      joined = chain[ra].order < chain[rb].order ? chain[ra] : chain[rb];
    parent[rb] = ra;
    chain[ra] = joined;
  }

  std::vector<ON_Curve*> joined(started, nullptr);
  std::vector<bool> in_chain(n, false);
  for (int k = 0; k < n; k++)
  {
    if (FindRoot(parent, k) != k || chain[k].order < 0)
      continue;
    bool closed = false;
    const std::vector<std::pair<int, bool>> members = WalkChain(chain[k].anchor, link, closed);
    for (const auto& m : members)
      in_chain[m.first] = true;
    joined[chain[k].order] = BuildChain(members, closed, bPreserveDirection, open, join_tol);
  }
  // Chains merged into an earlier one leave their numbers unused.
  std::vector<int> out_index(started, -1);
  for (int order = 0; order < started; order++)
  {
    if (!joined[order])
      continue;
    out_index[order] = OutCurves.Count();
    OutCurves.Append(joined[order]);
  }
  if (key)
  {
    for (int k = 0; k < n; k++)
    {
      if (in_chain[k])
        (*key)[key_base + open_input[k]] = out_index[chain[FindRoot(parent, k)].order];
    }
  }
  for (int k = 0; k < n; k++)
  {
    if (in_chain[k])
      continue;
    if (key)
      (*key)[key_base + open_input[k]] = OutCurves.Count();
    OutCurves.Append(static_cast<ON_Curve*>(open[k]->Duplicate()));
  }

  // Open results whose ends meet within the tolerance are closed.
  for (int i = out_base; i < OutCurves.Count(); i++)
  {
    ON_Curve* curve = OutCurves[i];
    if (!curve->IsClosed() && IsJoinable(curve) && IsClosable(*curve, join_tol))
      CloseEnd(curve);
  }
  return OutCurves.Count() - out_base;
}
