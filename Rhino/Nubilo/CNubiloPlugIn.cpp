#include "CNubiloPlugIn.h"

#include "MessageBox.h"
#include "NubiloIdentity.h"
#include "NubiloResource.h"
#include "Shell.h"

namespace
{

CNubiloPlugIn thePlugIn;

std::string Narrow(const wchar_t* text) { return static_cast<const char*>(ON_String(text)); }

void Warn(const char* text)
{
  Platform::MessageBox::Show(RhinoApp().MainWnd(), text, Narrow(NubiloIdentity::ProductTitle),
                             Platform::MessageIcon::Warning);
}

} // namespace

CNubiloPlugIn& NubiloPlugIn() { return thePlugIn; }

CNubiloPlugIn::CNubiloPlugIn() : m_version(__DATE__ "  " __TIME__) {}

CNubiloPlugIn::~CNubiloPlugIn() = default;

ON_UUID CNubiloPlugIn::PlugInID() const { return NubiloIdentity::PlugInId; }
const wchar_t* CNubiloPlugIn::PlugInName() const { return NubiloIdentity::PlugInName; }
const wchar_t* CNubiloPlugIn::PlugInVersion() const { return m_version; }

void CNubiloPlugIn::LoadMenu()
{
  m_menu = Platform::Menu("&Nubilo");
  m_menu.AddItem("&Import Points...", ID_NUBILO_IMPORTPOINTS);
  m_menu.AddItem("&Drape Surface", ID_NUBILO_DRAPESURFACE);
  m_menu.AddItem("&Wrap Mesh", ID_NUBILO_WRAPMESH);
  m_menu.AddSeparator();
  m_menu.AddItem("&Help...", ID_NUBILO_HELP);
  m_menu.AddItem("&About...", ID_NUBILO_ABOUT);
}

BOOL CNubiloPlugIn::OnLoadPlugIn()
{
  if (RhinoApp().GetApplicationName() != ON_wString(L"Rhinoceros 4.0"))
  {
    Warn("Unable to load Nubilo.\n\nThis plug-in file is designed to work with Rhinoceros 4.0 "
         "only.");
    return FALSE;
  }
  LoadMenu();
  if (!InsertPlugInMenuToRhinoMenu(&m_menu, 0))
    RhinoApp().Print("Error adding Nubilo menu\n");
  RhinoApp().Print(L"Loaded plug-in %s...\n", NubiloIdentity::ProductTitle);
  return CRhinoUtilityPlugIn::OnLoadPlugIn();
}

void CNubiloPlugIn::OnUnloadPlugIn()
{
  if (Platform::MenuBar* bar = RhinoApp().MenuBar())
  {
    for (int position = 0; Platform::Menu* popup = bar->GetSubMenu(position); ++position)
    {
      if (popup != &m_menu)
        continue;
      bar->RemoveMenu(position);
      bar->DrawMenuBar();
      break;
    }
  }
  RhinoApp().Print(L"Unloaded plug-in %s\n", NubiloIdentity::ProductTitle);
  CRhinoUtilityPlugIn::OnUnloadPlugIn();
}

BOOL CNubiloPlugIn::OnDisplayPlugInHelp(HWND*) const
{
  ON_wString folder;
  GetPlugInFolder(folder);
  const std::string path = Narrow(folder) + "/Nubilo.html";
  if (Platform::Shell::Open(path) > 32)
    return TRUE;
  Warn("Error displaying Nubilo help file.");
  RhinoApp().Print("The help is the page %s\n", path.c_str()); // to open by hand
  return FALSE;
}

BOOL CNubiloPlugIn::OnPlugInMenuCommand(WPARAM id)
{
  const wchar_t* script = L"";
  switch (id)
  {
  case ID_NUBILO_IMPORTPOINTS:
    script = L"! _NBImportPoints";
    break;
  case ID_NUBILO_DRAPESURFACE:
    script = L"! _NBDrapeSurface";
    break;
  case ID_NUBILO_WRAPMESH:
    script = L"! _NBWrapMesh";
    break;
  case ID_NUBILO_HELP:
    script = L"! _NBHelp";
    break;
  case ID_NUBILO_ABOUT:
    script = L"! _NBAbout";
    break;
  }
  RhinoApp().RunScript(script, 1);
  return TRUE;
}
