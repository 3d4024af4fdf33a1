#include "ProgramTest.h"

#include <cmath>

namespace
{

// The nubilo program with a small point file in its scratch folder.
class NubiloProgramTest : public ProgramTest
{
protected:
  void SetUp() override
  {
    ProgramTest::SetUp();
    Write("pts.txt", "1 2 3\n4,5,6\n\n7;8;9\r\n");
  }
  int Run(const std::string& arguments, const std::string& input = "") { return Nubilo(arguments, input); }
  // Runs nubilo on a terminal (util-linux `script` makes one) that the input is typed into.
  int OnTerminal(const std::string& arguments, const std::string& input)
  {
    return Shell("timeout 60 script -qec " +
                     Quote(std::string(NUBILO_PROGRAM) + " --quiet --profile profile.ini " + arguments) + " /dev/null",
                 input);
  }
};

} // namespace

TEST_F(NubiloProgramTest, HelpVersionAndBadUsage)
{
  EXPECT_EQ(Run("--help"), 0);
  EXPECT_TRUE(Printed("nubilo [options] -c \"COMMANDS\"")) << m_output;
  EXPECT_TRUE(Printed("OtherDelimiter"));
  EXPECT_EQ(Run("--version"), 0);
  EXPECT_TRUE(Printed("Nubilo 4.0 version 1.0"));
  EXPECT_EQ(Run("--bogus"), 2);
  EXPECT_EQ(Run("-c"), 2);
  EXPECT_EQ(Run("missing-script.nb"), 2);
  EXPECT_TRUE(Printed("missing-script.nb")) << m_output;
  EXPECT_EQ(Run("-c '\"unclosed'"), 2);
}

TEST_F(NubiloProgramTest, ScriptedImportAndExport)
{
  EXPECT_EQ(Run("-c 'NBImportPoints File=\"pts.txt\" Format=0 OK  Export out.xyz'"), 0) << m_output;
  EXPECT_FALSE(Printed("Loaded plug-in")) << "--quiet: " << m_output;
  EXPECT_TRUE(OnStdout("Imported 3 points\n")) << m_output;
  EXPECT_EQ(Read("out.xyz"), "1 2 3\n4 5 6\n7 8 9\n");
  EXPECT_EQ(Shell(std::string(NUBILO_PROGRAM) +
                  " --profile profile.ini -c 'NBImportPoints File=pts.txt OK SelNone Export out.csv'"),
            0)
      << m_output;
  EXPECT_TRUE(OnStdout("Loaded plug-in Nubilo 4.0 version 1.0...\n")) << m_output;
  EXPECT_EQ(Read("out.csv").substr(0, 6), "1,2,3\n");
}

TEST_F(NubiloProgramTest, SurveyCoordinatesKeepEveryDigit)
{
  Write("utm.txt", "500123.456789 4200987.654321 912.3456\n");
  ASSERT_EQ(Run("-c 'NBImportPoints File=utm.txt OK  Export out.xyz  SelAll List'"), 0) << m_output;
  EXPECT_EQ(Read("out.xyz"), "500123.456789 4200987.654321 912.3456\n");
  EXPECT_TRUE(OnStdout("1  point (500123.456789, 4200987.654321, 912.3456)  (selected)")) << m_output;
  EXPECT_TRUE(OnStdout("1 object(s), 1 selected")) << m_output;
}

TEST_F(NubiloProgramTest, FailuresStopTheRunWithStatusOneAndSayWhyOnStandardError)
{
  struct Case
  {
    const char* commands;
    const char* error;
  } cases[] = {
      {"NBImportPoints File=pts.txt Cancel Export out.xyz", "Failure [Cancelled]"},
      {"NBBogus", "Unknown command: NBBogus"},
      {"NBImportPoints Bogus=1 OK", "Bogus=1"},
      {"NBImportPoints Format=9 OK", "Format=9"},
      {"Export", "Failure [Export needs a file name]"},
      {"Export out.xyz", "Failure [No points to export] out.xyz"},
      {"NBImportPoints File=pts.txt OK Export out.doc", "Cannot export to \".doc\" files"},
      {"Import pts.txt", "Failure [Cannot import \".txt\" files] (use NBImportPoints)"},
      {"NBImportPoints File=pts.txt OK NBDrapeSurface SurfaceType=Mesh",
       "Unknown value for SurfaceType: Mesh (one of NurbsSurface, PolygonMesh, NurbCurves, "
       "Polylines, Lines, Points)"},
      {"NBImportPoints File=pts.txt OK NBWrapMesh Shape=1", "Unknown option: Shape=1 (options: NubiloType)"},
      {"NBImportPoints File=pts.txt OK NBWrapMesh 2-9", "No object 2-9: the document has objects 1 to 3"},
      {"NBImportPoints File=pts.txt OK Save out.3dm Version=4", "3DM version 4 cannot be written"},
      {"NBImportPoints File=pts.txt OK Export out.3dm Version=4.0 OK", "3DM version 4 cannot be written"},
      {"Save no-folder/x.3dm", "Failure [Unable to write to 3DM file] no-folder/x.3dm: No such file"},
  };
  for (const Case& c : cases)
  {
    EXPECT_EQ(Run("-c " + Quote(c.commands)), 1) << c.commands << "\n" << m_output;
    EXPECT_TRUE(OnStderr(c.error)) << c.commands << "\n" << m_output;
    EXPECT_FALSE(OnStdout("Failure")) << c.commands << "\n" << m_output;
  }
  EXPECT_EQ(Read("out.xyz"), ""); // the run stopped before the export
  EXPECT_EQ(Read("out.3dm"), "");
}

TEST_F(NubiloProgramTest, ScriptFailuresGiveTheScriptAndLine)
{
  Write("job.nb", "NBImportPoints File=pts.txt OK\n\nExport missing/out.xyz\nList\n");
  EXPECT_EQ(Run("job.nb"), 1);
  EXPECT_TRUE(OnStderr("job.nb:3: Failure [Unable to write to file] missing/out.xyz: No such file or directory\n"))
      << m_output;
  EXPECT_FALSE(OnStdout("object(s)")) << "the run stops at the failure";
}

TEST_F(NubiloProgramTest, PipedInputIsAScript)
{
  const std::string script = "NBImportPoints File=pts.txt OK\nExport missing/x.xyz\nExport b.xyz\n";
  for (const char* arguments : {"", "-"})
  {
    EXPECT_EQ(Run(arguments, script), 1) << arguments << "\n" << m_output;
    EXPECT_TRUE(OnStderr("stdin:2: Failure [Unable to write to file] missing/x.xyz")) << m_output;
    EXPECT_FALSE(OnStdout("Command")) << "no prompts echoed: " << m_output;
    EXPECT_EQ(Read("b.xyz"), "");
  }
  EXPECT_EQ(Run("", "NBImportPoints File=pts.txt OK\nExport b.xyz\n"), 0) << m_output;
  EXPECT_EQ(Read("b.xyz"), "1 2 3\n4 5 6\n7 8 9\n");
}

TEST_F(NubiloProgramTest, ObjectRangesAndOptionValues)
{
  Write("more.txt", "0 0 0\n10 0 0\n0 10 0\n10 10 0\n5 5 3\n");
  ASSERT_EQ(Run("-c 'NBImportPoints File=more.txt OK  NBWrapMesh NubiloType=? NubiloType=Convex "
                "1-3 5 Enter  List'"),
            0)
      << m_output;
  EXPECT_TRUE(OnStdout("NubiloType: Concave, Convex\n")) << m_output;
  EXPECT_TRUE(OnStdout("Wrapped 4 points")) << m_output;
  EXPECT_TRUE(OnStdout("6 object(s), 0 selected")) << "picked objects are unselected: " << m_output;
}

TEST_F(NubiloProgramTest, ScriptFileWithCommentsAndQuotes)
{
  Write("my points.txt", "10 20 30\n");
  Write("job.nb", "# import, then list\n"
                  "NBImportPoints File=\"my points.txt\"   # the dialog's fields\n"
                  "  OK\n"
                  "List\n");
  EXPECT_EQ(Run("job.nb"), 0) << m_output;
  EXPECT_TRUE(Printed("1  point (10, 20, 30)")) << m_output;
}

TEST_F(NubiloProgramTest, SelectionDeleteAndMenu)
{
  EXPECT_EQ(Run("-c 'NBImportPoints File=pts.txt OK SelAll Delete List Menu 5'"), 0) << m_output;
  EXPECT_TRUE(Printed("3 object(s) deleted")) << m_output;
  EXPECT_TRUE(Printed("0 object(s)")) << m_output;
  EXPECT_TRUE(Printed("&Nubilo") || Printed("Nubilo\n")) << m_output;
  EXPECT_TRUE(Printed("Command: ! _NBAbout")) << m_output;
}

TEST_F(NubiloProgramTest, InteractiveSessionOnATerminal)
{
  // The whole command on one line, then the Point File form answered field by field.
  Write("numbered.txt", "P1 1 2 3\nP2 4 5 6\n");
  const std::string input = "NBImportPoints File=pts.txt OK\n"
                            "NBImportPoints\n"
                            "numbered.txt\n"
                            "1\n"
                            "\n"
                            "\n"
                            "\n"
                            "\n"
                            "\n"
                            "\n"
                            "OK\n"
                            "List\n"
                            "Exit\n";
  EXPECT_EQ(OnTerminal("", input), 0) << m_output;
  EXPECT_TRUE(Printed("Imported 3 points")) << m_output;
  EXPECT_TRUE(Printed("== Point File ==")) << m_output;
  EXPECT_TRUE(Printed("Imported 2 points")) << m_output; // format 1: the first column is a number
  EXPECT_TRUE(Printed("5 object(s)")) << m_output;
}

namespace
{

// A concave wrap of many sphere points takes seconds: long enough to be interrupted a second after
// the program starts, with room for a faster wrap.
constexpr int kSpherePoints = 200000;

class InterruptProgramTest : public NubiloProgramTest
{
protected:
  void SetUp() override
  {
    NubiloProgramTest::SetUp();
    std::string points;
    for (int i = 0; i < kSpherePoints; ++i)
    {
      const double z = -1 + 2 * (i + 0.5) / kSpherePoints, angle = i * 2.39996322972865332;
      const double r = std::sqrt(1 - z * z);
      points += std::to_string(r * std::cos(angle)) + " " + std::to_string(r * std::sin(angle)) + " " +
                std::to_string(z) + "\n";
    }
    Write("sphere.xyz", points);
    // The program's own process id goes to a file, for the signals.
    Write("run.sh", "echo $$ > pid\nexec " + std::string(NUBILO_PROGRAM) + " --quiet --profile profile.ini \"$@\"\n");
  }
  // Runs the shell command while Ctrl-C reaches the program after each of the delays (seconds).
  int Interrupted(const std::string& command, const std::string& delays, const std::string& input = "")
  {
    const std::string signals = "rm -f pid; (for d in " + delays + "; do sleep $d; kill -INT $(cat pid); done) & " +
                                command + "; status=$?; wait; exit $status";
    return Shell(signals, input);
  }
};

const char kWrap[] = "NBImportPoints File=sphere.xyz OK  NBWrapMesh NubiloType=Concave All Enter";

} // namespace

TEST_F(InterruptProgramTest, CtrlCEndsAScriptRunWith130AndLeavesTheDocumentFile)
{
  Write("job.nb", std::string(kWrap) + "\nExport shell.stl\n");
  ASSERT_EQ(Run("-c 'NBImportPoints File=pts.txt OK Save doc.3dm'"), 0) << m_output;
  const std::string before = Read("doc.3dm");
  EXPECT_EQ(Interrupted("sh run.sh --doc doc.3dm job.nb", "1"), 130) << m_output;
  EXPECT_EQ(Read("doc.3dm"), before);
  EXPECT_EQ(Read("shell.stl"), "");
}

TEST_F(InterruptProgramTest, CtrlCCancelsTheCommandAndTheSessionGoesOn)
{
  const std::string input = std::string(kWrap) + "\nList\nExit\n";
  EXPECT_EQ(Interrupted("timeout 60 script -qec 'sh run.sh' /dev/null", "1", input), 0) << m_output;
  EXPECT_TRUE(Printed("Failure [Cancelled]")) << m_output;
  EXPECT_TRUE(Printed(std::to_string(kSpherePoints) + " object(s), 0 selected"))
      << "the mesh is not kept: " << m_output;
}

TEST_F(InterruptProgramTest, TwoCtrlCWithinASecondEndTheSession)
{
  const std::string input = std::string(kWrap) + "\nList\nExit\n";
  EXPECT_EQ(Interrupted("timeout 60 script -qec 'sh run.sh' /dev/null", "1 0.2", input), 130) << m_output;
  EXPECT_FALSE(Printed("object(s)")) << m_output;
}

// The demo's scripts, run as the demo runs them: from a checkout's root with out/demo made.
TEST_F(NubiloProgramTest, ExampleScriptsRun)
{
  ASSERT_EQ(Shell("mkdir -p out/demo && cp -r " + Quote(NUBILO_EXAMPLES) + " examples"), 0) << m_output;
  for (const char* script : {"import.nb", "drape.nb", "hull.nb", "grid.nb"})
  {
    EXPECT_EQ(Run(std::string("examples/") + script), 0) << script << "\n" << m_output;
    EXPECT_EQ(m_stderr.find("Failure"), std::string::npos) << script << "\n" << m_stderr;
  }
  EXPECT_TRUE(OnStdout("Added 2 boundary polylines from 1 mesh")) << "the grid's outline and its pond";
}
