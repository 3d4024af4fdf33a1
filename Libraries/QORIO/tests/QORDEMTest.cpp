#include "MeshFileFixture.h"
#include "QORDEM.h"

#include <map>
#include <tuple>

namespace
{

struct Grid
{
  int result = 0, rows = -1, columns = -1;
  ON_3dPointArray points;
};

} // namespace

class QORDEMRead : public MeshFileTest
{
protected:
  Grid ReadGrid(const std::string& text)
  {
    Grid grid;
    grid.result =
        QORDEM::DEMToPointMatrix(ON_wString(Write("grid.asc", text).c_str()), grid.rows, grid.columns, grid.points);
    return grid;
  }
};

TEST_F(QORDEMRead, RowsFromTheNorthAtCellCentres)
{
  // Two rows of three: the file's first row is the northern one.
  const Grid grid = ReadGrid("NCOLS 3\nnrows 2\nxllcorner 100\nyllcorner 200\ncellsize 0.5\nNODATA_value -9999\n"
                             "1 2 3\n4 5 6\n");
  ASSERT_EQ(grid.result, 1) << QORDEM::GetError().Array();
  EXPECT_EQ(grid.rows, 2);
  EXPECT_EQ(grid.columns, 3);
  const ON_3dPoint expected[6] = {{100.25, 200.25, 4}, {100.75, 200.25, 5}, {101.25, 200.25, 6},
                                  {100.25, 200.75, 1}, {100.75, 200.75, 2}, {101.25, 200.75, 3}};
  ASSERT_EQ(grid.points.Count(), 6);
  for (int i = 0; i < 6; i++)
    EXPECT_EQ(grid.points[i], expected[i]) << i;
}

TEST_F(QORDEMRead, HeaderByNameInAnyOrderWithCentresAndWithoutNodata)
{
  const Grid grid = ReadGrid("cellsize 10\nyllcenter 5\nncols 2\nXLLCENTER 1\nnrows 1\n7 -9999\n");
  ASSERT_EQ(grid.result, 1) << QORDEM::GetError().Array();
  EXPECT_EQ(grid.points[0], ON_3dPoint(1, 5, 7));
  EXPECT_EQ(grid.points[1], ON_3dPoint(11, 5, -9999)) << "no NODATA_value: every cell is data";
}

TEST_F(QORDEMRead, NodataCellsAreUnset)
{
  const Grid grid = ReadGrid("ncols 2\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\nnodata_value -1\n-1 3\n4 -1\n");
  ASSERT_EQ(grid.result, 1);
  EXPECT_EQ(grid.points[0], ON_3dPoint(0.5, 0.5, 4));
  EXPECT_TRUE(grid.points[1].IsUnsetPoint());
  EXPECT_TRUE(grid.points[2].IsUnsetPoint());
  EXPECT_EQ(grid.points[3], ON_3dPoint(1.5, 1.5, 3));
}

TEST_F(QORDEMRead, BadFilesFailAndLeaveTheOutputs)
{
  struct Case
  {
    const char* text;
    const wchar_t* error;
  } cases[] = {
      {"nrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\n5\n",
       L"The DEM file is not a valid ESRI DEM file: missing 'ncols'"},
      {"", L"The DEM file is not a valid ESRI DEM file: missing 'ncols'"},
      {"ncols 2\nnrows 2\nxllcorner 0\nyllcorner 0\n1 2 3 4\n",
       L"The DEM file is not a valid ESRI DEM file: missing 'cellsize'"},
      {"ncols 3\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\n1 2 3 4\n", L"The DEM file holds 4 values, 6 expected"},
      {"ncols 0\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\n",
       L"The DEM file needs positive ncols, nrows and cellsize"},
      {"ncols 2\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize -1\n1 2 3 4\n",
       L"The DEM file needs positive ncols, nrows and cellsize"},
      {"ncols 2.5\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\n1 2 3 4 5\n",
       L"The DEM file needs positive ncols, nrows and cellsize"},
      {"ncols 100000000\nnrows 100000000\nxllcorner 0\nyllcorner 0\ncellsize 1\n1\n",
       L"The DEM file's grid is too large"},
      {"ncols x\n", L"The DEM file has no number after 'ncols'"},
      {"ncols 2\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\n1 abc\n",
       L"The DEM file holds a value that is not a number: abc"},
      {"ncols 2\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\nNODATA_value 9\n9 9\n",
       L"The DEM file holds no data cells"},
  };
  for (const Case& c : cases)
  {
    Grid grid;
    grid.points.Append(ON_3dPoint(1, 2, 3));
    grid.result =
        QORDEM::DEMToPointMatrix(ON_wString(Write("bad.asc", c.text).c_str()), grid.rows, grid.columns, grid.points);
    EXPECT_EQ(grid.result, 0) << c.text;
    EXPECT_EQ(QORDEM::GetError(), ON_wString(c.error)) << c.text;
    EXPECT_EQ(grid.points.Count(), 1) << c.text;
    EXPECT_EQ(grid.rows, -1) << c.text;
  }
  Grid missing;
  EXPECT_EQ(QORDEM::DEMToPointMatrix(WPath("none.asc"), missing.rows, missing.columns, missing.points), 0);
  EXPECT_EQ(QORDEM::GetError(), ON_wString(L"Unable to read DEM file"));
}

// Every cell as GDAL places it: gdal_translate -of XYZ lists x, y and value of each cell.
TEST_F(QORDEMRead, SharedGridsMatchGdalCellForCell)
{
  if (!HasTool("gdal_translate"))
    GTEST_SKIP() << "gdal_translate (Debian gdal-bin) is not installed";
  for (const char* name : {"asc/sample.asc", "asc/big_int_arc_file.asc"})
  {
    const std::string path = SharedData(name);
    if (!Exists(path))
      GTEST_SKIP() << "shared test data not found: " << path;
    std::map<std::pair<double, double>, double> gdal;
    const std::string xyz = Path("gdal.xyz");
    RunTool("gdal_translate -q -of XYZ '" + path + "' '" + xyz + "'");
    std::istringstream lines(Read(xyz));
    double x, y, z;
    while (lines >> x >> y >> z)
      gdal[{x, y}] = z;
    ASSERT_FALSE(gdal.empty()) << name;
    Grid grid;
    ASSERT_EQ(QORDEM::DEMToPointMatrix(ON_wString(path.c_str()), grid.rows, grid.columns, grid.points), 1) << name;
    ASSERT_EQ(static_cast<size_t>(grid.points.Count()), gdal.size()) << name;
    int data = 0;
    for (int i = 0; i < grid.points.Count(); i++)
    {
      const ON_3dPoint& p = grid.points[i];
      if (p.IsUnsetPoint())
        continue;
      ++data;
      const auto cell = gdal.find({p.x, p.y});
      ASSERT_NE(cell, gdal.end()) << name << " cell " << i << " at " << p.x << ", " << p.y;
      EXPECT_EQ(cell->second, p.z) << name << " cell " << i;
    }
    EXPECT_GT(data, 0) << name;
  }
}
