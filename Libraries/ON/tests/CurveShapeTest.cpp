// Shape queries of the curve classes: linear, polyline, arc, planar, closed, curvature, and the
// NURBS forms they all give.

#include "opennurbs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace
{
ON_NurbsCurve Clamped(int order, const std::vector<ON_3dPoint>& points)
{
  ON_NurbsCurve curve;
  curve.CreateClampedUniformNurbs(3, order, static_cast<int>(points.size()), points.data());
  return curve;
}

ON_NurbsCurve NurbsOf(const ON_Curve& curve)
{
  ON_NurbsCurve nurbs;
  EXPECT_TRUE(curve.GetNurbForm(nurbs));
  return nurbs;
}

// Arc of the given radius about centre in a plane parallel to world XY, from angle a0 to a1.
ON_ArcCurve ArcAt(const ON_3dPoint& centre, double radius, double a0, double a1)
{
  ON_Plane plane;
  plane.origin = centre;
  plane.UpdateEquation();
  return ON_ArcCurve(ON_Arc(ON_Circle(plane, radius), ON_Interval(a0, a1)));
}
} // namespace

TEST(ON_CurveShape, IsLinearFollowsTheControlPolygonAndItsTolerance)
{
  struct Case
  {
    const char* name;
    std::vector<ON_3dPoint> cv;
    double tolerance;
    bool linear;
  };
  const std::vector<Case> cases = {
      {"collinear cubic", {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {4, 4, 4}}, ON_ZERO_TOLERANCE, true},
      {"turning back beyond tolerance", {{0, 0, 0}, {3, 0, 0}, {1, 0, 0}, {4, 0, 0}}, ON_ZERO_TOLERANCE, false},
      {"beyond the end", {{0, 0, 0}, {1.5, 0, 0}, {1, 0, 0}}, ON_ZERO_TOLERANCE, false},
      {"bent", {{0, 0, 0}, {1, 0.001, 0}, {2, 0, 0}}, ON_ZERO_TOLERANCE, false},
      {"bent within a loose tolerance", {{0, 0, 0}, {1, 0.001, 0}, {2, 0, 0}}, 0.01, true},
      // Tolerance 0 asks for coincidence: 1e-11 off passes, 1e-9 off does not.
      {"coincidence mode, tiny offset", {{0, 0, 0}, {1, 1e-11, 0}, {2, 0, 0}}, 0.0, true},
      {"coincidence mode, small offset", {{0, 0, 0}, {1, 1e-9, 0}, {2, 0, 0}}, 0.0, false},
      {"closed", {{0, 0, 0}, {1, 0, 0}, {0, 0, 0}}, ON_ZERO_TOLERANCE, false},
  };
  for (const Case& c : cases)
  {
    const ON_NurbsCurve curve = Clamped(static_cast<int>(c.cv.size()) >= 4 ? 4 : 3, c.cv);
    EXPECT_EQ(curve.IsLinear(c.tolerance), c.linear) << c.name;
  }
  EXPECT_TRUE(ON_LineCurve(ON_3dPoint(500000, 5000000, 10), ON_3dPoint(500010, 5000003, 12)).IsLinear());
  ON_3dPointArray straight;
  straight.Append(ON_3dPoint(0, 0, 0));
  straight.Append(ON_3dPoint(1, 2, 0));
  straight.Append(ON_3dPoint(3, 6, 0));
  EXPECT_TRUE(ON_PolylineCurve(straight).IsLinear());
  straight[1].x += 0.5;
  EXPECT_FALSE(ON_PolylineCurve(straight).IsLinear());
  EXPECT_FALSE(ArcAt(ON_3dPoint(0, 0, 0), 1, 0, 1).IsLinear(0.5));
}

TEST(ON_CurveShape, IsPolylineGivesCornersAndParameters)
{
  // Degree 1: the control vertices and knots.
  const ON_NurbsCurve degree1 = Clamped(2, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}});
  ON_SimpleArray<ON_3dPoint> points;
  ON_SimpleArray<double> t;
  ASSERT_EQ(degree1.IsPolyline(&points, &t), 3);
  EXPECT_EQ(points[2], ON_3dPoint(1, 1, 0));
  EXPECT_EQ(t[1], 1.0);

  // Degree 2 with a Bezier span per segment and the middle control vertex halfway: a polyline.
  ON_NurbsCurve bezier(3, false, 3, 5);
  const ON_3dPoint cv[5] = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 3, 0}, {2, 6, 0}};
  const double knots[6] = {0, 0, 1, 1, 3, 3};
  for (int i = 0; i < 5; i++)
    bezier.SetCV(i, cv[i]);
  for (int i = 0; i < 6; i++)
    bezier.SetKnot(i, knots[i]);
  ASSERT_TRUE(bezier.IsValid());
  ASSERT_EQ(bezier.IsPolyline(&points, &t), 3);
  EXPECT_EQ(points[1], ON_3dPoint(2, 0, 0));
  EXPECT_EQ(t[1], 1.0);
  EXPECT_EQ(t[2], 3.0);
  // The same vertices off the halfway point: not a polyline (the parameter is not linear), and
  // the outputs are emptied.
  bezier.SetCV(1, ON_3dPoint(0.5, 0, 0));
  EXPECT_EQ(bezier.IsPolyline(&points, &t), 0);
  EXPECT_EQ(points.Count(), 0);
  // Uniform knots are not Bezier spans.
  EXPECT_EQ(Clamped(3, {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}}).IsPolyline(), 0);

  // A closed polyline ends on its first point exactly.
  ON_3dPointArray square;
  for (const ON_3dPoint& p :
       {ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0), ON_3dPoint(0, 1, 0), ON_3dPoint(1e-14, 0, 0)})
    square.Append(p);
  ASSERT_EQ(Clamped(2, std::vector<ON_3dPoint>(square.Array(), square.Array() + 5)).IsPolyline(&points), 5);
  EXPECT_EQ(points[4], points[0]);

  // A poly curve of a line and a polyline: one polyline on the poly curve's parameters.
  ON_PolyCurve poly;
  poly.Append(new ON_LineCurve(ON_3dPoint(0, 0, 0), ON_3dPoint(2, 0, 0)));
  ON_3dPointArray rest;
  rest.Append(ON_3dPoint(2, 0, 0));
  rest.Append(ON_3dPoint(2, 1, 0));
  rest.Append(ON_3dPoint(3, 1, 0));
  poly.Append(new ON_PolylineCurve(rest));
  ASSERT_EQ(poly.IsPolyline(&points, &t), 4);
  EXPECT_EQ(points[3], ON_3dPoint(3, 1, 0));
  for (int i = 0; i < 4; i++)
    EXPECT_EQ(poly.PointAt(t[i]), points[i]) << i;
  EXPECT_EQ(ArcAt(ON_3dPoint(0, 0, 0), 1, 0, 1).IsPolyline(&points), 0);
}

TEST(ON_CurveShape, IsArcOnNurbsFormsOfArcsAndCircles)
{
  struct Case
  {
    const char* name;
    ON_3dPoint centre;
    double radius, a0, a1;
    double tolerance;
  };
  const std::vector<Case> cases = {
      {"full circle", {1, 2, 3}, 2.5, 0, 2 * ON_PI, ON_ZERO_TOLERANCE},
      {"half circle", {0, 0, 0}, 1, 0, ON_PI, ON_ZERO_TOLERANCE},
      {"0 to 90 degrees", {0, 0, 0}, 4, 0, 0.5 * ON_PI, ON_ZERO_TOLERANCE},
      {"turned 300 degrees", {-3, 1, 0}, 0.2, 1, 1 + 5 * ON_PI / 3, ON_ZERO_TOLERANCE},
      // Far from the origin the rounding of the coordinates exceeds any absolute 1e-10.
      {"survey half circle", {500000.25, 5000000.5, 120}, 12.5, 0, ON_PI, 1e-6},
      {"survey full circle", {500000.25, 5000000.5, 120}, 12.5, 0, 2 * ON_PI, 1e-6},
  };
  for (const Case& c : cases)
  {
    const ON_ArcCurve source = ArcAt(c.centre, c.radius, c.a0, c.a1);
    const ON_NurbsCurve nurbs = NurbsOf(source);
    ON_Arc arc;
    ASSERT_TRUE(nurbs.IsArc(nullptr, &arc, c.tolerance)) << c.name;
    EXPECT_NEAR(arc.radius, c.radius, 1e-9 * c.radius) << c.name;
    EXPECT_LE(arc.Center().DistanceTo(c.centre), 1e-9 * c.radius) << c.name;
    EXPECT_NEAR(arc.AngleRadians(), c.a1 - c.a0, 1e-9) << c.name;
    EXPECT_EQ(arc.IsCircle(), c.a1 - c.a0 == 2 * ON_PI) << c.name;
    if (!arc.IsCircle())
    {
      EXPECT_LE(arc.StartPoint().DistanceTo(source.PointAtStart()), 1e-9 * c.radius) << c.name;
      EXPECT_LE(arc.EndPoint().DistanceTo(source.PointAtEnd()), 1e-9 * c.radius) << c.name;
    }
    ON_Arc own;
    ASSERT_TRUE(source.IsArc(nullptr, &own)) << c.name;
    EXPECT_EQ(own.radius, c.radius);
  }
  // The quarter arc starts on the x axis and ends on the y axis.
  ON_Arc quarter;
  ASSERT_TRUE(NurbsOf(ArcAt(ON_3dPoint(0, 0, 0), 4, 0, 0.5 * ON_PI)).IsArc(nullptr, &quarter));
  EXPECT_LE(quarter.StartPoint().DistanceTo(ON_3dPoint(4, 0, 0)), 1e-12);
  EXPECT_LE(quarter.EndPoint().DistanceTo(ON_3dPoint(0, 4, 0)), 1e-12);
}

TEST(ON_CurveShape, IsArcRefusesCurvesThatAreNoArcs)
{
  // A non-rational parabola, which passes through three points of a circle only.
  EXPECT_FALSE(Clamped(3, {{-1, 0, 0}, {0, 2, 0}, {1, 0, 0}}).IsArc());
  EXPECT_FALSE(Clamped(3, {{-1, 0, 0}, {0, 2, 0}, {1, 0, 0}}).IsArc(nullptr, nullptr, 0.01));
  // Collinear control vertices: a line is not an arc.
  EXPECT_FALSE(Clamped(3, {{0, 0, 0}, {1, 1, 0}, {2, 2, 0}}).IsArc(nullptr, nullptr, 0.01));
  // A quarter circle's form with the middle weight changed: a conic but no circle.
  ON_NurbsCurve conic = NurbsOf(ArcAt(ON_3dPoint(0, 0, 0), 1, 0, 0.5 * ON_PI));
  ON_4dPoint middle;
  conic.GetCV(1, middle);
  conic.SetCV(1, ON_4dPoint(middle.x / middle.w * 0.9, middle.y / middle.w * 0.9, 0, 0.9));
  EXPECT_FALSE(conic.IsArc(nullptr, nullptr, 1e-6));
  // A space curve is not planar.
  ON_NurbsCurve twisted = NurbsOf(ArcAt(ON_3dPoint(0, 0, 0), 1, 0, ON_PI));
  twisted.SetCV(2, ON_3dPoint(-1, 0, 0.5));
  EXPECT_FALSE(twisted.IsArc(nullptr, nullptr, 1e-6));
  EXPECT_FALSE(ON_LineCurve(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0)).IsArc());
}

TEST(ON_CurveShape, PolyCurveOfArcsIsOneArc)
{
  ON_PolyCurve poly;
  poly.Append(new ON_ArcCurve(ArcAt(ON_3dPoint(5, 5, 0), 2, 0, 1)));
  poly.Append(new ON_ArcCurve(ArcAt(ON_3dPoint(5, 5, 0), 2, 1, 2.5)));
  ON_Arc arc;
  ASSERT_TRUE(poly.IsArc(nullptr, &arc));
  EXPECT_NEAR(arc.AngleRadians(), 2.5, 1e-12);
  EXPECT_NEAR(arc.radius, 2, 1e-12);
  // A change of radius between the segments breaks it.
  ON_PolyCurve kinked;
  kinked.Append(new ON_ArcCurve(ArcAt(ON_3dPoint(5, 5, 0), 2, 0, 1)));
  kinked.Append(new ON_ArcCurve(ArcAt(
      ON_3dPoint(5, 5, 0) + 0.5 * (ArcAt(ON_3dPoint(5, 5, 0), 2, 0, 1).PointAtEnd() - ON_3dPoint(5, 5, 0)), 1, 1, 2)));
  EXPECT_FALSE(kinked.IsArc(nullptr, nullptr, 1e-6));
}

TEST(ON_CurveShape, ClosedAndPlanar)
{
  const ON_NurbsCurve circle = NurbsOf(ArcAt(ON_3dPoint(0, 0, 7), 1, 0, 2 * ON_PI));
  EXPECT_TRUE(circle.IsClosed());
  EXPECT_FALSE(NurbsOf(ArcAt(ON_3dPoint(0, 0, 7), 1, 0, ON_PI)).IsClosed());
  ON_Plane plane;
  ASSERT_TRUE(circle.IsPlanar(&plane));
  EXPECT_NEAR(std::fabs(plane.zaxis.z), 1.0, 1e-12);
  EXPECT_NEAR(plane.DistanceTo(ON_3dPoint(3, 4, 7)), 0.0, 1e-12);
  EXPECT_FALSE(Clamped(4, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 1, 1}}).IsPlanar());
  EXPECT_TRUE(Clamped(4, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 1, 1}}).IsPlanar(nullptr, 1.0));
}

TEST(ON_CurveShape, CurvaturePointsToTheCentreWithLengthOneOverRadius)
{
  const ON_3dPoint centre(10, -4, 2);
  const ON_NurbsCurve circle = NurbsOf(ArcAt(centre, 2.0, 0, 2 * ON_PI));
  const ON_ArcCurve arc = ArcAt(centre, 2.0, 0.3, 2.0);
  for (const ON_Curve* curve : {static_cast<const ON_Curve*>(&circle), static_cast<const ON_Curve*>(&arc)})
  {
    const ON_Interval d = curve->Domain();
    for (double x : {0.0, 0.1, 0.37, 0.5, 0.9, 1.0})
    {
      const double t = d.ParameterAt(x);
      const ON_3dVector K = curve->CurvatureAt(t);
      EXPECT_NEAR(K.Length(), 0.5, 1e-12);
      ON_3dVector inward = centre - curve->PointAt(t);
      inward.Unitize();
      EXPECT_NEAR(ON_DotProduct(K, inward), 0.5, 1e-12);
      EXPECT_NEAR(curve->TangentAt(t).Length(), 1.0, 1e-14);
    }
  }
  // y = x^2 as a Bezier parabola: curvature 2 at its vertex, 2/(1+4x^2)^1.5 elsewhere.
  const ON_NurbsCurve parabola = Clamped(3, {{-1, 1, 0}, {0, -1, 0}, {1, 1, 0}});
  EXPECT_NEAR(parabola.CurvatureAt(0.5).y, 2.0, 1e-12);
  EXPECT_NEAR(parabola.CurvatureAt(0.75).Length(), 2.0 / std::pow(2.0, 1.5), 1e-12);
  EXPECT_EQ(ON_LineCurve(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 2, 3)).CurvatureAt(0.5), ON_3dVector(0, 0, 0));
  // Where the curve stops (doubled control vertices) there is no tangent to bend.
  const ON_NurbsCurve stop = Clamped(3, {{0, 0, 0}, {0, 0, 0}, {1, 1, 0}});
  ON_3dPoint p;
  ON_3dVector T, K;
  EXPECT_FALSE(stop.EvCurvature(0.0, p, T, K));
  EXPECT_EQ(K, ON_3dVector(0, 0, 0));
}

TEST(ON_CurveShape, EveryCurveClassGivesItsNurbsForm)
{
  ON_3dPointArray zigzag;
  zigzag.Append(ON_3dPoint(0, 0, 0));
  zigzag.Append(ON_3dPoint(1, 2, 0));
  zigzag.Append(ON_3dPoint(3, 2, 1));
  ON_PolyCurve arcs;
  arcs.Append(new ON_ArcCurve(ArcAt(ON_3dPoint(0, 0, 0), 1, 0, 1)));
  arcs.Append(new ON_ArcCurve(ArcAt(ON_3dPoint(2 * std::cos(1.0), 2 * std::sin(1.0), 0), 1, 1 + ON_PI, 2 + ON_PI)));
  const ON_LineCurve line(ON_3dPoint(1, 1, 1), ON_3dPoint(4, 5, 1));
  const ON_PolylineCurve polyline(zigzag);
  const ON_ArcCurve arc = ArcAt(ON_3dPoint(1, 1, 0), 3, 0.5, 4.0);
  const ON_NurbsCurve cubic = Clamped(4, {{0, 0, 0}, {1, 3, 0}, {3, -1, 2}, {4, 4, 0}, {6, 0, 1}});
  ON_CurveProxy reversed(&cubic, ON_Interval(0.5, 1.5));
  reversed.Reverse();
  struct Case
  {
    const char* name;
    const ON_Curve* curve;
    int rc; // 1: same parameterisation, 2: same points
  };
  for (const Case& c :
       {Case{"line", &line, 1}, Case{"polyline", &polyline, 1}, Case{"arc", &arc, 2}, Case{"nurbs", &cubic, 1},
        Case{"poly curve of arcs", &arcs, 2}, Case{"reversed part", &reversed, 1}})
  {
    ON_NurbsCurve nurbs;
    ASSERT_EQ(c.curve->GetNurbForm(nurbs), c.rc) << c.name;
    ASSERT_TRUE(nurbs.IsValid()) << c.name;
    EXPECT_EQ(nurbs.Domain(), c.curve->Domain()) << c.name;
    EXPECT_LE(nurbs.PointAtStart().DistanceTo(c.curve->PointAtStart()), 1e-12) << c.name;
    EXPECT_LE(nurbs.PointAtEnd().DistanceTo(c.curve->PointAtEnd()), 1e-12) << c.name;
    for (double x = 0.05; x < 1.0; x += 0.1)
    {
      const ON_3dPoint Q = nurbs.PointAt(nurbs.Domain().ParameterAt(x));
      if (c.rc == 1)
        EXPECT_LE(Q.DistanceTo(c.curve->PointAt(c.curve->Domain().ParameterAt(x))), 1e-12) << c.name << x;
      else
      {
        double t;
        ASSERT_TRUE(c.curve->GetClosestPoint(Q, &t)) << c.name;
        EXPECT_LE(Q.DistanceTo(c.curve->PointAt(t)), 1e-10) << c.name << x;
      }
    }
    // A part of the form covers the same part of the curve.
    const ON_Interval d = c.curve->Domain();
    const ON_Interval part(d.ParameterAt(0.2), d.ParameterAt(0.7));
    std::unique_ptr<ON_NurbsCurve> piece(c.curve->NurbsCurve(nullptr, 0.0, &part));
    ASSERT_TRUE(piece) << c.name;
    EXPECT_EQ(piece->Domain(), part) << c.name;
    EXPECT_LE(piece->PointAtStart().DistanceTo(nurbs.PointAt(part[0])), 1e-12) << c.name;
    EXPECT_LE(piece->PointAtEnd().DistanceTo(nurbs.PointAt(part[1])), 1e-12) << c.name;
    EXPECT_LE(piece->PointAt(part.Mid()).DistanceTo(nurbs.PointAt(part.Mid())), 1e-12) << c.name;
  }
  ON_NurbsCurve untouched = cubic;
  EXPECT_EQ(ON_LineCurve(ON_3dPoint(1, 1, 1), ON_3dPoint(1, 1, 1)).NurbsCurve(&untouched), nullptr);
  EXPECT_EQ(untouched.CVCount(), cubic.CVCount());
}

TEST(ON_NurbsCurve, KnotInsertionAndTrimKeepTheShape)
{
  ON_NurbsCurve curve = Clamped(4, {{0, 0, 0}, {1, 3, 0}, {3, -1, 2}, {4, 4, 0}, {6, 0, 1}, {7, 2, 2}});
  // Make it rational to carry the weights through as well.
  ON_NurbsCurve rational(3, true, 4, curve.CVCount());
  for (int i = 0; i < curve.CVCount(); i++)
  {
    ON_3dPoint p;
    curve.GetCV(i, p);
    const double w = 1.0 + 0.25 * i;
    rational.SetCV(i, ON_4dPoint(p.x * w, p.y * w, p.z * w, w));
  }
  for (int i = 0; i < curve.KnotCount(); i++)
    rational.SetKnot(i, curve.Knot(i));
  for (const ON_NurbsCurve* original : {&curve, &rational})
  {
    ON_NurbsCurve inserted = *original;
    ASSERT_TRUE(inserted.InsertKnot(1.3, 2));
    EXPECT_EQ(inserted.CVCount(), original->CVCount() + 2);
    ON_NurbsCurve trimmed = *original;
    ASSERT_TRUE(trimmed.Trim(ON_Interval(0.4, 2.2)));
    EXPECT_EQ(trimmed.Domain(), ON_Interval(0.4, 2.2));
    EXPECT_TRUE(trimmed.IsClamped());
    for (double t = 0.4; t <= 2.2; t += 0.05)
    {
      EXPECT_LE(inserted.PointAt(t).DistanceTo(original->PointAt(t)), 1e-12) << t;
      EXPECT_LE(trimmed.PointAt(t).DistanceTo(original->PointAt(t)), 1e-12) << t;
    }
    ON_NurbsCurve reversed = *original;
    ASSERT_TRUE(reversed.Reverse());
    EXPECT_LE(reversed.PointAt(-1.2).DistanceTo(original->PointAt(1.2)), 1e-12);
  }
  EXPECT_FALSE(curve.Trim(ON_Interval(5, 6)));
  EXPECT_FALSE(curve.InsertKnot(1.0, 4));
}

TEST(ON_Circle, ThroughThreePointsStartsAtTheFirst)
{
  ON_Circle circle;
  ASSERT_TRUE(
      circle.Create(ON_3dPoint(500003, 5000000, 10), ON_3dPoint(500000, 5000003, 10), ON_3dPoint(499997, 5000000, 10)));
  EXPECT_NEAR(circle.radius, 3.0, 1e-9);
  EXPECT_LE(circle.Center().DistanceTo(ON_3dPoint(500000, 5000000, 10)), 1e-9);
  EXPECT_LE(circle.PointAt(0).DistanceTo(ON_3dPoint(500003, 5000000, 10)), 1e-9);
  EXPECT_NEAR(circle.Normal().z, 1.0, 1e-12);
  EXPECT_FALSE(circle.Create(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 1, 1), ON_3dPoint(2, 2, 2)));
  EXPECT_EQ(circle.radius, 0.0);
  double t;
  ON_Circle unit(ON_Plane::World_xy, 1.0);
  ASSERT_TRUE(unit.ClosestPointTo(ON_3dPoint(0, -5, 3), &t));
  EXPECT_NEAR(t, 1.5 * ON_PI, 1e-15);
  ON_NurbsCurve nurbs;
  EXPECT_EQ(unit.GetNurbForm(nurbs), 2);
  EXPECT_EQ(nurbs.CVCount(), 9);
  EXPECT_EQ(nurbs.Domain(), ON_Interval(0, 2 * ON_PI));
}

TEST(ON_Ellipse, ClosestPointMatchesDenseSamplingAndNurbsFormStaysOnIt)
{
  ON_Plane plane(ON_3dPoint(2, -1, 4), ON_3dVector(1, 1, 0), ON_3dVector(-1, 1, 1));
  const ON_Ellipse ellipse(plane, 5.0, 2.0);
  ASSERT_TRUE(ellipse.IsValid());
  const ON_3dPoint probes[] = {{9, 5, 1}, {-4, 0, 4}, {2, -1, 7}, {1, -3, 2}, {2.5, -0.5, 4.2}};
  for (const ON_3dPoint& P : probes)
  {
    double t;
    ASSERT_TRUE(ellipse.ClosestPointTo(P, &t));
    EXPECT_GE(t, 0.0);
    EXPECT_LT(t, 2 * ON_PI);
    double best = 1e300;
    for (int i = 0; i < 200000; i++)
      best = std::min(best, ellipse.PointAt(2 * ON_PI * i / 200000).DistanceTo(P));
    EXPECT_LE(ellipse.PointAt(t).DistanceTo(P), best + 1e-9);
  }
  ON_NurbsCurve nurbs;
  ASSERT_EQ(ellipse.GetNurbForm(nurbs), 2);
  for (double t = 0; t < 2 * ON_PI; t += 0.1)
  {
    const ON_3dVector v = nurbs.PointAt(t) - plane.origin;
    const double x = ON_DotProduct(v, ellipse.plane.xaxis) / 5.0, y = ON_DotProduct(v, ellipse.plane.yaxis) / 2.0;
    EXPECT_NEAR(x * x + y * y, 1.0, 1e-12);
    EXPECT_NEAR(ON_DotProduct(v, ellipse.plane.zaxis), 0.0, 1e-12);
  }
}
