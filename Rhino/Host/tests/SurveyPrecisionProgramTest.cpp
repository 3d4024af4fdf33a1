#include "ProgramTest.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace
{

struct Position
{
  double x, y, z;
  bool operator==(const Position& o) const { return x == o.x && y == o.y && z == o.z; }
};

// A drape at UTM coordinates, where floats keep multiples of 0.03125 in x and 0.5 in y.
class SurveyPrecisionProgramTest : public ProgramTest
{
protected:
  static constexpr int kRows = 5, kColumns = 6;

  void SetUp() override
  {
    ProgramTest::SetUp();
    std::string survey;
    char line[128];
    for (int i = 0; i < 9; ++i)
      for (int j = 0; j < 7; ++j)
      {
        std::snprintf(line, sizeof line, "%.3f %.3f %.3f\n", 500000.123 + 1.37 * i, 4200000.456 + 0.91 * j,
                      812.3 + 0.11 * i - 0.07 * j + 0.013 * i * j);
        survey += line;
      }
    Write("survey.txt", survey);
  }
  // The drape of the survey as the given surface type, then the given exports.
  void Drape(const std::string& type, const std::string& exports)
  {
    ASSERT_EQ(Nubilo("-c " + Quote("NBImportPoints File=survey.txt OK  NBDrapeSurface DrapeDirection=Top SurfaceType=" +
                                   type + " All Enter Rows=" + std::to_string(kRows) +
                                   " Columns=" + std::to_string(kColumns) + " OK  " + exports)),
              0)
        << m_output;
  }
  // Values on the lines of a file that start with `start` (its first `skip` lines passed over).
  std::vector<Position> Positions(const std::string& name, const std::string& start, size_t skip = 0) const
  {
    std::vector<Position> positions;
    std::istringstream in(Read(name));
    std::string line;
    for (size_t n = 0; std::getline(in, line); ++n)
    {
      if (n < skip || line.compare(0, start.size(), start) != 0)
        continue;
      char* end = nullptr;
      Position p;
      p.x = std::strtod(line.c_str() + start.size(), &end);
      p.y = std::strtod(end, &end);
      p.z = std::strtod(end, &end);
      positions.push_back(p);
    }
    return positions;
  }
  // The coordinates of the polyface mesh's vertices (flag 192) in a DXF file.
  std::vector<Position> PolyfaceVertices(const std::string& name) const
  {
    std::vector<Position> positions;
    std::istringstream in(Read(name));
    std::string code, value;
    Position p{};
    bool vertex = false;
    while (std::getline(in, code) && std::getline(in, value))
    {
      const int group = std::atoi(code.c_str());
      if (group == 0)
        vertex = value == "VERTEX";
      if (!vertex)
        continue;
      if (group == 10)
        p.x = std::strtod(value.c_str(), nullptr);
      if (group == 20)
        p.y = std::strtod(value.c_str(), nullptr);
      if (group == 30)
        p.z = std::strtod(value.c_str(), nullptr);
      if (group == 70 && std::atoi(value.c_str()) == 192)
        positions.push_back(p);
    }
    return positions;
  }
};

} // namespace

// The mesh's vertices written to OBJ, DXF and point text read back as exactly the grid points the
// drape gives as points; single precision would have moved them by centimetres or more.
TEST_F(SurveyPrecisionProgramTest, DrapedMeshKeepsItsCentimetresInObjDxfAndPointText)
{
  const int count = kRows * kColumns, survey = 9 * 7;
  Drape("Points", "Export grid.xyz");
  const std::vector<Position> all = Positions("grid.xyz", "");
  ASSERT_EQ(all.size(), static_cast<size_t>(survey + count));
  const std::vector<Position> grid(all.begin() + survey, all.end());
  double rounding = 0.0;
  for (const Position& p : grid)
    rounding = std::fmax(rounding, std::fabs(static_cast<float>(p.y) - p.y));
  EXPECT_GT(rounding, 0.01) << "floats would lose centimetres here";

  Drape("PolygonMesh", "Export mesh.obj  Export mesh.dxf  Export mesh.xyz");
  EXPECT_TRUE(OnStdout("Exported " + std::to_string(survey) + " points and " + std::to_string(count) +
                       " mesh vertices to mesh.xyz\n"))
      << m_output;
  EXPECT_TRUE(Printed("OBJ, DXF and point text files keep full precision")) << m_output;
  EXPECT_EQ(Positions("mesh.obj", "v "), grid);
  EXPECT_EQ(PolyfaceVertices("mesh.dxf"), grid);
  EXPECT_EQ(Positions("mesh.xyz", "", survey), grid);

  if (std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "ezdxf (Debian python3-ezdxf) is not installed";
  ASSERT_EQ(Shell("/usr/bin/python3 -c \"import ezdxf\n"
                  "for e in ezdxf.readfile('mesh.dxf').modelspace().query('POLYLINE'):\n"
                  "  for v in e.vertices:\n"
                  "    if v.dxf.flags == 192: print('v', *(repr(c) for c in v.dxf.location))\" > ezdxf.txt"),
            0)
      << m_output;
  EXPECT_EQ(Positions("ezdxf.txt", "v "), grid);
}

// An ESRI grid at UTM coordinates with a NODATA cell: the mesh's vertices in OBJ and point text are
// the same doubles, and they hold what floats would round away.
TEST_F(SurveyPrecisionProgramTest, GridMeshKeepsItsCentimetresInObjAndPointText)
{
  Write("dem.asc", "ncols 4\nnrows 3\nxllcorner 500000.123\nyllcorner 4200000.456\ncellsize 1.37\nNODATA_value -9999\n"
                   "812.31 812.42 -9999 812.64\n812.25 812.36 812.47 812.58\n812.19 812.3 812.41 812.52\n");
  ASSERT_EQ(Nubilo("-c 'Import dem.asc  Export dem.obj  Export dem.xyz'"), 0) << m_output;
  EXPECT_TRUE(OnStdout("Exported 0 points and 11 mesh vertices to dem.xyz\n")) << m_output;
  const std::vector<Position> vertices = Positions("dem.xyz", "");
  ASSERT_EQ(vertices.size(), 11u);
  EXPECT_EQ(Positions("dem.obj", "v "), vertices);
  double rounding = 0.0;
  for (const Position& p : vertices)
    rounding = std::fmax(rounding, std::fabs(static_cast<float>(p.x) - p.x) + std::fabs(static_cast<float>(p.y) - p.y));
  EXPECT_GT(rounding, 0.01) << "the grid's doubles are more than floats";
}
