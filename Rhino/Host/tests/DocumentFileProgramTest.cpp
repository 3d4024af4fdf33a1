#include "ProgramTest.h"
#include "opennurbs.h"

namespace
{

// Runs the nubilo program with a 3DM document in a scratch folder.
class DocumentFileProgramTest : public ProgramTest
{
protected:
  void SetUp() override
  {
    ProgramTest::SetUp();
    Write("pts.xyz", "1 2 3\n4 5 6\n7 8 9.5\n");
  }
  int Run(const std::string& options, const std::string& commands)
  {
    return Nubilo(options + " -c " + Quote(commands));
  }

  // Copies a file (a shared 3dm sample, or any path) to mine.3dm; false when it is not there.
  bool CopyToMine(const std::string& file)
  {
    return Shell("cp " + Quote(file) + " mine.3dm && chmod u+w mine.3dm") == 0;
  }

  // mine.3dm as read before and after a --doc run that adds the three points in place.
  void AddPointsInPlace(ONX_Model& before, ONX_Model& after)
  {
    ASSERT_TRUE(before.Read(Path("mine.3dm").c_str()));
    ASSERT_EQ(Run("--doc mine.3dm", "NBImportPoints File=pts.xyz Format=0 OK"), 0) << m_output;
    ASSERT_TRUE(after.Read(Path("mine.3dm").c_str()));
    EXPECT_EQ(after.m_3dm_file_version, before.m_3dm_file_version);
    EXPECT_EQ(after.m_object_table.Count(), before.m_object_table.Count() + 3);
  }

  // A site with a red layer holding one point of a material.
  void WriteSite(const std::string& name, int version = 3)
  {
    ONX_Model model;
    model.m_layer_table.AppendNew().SetLayerName(L"Default");
    ON_Layer& red = model.m_layer_table.AppendNew();
    red.SetLayerName(L"Survey");
    red.SetColor(ON_Color(255, 0, 0));
    ONX_Model_Object& record = model.m_object_table.AppendNew();
    record.m_object = new ON_Point(0, 0, 42);
    record.m_bDeleteObject = true;
    record.m_attributes.m_layer_index = 1;
    model.m_material_table.AppendNew().SetMaterialIndex(0);
    record.m_attributes.m_material_index = 0;
    ASSERT_TRUE(model.Write(Path(name).c_str(), version));
  }
};

} // namespace

TEST_F(DocumentFileProgramTest, DocumentRoundTripsWithItsLayers)
{
  WriteSite("site.3dm");
  ASSERT_EQ(Run("--doc site.3dm", "NBImportPoints File=pts.xyz Format=0 OK"), 0) << m_output;
  ONX_Model saved;
  ASSERT_TRUE(saved.Read(Path("site.3dm").c_str()));
  EXPECT_EQ(saved.m_3dm_file_version, 3);
  ASSERT_EQ(saved.m_object_table.Count(), 4);
  ASSERT_EQ(saved.m_layer_table.Count(), 2);
  EXPECT_TRUE(saved.m_layer_table[1].LayerName() == L"Survey");
  EXPECT_EQ(saved.m_layer_table[1].Color().Red(), 255);
  EXPECT_EQ(saved.m_object_table[0].m_attributes.m_layer_index, 1);
  EXPECT_EQ(ON_Point::Cast(saved.m_object_table[0].m_object)->point.z, 42.0);
  EXPECT_EQ(ON_Point::Cast(saved.m_object_table[3].m_object)->point.z, 9.5);
  ASSERT_EQ(saved.m_material_table.Count(), 1);
  EXPECT_EQ(saved.m_object_table[0].m_attributes.m_material_index, 0);

  WriteSite("old.3dm", 2); // kept in the version it was read in
  ASSERT_EQ(Run("--doc old.3dm", "NBImportPoints File=pts.xyz Format=0 OK"), 0) << m_output;
  ONX_Model old;
  ASSERT_TRUE(old.Read(Path("old.3dm").c_str()));
  EXPECT_EQ(old.m_3dm_file_version, 2);
  EXPECT_EQ(old.m_object_table.Count(), 4);

  ASSERT_EQ(Run("--doc site.3dm", "List"), 0) << m_output;
  EXPECT_TRUE(Printed("4 object(s)")) << m_output;
}

TEST_F(DocumentFileProgramTest, SaveExportAndImportChooseTheirFiles)
{
  ASSERT_EQ(
      Run("", "NBImportPoints File=pts.xyz Format=0 OK  Save old.3dm Version=2  SelAll  Export all.3dm Version=3.0 OK"),
      0)
      << m_output;
  EXPECT_TRUE(Printed("Saved 3 objects to old.3dm")) << m_output;
  ONX_Model model;
  ASSERT_TRUE(model.Read(Path("old.3dm").c_str()));
  EXPECT_EQ(model.m_3dm_file_version, 2);
  ASSERT_TRUE(model.Read(Path("all.3dm").c_str()));
  EXPECT_EQ(model.m_3dm_file_version, 3);

  ASSERT_EQ(Run("", "Import old.3dm  Import all.3dm  List"), 0) << m_output;
  EXPECT_TRUE(Printed("Imported 3 objects from old.3dm")) << m_output;
  EXPECT_TRUE(Printed("6 object(s)")) << m_output;
  EXPECT_EQ(Run("", "Save"), 1);
  EXPECT_TRUE(Printed("Failure [Save needs a .3dm file name]")) << m_output;
}

TEST_F(DocumentFileProgramTest, UnreadableDocumentIsLeftAlone)
{
  std::ofstream(Path("broken.3dm")) << "3D Geometry File Format        3 and nothing else";
  EXPECT_EQ(Run("--doc broken.3dm", "NBImportPoints File=pts.xyz Format=0 OK"), 1) << m_output;
  EXPECT_TRUE(OnStderr("--doc broken.3dm: Unable to read 3DM file")) << m_output;
  EXPECT_EQ(Read("broken.3dm"), "3D Geometry File Format        3 and nothing else");
}

// A document file holding what the document cannot keep (objects of classes the core does not read,
// a later version) is never overwritten: the run fails and the file stays byte
// for byte; a save to another file works and says what it leaves out.
TEST_F(DocumentFileProgramTest, FileContentTheDocumentCannotKeepIsNeverOverwritten)
{
  const std::string samples = std::string(NUBILO_SHARED_DATA) + "/3dm";
  const struct
  {
    std::string file;
    const char* named;
  } cases[] = {
      {samples + "/V4/v4_example_file.3dm", "version 4"},
      {samples + "/V5/v5_my_points.3dm", "version 50"},
      // A point written by rhino3dm 8 in its own version.
      {std::string(NUBILO_TEST_DIR) + "/data/point_version8.3dm", "version 80"},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.file);
    if (!CopyToMine(c.file))
      GTEST_SKIP() << "the 3dm sample files are not in the shared data";
    const std::string original = Read("mine.3dm");
    EXPECT_EQ(Run("--doc mine.3dm", "NBImportPoints File=pts.xyz Format=0 OK"), 1) << m_output;
    EXPECT_TRUE(OnStderr("--doc mine.3dm: Not overwritten")) << m_output;
    EXPECT_TRUE(OnStderr(c.named)) << m_output;
    EXPECT_TRUE(Read("mine.3dm") == original);

    EXPECT_EQ(Run("--doc mine.3dm", "NBImportPoints File=pts.xyz Format=0 OK  Save  Save other.3dm"), 1) << m_output;
    EXPECT_TRUE(Read("mine.3dm") == original);
    ASSERT_EQ(Run("--doc mine.3dm", "NBImportPoints File=pts.xyz Format=0 OK  Save other.3dm"), 0) << m_output;
    EXPECT_TRUE(OnStdout("(left out what mine.3dm holds beyond the document: ")) << m_output;
    EXPECT_TRUE(Read("mine.3dm") == original);
    ONX_Model saved;
    EXPECT_TRUE(saved.Read(Path("other.3dm").c_str()));
  }
  ASSERT_EQ(Run("", "Import " + samples + "/V4/v4_example_file.3dm"), 0) << m_output;
  EXPECT_TRUE(OnStdout(" (not read: ") && OnStdout("table of a later version 1")) << m_output;
}

// Text and leaders of a version 5 file come into the document, are listed with their text and are
// exported with the rest.
TEST_F(DocumentFileProgramTest, Version5AnnotationsImportListAndExport)
{
  const std::string file = std::string(NUBILO_SHARED_DATA) + "/3dm/V5/v5_example_file.3dm";
  if (!std::ifstream(file).good())
    GTEST_SKIP() << "the 3dm sample files are not in the shared data";
  ASSERT_EQ(Run("", "Import \"" + file + "\"  List  Export out.3dm"), 0) << m_output;
  EXPECT_TRUE(OnStdout("1  ON_Leader2 \"Breps\" from (79.79571820238029, 46.15847942166897, 0)")) << m_output;
  EXPECT_TRUE(OnStdout("5  ON_TextEntity2 \"Hello World\" from (-24.404484377483065, 52.82128433145115, 0)"))
      << m_output;
  ONX_Model saved;
  ASSERT_TRUE(saved.Read(Path("out.3dm").c_str()));
  int texts = 0, leaders = 0;
  for (int i = 0; i < saved.m_object_table.Count(); ++i)
  {
    texts += ON_TextEntity2::Cast(saved.m_object_table[i].m_object) ? 1 : 0;
    leaders += ON_Leader2::Cast(saved.m_object_table[i].m_object) ? 1 : 0;
  }
  EXPECT_EQ(texts, 1);
  EXPECT_EQ(leaders, 4);
}

// Lights, meshes with texture coordinates and object user data are kept by the document: such a file
// is saved in place, with everything it held and the added points.
TEST_F(DocumentFileProgramTest, FilesWithLightsTexturedMeshesAndUserDataAreSavedInPlace)
{
  const std::string samples = std::string(NUBILO_SHARED_DATA) + "/3dm";
  for (const char* file :
       {"/V2/v2_my_spot_light.3dm", "/V3/v3_my_spot_light.3dm", "/V2/v2_my_mesh_with_material.3dm",
        "/V3/v3_my_mesh_with_material.3dm", "/V2/v2_point_with_user_Data.3dm", "/V3/v3_point_with_user_Data.3dm"})
  {
    SCOPED_TRACE(file);
    if (!CopyToMine(samples + file))
      GTEST_SKIP() << "the 3dm sample files are not in the shared data";
    ONX_Model before, after;
    ASSERT_NO_FATAL_FAILURE(AddPointsInPlace(before, after));
    ASSERT_EQ(after.m_light_table.Count(), before.m_light_table.Count());
    for (int i = 0; i < before.m_light_table.Count(); ++i)
      EXPECT_TRUE(after.m_light_table[i].m_light.LightName() == before.m_light_table[i].m_light.LightName());
    int textured = 0;
    for (int i = 0; i < after.m_object_table.Count(); ++i)
      if (const ON_Mesh* mesh = ON_Mesh::Cast(after.m_object_table[i].m_object))
        textured += mesh->HasTextureCoordinates() ? 1 : 0;
    EXPECT_EQ(textured, std::string(file).find("mesh") != std::string::npos ? 1 : 0);
    int userData = 0;
    for (int i = 0; i < after.m_object_table.Count(); ++i)
      userData += after.m_object_table[i].m_object->m_unread_user_data.Count();
    EXPECT_EQ(userData, std::string(file).find("user_Data") != std::string::npos ? 1 : 0);
  }
  // User data comes back only in the version it was read in: a save over the file in another is refused.
  EXPECT_EQ(Run("--doc mine.3dm", "Save Version=2"), 1) << m_output;
  EXPECT_TRUE(OnStderr("the user data of 1 object, which only its own version keeps")) << m_output;
  ASSERT_EQ(Run("--doc mine.3dm", "Save other.3dm Version=2"), 0) << m_output;
  EXPECT_TRUE(OnStdout("the user data of 1 object")) << m_output;
}

// The lights of a file imported into a document come with its objects, on their layers.
TEST_F(DocumentFileProgramTest, ImportedFilesBringTheirLights)
{
  const std::string samples = std::string(NUBILO_SHARED_DATA) + "/3dm/V3/";
  if (!CopyToMine(samples + "v3_my_spot_light.3dm"))
    GTEST_SKIP() << "the 3dm sample files are not in the shared data";
  ASSERT_EQ(Run("--doc mine.3dm", "Import " + samples + "v3_MatchSrf.3dm"), 0) << m_output;
  EXPECT_TRUE(OnStdout("Imported 38 objects and 2 lights from ")) << m_output;
  ONX_Model saved;
  ASSERT_TRUE(saved.Read(Path("mine.3dm").c_str()));
  ASSERT_EQ(saved.m_light_table.Count(), 3);
  EXPECT_TRUE(saved.m_layer_table[saved.m_light_table[2].m_attributes.m_layer_index].LayerName() ==
              L"08 finished model");
}

// Views, other settings and user tables the core does not read come back in the file's version; a
// save in another version over the file would leave them out and is refused.
TEST_F(DocumentFileProgramTest, UnreadSettingsAndUserTablesSurviveTheDocument)
{
  const std::string sample = std::string(NUBILO_SHARED_DATA) + "/3dm/V2/v2_Flow1.3dm";
  if (!CopyToMine(sample))
    GTEST_SKIP() << "the 3dm sample files are not in the shared data";
  ONX_Model before, after;
  ASSERT_NO_FATAL_FAILURE(AddPointsInPlace(before, after));
  EXPECT_EQ(after.m_3dm_file_version, 2);
  EXPECT_EQ(after.m_unread_tables.Count(), 1);
  EXPECT_EQ(after.m_settings.m_unread_records.Count(), before.m_settings.m_unread_records.Count());

  EXPECT_EQ(Run("--doc mine.3dm", "Save Version=3"), 1) << m_output;
  EXPECT_TRUE(OnStderr("which only its own version keeps")) << m_output;
  ONX_Model kept;
  ASSERT_TRUE(kept.Read(Path("mine.3dm").c_str()));
  EXPECT_EQ(kept.m_3dm_file_version, 2);
  EXPECT_EQ(kept.m_unread_tables.Count(), 1);
}

// Breps are read and written: files of breps of the current and the legacy form are saved in place
// with their breps and the new objects.
TEST_F(DocumentFileProgramTest, BrepsAreSavedInPlace)
{
  for (const char* name : {"/V3/v3_my_brep.3dm", "/V2/v2_UntrimmedSurfaces.3dm"})
  {
    SCOPED_TRACE(name);
    const std::string sample = std::string(NUBILO_SHARED_DATA) + "/3dm" + name;
    if (!CopyToMine(sample))
      GTEST_SKIP() << "the 3dm sample files are not in the shared data";
    ONX_Model before, after;
    ASSERT_NO_FATAL_FAILURE(AddPointsInPlace(before, after));
    for (int i = 0; i < before.m_object_table.Count(); ++i)
    {
      const ON_Brep* was = ON_Brep::Cast(before.m_object_table[i].m_object);
      const ON_Brep* is = ON_Brep::Cast(after.m_object_table[i].m_object);
      ASSERT_EQ(was != nullptr, is != nullptr) << i;
      if (was)
      {
        EXPECT_EQ(is->m_F.Count(), was->m_F.Count()) << i;
        EXPECT_EQ(is->m_E.Count(), was->m_E.Count()) << i;
        EXPECT_EQ(is->m_V.Count(), was->m_V.Count()) << i;
      }
    }
  }
}
