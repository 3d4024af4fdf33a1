#include "ProgramTest.h"
#include "opennurbs.h"

#include <vector>

namespace
{

class IgesProgramTest : public ProgramTest
{
protected:
  int Run(const std::string& commands) { return Nubilo("-c " + Quote(commands)); }
  static std::string Shared(const std::string& name) { return std::string(NUBILO_SHARED_DATA) + "/iges/" + name; }

  struct Entity
  {
    int type;
    std::string parameters;
  };

  // An IGES file of the entities, one parameter line each, in the given units.
  static std::string File(const std::string& global, const std::vector<Entity>& entities)
  {
    char line[200];
    std::string directory, parameters;
    for (size_t i = 0; i < entities.size(); ++i)
    {
      const int de = static_cast<int>(2 * i + 1), pl = static_cast<int>(i + 1);
      std::snprintf(line, sizeof line, "%8d%8d%8d%8d%8d%8d%8d%8d%8sD%7d\n%8d%8d%8d%8d%8d%24s%8dD%7d\n",
                    entities[i].type, pl, 0, 0, 0, 0, 0, 0, "00000000", de, entities[i].type, 0, 0, 1, 0, "", 0,
                    de + 1);
      directory += line;
      const std::string record = std::to_string(entities[i].type) + "," + entities[i].parameters;
      std::snprintf(line, sizeof line, "%-64s%8dP%7d\n", record.c_str(), de, pl);
      parameters += line;
    }
    std::snprintf(line, sizeof line, "%-72sS%7d\n%-72sG%7d\n", "test", 1, global.c_str(), 1);
    std::string text = line + directory + parameters;
    std::snprintf(line, sizeof line, "S      1G      1D%7dP%7d", static_cast<int>(2 * entities.size()),
                  static_cast<int>(entities.size()));
    char tail[100];
    std::snprintf(tail, sizeof tail, "%-72sT%7d\n", line, 1);
    return text + tail;
  }
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

// Notes come in as text and leaders as leaders, scaled with the file to the document's units; the
// host lists them with their text and writes them to 3DM files of both versions.
TEST_F(IgesProgramTest, NotesAndLeadersImportAsAnnotations)
{
  const std::string mm = "1H,,1H;,,,,,32,38,6,308,15,,1.,2,2HMM,1,0.01,,1.0E-8,100.,,,11,0,;";
  std::string inch = mm;
  inch.replace(inch.find("2,2HMM"), 6, "1,4HINCH");
  Write("mm.igs", File(mm, {{116, "1.,0.,0.;"}}));
  Write("notes.igs",
        File(inch, {{212, "1,4,3.,0.5,1,0.,0.,0,0,1.,2.,0.,4HGate;"}, {214, "1,0.1,0.05,0.,1.,1.,2.,1.;"}}));
  for (const char* version : {"2.0", "3.0"})
  {
    SCOPED_TRACE(version);
    ASSERT_EQ(Run(std::string("Import mm.igs  Import notes.igs  List  Export out.3dm Version=") + version), 0)
        << m_output;
    EXPECT_TRUE(OnStdout("2  ON_TextEntity2 \"Gate\" from (25.4, 50.8, 0) to (25.4, 50.8, 0)")) << m_output;
    EXPECT_TRUE(OnStdout("3  ON_Leader2 \"\" from (25.4, 25.4, 0) to (50.8, 25.4, 0)")) << m_output;
    ONX_Model model;
    ASSERT_TRUE(model.Read(Path("out.3dm").c_str()));
    ASSERT_EQ(model.m_object_table.Count(), 3);
    const ON_TextEntity2* text = ON_TextEntity2::Cast(model.m_object_table[1].m_object);
    ASSERT_NE(text, nullptr);
    EXPECT_NEAR(text->Height(), 0.5 * 25.4, 1e-9);
    const ON_Leader2* leader = ON_Leader2::Cast(model.m_object_table[2].m_object);
    ASSERT_NE(leader, nullptr);
    EXPECT_LT(leader->Dim3dPoint(1).DistanceTo(ON_3dPoint(50.8, 25.4, 0)), 1e-9);
  }
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
