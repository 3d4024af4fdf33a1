#include "HeadlessPresenter.h"
#include "MeshFileFixture.h"
#include "QORSTL.h"

#include <cstdint>
#include <cstring>
#include <signal.h>
#include <sys/resource.h>
#include <vector>

namespace
{

using QORSTLTest = MeshFileTest;

// The normal's x is the -0 that the cross product gives.
const char kTriangleText[] = "solid\n"
                             "  facet normal -0.000000 0.000000 1.000000\n"
                             "    outer loop\n"
                             "      vertex 0.000000 0.000000 0.000000\n"
                             "      vertex 1.000000 0.000000 0.000000\n"
                             "      vertex 0.000000 1.000000 0.000000\n"
                             "    endloop\n"
                             "  endfacet\n"
                             "endsolid\n";

std::string Facet(const char* a, const char* b, const char* c)
{
  return std::string("facet normal 0 0 1\nouter loop\nvertex ") + a + "\nvertex " + b + "\nvertex " + c +
         "\nendloop\nendfacet\n";
}

// A binary file: header, stated count, then the given corner triples as records.
std::string BinarySTL(const std::string& header, uint32_t stated, const std::vector<std::array<float, 9>>& facets)
{
  std::string data = header;
  data.resize(80, '\0');
  data.append(reinterpret_cast<const char*>(&stated), 4);
  for (const auto& f : facets)
  {
    const float normal[3] = {0, 0, 1};
    data.append(reinterpret_cast<const char*>(normal), 12);
    data.append(reinterpret_cast<const char*>(f.data()), 36);
    data.append(2, '\0');
  }
  return data;
}

const std::array<float, 9> kFacetA = {0, 0, 0, 1, 0, 0, 0, 1, 0};
const std::array<float, 9> kFacetB = {0, 0, 1, 1, 0, 1, 0, 1, 1};
const std::array<float, 9> kFacetC = {5, 5, 5, 6, 5, 5, 5, 6, 5};

std::vector<ON_3fPoint> Vertices(const ON_Mesh& mesh)
{
  return std::vector<ON_3fPoint>(mesh.m_V.Array(), mesh.m_V.Array() + mesh.VertexCount());
}

TEST_F(QORSTLTest, RoundTripSplitsQuadsAndKeepsCoordinates)
{
  // The quad (1,0,0) (2,0,.5) (2,1,.5) (1,1,0) has equal diagonals: split on the first.
  const std::vector<ON_3fPoint> expected = {{0, 0, 0}, {1, 0, 0},    {1, 1, 0},    {0, 0, 0}, {1, 1, 0},    {0, 1, 0},
                                            {1, 0, 0}, {2, 0, 0.5f}, {2, 1, 0.5f}, {1, 0, 0}, {2, 1, 0.5f}, {1, 1, 0}};
  for (const int binary : {1, 0})
  {
    ASSERT_EQ(QORSTL::MeshToSTL(SampleMesh(), WPath("sample.stl"), binary), 1);
    ON_Mesh mesh;
    ASSERT_EQ(QORSTL::STLToMesh(WPath("sample.stl"), mesh), 1);
    EXPECT_EQ(mesh.FaceCount(), 4) << binary;
    EXPECT_EQ(Vertices(mesh), expected) << binary;
    EXPECT_TRUE(mesh.IsValid());
  }
  EXPECT_EQ(Read(Path("sample.stl")).substr(0, 6), "solid\n");
}

TEST_F(QORSTLTest, WrittenLayouts)
{
  ON_Mesh triangle;
  for (const ON_3fPoint& p : {ON_3fPoint(0, 0, 0), ON_3fPoint(1, 0, 0), ON_3fPoint(0, 1, 0)})
    triangle.m_V.Append(p);
  triangle.m_F.Append(ON_MeshFace{{0, 1, 2, 2}});
  ASSERT_EQ(QORSTL::MeshToSTL(triangle, WPath("t.stl"), 0), 1);
  EXPECT_EQ(Read(Path("t.stl")), kTriangleText);

  ASSERT_EQ(QORSTL::MeshToSTL(triangle, WPath("t.stl"), 1), 1);
  const std::string binary = Read(Path("t.stl"));
  ASSERT_EQ(binary.size(), 134u);
  EXPECT_EQ(binary.substr(0, 80),
            std::string("Binary STL file\nCreated by QORIO (Norvane Input Output Library)\n") + std::string(16, '\0'));
  uint32_t count;
  float record[12];
  std::memcpy(&count, binary.data() + 80, 4);
  std::memcpy(record, binary.data() + 84, 48);
  EXPECT_EQ(count, 1u);
  EXPECT_EQ(std::vector<float>(record, record + 12), (std::vector<float>{0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0}));
  EXPECT_EQ(binary.substr(132), std::string(2, '\0'));

  ON_ClassArray<ON_Mesh> none;
  ASSERT_EQ(QORSTL::MeshToSTL(none, WPath("empty.stl"), 1), 1);
  EXPECT_EQ(Read(Path("empty.stl")),
            BinarySTL("Binary STL file\nCreated by QORIO (Norvane Input Output Library)\n", 0, {}));
  ASSERT_EQ(QORSTL::MeshToSTL(none, WPath("empty.stl"), 0), 1);
  EXPECT_EQ(Read(Path("empty.stl")), "solid\nendsolid\n");
}

TEST_F(QORSTLTest, DegenerateTriangleGetsAZeroNormal)
{
  ON_Mesh sliver;
  for (const ON_3fPoint& p : {ON_3fPoint(0, 0, 0), ON_3fPoint(1, 0, 0), ON_3fPoint(2, 0, 0)})
    sliver.m_V.Append(p);
  sliver.m_F.Append(ON_MeshFace{{0, 1, 2, 2}});
  ASSERT_EQ(QORSTL::MeshToSTL(sliver, WPath("s.stl"), 0), 1);
  EXPECT_NE(Read(Path("s.stl")).find("facet normal 0.000000 0.000000 0.000000\n"), std::string::npos);
}

TEST_F(QORSTLTest, ListWithSeveralMeshesIsOneSolid)
{
  ON_ClassArray<ON_Mesh> meshes;
  meshes.Append(SampleMesh());
  meshes.Append(SampleMesh());
  ASSERT_EQ(QORSTL::MeshToSTL(meshes, WPath("two.stl"), 0), 1);
  ON_ClassArray<ON_Mesh> read;
  ASSERT_EQ(QORSTL::STLToMesh(WPath("two.stl"), read), 1);
  ASSERT_EQ(read.Count(), 1);
  EXPECT_EQ(read[0].FaceCount(), 8);
}

struct TextCase
{
  const char* what;
  std::string text;
  std::vector<int> facets_per_mesh;
};

TEST_F(QORSTLTest, TextReading)
{
  const std::string a = Facet("0 0 0", "1 0 0", "0 1 0");
  const std::string b = Facet("0 0 1", "1 0 1", "0 1 1");
  const TextCase cases[] = {
      {"plain", "solid x\n" + a + b + "endsolid x\n", {2}},
      {"capitals",
       "SOLID X\nFACET NORMAL 0 0 1\nOUTER LOOP\nVERTEX 0 0 0\nVERTEX 1 0 0\nVERTEX 0 1 0\n"
       "ENDLOOP\nENDFACET\nENDSOLID X\n",
       {1}},
      {"CRLF and indentation",
       "solid\r\n  " +
           std::string("facet normal 0 0 1\r\n  outer loop\r\n  vertex 0 0 0\r\n"
                       "  vertex 1 0 0\r\n\tvertex 0 1 0\r\n  endloop\r\n  endfacet\r\n") +
           "endsolid\r\n",
       {1}},
      {"two solids", "solid a\n" + a + "endsolid a\nsolid b\n" + a + b + "endsolid b\n", {1, 2}},
      {"\"end\" closes a solid", "solid\n" + a + "end\n", {1}},
      {"facets after endsolid", "solid\n" + a + "endsolid\n" + b + "endsolid\nendsolid\n", {1, 1}},
      {"missing endsolid", "solid a\n" + a + "endsolid a\nsolid b\n" + b, {1}},
      {"non-numeric vertex", "solid\n" + Facet("0 0 0", "1 zero 0", "0 1 0") + b + "endsolid\n", {1}},
      {"two numbers", "solid\n" + Facet("0 0 0", "1 0", "0 1 0") + b + "endsolid\n", {1}},
      {"not finite", "solid\n" + Facet("0 0 0", "1 0 inf", "0 1 0") + b + "endsolid\n", {1}},
      {"degenerate facet", "solid\n" + Facet("0 0 0", "0 0 0", "0 1 0") + b + "endsolid\n", {1}},
      {"cut inside a facet", "solid\n" + a + "endsolid\nsolid\nfacet normal 0 0 1\nouter loop\nvertex 0 0 0\n", {1}},
      {"only a header", "solid\nendsolid\n", {}},
  };
  for (const TextCase& c : cases)
  {
    Write("t.stl", c.text);
    ON_ClassArray<ON_Mesh> meshes;
    ASSERT_EQ(QORSTL::STLToMesh(WPath("t.stl"), meshes), 1) << c.what;
    std::vector<int> facets;
    for (int i = 0; i < meshes.Count(); i++)
      facets.push_back(meshes[i].FaceCount());
    EXPECT_EQ(facets, c.facets_per_mesh) << c.what;
  }
}

TEST_F(QORSTLTest, SingleMeshReaderJoinsSolids)
{
  Write("t.stl", "solid a\n" + Facet("0 0 0", "1 0 0", "0 1 0") + "endsolid a\nsolid b\n" +
                     Facet("0 0 1", "1 0 1", "0 1 1") + "endsolid b\n");
  ON_Mesh mesh;
  ASSERT_EQ(QORSTL::STLToMesh(WPath("t.stl"), mesh), 1);
  EXPECT_EQ(mesh.FaceCount(), 2);
  EXPECT_EQ(mesh.m_V[3], ON_3fPoint(0, 0, 1));
}

struct BinaryCase
{
  const char* what;
  std::string data;
  int facets; // -1: no mesh
};

TEST_F(QORSTLTest, BinaryReading)
{
  std::string cut = BinarySTL("", 1000, {kFacetA, kFacetB, kFacetC});
  cut.resize(cut.size() - 25);
  const BinaryCase cases[] = {
      {"header begins with solid", BinarySTL("solid part", 2, {kFacetA, kFacetB}), 2},
      {"count larger than the file", cut, 2},
      {"count smaller than the file", BinarySTL("", 1, {kFacetA, kFacetB}), 1},
      {"no facets", BinarySTL("", 0, {}), -1},
      {"shorter than a header", std::string(10, 'x'), -1},
      {"empty", "", -1},
  };
  for (const BinaryCase& c : cases)
  {
    Write("b.stl", c.data);
    ON_ClassArray<ON_Mesh> meshes;
    ASSERT_EQ(QORSTL::STLToMesh(WPath("b.stl"), meshes), 1) << c.what;
    ASSERT_EQ(meshes.Count(), c.facets < 0 ? 0 : 1) << c.what;
    if (c.facets >= 0)
    {
      EXPECT_EQ(meshes[0].FaceCount(), c.facets) << c.what;
    }
  }
}

TEST_F(QORSTLTest, UnreadableFilesLeaveTheOutputAlone)
{
  for (const std::string& path : {Path("missing.stl"), m_dir})
  {
    ON_ClassArray<ON_Mesh> meshes;
    meshes.Append(SampleMesh());
    QORSTL::SetError(L"");
    EXPECT_EQ(QORSTL::STLToMesh(ON_wString(path.c_str()), meshes), 0) << path;
    EXPECT_TRUE(QORSTL::GetError() == L"Unable to read STL file");
    EXPECT_EQ(meshes.Count(), 1);
    ON_Mesh mesh = SampleMesh();
    EXPECT_EQ(QORSTL::STLToMesh(ON_wString(path.c_str()), mesh), 0);
    EXPECT_EQ(mesh.FaceCount(), 3);
  }
}

TEST_F(QORSTLTest, UnwritableTargetsFail)
{
  for (const std::string& path : {m_dir, Path("no-such-folder/x.stl")})
  {
    QORSTL::SetError(L"");
    EXPECT_EQ(QORSTL::MeshToSTL(SampleMesh(), ON_wString(path.c_str()), 1), 0) << path;
    EXPECT_TRUE(QORSTL::GetError() == L"Unable to write to STL file");
  }
}

// True when writing fails as it should under a 4 KB file size limit.
bool WriteWithFileSizeLimit(const ON_Mesh& mesh, const ON_wString& path)
{
  signal(SIGXFSZ, SIG_IGN);
  const rlimit limit = {4096, 4096};
  setrlimit(RLIMIT_FSIZE, &limit);
  return QORSTL::MeshToSTL(mesh, path, 1) == 0 && QORSTL::GetError() == L"Unable to write to STL file";
}

// A full disk shows as a failing write; the file size limit makes one happen here.
TEST_F(QORSTLTest, FailedWriteKeepsThePreviousFile)
{
  ON_Mesh big;
  for (int i = 0; i < 20000; i++)
    big.Append(SampleMesh());
  const std::string previous = Write("keep.stl", "previous content");
  EXPECT_EXIT(std::exit(WriteWithFileSizeLimit(big, WPath("keep.stl")) && Read(previous) == "previous content" ? 0 : 1),
              ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(RunTool("ls '" + m_dir + "'"), "keep.stl\n") << "no temporary file is left";
}

TEST_F(QORSTLTest, OtherToolsReadWhatIsWritten)
{
  if (!HasTool("admesh") || !HasTool("assimp"))
    GTEST_SKIP() << "admesh or assimp (Debian admesh, assimp-utils) is not installed";
  ON_ClassArray<ON_Mesh> meshes;
  meshes.Append(SampleMesh());
  for (const int binary : {1, 0})
  {
    ASSERT_EQ(QORSTL::MeshToSTL(meshes, WPath("o.stl"), binary), 1);
    const std::string admesh = RunTool("admesh '" + Path("o.stl") + "'");
    EXPECT_NE(admesh.find(binary ? "Binary STL file" : "ASCII STL file"), std::string::npos) << admesh;
    EXPECT_EQ(NumberAfter(admesh, "Number of facets                 :"), 4) << admesh;
    const std::string assimp = RunTool("assimp info '" + Path("o.stl") + "' --raw");
    EXPECT_EQ(NumberAfter(assimp, "Faces:"), 4) << assimp;
  }
}

struct SharedFile
{
  const char* name;
  std::vector<int> facets_per_mesh; // as admesh and assimp read them
};

TEST_F(QORSTLTest, SharedFilesReadAsTheOtherToolsReadThem)
{
  const SharedFile files[] = {
      {"pyramid.stl", {6}},           {"outlet.stl", {2}},  {"unit_cube.stl", {2, 10}},
      {"import_bin_solid.stl", {46}}, {"bunny.stl", {292}}, {"part1.stl", {380}},
  };
  for (const SharedFile& f : files)
  {
    const std::string path = SharedData(std::string("stl/") + f.name);
    if (!Exists(path))
      GTEST_SKIP() << "shared test data not found: " << path;
    ON_ClassArray<ON_Mesh> meshes;
    ASSERT_EQ(QORSTL::STLToMesh(ON_wString(path.c_str()), meshes), 1) << f.name;
    std::vector<int> facets;
    for (int i = 0; i < meshes.Count(); i++)
      facets.push_back(meshes[i].FaceCount());
    EXPECT_EQ(facets, f.facets_per_mesh) << f.name;
    if (HasTool("assimp"))
    {
      const std::string assimp = RunTool("assimp info '" + path + "' --raw");
      EXPECT_EQ(NumberAfter(assimp, "Meshes:"), meshes.Count()) << f.name;
    }
  }
}

TEST(QORSTLDialog, ExportOptionsAsAForm)
{
  Platform::HeadlessPresenter presenter;
  Platform::Presenter::Install(&presenter);
  int binary = 1;
  presenter.QueueAnswer(
      [](Platform::Form& form)
      {
        std::string error;
        return form.Set("FileType", "ASCII", error);
      });
  EXPECT_EQ(QORSTL::GetSTLExportOptions(binary, nullptr), 1);
  EXPECT_EQ(binary, 0);
  presenter.QueueAnswer([](Platform::Form&) { return false; });
  EXPECT_EQ(QORSTL::GetSTLExportOptions(binary, nullptr), 0);
  EXPECT_EQ(binary, 0);
  presenter.QueueAnswer(
      [](Platform::Form& form)
      {
        std::string error;
        return form.Value("FileType") == "0" && form.Set("FileType", "1", error);
      });
  EXPECT_EQ(QORSTL::GetSTLExportOptions(binary, nullptr), 1);
  EXPECT_EQ(binary, 1);
  ASSERT_EQ(presenter.FormsShown().size(), 3u);
  EXPECT_EQ(presenter.FormsShown()[0], "STL Export Options");
  Platform::Presenter::Install(nullptr);
}

} // namespace
