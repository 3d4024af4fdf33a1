// Shape queries of ON_NurbsCurve (linear, polyline, arc, planar, closed) and knot insertion and
// trimming.

#include "opennurbs.h"
#include "opennurbs_curve_polyline.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
// Plane containing a line, as the toolkit's ON_Line::InPlane chooses it: origin at the start, the
// axes from the world axes when the direction lies in a coordinate plane.
bool LinePlane(const ON_3dPoint& from, const ON_3dPoint& to, ON_Plane& plane)
{
  const ON_3dVector d = to - from;
  const double tiny = ON_ZERO_TOLERANCE;
  ON_3dVector x, y;
  if (std::fabs(d.z) <= tiny * d.Length())
  {
    x = ON_3dVector(1, 0, 0);
    y = ON_3dVector(0, 1, 0);
  }
  else if (std::fabs(d.x) <= tiny * d.Length())
  {
    x = ON_3dVector(0, 1, 0);
    y = ON_3dVector(0, 0, 1);
  }
  else if (std::fabs(d.y) <= tiny * d.Length())
  {
    x = ON_3dVector(0, 0, 1);
    y = ON_3dVector(1, 0, 0);
  }
  else
  {
    x = d;
    x.Unitize();
    y.PerpendicularTo(x);
    y.Unitize();
  }
  return plane.CreateFromFrame(from, x, y);
}

// Full knot vector (the toolkit layout plus one copy of each end knot) and back.
std::vector<double> FullKnots(const ON_NurbsCurve& c)
{
  const int count = c.KnotCount();
  std::vector<double> full(static_cast<size_t>(count) + 2);
  full[0] = c.m_knot[0];
  std::copy(c.m_knot, c.m_knot + count, full.begin() + 1);
  full[static_cast<size_t>(count) + 1] = c.m_knot[count - 1];
  return full;
}
} // namespace

int ON_NurbsCurve::Degree() const { return m_order >= 2 ? m_order - 1 : 0; }

int ON_NurbsCurve::SpanCount() const
{
  if (!m_knot || m_order < 2 || m_cv_count < m_order)
    return 0;
  int count = 0;
  for (int i = m_order - 2; i < m_cv_count - 1; i++)
    if (m_knot[i] < m_knot[i + 1])
      count++;
  return count;
}

bool ON_NurbsCurve::GetSpanVector(double* span_vector) const
{
  if (!span_vector || !m_knot || m_order < 2 || m_cv_count < m_order)
    return false;
  int n = 0;
  span_vector[n++] = m_knot[m_order - 2];
  for (int i = m_order - 1; i < m_cv_count; i++)
    if (m_knot[i] > m_knot[i - 1])
      span_vector[n++] = m_knot[i];
  return n > 1;
}

bool ON_NurbsCurve::IsClosed() const
{
  if (m_dim <= 0 || m_cv_count < 4)
    return false;
  return ON_Curve::IsClosed();
}

bool ON_NurbsCurve::IsClamped(int end) const
{
  if (!m_knot || m_order < 2 || m_cv_count < m_order)
    return false;
  const int last = KnotCount() - 1;
  const bool start = m_knot[0] == m_knot[m_order - 2];
  const bool finish = m_knot[m_cv_count - 1] == m_knot[last];
  return end == 0 ? start : (end == 1 ? finish : start && finish);
}

// The current toolkit's rule: the v5 snapshots had no coincidence mode for tolerance <= 0.
bool ON_NurbsCurve::IsLinear(double tolerance) const
{
  if (!IsValid() || !IsClamped(2))
    return false;
  ON_3dPoint A, B;
  if (!GetCV(0, A) || !GetCV(m_cv_count - 1, B))
    return false;
  const ON_3dVector D = B - A;
  const double dd = ON_DotProduct(D, D);
  if (!(dd > 0.0) || !std::isfinite(dd))
    return false;
  if (m_cv_count == 2)
    return true;
  const bool coincidence = !(tolerance > 0.0);
  double t0 = 0.0;
  for (int i = 1; i < m_cv_count - 1; i++)
  {
    ON_3dPoint P;
    if (!GetCV(i, P))
      return false;
    // Projection parameter measured from the nearer end.
    const double t = P.DistanceToSquared(A) <= P.DistanceToSquared(B) ? ON_DotProduct(P - A, D) / dd
                                                                      : 1.0 + ON_DotProduct(P - B, D) / dd;
    if (!(t >= -0.01 && t <= 1.01))
      return false;
    const ON_3dPoint foot = A + t * D;
    if (coincidence ? !ON_PointsAreCoincident(P, foot) : !(P.DistanceTo(foot) <= tolerance))
      return false;
    if (t < t0 || t > 1.0)
    {
      // Turning back along the line is allowed only within tolerance.
      const ON_3dPoint back = A + t0 * D;
      if (coincidence ? !ON_PointsAreCoincident(foot, back) : !(foot.DistanceTo(back) <= tolerance))
        return false;
    }
    t0 = std::max(t0, std::min(t, 1.0));
  }
  return true;
}

// Inner control vertices must lie on the span's chord within the current toolkit's relative
// tolerance (the v5 snapshots allowed 1e-5 relative, metres at survey coordinates).
int ON_NurbsCurve::IsPolyline(ON_SimpleArray<ON_3dPoint>* pline_points, ON_SimpleArray<double>* pline_t) const
{
  ON_EmptyPolylineOutputs(pline_points, pline_t);
  if (!IsValid())
    return 0;
  ON_3dPointArray points;
  ON_SimpleArray<double> params;
  if (m_order == 2)
  {
    for (int i = 0; i < m_cv_count; i++)
    {
      ON_3dPoint P;
      if (!GetCV(i, P))
        return 0;
      points.Append(P);
      params.Append(m_knot[i]);
    }
  }
  else
  {
    if (m_dim != 2 && m_dim != 3)
      return 0;
    const int degree = Degree();
    for (int span = 0; span <= m_cv_count - m_order; span++)
    {
      const double a = m_knot[span + degree - 1], b = m_knot[span + degree];
      if (!(a < b))
        continue;
      // A Bezier span: both of its ends are knots of full multiplicity.
      if (m_knot[span] != a || m_knot[span + 2 * degree - 1] != b)
        return 0;
      ON_3dPoint P0, P1;
      if (!GetCV(span, P0) || !GetCV(span + degree, P1))
        return 0;
      const ON_3dVector D = P1 - P0;
      const double dd = ON_DotProduct(D, D);
      if (!(dd > 0.0))
        return 0;
      for (int j = 1; j < degree; j++)
      {
        ON_3dPoint P;
        if (!GetCV(span + j, P) || (m_is_rat && Weight(span + j) != Weight(span)))
          return 0;
        const double t = ON_DotProduct(P - P0, D) / dd;
        if (std::fabs(t * degree - j) > 0.01)
          return 0;
        const ON_3dPoint Q = P0 + t * D;
        for (int k = 0; k < 3; k++)
          if (std::fabs(P[k] - Q[k]) > (std::fabs(P[k]) + std::fabs(Q[k])) * ON_RELATIVE_TOLERANCE + ON_ZERO_TOLERANCE)
            return 0;
      }
      if (m_is_rat && Weight(span + degree) != Weight(span))
        return 0;
      if (points.Count() == 0)
      {
        points.Append(P0);
        params.Append(a);
      }
      points.Append(P1);
      params.Append(b);
    }
  }
  return ON_SetPolylineOutputs(*this, points, params, pline_points, pline_t);
}

bool ON_NurbsCurve::IsArc(const ON_Plane* plane, ON_Arc* arc, double tolerance) const
{
  if ((m_dim != 2 && m_dim != 3) || Degree() < 2 || !m_knot || !m_cv)
    return false;
  if (!(tolerance > ON_ZERO_TOLERANCE))
  {
    // The exact form: rational, with a Bezier span per piece.
    const int degree = Degree(), knot_count = KnotCount();
    if (!m_is_rat || knot_count % degree != 0)
      return false;
    for (int i = 0; i + degree - 1 < knot_count; i += degree)
      if (m_knot[i] != m_knot[i + degree - 1])
        return false;
  }
  return ON_Curve::IsArc(plane, arc, tolerance);
}

bool ON_NurbsCurve::IsPlanar(ON_Plane* plane, double tolerance) const
{
  if (!IsValid())
    return false;
  if (m_dim == 2)
  {
    if (plane)
      *plane = ON_Plane::World_xy;
    return true;
  }
  ON_3dPointArray cv;
  for (int i = 0; i < m_cv_count; i++)
  {
    ON_3dPoint P;
    if (!GetCV(i, P))
      return false;
    cv.Append(P);
  }
  const ON_3dPoint P = cv[0];
  if (IsLinear(tolerance))
  {
    ON_Plane line_plane;
    if (!LinePlane(P, cv[m_cv_count - 1], line_plane))
      return false;
    if (plane)
      *plane = line_plane;
    return true;
  }
  // The widest triangle on the start point among a thinned set of control vertices.
  const int step = std::max(1, m_cv_count / 64);
  double best = 0.0;
  ON_3dVector normal(0, 0, 0);
  for (int i = 1; i < m_cv_count; i += step)
    for (int j = i + 1; j < m_cv_count; j += step)
    {
      const ON_3dVector n = ON_CrossProduct(cv[i] - P, cv[j] - P);
      const double area = n.Length();
      if (area > best)
      {
        best = area;
        normal = n;
      }
    }
  if (!normal.Unitize())
    return false;
  for (int i = 0; i < m_cv_count; i++)
    if (!(std::fabs(ON_DotProduct(cv[i] - P, normal)) <= tolerance))
      return false;
  if (plane)
  {
    // The x axis follows the start tangent.
    ON_3dVector x = TangentAt(Domain()[0]);
    x = x - ON_DotProduct(x, normal) * normal;
    if (!x.Unitize())
    {
      x.PerpendicularTo(normal);
      x.Unitize();
    }
    ON_Plane result;
    if (!result.CreateFromFrame(P, x, ON_CrossProduct(normal, x)))
      return false;
    *plane = result;
  }
  return true;
}

bool ON_NurbsCurve::InsertKnot(double knot_value, int knot_multiplicity)
{
  const int degree = Degree();
  if (!IsValid() || knot_multiplicity < 1 || knot_multiplicity > degree)
    return false;
  const ON_Interval domain = Domain();
  if (!(knot_value >= domain[0] && knot_value <= domain[1]))
    return false;
  std::vector<double> U = FullKnots(*this);
  const int size = CVSize();
  std::vector<double> P(static_cast<size_t>(m_cv_count * size));
  for (int i = 0; i < m_cv_count; i++)
    std::copy(CV(i), CV(i) + size, P.begin() + i * size);
  const int p = degree;
  int existing = 0;
  for (double u : U)
    if (u == knot_value)
      existing++;
  // At a clamped end the knot already has full multiplicity.
  const bool at_end = knot_value == domain[0] || knot_value == domain[1];
  if (at_end)
    existing = std::min(existing, p);
  for (int r = existing; r < knot_multiplicity; r++)
  {
    const int n = static_cast<int>(P.size()) / size; // control vertex count
    // Span k: U[k] <= u < U[k+1] inside the full vector's active range.
    int k = p;
    while (k < n - 1 && U[k + 1] <= knot_value)
      k++;
    std::vector<double> Q(static_cast<size_t>((n + 1) * size));
    for (int i = 0; i <= n; i++)
    {
      double* q = &Q[static_cast<size_t>(i * size)];
      if (i <= k - p)
        std::copy(&P[i * size], &P[i * size] + size, q);
      else if (i >= k + 1)
        std::copy(&P[(i - 1) * size], &P[(i - 1) * size] + size, q);
      else
      {
        const double alpha = (knot_value - U[i]) / (U[i + p] - U[i]);
        for (int c = 0; c < size; c++)
          q[c] = alpha * P[i * size + c] + (1.0 - alpha) * P[(i - 1) * size + c];
      }
    }
    U.insert(U.begin() + k + 1, knot_value);
    P.swap(Q);
  }
  const int n = static_cast<int>(P.size()) / size;
  if (n == m_cv_count)
    return true;
  ON_NurbsCurve result(m_dim, m_is_rat != 0, m_order, n);
  for (int i = 0; i < n; i++)
    std::copy(&P[i * size], &P[i * size] + size, result.CV(i));
  std::copy(U.begin() + 1, U.end() - 1, result.m_knot);
  *this = result;
  return true;
}

bool ON_NurbsCurve::Trim(const ON_Interval& in_domain)
{
  ON_Interval domain = Domain();
  if (!IsValid() || !in_domain.IsIncreasing() || !domain.Intersection(in_domain) || !domain.IsIncreasing())
    return false;
  const int degree = Degree();
  ON_NurbsCurve work(*this);
  if (!work.InsertKnot(domain[0], degree) || !work.InsertKnot(domain[1], degree))
    return false;
  // The new curve starts at the first run of `degree` copies of the start knot.
  const int knot_count = work.KnotCount();
  int ja = -1, jb = -1;
  for (int j = 0; j + degree - 1 < knot_count && ja < 0; j++)
    if (work.m_knot[j] == domain[0] && work.m_knot[j + degree - 1] == domain[0])
      ja = j;
  for (int j = 0; j + degree - 1 < knot_count && jb < 0; j++)
    if (work.m_knot[j] == domain[1] && work.m_knot[j + degree - 1] == domain[1])
      jb = j;
  if (ja < 0 || jb <= ja)
    return false;
  const int cv_count = jb - ja + 1;
  ON_NurbsCurve result(m_dim, m_is_rat != 0, m_order, cv_count);
  if (cv_count < m_order)
    return false;
  for (int i = 0; i < cv_count; i++)
    std::copy(work.CV(ja + i), work.CV(ja + i) + CVSize(), result.CV(i));
  std::copy(work.m_knot + ja, work.m_knot + jb + degree, result.m_knot);
  if (!result.IsValid())
    return false;
  *this = result;
  return true;
}

bool ON_NurbsCurve::Reverse()
{
  if (!m_cv || !m_knot || m_order < 2 || m_cv_count < m_order)
    return false;
  const int size = CVSize();
  for (int i = 0, j = m_cv_count - 1; i < j; i++, j--)
    std::swap_ranges(CV(i), CV(i) + size, CV(j));
  const int count = KnotCount();
  std::reverse(m_knot, m_knot + count);
  for (int i = 0; i < count; i++)
    m_knot[i] = -m_knot[i];
  return true;
}

bool ON_NurbsCurve::SetDomain(double t0, double t1)
{
  const ON_Interval domain = Domain();
  if (!(t0 < t1) || !ON_IsValid(t0) || !ON_IsValid(t1) || !domain.IsIncreasing())
    return false;
  if (domain[0] == t0 && domain[1] == t1)
    return true;
  // Knots at the domain ends land on the new ends exactly.
  const int count = KnotCount();
  for (int i = 0; i < count; i++)
  {
    const double k = m_knot[i];
    m_knot[i] = k == domain[0] ? t0 : (k == domain[1] ? t1 : t0 + (k - domain[0]) * (t1 - t0) / domain.Length());
  }
  return true;
}
