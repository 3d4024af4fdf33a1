#include "opennurbs.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{

// Owns the inputs and the outputs of one ON_JoinCurves call.
struct Join
{
  std::vector<std::unique_ptr<ON_Curve>> inputs;
  ON_SimpleArray<ON_Curve*> out;
  ON_SimpleArray<int> key;
  int result = 0;

  ~Join()
  {
    for (int i = 0; i < out.Count(); i++)
      delete out[i];
  }
  void Line(ON_3dPoint a, ON_3dPoint b) { inputs.emplace_back(new ON_LineCurve(a, b)); }
  void Run(double tolerance, bool preserve = false)
  {
    ON_SimpleArray<const ON_Curve*> in;
    for (const auto& c : inputs)
      in.Append(c.get());
    result = ON_JoinCurves(in, out, tolerance, preserve, &key);
  }
  const ON_PolyCurve* Poly(int i) const { return ON_PolyCurve::Cast(out[i]); }
};

// Segment ends meet exactly, in order.
void ExpectContinuous(const ON_PolyCurve& poly)
{
  for (int i = 1; i < poly.Count(); i++)
    EXPECT_EQ(poly.SegmentCurve(i - 1)->PointAtEnd(), poly.SegmentCurve(i)->PointAtStart()) << "joint " << i;
}

TEST(JoinCurves, ShuffledAndReversedSidesMakeClosedLoopsStartingAtTheirFirstInput)
{
  Join join;
  const ON_3dPoint a(0, 0, 0), b(1, 0, 0), c(1, 1, 0), d(0, 1, 0);
  const ON_3dPoint p(5, 0, 0), q(6, 0, 0), r(5, 1, 0);
  join.Line(c, d); // square, working index 0
  join.Line(p, q); // triangle, 1
  join.Line(b, a); // square, reversed against the first
  join.Line(r, q); // triangle, reversed
  join.Line(b, c); // square
  join.Line(r, p); // triangle
  join.Line(a, d); // square, reversed
  join.Run(0.0001);
  ASSERT_EQ(join.result, 2);
  ASSERT_EQ(join.out.Count(), 2);
  for (int i = 0; i < 2; i++)
  {
    const ON_PolyCurve* poly = join.Poly(i);
    ASSERT_NE(poly, nullptr);
    EXPECT_TRUE(poly->IsClosed());
    ExpectContinuous(*poly);
  }
  EXPECT_EQ(join.Poly(0)->Count(), 4);
  EXPECT_EQ(join.Poly(1)->Count(), 3);
  // The square starts with its first input, c to d, in its own direction (two of four reversed).
  EXPECT_EQ(join.Poly(0)->PointAtStart(), c);
  EXPECT_EQ(join.Poly(0)->SegmentCurve(0)->PointAtEnd(), d);
  EXPECT_EQ(join.Poly(1)->PointAtStart(), p);
  const int expected_key[] = {0, 1, 0, 1, 0, 1, 0};
  ASSERT_EQ(join.key.Count(), 7);
  for (int i = 0; i < 7; i++)
    EXPECT_EQ(join.key[i], expected_key[i]) << i;
}

TEST(JoinCurves, AChainRunsTheWayMostOfItsMembersRun)
{
  Join join;
  join.Line(ON_3dPoint(1, 0, 0), ON_3dPoint(0, 0, 0)); // the first joined, yet outvoted
  join.Line(ON_3dPoint(1, 0, 0), ON_3dPoint(2, 0, 0));
  join.Line(ON_3dPoint(2, 0, 0), ON_3dPoint(3, 0, 0));
  join.Run(0.0001);
  ASSERT_EQ(join.result, 1);
  const ON_PolyCurve* poly = join.Poly(0);
  ASSERT_NE(poly, nullptr);
  EXPECT_EQ(poly->Count(), 3);
  EXPECT_FALSE(poly->IsClosed());
  EXPECT_EQ(poly->PointAtStart(), ON_3dPoint(0, 0, 0));
  EXPECT_EQ(poly->PointAtEnd(), ON_3dPoint(3, 0, 0));
  ExpectContinuous(*poly);
}

TEST(JoinCurves, ChainsStartedApartBecomeOne)
{
  // Exact joints first: 0-1 and 2-3 start two chains; the curve between them has gaps and joins last.
  Join join;
  join.Line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0));
  join.Line(ON_3dPoint(1, 0, 0), ON_3dPoint(2, 0, 0));
  join.Line(ON_3dPoint(3, 0, 0), ON_3dPoint(4, 0, 0));
  join.Line(ON_3dPoint(4, 0, 0), ON_3dPoint(5, 0, 0));
  join.Line(ON_3dPoint(2.00001, 0, 0), ON_3dPoint(2.99999, 0, 0));
  join.Run(0.0001);
  ASSERT_EQ(join.result, 1);
  const ON_PolyCurve* poly = join.Poly(0);
  ASSERT_NE(poly, nullptr);
  EXPECT_EQ(poly->Count(), 5);
  EXPECT_EQ(poly->PointAtStart(), ON_3dPoint(0, 0, 0));
  EXPECT_EQ(poly->PointAtEnd(), ON_3dPoint(5, 0, 0));
  ExpectContinuous(*poly);
  for (int i = 0; i < 5; i++)
    EXPECT_EQ(join.key[i], 0);
}

TEST(JoinCurves, GapsWithinTheToleranceCloseAtTheirMidpoints)
{
  Join join;
  join.Line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0));
  join.Line(ON_3dPoint(1, 0.00004, 0), ON_3dPoint(1, 1, 0));
  join.Line(ON_3dPoint(1, 1, 0), ON_3dPoint(0, 1, 0));
  join.Line(ON_3dPoint(0, 1, 0), ON_3dPoint(0, 0.00002, 0));
  join.Line(ON_3dPoint(9, 9, 0), ON_3dPoint(8, 8, 0)); // too far from everything
  join.Run(0.0001);
  ASSERT_EQ(join.result, 2);
  const ON_PolyCurve* square = join.Poly(0);
  ASSERT_NE(square, nullptr);
  EXPECT_EQ(square->SegmentCurve(0)->PointAtEnd(), ON_3dPoint(1, 0.00002, 0));
  EXPECT_TRUE(square->IsClosed());
  ExpectContinuous(*square);
  EXPECT_NE(ON_LineCurve::Cast(join.out[1]), nullptr) << "the unjoined line follows the chains";
  EXPECT_EQ(join.key[4], 1);
}

TEST(JoinCurves, PreservedDirectionsJoinOnlyStartsToEnds)
{
  Join join;
  join.Line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0));
  join.Line(ON_3dPoint(2, 0, 0), ON_3dPoint(1, 0, 0)); // meets the first end to end
  join.Line(ON_3dPoint(1, 0, 0), ON_3dPoint(1, 5, 0));
  join.Run(0.0001, true);
  ASSERT_EQ(join.result, 2);
  const ON_PolyCurve* poly = join.Poly(0);
  ASSERT_NE(poly, nullptr);
  EXPECT_EQ(poly->PointAtStart(), ON_3dPoint(0, 0, 0));
  EXPECT_EQ(poly->PointAtEnd(), ON_3dPoint(1, 5, 0));
  EXPECT_EQ(join.out[1]->PointAtStart(), ON_3dPoint(2, 0, 0)) << "kept as it was";
}

TEST(JoinCurves, ClosedInputsComeFirstNullsAreSkippedAndMixedDimensionsFail)
{
  ON_3dPointArray ring;
  for (const ON_3dPoint& p : {ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 0), ON_3dPoint(0, 0, 0)})
    ring.Append(p);
  const ON_PolylineCurve closed(ring);
  const ON_LineCurve line(ON_3dPoint(3, 0, 0), ON_3dPoint(4, 0, 0));
  ON_SimpleArray<const ON_Curve*> in;
  in.Append(&line);
  in.Append(nullptr);
  in.Append(&closed);
  ON_SimpleArray<ON_Curve*> out;
  ON_SimpleArray<int> key;
  ASSERT_EQ(ON_JoinCurves(in, out, 0.0001, false, &key), 2);
  EXPECT_NE(ON_PolylineCurve::Cast(out[0]), nullptr);
  EXPECT_NE(ON_LineCurve::Cast(out[1]), nullptr);
  ASSERT_EQ(key.Count(), 3);
  EXPECT_EQ(key[0], 1);
  EXPECT_EQ(key[1], -1);
  EXPECT_EQ(key[2], 0);
  for (int i = 0; i < out.Count(); i++)
    delete out[i];
  out.Empty();

  ON_LineCurve flat(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0));
  flat.m_dim = 2;
  in.Append(&flat);
  EXPECT_EQ(ON_JoinCurves(in, out, 0.0001), 0);
  EXPECT_EQ(out.Count(), 0);
  ON_SimpleArray<const ON_Curve*> none;
  EXPECT_EQ(ON_JoinCurves(none, out, 0.0001), 0);
}

TEST(JoinCurves, ManySeparateLoopsEachCloseAlone)
{
  // 20,000 unit squares' sides, each square's sides in reverse order: every square closes alone.
  Join join;
  const int squares = 20000;
  for (int s = 0; s < squares; s++)
  {
    const double x = 2.0 * s;
    join.Line(ON_3dPoint(x, 1, 0), ON_3dPoint(x, 0, 0));
    join.Line(ON_3dPoint(x + 1, 1, 0), ON_3dPoint(x, 1, 0));
    join.Line(ON_3dPoint(x + 1, 0, 0), ON_3dPoint(x + 1, 1, 0));
    join.Line(ON_3dPoint(x, 0, 0), ON_3dPoint(x + 1, 0, 0));
  }
  join.Run(0.0001);
  ASSERT_EQ(join.result, squares);
  for (int s = 0; s < squares; s += 997)
  {
    ASSERT_NE(join.Poly(s), nullptr);
    EXPECT_TRUE(join.Poly(s)->IsClosed());
    EXPECT_EQ(join.Poly(s)->PointAtStart(), ON_3dPoint(2.0 * s, 1, 0));
  }
}

} // namespace
