#include "QORPlanarExact.h"

#include <cmath>
#include <vector>

namespace
{

// A value held exactly as the sum of its components: nonzero, non-overlapping, increasing in
// magnitude (the error-free transformations of Knuth and Dekker, grown as by Shewchuk).
using Expansion = std::vector<double>;

const double kEpsilon = 1.1102230246251565e-16; // 2^-53
const double kSplitter = 134217729.0;           // 2^27 + 1

void TwoSum(double a, double b, double& sum, double& error)
{
  sum = a + b;
  const double bv = sum - a;
  const double av = sum - bv;
  error = (a - av) + (b - bv);
}

void Split(double a, double& high, double& low)
{
  const double c = kSplitter * a;
  const double big = c - a;
  high = c - big;
  low = a - high;
}

void TwoProduct(double a, double b, double& product, double& error)
{
  product = a * b;
  double ah, al, bh, bl;
  Split(a, ah, al);
  Split(b, bh, bl);
  const double e1 = product - ah * bh;
  const double e2 = e1 - al * bh;
  const double e3 = e2 - ah * bl;
  error = al * bl - e3;
}

// Appends a component unless it is zero.
void Append(Expansion& e, double c)
{
  if (c != 0.0)
    e.push_back(c);
}

// The expansion of a rounded result and its error.
Expansion TwoTerms(double rounded, double error)
{
  Expansion e;
  Append(e, error);
  Append(e, rounded);
  return e;
}

Expansion Difference(double a, double b)
{
  double sum, error;
  TwoSum(a, -b, sum, error);
  return TwoTerms(sum, error);
}

Expansion Grow(const Expansion& e, double b)
{
  Expansion h;
  h.reserve(e.size() + 1);
  double q = b;
  for (double c : e)
  {
    double sum, error;
    TwoSum(q, c, sum, error);
    Append(h, error);
    q = sum;
  }
  Append(h, q);
  return h;
}

Expansion Add(const Expansion& e, const Expansion& f)
{
  Expansion h = e;
  for (double c : f)
    h = Grow(h, c);
  return h;
}

Expansion Negate(Expansion e)
{
  for (double& c : e)
    c = -c;
  return e;
}

Expansion Scale(const Expansion& e, double b)
{
  Expansion h;
  if (e.empty() || b == 0.0)
    return h;
  h.reserve(2 * e.size());
  double q, error;
  TwoProduct(e[0], b, q, error);
  Append(h, error);
  for (size_t i = 1; i < e.size(); i++)
  {
    double high, low, sum;
    TwoProduct(e[i], b, high, low);
    TwoSum(q, low, sum, error);
    Append(h, error);
    TwoSum(high, sum, q, error);
    Append(h, error);
  }
  Append(h, q);
  return h;
}

Expansion Multiply(const Expansion& e, const Expansion& f)
{
  Expansion h;
  for (double c : f)
    h = Add(h, Scale(e, c));
  return h;
}

int Sign(const Expansion& e)
{
  if (e.empty())
    return 0;
  return e.back() > 0.0 ? 1 : (e.back() < 0.0 ? -1 : 0);
}

double Estimate(const Expansion& e)
{
  double value = 0.0;
  for (double c : e)
    value += c;
  return value;
}

// c of Side, exactly.
Expansion ExactCross(const ON_3dPoint& s, const ON_3dPoint& e, const ON_3dPoint& p)
{
  return Add(Multiply(Difference(p.y, s.y), Difference(e.x, s.x)),
             Negate(Multiply(Difference(e.y, s.y), Difference(p.x, s.x))));
}

Expansion Square(double t)
{
  double product, error;
  TwoProduct(t, t, product, error);
  return TwoTerms(product, error);
}

// dx^2 + dy^2 of a - b, exactly.
Expansion SquaredDistance(const ON_3dPoint& a, const ON_3dPoint& b)
{
  const Expansion dx = Difference(a.x, b.x), dy = Difference(a.y, b.y);
  return Add(Multiply(dx, dx), Multiply(dy, dy));
}

// Bound on the error of left - right, each a product of rounded differences.
double CrossErrorBound(double left, double right)
{
  return (3.0 + 16.0 * kEpsilon) * kEpsilon * (std::fabs(left) + std::fabs(right));
}

double UsableTolerance(double tolerance) { return tolerance >= 0.0 ? tolerance : 0.0; }

} // namespace

int QORPlanarExact::Side(const ON_3dPoint& s, const ON_3dPoint& e, const ON_3dPoint& p, double tolerance)
{
  const double tol = UsableTolerance(tolerance);
  const double left = (p.y - s.y) * (e.x - s.x);
  const double right = (e.y - s.y) * (p.x - s.x);
  const double c = left - right;
  const double bound = CrossErrorBound(left, right);
  if (!std::isfinite(c) || !std::isfinite(bound))
    return std::fabs(c) <= tol ? 0 : (c > 0.0 ? 1 : (c < 0.0 ? 2 : 0));
  if (c - bound > tol)
    return 1;
  if (c + bound < -tol)
    return 2;
  if (c + bound <= tol && c - bound >= -tol)
    return 0;
  const Expansion exact = ExactCross(s, e, p);
  if (Sign(Grow(exact, -tol)) > 0)
    return 1;
  if (Sign(Grow(exact, tol)) < 0)
    return 2;
  return 0;
}

double QORPlanarExact::Cross(const ON_3dPoint& s, const ON_3dPoint& e, const ON_3dPoint& p)
{
  const double c = (p.y - s.y) * (e.x - s.x) - (e.y - s.y) * (p.x - s.x);
  if (!std::isfinite(c))
    return c;
  return Estimate(ExactCross(s, e, p));
}

int QORPlanarExact::CompareDistance(const ON_3dPoint& a, const ON_3dPoint& b, double tolerance)
{
  if (std::isnan(tolerance))
    return 1;
  const double dx = a.x - b.x, dy = a.y - b.y;
  const double d = std::sqrt(dx * dx + dy * dy);
  if (!std::isfinite(d))
    return d < tolerance ? -1 : (d > tolerance ? 1 : 0);
  // The rounded distance is within a few units of the last place of the true one.
  const double bound = 8.0 * kEpsilon * d + 1e-300;
  if (d - bound > tolerance)
    return 1;
  if (d + bound < tolerance)
    return -1;
  if (tolerance < 0.0)
    return 1;
  return Sign(Add(SquaredDistance(a, b), Negate(Square(tolerance))));
}

int QORPlanarExact::CompareDistanceToLine(const ON_3dPoint& p, const ON_3dPoint& s, const ON_3dPoint& e,
                                          double tolerance)
{
  if (std::isnan(tolerance))
    return 1;
  if (e.x == s.x && e.y == s.y)
    return CompareDistance(p, s, tolerance);
  const double dx = e.x - s.x, dy = e.y - s.y;
  const double left = (p.y - s.y) * dx, right = dy * (p.x - s.x);
  const double c = std::fabs(left - right);
  const double length = std::sqrt(dx * dx + dy * dy);
  const double d = c / length;
  if (!std::isfinite(d) || !(length > 0.0))
    return d < tolerance ? -1 : (d > tolerance ? 1 : 0);
  // Error of c (cross product of rounded differences) carried through the division, plus the
  // rounding of the length and the quotient.
  const double cBound = CrossErrorBound(left, right);
  const double bound = 1.01 * (cBound / length + 8.0 * kEpsilon * d) + 1e-300;
  if (d - bound > tolerance)
    return 1;
  if (d + bound < tolerance)
    return -1;
  if (tolerance < 0.0)
    return 1;
  // c^2 against tolerance^2 (dx^2 + dy^2).
  const Expansion cross = ExactCross(s, e, p);
  const Expansion allowed = Multiply(SquaredDistance(e, s), Square(tolerance));
  return Sign(Add(Multiply(cross, cross), Negate(allowed)));
}

double QORPlanarExact::AreaSum(const ON_3dPointArray& points, int& sign)
{
  const int count = points.Count();
  sign = 0;
  if (count < 3)
    return 0.0;
  Expansion sum;
  for (int i = 1; i < count; i++)
  {
    const ON_3dPoint& next = i + 1 < count ? points[i + 1] : points[1];
    sum = Add(sum, Scale(Difference(next.y, points[i - 1].y), points[i].x));
  }
  sign = Sign(sum);
  return Estimate(sum);
}
