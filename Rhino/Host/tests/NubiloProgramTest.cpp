#include "ProgramTest.h"

namespace {

// The nubilo program with a small point file in its scratch folder.
class NubiloProgramTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    Write("pts.txt", "1 2 3\n4,5,6\n\n7;8;9\r\n");
  }
  int Run(const std::string& arguments, const std::string& input = "") {
    return Nubilo(arguments, input);
  }
};

}  // namespace

TEST_F(NubiloProgramTest, HelpVersionAndBadUsage) {
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

TEST_F(NubiloProgramTest, ScriptedImportAndExport) {
  EXPECT_EQ(Run("-c 'NBImportPoints File=\"pts.txt\" Format=0 OK  Export out.xyz'"), 0)
      << m_output;
  EXPECT_TRUE(Printed("Loaded plug-in Nubilo 4.0 version 1.0...\n")) << m_output;
  EXPECT_TRUE(Printed("Imported 3 points\n")) << m_output;
  EXPECT_EQ(Read("out.xyz"),
            "1.000000 2.000000 3.000000\n4.000000 5.000000 6.000000\n"
            "7.000000 8.000000 9.000000\n");
  EXPECT_EQ(Run("-c 'NBImportPoints File=pts.txt OK SelNone Export out.csv'"), 0) << m_output;
  EXPECT_EQ(Read("out.csv").substr(0, 27), "1.000000,2.000000,3.000000\n");
}

TEST_F(NubiloProgramTest, FailuresStopTheRunWithStatusOne) {
  struct Case {
    const char* commands;
    const char* printed;
  } cases[] = {
      {"NBImportPoints File=pts.txt Cancel Export out.xyz", "Failure [Cancelled]"},
      {"NBBogus", "NBBogus"},
      {"NBImportPoints Bogus=1 OK", "Bogus=1"},
      {"NBImportPoints Format=9 OK", "Format=9"},
      {"Export", "Export needs a file name"},
      {"Export out.xyz", "No points to export"},
      {"NBImportPoints File=pts.txt OK Export out.doc", "Cannot export"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run("-c " + Quote(c.commands)), 1) << c.commands << "\n" << m_output;
    EXPECT_TRUE(Printed(c.printed)) << c.commands << "\n" << m_output;
  }
  EXPECT_EQ(Read("out.xyz"), "");  // the run stopped before the export
}

TEST_F(NubiloProgramTest, ScriptFileWithCommentsAndQuotes) {
  Write("my points.txt", "10 20 30\n");
  Write("job.nb",
        "# import, then list\n"
        "NBImportPoints File=\"my points.txt\"   # the dialog's fields\n"
        "  OK\n"
        "List\n");
  EXPECT_EQ(Run("job.nb"), 0) << m_output;
  EXPECT_TRUE(Printed("1  point (10, 20, 30)")) << m_output;
}

TEST_F(NubiloProgramTest, SelectionDeleteAndMenu) {
  EXPECT_EQ(Run("-c 'NBImportPoints File=pts.txt OK SelAll Delete List Menu 5'"), 0) << m_output;
  EXPECT_TRUE(Printed("3 object(s) deleted")) << m_output;
  EXPECT_TRUE(Printed("0 object(s)")) << m_output;
  EXPECT_TRUE(Printed("&Nubilo") || Printed("Nubilo\n")) << m_output;
  EXPECT_TRUE(Printed("Command: ! _NBAbout")) << m_output;
}

TEST_F(NubiloProgramTest, InteractiveSessionFromStandardInput) {
  // The whole command on one line, then the Point File form answered field by field.
  Write("numbered.txt", "P1 1 2 3\nP2 4 5 6\n");
  const std::string input =
      "NBImportPoints File=pts.txt OK\n"
      "NBImportPoints\n"
      "numbered.txt\n" "1\n" "\n" "\n" "\n" "\n" "\n" "\n" "OK\n"
      "List\n"
      "Exit\n";
  EXPECT_EQ(Run("", input), 0) << m_output;
  EXPECT_TRUE(Printed("Imported 3 points")) << m_output;
  EXPECT_TRUE(Printed("== Point File ==")) << m_output;
  EXPECT_TRUE(Printed("Imported 2 points")) << m_output;  // format 1: the first column is a number
  EXPECT_TRUE(Printed("5 object(s)")) << m_output;
}
