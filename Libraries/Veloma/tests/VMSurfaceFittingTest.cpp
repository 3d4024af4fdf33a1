#include "DrapeTestSupport.h"

#include <cstdio>
#include <random>
#include <sstream>

namespace
{

ON_3dPointArray FlatGrid(int rows, int columns, double z)
{
  ON_3dPointArray matrix;
  for (int r = 0; r < rows; r++)
    for (int c = 0; c < columns; c++)
      matrix.Append(ON_3dPoint(c, r, z));
  return matrix;
}

ON_3dPointArray RoughGrid(int rows, int columns, unsigned seed, double roughness)
{
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> height(-roughness, roughness);
  ON_3dPointArray matrix;
  for (int r = 0; r < rows; r++)
    for (int c = 0; c < columns; c++)
      matrix.Append(ON_3dPoint(c * 2.0, r * 1.5, height(random)));
  return matrix;
}

} // namespace

using VMSurfaceFitting = DrapeTest;

TEST_F(VMSurfaceFitting, FlatThreeByThreeGridIsTheControlNet)
{
  ON_NurbsSurface surface;
  ASSERT_EQ(VMSurface::CreateSurfaceFromPointMatrix(surface, FlatGrid(3, 4, 0.0), 3, 4, 0), 1);
  EXPECT_EQ(surface.CVCount(0), 4); // columns along the first direction
  EXPECT_EQ(surface.CVCount(1), 3);
  EXPECT_TRUE(surface.IsRational());
  EXPECT_EQ(surface.Order(0), 3);
  EXPECT_EQ(surface.KnotCount(1), 4);
  for (int k = 0; k < 4; k++)
    EXPECT_EQ(surface.Knot(1, k), k < 2 ? 0.0 : 1.0);
  ON_3dPoint cv;
  ASSERT_TRUE(surface.GetCV(3, 1, cv));
  EXPECT_EQ(cv, ON_3dPoint(3, 1, 0));
  EXPECT_EQ(surface.Weight(3, 1), 1.0);
}

TEST_F(VMSurfaceFitting, WrongCountOrTooFewRowsFailAndKeepTheSurface)
{
  ON_NurbsSurface surface;
  ASSERT_EQ(VMSurface::CreateSurfaceFromPointMatrix(surface, FlatGrid(3, 3, 1.0), 3, 3, 0), 1);
  EXPECT_EQ(VMSurface::CreateSurfaceFromPointMatrix(surface, FlatGrid(3, 3, 1.0), 3, 4, 0), 0);
  EXPECT_EQ(Error(), "Incorrect number of control points");
  EXPECT_EQ(VMSurface::CreateSurfaceFromPointMatrix(surface, FlatGrid(2, 5, 1.0), 2, 5, 0), 0);
  EXPECT_EQ(Error(), "Invalid Nurbs Surface");
  EXPECT_EQ(surface.CVCount(0), 3);
}

TEST_F(VMSurfaceFitting, ProbeOffsetOfAFlatTopDrapeMovesDownByTheRadius)
{
  const ON_3dPointArray points = Points({{0, 0, 5}, {4, 0, 5}, {0, 3, 5}, {4, 3, 5}, {2, 1, 5}});
  for (double diameter : {2.0, -2.0})
  {
    AnswerDialog(4, 5, diameter);
    ON_3dPointArray matrix;
    ON_NurbsSurface surface;
    int rows = 0, columns = 0;
    ASSERT_EQ(VMSurface::DrapeSurface(matrix, rows, columns, surface, points, ON_3dVector(0, 0, -1), 1, 1, nullptr), 1);
    ASSERT_EQ(matrix.Count(), 20);
    for (int k = 0; k < 20; k++)
      EXPECT_NEAR(matrix[k].z, 5.0 - diameter / 2.0, 1e-12);
    EXPECT_NEAR(surface.PointAt(0.7, 1.3).z, 5.0 - diameter / 2.0, 1e-12);
  }
}

TEST_F(VMSurfaceFitting, OffsetUsesTheTrueClosestSurfacePoint)
{
  const int rows = 12, columns = 15;
  for (unsigned seed : {1u, 2u, 3u})
  {
    ON_3dPointArray matrix = RoughGrid(rows, columns, seed, 2.0);
    const ON_3dPointArray before(matrix);
    ON_NurbsSurface surface;
    ASSERT_EQ(VMSurface::CreateSurfaceFromPointMatrix(surface, matrix, rows, columns, 0), 1);
    const ON_NurbsSurface fitted(surface);
    ASSERT_EQ(VMSurface::Offset(matrix, rows, columns, surface, 0.75, 0), 1);
    for (int k = 0; k < matrix.Count(); k++)
    {
      // The global search is checked against dense sampling in the ON tests.
      double s, t;
      ASSERT_TRUE(fitted.GetClosestPoint(before[k], &s, &t));
      const ON_3dPoint expected = before[k] + 0.75 * fitted.NormalAt(s, t);
      EXPECT_LT(matrix[k].DistanceTo(expected), 1e-7) << "grid point " << k << " seed " << seed;
    }
    ON_3dPoint cv;
    surface.GetCV(4, 5, cv);
    EXPECT_EQ(cv, matrix[5 * columns + 4]); // refitted to the moved grid
  }
}

TEST_F(VMSurfaceFitting, OffsetFindsTheClosestPointAcrossBorderDips)
{
  // Sparse survey points leave border grid points at the floor height: the border curve dips
  // there, and the nearest surface point of such a grid point can lie several spans away.
  std::mt19937 random(4);
  std::uniform_real_distribution<double> along(0.0, 120.0), noise(-0.5, 0.5);
  ON_3dPointArray points;
  for (int i = 0; i < 6000; i++)
  {
    const double x = along(random), y = along(random);
    points.Append(ON_3dPoint(x, y, 40.0 * std::sin(x / 23.0) * std::cos(y / 31.0) + noise(random)));
  }
  const int rows = 100, columns = 100;
  ON_3dPointArray matrix;
  ASSERT_EQ(VMSurface::CreatePointMatrix(points, rows, columns, matrix, 1, 0), 1);
  const ON_3dPointArray before(matrix);
  ON_NurbsSurface surface;
  ASSERT_EQ(VMSurface::CreateSurfaceFromPointMatrix(surface, matrix, rows, columns, 0), 1);
  const ON_NurbsSurface fitted(surface);
  ASSERT_EQ(VMSurface::Offset(matrix, rows, columns, surface, 1.0, 0), 1);
  for (int k = 0; k < matrix.Count(); k++)
  {
    const int r = k / columns, c = k % columns;
    if (r != 0 && r != rows - 1 && c != 0 && c != columns - 1)
      continue;
    double s, t;
    ASSERT_TRUE(fitted.GetClosestPoint(before[k], &s, &t));
    const ON_3dPoint expected = before[k] + fitted.NormalAt(s, t);
    EXPECT_LT(matrix[k].DistanceTo(expected), 1e-6) << "border grid point " << k;
  }
}

TEST_F(VMSurfaceFitting, OffsetNeedsAFittedSurface)
{
  ON_3dPointArray matrix = FlatGrid(2, 4, 0.0);
  ON_NurbsSurface empty;
  EXPECT_EQ(VMSurface::Offset(matrix, 2, 4, empty, 1.0, 0), 0);
  EXPECT_EQ(matrix[0].z, 0.0);
}

TEST_F(VMSurfaceFitting, CustomDirectionStraightDownDrapesExactlyLikeTop)
{
  std::mt19937 random(9);
  std::uniform_real_distribution<double> x(659000.0, 659300.0), y(4751000.0, 4751150.0), z(900.0, 960.0);
  ON_3dPointArray points;
  for (int i = 0; i < 2000; i++)
    points.Append(ON_3dPoint(x(random), y(random), z(random)));
  ON_3dPointArray top, custom;
  ON_NurbsSurface topSurface, customSurface;
  int rows = 0, columns = 0, customRows = 0, customColumns = 0;
  ASSERT_EQ(VMSurface::DrapeSurface(top, rows, columns, topSurface, points, ON_3dVector(0, 0, -1), 1, 0, nullptr), 1);
  const ON_3dVector line = ON_3dPoint(0, 0, 0) - ON_3dPoint(0, 0, 10);
  ASSERT_EQ(VMSurface::DrapeSurface(custom, customRows, customColumns, customSurface, points, line, 1, 0, nullptr), 1);
  EXPECT_EQ(rows, customRows);
  EXPECT_EQ(columns, customColumns);
  ASSERT_EQ(top.Count(), rows * columns);
  ASSERT_EQ(custom.Count(), top.Count());
  for (int k = 0; k < top.Count(); k++)
    ASSERT_EQ(top[k], custom[k]);
}

TEST_F(VMSurfaceFitting, SideDrapeTakesThePointMetFirst)
{
  // Seen along +y (Front), the points nearest to y = -inf are met first: lowest y wins.
  const ON_3dPointArray points = Points({{0, 3, 0}, {2, 3, 0}, {0, 3, 2}, {2, 3, 2}, {1, 1, 1}, {1, 7, 1}});
  AnswerDialog(3, 3);
  ON_3dPointArray matrix;
  ON_NurbsSurface surface;
  int rows = 0, columns = 0;
  ASSERT_EQ(VMSurface::DrapeSurface(matrix, rows, columns, surface, points, ON_3dVector(0, 1, 0), 1, 0, nullptr), 1);
  ASSERT_EQ(matrix.Count(), 9);
  EXPECT_NEAR(matrix[4].x, 1.0, 1e-15);
  EXPECT_NEAR(matrix[4].y, 1.0, 1e-15);
  EXPECT_NEAR(matrix[4].z, 1.0, 1e-15);
  EXPECT_NEAR(matrix[0].y, 3.0, 1e-15); // the floor of the frame is the farthest y
  const ON_3dVector normal = surface.NormalAt(0.5, 0.5);
  EXPECT_NEAR(normal.y, -1.0, 1e-12); // against the drape direction
}

TEST_F(VMSurfaceFitting, TwoRowsStillDeliverTheMatrix)
{
  const ON_3dPointArray points = Points({{0, 0, 0}, {4, 1, 1}});
  AnswerDialog(2, 5);
  ON_3dPointArray matrix;
  ON_NurbsSurface surface;
  int rows = 0, columns = 0;
  EXPECT_EQ(VMSurface::DrapeSurface(matrix, rows, columns, surface, points, ON_3dVector(0, 0, -1), 1, 0, nullptr), 1);
  EXPECT_EQ(rows, 2);
  EXPECT_EQ(matrix.Count(), 10);
  EXPECT_EQ(Error(), "Invalid Nurbs Surface");
  EXPECT_FALSE(surface.IsValid());
  AnswerDialog(2, 5, 1.0);
  EXPECT_EQ(VMSurface::DrapeSurface(matrix, rows, columns, surface, points, ON_3dVector(0, 0, -1), 1, 0, nullptr), 0);
  EXPECT_EQ(Error(), "Probe compensation needs a surface of at least 3 rows and 3 columns");
}

TEST_F(VMSurfaceFitting, CancelledDialogFailsTheDrape)
{
  CancelDialog();
  ON_3dPointArray matrix;
  ON_NurbsSurface surface;
  int rows = 0, columns = 0;
  EXPECT_EQ(VMSurface::DrapeSurface(matrix, rows, columns, surface, Points({{0, 0, 0}, {1, 1, 1}}),
                                    ON_3dVector(0, 0, -1), 1, 0, nullptr),
            0);
  EXPECT_EQ(Error(), "Cancelled");
  EXPECT_EQ(matrix.Count(), 0);
}

TEST_F(VMSurfaceFitting, RealTerrainDrapesWithinItsHeights)
{
  const std::string path = std::string(NUBILO_SHARED_DATA) + "/xyz/AcrossCyn.xyz";
  std::FILE* file = std::fopen(path.c_str(), "r");
  if (!file)
    GTEST_SKIP() << "shared data not found: " << path;
  ON_3dPointArray points;
  double x, y, z;
  while (std::fscanf(file, "%lf %lf %lf", &x, &y, &z) == 3)
    points.Append(ON_3dPoint(x, y, z));
  std::fclose(file);
  ASSERT_EQ(points.Count(), 10573);
  const ON_BoundingBox box = points.BoundingBox();
  ON_3dPointArray matrix;
  ON_NurbsSurface surface;
  int rows = 0, columns = 0;
  ASSERT_EQ(VMSurface::DrapeSurface(matrix, rows, columns, surface, points, ON_3dVector(0, 0, -1), 1, 0, nullptr), 1);
  EXPECT_GT(rows, 10);
  EXPECT_GT(columns, 10);
  ASSERT_TRUE(surface.IsValid());
  EXPECT_EQ(matrix[0].x, box.m_min.x);
  EXPECT_EQ(matrix[0].y, box.m_min.y);
  EXPECT_NEAR(matrix[matrix.Count() - 1].x, box.m_max.x, 1e-6);
  for (int k = 0; k < matrix.Count(); k++)
  {
    ASSERT_GE(matrix[k].z, box.m_min.z);
    ASSERT_LE(matrix[k].z, box.m_max.z);
  }
}

TEST_F(VMSurfaceFitting, ProgressWindowsComeInTheOrderOfTheSteps)
{
  // Points on a slope seen from the front, with a hole in the middle that must be interpolated.
  ON_3dPointArray points;
  for (int x = 0; x <= 6; x++)
    for (int z = 0; z <= 6; z++)
      if (x < 2 || x > 4 || z < 2 || z > 4)
        points.Append(ON_3dPoint(x, 10.0 + 0.1 * x, z));
  AnswerDialog(7, 7, 0.5);
  Platform::ProgressWindow::SetQuiet(false);
  ::testing::internal::CaptureStderr();
  ON_3dPointArray matrix;
  ON_NurbsSurface surface;
  int rows = 0, columns = 0;
  const int result =
      VMSurface::DrapeSurface(matrix, rows, columns, surface, points, ON_3dVector(0, 1, 0), 1, 1, nullptr);
  const std::string log = ::testing::internal::GetCapturedStderr();
  ASSERT_EQ(result, 1);
  std::vector<std::string> closed;
  std::istringstream lines(log);
  const std::string done = ": done";
  for (std::string line; std::getline(lines, line);)
    if (line.size() > done.size() && line.compare(line.size() - done.size(), done.size(), done) == 0)
      closed.push_back(line.substr(0, line.size() - done.size()));
  EXPECT_EQ(closed,
            (std::vector<std::string>{"Transforming points", "Calculating surface", "Checking for missing points",
                                      "Interpolating points", "Transforming points", "Creating surface",
                                      "Offsetting surface", "Creating surface"}));
}
