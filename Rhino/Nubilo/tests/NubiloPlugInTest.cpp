#include "NubiloResource.h"
#include "PlugInCommandTest.h"
#include "RhinoSdkVersion.h"
#include "Shell.h"
#include "Uuid.h"

#include <fstream>
#include <regex>

namespace
{

class NubiloPlugInTest : public PlugInCommandTest
{
protected:
  void SetUp() override
  {
    PlugInCommandTest::SetUp();
    m_plugin = CRhinoPlugIn::LastConstructed();
    ASSERT_NE(m_plugin, nullptr);
    const std::string module = NUBILO_PLUGIN;
    m_plugin->SetPlugInFolder(ON_wString(module.substr(0, module.find_last_of('/')).c_str()));
    RhinoApp().SetMenuBarAvailable(true);
  }

  int MenuPosition() const
  {
    Platform::MenuBar* bar = RhinoApp().MenuBar();
    for (int i = 0; bar && bar->GetSubMenu(i); ++i)
      if (bar->GetSubMenu(i)->Title() == "&Nubilo")
        return i;
    return -1;
  }

  CRhinoPlugIn* m_plugin = nullptr;
};

struct PointFile
{
  explicit PointFile(const std::string& content)
      : path(Platform::TempFolder::Path() + "/nubilo-" + Platform::Uuid::CreateString() + ".txt")
  {
    std::ofstream(path) << content;
  }
  ~PointFile() { std::remove(path.c_str()); }
  std::string path;
};

} // namespace

TEST_F(NubiloPlugInTest, ExportsAndIdentity)
{
  using IntFunction = int (*)();
  auto version = reinterpret_cast<IntFunction>(PlugInModule().Symbol("RhinoPlugInSdkVersion"));
  auto release = reinterpret_cast<IntFunction>(PlugInModule().Symbol("RhinoPlugInSdkServiceRelease"));
  ASSERT_TRUE(version && release);
  EXPECT_EQ(version(), RHINO_SDK_VERSION);
  EXPECT_EQ(release(), RHINO_SDK_SERVICE_RELEASE);
  for (const char* name : {"RhinoPlugInDeveloperOrganization", "RhinoPlugInDeveloperAddress",
                           "RhinoPlugInDeveloperCountry", "RhinoPlugInDeveloperPhone", "RhinoPlugInDeveloperFax",
                           "RhinoPlugInDeveloperEmail", "RhinoPlugInDeveloperWebsite", "RhinoPlugInUpdateURL"})
    EXPECT_NE(PlugInModule().Symbol(name), nullptr) << name;
  ON_wString id;
  ON_UuidToString(m_plugin->PlugInID(), id);
  EXPECT_EQ(id.CompareNoCase(L"5D1E0C42-7B93-4A6F-9E28-03B7C6A14F95"), 0) << ON_String(id).Array();
  EXPECT_EQ(ON_wString(m_plugin->PlugInName()), ON_wString(L"Nubilo"));
  const std::string version_text = static_cast<const char*>(ON_String(m_plugin->PlugInVersion()));
  EXPECT_TRUE(
      std::regex_match(version_text, std::regex(R"([A-Z][a-z]{2} [ 0-9][0-9] [0-9]{4}  [0-9]{2}:[0-9]{2}:[0-9]{2})")))
      << version_text;
  for (const wchar_t* name : {L"NBImportPoints", L"NBDrapeSurface", L"NBWrapMesh", L"NBHelp", L"NBAbout", L"Nubilo"})
  {
    if (!CRhinoCommand::Find(name))
      continue; // the drape and wrap commands come with their libraries
    EXPECT_EQ(CRhinoCommand::Find(name)->PlugIn(), nullptr);
  }
}

TEST_F(NubiloPlugInTest, LoadsUnderTheRightHostWithItsMenu)
{
  ASSERT_TRUE(m_plugin->OnLoadPlugIn());
  EXPECT_EQ(m_printed, "Loaded plug-in Nubilo 4.0 version 1.0...\n");
  ASSERT_EQ(MenuPosition(), 0);
  std::vector<std::string> items;
  for (const auto& item : RhinoApp().MenuBar()->GetSubMenu(0)->Items())
    items.push_back(item.text);
  EXPECT_EQ(items, (std::vector<std::string>{"&Import Points...", "&Drape Surface", "&Wrap Mesh", "", "&Help...",
                                             "&About..."}));
  m_printed.clear();
  m_plugin->OnUnloadPlugIn();
  EXPECT_EQ(MenuPosition(), -1);
  EXPECT_EQ(m_printed, "Unloaded plug-in Nubilo 4.0 version 1.0\n");
  m_printed.clear();
  m_plugin->OnUnloadPlugIn(); // nothing to remove, the line all the same
  EXPECT_EQ(m_printed, "Unloaded plug-in Nubilo 4.0 version 1.0\n");
}

TEST_F(NubiloPlugInTest, RefusesOtherHosts)
{
  RhinoApp().SetApplicationName(L"Rhinoceros 5.0");
  EXPECT_FALSE(m_plugin->OnLoadPlugIn());
  ASSERT_EQ(m_presenter.Messages().size(), 1u);
  EXPECT_EQ(m_presenter.Messages()[0].text,
            "Unable to load Nubilo.\n\nThis plug-in file is designed to work with Rhinoceros 4.0 "
            "only.");
  EXPECT_EQ(m_presenter.Messages()[0].caption, "Nubilo 4.0 version 1.0");
  EXPECT_EQ(MenuPosition(), -1);
}

TEST_F(NubiloPlugInTest, LoadsWithoutMenuWhenItCannotBeInserted)
{
  RhinoApp().SetMenuBarAvailable(false);
  EXPECT_TRUE(m_plugin->OnLoadPlugIn());
  EXPECT_EQ(m_printed, "Error adding Nubilo menu\nLoaded plug-in Nubilo 4.0 version 1.0...\n");
  m_plugin->OnUnloadPlugIn();
}

TEST_F(NubiloPlugInTest, MenuItemsRunTheirScripts)
{
  Platform::Shell::SetOpener("true");
  EXPECT_TRUE(m_plugin->OnPlugInMenuCommand(ID_NUBILO_ABOUT));
  EXPECT_EQ(m_printed, "Command: ! _NBAbout\n");
  ASSERT_EQ(m_presenter.Messages().size(), 1u);
  EXPECT_EQ(m_presenter.Messages()[0].caption, "About Nubilo 4.0 version 1.0");
  m_printed.clear();
  EXPECT_TRUE(m_plugin->OnPlugInMenuCommand(ID_NUBILO_HELP));
  EXPECT_EQ(m_printed, "Command: ! _NBHelp\n");
  m_printed.clear();
  EXPECT_TRUE(m_plugin->OnPlugInMenuCommand(12345)); // an empty script
  EXPECT_EQ(m_printed, "Command: \n");
  Platform::Shell::SetOpener("xdg-open");
}

TEST_F(NubiloPlugInTest, HelpFailsWithMessageButCommandsSucceed)
{
  Platform::Shell::SetOpener("false");
  RhinoApp().SetRhinoRegistryKey(L"no version"); // help and about ignore the host version
  EXPECT_FALSE(m_plugin->OnDisplayPlugInHelp(nullptr));
  EXPECT_EQ(Run("NBHelp"), CRhinoCommand::success);
  EXPECT_EQ(Run("Nubilo"), CRhinoCommand::success);
  ASSERT_EQ(m_presenter.Messages().size(), 3u);
  EXPECT_EQ(m_presenter.Messages()[0].text, "Error displaying Nubilo help file.");
  EXPECT_EQ(m_presenter.Messages()[0].caption, "Nubilo 4.0 version 1.0");
  EXPECT_NE(m_printed.find("The help is the page "), std::string::npos) << m_printed;
  EXPECT_NE(m_printed.find("/Nubilo.html\n"), std::string::npos) << m_printed;
  Platform::Shell::SetOpener("true");
  EXPECT_TRUE(m_plugin->OnDisplayPlugInHelp(nullptr)); // the help page ships beside the module
  EXPECT_EQ(Run("NBAbout"), CRhinoCommand::success);
  Platform::Shell::SetOpener("xdg-open");
}

TEST_F(NubiloPlugInTest, HostVersionCheck)
{
  struct Case
  {
    const wchar_t* key;
    bool passes;
  } cases[] = {
      {L"Software\\Rhinoceros\\4.0", true},       {L"4.0", true},
      {L"Software\\Rhinoceros\\2.0\\4.0", false}, // "2.0" is tested first
      {L"Software\\Rhinoceros\\3.0", false},      {L"Software\\Rhinoceros", false},
  };
  for (const Case& c : cases)
  {
    m_presenter.Clear();
    m_printed.clear();
    RhinoApp().CommandStream().Clear();
    RhinoApp().SetRhinoRegistryKey(c.key);
    const CRhinoCommand::result result = Run("NBImportPoints OK");
    EXPECT_EQ(result, c.passes ? CRhinoCommand::success : CRhinoCommand::failure);
    if (c.passes)
    {
      EXPECT_TRUE(m_presenter.Messages().empty());
      continue;
    }
    ASSERT_EQ(m_presenter.Messages().size(), 1u);
    EXPECT_EQ(m_presenter.Messages()[0].text,
              "This plug-in is designed to work with Rhinoceros 4.0 based products only");
    EXPECT_EQ(m_presenter.Messages()[0].caption, "Incompatible Rhinoceros Version");
  }
}

TEST_F(NubiloPlugInTest, ImportPointsAddsEveryPointInFileOrder)
{
  PointFile file("1 2 3\n1 2 3\n4,5,6\n");
  EXPECT_EQ(Run("NBImportPoints File=\"" + file.path + "\" Format=0 OK"), CRhinoCommand::success);
  EXPECT_EQ(m_printed, "Imported 3 points\n");
  CRhinoDoc& doc = *RhinoApp().ActiveDoc();
  ASSERT_EQ(doc.ObjectCount(), 3); // duplicates are kept
  EXPECT_EQ(ON_Point::Cast(doc.ObjectAt(3)->Geometry())->point, ON_3dPoint(4, 5, 6));
}

TEST_F(NubiloPlugInTest, ImportPointsSaysHowManyLinesWereNotPoints)
{
  PointFile file("Easting,Northing,Height\n1,2,3\nx,5,6\n\n7,8,9\n");
  EXPECT_EQ(Run("NBImportPoints File=\"" + file.path + "\" OK"), CRhinoCommand::success);
  EXPECT_EQ(m_printed, "Imported 2 points (skipped 2 lines that are not points)\n");
  CRhinoDoc& doc = *RhinoApp().ActiveDoc();
  ASSERT_EQ(doc.ObjectCount(), 2); // no point at the origin for the header
  EXPECT_EQ(ON_Point::Cast(doc.ObjectAt(1)->Geometry())->point, ON_3dPoint(1, 2, 3));
}

TEST_F(NubiloPlugInTest, ImportPointsOfAFileThatCannotBeReadFails)
{
  EXPECT_EQ(Run("NBImportPoints File=/no/such/points.xyz OK"), CRhinoCommand::cancel);
  EXPECT_EQ(m_printed, "Failure [Error reading point file] /no/such/points.xyz\n");
  EXPECT_EQ(RhinoApp().ActiveDoc()->ObjectCount(), 0);
}

TEST_F(NubiloPlugInTest, ImportPointsCancelAndNoFile)
{
  PointFile file("1 2 3\n");
  EXPECT_EQ(Run("NBImportPoints File=\"" + file.path + "\" Cancel"), CRhinoCommand::cancel);
  EXPECT_EQ(m_printed, "Failure [Cancelled]\n");
  EXPECT_EQ(RhinoApp().ActiveDoc()->ObjectCount(), 0);
  m_printed.clear();
  EXPECT_EQ(Run("NBImportPoints OK"), CRhinoCommand::success);
  EXPECT_EQ(m_printed, "Imported 0 points\n");
}
