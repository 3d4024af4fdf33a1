#include "HostOptions.h"

#include <cstdlib>

bool HostOptions::Parse(int argc, char** argv, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) {
        error = arg + " needs a value";
        return false;
      }
      out = argv[++i];
      return true;
    };
    if (arg == "--help" || arg == "-h") {
      mode = Mode::Help;
      return true;
    } else if (arg == "--version") {
      mode = Mode::Version;
      return true;
    } else if (arg == "--quiet") {
      quiet = true;
    } else if (arg == "--doc") {
      if (!value(docFile)) return false;
    } else if (arg == "--profile") {
      if (!value(profileFile)) return false;
    } else if (arg == "-c") {
      if (!value(commands)) return false;
      mode = Mode::Commands;
    } else if (!arg.empty() && arg[0] == '-') {
      error = "unknown option " + arg;
      return false;
    } else if (mode == Mode::Interactive) {
      scriptFile = arg;
      mode = Mode::Script;
    } else {
      error = "unexpected argument " + arg;
      return false;
    }
  }
  if (profileFile.empty()) profileFile = DefaultProfile();
  return true;
}

std::string HostOptions::DefaultProfile() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  std::string base = config && *config ? config : std::string(home ? home : ".") + "/.config";
  return base + "/nubilo/profile.ini";
}

const char* HostOptions::Usage() {
  return R"(Usage:
  nubilo                              interactive command line
  nubilo [options] -c "COMMANDS"      run the commands, then exit
  nubilo [options] SCRIPT             run a script file, then exit

Options:
  --doc FILE.3dm   open it at start when it exists, save it at exit when changed
  --profile FILE   settings profile (default ~/.config/nubilo/profile.ini)
  --quiet          no progress bars
  --help, --version

Exit status: 0 all commands succeeded; 1 a command failed or was cancelled (the run stops
there); 2 bad usage or unreadable script.

Commands and answers are whitespace-separated tokens; double quotes keep spaces; '#' starts a
comment. Each prompt takes the next token:
  command prompt   a command name (a leading !, _ or - is ignored)
  object prompt    All, object numbers, Enter (finish), Cancel, or an option Name=Value
  point prompt     x,y,z
  dialog           Field=Value ... then OK or Cancel (any other token accepts as OK)
When the tokens run out every prompt takes its default, as Enter would.

Plug-in commands:
  NBImportPoints   points from a delimited text file ("Point File" dialog)
  NBDrapeSurface   drape a grid over points (options DrapeDirection, SurfaceType)
  NBWrapMesh       wrap a closed mesh around points (option NubiloType=Concave|Convex)
  NBHelp, Nubilo   the plug-in's help page
  NBAbout          product and version
Host commands:
  Save [FILE]      save the document (3DM)
  Export FILE      the selected objects, or all when none is selected, by extension:
                   .txt/.xyz points separated by a space, .csv by a comma, and the other
                   formats the build offers
  Import FILE      meshes and models by extension
  SelAll, SelNone  select every object, or none
  List             the document's objects with their numbers
  Delete           delete the selected objects
  Menu             the plug-in menus; pick an item by number
  Help             this text
  Exit             leave

Dialog fields:
  Point File           File, Format (0-7 or its text), Tab, Semicolon, Comma, Space, Other (1|0),
                       OtherDelimiter (one character)
  Surface Parameters   Rows, Columns, ProbeDiameter
  STL Export Options   FileType (ASCII or Binary)
  3DM Export Options   Version

Example:
  nubilo -c 'NBImportPoints File="pts.txt" Format=0 OK  Export out.xyz'
)";
}
