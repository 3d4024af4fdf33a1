#include "MeshFileFixture.h"
#include "QORDXF.h"

#include <cmath>
#include <utility>
#include <vector>

namespace
{

using QORDXFTest = MeshFileTest;
using Groups = std::vector<std::pair<int, std::string>>;

// The file's group codes and values, in order.
Groups ReadGroups(const std::string& text)
{
  Groups groups;
  std::istringstream in(text);
  std::string code, value;
  while (std::getline(in, code) && std::getline(in, value))
    groups.emplace_back(std::stoi(code), value);
  return groups;
}

int CountOf(const Groups& groups, int code, const std::string& value)
{
  int n = 0;
  for (const auto& g : groups)
    n += g.first == code && g.second == value ? 1 : 0;
  return n;
}

// The value of the first group with the code after the entity named `entity`.
std::string ValueAfter(const Groups& groups, const std::string& entity, int code)
{
  bool inside = false;
  for (const auto& g : groups)
  {
    if (g.first == 0)
      inside = g.second == entity;
    else if (inside && g.first == code)
      return g.second;
  }
  return "";
}

ON_NurbsCurve Cubic(const ON_3dPoint (&cv)[4])
{
  ON_NurbsCurve curve(3, false, 4, 4);
  for (int i = 0; i < 4; i++)
    curve.SetCV(i, cv[i]);
  curve.MakeClampedUniformKnotVector();
  return curve;
}

ON_Mesh GridMesh(int columns)
{
  ON_Mesh mesh;
  for (int i = 0; i < columns; i++)
  {
    mesh.m_V.Append(ON_3fPoint(static_cast<float>(i), 0, 0));
    mesh.m_V.Append(ON_3fPoint(static_cast<float>(i), 1, 0));
  }
  for (int i = 0; i + 1 < columns; i++)
    mesh.m_F.Append(ON_MeshFace{{2 * i, 2 * i + 2, 2 * i + 3, 2 * i + 1}});
  return mesh;
}

} // namespace

TEST_F(QORDXFTest, FrameAndEmptyList)
{
  ASSERT_EQ(QORDXF::PointsToDXF(ON_3dPointArray(), WPath("empty.dxf")), 1);
  EXPECT_EQ(Read(Path("empty.dxf")), "  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n  0\nEOF\n");
}

TEST_F(QORDXFTest, CoordinatesReadBackExactly)
{
  ON_3dPointArray points;
  points.Append(ON_3dPoint(500000.123456789, 4200000.987654321, 912.3456789012));
  points.Append(ON_3dPoint(0.001234567890123, -1e-12, 1e300));
  ASSERT_EQ(QORDXF::PointsToDXF(points, WPath("points.dxf")), 1);
  const Groups groups = ReadGroups(Read(Path("points.dxf")));
  std::vector<double> values;
  for (const auto& g : groups)
    if (g.first == 10 || g.first == 20 || g.first == 30)
      values.push_back(std::strtod(g.second.c_str(), nullptr));
  ASSERT_EQ(values.size(), 6u);
  for (int i = 0; i < 6; i++)
    EXPECT_EQ(values[i], points[i / 3][i % 3]) << i;
  EXPECT_EQ(CountOf(groups, 62, "7"), 2) << "white";
}

TEST_F(QORDXFTest, PolylinesAreThreeDimensionalAndClosedOnesLeaveOutTheLastPoint)
{
  ON_ClassArray<ON_Polyline> polylines;
  ON_Polyline& square = polylines.AppendNew();
  for (const ON_3dPoint& p :
       {ON_3dPoint(0, 0, 1), ON_3dPoint(1, 0, 2), ON_3dPoint(1, 1, 3), ON_3dPoint(0, 1, 4), ON_3dPoint(0, 0, 1)})
    square.Append(p);
  ON_Polyline& open = polylines.AppendNew();
  open.Append(ON_3dPoint(0, 0, 5));
  open.Append(ON_3dPoint(2, 0, 6));
  ASSERT_EQ(QORDXF::PolylinesToDXF(polylines, WPath("lines.dxf")), 1);
  const Groups groups = ReadGroups(Read(Path("lines.dxf")));
  EXPECT_EQ(CountOf(groups, 70, "     9"), 1) << "closed 3-D polyline";
  EXPECT_EQ(CountOf(groups, 70, "     8"), 1) << "open 3-D polyline";
  EXPECT_EQ(CountOf(groups, 0, "VERTEX"), 4 + 2);
  EXPECT_EQ(CountOf(groups, 70, "    32"), 4 + 2) << "3-D polyline vertices";
  EXPECT_EQ(CountOf(groups, 30, "4"), 1);
}

TEST_F(QORDXFTest, PolyfaceUpTo32766AndFacesBeyond)
{
  struct Case
  {
    int columns;
    int extra_vertices;
    bool polyface;
  } cases[] = {{16383, 0, true}, {16383, 1, false}}; // 32766 and 32767 vertices
  for (const Case& c : cases)
  {
    ON_Mesh mesh = GridMesh(c.columns);
    for (int i = 0; i < c.extra_vertices; i++)
      mesh.m_V.Append(ON_3fPoint(0, 2, 0));
    ASSERT_EQ(QORDXF::MeshToDXF(mesh, WPath("mesh.dxf"), 0), 1);
    const Groups groups = ReadGroups(Read(Path("mesh.dxf")));
    EXPECT_EQ(CountOf(groups, 0, "POLYLINE"), c.polyface ? 1 : 0) << c.columns;
    EXPECT_EQ(CountOf(groups, 0, "3DFACE"), c.polyface ? 0 : mesh.FaceCount()) << c.columns;
    if (c.polyface)
    {
      EXPECT_EQ(CountOf(groups, 70, "    64"), 1);
      EXPECT_EQ(CountOf(groups, 70, "   192"), mesh.VertexCount());
      EXPECT_EQ(CountOf(groups, 74, "     " + std::to_string(2 * c.columns - 2)), 1) << "last quad's corner";
    }
  }
  const ON_Mesh faces = SampleMesh();
  ASSERT_EQ(QORDXF::MeshToDXF(faces, WPath("faces.dxf"), 1), 1);
  EXPECT_EQ(CountOf(ReadGroups(Read(Path("faces.dxf"))), 0, "3DFACE"), 3);
}

// A mesh's double-precision vertices (survey coordinates floats round by decimetres) are what the
// polyface's vertices and the 3DFACE corners carry, to the last digit.
TEST_F(QORDXFTest, MeshDoublesReadBackExactly)
{
  ON_Mesh mesh;
  for (const ON_3dPoint& p : {ON_3dPoint(500000.123, 4200000.456, 812.789), ON_3dPoint(500001.987, 4200000.071, 812.5),
                              ON_3dPoint(500001.5, 4200001.333, 813.01), ON_3dPoint(500000.01, 4200001.99, 812.02)})
    mesh.m_dV.Append(p);
  mesh.UpdateSinglePrecisionVertices();
  mesh.m_F.Append(ON_MeshFace{{0, 1, 2, 3}});
  mesh.m_F.Append(ON_MeshFace{{0, 2, 3, 3}});
  auto coordinates = [](const Groups& groups, int base)
  {
    std::vector<double> values;
    for (const auto& g : groups)
      if (g.first == base || g.first == base + 10 || g.first == base + 20)
        values.push_back(std::strtod(g.second.c_str(), nullptr));
    return values;
  };
  auto expected = [&mesh](std::initializer_list<int> corners)
  {
    std::vector<double> values;
    for (const int v : corners)
      for (int k = 0; k < 3; k++)
        values.push_back(mesh.m_dV[v][k]);
    return values;
  };
  ASSERT_EQ(QORDXF::MeshToDXF(mesh, WPath("polyface.dxf"), 0), 1);
  std::vector<double> polyface = coordinates(ReadGroups(Read(Path("polyface.dxf"))), 10);
  ASSERT_EQ(polyface.size(), 3u * (1 + 4 + 2)); // the polyline's own, then 4 vertices and 2 faces at 0
  EXPECT_EQ(std::vector<double>(polyface.begin() + 3, polyface.begin() + 15), expected({0, 1, 2, 3}));

  ASSERT_EQ(QORDXF::MeshToDXF(mesh, WPath("faces.dxf"), 1), 1);
  const Groups faces = ReadGroups(Read(Path("faces.dxf")));
  std::vector<double> corners;
  for (int base = 10; base <= 13; base++)
  {
    const std::vector<double> values = coordinates(faces, base);
    corners.insert(corners.end(), values.begin(), values.end());
  }
  // Grouped by corner: every face's first corners, then their second ones, and so on.
  std::vector<double> wanted;
  for (const std::vector<double>& corner : {expected({0, 0}), expected({1, 2}), expected({2, 3}), expected({3, 3})})
    wanted.insert(wanted.end(), corner.begin(), corner.end());
  EXPECT_EQ(corners, wanted);
}

TEST_F(QORDXFTest, ColourNumbers)
{
  struct Case
  {
    ON_Color colour;
    int number;
  } cases[] = {
      {ON_Color(255, 0, 0), 1},       {ON_Color(255, 255, 255), 7},  {ON_Color(1, 2, 3), 256},
      {ON_Color(128, 128, 128), 8},   {ON_Color(166, 83, 83), 13},   {ON_Color(38, 19, 19), 19},
      {ON_Color(255, 64, 0), 20},     {ON_Color(255, 159, 128), 21}, {ON_Color(84, 84, 84), 250},
      {ON_Color(221, 221, 221), 254},
  };
  for (const Case& c : cases)
    EXPECT_EQ(QORDXF::GetColorNumber(static_cast<unsigned int>(c.colour)), c.number)
        << c.colour.Red() << "," << c.colour.Green() << "," << c.colour.Blue();

  ON_Mesh red = SampleMesh();
  red.m_C.Append(ON_Color(255, 0, 0));
  ASSERT_EQ(QORDXF::MeshToDXF(red, WPath("red.dxf"), 0), 1);
  EXPECT_EQ(ValueAfter(ReadGroups(Read(Path("red.dxf"))), "POLYLINE", 62), "1");
}

TEST_F(QORDXFTest, ArcsAndCirclesInObjectCoordinates)
{
  FILE* stream = std::fopen(Path("arcs.dxf").c_str(), "w");
  ASSERT_NE(stream, nullptr);
  const ON_Circle flat(ON_3dPoint(500000, 4200000, 10), 2.0);
  ON_Plane tilted(ON_3dPoint(1, 2, 3), ON_3dVector(0, 1, 0), ON_3dVector(0, 0, 1)); // normal +x
  EXPECT_EQ(QORDXF::WriteStart(stream), 1);
  EXPECT_EQ(QORDXF::WriteArc(stream, ON_Arc(flat, ON_PI / 2), "0", ON_Color(255, 255, 255)), 1);
  EXPECT_EQ(QORDXF::WriteCircle(stream, ON_Circle(tilted, 1.5), "0", ON_Color(255, 255, 255)), 1);
  EXPECT_EQ(QORDXF::WriteEnd(stream), 1);
  const Groups groups = ReadGroups(Read(Path("arcs.dxf")));
  EXPECT_EQ(ValueAfter(groups, "ARC", 50), "0");
  EXPECT_EQ(ValueAfter(groups, "ARC", 51), "90");
  EXPECT_EQ(ValueAfter(groups, "ARC", 10), "500000");
  // Normal +x: Ax = z × x = y, Ay = x × y = z, so the centre (1, 2, 3) is (2, 3, 1) in the OCS.
  EXPECT_EQ(ValueAfter(groups, "CIRCLE", 10), "2");
  EXPECT_EQ(ValueAfter(groups, "CIRCLE", 20), "3");
  EXPECT_EQ(ValueAfter(groups, "CIRCLE", 30), "1");
  EXPECT_EQ(ValueAfter(groups, "CIRCLE", 210), "1");
}

TEST_F(QORDXFTest, CurvesAreNeverDropped)
{
  ON_ClassArray<ON_NurbsCurve> curves;
  curves.Append(Cubic({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}})); // a line
  const ON_3dPoint wavy[4] = {{0, 0, 0}, {1, 2, 1}, {2, -2, 2}, {3, 0, 3}};
  curves.Append(Cubic(wavy)); // a free-form curve
  ASSERT_EQ(QORDXF::NurbsCurvesToDXF(curves, WPath("curves.dxf")), 1);
  const Groups groups = ReadGroups(Read(Path("curves.dxf")));
  EXPECT_EQ(CountOf(groups, 0, "LINE"), 1);
  ASSERT_EQ(CountOf(groups, 0, "POLYLINE"), 1);
  // Every chord of the polyline stays within the stated tolerance of the curve.
  std::vector<ON_3dPoint> vertices;
  for (size_t i = 0; i + 2 < groups.size(); i++)
    if (groups[i].first == 10 && groups[i].second != "0.0")
      vertices.emplace_back(std::stod(groups[i].second), std::stod(groups[i + 1].second),
                            std::stod(groups[i + 2].second));
  ASSERT_GT(vertices.size(), 10u);
  const ON_NurbsCurve& curve = curves[1];
  const double tolerance = curve.BoundingBox().Diagonal().Length() * QORDXF::ChordalTolerance;
  EXPECT_EQ(vertices.front(), curve.PointAtStart());
  EXPECT_EQ(vertices.back(), curve.PointAtEnd());
  double worst = 0;
  for (int k = 0; k <= 2000; k++)
  {
    const ON_3dPoint p = curve.PointAt(curve.Domain().ParameterAt(k / 2000.0));
    double nearest = 1e300;
    for (size_t i = 0; i + 1 < vertices.size(); i++)
      nearest = std::min(nearest, ON_Line(vertices[i], vertices[i + 1]).MinimumDistanceTo(p));
    worst = std::max(worst, nearest);
  }
  EXPECT_LE(worst, tolerance);
}

TEST_F(QORDXFTest, UnwritableTargetFailsAndLeavesNothing)
{
  ON_3dPointArray points;
  points.Append(ON_3dPoint(1, 2, 3));
  EXPECT_EQ(QORDXF::PointsToDXF(points, WPath("missing/points.dxf")), 0);
  EXPECT_EQ(QORDXF::GetError(), ON_wString(L"Unable to write to DXF file"));
  Write("kept.dxf", "old");
  FILE* full = std::fopen("/dev/full", "w");
  if (full)
  {
    EXPECT_EQ(QORDXF::WriteStart(full) & QORDXF::WritePoint(full, points[0], "0", ON_Color(0, 0, 0)) &
                  QORDXF::WriteEnd(full),
              0)
        << "a full disk is reported";
  }
  EXPECT_EQ(Read(Path("kept.dxf")), "old");
}

TEST_F(QORDXFTest, EzdxfAuditsAndReadsEveryEntity)
{
  if (std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "ezdxf (Debian python3-ezdxf) is not installed";
  ON_SimpleArray<const ON_Geometry*> objects;
  const ON_Point point(ON_3dPoint(500000.125, 4200000.25, 912.5));
  ON_Polyline polyline;
  polyline.Append(ON_3dPoint(0, 0, 1.5));
  polyline.Append(ON_3dPoint(1, 0, 2.5));
  polyline.Append(ON_3dPoint(1, 1, 3.5));
  const ON_PolylineCurve pline(polyline);
  const ON_ArcCurve arc(ON_Arc(ON_Circle(ON_3dPoint(0, 0, 7), 2.0), ON_PI));
  const ON_Mesh mesh = SampleMesh();
  const ON_NurbsSurface surface;
  for (const ON_Geometry* g : std::initializer_list<const ON_Geometry*>{&point, &pline, &arc, &mesh, &surface})
    objects.Append(g);
  int skipped = -1;
  ASSERT_EQ(QORDXF::ObjectsToDXF(objects, WPath("all.dxf"), skipped), 1);
  EXPECT_EQ(skipped, 1) << "the surface";
  const std::string audit = RunTool("/usr/bin/python3 -m ezdxf audit '" + Path("all.dxf") + "'");
  EXPECT_NE(audit.find("No errors found"), std::string::npos) << audit;
  const std::string read = RunTool(
      "/usr/bin/python3 -c \"import ezdxf,sys\n"
      "for e in ezdxf.readfile(sys.argv[1]).modelspace():\n"
      "  if e.dxftype() == 'POLYLINE' and e.is_3d_polyline: print('3D', [tuple(v.dxf.location) for v in e.vertices])\n"
      "  elif e.dxftype() == 'POLYLINE' and e.is_poly_face_mesh: print('FACES', len(list(e.faces())))\n"
      "  elif e.dxftype() == 'POINT': print('POINT', tuple(e.dxf.location))\n"
      "  else: print(e.dxftype())\n\" '" +
      Path("all.dxf") + "'");
  EXPECT_NE(read.find("POINT (500000.125, 4200000.25, 912.5)"), std::string::npos) << read;
  EXPECT_NE(read.find("3D [(0.0, 0.0, 1.5), (1.0, 0.0, 2.5), (1.0, 1.0, 3.5)]"), std::string::npos) << read;
  EXPECT_NE(read.find("ARC"), std::string::npos) << read;
  EXPECT_NE(read.find("FACES 3"), std::string::npos) << read;
}
