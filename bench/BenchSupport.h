#pragma once

// What the benchmark programs share: a temporary folder of the process's own for the files they
// write, file sizes, and outside programs.

#include "TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <stdlib.h>

namespace bench
{

// A folder made for this process in the temporary folder and removed, with everything in it, at
// exit; so runs at the same time never touch each other's files. Path() is empty when it could
// not be made, and so is every File().
class Folder
{
public:
  Folder()
  {
    std::string pattern = Platform::TempFolder::Path() + "/nubilo-bench-XXXXXX";
    if (mkdtemp(pattern.data()))
      m_path = pattern;
  }
  ~Folder()
  {
    std::error_code ignored;
    if (!m_path.empty())
      std::filesystem::remove_all(m_path, ignored);
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  const std::string& Path() const { return m_path; }
  std::string File(const std::string& name) const { return m_path.empty() ? std::string() : m_path + "/" + name; }

private:
  std::string m_path;
};

inline const Folder& Work()
{
  static const Folder folder;
  return folder;
}

// A file of that name in the process's folder.
inline std::string BenchFile(const std::string& name) { return Work().File(name); }

// The file's size in bytes; 0 when it is missing.
inline long FileSize(const std::string& path)
{
  std::error_code missing;
  const auto size = std::filesystem::file_size(path, missing);
  return missing ? 0 : static_cast<long>(size);
}

// Whether the program is on the PATH.
inline bool OnPath(const std::string& program)
{
  return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// The shell command once per iteration; the benchmark fails with `failure` when the command does.
inline void RunEachIteration(benchmark::State& state, const std::string& command, const char* failure)
{
  for (auto _ : state)
    if (std::system(command.c_str()) != 0)
      state.SkipWithError(failure);
}

} // namespace bench
