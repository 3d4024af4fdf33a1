#pragma once

// The fixture the plug-in's tests share: the module loaded once for the whole program, as the
// host keeps it; commands run from a script line; printed text, messages and settings kept per
// test.

#include "DynamicLibrary.h"
#include "HeadlessPresenter.h"
#include "ProgressWindow.h"
#include "ScriptPresenter.h"
#include "TempFolder.h"
#include "rhinoSdk.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

inline Platform::DynamicLibrary& PlugInModule()
{
  static Platform::DynamicLibrary module;
  if (!module.IsLoaded())
  {
    EXPECT_TRUE(module.Load(NUBILO_PLUGIN)) << module.Error();
  }
  return module;
}

// Answers forms from the command stream, as the host does for scripts, and keeps the messages.
class ScriptedPresenter : public Platform::ScriptPresenter
{
public:
  ScriptedPresenter() : ScriptPresenter(RhinoApp().CommandStream()) {}
  void ShowMessage(const std::string& text, const std::string& caption, Platform::MessageIcon icon) override
  {
    m_messages.ShowMessage(text, caption, icon);
  }
  const std::vector<Platform::HeadlessPresenter::Message>& Messages() const { return m_messages.Messages(); }
  void Clear() { m_messages.Clear(); }

private:
  Platform::HeadlessPresenter m_messages;
};

class PlugInCommandTest : public ::testing::Test
{
protected:
  static constexpr const wchar_t* kSettingsSection = L"Plug-Ins\\5D1E0C42-7B93-4A6F-9E28-03B7C6A14F95\\Settings";

  void SetUp() override
  {
    PlugInModule();
    Platform::ProgressWindow::SetQuiet(true);
    Platform::Presenter::Install(&m_presenter);
    RhinoApp().SetPrintSink([this](const std::string& text) { m_printed += text; });
    RhinoApp().SetApplicationName(L"Rhinoceros 4.0");
    RhinoApp().SetRhinoRegistryKey(L"Software\\Rhinoceros\\4.0");
    RhinoApp().ActiveDoc()->DeleteAll();
    RhinoApp().CommandStream().Clear();
    m_profile = Platform::TempFolder::Path() + "/nubilo-plugin-test-" + std::to_string(::getpid()) + ".ini";
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

  // Runs a command line as the host runs a script; returns the last command's result.
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

  // A remembered option of the settings profile, -1 when it is not there.
  int Saved(const wchar_t* entry)
  {
    int value = -1;
    RhinoApp().ProfileContext().LoadProfileInt(kSettingsSection, entry, &value);
    return value;
  }

  ScriptedPresenter m_presenter;
  std::string m_printed;
  std::string m_profile;
};
