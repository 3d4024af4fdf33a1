#include "ProgramTest.h"
#include "opennurbs.h"

namespace
{

class IgesProgramTest : public ProgramTest
{
protected:
  int Run(const std::string& commands) { return Nubilo("-c " + Quote(commands)); }
  static std::string Shared(const std::string& name) { return std::string(NUBILO_SHARED_DATA) + "/iges/" + name; }
};

} // namespace

TEST_F(IgesProgramTest, SharedFilesImportWithTheirUnitsAndSkippedTypes)
{
  if (!std::ifstream(Shared("RLF_12545.igs")).good())
    GTEST_SKIP() << "shared test data not found under " << NUBILO_SHARED_DATA;
  struct Case
  {
    const char* file;
    const char* report;
    unsigned int units;
  } cases[] = {
      {"RLF_12545.igs", "Imported 240 objects from ", ON_3dmUnitsAndTolerances::inches},
      {"SOT404.igs", "Imported 388 objects from ", ON_3dmUnitsAndTolerances::inches},
      {"DTMB-5415_bulbous_bow.iges", "Imported 4 objects from ", ON_3dmUnitsAndTolerances::meters},
      {"unit_sphere.igs", "Imported 12 objects from ", ON_3dmUnitsAndTolerances::meters},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.file);
    ASSERT_EQ(Run("Import \"" + Shared(c.file) + "\"  Export out.3dm"), 0) << m_output;
    EXPECT_TRUE(OnStdout(c.report)) << m_output;
    ONX_Model model;
    ASSERT_TRUE(model.Read(Path("out.3dm").c_str()));
    EXPECT_EQ(model.m_settings.m_ModelUnitsAndTolerances.m_unit_system, c.units);
  }
  ASSERT_EQ(Run("Import \"" + Shared("SOT404.igs") + "\""), 0);
  EXPECT_TRUE(OnStdout("(skipped 6 entities: 402 associativity 6)\n")) << m_output;
}

TEST_F(IgesProgramTest, AFileInOtherUnitsIsScaledToTheDocument)
{
  // The second file is in inches, the document (from the first) in millimetres.
  const std::string mm = "1H,,1H;,,,,,32,38,6,308,15,,1.,2,2HMM,1,0.01,,1.0E-8,100.,,,11,0,;";
  std::string inch = mm;
  inch.replace(inch.find("2,2HMM"), 6, "1,4HINCH");
  auto file = [](const std::string& global)
  {
    char text[600];
    std::snprintf(text, sizeof text,
                  "%-72sS%7d\n%-72sG%7d\n%8d%8d%8d%8d%8d%8d%8d%8d%8sD%7d\n%8d%8d%8d%8d%8d%24s%8dD%7d\n%-64s%8dP%7d\n"
                  "%-72sT%7d\n",
                  "test", 1, global.c_str(), 1, 116, 1, 0, 0, 0, 0, 0, 0, "00000000", 1, 116, 0, 0, 1, 0, "", 0, 2,
                  "116,1.,0.,0.;", 1, 1, "S      1G      1D      2P      1", 1);
    return std::string(text);
  };
  Write("mm.igs", file(mm));
  Write("inch.igs", file(inch));
  ASSERT_EQ(Run("Import mm.igs  Import inch.igs  List"), 0) << m_output;
  EXPECT_TRUE(OnStdout("2  point (25.4, 0, 0)")) << m_output;
}

TEST_F(IgesProgramTest, FailuresNameTheFileAndTheReasonOnStandardError)
{
  Write("cut.igs", std::string(40, ' ') + "S      1\n");
  struct Case
  {
    const char* commands;
    const char* failure;
  } cases[] = {
      {"Import missing.igs", "Failure [Error reading IGES file] missing.igs: No such file or directory\n"},
      {"Import cut.igs", "Failure [Invalid IGES file: line 1 is shorter than 73 columns] cut.igs\n"},
      {"Import cut.iges  Export out.igs", "Failure [Error reading IGES file] cut.iges"},
  };
  for (const Case& c : cases)
  {
    EXPECT_EQ(Run(c.commands), 1) << c.commands;
    EXPECT_TRUE(OnStderr(c.failure)) << c.commands << "\n" << m_output;
    EXPECT_FALSE(OnStdout("Failure")) << c.commands << "\n" << m_output;
  }
}
