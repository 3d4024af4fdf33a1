#include "opennurbs.h"
#include "opennurbs_curve_polyline.h"

#include <algorithm>
#include <cmath>
#include <vector>

ON_VIRTUAL_OBJECT_IMPLEMENT(ON_Curve, ON_Geometry, "4ED7D4D7-E947-11D3-BFE5-0010830122F0")

ON::object_type ON_Curve::ObjectType() const { return ON::curve_object; }

bool ON_PointsAreCoincident(int dim, bool is_rat, const double* pointA, const double* pointB)
{
  if (dim < 1 || !pointA || !pointB)
    return false;
  double wa = 1.0, wb = 1.0;
  if (is_rat)
  {
    wa = pointA[dim];
    wb = pointB[dim];
    if ((wa == 0.0) != (wb == 0.0))
      return false;
    if (wa == 0.0)
      wa = wb = 1.0;
  }
  for (int k = 0; k < dim; k++)
  {
    const double a = pointA[k] / wa, b = pointB[k] / wb;
    const double d = std::fabs(a - b);
    if (!(d <= ON_ZERO_TOLERANCE) && !(d <= (std::fabs(a) + std::fabs(b)) * ON_RELATIVE_TOLERANCE))
      return false;
  }
  return true;
}

bool ON_PointsAreCoincident(const ON_3dPoint& A, const ON_3dPoint& B)
{
  return ON_PointsAreCoincident(3, false, &A.x, &B.x);
}

bool ON_EvCurvature(const ON_3dVector& D1, const ON_3dVector& D2, ON_3dVector& T, ON_3dVector& K)
{
  const double d1 = D1.Length();
  if (!(d1 > 0.0))
  {
    T = D2;
    T.Unitize();
    K = ON_3dVector(0.0, 0.0, 0.0);
    return false;
  }
  T = D1 / d1;
  const double dot = ON_DotProduct(D2, T);
  K = (D2 - dot * T) / (d1 * d1);
  return true;
}

bool ON_Curve::EvPoint(double t, ON_3dPoint& point, int side, int* hint) const
{
  double v[3] = {0.0, 0.0, 0.0};
  if (Dimension() < 1 || Dimension() > 3 || !Evaluate(t, 0, Dimension(), v, side, hint))
    return false;
  point = ON_3dPoint(v[0], v[1], v[2]);
  return true;
}

bool ON_Curve::Ev1Der(double t, ON_3dPoint& point, ON_3dVector& derivative, int side, int* hint) const
{
  const int dim = Dimension();
  double v[6] = {0.0};
  if (dim < 1 || dim > 3 || !Evaluate(t, 1, 3, v, side, hint))
    return false;
  point = ON_3dPoint(v[0], v[1], v[2]);
  derivative = ON_3dVector(v[3], v[4], v[5]);
  return true;
}

bool ON_Curve::Ev2Der(double t, ON_3dPoint& point, ON_3dVector& first_derivative, ON_3dVector& second_derivative,
                      int side, int* hint) const
{
  const int dim = Dimension();
  double v[9] = {0.0};
  if (dim < 1 || dim > 3 || !Evaluate(t, 2, 3, v, side, hint))
    return false;
  point = ON_3dPoint(v[0], v[1], v[2]);
  first_derivative = ON_3dVector(v[3], v[4], v[5]);
  second_derivative = ON_3dVector(v[6], v[7], v[8]);
  return true;
}

bool ON_Curve::EvTangent(double t, ON_3dPoint& point, ON_3dVector& tangent, int side, int* hint) const
{
  ON_3dVector d1, d2;
  if (!Ev2Der(t, point, d1, d2, side, hint))
    return false;
  ON_3dVector kappa;
  ON_EvCurvature(d1, d2, tangent, kappa);
  return true;
}

bool ON_Curve::EvCurvature(double t, ON_3dPoint& point, ON_3dVector& tangent, ON_3dVector& kappa, int side,
                           int* hint) const
{
  ON_3dVector d1, d2;
  if (!Ev2Der(t, point, d1, d2, side, hint))
    return false;
  return ON_EvCurvature(d1, d2, tangent, kappa);
}

ON_3dPoint ON_Curve::PointAt(double t) const
{
  ON_3dPoint point;
  return EvPoint(t, point) ? point : ON_3dPoint::UnsetPoint;
}

ON_3dPoint ON_Curve::PointAtStart() const { return PointAt(Domain().Min()); }

ON_3dPoint ON_Curve::PointAtEnd() const
{
  ON_3dPoint point;
  return EvPoint(Domain().Max(), point, -1) ? point : ON_3dPoint::UnsetPoint;
}

ON_3dVector ON_Curve::DerivativeAt(double t) const
{
  ON_3dPoint point;
  ON_3dVector derivative;
  return Ev1Der(t, point, derivative) ? derivative : ON_3dVector::UnsetVector;
}

ON_3dVector ON_Curve::TangentAt(double t) const
{
  ON_3dPoint point;
  ON_3dVector tangent(0.0, 0.0, 0.0);
  EvTangent(t, point, tangent);
  return tangent;
}

ON_3dVector ON_Curve::CurvatureAt(double t) const
{
  ON_3dPoint point;
  ON_3dVector tangent, kappa(0.0, 0.0, 0.0);
  EvCurvature(t, point, tangent, kappa);
  return kappa;
}

int ON_Curve::GetNurbForm(ON_NurbsCurve&, double, const ON_Interval*) const { return 0; }

ON_NurbsCurve* ON_Curve::NurbsCurve(ON_NurbsCurve* pNurbsCurve, double tolerance, const ON_Interval* subdomain) const
{
  ON_NurbsCurve* nurbs = pNurbsCurve ? pNurbsCurve : new ON_NurbsCurve();
  if (GetNurbForm(*nurbs, tolerance, subdomain))
    return nurbs;
  if (!pNurbsCurve)
    delete nurbs;
  return nullptr;
}

int ON_Curve::Degree() const
{
  ON_NurbsCurve nurbs;
  return GetNurbForm(nurbs) ? nurbs.Degree() : 0;
}

int ON_Curve::SpanCount() const
{
  ON_NurbsCurve nurbs;
  return GetNurbForm(nurbs) ? nurbs.SpanCount() : 0;
}

bool ON_Curve::GetSpanVector(double* span_vector) const
{
  ON_NurbsCurve nurbs;
  return GetNurbForm(nurbs) && nurbs.GetSpanVector(span_vector);
}

bool ON_Curve::IsClosed() const
{
  const ON_Interval domain = Domain();
  if (!domain.IsIncreasing())
    return false;
  ON_3dPoint start, end, third, two_thirds;
  if (!EvPoint(domain[0], start, 1) || !EvPoint(domain[1], end, -1) || !EvPoint(domain.ParameterAt(1.0 / 3.0), third) ||
      !EvPoint(domain.ParameterAt(2.0 / 3.0), two_thirds))
    return false;
  return ON_PointsAreCoincident(start, end) && !ON_PointsAreCoincident(third, start) &&
         !ON_PointsAreCoincident(third, end) && !ON_PointsAreCoincident(two_thirds, start) &&
         !ON_PointsAreCoincident(two_thirds, end);
}

bool ON_Curve::IsLinear(double tolerance) const
{
  ON_NurbsCurve nurbs;
  return GetNurbForm(nurbs) && nurbs.IsLinear(tolerance);
}

int ON_Curve::IsPolyline(ON_SimpleArray<ON_3dPoint>* pline_points, ON_SimpleArray<double>* pline_t) const
{
  ON_EmptyPolylineOutputs(pline_points, pline_t);
  // Only a form with this curve's parameterisation can give the parameters.
  ON_NurbsCurve nurbs;
  return GetNurbForm(nurbs) == 1 ? nurbs.IsPolyline(pline_points, pline_t) : 0;
}

bool ON_Curve::IsPlanar(ON_Plane* plane, double tolerance) const
{
  ON_NurbsCurve nurbs;
  return GetNurbForm(nurbs) && nurbs.IsPlanar(plane, tolerance);
}

namespace
{
// Arc parameter of X on the circle of arc, measured from the arc start in [0, 2pi), and the
// distance from X to that circle.
void ArcParameter(const ON_Arc& arc, const ON_3dPoint& X, double& angle, double& distance)
{
  const ON_3dVector v = X - arc.plane.origin;
  const double z = ON_DotProduct(v, arc.plane.zaxis);
  const double x = ON_DotProduct(v, arc.plane.xaxis), y = ON_DotProduct(v, arc.plane.yaxis);
  const double rho = std::sqrt(x * x + y * y);
  distance = std::sqrt(z * z + (rho - arc.radius) * (rho - arc.radius));
  angle = std::atan2(y, x) - arc.m_angle[0];
  angle = std::fmod(angle, 2.0 * ON_PI);
  if (angle < 0.0)
    angle += 2.0 * ON_PI;
}
} // namespace

bool ON_Curve::IsArc(const ON_Plane* plane, ON_Arc* arc, double tolerance) const
{
  const int dim = Dimension();
  const ON_Interval domain = Domain();
  if ((dim != 2 && dim != 3) || !domain.IsIncreasing() || Degree() < 2)
    return false;
  if (!(tolerance > 0.0))
    tolerance = ON_ZERO_TOLERANCE;
  // The 2012 release refuses lines; the earlier v5 snapshots did not.
  if (IsLinear(tolerance))
    return false;
  if (!plane && !IsPlanar(nullptr, tolerance))
    return false;

  const bool closed = IsClosed();
  ON_3dPoint P, Q, R;
  if (!EvPoint(domain[0], P, 1))
    return false;
  if (closed)
  {
    Q = PointAt(domain.ParameterAt(0.25));
    R = PointAt(domain.ParameterAt(0.5));
  }
  else
  {
    Q = PointAt(domain.Mid());
    if (!EvPoint(domain[1], R, -1))
      return false;
  }
  // The circle through P, Q and R with P at angle 0; an open curve takes the arc from P through Q
  // to R.
  ON_Arc candidate;
  if (closed)
  {
    ON_Circle circle;
    if (!circle.Create(P, Q, R))
      return false;
    candidate = ON_Arc(circle, 2.0 * ON_PI);
  }
  else
  {
    if (!candidate.Create(P, Q, R))
      return false;
    const ON_3dPoint end = PointAtEnd();
    if (!ON_PointsAreCoincident(candidate.StartPoint(), P) && candidate.StartPoint().DistanceTo(P) > tolerance)
      return false;
    if (!ON_PointsAreCoincident(candidate.EndPoint(), end) && candidate.EndPoint().DistanceTo(end) > tolerance)
      return false;
  }

  const int span_count = SpanCount();
  if (span_count < 1)
    return false;
  std::vector<double> spans(static_cast<size_t>(span_count) + 1);
  if (!GetSpanVector(spans.data()))
    return false;
  const int samples = std::max(4, 2 * Degree() + 1);
  const double sweep = candidate.AngleRadians();
  // Angular slack for the order test: the distance tolerance seen from the centre, plus rounding.
  const double slack = tolerance / candidate.radius + ON_SQRT_EPSILON;
  double previous = 0.0;
  for (int i = 0; i < span_count; i++)
  {
    for (int j = 0; j < samples; j++)
    {
      const double t = spans[i] + (spans[i + 1] - spans[i]) * j / samples;
      ON_3dPoint X;
      if (!EvPoint(t, X))
        return false;
      double angle, distance;
      ArcParameter(candidate, X, angle, distance);
      if (!(distance <= tolerance))
        return false;
      if (angle > 2.0 * ON_PI - slack && previous < ON_PI)
        angle -= 2.0 * ON_PI; // the start seen just behind the seam
      if (angle < previous - slack || angle > sweep + slack)
        return false;
      previous = std::max(previous, angle);
    }
  }
  if (arc)
    *arc = candidate;
  return true;
}

namespace
{
// Arc length of a curve over its spans: adaptive Gauss-Legendre quadrature of the speed |C'(t)|
// on each span, kept as a table of the converged pieces; the inverse s -> t by Newton steps kept
// inside a bisection bracket, integrating within one piece.
class ArcLengthTable
{
public:
  explicit ArcLengthTable(const ON_Curve& curve) : m_curve(curve), m_dim(curve.Dimension()) {}

  bool Build(const ON_Interval* sub_domain, double fractional_tolerance);
  double Length() const { return m_length.back(); }
  // Successive calls with non-decreasing s continue from the previous point.
  bool ParameterAt(double s, double absolute_tolerance, double& t);

private:
  bool Speed(double t, double& speed);
  bool Gauss(double a, double b, double& value);
  // Splits [a, b] until halving changes the rule's value by at most tolerance and appends the
  // pieces, in order, to the table.
  bool AddPieces(double a, double b, double tolerance);

  static constexpr int kMaxDepth = 60;
  static constexpr long kBudget = 4000000; // Gauss rules per table, a guard against runaway input

  const ON_Curve& m_curve;
  int m_dim;
  std::vector<double> m_v;
  std::vector<double> m_t;      // piece ends, from the domain start to its end
  std::vector<double> m_length; // length from the domain start to each piece end
  double m_fraction = 1.0e-8;
  long m_rules = 0;
  size_t m_last_piece = 0;
  double m_last_t = 0.0, m_last_length = -1.0;
};

bool ArcLengthTable::Speed(double t, double& speed)
{
  if (!m_curve.Evaluate(t, 1, m_dim, m_v.data()))
    return false;
  double sum = 0.0;
  for (int k = 0; k < m_dim; k++)
    sum += m_v[m_dim + k] * m_v[m_dim + k];
  speed = std::sqrt(sum);
  return std::isfinite(speed);
}

// Ten-point Gauss-Legendre rule on [a, b].
bool ArcLengthTable::Gauss(double a, double b, double& value)
{
  static const double node[5] = {0.1488743389816312108848260, 0.4333953941292471907992659, 0.6794095682990244062343274,
                                 0.8650633666889845107320967, 0.9739065285171717200779640};
  static const double weight[5] = {0.2955242247147528701738930, 0.2692667193099963550912269,
                                   0.2190863625159820439955349, 0.1494513491505805931457763,
                                   0.0666713443086881375935688};
  if (++m_rules > kBudget)
    return false;
  const double mid = 0.5 * (a + b), half = 0.5 * (b - a);
  double sum = 0.0;
  for (int i = 0; i < 5; i++)
  {
    double left, right;
    if (!Speed(mid - half * node[i], left) || !Speed(mid + half * node[i], right))
      return false;
    sum += weight[i] * (left + right);
  }
  value = sum * half;
  return true;
}

bool ArcLengthTable::AddPieces(double a, double b, double tolerance)
{
  struct Piece
  {
    double a, b, whole, tolerance;
    int depth;
  };
  if (!(b > a))
    return b == a;
  Piece first{a, b, 0.0, tolerance, 0};
  if (!Gauss(a, b, first.whole))
    return false;
  std::vector<Piece> stack{first};
  while (!stack.empty())
  {
    const Piece p = stack.back();
    stack.pop_back();
    const double m = 0.5 * (p.a + p.b);
    double left, right;
    if (!Gauss(p.a, m, left) || !Gauss(m, p.b, right))
      return false;
    const bool tiny = !(m > p.a && m < p.b) || p.depth >= kMaxDepth;
    if (std::fabs(left + right - p.whole) <= p.tolerance || tiny)
    {
      m_t.push_back(m);
      m_length.push_back(m_length.back() + left);
      m_t.push_back(p.b);
      m_length.push_back(m_length.back() + right);
      continue;
    }
    // The left half is taken first, so the pieces stay in order.
    stack.push_back({m, p.b, right, 0.5 * p.tolerance, p.depth + 1});
    stack.push_back({p.a, m, left, 0.5 * p.tolerance, p.depth + 1});
  }
  return std::isfinite(m_length.back());
}

bool ArcLengthTable::Build(const ON_Interval* sub_domain, double fractional_tolerance)
{
  if (m_dim < 1)
    return false;
  m_v.assign(static_cast<size_t>(2 * m_dim), 0.0);
  ON_Interval domain = m_curve.Domain();
  if (!domain.IsIncreasing())
    return false;
  if (sub_domain)
  {
    if (!sub_domain->IsIncreasing() || !domain.Intersection(*sub_domain) || !domain.IsIncreasing())
      return false;
  }
  // Below about 1e-13 the rounding of the sums decides, not the rule.
  m_fraction = fractional_tolerance > 0.0 ? std::max(fractional_tolerance, 1.0e-13) : 1.0e-8;

  std::vector<double> breaks(1, domain[0]);
  const int span_count = m_curve.SpanCount();
  std::vector<double> spans(static_cast<size_t>(std::max(span_count, 0)) + 1);
  if (span_count > 0 && m_curve.GetSpanVector(spans.data()))
  {
    for (double knot : spans)
      if (knot > breaks.back() && knot < domain[1])
        breaks.push_back(knot);
  }
  breaks.push_back(domain[1]);

  const size_t spans_used = breaks.size() - 1;
  double coarse = 0.0;
  for (size_t i = 0; i < spans_used; i++)
  {
    double estimate;
    if (!Gauss(breaks[i], breaks[i + 1], estimate))
      return false;
    coarse += estimate;
  }
  if (!std::isfinite(coarse))
    return false;
  const double tolerance = 0.5 * m_fraction * coarse / static_cast<double>(spans_used);
  m_t.assign(1, domain[0]);
  m_length.assign(1, 0.0);
  for (size_t i = 0; i < spans_used; i++)
  {
    if (coarse > 0.0)
    {
      if (!AddPieces(breaks[i], breaks[i + 1], tolerance))
        return false;
    }
    else
    {
      m_t.push_back(breaks[i + 1]);
      m_length.push_back(0.0);
    }
  }
  m_last_length = -1.0;
  return std::isfinite(Length());
}

bool ArcLengthTable::ParameterAt(double s, double absolute_tolerance, double& t)
{
  if (!(s >= 0.0 && s <= 1.0))
    return false;
  const double t0 = m_t.front(), t1 = m_t.back(), total = Length();
  if (s == 0.0 || s == 1.0)
  {
    t = s == 0.0 ? t0 : t1;
    return true;
  }
  if (!(total > 0.0))
  {
    t = t0 + s * (t1 - t0); // a curve of no length: spread evenly over the parameter
    return true;
  }
  const double target = s * total;
  const double tolerance = std::max(absolute_tolerance > 0.0 ? absolute_tolerance : 0.0, m_fraction * total);
  const size_t pieces = m_t.size() - 1;
  size_t k = static_cast<size_t>(std::upper_bound(m_length.begin(), m_length.end(), target) - m_length.begin());
  k = std::min(k == 0 ? 0 : k - 1, pieces - 1);
  double base_t = m_t[k], base_length = m_length[k];
  if (m_last_length >= 0.0 && m_last_piece == k && m_last_length <= target && m_last_t >= base_t)
  {
    base_t = m_last_t;
    base_length = m_last_length;
  }
  double lo = base_t, hi = m_t[k + 1];
  const double rest = m_length[k + 1] - base_length;
  double u = rest > 0.0 ? base_t + (hi - base_t) * (target - base_length) / rest : base_t;
  double reached = base_length;
  for (int iteration = 0;; iteration++)
  {
    // Inside a converged piece one rule is as good as the piece's own.
    double length = 0.0;
    if (u > base_t && !Gauss(base_t, u, length))
      return false;
    reached = base_length + length;
    const double f = reached - target;
    if (std::fabs(f) <= tolerance || iteration >= 100)
      break;
    if (f < 0.0)
      lo = u;
    else
      hi = u;
    double speed = 0.0;
    double next = (Speed(u, speed) && speed > 0.0) ? u - f / speed : lo;
    if (!(next > lo && next < hi))
      next = 0.5 * (lo + hi);
    if (!(next > lo && next < hi))
      break; // the bracket is down to adjacent doubles
    u = next;
  }
  m_last_piece = k;
  m_last_t = u;
  m_last_length = reached;
  t = u;
  return true;
}
} // namespace

bool ON_Curve::GetLength(double* length, double fractional_tolerance, const ON_Interval* sub_domain) const
{
  if (!length)
    return false;
  ArcLengthTable table(*this);
  if (!table.Build(sub_domain, fractional_tolerance))
    return false;
  *length = table.Length();
  return true;
}

bool ON_Curve::GetNormalizedArcLengthPoint(double s, double* t, double fractional_tolerance,
                                           const ON_Interval* sub_domain) const
{
  return GetNormalizedArcLengthPoints(1, &s, t, 0.0, fractional_tolerance, sub_domain);
}

bool ON_Curve::GetNormalizedArcLengthPoints(int count, const double* s, double* t, double absolute_tolerance,
                                            double fractional_tolerance, const ON_Interval* sub_domain) const
{
  if (count < 1 || !s || !t)
    return false;
  ArcLengthTable table(*this);
  if (!table.Build(sub_domain, fractional_tolerance))
    return false;
  std::vector<double> result(static_cast<size_t>(count));
  for (int i = 0; i < count; i++)
    if (!table.ParameterAt(s[i], absolute_tolerance, result[static_cast<size_t>(i)]))
      return false;
  std::copy(result.begin(), result.end(), t);
  return true;
}

bool ON_Curve::GetClosestPoint(const ON_3dPoint& P, double* t, double maximum_distance,
                               const ON_Interval* sub_domain) const
{
  if (!t)
    return false;
  ON_NurbsCurve nurbs;
  const int rc = GetNurbForm(nurbs);
  double u;
  if (!rc || !nurbs.GetClosestPoint(P, &u, 0.0, sub_domain))
    return false;
  if (rc != 1)
  {
    // Same point set, another parameterisation: refine on this curve from the NURBS parameter.
    const ON_Interval domain = sub_domain ? *sub_domain : Domain();
    for (int iteration = 0; iteration < 50; iteration++)
    {
      ON_3dPoint X;
      ON_3dVector d1, d2;
      if (!Ev2Der(u, X, d1, d2))
        return false;
      const ON_3dVector r = X - P;
      const double g = ON_DotProduct(d1, r);
      double h = ON_DotProduct(d1, d1) + ON_DotProduct(d2, r);
      if (!(h > 0.0))
        h = ON_DotProduct(d1, d1);
      if (!(h > 0.0))
        break;
      const double next = std::clamp(u - g / h, domain.Min(), domain.Max());
      if (std::fabs(next - u) <= 1.0e-14 * (1.0 + std::fabs(u)))
        break;
      u = next;
    }
  }
  if (maximum_distance > 0.0 && PointAt(u).DistanceTo(P) > maximum_distance)
    return false;
  *t = u;
  return true;
}
