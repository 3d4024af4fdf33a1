#include "HostOptions.h"

#include "CHostCommand.h"
#include "FileFormatTable.h"

#include <cstdlib>

bool HostOptions::Parse(int argc, char** argv, std::string& error)
{
  for (int i = 1; i < argc; ++i)
  {
    const std::string arg = argv[i];
    auto value = [&](std::string& out)
    {
      if (i + 1 >= argc)
      {
        error = arg + " needs a value";
        return false;
      }
      out = argv[++i];
      return true;
    };
    if (arg == "--help" || arg == "-h")
    {
      mode = Mode::Help;
      return true;
    }
    else if (arg == "--version")
    {
      mode = Mode::Version;
      return true;
    }
    else if (arg == "--quiet")
    {
      quiet = true;
    }
    else if (arg == "--doc")
    {
      if (!value(docFile))
        return false;
    }
    else if (arg == "--profile")
    {
      if (!value(profileFile))
        return false;
    }
    else if (arg == "-c")
    {
      if (!value(commands))
        return false;
      mode = Mode::Commands;
    }
    else if (arg != "-" && !arg.empty() && arg[0] == '-')
    {
      error = "unknown option " + arg;
      return false;
    }
    else if (mode == Mode::Interactive)
    {
      scriptFile = arg;
      mode = Mode::Script;
    }
    else
    {
      error = "unexpected argument " + arg;
      return false;
    }
  }
  if (profileFile.empty())
    profileFile = DefaultProfile();
  return true;
}

std::string HostOptions::DefaultProfile()
{
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  std::string base = config && *config ? config : std::string(home ? home : ".") + "/.config";
  return base + "/nubilo/profile.ini";
}

std::string HostOptions::Usage()
{
  return std::string(R"(Usage:
  nubilo                              interactive command line (a script when input is no terminal)
  nubilo [options] -c "COMMANDS"      run the commands, then exit
  nubilo [options] SCRIPT             run a script file ("-" for standard input), then exit

Options:
  --doc FILE.3dm   open it at start when it exists, save it at exit when changed
  --profile FILE   settings profile (default ~/.config/nubilo/profile.ini)
  --quiet          no progress bars and no plug-in load messages
  --help, --version

Exit status: 0 all commands succeeded; 1 a command failed or was cancelled (the run stops
there); 2 bad usage or unreadable script; 130 interrupted (Ctrl-C in a script run, or twice
within a second).

Commands and answers are whitespace-separated tokens; double quotes keep spaces; '#' starts a
comment. Each prompt takes the next token:
  command prompt   a command name (a leading !, _ or - is ignored)
  object prompt    All, object numbers or ranges (3-17), Enter (finish), Cancel, or an option
                   Name=Value (Name=? lists its values)
  point prompt     x,y,z
  dialog           Field=Value ... then OK or Cancel (any other token accepts as OK)
When the tokens run out every prompt takes its default, as Enter would. Results go to standard
output; failures, warnings and progress to standard error. Ctrl-C cancels the running command.

Plug-in commands:
  NBImportPoints   points from a delimited text file ("Point File" dialog)
  NBDrapeSurface   drape a grid over points (options DrapeDirection, SurfaceType)
  NBWrapMesh       wrap a closed mesh around points (option NubiloType=Concave|Convex)
  NBHelp, Nubilo   the plug-in's help page
  NBAbout          product and version
Host commands:
)") + CHostCommand::HelpLines() +
         R"(
Import and Export formats:
)" + FileFormatTable::Help() +
         R"(
Dialog fields:
  Point File           File, Format (0-7 or its text), Tab, Semicolon, Comma, Space, Other (1|0),
                       OtherDelimiter (one character)
  Surface Parameters   Rows, Columns, ProbeDiameter
  STL Export Options   FileType (ASCII or Binary)
  3DM Export Options   Version (2.0 or 3.0)
  RP Password          Password (not echoed when typed on a terminal)

Example:
  nubilo -c 'NBImportPoints File="pts.txt" Format=0 OK  Export out.xyz'
)";
}
