#include "ProgramTest.h"

namespace
{

// Runs the nubilo program in a scratch folder and the reference tools on what it wrote.
class MeshFilesProgramTest : public ProgramTest
{
protected:
  int Run(const std::string& commands) { return Nubilo("-c " + Quote(commands)); }
  long NumberAfter(const std::string& label) const
  {
    const size_t at = m_output.find(label);
    return at == std::string::npos ? -1 : std::strtol(m_output.c_str() + at + label.size(), nullptr, 10);
  }
  static bool HasTools()
  {
    return std::system("command -v admesh >/dev/null 2>&1 && command -v assimp >/dev/null 2>&1") == 0;
  }
};

const char kTwoTriangles[] =
    "solid a\n"
    "facet normal 0 0 1\nouter loop\nvertex 0 0 0\nvertex 1 0 0\nvertex 0 1 0\nendloop\nendfacet\n"
    "endsolid a\n"
    "solid b\n"
    "facet normal 0 0 1\nouter loop\nvertex 0 0 1\nvertex 1 0 1\nvertex 0 1 1\nendloop\nendfacet\n"
    "endsolid b\n";

} // namespace

TEST_F(MeshFilesProgramTest, StlToObjAndBack)
{
  Write("part.stl", kTwoTriangles);
  ASSERT_EQ(Run("Import part.stl  Export part.obj"), 0) << m_output;
  EXPECT_TRUE(Printed("Imported 2 meshes\n")) << m_output;
  EXPECT_TRUE(Printed("Exported 2 meshes to part.obj\n")) << m_output;
  EXPECT_NE(Read("part.obj").find("mtllib part.mtl\n"), std::string::npos);
  EXPECT_NE(Read("part.obj").find("g Object2\nusemtl Material2\nf 4 5 6\n"), std::string::npos);

  ASSERT_EQ(Run("Import part.obj  Export model.stl FileType=ASCII OK"), 0) << m_output;
  EXPECT_EQ(Read("model.stl").rfind("solid\n", 0), 0u);
  ASSERT_EQ(Run("Import part.obj  Export model.stl"), 0) << m_output;
  EXPECT_EQ(Read("model.stl").size(), 84u + 2 * 50u) << "binary by default";

  if (!HasTools())
    GTEST_SKIP() << "admesh or assimp (Debian admesh, assimp-utils) is not installed";
  // (admesh takes binary files of fewer than four facets for empty text files.)
  ASSERT_EQ(Shell("assimp info model.stl --raw"), 0);
  EXPECT_EQ(NumberAfter("Faces:"), 2) << m_output;
  ASSERT_EQ(Shell("assimp info part.obj --raw"), 0);
  EXPECT_EQ(NumberAfter("Faces:"), 2) << m_output;
}

TEST_F(MeshFilesProgramTest, RealFilesThroughTheProgram)
{
  const std::string stl = std::string(NUBILO_SHARED_DATA) + "/stl/part1.stl";
  const std::string obj = std::string(NUBILO_SHARED_DATA) + "/obj/carrot.obj";
  if (!std::ifstream(stl).good() || !std::ifstream(obj).good())
    GTEST_SKIP() << "shared test data not found under " << NUBILO_SHARED_DATA;
  ASSERT_EQ(Run("Import \"" + stl + "\"  Export part.obj"), 0) << m_output;
  ASSERT_EQ(Run("Import \"" + obj + "\"  Export model.stl"), 0) << m_output;
  EXPECT_TRUE(Printed("Imported 2 meshes\n")) << m_output;
  if (!HasTools())
    GTEST_SKIP() << "admesh or assimp (Debian admesh, assimp-utils) is not installed";
  ASSERT_EQ(Shell("assimp info part.obj --raw"), 0);
  EXPECT_EQ(NumberAfter("Faces:"), 380) << m_output;
  // 60 quads as two triangles each, 2 hexagons as four.
  ASSERT_EQ(Shell("admesh model.stl"), 0);
  EXPECT_EQ(NumberAfter("Number of facets                 :"), 128) << m_output;
}

TEST_F(MeshFilesProgramTest, FailuresNameTheFileAndTheReasonOnStandardError)
{
  Write("part.stl", kTwoTriangles);
  struct Case
  {
    const char* commands;
    const char* failure;
  } cases[] = {
      {"Import missing.stl", "Failure [Unable to read STL file] missing.stl: No such file or directory\n"},
      {"Import missing.obj", "Failure [Unable to read OBJ file] missing.obj: No such file or directory\n"},
      {"Export empty.stl", "Failure [No meshes to export] empty.stl\n"},
      {"Import part.stl  Export out.stl Cancel", "Failure [Export cancelled] out.stl\n"},
      {"Import part.stl  Export no-folder/out.obj",
       "Failure [Unable to write to MTL file] no-folder/out.obj: No such file or directory\n"},
      {"Import part.stl  Export no-folder/x.stl",
       "Failure [Unable to write to STL file] no-folder/x.stl: No such file or directory\n"},
      {"Import part.stl  Export part", "Failure [Cannot export to \"\" files]"},
  };
  for (const Case& c : cases)
  {
    EXPECT_EQ(Run(c.commands), 1) << c.commands;
    EXPECT_TRUE(OnStderr(c.failure)) << c.commands << "\n" << m_output;
    EXPECT_FALSE(OnStdout("Failure")) << c.commands << "\n" << m_output;
  }
}

TEST_F(MeshFilesProgramTest, GridImportsAsAMeshOverItsDataCells)
{
  const std::string grid = std::string(NUBILO_SHARED_DATA) + "/asc/sample.asc";
  if (!std::ifstream(grid).good())
    GTEST_SKIP() << "shared test data not found under " << NUBILO_SHARED_DATA;
  // 6 rows of 4 cells, 4 of them NODATA: 11 full cells and 3 with one corner missing.
  ASSERT_EQ(Run("Import \"" + grid + "\"  List  Export dem.stl"), 0) << m_output;
  EXPECT_TRUE(OnStdout("Imported a mesh of 14 faces over a grid of 6 rows and 4 columns\n")) << m_output;
  EXPECT_TRUE(OnStdout("1  ON_Mesh from (25, 25, 1) to (175, 275, 100)")) << "cell centres: " << m_output;
  EXPECT_EQ(Run("Import \"" + grid + "\"  Export dem.asc"), 1);
  EXPECT_TRUE(OnStderr("Cannot export to \".asc\" files")) << m_output;
}
