#pragma once

#include "rhinoSdk.h"

// The plug-in object: identity, loading under the right host, the "&Nubilo" menu, help.
class CNubiloPlugIn : public CRhinoUtilityPlugIn
{
public:
  CNubiloPlugIn();
  ~CNubiloPlugIn() override;

  ON_UUID PlugInID() const override;
  const wchar_t* PlugInName() const override;
  const wchar_t* PlugInVersion() const override;
  BOOL OnLoadPlugIn() override;
  void OnUnloadPlugIn() override;
  BOOL AddToPlugInHelpMenu() const override { return TRUE; }
  BOOL HasPlugInHelp() const override { return TRUE; }
  BOOL OnDisplayPlugInHelp(HWND* owner) const override;
  BOOL OnPlugInMenuCommand(WPARAM id) override;

  const Platform::Menu& Menu() const { return m_menu; }

private:
  void LoadMenu();

  ON_wString m_version;
  Platform::Menu m_menu;
};

// The module's one plug-in object.
CNubiloPlugIn& NubiloPlugIn();
