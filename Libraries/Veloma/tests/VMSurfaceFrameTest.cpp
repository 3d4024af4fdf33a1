#include "DrapeTestSupport.h"
#include "VMSurfaceParametersDialog.h"

#include <cmath>
#include <random>

namespace
{

void ExpectPoint(const ON_3dPoint& p, double x, double y, double z, double tolerance = 0.0)
{
  EXPECT_NEAR(p.x, x, tolerance);
  EXPECT_NEAR(p.y, y, tolerance);
  EXPECT_NEAR(p.z, z, tolerance);
}

} // namespace

using VMSurfaceFrame = DrapeTest;

TEST_F(VMSurfaceFrame, AxisDirectionsUseTheirFixedFrames)
{
  struct Case
  {
    ON_3dVector direction, x, y;
  };
  const Case cases[] = {
      {{0, 0, 1}, {-1, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}},  {{0, -1, 0}, {-1, 0, 0}, {0, 0, 1}},
      {{-1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {{1, 0, 0}, {0, -1, 0}, {0, 0, 1}}, {{0, 0, -3}, {1, 0, 0}, {0, 1, 0}},
  };
  const ON_3dPoint p(1.5, -2.0, 3.25);
  for (const Case& c : cases)
  {
    ON_3dPointArray points = Points({p});
    ASSERT_EQ(VMSurface::TransformPoints(points, c.direction, 1, 0), 1);
    const ON_3dVector z = -c.direction.UnitVector();
    ExpectPoint(points[0], p * c.x, p * c.y, p * z, 1e-15);
  }
  ON_3dPointArray example = Points({{1, 2, 3}});
  VMSurface::TransformPoints(example, ON_3dVector(0, 1, 0), 1, 0);
  ExpectPoint(example[0], 1, 3, -2);
}

TEST_F(VMSurfaceFrame, TopLeavesPointsBitForBit)
{
  const ON_3dPoint p(659501.123456789, 4751301.987654321, 955.5);
  ON_3dPointArray points = Points({p});
  ASSERT_EQ(VMSurface::TransformPoints(points, ON_3dVector(0, 0, -5), 1, 1), 1);
  EXPECT_EQ(points[0], p);
}

TEST_F(VMSurfaceFrame, RoundTripKeepsSurveyPrecision)
{
  std::mt19937 random(7);
  std::uniform_real_distribution<double> e(659000.0, 660000.0), n(4751000.0, 4752000.0), h(900.0, 1100.0);
  ON_3dPointArray original;
  for (int i = 0; i < 200; i++)
    original.Append(ON_3dPoint(e(random), n(random), h(random)));
  for (const ON_3dVector& direction :
       {ON_3dVector(1, 2, 3), ON_3dVector(0, 0, 1), ON_3dVector(-1, 0, 0), ON_3dVector(0.3, -0.2, -0.9)})
  {
    ON_3dPointArray points(original);
    ASSERT_EQ(VMSurface::TransformPoints(points, direction, 1, 0), 1);
    ASSERT_EQ(VMSurface::TransformPoints(points, direction, 0, 0), 1);
    for (int i = 0; i < points.Count(); i++)
      EXPECT_LT(points[i].DistanceTo(original[i]), 5e-9);
  }
  // The frame's z axis points against the direction.
  ON_3dPointArray along = Points({{1, 2, 3}});
  VMSurface::TransformPoints(along, ON_3dVector(1, 2, 3), 1, 0);
  ExpectPoint(along[0], 0, 0, -std::sqrt(14.0), 1e-14);
}

TEST_F(VMSurfaceFrame, ZeroOrInvalidDirectionIsRefused)
{
  ON_3dPointArray points = Points({{1, 2, 3}});
  EXPECT_EQ(VMSurface::TransformPoints(points, ON_3dVector(0, 0, 0), 1, 0), 0);
  EXPECT_EQ(Error(), "Invalid drape direction");
  EXPECT_EQ(VMSurface::TransformPoints(points, ON_3dVector(NAN, 0, 1), 1, 0), 0);
  ExpectPoint(points[0], 1, 2, 3);
}

TEST_F(VMSurfaceFrame, ProposalFollowsTheAspectOfTheExtent)
{
  std::mt19937 random(3);
  std::uniform_real_distribution<double> x(0.0, 200.0), y(0.0, 100.0);
  ON_3dPointArray points = Points({{0, 0, 0}, {200, 100, 0}});
  while (points.Count() < 10000)
    points.Append(ON_3dPoint(x(random), y(random), 1.0));
  int rows = 0, columns = 0;
  ASSERT_EQ(VMSurface::AnalyzePoints(points, ON_3dVector(0, 0, -1), rows, columns), 1);
  EXPECT_EQ(rows, 70);
  EXPECT_EQ(columns, 140);
}

TEST_F(VMSurfaceFrame, ProposalForDegenerateExtents)
{
  struct Case
  {
    ON_3dPointArray points;
    int rows, columns;
  };
  const Case cases[] = {
      {Points({{0, 0, 0}, {1, 0, 5}, {2, 0, 1}}), 1, 3},
      {Points({{0, 0, 0}, {0, 4, 5}}), 2, 1},
      {Points({{3, 3, 0}, {3, 3, 9}}), 1, 1},
  };
  for (const Case& c : cases)
  {
    int rows = -1, columns = -1;
    ASSERT_EQ(VMSurface::AnalyzePoints(c.points, ON_3dVector(0, 0, -1), rows, columns), 1);
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(columns, c.columns);
  }
  int rows = 0, columns = 0;
  EXPECT_EQ(VMSurface::AnalyzePoints(ON_3dPointArray(), ON_3dVector(0, 0, -1), rows, columns), 0);
  EXPECT_EQ(Error(), "No points to drape");
}

TEST_F(VMSurfaceFrame, DialogCancelKeepsValuesAndOkWritesThemBack)
{
  int rows = 7, columns = 9;
  double probe = 0.5;
  CancelDialog();
  EXPECT_EQ(VMSurface::GetSurfaceParameters(rows, columns, probe, nullptr), 0);
  EXPECT_EQ(Error(), "Cancelled");
  EXPECT_EQ(rows, 7);
  EXPECT_EQ(columns, 9);
  EXPECT_EQ(probe, 0.5);
  AnswerDialog(12, 34, -1.25);
  EXPECT_EQ(VMSurface::GetSurfaceParameters(rows, columns, probe, nullptr), 1);
  EXPECT_EQ(rows, 12);
  EXPECT_EQ(columns, 34);
  EXPECT_EQ(probe, -1.25);
  // Without an answer the dialog is accepted as shown.
  EXPECT_EQ(VMSurface::GetSurfaceParameters(rows, columns, probe, nullptr), 1);
  EXPECT_EQ(rows, 12);
}

TEST_F(VMSurfaceFrame, DialogWarnsAboutNonPositiveCounts)
{
  VMSurfaceParametersDialog dialog(0, 5, 0.0, nullptr);
  std::vector<std::string> warnings = dialog.Form().Validate();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "Please enter a positive value for number of rows");
  std::string error;
  ASSERT_TRUE(dialog.Form().Set("Rows", "3", error));
  ASSERT_TRUE(dialog.Form().Set("Columns", "-2", error));
  warnings = dialog.Form().Validate();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "Please enter a positive value for number of columns");
  EXPECT_FALSE(dialog.Form().Set("Rows", "many", error));
  // The probe diameter is passed on as typed, negative included.
  ASSERT_TRUE(dialog.Form().Set("ProbeDiameter", "-0.1", error));
  EXPECT_EQ(dialog.ProbeDiameter(), -0.1);
}
