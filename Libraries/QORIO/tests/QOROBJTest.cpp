#include "MeshFileFixture.h"
#include "QOROBJ.h"

#include <cmath>
#include <vector>

namespace
{

using QOROBJTest = MeshFileTest;

// A convex pentagon in the plane z = 0.
const char kPentagon[] = "v 0 0 0\nv 2 0 0\nv 3 1 0\nv 1 3 0\nv -1 1 0\n";

std::vector<std::vector<int>> Faces(const ON_Mesh& mesh)
{
  std::vector<std::vector<int>> faces;
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    const ON_MeshFace& f = mesh.m_F[fi];
    faces.push_back(f.IsTriangle() ? std::vector<int>{f.vi[0], f.vi[1], f.vi[2]}
                                   : std::vector<int>{f.vi[0], f.vi[1], f.vi[2], f.vi[3]});
  }
  return faces;
}

struct FaceCase
{
  const char* line;
  std::vector<std::vector<int>> faces; // empty: the line is skipped
};

TEST_F(QOROBJTest, FaceLines)
{
  const FaceCase cases[] = {
      {"f 1/1/1 2/2/2 3/3/3", {{0, 1, 2}}},
      {"f 1//4 2//4 3//4 4//4", {{0, 1, 2, 3}}},
      {"f 1 2 3 4 5", {{0, 1, 2}, {0, 2, 3}, {0, 3, 4}}}, // a fan from the first corner
      {"f\t1 2 3", {}},                                   // "f" not followed by a space
      {"f -3 -2 -1", {{0, 1, 2}}},                        // relative (unused vertices go)
      {"f -6 -2 -1", {}},                                 // before the first vertex
      {"f 0 1 2", {}},
      {"f 1 2 6", {}},
      {"f 1 2", {}},
      {"f 1 2 x", {}},
      {"f 1 2 3 4 99", {}},
      {"f 1 2 99999999999", {}},
  };
  for (const FaceCase& c : cases)
  {
    Write("f.obj", std::string(kPentagon) + c.line + "\n");
    ON_Mesh mesh;
    QOROBJ::SetError(L"");
    const int rc = QOROBJ::OBJToMesh(WPath("f.obj"), mesh);
    EXPECT_EQ(rc, c.faces.empty() ? 0 : 1) << c.line;
    EXPECT_EQ(Faces(mesh), c.faces) << c.line;
    if (c.faces.empty())
    {
      EXPECT_TRUE(QOROBJ::GetError() == L"Mesh has invalid geometry") << c.line;
    }
  }
}

TEST_F(QOROBJTest, RelativeReferencesCountBackFromTheirLine)
{
  // -1 is the last vertex defined before the face line; a vertex after it does not count.
  Write("r.obj", std::string(kPentagon) + "f -5 2 -1\nv 5 5 0\nf -1 -2 -3\n");
  ON_Mesh mesh;
  ASSERT_EQ(QOROBJ::OBJToMesh(WPath("r.obj"), mesh), 1);
  ASSERT_EQ(mesh.FaceCount(), 2);
  auto corner = [&](int face, int k) { return ON_3dPoint(mesh.m_V[mesh.m_F[face].vi[k]]); };
  EXPECT_EQ(corner(0, 0), ON_3dPoint(0, 0, 0));
  EXPECT_EQ(corner(0, 1), ON_3dPoint(2, 0, 0));
  EXPECT_EQ(corner(0, 2), ON_3dPoint(-1, 1, 0));
  EXPECT_EQ(corner(1, 0), ON_3dPoint(5, 5, 0));
  EXPECT_EQ(corner(1, 2), ON_3dPoint(1, 3, 0));
  ON_ClassArray<ON_Mesh> groups;
  ASSERT_EQ(QOROBJ::OBJToMesh(WPath("r.obj"), groups), 1);
  ASSERT_EQ(groups.Count(), 1);
  EXPECT_EQ(groups[0].FaceCount(), 2);
}

TEST_F(QOROBJTest, SingleMeshSharesVerticesAndDropsUnusedOnes)
{
  Write("m.obj", "# faces may come before their vertices\r\nf 1 2 3\r\nf 3 2 4\r\n"
                 "v 0 0 0\r\nv 1 0 0 extra\r\nv 0 1 0\r\nv 1 1\r\nv 9 9 9\r\nvt 5 5\r\n");
  ON_Mesh mesh;
  ASSERT_EQ(QOROBJ::OBJToMesh(WPath("m.obj"), mesh), 1);
  EXPECT_EQ(Faces(mesh), (std::vector<std::vector<int>>{{0, 1, 2}, {2, 1, 3}}));
  ASSERT_EQ(mesh.VertexCount(), 4);
  EXPECT_EQ(mesh.m_V[3], ON_3fPoint(1, 1, 0)) << "a missing coordinate is 0";
}

TEST_F(QOROBJTest, GroupsGiveOneMeshEachAndTheUngroupedFacesComeLast)
{
  Write("g.obj", std::string(kPentagon) + "f 1 2 3\n"          // outside any group
                                          "g a b a\nf 1 2 4\n" // in a and b, once each
                                          "g b\nf 1 3 4 5\n"   // b only; no new group
                                          "g \nf 2 3 4\n"      // outside again
                                          "g c\nf 1 1 2\n");   // c has no valid face
  ON_ClassArray<ON_Mesh> meshes;
  ASSERT_EQ(QOROBJ::OBJToMesh(WPath("g.obj"), meshes), 1);
  ASSERT_EQ(meshes.Count(), 3);
  EXPECT_EQ(meshes[0].FaceCount(), 1); // a
  EXPECT_EQ(meshes[1].FaceCount(), 2); // b
  EXPECT_EQ(meshes[2].FaceCount(), 2); // outside
  EXPECT_EQ(meshes[1].VertexCount(), 7) << "every face brings its own vertices";
  EXPECT_TRUE(meshes[1].m_F[1].IsQuad());
  EXPECT_EQ(meshes[2].m_V[3], ON_3fPoint(2, 0, 0));
}

TEST_F(QOROBJTest, GroupReaderSplitsLargeFacesToo)
{
  Write("g.obj", std::string(kPentagon) + "g p\nf 1 2 3 4 5\n");
  ON_ClassArray<ON_Mesh> meshes;
  ASSERT_EQ(QOROBJ::OBJToMesh(WPath("g.obj"), meshes), 1);
  ASSERT_EQ(meshes.Count(), 1);
  EXPECT_EQ(meshes[0].FaceCount(), 3);
}

TEST_F(QOROBJTest, UnreadableFilesLeaveTheOutputAlone)
{
  for (const std::string& path : {Path("missing.obj"), m_dir})
  {
    ON_Mesh mesh = SampleMesh();
    EXPECT_EQ(QOROBJ::OBJToMesh(ON_wString(path.c_str()), mesh), 0);
    EXPECT_TRUE(QOROBJ::GetError() == L"Unable to read OBJ file");
    EXPECT_EQ(mesh.FaceCount(), 3);
    ON_ClassArray<ON_Mesh> meshes;
    meshes.Append(SampleMesh());
    EXPECT_EQ(QOROBJ::OBJToMesh(ON_wString(path.c_str()), meshes), 0);
    EXPECT_EQ(meshes.Count(), 1);
  }
  Write("empty.obj", "");
  ON_Mesh mesh = SampleMesh();
  EXPECT_EQ(QOROBJ::OBJToMesh(WPath("empty.obj"), mesh), 0);
  EXPECT_TRUE(QOROBJ::GetError() == L"Mesh has invalid geometry");
  EXPECT_EQ(mesh.FaceCount(), 3);
}

TEST_F(QOROBJTest, WrittenLayoutWithMaterials)
{
  ON_Mesh mesh = SampleMesh();
  mesh.m_C.Append(ON_Color(255, 51, 0));
  ASSERT_EQ(QOROBJ::MeshToOBJ(mesh, WPath("my model.obj"), 1), 1);
  EXPECT_EQ(Read(Path("my model.obj")), "## Wavefront OBJ file\n## Created by Norvane Geometry Library\n\n"
                                        "mtllib my-model.mtl\n"
                                        "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 2 0 0.5\nv 2 1 0.5\n"
                                        "g Object1\nusemtl Material1\nf 1 2 3\nf 1 3 4\nf 2 5 6 3\n");
  EXPECT_EQ(Read(Path("my-model.mtl")),
            "## Wavefront MTL file\n## Created by Norvane Geometry Library\n\n"
            "\nnewmtl Material1\nKa 1.000000 0.200000 0.000000\nKd 1.000000 0.200000 0.000000\n"
            "Ks 1.000000 0.200000 0.000000\nTf 0.000000 0.000000 0.000000\nd 1.000000\nNs 0\n");
}

// The numbers after each "keyword " line of a text, in order.
std::vector<double> Numbers(const std::string& text, const std::string& keyword)
{
  std::vector<double> numbers;
  for (size_t at = text.find("\n" + keyword + " "); at != std::string::npos;
       at = text.find("\n" + keyword + " ", at + 1))
    numbers.push_back(std::strtod(text.c_str() + at + keyword.size() + 2, nullptr));
  return numbers;
}

TEST_F(QOROBJTest, DissolveIsTheOpacityOfTheColour)
{
  // ON_Color's alpha is a transparency: 0 is opaque, "d 1".
  const struct
  {
    int alpha;
    const char* lines;
  } cases[] = {
      {0, "Tf 0.000000 0.000000 0.000000\nd 1.000000\n"},
      {128, "Tf 0.501961 0.501961 0.501961\nd 0.498039\n"},
      {255, "Tf 1.000000 1.000000 1.000000\nd 0.000000\n"},
  };
  for (const auto& c : cases)
  {
    ON_SimpleArray<ON_Color> colours;
    colours.Append(ON_Color(10, 20, 30, c.alpha));
    ON_wString name;
    ASSERT_EQ(QOROBJ::WriteMTLFile(WPath("c.obj"), colours, name), 1);
    EXPECT_NE(Read(Path("c.mtl")).find(c.lines), std::string::npos) << c.alpha;
  }

  // Every transparency reads back from both lines.
  ON_SimpleArray<ON_Color> colours;
  for (int alpha = 0; alpha < 256; alpha++)
    colours.Append(ON_Color(255, 255, 255, alpha));
  ON_wString name;
  ASSERT_EQ(QOROBJ::WriteMTLFile(WPath("all.obj"), colours, name), 1);
  const std::string mtl = Read(Path("all.mtl"));
  const std::vector<double> d = Numbers(mtl, "d");
  const std::vector<double> tf = Numbers(mtl, "Tf");
  ASSERT_EQ(d.size(), 256u);
  ASSERT_EQ(tf.size(), 256u);
  for (int alpha = 0; alpha < 256; alpha++)
  {
    EXPECT_EQ(std::lround((1.0 - d[alpha]) * 255.0), alpha);
    EXPECT_EQ(std::lround(tf[alpha] * 255.0), alpha);
  }
}

// The opacity assimp gives the named material in its XML dump, or -1.
double AssimpOpacity(const std::string& dump, const std::string& material)
{
  const size_t at = dump.find("\"" + material + "\"");
  const size_t key = at == std::string::npos ? at : dump.find("\"$mat.opacity\"", at);
  const size_t value = key == std::string::npos ? key : dump.find('>', key);
  return value == std::string::npos ? -1.0 : std::strtod(dump.c_str() + value + 1, nullptr);
}

TEST_F(QOROBJTest, OtherToolsReadTheOpacity)
{
  if (!HasTool("assimp"))
    GTEST_SKIP() << "assimp (Debian assimp-utils) is not installed";
  ON_ClassArray<ON_Mesh> meshes;
  meshes.Append(SampleMesh()); // no colour: opaque white
  meshes.Append(SampleMesh());
  meshes[1].m_C.Append(ON_Color(0, 128, 255, 128));
  ASSERT_EQ(QOROBJ::MeshToOBJ(meshes, WPath("o.obj"), 1, 0), 1);
  const std::string report = RunTool("assimp dump '" + Path("o.obj") + "' '" + Path("o.xml") + "'");
  const std::string dump = Read(Path("o.xml"));
  EXPECT_DOUBLE_EQ(AssimpOpacity(dump, "Material1"), 1.0) << report;
  EXPECT_NEAR(AssimpOpacity(dump, "Material2"), 127.0 / 255.0, 1e-6) << report;
}

TEST_F(QOROBJTest, ListsAsGroupsOrJoined)
{
  ON_ClassArray<ON_Mesh> meshes;
  meshes.Append(SampleMesh());
  meshes.Append(SampleMesh());
  ASSERT_EQ(QOROBJ::MeshToOBJ(meshes, WPath("groups.obj"), 1, 0), 1);
  const std::string groups = Read(Path("groups.obj"));
  EXPECT_NE(groups.find("g Object2\nusemtl Material2\nf 7 8 9\n"), std::string::npos) << groups;
  EXPECT_NE(Read(Path("groups.mtl")).find("newmtl Material2\nKa 1.000000 1.000000 1.000000\n"), std::string::npos);

  ASSERT_EQ(QOROBJ::MeshToOBJ(meshes, WPath("joined.obj"), 0, 1), 1);
  const std::string joined = Read(Path("joined.obj"));
  EXPECT_EQ(joined.find("g Object2"), std::string::npos);
  EXPECT_EQ(joined.find("mtllib"), std::string::npos);
  EXPECT_NE(joined.find("g Object1\nf 1 2 3\n"), std::string::npos);
  EXPECT_NE(joined.find("f 8 11 12 9\n"), std::string::npos);

  ON_ClassArray<ON_Mesh> none;
  ASSERT_EQ(QOROBJ::MeshToOBJ(none, WPath("none.obj"), 1, 0), 1);
  EXPECT_EQ(Read(Path("none.obj")),
            "## Wavefront OBJ file\n## Created by Norvane Geometry Library\n\nmtllib none.mtl\n");
}

TEST_F(QOROBJTest, WriteFailures)
{
  // The MTL file cannot be written: no OBJ file either.
  RunTool("mkdir '" + Path("a.mtl") + "'");
  EXPECT_EQ(QOROBJ::MeshToOBJ(SampleMesh(), WPath("a.obj"), 1), 0);
  EXPECT_TRUE(QOROBJ::GetError() == L"Unable to write to MTL file");
  EXPECT_FALSE(Exists(Path("a.obj")));
  // The OBJ target is a folder.
  RunTool("mkdir '" + Path("b.obj") + "'");
  EXPECT_EQ(QOROBJ::MeshToOBJ(SampleMesh(), WPath("b.obj"), 0), 0);
  EXPECT_TRUE(QOROBJ::GetError() == L"Unable to write to OBJ file");
  EXPECT_EQ(QOROBJ::MeshToOBJ(SampleMesh(), WPath("no-folder/c.obj"), 0), 0);
}

TEST_F(QOROBJTest, RoundTripAndOtherTools)
{
  ON_ClassArray<ON_Mesh> meshes;
  meshes.Append(SampleMesh());
  meshes.Append(SampleMesh());
  meshes[1].m_V[0] = ON_3fPoint(-1.25f, 3.5f, 1e6f);
  ASSERT_EQ(QOROBJ::MeshToOBJ(meshes, WPath("r.obj"), 1, 0), 1);
  ON_ClassArray<ON_Mesh> groups;
  ASSERT_EQ(QOROBJ::OBJToMesh(WPath("r.obj"), groups), 1);
  ASSERT_EQ(groups.Count(), 2);
  EXPECT_EQ(groups[1].FaceCount(), 3);
  EXPECT_EQ(groups[1].m_V[0], ON_3fPoint(-1.25f, 3.5f, 1e6f));
  ON_Mesh whole;
  ASSERT_EQ(QOROBJ::OBJToMesh(WPath("r.obj"), whole), 1);
  EXPECT_EQ(whole.VertexCount(), 12);
  EXPECT_EQ(whole.QuadCount(), 2);

  if (!HasTool("assimp"))
    GTEST_SKIP() << "assimp (Debian assimp-utils) is not installed";
  const std::string info = RunTool("assimp info '" + Path("r.obj") + "' --raw");
  EXPECT_EQ(NumberAfter(info, "Meshes:"), 2) << info;
  EXPECT_EQ(NumberAfter(info, "Faces:"), 6) << info;
  EXPECT_EQ(NumberAfter(info, "Materials:"), 3) << info; // two and assimp's default
}

TEST_F(QOROBJTest, VerticesReadBackExactly)
{
  // A 2 mm part modelled in metres with sub-micrometre detail, one at survey coordinates, and
  // floats across the whole range, subnormal ones included.
  std::vector<ON_3fPoint> points = {{0.002f, 0.0012345678f, 0.00000037f},
                                    {0.0019999f, 1.5e-7f, -0.0009876543f},
                                    {1e-9f, -2.5e-8f, 0.0020001f},
                                    {4754540.5f, 5621337.25f, 123.456f},
                                    {-4754540.5f, 16777215.0f, 3.4028235e38f},
                                    {1.17549435e-38f, 1.4e-45f, -7.006e-44f}};
  for (int e = -40; e <= 37; e++)
    points.push_back(ON_3fPoint(1.2345679f * std::pow(10.0f, e), -9.876543f * std::pow(10.0f, e),
                                std::nextafter(std::pow(10.0f, e), 0.0f)));
  ON_Mesh mesh;
  for (const ON_3fPoint& p : points)
    mesh.m_V.Append(p);
  for (int i = 1; i + 1 < mesh.VertexCount(); i++) // a fan, so that every vertex is used
    mesh.m_F.Append(ON_MeshFace{{0, i, i + 1, i + 1}});
  ASSERT_EQ(QOROBJ::MeshToOBJ(mesh, WPath("fine.obj"), 0), 1);
  ON_Mesh read;
  ASSERT_EQ(QOROBJ::OBJToMesh(WPath("fine.obj"), read), 1);
  ASSERT_EQ(read.VertexCount(), mesh.VertexCount());
  for (int i = 0; i < mesh.VertexCount(); i++)
  {
    EXPECT_EQ(read.m_V[i].x, mesh.m_V[i].x) << i;
    EXPECT_EQ(read.m_V[i].y, mesh.m_V[i].y) << i;
    EXPECT_EQ(read.m_V[i].z, mesh.m_V[i].z) << i;
  }
}

// Double-precision vertices are written as the shortest text that reads back to the same double:
// survey coordinates keep the digits floats round away. A vertex whose float was moved alone is
// written as that float.
TEST_F(QOROBJTest, DoubleVerticesReadBackExactly)
{
  ON_Mesh mesh;
  for (const ON_3dPoint& p :
       {ON_3dPoint(500000.123, 4200000.456, 812.789), ON_3dPoint(500001.987654321, 4200000.071, 0.1),
        ON_3dPoint(-1e-300, 4200001.333, 1e300), ON_3dPoint(500000.01, 4200001.99, 812.02)})
    mesh.m_dV.Append(p);
  mesh.UpdateSinglePrecisionVertices();
  mesh.m_F.Append(ON_MeshFace{{0, 1, 2, 3}});
  mesh.m_V[3] = ON_3fPoint(500002.0f, 4200003.0f, 814.5f);
  ASSERT_EQ(QOROBJ::MeshToOBJ(mesh, WPath("survey.obj"), 0), 1);
  std::istringstream text(Read(Path("survey.obj")));
  std::vector<ON_3dPoint> written;
  std::string line;
  while (std::getline(text, line))
  {
    ON_3dPoint p;
    char* end = nullptr;
    if (line.rfind("v ", 0) != 0)
      continue;
    p.x = std::strtod(line.c_str() + 2, &end);
    p.y = std::strtod(end, &end);
    p.z = std::strtod(end, &end);
    written.push_back(p);
  }
  ASSERT_EQ(written.size(), 4u);
  for (int i = 0; i < 3; i++)
    EXPECT_EQ(written[i], mesh.m_dV[i]) << i;
  EXPECT_EQ(written[3], ON_3dPoint(500002.0, 4200003.0, 814.5));
  EXPECT_NE(Read(Path("survey.obj")).find("v 500000.123 4200000.456 812.789\n"), std::string::npos);
}

// Polygons as a reader that keeps them whole counts them, and the faces they give here: one per
// triangle or quad, a fan of triangles for larger ones.
void CountPolygons(const std::string& text, long& polygons, long& faces)
{
  polygons = faces = 0;
  size_t pos = 0;
  while (pos < text.size())
  {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos)
      end = text.size();
    const std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    if (line.rfind("f ", 0) != 0)
      continue;
    long corners = 0;
    bool blank = true;
    for (size_t i = 1; i < line.size(); i++)
    {
      const bool b = line[i] == ' ' || line[i] == '\t' || line[i] == '\r';
      if (blank && !b)
        corners++;
      blank = b;
    }
    polygons++;
    faces += corners == 4 ? 1 : corners - 2;
  }
}

TEST_F(QOROBJTest, SharedFilesKeepEveryPolygon)
{
  const char* names[] = {"carrot.obj", "cornell_box.obj", "cube_usemtl.obj", "car-normal-citrus.obj"};
  const int groups[] = {2, 1, 1, 7}; // cornell_box.obj has no groups, only "o" lines
  for (int i = 0; i < 4; i++)
  {
    const std::string path = SharedData(std::string("obj/") + names[i]);
    if (!Exists(path))
      GTEST_SKIP() << "shared test data not found: " << path;
    long polygons, faces;
    CountPolygons(Read(path), polygons, faces);
    ON_Mesh mesh;
    ASSERT_EQ(QOROBJ::OBJToMesh(ON_wString(path.c_str()), mesh), 1) << names[i];
    EXPECT_EQ(mesh.FaceCount(), faces) << names[i];
    ON_ClassArray<ON_Mesh> meshes;
    ASSERT_EQ(QOROBJ::OBJToMesh(ON_wString(path.c_str()), meshes), 1) << names[i];
    EXPECT_EQ(meshes.Count(), groups[i]) << names[i];
    long grouped = 0;
    for (int m = 0; m < meshes.Count(); m++)
      grouped += meshes[m].FaceCount();
    EXPECT_EQ(grouped, faces) << names[i];
    if (HasTool("assimp"))
    {
      const std::string info = RunTool("assimp info '" + path + "' --raw");
      EXPECT_EQ(NumberAfter(info, "Faces:"), polygons) << names[i];
    }
  }
}

} // namespace
