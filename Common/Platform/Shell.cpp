#include "Shell.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

extern char** environ;

namespace Platform
{

namespace
{

constexpr int kSuccess = 42;       // any value above 32
constexpr int kFileNotFound = 2;   // the shell's "file not found"
constexpr int kNoAssociation = 31; // the shell's "no application associated"

std::string& OpenerProgram()
{
  static std::string program = "xdg-open";
  return program;
}

} // namespace

void Shell::SetOpener(const std::string& program) { OpenerProgram() = program; }
const std::string& Shell::Opener() { return OpenerProgram(); }

int Shell::Open(const std::string& path)
{
  struct stat info;
  if (stat(path.c_str(), &info) != 0)
    return kFileNotFound;
  const std::string& program = OpenerProgram();
  char* const argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(path.c_str()), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0)
    return kNoAssociation;
  int status = 0;
  if (waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return kNoAssociation;
  return kSuccess;
}

} // namespace Platform
