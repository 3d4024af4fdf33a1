#pragma once

#include "CRhinoCommand.h"
#include "CRhinoCommandStream.h"
#include "CRhinoDoc.h"
#include "CRhinoProfileContext.h"
#include "MenuBar.h"
#include "RhinoSdkTypes.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class CRhinoPlugIn;

// The application: command line output, the active document, the command table and script
// runner, the settings profile and the menu bar.
class CRhinoApp
{
public:
  CRhinoApp();

  // One line of command-line output each (printf style; in the wide form %s takes a wide text).
  // Results go to standard output; failures ("Failure [...]"), warnings and errors to standard
  // error, after the script location of the running command when there is one.
  void Print(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void Print(const wchar_t* format, ...);
  // A line for standard error whatever its text.
  void PrintError(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Where printed text goes instead of the standard streams (both kinds), or null.
  void SetPrintSink(std::function<void(const std::string&)> sink);

  HWND* MainWnd() { return &m_mainWindow; }
  CRhinoDoc* ActiveDoc() { return &m_doc; }

  // Runs the commands of a script line, echoing it like a typed line when echo is on.
  BOOL RunScript(const wchar_t* script, int echo = 1);
  // Runs one command by name (a leading '!', '_' or '-' is ignored). A command interrupted by
  // the user (Platform::Interrupt) is cancelled: the objects it added are taken back out.
  CRhinoCommand::result ExecuteCommand(const std::string& name);
  // The result of the last command run.
  CRhinoCommand::result LastCommandResult() const { return m_lastResult; }
  CRhinoCommandStream& CommandStream() { return m_stream; }
  // Objects picked by the running command; they are unselected when it ends.
  void NotePicked(const CRhinoObject* object) { m_picked.push_back(object); }

  ON_wString GetApplicationName() const { return m_applicationName; }
  void SetApplicationName(const wchar_t* name) { m_applicationName = name; }
  const wchar_t* GetRhinoRegistryKey() const { return m_registryKey; }
  void SetRhinoRegistryKey(const wchar_t* key) { m_registryKey = key; }

  CRhinoProfileContext& ProfileContext() { return m_profile; }

  // The main window's menu bar, or null when the host shows none.
  Platform::MenuBar* MenuBar() { return m_hasMenuBar ? &m_menuBar : nullptr; }
  void SetMenuBarAvailable(bool available) { m_hasMenuBar = available; }
  // The plug-in whose menu a popup is.
  void SetMenuOwner(const Platform::Menu* popup, CRhinoPlugIn* plugin);
  CRhinoPlugIn* MenuOwner(const Platform::Menu* popup) const;

private:
  void Emit(const std::string& text, bool diagnostic);
  void UnselectPicked();
  // What the document held when a command started.
  struct DocumentMark
  {
    int objects;
    int removals;
    bool modified;
  };
  CRhinoCommand::result Cancelled(CRhinoCommand::result result, const DocumentMark& before);

  PlatformWindow* m_mainWindow = nullptr;
  CRhinoDoc m_doc;
  CRhinoCommandStream m_stream;
  CRhinoProfileContext m_profile;
  Platform::MenuBar m_menuBar;
  bool m_hasMenuBar = true;
  std::map<const Platform::Menu*, CRhinoPlugIn*> m_menuOwners;
  std::vector<const CRhinoObject*> m_picked;
  CRhinoCommand::result m_lastResult = CRhinoCommand::success;
  ON_wString m_applicationName = L"Rhinoceros 4.0";
  ON_wString m_registryKey = L"Software\\Rhinoceros\\4.0";
  std::function<void(const std::string&)> m_sink;
};

// The one application object of the process.
CRhinoApp& RhinoApp();
