#include "QORCurve.h"

#include "QORCurveFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

using namespace qor_curve_fixtures;

namespace
{
const ON_3dPoint kSurvey(500000.125, 5000000.25, 312.5);

// Nearest distance from X to the polyline's segments.
double DistanceToPolyline(const ON_3dPointArray& polyline, const ON_3dPoint& X)
{
  double best = 1e300;
  for (int i = 1; i < polyline.Count(); i++)
    best = std::min(best, ON_Line(polyline[i - 1], polyline[i]).MinimumDistanceTo(X));
  return best;
}

void ExpectPoints(const ON_3dPointArray& actual, const ON_3dPointArray& expected, double tolerance)
{
  ASSERT_EQ(actual.Count(), expected.Count());
  for (int i = 0; i < actual.Count(); i++)
    EXPECT_LE(actual[i].DistanceTo(expected[i]), tolerance) << i;
}
} // namespace

// The DXF writer asks, in this order, line, circle, arc, polyline.
TEST(QORCurve, ClassifiesCurvesAsTheDxfWriterAsks)
{
  const ON_LineCurve line(ON_3dPoint(1, 2, 3), ON_3dPoint(4, 6, 3));
  const ON_NurbsCurve straightCubic = Clamped(4, Points({{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {4, 4, 4}}));
  const ON_NurbsCurve surveyCubic =
      Clamped(4, Points({kSurvey, kSurvey + ON_3dVector(1, 3, 0.1), kSurvey + ON_3dVector(2, 6, 0.2),
                         kSurvey + ON_3dVector(4, 12, 0.4)}));
  const ON_NurbsCurve full = ArcNurbs(ON_3dPoint(1, 2, 0), 3, 0, 2 * ON_PI);
  const ON_NurbsCurve half = ArcNurbs(ON_3dPoint(0, 0, 0), 2, 0, ON_PI);
  const ON_NurbsCurve quarter = ArcNurbs(ON_3dPoint(0, 0, 0), 5, 0, 0.5 * ON_PI);
  const ON_NurbsCurve surveyFull = ArcNurbs(kSurvey, 7.5, 0, 2 * ON_PI);
  const ON_NurbsCurve surveyHalf = ArcNurbs(kSurvey, 7.5, 0.25, 0.25 + ON_PI);
  const ON_ArcCurve arcCurve = Arc(ON_3dPoint(0, 0, 0), 1, 0, 1);
  const ON_PolylineCurve bent(Points({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}));
  const ON_NurbsCurve parabola = Clamped(3, Points({{-1, 1, 0}, {0, -1, 0}, {1, 1, 0}}));
  ON_PolyCurve lines;
  lines.Append(new ON_LineCurve(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0)));
  lines.Append(new ON_LineCurve(ON_3dPoint(1, 0, 0), ON_3dPoint(1, 2, 0)));
  const ON_PolylineCurve noPoints;
  const ON_NurbsCurve noVertices;

  struct Case
  {
    const char* name;
    const ON_Curve* curve;
    int line, circle, arc, polyline;
  };
  const std::vector<Case> cases = {
      {"line curve", &line, 1, 0, 0, 1},
      {"straight cubic", &straightCubic, 1, 0, 0, 0},
      {"straight cubic at survey coordinates", &surveyCubic, 1, 0, 0, 0},
      {"full circle", &full, 0, 1, 1, 0},
      {"half circle", &half, 0, 0, 1, 0},
      {"0 to 90 degrees", &quarter, 0, 0, 1, 0},
      {"full circle at survey coordinates", &surveyFull, 0, 1, 1, 0},
      {"half circle at survey coordinates", &surveyHalf, 0, 0, 1, 0},
      {"arc curve", &arcCurve, 0, 0, 1, 0},
      {"bent polyline", &bent, 0, 0, 0, 1},
      {"parabola", &parabola, 0, 0, 0, 0},
      {"poly curve of lines", &lines, 0, 0, 0, 1},
      {"polyline without points", &noPoints, 0, 0, 0, 0},
      {"NURBS curve without vertices", &noVertices, 0, 0, 0, 0},
      {"no curve", nullptr, 0, 0, 0, 0},
  };
  for (const Case& c : cases)
  {
    ON_Line l(ON_3dPoint(9, 9, 9), ON_3dPoint(8, 8, 8));
    ON_Circle circle(ON_3dPoint(7, 7, 7), 7);
    ON_Arc arc(ON_Circle(ON_3dPoint(6, 6, 6), 6), 1.0);
    ON_Polyline polyline(Points({{5, 5, 5}}));
    EXPECT_EQ(QORCurve::IsLine(c.curve, l), c.line) << c.name;
    EXPECT_EQ(QORCurve::IsCircle(c.curve, circle), c.circle) << c.name;
    EXPECT_EQ(QORCurve::IsArc(c.curve, arc), c.arc) << c.name;
    EXPECT_EQ(QORCurve::IsPolyline(c.curve, polyline), c.polyline) << c.name;
    // A failed test leaves its output as it was.
    if (!c.line)
    {
      EXPECT_EQ(l.from, ON_3dPoint(9, 9, 9)) << c.name;
    }
    if (!c.circle)
    {
      EXPECT_EQ(circle.radius, 7.0) << c.name;
    }
    if (!c.arc)
    {
      EXPECT_EQ(arc.radius, 6.0) << c.name;
    }
    if (!c.polyline)
    {
      EXPECT_EQ(polyline.Count(), 1) << c.name;
    }
    if (c.line)
    {
      EXPECT_EQ(l.from, c.curve->PointAtStart()) << c.name;
      EXPECT_EQ(l.to, c.curve->PointAtEnd()) << c.name;
    }
    if (c.arc)
    {
      EXPECT_LE(arc.StartPoint().DistanceTo(c.curve->PointAtStart()), 1e-9) << c.name;
      EXPECT_LE(arc.EndPoint().DistanceTo(c.curve->PointAtEnd()), 1e-9) << c.name;
    }
  }
}

TEST(QORCurve, ArcsKeepTheirMeasuresAnywhere)
{
  for (const ON_3dPoint& centre : {ON_3dPoint(0, 0, 0), kSurvey})
  {
    const ON_NurbsCurve quarter = ArcNurbs(centre, 5, 0, 0.5 * ON_PI);
    const ON_NurbsCurve full = ArcNurbs(centre, 5, 0, 2 * ON_PI);
    ON_Arc arc;
    ASSERT_EQ(QORCurve::IsArc(&quarter, arc), 1);
    EXPECT_NEAR(arc.radius, 5, 1e-9);
    EXPECT_NEAR(arc.AngleRadians(), 0.5 * ON_PI, 1e-12);
    EXPECT_LE(arc.Center().DistanceTo(centre), 1e-9);
    EXPECT_LE(arc.StartPoint().DistanceTo(centre + ON_3dVector(5, 0, 0)), 1e-9);
    EXPECT_LE(arc.EndPoint().DistanceTo(centre + ON_3dVector(0, 5, 0)), 1e-9);
    ON_Circle circle;
    ASSERT_EQ(QORCurve::IsCircle(&full, circle), 1);
    EXPECT_NEAR(circle.radius, 5, 1e-9);
    EXPECT_LE(circle.Center().DistanceTo(centre), 1e-9);
  }
  // An absolute 1e-12 finds no arc at survey coordinates: their rounding is larger than that.
  const ON_NurbsCurve survey = ArcNurbs(kSurvey, 7.5, 0, ON_PI), small = ArcNurbs(ON_3dPoint(0, 0, 0), 0.5, 0, ON_PI);
  EXPECT_FALSE(survey.IsArc(nullptr, nullptr, 1e-12));
  EXPECT_DOUBLE_EQ(QORCurve::ClassificationTolerance(&survey), 1e-12 * (5000000.25 + 7.5));
  EXPECT_DOUBLE_EQ(QORCurve::ClassificationTolerance(&small), 1e-12);
}

TEST(QORCurve, CurveObjectsFromTheTests)
{
  const ON_NurbsCurve straight = Clamped(3, Points({{0, 0, 0}, {1, 0, 0}, {3, 0, 0}}));
  const ON_NurbsCurve arc = ArcNurbs(ON_3dPoint(1, 1, 0), 2, 0, 1);
  const ON_NurbsCurve corner = Clamped(2, Points({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}));
  ON_LineCurve lineCurve;
  ASSERT_EQ(QORCurve::IsLineCurve(&straight, lineCurve), 1);
  EXPECT_EQ(lineCurve.m_line.to, ON_3dPoint(3, 0, 0));
  EXPECT_EQ(lineCurve.Domain(), ON_Interval(0, 3));
  ON_ArcCurve arcCurve;
  ASSERT_EQ(QORCurve::IsArcCurve(&arc, arcCurve), 1);
  EXPECT_NEAR(arcCurve.Radius(), 2, 1e-12);
  EXPECT_TRUE(arcCurve.IsValid());
  ON_PolylineCurve polylineCurve;
  ASSERT_EQ(QORCurve::IsPolylineCurve(&corner, polylineCurve), 1);
  EXPECT_EQ(polylineCurve.PointCount(), 3);
  EXPECT_TRUE(polylineCurve.IsValid());
  EXPECT_EQ(QORCurve::IsArcCurve(&straight, arcCurve), 0);
  EXPECT_NEAR(arcCurve.Radius(), 2, 1e-12);
}

TEST(QORCurve, ExtractPointsFromLine)
{
  ON_3dPointArray points(Points({{-1, -1, -1}}));
  ASSERT_EQ(QORCurve::ExtractPointsFromLine(ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(10, 0, 0)), points, 4), 1);
  ExpectPoints(points, Points({{-1, -1, -1}, {0, 0, 0}, {10.0 / 3, 0, 0}, {20.0 / 3, 0, 0}, {10, 0, 0}}), 1e-12);

  struct Case
  {
    const char* name;
    ON_Line line;
    double maximum;
    const char* error;
  };
  for (const Case& c :
       {Case{"no maximum", ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(10, 0, 0)), 0.0,
             "Maximum distance must be greater than zero"},
        Case{"negative maximum", ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(10, 0, 0)), -1.0,
             "Maximum distance must be greater than zero"},
        Case{"point", ON_Line(ON_3dPoint(1, 1, 1), ON_3dPoint(1, 1, 1)), 1.0, "Line is invalid"},
        Case{"unset end", ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint::UnsetPoint), 1.0, "Line is invalid"},
        Case{"spacing too fine", ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(10, 0, 0)), 1e-9, "Too many sample points"}})
  {
    ON_3dPointArray kept(Points({{7, 7, 7}}));
    EXPECT_EQ(QORCurve::ExtractPointsFromLine(c.line, kept, c.maximum), 0) << c.name;
    EXPECT_EQ(Text(QORCurve::GetError()), c.error) << c.name;
    EXPECT_EQ(kept.Count(), 1) << c.name;
  }
}

TEST(QORCurve, ExtractPointsFromPolylineThinsAndSplitsWithoutRepeats)
{
  struct Case
  {
    const char* name;
    ON_3dPointArray polyline;
    double maximum, minimum, angle;
    ON_3dPointArray expected;
  };
  const std::vector<Case> cases = {
      {"straight: the middle point is no corner", Points({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}), 100, 0.1, 1,
       Points({{0, 0, 0}, {2, 0, 0}})},
      {"a corner is kept, the end once", Points({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}), 100, 0.1, 1,
       Points({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}})},
      {"long stretches are split, each point once", Points({{0, 0, 0}, {6, 0, 0}, {6, 6, 0}}), 4, 0.1, 10,
       Points({{0, 0, 0}, {3, 0, 0}, {6, 0, 0}, {6, 3, 0}, {6, 6, 0}})},
      {"a single long segment", Points({{0, 0, 0}, {10, 0, 0}}), 4, 0.1, 10,
       Points({{0, 0, 0}, {10.0 / 3, 0, 0}, {20.0 / 3, 0, 0}, {10, 0, 0}})},
      {"a corner too close to the last point is skipped", Points({{0, 0, 0}, {1, 0, 0}, {1, 0.1, 0}, {5, 0.1, 0}}), 100,
       0.5, 10, Points({{0, 0, 0}, {1, 0, 0}, {5, 0.1, 0}})},
      {"an end too close to the last point still ends it", Points({{0, 0, 0}, {1, 0, 0}, {1, 0.1, 0}}), 100, 0.5, 10,
       Points({{0, 0, 0}, {1, 0, 0}, {1, 0.1, 0}})},
      {"a single point", Points({{2, 3, 4}}), 1, 0.1, 10, Points({{2, 3, 4}})},
  };
  for (const Case& c : cases)
  {
    ON_3dPointArray points;
    ASSERT_EQ(QORCurve::ExtractPointsFromPolyline(c.polyline, points, c.maximum, c.minimum, c.angle), 1) << c.name;
    SCOPED_TRACE(c.name);
    ExpectPoints(points, c.expected, 1e-12);
  }
  // A split stretch that cuts a skipped bend is put back on the polyline.
  ON_3dPointArray points;
  const ON_3dPointArray bend = Points({{0, 0, 0}, {2, 0.5, 0}, {10, 0, 0}});
  ASSERT_EQ(QORCurve::ExtractPointsFromPolyline(bend, points, 3, 0.1, 45), 1);
  ASSERT_EQ(points.Count(), 5);
  for (int i = 0; i < points.Count(); i++)
    EXPECT_LE(DistanceToPolyline(bend, points[i]), 1e-12) << i;
  EXPECT_EQ(points[4], ON_3dPoint(10, 0, 0));

  ON_3dPointArray kept(Points({{7, 7, 7}}));
  EXPECT_EQ(QORCurve::ExtractPointsFromPolyline(ON_Polyline(), kept, 1, 0.1, 10), 0);
  EXPECT_EQ(QORCurve::ExtractPointsFromPolyline(Points({{0, 0, 0}, {1, 0, 0}}), kept, 0, 0.1, 10), 0);
  EXPECT_EQ(Text(QORCurve::GetError()), "Maximum distance must be greater than zero");
  EXPECT_EQ(
      QORCurve::ExtractPointsFromPolyline(Points({{0, 0, 0}, {1000, 0, 0}, {1000, 1000, 0}}), kept, 1e-4, 0.1, 10), 0);
  EXPECT_EQ(Text(QORCurve::GetError()), "Too many sample points");
  EXPECT_EQ(kept.Count(), 1);
}

TEST(QORCurve, ExtractPointsFromNurbsCurveByLengthAndTurn)
{
  const double radius = 10.0;
  const ON_NurbsCurve circle = ArcNurbs(kSurvey, radius, 0, 2 * ON_PI);
  const double length = 2 * ON_PI * radius;
  struct Case
  {
    const char* name;
    double maximum, minimum, angle;
    double spacing; // expected arc length between kept points
  };
  // 63 samples about 0.997 apart: kept every fifth by length, or every second by a turn of 10 degrees.
  for (const Case& c : {Case{"by length", 5, 1, 180, 5 * length / 63}, Case{"by turn", 100, 1, 10, 2 * length / 63}})
  {
    ON_3dPointArray points(Points({{1, 2, 3}}));
    ASSERT_EQ(QORCurve::ExtractPointsFromNurbsCurve(circle, points, c.maximum, c.minimum, c.angle), 1) << c.name;
    EXPECT_EQ(points[0], ON_3dPoint(1, 2, 3));
    EXPECT_EQ(points[1], circle.PointAtStart());
    EXPECT_EQ(points[points.Count() - 1], circle.PointAtEnd());
    for (int i = 1; i < points.Count(); i++)
      EXPECT_NEAR(points[i].DistanceTo(kSurvey), radius, 1e-8) << c.name << i;
    // Chords of equal arcs: 2 r sin(arc / 2r).
    const double chord = 2 * radius * std::sin(c.spacing / (2 * radius));
    for (int i = 2; i + 1 < points.Count(); i++)
      EXPECT_NEAR(points[i].DistanceTo(points[i - 1]), chord, 1e-6) << c.name << i;
  }
  // Degree 1 is handled as the polyline of its control points.
  ON_3dPointArray fromPolygon, fromPolyline;
  const ON_3dPointArray corners = Points({{0, 0, 0}, {6, 0, 0}, {6, 6, 0}});
  ASSERT_EQ(QORCurve::ExtractPointsFromNurbsCurve(Clamped(2, corners), fromPolygon, 4, 0.1, 10), 1);
  ASSERT_EQ(QORCurve::ExtractPointsFromPolyline(corners, fromPolyline, 4, 0.1, 10), 1);
  ExpectPoints(fromPolygon, fromPolyline, 0.0);

  struct Failure
  {
    double maximum, minimum;
    const char* error;
  };
  for (const Failure& f :
       {Failure{0, 1, "Maximum distance must be greater than zero"},
        Failure{1, 0, "Minimum distance must be greater than zero"}, Failure{1, 1e-6, "Too many sample points"}})
  {
    ON_3dPointArray kept(Points({{7, 7, 7}}));
    EXPECT_EQ(QORCurve::ExtractPointsFromNurbsCurve(circle, kept, f.maximum, f.minimum, 10), 0) << f.error;
    EXPECT_EQ(Text(QORCurve::GetError()), f.error);
    EXPECT_EQ(kept.Count(), 1);
  }
  ON_3dPointArray kept;
  EXPECT_EQ(QORCurve::ExtractPointsFromNurbsCurve(ON_NurbsCurve(), kept, 1, 1, 10), 0);
  EXPECT_EQ(Text(QORCurve::GetError()), "Curve is invalid");
}

TEST(QORCurve, ExtractPointsFromCurveDispatchesByType)
{
  const ON_LineCurve line(ON_3dPoint(0, 0, 0), ON_3dPoint(10, 0, 0));
  ON_3dPointArray viaCurve, direct;
  ASSERT_EQ(QORCurve::ExtractPointsFromCurve(&line, viaCurve, 4, 100, 10), 1); // a line ignores the minimum
  ASSERT_EQ(QORCurve::ExtractPointsFromLine(line.m_line, direct, 4), 1);
  ExpectPoints(viaCurve, direct, 0.0);

  const ON_ArcCurve arc = Arc(ON_3dPoint(0, 0, 0), 3, 0, ON_PI);
  ON_3dPointArray fromArc;
  ASSERT_EQ(QORCurve::ExtractPointsFromCurve(&arc, fromArc, 1, 0.1, 90), 1);
  EXPECT_EQ(fromArc[fromArc.Count() - 1], arc.PointAtEnd());
  for (int i = 1; i < fromArc.Count(); i++)
    EXPECT_LE(fromArc[i].DistanceTo(fromArc[i - 1]), 1.0 + 1e-9);

  // A poly curve segment by segment; one bad segment fails the whole and appends nothing.
  ON_PolyCurve poly;
  poly.Append(new ON_LineCurve(ON_3dPoint(0, 0, 0), ON_3dPoint(2, 0, 0)));
  poly.Append(new ON_PolylineCurve(Points({{2, 0, 0}, {2, 2, 0}, {4, 2, 0}})));
  ON_3dPointArray fromPoly;
  ASSERT_EQ(QORCurve::ExtractPointsFromCurve(&poly, fromPoly, 10, 0.1, 10), 1);
  ExpectPoints(fromPoly, Points({{0, 0, 0}, {2, 0, 0}, {2, 0, 0}, {2, 2, 0}, {4, 2, 0}}), 0.0);
  poly.Append(new ON_LineCurve(ON_3dPoint(4, 2, 0), ON_3dPoint(4, 2, 0)));
  ON_3dPointArray kept(Points({{7, 7, 7}}));
  EXPECT_EQ(QORCurve::ExtractPointsFromCurve(&poly, kept, 10, 0.1, 10), 0);
  EXPECT_EQ(Text(QORCurve::GetError()), "Line is invalid");
  EXPECT_EQ(kept.Count(), 1);
  EXPECT_EQ(QORCurve::ExtractPointsFromCurve(nullptr, kept, 10, 0.1, 10), 0);
  EXPECT_EQ(QORCurve::ExtractPointsFromCurve(&arc, kept, 0, 0.1, 10), 0);
  EXPECT_EQ(Text(QORCurve::GetError()), "Maximum distance must be greater than zero");
}

TEST(QORCurve, PolylinesIntoPointAndLineLists)
{
  const ON_Polyline closed(Points({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 0, 0}}));
  const ON_Polyline open(Points({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}));
  ON_SimpleArray<ON_3dPoint> points;
  points.Append(ON_3dPoint(9, 9, 9));
  QORCurve::AddPolylineToPointArray(closed, points);
  EXPECT_EQ(points.Count(), 4);
  QORCurve::AddPolylineToPointArray(open, points);
  EXPECT_EQ(points.Count(), 7);
  EXPECT_EQ(points[6], ON_3dPoint(1, 1, 0));
  ON_ClassArray<ON_Line> lines;
  QORCurve::AddPolylineToLineArray(closed, lines);
  ASSERT_EQ(lines.Count(), 3);
  EXPECT_EQ(lines[2].from, ON_3dPoint(1, 1, 0));
  EXPECT_EQ(lines[2].to, ON_3dPoint(0, 0, 0));
}

TEST(QORCurve, PolylineWithinChordalTolerance)
{
  const ON_ArcCurve circle = Arc(kSurvey, 10, 0, 2 * ON_PI);
  const ON_NurbsCurve wiggle = Clamped(4, Points({{0, 0, 0}, {1, 3, 0}, {3, -1, 2}, {4, 4, 0}, {6, 0, 1}}));
  for (const ON_Curve* curve : {static_cast<const ON_Curve*>(&circle), static_cast<const ON_Curve*>(&wiggle)})
  {
    for (double tolerance : {0.1, 0.001})
    {
      ON_Polyline polyline;
      ASSERT_EQ(QORCurve::CreatePolylineWithinTolerance(curve, tolerance, polyline), 1);
      EXPECT_EQ(polyline[0], curve->PointAtStart());
      EXPECT_LE(polyline[polyline.Count() - 1].DistanceTo(curve->PointAtEnd()), 1e-9);
      const ON_Interval d = curve->Domain();
      for (int i = 0; i <= 20000; i++)
        EXPECT_LE(DistanceToPolyline(polyline, curve->PointAt(d.ParameterAt(i / 20000.0))), tolerance)
            << tolerance << " " << i;
      if (curve == &circle) // no more points than the sagitta asks for, give or take a halving
      {
        EXPECT_LE(polyline.Count(), 2 * ON_PI / std::acos(1 - tolerance / 10) * 2 + 2);
      }
    }
  }
  // A polyline is its own.
  ON_Polyline polyline;
  const ON_PolylineCurve corners(Points({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}));
  ASSERT_EQ(QORCurve::CreatePolylineWithinTolerance(&corners, 0.5, polyline), 1);
  EXPECT_EQ(polyline.Count(), 3);
  ON_Polyline kept(Points({{7, 7, 7}}));
  EXPECT_EQ(QORCurve::CreatePolylineWithinTolerance(&circle, 0.0, kept), 0);
  EXPECT_EQ(QORCurve::CreatePolylineWithinTolerance(&circle, 1e-13, kept), 0);
  EXPECT_EQ(Text(QORCurve::GetError()), "Too many sample points");
  EXPECT_EQ(QORCurve::CreatePolylineWithinTolerance(nullptr, 0.1, kept), 0);
  EXPECT_EQ(kept.Count(), 1);
}
