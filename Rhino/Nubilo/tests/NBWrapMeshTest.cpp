#include "DynamicLibrary.h"
#include "ProgressWindow.h"
#include "ScriptPresenter.h"
#include "TempFolder.h"
#include "rhinoSdk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const wchar_t* const kSection = L"Plug-Ins\\5D1E0C42-7B93-4A6F-9E28-03B7C6A14F95\\Settings";
const wchar_t* const kTypeEntry = L"NBWrapMesh - Nubilo Type";

Platform::DynamicLibrary& WrapModule()
{
  static Platform::DynamicLibrary module;
  if (!module.IsLoaded())
  {
    EXPECT_TRUE(module.Load(NUBILO_PLUGIN)) << module.Error();
  }
  return module;
}

class WrapCommandTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    WrapModule();
    Platform::ProgressWindow::SetQuiet(true);
    Platform::Presenter::Install(&m_presenter);
    RhinoApp().SetPrintSink([this](const std::string& text) { m_printed += text; });
    RhinoApp().SetApplicationName(L"Rhinoceros 4.0");
    RhinoApp().SetRhinoRegistryKey(L"Software\\Rhinoceros\\4.0");
    RhinoApp().ActiveDoc()->DeleteAll();
    RhinoApp().CommandStream().Clear();
    m_profile = Platform::TempFolder::Path() + "/nubilo-wrap-test-" + std::to_string(::getpid()) + ".ini";
    std::remove(m_profile.c_str());
    RhinoApp().ProfileContext().SetFile(m_profile);
  }
  void TearDown() override
  {
    RhinoApp().SetPrintSink(nullptr);
    Platform::Presenter::Install(nullptr);
    Platform::ProgressWindow::SetQuiet(false);
    RhinoApp().CommandStream().Clear();
    RhinoApp().ProfileContext().SetFile("");
    std::remove(m_profile.c_str());
  }

  CRhinoCommand::result Run(const std::string& line)
  {
    std::vector<std::string> tokens;
    std::string error;
    CRhinoCommandStream::Tokenize(line, tokens, error);
    CRhinoCommandStream& stream = RhinoApp().CommandStream();
    stream.Append(tokens);
    std::string token;
    CRhinoCommand::result result = CRhinoCommand::nothing;
    while (stream.Next("Command", token))
    {
      result = RhinoApp().ExecuteCommand(token);
      if (result != CRhinoCommand::success)
        break;
    }
    return result;
  }

  // Points spread evenly over a sphere.
  void AddSpherePoints(int count)
  {
    const double golden = M_PI * (3.0 - std::sqrt(5.0));
    for (int i = 0; i < count; i++)
    {
      const double z = 1.0 - (i + 0.5) * 2.0 / count, r = std::sqrt(1.0 - z * z);
      RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(r * std::cos(golden * i), r * std::sin(golden * i), z));
    }
  }

  int Saved()
  {
    int value = -1;
    RhinoApp().ProfileContext().LoadProfileInt(kSection, kTypeEntry, &value);
    return value;
  }

  const ON_Mesh* LastMesh()
  {
    return ON_Mesh::Cast(RhinoApp().ActiveDoc()->Objects().back()->Geometry());
  }

  Platform::ScriptPresenter m_presenter{RhinoApp().CommandStream()};
  std::string m_printed;
  std::string m_profile;
};

}  // namespace

TEST_F(WrapCommandTest, DefaultsToConcaveAndSavesTheTypeUsed)
{
  AddSpherePoints(300);
  const int redraws = RhinoApp().ActiveDoc()->RedrawCount();
  ASSERT_EQ(Run("NBWrapMesh All Enter"), CRhinoCommand::success);
  const ON_Mesh* mesh = LastMesh();
  ASSERT_NE(mesh, nullptr);
  EXPECT_EQ(m_printed, "Wrapped 300 points to create a mesh containing " + std::to_string(mesh->FaceCount()) +
                           " faces\n");
  EXPECT_GT(mesh->VertexCount(), 300);  // the crust's corners are power vertices, not the points
  EXPECT_EQ(Saved(), 0);
  EXPECT_EQ(RhinoApp().ActiveDoc()->RedrawCount(), redraws + 1);
}

TEST_F(WrapCommandTest, ConvexChoiceIsRememberedForTheNextRun)
{
  for (int corner = 0; corner < 8; corner++)
    RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(corner & 1, (corner >> 1) & 1, (corner >> 2) & 1));
  ASSERT_EQ(Run("NBWrapMesh NubiloType=Convex All Enter"), CRhinoCommand::success);
  EXPECT_EQ(m_printed, "Wrapped 8 points to create a mesh containing 12 faces\n");
  EXPECT_EQ(Saved(), 1);
  RhinoApp().ActiveDoc()->DeleteAll();
  for (int corner = 0; corner < 8; corner++)
    RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(corner & 1, (corner >> 1) & 1, (corner >> 2) & 1));
  m_printed.clear();
  ASSERT_EQ(Run("NBWrapMesh All Enter"), CRhinoCommand::success);
  EXPECT_EQ(m_printed, "Wrapped 8 points to create a mesh containing 12 faces\n");
  EXPECT_EQ(LastMesh()->VertexCount(), 8);
}

TEST_F(WrapCommandTest, CancelAndFailureAreReported)
{
  RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(0, 0, 0));
  RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(1, 0, 0));
  RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(0, 1, 0));
  EXPECT_EQ(Run("NBWrapMesh NubiloType=Convex Cancel"), CRhinoCommand::cancel);
  EXPECT_EQ(m_printed, "Failure [Command cancelled]\n");
  EXPECT_EQ(Saved(), -1);
  m_printed.clear();
  EXPECT_EQ(Run("NBWrapMesh NubiloType=Convex All Enter"), CRhinoCommand::failure);
  EXPECT_EQ(m_printed, "Failure [Invalid mesh]\n");
  EXPECT_EQ(RhinoApp().ActiveDoc()->ObjectCount(), 3);
}
