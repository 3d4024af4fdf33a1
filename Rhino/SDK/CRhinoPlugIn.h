#pragma once

#include "RhinoSdkTypes.h"
#include "opennurbs.h"

// Base of every plug-in. The module's one plug-in object registers itself when constructed, so
// that the host finds it after loading the module.
class CRhinoPlugIn
{
public:
  enum plug_in_type
  {
    unknown_plug_in = 0,
    render_plug_in,
    file_import_plug_in,
    file_export_plug_in,
    digitizer_plug_in,
    utility_plug_in
  };

  CRhinoPlugIn();
  virtual ~CRhinoPlugIn();
  CRhinoPlugIn(const CRhinoPlugIn&) = delete;
  CRhinoPlugIn& operator=(const CRhinoPlugIn&) = delete;

  virtual plug_in_type PlugInType() const = 0;
  virtual ON_UUID PlugInID() const = 0;
  virtual const wchar_t* PlugInName() const = 0;
  virtual const wchar_t* PlugInVersion() const = 0;

  virtual BOOL OnLoadPlugIn();
  virtual void OnUnloadPlugIn();

  // Whether the plug-in's help belongs in the host's help menu, and whether it has help to show.
  virtual BOOL AddToPlugInHelpMenu() const;
  virtual BOOL HasPlugInHelp() const;
  virtual BOOL OnDisplayPlugInHelp(HWND* owner) const;
  // A pick in the plug-in's menu; the identifier is the menu item's.
  virtual BOOL OnPlugInMenuCommand(WPARAM id);

  void GetPlugInFolder(ON_wString& folder) const { folder = m_folder; }
  void SetPlugInFolder(const wchar_t* folder) { m_folder = folder; }
  // Puts the popup into the host's menu bar at the position; nonzero on success.
  BOOL InsertPlugInMenuToRhinoMenu(HMENU menu, int position);

  // The plug-in object constructed most recently and not yet destroyed.
  static CRhinoPlugIn* LastConstructed();

private:
  ON_wString m_folder;
};

class CRhinoUtilityPlugIn : public CRhinoPlugIn
{
public:
  plug_in_type PlugInType() const override { return utility_plug_in; }
};
