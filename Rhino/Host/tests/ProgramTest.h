#pragma once

// The fixture the program's tests share: a scratch folder, and the nubilo program (or any shell
// command) run in it with its exit status and everything it printed.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

class ProgramTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    std::string folder = "/tmp/nubilo-program-XXXXXX";
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    m_folder = folder;
  }
  void TearDown() override { std::system(("rm -rf " + Quote(m_folder)).c_str()); }

  static std::string Quote(const std::string& text)
  {
    std::string quoted = "'";
    for (char c : text)
      quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
  }

  std::string Path(const std::string& name) const { return m_folder + "/" + name; }
  void Write(const std::string& name, const std::string& content) const
  {
    std::ofstream(Path(name), std::ios::binary) << content;
  }
  std::string Read(const std::string& name) const
  {
    std::ifstream in(Path(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  // Runs a shell command in the scratch folder with the input on its standard input; returns
  // the exit status, with standard output in m_stdout, standard error in m_stderr and both in
  // m_output (standard error after standard output).
  int Shell(const std::string& command, const std::string& input = "")
  {
    const std::string errors = Path(".stderr");
    const std::string line =
        "cd " + Quote(m_folder) + " && printf %s " + Quote(input) + " | { " + command + "; } 2>" + Quote(errors);
    std::FILE* pipe = popen(line.c_str(), "r");
    if (!pipe)
      return -1;
    m_stdout.clear();
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
      m_stdout.append(buffer, n);
    const int status = pclose(pipe);
    m_stderr = Read(".stderr");
    m_output = m_stdout + m_stderr;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  // Runs nubilo quietly with a settings profile of the scratch folder.
  int Nubilo(const std::string& arguments, const std::string& input = "")
  {
    return Shell(std::string(NUBILO_PROGRAM) + " --quiet --profile profile.ini " + arguments, input);
  }

  bool Printed(const std::string& text) const { return m_output.find(text) != std::string::npos; }
  bool OnStdout(const std::string& text) const { return m_stdout.find(text) != std::string::npos; }
  bool OnStderr(const std::string& text) const { return m_stderr.find(text) != std::string::npos; }

  std::string m_folder;
  std::string m_output, m_stdout, m_stderr;
};
