#pragma once

// The reference reader: shared/tools/3dm-inspect.mjs run by node with the rhino3dm package
// (found through RHINO3DM_DIR, else in the checkout's .deps/node).

#include <json/json.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/wait.h>

class Rhino3dm
{
public:
  // Summary of the file as openNURBS reads it; false with the reason in why_not.
  static bool Inspect(const std::string& file, Json::Value& summary, std::string& why_not)
  {
    return RunScript(NUBILO_SHARED_DATA "/../tools/3dm-inspect.mjs", file, " --no-uuid", summary, why_not);
  }

  // The text and leader annotations as openNURBS reads them (annotations.mjs beside the tests).
  static bool Annotations(const std::string& file, Json::Value& annotations, std::string& why_not)
  {
    return RunScript(NUBILO_TEST_DIR "/annotations.mjs", file, "", annotations, why_not);
  }

  // Whether the reference can run at all (node and the package present).
  static bool Missing(const std::string& why_not)
  {
    return why_not.find("not installed") != std::string::npos || why_not.find("not beside") != std::string::npos ||
           why_not.find("cannot start") != std::string::npos;
  }

private:
  // Runs a node script that reads the file with rhino3dm and prints JSON.
  static bool RunScript(const std::string& script, const std::string& file, const char* options, Json::Value& result,
                        std::string& why_not)
  {
    if (!std::getenv("RHINO3DM_DIR"))
      setenv("RHINO3DM_DIR", NUBILO_TEST_DIR "/../../../.deps/node", 0);
    if (std::FILE* probe = std::fopen(script.c_str(), "r"))
      std::fclose(probe);
    else
    {
      why_not = script.substr(script.rfind('/') + 1) + " is not beside the shared data or the tests";
      return false;
    }
    const std::string command = "node '" + script + "' '" + file + "'" + options + " 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
    {
      why_not = "cannot start node";
      return false;
    }
    std::string text;
    char block[4096];
    size_t got = 0;
    while ((got = std::fread(block, 1, sizeof(block), pipe)) > 0)
      text.append(block, got);
    const int status = pclose(pipe);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (code == 127 || code == -1)
      why_not = "node is not installed";
    else if (code == 3)
      why_not = "the rhino3dm package is not installed (scripts/setup.sh installs it)";
    else if (code != 0)
      why_not = "rhino3dm cannot read the file";
    if (code != 0)
      return false;
    Json::CharReaderBuilder builder;
    std::string errors;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    if (!reader->parse(text.data(), text.data() + text.size(), &result, &errors))
    {
      why_not = "unreadable output of " + script.substr(script.rfind('/') + 1);
      return false;
    }
    return true;
  }
};
