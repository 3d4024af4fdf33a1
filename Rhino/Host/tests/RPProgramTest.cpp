#include "ProgramTest.h"

#include <cstdint>
#include <cstring>
#include <poll.h>
#include <pty.h>
#include <set>
#include <dirent.h>
#include <sys/stat.h>

namespace
{

// RP files through the nubilo program.
class RPProgramTest : public ProgramTest
{
protected:
  int Run(const std::string& commands) { return Nubilo("-c " + Quote(commands)); }

  std::set<std::string> Entries(const std::string& name) const
  {
    std::set<std::string> names;
    if (DIR* dir = opendir(Path(name).c_str()))
    {
      while (const dirent* entry = readdir(dir))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
          names.insert(entry->d_name);
      closedir(dir);
    }
    return names;
  }
};

// A binary STL file of a strip of `count` triangles, starting at x0.
std::string StripSTL(uint32_t count, float x0)
{
  std::string bytes(80, ' ');
  bytes.append(reinterpret_cast<const char*>(&count), 4);
  for (uint32_t i = 0; i < count; ++i)
  {
    const float x = x0 + 0.25f * static_cast<float>(i / 2), odd = static_cast<float>(i % 2);
    const float facet[12] = {0, 0, 1, x, odd, 3.5f, x + 0.25f, 0, 3.5f, x + odd * 0.25f, 1, 3.5f};
    bytes.append(reinterpret_cast<const char*>(facet), sizeof facet);
    bytes.append(2, '\0');
  }
  return bytes;
}

// nubilo on a terminal of its own, answered prompt by prompt: what is typed after a prompt
// shows only if the program echoes it.
class Terminal
{
public:
  ~Terminal()
  {
    if (m_pid > 0)
    {
      kill(m_pid, SIGKILL);
      waitpid(m_pid, nullptr, 0);
    }
    if (m_master >= 0)
      close(m_master);
  }

  bool Start(const std::string& folder)
  {
    m_pid = forkpty(&m_master, nullptr, nullptr, nullptr);
    if (m_pid < 0)
      return false;
    if (m_pid == 0)
    {
      if (chdir(folder.c_str()) != 0)
        _exit(127);
      setenv("TERM", "dumb", 1);
      execl(NUBILO_PROGRAM, NUBILO_PROGRAM, "--quiet", "--profile", "profile.ini", nullptr);
      _exit(127);
    }
    return true;
  }

  // Waits until the text shows after what was waited for before.
  bool Expect(const std::string& text)
  {
    for (;;)
    {
      const size_t at = m_transcript.find(text, m_seen);
      if (at != std::string::npos)
      {
        m_seen = at + text.size();
        return true;
      }
      if (!ReadSome(30000))
        return false;
    }
  }

  void Type(const std::string& text)
  {
    if (write(m_master, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
      m_failed = true;
  }

  // Reads to the end and returns the exit status.
  int Finish()
  {
    while (ReadSome(30000))
    {
    }
    int status = 0;
    if (waitpid(m_pid, &status, 0) != m_pid)
      return -1;
    m_pid = -1;
    return WIFEXITED(status) && !m_failed ? WEXITSTATUS(status) : -1;
  }

  const std::string& Transcript() const { return m_transcript; }

private:
  bool ReadSome(int timeoutMs)
  {
    pollfd ready = {m_master, POLLIN, 0};
    if (poll(&ready, 1, timeoutMs) <= 0)
      return false;
    char buffer[4096];
    const ssize_t n = read(m_master, buffer, sizeof buffer);
    if (n <= 0)
      return false; // EIO once the program has ended
    m_transcript.append(buffer, static_cast<size_t>(n));
    return true;
  }

  pid_t m_pid = -1;
  int m_master = -1;
  bool m_failed = false;
  std::string m_transcript;
  size_t m_seen = 0;
};

} // namespace

TEST_F(RPProgramTest, ExportAndImportKeepTheMeshAndHideIt)
{
  const std::string stl = StripSTL(30, 1000.0f);
  Write("part.stl", stl);
  ASSERT_EQ(Run("Import part.stl  Export ref.stl  Export part.rp Password=s3cret  Export open.rp"), 0) << m_output;
  EXPECT_TRUE(OnStdout("Exported 1 mesh to part.rp\n")) << m_output;
  EXPECT_TRUE(OnStdout("Exported 1 mesh to open.rp (no password)\n")) << m_output;
  const std::string rp = Read("part.rp");
  for (size_t facet = 0; facet < 30; facet += 7)
    EXPECT_EQ(rp.find(stl.substr(84 + 50 * facet + 12, 36)), std::string::npos) << "facet " << facet;

  ASSERT_EQ(Run("Import part.rp Password=s3cret  Export back.stl"), 0) << m_output;
  EXPECT_TRUE(OnStdout("Imported a mesh of 30 faces\n")) << m_output;
  EXPECT_EQ(Read("back.stl"), Read("ref.stl"));
  ASSERT_EQ(Run("Import open.rp  Export open.stl"), 0) << m_output;
  EXPECT_EQ(Read("open.stl"), Read("ref.stl"));

  ASSERT_EQ(Nubilo("--help"), 0);
  EXPECT_TRUE(OnStdout(".rp")) << m_output;
  EXPECT_TRUE(OnStdout("RP Password          Password")) << m_output;
}

TEST_F(RPProgramTest, FailuresNameTheFileAndTheReason)
{
  Write("part.stl", StripSTL(4, 0.0f));
  ASSERT_EQ(Run("Import part.stl  Export part.rp Password=s3cret"), 0) << m_output;
  std::string flipped = Read("part.rp");
  flipped[flipped.size() - 40] ^= 0x10;
  Write("flipped.rp", flipped);
  struct Case
  {
    const char* commands;
    const char* failure;
  } cases[] = {
      {"Import part.rp Password=secret", "Failure [Invalid password] part.rp\n"},
      {"Import part.rp", "Failure [Invalid password] part.rp\n"},
      {"Import flipped.rp Password=s3cret", "Failure [Invalid password] flipped.rp\n"},
      {"Import part.rp Password=x OK Cancel", "Failure [Operation cancelled] part.rp\n"},
      {"Import missing.rp", "Failure [Unable to read RP file] missing.rp: No such file or directory\n"},
      {"Export empty.rp", "Failure [No meshes to export] empty.rp\n"},
      {"Import part.stl  Export out.rp Cancel", "Failure [Export cancelled] out.rp\n"},
      {"Import part.stl  Export no-folder/x.rp Password=x",
       "Failure [Unable to write to RP file] no-folder/x.rp: No such file or directory\n"},
  };
  for (const Case& c : cases)
  {
    EXPECT_EQ(Run(c.commands), 1) << c.commands;
    EXPECT_TRUE(OnStderr(c.failure)) << c.commands << "\n" << m_output;
    EXPECT_FALSE(OnStdout("Failure")) << c.commands << "\n" << m_output;
  }
}

// Every run has its own temporary file: runs sharing one temporary folder never read each
// other's data, and leave nothing there.
TEST_F(RPProgramTest, ProgramsRunningAtOnceKeepTheirOwnData)
{
  const char* names[] = {"a", "b", "c"};
  for (int i = 0; i < 3; ++i)
    Write(std::string(names[i]) + ".stl", StripSTL(20000 + 5000 * i, 100.0f * i));
  ASSERT_EQ(mkdir(Path("shared").c_str(), 0700), 0);
  const std::string nubilo = std::string(NUBILO_PROGRAM) + " --quiet --profile $x.ini -c ";
  const std::string each = "for x in a b c; do (for i in 1 2 3 4; do TEMP=shared " + nubilo;
  const std::string end = " || echo \"failed $x$i\"; done) & done; wait";
  ASSERT_EQ(Run("Import a.stl Export a.ref.stl") + Run("Import b.stl Export b.ref.stl") +
                Run("Import c.stl Export c.ref.stl"),
            0);
  ASSERT_EQ(Shell(each + "\"Import $x.stl Export $x$i.rp Password=p$x\"" + end), 0) << m_output;
  EXPECT_FALSE(Printed("failed")) << m_output;
  ASSERT_EQ(Shell(each + "\"Import $x$i.rp Password=p$x Export $x$i.stl\"" + end), 0) << m_output;
  EXPECT_FALSE(Printed("failed")) << m_output;
  for (const char* name : names)
    for (const char* i : {"1", "2", "3", "4"})
      EXPECT_TRUE(Read(std::string(name) + i + ".stl") == Read(std::string(name) + ".ref.stl")) << name << i;
  EXPECT_EQ(Entries("shared"), std::set<std::string>{}) << "no decrypted copy left behind";
}

TEST_F(RPProgramTest, PasswordsTypedOnATerminalAreNotEchoed)
{
  Write("part.stl", StripSTL(6, 0.0f));
  ASSERT_EQ(Run("Import part.stl  Export part.rp Password=Tr0ub4dor"), 0) << m_output;
  Terminal terminal;
  ASSERT_TRUE(terminal.Start(m_folder));
  ASSERT_TRUE(terminal.Expect("Command")) << terminal.Transcript();
  terminal.Type("Import part.rp\n");
  // A wrong one is asked for again, then the right one opens the file.
  for (const char* typed : {"wr0ngpass\n", "Tr0ub4dor\n"})
  {
    ASSERT_TRUE(terminal.Expect("Password for part.rp [")) << terminal.Transcript();
    ASSERT_TRUE(terminal.Expect("]: ")) << terminal.Transcript();
    terminal.Type(typed);
    ASSERT_TRUE(terminal.Expect("OK, Edit or Cancel [OK]: ")) << terminal.Transcript();
    terminal.Type("\n");
  }
  ASSERT_TRUE(terminal.Expect("Imported a mesh of 6 faces")) << terminal.Transcript();
  terminal.Type("Exit\n");
  EXPECT_EQ(terminal.Finish(), 0) << terminal.Transcript();
  EXPECT_EQ(terminal.Transcript().find("Tr0ub4dor"), std::string::npos) << terminal.Transcript();
  EXPECT_EQ(terminal.Transcript().find("wr0ngpass"), std::string::npos) << terminal.Transcript();
}

// The program and its modules copied without the converter beside them.
TEST_F(RPProgramTest, WithoutTheConverterNothingIsWritten)
{
  const std::string program = NUBILO_PROGRAM;
  const std::string bin = program.substr(0, program.find_last_of('/'));
  ASSERT_EQ(Shell("mkdir bin temp && cp " + Quote(program) + " " + Quote(bin) +
                  "/Nubilo.so bin/ && "
                  "for f in " +
                  Quote(bin) + "/lib*.so*; do case $f in */libPrismal.so*) ;; *) cp \"$f\" bin/ ;; esac; done"),
            0)
      << m_output;
  Write("part.stl", StripSTL(4, 0.0f));
  EXPECT_EQ(Shell("TEMP=temp bin/nubilo --quiet --profile profile.ini -c 'Import part.stl  Export part.rp Password=x'"),
            1);
  EXPECT_TRUE(OnStderr("Failure [Error loading libPrismal.so (")) << m_output;
  EXPECT_FALSE(std::ifstream(Path("part.rp")).good());
  EXPECT_EQ(Entries("temp"), std::set<std::string>{});
  Write("part.rp", "x");
  EXPECT_EQ(Shell("bin/nubilo --quiet --profile profile.ini -c 'Import part.rp'"), 1);
  EXPECT_TRUE(OnStderr("Failure [Error loading libPrismal.so (")) << m_output;
}
