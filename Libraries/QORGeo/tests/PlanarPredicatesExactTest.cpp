// The planar classifications against exact rational arithmetic (GMP) on random and on nearly
// degenerate inputs at survey coordinates.
#include "QORLine2d.h"
#include "QORPolygon2d.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace
{

using Q = mpq_class;

// Exact references, written from the definitions.

Q Cross(const ON_3dPoint& s, const ON_3dPoint& e, const ON_3dPoint& p)
{
  return (Q(p.y) - Q(s.y)) * (Q(e.x) - Q(s.x)) - (Q(e.y) - Q(s.y)) * (Q(p.x) - Q(s.x));
}

int RefSide(const ON_3dPoint& s, const ON_3dPoint& e, const ON_3dPoint& p, double tolerance)
{
  const Q c = Cross(s, e, p);
  if (abs(c) <= Q(tolerance))
    return 0;
  return c > 0 ? 1 : 2;
}

Q SquaredDistance(const ON_3dPoint& a, const ON_3dPoint& b)
{
  const Q dx = Q(a.x) - Q(b.x), dy = Q(a.y) - Q(b.y);
  return dx * dx + dy * dy;
}

bool RefEqual(const ON_3dPoint& a, const ON_3dPoint& b, double tolerance)
{
  return SquaredDistance(a, b) <= Q(tolerance) * Q(tolerance);
}

bool RefOnSegment(const ON_3dPoint& p, const ON_Line& s, double tolerance)
{
  if (!(std::min(s.from.x, s.to.x) <= p.x && p.x <= std::max(s.from.x, s.to.x) && std::min(s.from.y, s.to.y) <= p.y &&
        p.y <= std::max(s.from.y, s.to.y)))
    return false;
  if (s.from.x == s.to.x && s.from.y == s.to.y)
    return RefEqual(p, s.from, tolerance);
  const Q c = Cross(s.from, s.to, p);
  return c * c <= Q(tolerance) * Q(tolerance) * SquaredDistance(s.to, s.from);
}

// Crossing parameters of the two carriers, both strictly inside (0, 1).
bool RefCrossing(const ON_Line& a, const ON_Line& b, int endContact, double tolerance)
{
  if (!endContact)
    for (const ON_3dPoint* p : {&a.from, &a.to})
      for (const ON_3dPoint* q : {&b.from, &b.to})
        if (RefEqual(*p, *q, tolerance))
          return false;
  const Q rx = Q(a.to.x) - Q(a.from.x), ry = Q(a.to.y) - Q(a.from.y);
  const Q sx = Q(b.to.x) - Q(b.from.x), sy = Q(b.to.y) - Q(b.from.y);
  const Q wx = Q(b.from.x) - Q(a.from.x), wy = Q(b.from.y) - Q(a.from.y);
  const Q denominator = rx * sy - ry * sx;
  if (denominator == 0)
    return false;
  const Q t = (wx * sy - wy * sx) / denominator, u = (wx * ry - wy * rx) / denominator;
  return t > 0 && t < 1 && u > 0 && u < 1;
}

int RefPointAndPolygon(const ON_3dPoint& p, const ON_Polyline& polygon, double tolerance)
{
  for (int i = 1; i < polygon.Count(); i++)
    if (RefOnSegment(p, ON_Line(polygon[i - 1], polygon[i]), tolerance))
      return 1;
  if (polygon.Count() < 2)
    return 2;
  const int n = polygon.Count() - 1;
  bool inside = false;
  for (int i = 0, j = n - 1; i < n; j = i++)
  {
    const ON_3dPoint &a = polygon[i], &b = polygon[j];
    if ((p.y >= a.y && b.y > p.y) || (p.y >= b.y && a.y > p.y))
    {
      const Q x = Q(a.x) + (Q(p.y) - Q(a.y)) * (Q(b.x) - Q(a.x)) / (Q(b.y) - Q(a.y));
      if (x > Q(p.x))
        inside = !inside;
    }
  }
  return inside ? 0 : 2;
}

// The crossing rule in plain doubles, for telling how hard the inputs are.
int DoublePointAndPolygon(const ON_3dPoint& p, const ON_Polyline& polygon)
{
  const int n = polygon.Count() - 1;
  bool inside = false;
  for (int i = 0, j = n - 1; i < n; j = i++)
  {
    const ON_3dPoint &a = polygon[i], &b = polygon[j];
    if ((p.y >= a.y && b.y > p.y) || (p.y >= b.y && a.y > p.y))
      if (a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y) > p.x)
        inside = !inside;
  }
  return inside ? 0 : 2;
}

int RefSegmentAndPolygon(const ON_Line& s, const ON_Polyline& polygon, double tolerance)
{
  for (int i = 1; i < polygon.Count(); i++)
    if (RefCrossing(s, ON_Line(polygon[i - 1], polygon[i]), 0, tolerance))
      return 5;
  const int a = RefPointAndPolygon(s.from, polygon, tolerance), b = RefPointAndPolygon(s.to, polygon, tolerance);
  static const int table[3][3] = {{0, 3, 5}, {3, -1, 4}, {5, 4, 2}};
  if (table[a][b] >= 0)
    return table[a][b];
  for (int i = 1; i < polygon.Count(); i++)
  {
    const ON_3dPoint &p = polygon[i - 1], &q = polygon[i];
    if ((RefEqual(s.from, p, tolerance) && RefEqual(s.to, q, tolerance)) ||
        (RefEqual(s.from, q, tolerance) && RefEqual(s.to, p, tolerance)))
      return 1;
  }
  const ON_3dPoint middle((s.from.x + s.to.x) * 0.5, (s.from.y + s.to.y) * 0.5, 0.0);
  return RefPointAndPolygon(middle, polygon, tolerance) == 0 ? 3 : 4;
}

int RefOrientation(const ON_Polyline& polygon)
{
  Q twice = 0;
  const int n = polygon.Count() - 1;
  for (int i = 0; i < n; i++)
    twice += Q(polygon[i].x) * Q(polygon[(i + 1) % n].y) - Q(polygon[(i + 1) % n].x) * Q(polygon[i].y);
  return twice < 0 ? 0 : (twice > 0 ? 1 : 2);
}

int RefIsConvex(const ON_Polyline& polygon, int allowStraight, double tolerance)
{
  const int n = polygon.Count() - 1;
  int sense = 0;
  for (int i = 0; i < n; i++)
  {
    const ON_3dPoint &p0 = polygon[i], &p1 = polygon[(i + 1) % n], &p2 = polygon[(i + 2) % n];
    const Q c = (Q(p1.x) - Q(p0.x)) * (Q(p2.y) - Q(p0.y)) - (Q(p1.y) - Q(p0.y)) * (Q(p2.x) - Q(p0.x));
    if (abs(c) <= Q(tolerance))
    {
      if (!allowStraight)
        return 0;
      continue;
    }
    const int turn = c > 0 ? 1 : 2;
    if (sense && turn != sense)
      return 0;
    sense = turn;
  }
  return 1;
}

// Inputs.

class Inputs
{
public:
  explicit Inputs(unsigned seed) : m_random(seed) {}

  double Uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(m_random); }
  int Integer(int a, int b) { return std::uniform_int_distribution<int>(a, b)(m_random); }

  // Near 500000, 4100000 (UTM metres), within a square of the given size.
  ON_3dPoint Survey(double size = 50)
  {
    return ON_3dPoint(500000.123 + Uniform(0, size), 4100000.456 + Uniform(0, size), Uniform(-5, 5));
  }
  // Lines of 50 m to 50 km: the longer the line, the more often rounding hides a near point's side.
  ON_Line SurveyLine()
  {
    static const double sizes[] = {50, 5000, 50000};
    const double size = sizes[Integer(0, 2)];
    return ON_Line(Survey(size), Survey(size));
  }

  // A few units in the last place away from v.
  double Nudge(double v)
  {
    const int steps = Integer(-2, 2);
    for (int k = 0; k < std::abs(steps); k++)
      v = std::nextafter(v, steps > 0 ? HUGE_VAL : -HUGE_VAL);
    return v;
  }

  // On the carrier of a -> b as far as doubles allow, nudged; sometimes exactly on it (a and b on
  // a grid of 1/16 and the parameter a multiple of 1/8).
  ON_3dPoint NearLine(const ON_3dPoint& a, const ON_3dPoint& b)
  {
    if (Integer(0, 3) == 0)
    {
      const ON_3dPoint ga = Grid(a), gb = Grid(b);
      const double t = Integer(-4, 12) / 8.0;
      return ON_3dPoint(ga.x + t * (gb.x - ga.x), ga.y + t * (gb.y - ga.y), 0.0);
    }
    const double t = Uniform(-0.25, 1.25);
    const ON_3dPoint p = a + t * (b - a);
    return ON_3dPoint(Nudge(p.x), Nudge(p.y), p.z);
  }

  static ON_3dPoint Grid(const ON_3dPoint& p)
  {
    return ON_3dPoint(std::round(p.x * 16) / 16, std::round(p.y * 16) / 16, p.z);
  }

  // Star-shaped polygon around a survey point, 20 m to 20 km across, closed, counter-clockwise or
  // not; some corners share the y of the corner before them (horizontal sides, rays through
  // corners).
  ON_Polyline Polygon(int corners)
  {
    const ON_3dPoint centre = Grid(Survey());
    const double size = std::pow(10.0, Integer(1, 4));
    std::vector<double> angles;
    for (int i = 0; i < corners; i++)
      angles.push_back(Uniform(0, 2 * ON_PI));
    std::sort(angles.begin(), angles.end());
    ON_Polyline polygon;
    for (double angle : angles)
    {
      const double r = Uniform(0.2, 2) * size;
      ON_3dPoint p(centre.x + r * std::cos(angle), centre.y + r * std::sin(angle), 0);
      if (polygon.Count() > 0 && Integer(0, 4) == 0)
        p.y = polygon[polygon.Count() - 1].y;
      polygon.Append(Integer(0, 2) == 0 ? Grid(p) : p);
    }
    if (Integer(0, 1))
      polygon.Reverse();
    polygon.Append(polygon[0]);
    return polygon;
  }

  // Query points for a polygon: anywhere, near or on sides, at corners, level with corners.
  ON_3dPoint Query(const ON_Polyline& polygon)
  {
    const int n = polygon.Count() - 1;
    const int i = Integer(0, n - 1);
    switch (Integer(0, 4))
    {
    case 0:
      return ON_3dPoint(polygon[i].x + Uniform(-25, 25), polygon[i].y + Uniform(-25, 25), 0);
    case 1:
      return ON_3dPoint(Nudge(polygon[i].x), Nudge(polygon[i].y), 0);
    case 2:
      return ON_3dPoint(polygon[Integer(0, n - 1)].x + Uniform(-25, 25), polygon[i].y, 0);
    default:
      return NearLine(polygon[i], polygon[i + 1]);
    }
  }

private:
  std::mt19937_64 m_random;
};

std::string Text(const ON_3dPoint& p)
{
  char text[128];
  std::snprintf(text, sizeof text, "(%.17g, %.17g)", p.x, p.y);
  return text;
}

} // namespace

TEST(PlanarPredicatesExact, SideOfALine)
{
  Inputs in(1);
  int naiveWrong = 0;
  for (int k = 0; k < 40000; k++)
  {
    const ON_Line line = in.SurveyLine();
    const ON_3dPoint p = k % 4 == 0 ? in.Survey() : in.NearLine(line.from, line.to);
    const double c = (p.y - line.from.y) * (line.to.x - line.from.x) - (line.to.y - line.from.y) * (p.x - line.from.x);
    if ((c > 0 ? 1 : (c < 0 ? 2 : 0)) != RefSide(line.from, line.to, p, 0.0))
      naiveWrong++;
    // Tolerance 0, a small one, and one at the rounded size of the exact cross product itself.
    const double tolerances[] = {0.0, 1e-9, std::fabs(Cross(line.from, line.to, p).get_d())};
    for (double tolerance : tolerances)
      ASSERT_EQ(QORLine2d::PointOnWhichSideOfLine(p, line, tolerance), RefSide(line.from, line.to, p, tolerance))
          << Text(line.from) << " " << Text(line.to) << " " << Text(p) << " tolerance " << tolerance;
  }
  // The near-line points are hard: plain double arithmetic misjudges some of them.
  EXPECT_GT(naiveWrong, 0);
}

TEST(PlanarPredicatesExact, PointOnSegment)
{
  Inputs in(2);
  for (int k = 0; k < 20000; k++)
  {
    ON_Line s = in.SurveyLine();
    if (k % 5 == 0)
      s.to.x = s.from.x; // vertical
    const ON_3dPoint p = in.NearLine(s.from, s.to);
    const Q c = Cross(s.from, s.to, p);
    const Q squared = c * c / SquaredDistance(s.to, s.from);
    const double tolerances[] = {0.0, 1e-7, std::sqrt(squared.get_d())};
    for (double tolerance : tolerances)
      ASSERT_EQ(QORLine2d::PointOnSegment(p, s, tolerance), RefOnSegment(p, s, tolerance) ? 1 : 0)
          << Text(s.from) << " " << Text(s.to) << " " << Text(p) << " tolerance " << tolerance;
  }
}

TEST(PlanarPredicatesExact, SegmentIntersection)
{
  Inputs in(3);
  for (int k = 0; k < 20000; k++)
  {
    const ON_Line a = in.SurveyLine();
    ON_Line b;
    switch (k % 4)
    {
    case 0: // anywhere
      b = ON_Line(in.Survey(), in.Survey());
      break;
    case 1: // an end of b nearly on a: T junctions
      b = ON_Line(in.NearLine(a.from, a.to), in.Survey());
      break;
    case 2: // through a point near an end of a
    {
      const ON_3dPoint end = k % 8 == 2 ? a.from : a.to;
      const ON_3dPoint through(in.Nudge(end.x), in.Nudge(end.y), 0);
      const ON_3dPoint far = in.Survey();
      b = ON_Line(far, through + 2.0 * (through - far));
      break;
    }
    default: // nearly on one carrier
      b = ON_Line(in.NearLine(a.from, a.to), in.NearLine(a.from, a.to));
      break;
    }
    for (int endContact : {0, 1})
      for (double tolerance : {0.0, 1e-4})
      {
        ON_2dPoint p(0, 0);
        const int result = QORLine2d::IntersectSegments(a, b, p, endContact, tolerance);
        ASSERT_EQ(result, RefCrossing(a, b, endContact, tolerance) ? 1 : 0)
            << Text(a.from) << " " << Text(a.to) << " / " << Text(b.from) << " " << Text(b.to) << " contact "
            << endContact << " tolerance " << tolerance;
        if (result)
        {
          // The crossing lies on both carriers, to rounding, also for nearly parallel segments.
          const ON_3dPoint crossing(p.x, p.y, 0);
          EXPECT_LT(QORLine2d::Distance(crossing, a), 1e-8);
          EXPECT_LT(QORLine2d::Distance(crossing, b), 1e-8);
        }
      }
  }
}

TEST(PlanarPredicatesExact, PointAndSegmentAgainstPolygons)
{
  Inputs in(4);
  int doubleWrong = 0;
  for (int k = 0; k < 400; k++)
  {
    const ON_Polyline polygon = in.Polygon(in.Integer(3, 14));
    for (int q = 0; q < 40; q++)
    {
      const ON_3dPoint p = in.Query(polygon), r = in.Query(polygon);
      const int exact = RefPointAndPolygon(p, polygon, 0.0);
      if (exact != 1 && exact != DoublePointAndPolygon(p, polygon))
        doubleWrong++;
      for (double tolerance : {0.0, 1e-7})
      {
        ASSERT_EQ(QORPolygon2d::PointAndPolygon(p, polygon, tolerance), RefPointAndPolygon(p, polygon, tolerance))
            << "polygon " << k << " point " << Text(p) << " tolerance " << tolerance;
        const ON_Line s(p, q % 5 == 0 ? polygon[in.Integer(0, polygon.Count() - 1)] : r);
        ASSERT_EQ(QORPolygon2d::SegmentAndPolygon(s, polygon, tolerance), RefSegmentAndPolygon(s, polygon, tolerance))
            << "polygon " << k << " segment " << Text(s.from) << " " << Text(s.to) << " tolerance " << tolerance;
      }
    }
  }
  // Some points lie so near a side that the crossing rule in plain doubles puts them wrongly.
  EXPECT_GT(doubleWrong, 0);
}

TEST(PlanarPredicatesExact, OrientationAndConvexity)
{
  Inputs in(5);
  int doubleWrong = 0;
  for (int k = 0; k < 6000; k++)
  {
    ON_Polyline polygon;
    if (k % 3 == 0)
      polygon = in.Polygon(in.Integer(3, 9));
    else if (k % 3 == 1)
    {
      // A sliver: the third corner nearly on the line through the first two.
      const ON_Line line = in.SurveyLine();
      polygon.Append(line.from);
      polygon.Append(line.to);
      polygon.Append(in.NearLine(line.from, line.to));
      polygon.Append(line.from);
      double twice = 0.0;
      for (int i = 0; i < 3; i++)
        twice += polygon[i].x * polygon[i + 1].y - polygon[i + 1].x * polygon[i].y;
      if ((twice > 0 ? 1 : (twice < 0 ? 0 : 2)) != RefOrientation(polygon))
        doubleWrong++;
    }
    else
    {
      // A convex polygon with corners nearly on the line between their neighbours.
      const ON_Polyline hull = in.Polygon(3);
      for (int i = 0; i < 3; i++)
      {
        polygon.Append(hull[i]);
        if (in.Integer(0, 1))
          polygon.Append(in.NearLine(hull[i], hull[i + 1]));
      }
      polygon.Append(polygon[0]);
    }
    const int orientation = QORPolygon2d::Orientation(polygon);
    ASSERT_EQ(orientation, RefOrientation(polygon)) << "polygon " << k;
    const double area = QORPolygon2d::Area(polygon);
    EXPECT_EQ(area > 0 ? 1 : (area < 0 ? 0 : 2), orientation) << "polygon " << k;
    for (int allowStraight : {0, 1})
      for (double tolerance : {0.0, 1e-6})
        ASSERT_EQ(QORPolygon2d::IsConvex(polygon, allowStraight, tolerance),
                  RefIsConvex(polygon, allowStraight, tolerance))
            << "polygon " << k << " allowStraight " << allowStraight << " tolerance " << tolerance;
  }
  // The slivers are thin enough for the shoelace sum in plain doubles to get some of them wrong.
  EXPECT_GT(doubleWrong, 0);
}
