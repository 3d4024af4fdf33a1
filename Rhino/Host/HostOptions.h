#pragma once

#include <string>

// The nubilo program's command line.
struct HostOptions
{
  enum class Mode
  {
    Interactive,
    Commands,
    Script,
    Help,
    Version
  };

  Mode mode = Mode::Interactive;
  std::string commands;    // -c
  std::string scriptFile;  // SCRIPT, "-" for standard input
  std::string docFile;     // --doc
  std::string profileFile; // --profile
  bool quiet = false;

  // Fills the options; false with a message in `error` on bad usage.
  bool Parse(int argc, char** argv, std::string& error);
  // ~/.config/nubilo/profile.ini, following XDG_CONFIG_HOME.
  static std::string DefaultProfile();
  // The usage, the commands (host commands from the command table) and the file formats.
  static std::string Usage();
};
