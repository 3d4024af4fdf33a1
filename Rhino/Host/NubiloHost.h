#pragma once

#include "HostOptions.h"
#include "LineEditor.h"
#include "PlugInLoader.h"

#include <memory>
#include <string>

class HostPresenter;

// The nubilo program: loads the plug-in, then runs the command line, the -c commands or a
// script file, and returns the exit status.
class NubiloHost
{
public:
  enum ExitStatus
  {
    kSuccess = 0,
    kCommandFailed = 1,
    kBadUsage = 2
  };

  NubiloHost();
  ~NubiloHost();
  int Run(int argc, char** argv);

private:
  int Start(HostOptions options);
  bool LoadPlugIn(std::string& error);
  void UnloadPlugIn();
  int RunTokens();
  int RunInteractive();
  static std::string ModuleFolder();
  static std::string PlugInPath();

  LineEditor m_editor;
  PlugInLoader m_plugin;
  std::unique_ptr<HostPresenter> m_presenter;
  bool m_quiet = false;
};
