#include "ProgramTest.h"
#include "opennurbs.h"

#include <cmath>
#include <vector>

namespace
{

// Drapes of the shared canyon survey written as DXF, read back by ezdxf and GDAL.
class DxfProgramTest : public ProgramTest
{
protected:
  void SetUp() override
  {
    ProgramTest::SetUp();
    m_survey = std::string(NUBILO_SHARED_DATA) + "/xyz/AcrossCyn.xyz";
    if (!std::ifstream(m_survey).good())
      GTEST_SKIP() << "shared test data not found under " << NUBILO_SHARED_DATA;
  }
  // The drape's output of the given type, as DXF and (for reference) as 3DM.
  void Drape(const char* type)
  {
    ASSERT_EQ(Nubilo("-c " + Quote("NBImportPoints File=\"" + m_survey +
                                   "\" OK  NBDrapeSurface "
                                   "DrapeDirection=Top SurfaceType=" +
                                   type +
                                   " All Enter Rows=40 Columns=50 OK  "
                                   "Export drape.dxf  Export drape.3dm")),
              0)
        << m_output;
  }
  static bool HasEzdxf() { return std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") == 0; }
  // The 3-D polylines of the DXF file (the survey's points are there too) as ezdxf reads them, one line of "x y z" per
  // vertex with full precision and a blank line after each polyline.
  std::vector<std::vector<ON_3dPoint>> EzdxfPolylines()
  {
    EXPECT_EQ(Shell("/usr/bin/python3 -c \"import ezdxf\n"
                    "for e in ezdxf.readfile('drape.dxf').modelspace().query('POLYLINE'):\n"
                    "  assert e.is_3d_polyline\n"
                    "  for v in e.vertices: print(*(repr(c) for c in v.dxf.location))\n"
                    "  print()\""),
              0)
        << m_output;
    std::vector<std::vector<ON_3dPoint>> polylines(1);
    std::istringstream in(m_stdout);
    std::string line;
    while (std::getline(in, line))
    {
      if (line.empty())
      {
        polylines.emplace_back();
        continue;
      }
      ON_3dPoint p;
      std::istringstream(line) >> p.x >> p.y >> p.z;
      polylines.back().push_back(p);
    }
    polylines.pop_back();
    return polylines;
  }
  // The curves the drape made, from the 3DM file.
  std::vector<const ON_Curve*> Curves(ONX_Model& model)
  {
    std::vector<const ON_Curve*> curves;
    EXPECT_TRUE(model.Read(Path("drape.3dm").c_str()));
    for (int i = 0; i < model.m_object_table.Count(); ++i)
      if (const ON_Curve* c = ON_Curve::Cast(model.m_object_table[i].m_object))
        curves.push_back(c);
    return curves;
  }

  std::string m_survey;
};

} // namespace

TEST_F(DxfProgramTest, DrapedPolylinesReadBackExactly)
{
  Drape("Polylines");
  EXPECT_TRUE(OnStdout("objects to drape.dxf\n")) << m_output;
  if (!HasEzdxf())
    GTEST_SKIP() << "ezdxf (Debian python3-ezdxf) is not installed";
  ASSERT_EQ(Shell("/usr/bin/python3 -m ezdxf audit drape.dxf"), 0) << m_output;
  EXPECT_TRUE(Printed("No errors found")) << m_output;
  ONX_Model model;
  const std::vector<const ON_Curve*> curves = Curves(model);
  const auto polylines = EzdxfPolylines();
  ASSERT_EQ(polylines.size(), curves.size());
  for (size_t i = 0; i < curves.size(); ++i)
  {
    const ON_PolylineCurve* expected = ON_PolylineCurve::Cast(curves[i]);
    ASSERT_NE(expected, nullptr);
    ASSERT_EQ(static_cast<int>(polylines[i].size()), expected->m_pline.Count());
    for (size_t k = 0; k < polylines[i].size(); ++k)
      EXPECT_LE(polylines[i][k].DistanceTo(expected->m_pline[static_cast<int>(k)]), 1e-9) << i << " " << k;
  }
}

TEST_F(DxfProgramTest, DrapedNurbsCurvesBecomeCloseThreeDimensionalPolylines)
{
  Drape("NurbCurves");
  if (!HasEzdxf())
    GTEST_SKIP() << "ezdxf (Debian python3-ezdxf) is not installed";
  ONX_Model model;
  const std::vector<const ON_Curve*> curves = Curves(model);
  const auto polylines = EzdxfPolylines();
  ASSERT_EQ(polylines.size(), curves.size());
  for (size_t i = 0; i < curves.size(); ++i)
  {
    ASSERT_GE(polylines[i].size(), 2u);
    EXPECT_LE(polylines[i].front().DistanceTo(curves[i]->PointAtStart()), 1e-9) << i;
    EXPECT_LE(polylines[i].back().DistanceTo(curves[i]->PointAtEnd()), 1e-9) << i;
    // Heights vary along the canyon: the polyline is no flat copy.
    double low = 1e300, high = -1e300;
    for (const ON_3dPoint& p : polylines[i])
      low = std::min(low, p.z), high = std::max(high, p.z);
    EXPECT_GT(high - low, 1.0) << i;
  }
}

TEST_F(DxfProgramTest, OgrReadsEveryEntityWithItsHeight)
{
  Drape("Polylines");
  if (std::system("command -v ogrinfo >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "ogrinfo (Debian gdal-bin) is not installed";
  ASSERT_EQ(Shell("ogrinfo -al -q drape.dxf"), 0) << m_output;
  auto count = [this](const std::string& text)
  {
    size_t n = 0;
    for (size_t at = m_stdout.find(text); at != std::string::npos; at = m_stdout.find(text, at + 1))
      ++n;
    return n;
  };
  EXPECT_EQ(count("LINESTRING Z ("), 90u) << m_output.substr(0, 2000);
  EXPECT_EQ(count("POINT Z ("), 10573u) << m_output.substr(0, 2000);
}
