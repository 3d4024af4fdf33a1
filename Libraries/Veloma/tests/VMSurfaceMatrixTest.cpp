#include "DrapeTestSupport.h"

#include <cmath>
#include <vector>

namespace
{

std::vector<double> Heights(const ON_3dPointArray& matrix)
{
  std::vector<double> z;
  for (int i = 0; i < matrix.Count(); i++)
    z.push_back(matrix[i].z);
  return z;
}

} // namespace

using VMSurfaceMatrix = DrapeTest;

TEST_F(VMSurfaceMatrix, ThreeByThreeExampleWithAndWithoutGapFilling)
{
  const ON_3dPointArray points = Points({{0, 0, 0}, {2, 0, 0}, {0, 2, 0}, {2, 2, 0}, {1, 1, 5}});
  for (int fill : {1, 0})
  {
    ON_3dPointArray matrix = Points({{9, 9, 9}});
    ASSERT_EQ(VMSurface::CreatePointMatrix(points, 3, 3, matrix, fill, 0), 1);
    ASSERT_EQ(matrix.Count(), 9);
    EXPECT_EQ(Heights(matrix), (std::vector<double>{0, 0, 0, 0, 5, 0, 0, 0, 0}));
    for (int k = 0; k < 9; k++)
    {
      EXPECT_EQ(matrix[k].x, k % 3); // row-major, rows along y
      EXPECT_EQ(matrix[k].y, k / 3);
    }
  }
}

TEST_F(VMSurfaceMatrix, BinningRoundsHalfUpAndKeepsTheHighestPoint)
{
  // Grid x = 0, 1, 2 and y = 0, 1: 1.5 goes to column 2, 0.49 to column 0.
  const ON_3dPointArray points = Points({{0, 0, 0}, {2, 1, 0}, {1.5, 0, 7}, {0.49, 1, 3}, {0.2, 0.9, 4}, {0.1, 1, 2}});
  ON_3dPointArray matrix;
  ASSERT_EQ(VMSurface::CreatePointMatrix(points, 2, 3, matrix, 1, 0), 1);
  EXPECT_EQ(Heights(matrix), (std::vector<double>{0, 0, 7, 4, 0, 0}));
  // The grid point keeps its own place; only the height is taken.
  EXPECT_EQ(matrix[2].x, 2.0);
}

TEST_F(VMSurfaceMatrix, OnlyMissingCentreOfFiveByFiveGetsTheMeanOfItsNeighbours)
{
  ON_3dPointArray points;
  for (int r = 0; r < 5; r++)
    for (int c = 0; c < 5; c++)
      if (r != 2 || c != 2)
        points.Append(ON_3dPoint(c, r, (r == 2 || c == 2) ? 1.0 + r + 2 * c : 0.0));
  ON_3dPointArray matrix;
  ASSERT_EQ(VMSurface::CreatePointMatrix(points, 5, 5, matrix, 1, 0), 1);
  // Neighbours (2,1)=5, (2,3)=9, (1,2)=6, (3,2)=8 at equal distances.
  EXPECT_DOUBLE_EQ(matrix[12].z, (5.0 + 9.0 + 6.0 + 8.0) / 4.0);
  ON_3dPointArray floor;
  ASSERT_EQ(VMSurface::CreatePointMatrix(points, 5, 5, floor, 0, 0), 1);
  EXPECT_EQ(floor[12].z, 0.0);
}

TEST_F(VMSurfaceMatrix, RunsAlongARowUseTheLastInterpolatedPoint)
{
  // One inner row of a 3 x 5 grid is missing at columns 1..3; its ends are 0 and 8.
  ON_3dPointArray points;
  for (int c = 0; c < 5; c++)
  {
    points.Append(ON_3dPoint(c, 0, 2));
    points.Append(ON_3dPoint(c, 2, 2));
  }
  points.Append(ON_3dPoint(0, 1, 0));
  points.Append(ON_3dPoint(4, 1, 8));
  ON_3dPointArray matrix;
  ASSERT_EQ(VMSurface::CreatePointMatrix(points, 3, 5, matrix, 1, 0), 1);
  // Column 1: left 0 at 1, right 8 at 3, up and down 2 at 1.
  const double z1 = (1.0 * 2 + 1.0 * 2 + 8.0 / 3.0 + 0.0) / (1.0 + 1.0 / 3.0 + 1.0 + 1.0);
  const double z2 = (1.0 * 2 + 1.0 * 2 + 8.0 / 2.0 + z1) / (1.0 + 0.5 + 1.0 + 1.0);
  const double z3 = (1.0 * 2 + 1.0 * 2 + 8.0 + z2) / (1.0 + 1.0 + 1.0 + 1.0);
  EXPECT_DOUBLE_EQ(matrix[6].z, z1);
  EXPECT_DOUBLE_EQ(matrix[7].z, z2);
  EXPECT_DOUBLE_EQ(matrix[8].z, z3);
}

TEST_F(VMSurfaceMatrix, OneRowOrOneColumnIsAProfile)
{
  const ON_3dPointArray line = Points({{0, 5, 1}, {1, 5, 4}, {3, 5, 2}});
  ON_3dPointArray matrix;
  ASSERT_EQ(VMSurface::CreatePointMatrix(line, 1, 4, matrix, 1, 0), 1);
  EXPECT_EQ(Heights(matrix), (std::vector<double>{1, 4, 1, 2}));
  ASSERT_EQ(VMSurface::CreatePointMatrix(line, 1, 1, matrix, 1, 0), 1);
  EXPECT_EQ(Heights(matrix), (std::vector<double>{4}));
}

TEST_F(VMSurfaceMatrix, DegenerateInputsGiveClearErrors)
{
  struct Case
  {
    ON_3dPointArray points;
    int rows, columns;
    const char* error;
  };
  const Case cases[] = {
      {Points({{0, 0, 0}, {1, 1, 1}}), 0, 3, "The number of rows and columns must be positive"},
      {Points({{0, 0, 0}, {1, 1, 1}}), 3, -1, "The number of rows and columns must be positive"},
      {ON_3dPointArray(), 3, 3, "No points to drape"},
      {Points({{0, 0, 0}, {1, NAN, 1}}), 3, 3, "Invalid point coordinates"},
      {Points({{0, 0, 0}, {0, 1, 1}}), 3, 3,
       "The points lie on a line seen along the drape direction; use one row or one column"},
      {Points({{0, 0, 0}, {1, 1, 1}}), 100000, 100000, "Too many grid points; reduce the number of rows or columns"},
  };
  for (const Case& c : cases)
  {
    ON_3dPointArray matrix = Points({{9, 9, 9}});
    EXPECT_EQ(VMSurface::CreatePointMatrix(c.points, c.rows, c.columns, matrix, 1, 0), 0);
    EXPECT_EQ(Error(), c.error);
    EXPECT_EQ(matrix.Count(), 1);
  }
}

TEST_F(VMSurfaceMatrix, SurveyCoordinatesKeepTheirPrecision)
{
  const ON_3dPointArray points =
      Points({{659501.0, 4751301.0, 955.125}, {659531.0, 4751331.0, 957.0625}, {659516.0, 4751316.0, 960.03125}});
  ON_3dPointArray matrix;
  ASSERT_EQ(VMSurface::CreatePointMatrix(points, 3, 3, matrix, 1, 0), 1);
  EXPECT_EQ(matrix[0].x, 659501.0);
  EXPECT_EQ(matrix[8].y, 4751331.0);
  EXPECT_EQ(matrix[4].x, 659516.0);
  EXPECT_EQ(matrix[4].z, 960.03125);
  EXPECT_EQ(matrix[8].z, 957.0625);
}

TEST_F(VMSurfaceMatrix, ExtremeScalesStayFinite)
{
  // Spacing 1e-100 and heights 1e300 overflow the plain weighted sums.
  const double d = 1e-100, h = 1e300;
  const ON_3dPointArray points = Points(
      {{0, 0, 0}, {2 * d, 0, 0}, {0, 2 * d, 0}, {2 * d, 2 * d, 0}, {d, 0, h}, {0, d, h}, {2 * d, d, h}, {d, 2 * d, h}});
  ON_3dPointArray matrix;
  ASSERT_EQ(VMSurface::CreatePointMatrix(points, 3, 3, matrix, 1, 0), 1);
  EXPECT_DOUBLE_EQ(matrix[4].z, h);
  const ON_3dPointArray spread = Points({{-1e308, 0, 0}, {1e308, 1, 0}});
  EXPECT_EQ(VMSurface::CreatePointMatrix(spread, 3, 3, matrix, 1, 0), 0);
  EXPECT_EQ(Error(), "The points spread too far for a grid");
}
