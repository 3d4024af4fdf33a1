#include "ProgramTest.h"

#include <cstdlib>

namespace
{

class WrapProgramTest : public ProgramTest
{
protected:
  long NumberAfter(const std::string& label) const
  {
    const size_t at = m_output.find(label);
    return at == std::string::npos ? -1 : std::strtol(m_output.c_str() + at + label.size(), nullptr, 10);
  }
};

} // namespace

// The bundled pebble's shell, whose crust has vertices closer than float resolution, written as
// STL and 3DM: admesh finds every facet joined at every edge, nothing degenerate or turned, one
// part; openNURBS (rhino3dm) reads the mesh as closed.
TEST_F(WrapProgramTest, PebbleShellFilesAreClosedAndManifold)
{
  const std::string pebble = std::string(NUBILO_EXAMPLES) + "/pebble.xyz";
  ASSERT_EQ(Nubilo("-c " + Quote("NBImportPoints File=\"" + pebble +
                                 "\" OK  NBWrapMesh NubiloType=Concave All Enter  "
                                 "Export shell.stl  Save shell.3dm Version=3")),
            0)
      << m_output;
  const long faces = NumberAfter("to create a mesh containing ");
  ASSERT_GT(faces, 0) << m_output;

  if (std::system("command -v admesh >/dev/null 2>&1") != 0)
  {
    GTEST_SKIP() << "admesh (Debian admesh) is not installed";
  }
  ASSERT_EQ(Shell("admesh shell.stl"), 0) << m_output;
  EXPECT_EQ(NumberAfter("Number of facets                 :"), faces) << m_output;
  for (const char* label : {"Total disconnected facets        :", "Degenerate facets     :", "Edges fixed           :",
                            "Facets removed        :", "Facets reversed       :", "Backwards edges       :"})
    EXPECT_EQ(NumberAfter(label), 0) << label << "\n" << m_output;
  EXPECT_EQ(NumberAfter("Number of parts       :"), 1) << m_output;

  const std::string inspect = std::string(NUBILO_SHARED_DATA) + "/../tools/3dm-inspect.mjs";
  const std::string rhino3dm = std::string(NUBILO_EXAMPLES) + "/../.deps/node";
  if (!std::ifstream(inspect).good() || std::system("command -v node >/dev/null 2>&1") != 0)
  {
    GTEST_SKIP() << "node or 3dm-inspect.mjs (rhino3dm) is not available";
  }
  const int status = Shell("RHINO3DM_DIR=" + Quote(rhino3dm) + " node " + Quote(inspect) + " shell.3dm --no-uuid");
  if (status == 3)
    GTEST_SKIP() << "the rhino3dm package is not installed";
  ASSERT_EQ(status, 0) << m_output;
  EXPECT_NE(m_stdout.find("\"isClosed\": true"), std::string::npos) << m_stdout.substr(0, 2000);
  EXPECT_EQ(m_stdout.find("\"isClosed\": false"), std::string::npos);
}
