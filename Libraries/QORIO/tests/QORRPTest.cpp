#include "HeadlessPresenter.h"
#include "MeshFileFixture.h"
#include "QORRP.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <set>
#include <sys/stat.h>
#include <vector>

namespace
{

// RP files through the converter built beside the library, with the temporary folder of each
// test its own, so that what the class leaves there shows.
class QORRPTest : public MeshFileTest
{
protected:
  void SetUp() override
  {
    MeshFileTest::SetUp();
    m_temp = Path("temp");
    mkdir(m_temp.c_str(), 0700);
    const char* old = std::getenv("TEMP");
    m_oldTemp = old ? old : "";
    m_hadTemp = old != nullptr;
    setenv("TEMP", m_temp.c_str(), 1);
    Platform::Presenter::Install(&m_presenter);
  }
  void TearDown() override
  {
    Platform::Presenter::Install(nullptr);
    if (m_hadTemp)
      setenv("TEMP", m_oldTemp.c_str(), 1);
    else
      unsetenv("TEMP");
    MeshFileTest::TearDown();
  }

  std::set<std::string> TemporaryFiles() const
  {
    std::set<std::string> names;
    if (DIR* dir = opendir(m_temp.c_str()))
    {
      while (const dirent* entry = readdir(dir))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
          names.insert(entry->d_name);
      closedir(dir);
    }
    return names;
  }

  // Queues typed passwords for the prompt; a null entry cancels it.
  void Type(const std::vector<const char*>& answers)
  {
    for (const char* answer : answers)
    {
      m_presenter.QueueAnswer(
          [this, answer](Platform::Form& form)
          {
            m_prompts.push_back(form.Title() + "|" + form.Fields()[0].label);
            EXPECT_EQ(form.Fields()[0].kind, Platform::FieldKind::Password);
            if (!answer)
              return false;
            form.Put("Password", answer);
            return true;
          });
    }
  }

  std::string m_temp, m_oldTemp;
  bool m_hadTemp = false;
  Platform::HeadlessPresenter m_presenter;
  std::vector<std::string> m_prompts;
};

// Triangles at coordinates that single precision only just holds, and a quad.
ON_Mesh SurveyMesh()
{
  ON_Mesh mesh = SampleMesh();
  mesh.m_V[0] = ON_3fPoint(512345.67f, 6543210.5f, 123.456f);
  mesh.m_V[4] = ON_3fPoint(0.1f, -1e-7f, 3.0e30f);
  return mesh;
}

// The corners of every face, a quad as the two triangles a binary STL file holds.
std::vector<ON_3fPoint> Corners(const ON_Mesh& mesh)
{
  ON_Mesh triangles = mesh;
  triangles.ConvertQuadsToTriangles();
  std::vector<ON_3fPoint> corners;
  for (int fi = 0; fi < triangles.FaceCount(); fi++)
    for (int k = 0; k < 3; k++)
      corners.push_back(triangles.m_V[triangles.m_F[fi].vi[k]]);
  return corners;
}

TEST_F(QORRPTest, MeshesComeBackExactlyAndAreNotInTheFile)
{
  const ON_Mesh mesh = SurveyMesh();
  ASSERT_EQ(QORRP::MeshToRP(mesh, WPath("part.rp"), L"s3cret"), 1) << ON_String(QORRP::GetError()).Array();
  const std::string rp = Read(Path("part.rp"));
  EXPECT_EQ(rp.find("Binary STL"), std::string::npos);
  for (const ON_3fPoint& corner : Corners(mesh))
    EXPECT_EQ(rp.find(std::string(reinterpret_cast<const char*>(&corner.x), 12)), std::string::npos)
        << "a corner in the clear";
  EXPECT_EQ(TemporaryFiles(), std::set<std::string>{});

  ON_Mesh read;
  ASSERT_EQ(QORRP::RPToMesh(WPath("part.rp"), read, L"s3cret", 0, nullptr), 1) << ON_String(QORRP::GetError()).Array();
  EXPECT_EQ(Corners(read), Corners(mesh));
  EXPECT_TRUE(read.IsValid());
  EXPECT_TRUE(m_prompts.empty());
  EXPECT_EQ(TemporaryFiles(), std::set<std::string>{}) << "the decrypted copy is gone";

  // A list of two meshes is stored joined and read back as its two edge-connected parts.
  ON_ClassArray<ON_Mesh> meshes;
  meshes.Append(mesh);
  ON_Mesh& apart = meshes.AppendNew();
  apart.m_V.Append(ON_3fPoint(10, 0, 0));
  apart.m_V.Append(ON_3fPoint(11, 0, 0));
  apart.m_V.Append(ON_3fPoint(10, 1, 0));
  apart.m_F.Append(ON_MeshFace{{0, 1, 2, 2}});
  ASSERT_EQ(QORRP::MeshToRP(meshes, WPath("two.rp"), L""), 1);
  ON_ClassArray<ON_Mesh> parts;
  ASSERT_EQ(QORRP::RPToMesh(WPath("two.rp"), parts, L"", 0, nullptr), 1);
  ASSERT_EQ(parts.Count(), 2);
  EXPECT_EQ(Corners(parts[0]), Corners(mesh));
  EXPECT_EQ(Corners(parts[1]), Corners(apart));
}

TEST_F(QORRPTest, RefusedPasswordsAreAskedForAgainAndCheckedEachTime)
{
  ASSERT_EQ(QORRP::MeshToRP(SampleMesh(), WPath("part.rp"), L"s3cret"), 1);
  const std::string prompt = "RP Password|Password for " + Path("part.rp");
  struct Case
  {
    const char* what;
    const wchar_t* password;
    int ask;
    std::vector<const char*> typed; // null: the prompt is cancelled
    const char* error;              // null: read
    size_t prompts;
  } cases[] = {
      {"right at once", L"s3cret", 1, {}, nullptr, 0},
      {"wrong without asking", L"secret", 0, {}, "Invalid password", 0},
      {"right when asked", L"", 1, {"s3cret"}, nullptr, 1},
      {"the typed one is checked too", L"x", 1, {"S3cret", "s3cret"}, nullptr, 2},
      {"three refusals", L"x", 1, {"a", "b", "c", "s3cret"}, "Invalid password", 3},
      {"cancelled", L"x", 1, {nullptr}, "Operation cancelled", 1},
  };
  for (const Case& test : cases)
  {
    SCOPED_TRACE(test.what);
    m_presenter.Clear();
    m_prompts.clear();
    Type(test.typed);
    ON_Mesh mesh = SurveyMesh();
    ON_ClassArray<ON_Mesh> list;
    list.Append(mesh);
    const int read = test.error ? QORRP::RPToMesh(WPath("part.rp"), list, test.password, test.ask, nullptr)
                                : QORRP::RPToMesh(WPath("part.rp"), mesh, test.password, test.ask, nullptr);
    EXPECT_EQ(m_prompts, std::vector<std::string>(test.prompts, prompt));
    if (test.error)
    {
      EXPECT_EQ(read, 0);
      EXPECT_STREQ(ON_String(QORRP::GetError()).Array(), test.error);
      ASSERT_EQ(list.Count(), 1) << "the list as it was";
      EXPECT_EQ(Corners(list[0]), Corners(SurveyMesh()));
    }
    else
    {
      EXPECT_EQ(read, 1) << ON_String(QORRP::GetError()).Array();
      EXPECT_EQ(Corners(mesh), Corners(SampleMesh()));
    }
    EXPECT_EQ(TemporaryFiles(), std::set<std::string>{});
  }
}

TEST_F(QORRPTest, FailuresLeaveTheMeshAndNoTemporaryFile)
{
  ASSERT_EQ(QORRP::MeshToRP(SampleMesh(), WPath("part.rp"), L"pw"), 1);
  std::string damaged = Read(Path("part.rp"));
  damaged[damaged.size() / 2] ^= 1;
  Write("damaged.rp", damaged);
  Write("plain.rp", "solid x\nendsolid x\n");
  mkdir(Path("folder.rp").c_str(), 0700);
  struct Case
  {
    const char* what;
    const char* file;
    const char* error;
    int errnoValue;
  } cases[] = {
      {"missing", "none.rp", "Unable to read RP file", ENOENT},
      {"a folder", "folder.rp", "Unable to read RP file", EISDIR},
      {"a changed byte", "damaged.rp", "Invalid password", 0},
      {"no RP file", "plain.rp", "Not an RP file", 0},
  };
  for (const Case& test : cases)
  {
    SCOPED_TRACE(test.what);
    ON_Mesh mesh = SurveyMesh();
    EXPECT_EQ(QORRP::RPToMesh(WPath(test.file), mesh, L"pw", 0, nullptr), 0);
    EXPECT_STREQ(ON_String(QORRP::GetError()).Array(), test.error);
    EXPECT_EQ(errno, test.errnoValue);
    EXPECT_EQ(Corners(mesh), Corners(SurveyMesh()));
  }

  // Writing: the converter's own message, the file error kept, the mesh's copy removed.
  EXPECT_EQ(QORRP::MeshToRP(SampleMesh(), WPath("no-folder/part.rp"), L"pw"), 0);
  EXPECT_STREQ(ON_String(QORRP::GetError()).Array(), "Unable to write to RP file");
  EXPECT_EQ(errno, ENOENT);
  EXPECT_EQ(TemporaryFiles(), std::set<std::string>{});

  // Without a usable temporary folder nothing is written.
  setenv("TEMP", Path("no-temp").c_str(), 1);
  EXPECT_EQ(QORRP::MeshToRP(SampleMesh(), WPath("other.rp"), L"pw"), 0);
  EXPECT_EQ(std::string(ON_String(QORRP::GetError()).Array()),
            "Unable to create a temporary file in " + Path("no-temp"));
  EXPECT_FALSE(Exists(Path("other.rp")));
}

} // namespace
