#include "CRhinoPlugIn.h"

#include "CRhinoApp.h"

namespace
{
CRhinoPlugIn* g_last = nullptr;
}

CRhinoPlugIn::CRhinoPlugIn() { g_last = this; }

CRhinoPlugIn::~CRhinoPlugIn()
{
  if (g_last == this)
    g_last = nullptr;
}

CRhinoPlugIn* CRhinoPlugIn::LastConstructed() { return g_last; }

BOOL CRhinoPlugIn::OnLoadPlugIn() { return TRUE; }
void CRhinoPlugIn::OnUnloadPlugIn() {}
BOOL CRhinoPlugIn::AddToPlugInHelpMenu() const { return FALSE; }
BOOL CRhinoPlugIn::HasPlugInHelp() const { return FALSE; }
BOOL CRhinoPlugIn::OnDisplayPlugInHelp(HWND*) const { return FALSE; }
BOOL CRhinoPlugIn::OnPlugInMenuCommand(WPARAM) { return FALSE; }

BOOL CRhinoPlugIn::InsertPlugInMenuToRhinoMenu(HMENU menu, int position)
{
  Platform::MenuBar* bar = RhinoApp().MenuBar();
  if (!menu || !bar)
    return FALSE;
  bar->Insert(position, menu);
  RhinoApp().SetMenuOwner(menu, this);
  return TRUE;
}
