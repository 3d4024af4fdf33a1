#include "HeadlessPresenter.h"
#include "QOR3DM.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace
{

std::string TempPath(const char* name) { return ::testing::TempDir() + "qor3dm_" + std::to_string(getpid()) + name; }

// A geometry class without a copy of its own: its duplicate cannot be made.
class Unduplicable : public ON_Geometry
{
public:
  bool IsValid(ON_TextLog*) const override { return true; }
  bool GetBBox(double*, double*, bool) const override { return false; }
};

class QOR3DMTest : public ::testing::Test
{
protected:
  void SetUp() override { Platform::Presenter::Install(&m_presenter); }
  void TearDown() override
  {
    // Close both processes; an empty path cannot be written.
    QOR3DM::ReadEnd();
    QOR3DM::WriteEnd(ON_wString(), 3);
    Platform::Presenter::Install(nullptr);
  }

  // Layers Default and Ground (green); a point on Ground, a named point, a mesh.
  std::string WriteSample(int version)
  {
    const std::string path = TempPath("_sample.3dm");
    EXPECT_EQ(QOR3DM::WriteStart(), 1);
    int index = -1;
    QOR3DM::WriteLayer(L"Default", 0x000000, index);
    QOR3DM::WriteLayer(L"Ground", 0x00FF00, index);
    ON_3dmObjectAttributes onGround;
    onGround.m_layer_index = index;
    EXPECT_EQ(QOR3DM::WriteObject(ON_Point(1, 2, 3), &onGround), 1);
    ON_3dmObjectAttributes named;
    named.m_name = L"Walls";
    EXPECT_EQ(QOR3DM::WriteObject(ON_Point(4, 5, 6), &named), 1);
    ON_Mesh mesh;
    mesh.SetVertex(0, ON_3dPoint(0, 0, 0));
    mesh.SetVertex(1, ON_3dPoint(1, 0, 0));
    mesh.SetVertex(2, ON_3dPoint(0, 1, 0));
    mesh.SetTriangle(0, 0, 1, 2);
    EXPECT_EQ(QOR3DM::WriteObject(mesh), 1);
    EXPECT_EQ(QOR3DM::WriteEnd(ON_wString(path.c_str()), version), 1);
    return path;
  }

  Platform::HeadlessPresenter m_presenter;
};

TEST_F(QOR3DMTest, WriteLayerFindsNamesExactly)
{
  ASSERT_EQ(QOR3DM::WriteStart(), 1);
  int first = -1, again = -1, other = -1;
  EXPECT_EQ(QOR3DM::WriteLayer(L"Group", 0x0000FF, first), 1);
  EXPECT_EQ(QOR3DM::WriteLayer(L"Group", 0x00FF00, again), 1);
  EXPECT_EQ(QOR3DM::WriteLayer(L"group", 0x00FF00, other), 1);
  EXPECT_EQ(first, again);
  EXPECT_NE(first, other);
  EXPECT_EQ(QOR3DM::WriteGetLayerColor(first), 0x0000FFu);
  EXPECT_EQ(QOR3DM::WriteGetLayerIndex(L"missing", 0, 0), -1);
  EXPECT_EQ(QOR3DM::WriteGetLayerIndex(L"group", 0, 0), other);
  EXPECT_EQ(QOR3DM::WriteGetLayerIndex(L"made", 1, 0x123456), 2);
  EXPECT_EQ(QOR3DM::WriteGetLayerColor(2), 0x123456u);
}

TEST_F(QOR3DMTest, SecondWriteStartFails)
{
  ASSERT_EQ(QOR3DM::WriteStart(), 1);
  EXPECT_EQ(QOR3DM::WriteStart(), 0);
  EXPECT_TRUE(QOR3DM::GetError() == L"A 3DM write process is already active");
}

TEST_F(QOR3DMTest, WrittenFileReadsBackWithLayersAndObjects)
{
  const std::string path = WriteSample(3);
  ON_3dmProperties properties;
  int count = 0;
  ASSERT_EQ(QOR3DM::ReadStart(ON_wString(path.c_str()), properties, count), 1);
  EXPECT_EQ(count, 3);
  ASSERT_EQ(QOR3DM::ReadGetLayerTableSize(), 3);
  ON_Layer walls;
  ASSERT_EQ(QOR3DM::ReadGetLayer(2, walls), 1);
  EXPECT_TRUE(walls.LayerName() == L"Walls"); // a named object lands on the layer of its name
  EXPECT_EQ(walls.Color().Red() + walls.Color().Green() + walls.Color().Blue(), 0);
  ON_Point point;
  ON_3dmObjectAttributes attributes;
  ASSERT_EQ(QOR3DM::ReadGetPoint(0, point, attributes), 1);
  EXPECT_EQ(point.point.z, 3.0);
  EXPECT_EQ(attributes.m_layer_index, 1);
  EXPECT_EQ(QOR3DM::ReadGetPoint(1).point.x, 4.0);
  EXPECT_EQ(QOR3DM::ReadGetObjectClassName(2), ON_String("ON_Mesh"));
  EXPECT_EQ(QOR3DM::ReadGetMesh(2).FaceCount(), 1);
  EXPECT_EQ(QOR3DM::ReadGetObjectIndex(attributes.m_uuid), 0);
  QOR3DM::ReadEnd();
  std::remove(path.c_str());
}

// Text and leaders of a version 5 file are read and named by their classes; nothing of them is skipped.
TEST_F(QOR3DMTest, AnnotationsOfAVersion5FileAreNamed)
{
  ON_3dmProperties properties;
  int count = 0;
  if (QOR3DM::ReadStart(ON_wString(NUBILO_SHARED_DATA "/3dm/V5/v5_example_file.3dm"), properties, count) != 1)
    GTEST_SKIP() << "the 3dm sample files are not in the shared data";
  EXPECT_EQ(QOR3DM::ReadGetObjectClassName(0), ON_String("ON_Leader2"));
  EXPECT_EQ(QOR3DM::ReadGetObjectClassName(4), ON_String("ON_TextEntity2"));
  EXPECT_EQ(QOR3DM::ReadGetSkippedObjects().Find(L"ON_Leader2"), -1);
  EXPECT_EQ(QOR3DM::ReadGetSkippedObjects().Find(L"ON_TextEntity2"), -1);
  QOR3DM::ReadEnd();
}

TEST_F(QOR3DMTest, SampleBrepReadsTyped)
{
  const std::string sample = NUBILO_SHARED_DATA "/3dm/V3/v3_my_brep.3dm";
  if (access(sample.c_str(), R_OK) != 0)
    GTEST_SKIP() << "the 3dm sample files are not in the shared data";
  ON_3dmProperties properties;
  ASSERT_EQ(QOR3DM::ReadStart(ON_wString(sample.c_str()), properties), 1);
  EXPECT_EQ(QOR3DM::ReadGetObjectClassName(0), ON_String("ON_Brep"));
  ON_Brep brep;
  ON_3dmObjectAttributes attributes;
  ASSERT_EQ(QOR3DM::ReadGetBrep(0, brep, attributes), 1);
  EXPECT_EQ(brep.m_F.Count(), 6);
  EXPECT_TRUE(brep.IsValid());
  EXPECT_TRUE(attributes.m_name == L"Twisted b-rep");
  EXPECT_EQ(QOR3DM::ReadGetBrep(0).m_E.Count(), 12);
  EXPECT_EQ(QOR3DM::ReadGetBrep(1, brep, attributes), 0);
  ON_Mesh mesh;
  EXPECT_EQ(QOR3DM::ReadGetMesh(0, mesh, attributes), 0);
  QOR3DM::ReadEnd();
}

TEST_F(QOR3DMTest, BadIndicesFailAndLeaveOutputsAlone)
{
  const std::string path = WriteSample(3);
  ON_3dmProperties properties;
  ASSERT_EQ(QOR3DM::ReadStart(ON_wString(path.c_str()), properties), 1);
  const int size = QOR3DM::ReadGetLayerTableSize();
  for (int index : {-1, size})
  {
    ON_Layer layer;
    layer.SetLayerName(L"untouched");
    EXPECT_EQ(QOR3DM::ReadGetLayer(index, layer), 0);
    EXPECT_TRUE(QOR3DM::GetError() == L"Invalid layer index");
    EXPECT_TRUE(layer.LayerName() == L"untouched");
  }
  ON_Group group;
  EXPECT_EQ(QOR3DM::ReadGetGroup(0, group), 0);
  EXPECT_TRUE(QOR3DM::GetError() == L"Invalid group index");
  ON_3dmObjectAttributes attributes;
  EXPECT_EQ(QOR3DM::ReadGetObjectAttributes(3, attributes), 0);
  EXPECT_TRUE(QOR3DM::GetError() == L"Invalid object index");
  ON_Point point;
  EXPECT_EQ(QOR3DM::ReadGetPoint(2, point, attributes), 0); // the object there is a mesh
  ON_InstanceDefinition definition;
  EXPECT_EQ(QOR3DM::ReadGetInstanceDefinition(L"none", definition), 0);
  EXPECT_TRUE(QOR3DM::GetError() == L"Invalid instance definition name");
  std::remove(path.c_str());
}

TEST_F(QOR3DMTest, OneReadAtATime)
{
  const std::string path = WriteSample(2);
  ON_3dmProperties properties;
  ASSERT_EQ(QOR3DM::ReadStart(ON_wString(path.c_str()), properties), 1);
  EXPECT_EQ(QOR3DM::ReadStart(ON_wString(path.c_str()), properties), 0);
  ASSERT_EQ(m_presenter.Messages().size(), 1u);
  EXPECT_EQ(m_presenter.Messages()[0].text, "QOR3DM::ReadStart(): A read is already active");
  EXPECT_EQ(QOR3DM::ReadGetObjectTableSize(), 3); // the open read is not disturbed
  QOR3DM::ReadEnd();
  EXPECT_EQ(QOR3DM::ReadGetObjectTableSize(), 0);
  EXPECT_EQ(QOR3DM::ReadStart(ON_wString(path.c_str()), properties), 1);
  std::remove(path.c_str());
}

TEST_F(QOR3DMTest, UnreadableFilesFail)
{
  const std::string path = TempPath("_not3dm.3dm");
  std::FILE* file = std::fopen(path.c_str(), "wb");
  std::fputs("3D Geometry File Format        3 but then nothing", file);
  std::fclose(file);
  ON_3dmProperties properties;
  for (const std::string& name : {path, TempPath("_missing.3dm")})
  {
    QOR3DM::SetError(L"");
    EXPECT_EQ(QOR3DM::ReadStart(ON_wString(name.c_str()), properties), 0);
    EXPECT_TRUE(QOR3DM::GetError() == L"Unable to read file");
  }
  EXPECT_EQ(QOR3DM::ReadGetObjectTableSize(), 0);
  std::remove(path.c_str());
}

TEST_F(QOR3DMTest, FailedWritesReportFailure)
{
  ASSERT_EQ(QOR3DM::WriteStart(), 1);
  Unduplicable nothing;
  EXPECT_EQ(QOR3DM::WriteObject(nothing), 0);
  EXPECT_TRUE(QOR3DM::GetError() == L"Unable to write object");
  EXPECT_EQ(QOR3DM::WriteObject(ON_Point(0, 0, 0)), 1);
  const std::string path = TempPath("_written.3dm");
  ASSERT_EQ(QOR3DM::WriteEnd(ON_wString(path.c_str()), 3), 1);
  ON_3dmProperties properties;
  int count = -1;
  ASSERT_EQ(QOR3DM::ReadStart(ON_wString(path.c_str()), properties, count), 1);
  EXPECT_EQ(count, 1); // no empty record for the object that could not be copied
  QOR3DM::ReadEnd();

  ASSERT_EQ(QOR3DM::WriteStart(), 1);
  QOR3DM::SetError(L"");
  EXPECT_EQ(QOR3DM::WriteEnd(ON_wString((TempPath("_no_such_dir") + "/x.3dm").c_str()), 3), 0);
  EXPECT_TRUE(QOR3DM::GetError() == L"Unable to write to 3DM file");
  EXPECT_EQ(QOR3DM::WriteStart(), 1); // the write process is closed whatever the outcome
  std::remove(path.c_str());
}

TEST_F(QOR3DMTest, Version4WritesVersion3)
{
  const std::string path = WriteSample(4);
  ONX_Model model;
  ASSERT_TRUE(model.Read(path.c_str()));
  EXPECT_EQ(model.m_3dm_file_version, 3);
  std::remove(path.c_str());
}

TEST_F(QOR3DMTest, InstanceDefinitionsCollectTheirObjects)
{
  ASSERT_EQ(QOR3DM::WriteStart(), 1);
  ON_InstanceDefinition block;
  block.SetName(L"Block");
  EXPECT_EQ(QOR3DM::WriteInstanceDefinition(block), 1);
  EXPECT_EQ(QOR3DM::WriteInstanceDefinition(block), 0); // the name is taken
  const int index = QOR3DM::WriteGetInstanceDefinitionIndex(L"Block");
  ASSERT_EQ(index, 0);
  EXPECT_FALSE(ON_UuidIsNil(QOR3DM::WriteGetInstanceDefinition(index).Uuid()));
  ON_3dmObjectAttributes attributes;
  EXPECT_EQ(QOR3DM::WriteObjectToInstanceDefinition(index, ON_Point(1, 1, 1), attributes), 1);
  const std::string path = TempPath("_block.3dm");
  ASSERT_EQ(QOR3DM::WriteEnd(ON_wString(path.c_str()), 3), 1);

  ON_3dmProperties properties;
  ASSERT_EQ(QOR3DM::ReadStart(ON_wString(path.c_str()), properties), 1);
  ON_InstanceDefinition back;
  ASSERT_EQ(QOR3DM::ReadGetInstanceDefinition(L"Block", back), 1);
  ASSERT_EQ(back.m_object_uuid.Count(), 1);
  ASSERT_EQ(QOR3DM::ReadGetObjectAttributes(0, attributes), 1);
  EXPECT_EQ(attributes.Mode(), ON::idef_object);
  EXPECT_EQ(back.m_object_uuid[0], attributes.m_uuid);
  std::remove(path.c_str());
}

TEST_F(QOR3DMTest, ExportOptionsChooseTheVersion)
{
  int version = 3;
  m_presenter.QueueAnswer(
      [](Platform::Form& form)
      {
        std::string error;
        return form.Value("Version") == "1" && form.Set("Version", "2.0", error);
      });
  EXPECT_EQ(QOR3DM::Get3DMExportOptions(version), 1);
  EXPECT_EQ(version, 2);
  m_presenter.QueueAnswer([](Platform::Form&) { return false; });
  EXPECT_EQ(QOR3DM::Get3DMExportOptions(version), 0);
  EXPECT_EQ(version, 2);
  version = 7;
  m_presenter.QueueAnswer([](Platform::Form& form) { return form.Value("Version") == "2"; });
  EXPECT_EQ(QOR3DM::Get3DMExportOptions(version), 1);
  EXPECT_EQ(version, 4);
  EXPECT_EQ(m_presenter.FormsShown()[0], "3DM Export Options");
}

} // namespace
