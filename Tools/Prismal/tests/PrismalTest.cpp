// The converter through its two entry points, as a loader calls them.
#include "Prismal.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>

namespace
{

class PrismalTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    std::string folder = "/tmp/prismal-test-XXXXXX";
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    m_folder = folder;
  }
  void TearDown() override { std::system(("rm -rf '" + m_folder + "'").c_str()); }

  std::string Path(const std::string& name) const { return m_folder + "/" + name; }
  void Write(const std::string& name, const std::string& bytes) const
  {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const
  {
    std::ifstream in(Path(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::set<std::string> Entries() const
  {
    std::set<std::string> names;
    if (DIR* dir = opendir(m_folder.c_str()))
    {
      while (const dirent* entry = readdir(dir))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
          names.insert(entry->d_name);
      closedir(dir);
    }
    return names;
  }
  static mode_t Mode(const std::string& path)
  {
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
  }

  // Converts, keeping the message; true on success.
  bool Convert(const std::string& source, const std::string& destination, const char* sourcePassword,
               const char* destinationPassword)
  {
    char text[256] = "";
    errno = 0;
    const int ok = ConvertFile(Path(source).c_str(), Path(destination).c_str(), sourcePassword, destinationPassword,
                               text, sizeof text);
    m_errno = errno;
    m_message = text;
    return ok != 0;
  }

  std::string m_folder, m_message;
  int m_errno = 0;
};

// A binary STL file of `count` facets whose coordinates are distinct numbers.
std::string BinarySTL(uint32_t count)
{
  std::string bytes(80, ' ');
  bytes.replace(0, 15, "Binary STL file");
  bytes.append(reinterpret_cast<const char*>(&count), 4);
  for (uint32_t i = 0; i < count; ++i)
  {
    float values[12] = {0, 0, 1};
    for (int k = 3; k < 12; ++k)
      values[k] = 1234.5f + 17.25f * static_cast<float>(i * 9 + k);
    bytes.append(reinterpret_cast<const char*>(values), sizeof values);
    bytes.append(2, '\0');
  }
  return bytes;
}

TEST_F(PrismalTest, RoundTripGivesTheSameBytesAndHidesThem)
{
  const std::string stl = BinarySTL(40);
  Write("part.stl", stl);
  for (const char* password : {"", "s3cret", "pässwörd with spaces", "a much longer pass phrase of forty-three"})
  {
    SCOPED_TRACE(password);
    ASSERT_TRUE(Convert("part.stl", "part.rp", "", password)) << m_message;
    const std::string rp = Read("part.rp");
    EXPECT_EQ(rp.size(), 52 + stl.size() + 16) << "header, data, tag";
    EXPECT_EQ(rp.compare(0, 8, "PRISMAL\x1a"), 0);
    EXPECT_EQ(rp.find("Binary STL file"), std::string::npos);
    EXPECT_EQ(rp.find(stl.substr(84 + 12, 36)), std::string::npos) << "a facet's corners in the clear";
    EXPECT_EQ(rp.find(stl.substr(stl.size() - 20, 12)), std::string::npos);

    EXPECT_NE(IsPasswordValid(Path("part.rp").c_str(), password), 0);
    ASSERT_TRUE(Convert("part.rp", "back.stl", password, "")) << m_message;
    EXPECT_EQ(Read("back.stl"), stl);
    EXPECT_EQ(Mode(Path("back.stl")), 0600u) << "decrypted data for the owner only";
    std::remove(Path("back.stl").c_str());
  }
  // Every file gets its own salt and nonce.
  ASSERT_TRUE(Convert("part.stl", "again.rp", "", "s3cret"));
  const std::string first = Read("part.rp"), second = Read("again.rp");
  EXPECT_NE(first.substr(12, 40), second.substr(12, 40));
  EXPECT_NE(first.substr(52, 64), second.substr(52, 64));
}

TEST_F(PrismalTest, WrongPasswordsAndChangedBytesAreRefused)
{
  Write("part.stl", BinarySTL(3));
  ASSERT_TRUE(Convert("part.stl", "part.rp", "", "s3cret")) << m_message;
  const std::string good = Read("part.rp");
  Write("kept.stl", "what was there");

  EXPECT_EQ(IsPasswordValid(Path("part.rp").c_str(), "S3cret"), 0);
  EXPECT_EQ(IsPasswordValid(Path("part.rp").c_str(), ""), 0);
  EXPECT_FALSE(Convert("part.rp", "kept.stl", "s3cre", ""));
  EXPECT_EQ(m_message, "Wrong password or damaged RP file");
  EXPECT_EQ(m_errno, 0) << "no file to blame";

  struct Case
  {
    const char* what;
    size_t offset; // the byte changed; npos: see `bytes`
    std::string bytes;
    const char* message;
    int passwordValid;
  } cases[] = {
      {"version", 8, "", "Unsupported RP file version 3", 1},
      {"salt", 12, "", "Wrong password or damaged RP file", 0},
      {"salt end", 27, "", "Wrong password or damaged RP file", 0},
      {"nonce", 28, "", "Wrong password or damaged RP file", 0},
      {"nonce end", 51, "", "Wrong password or damaged RP file", 0},
      {"first data byte", 52, "", "Wrong password or damaged RP file", 0},
      {"facet count", 52 + 80, "", "Wrong password or damaged RP file", 0},
      {"tag", good.size() - 1, "", "Wrong password or damaged RP file", 0},
      {"cut short", std::string::npos, good.substr(0, good.size() - 1), "Wrong password or damaged RP file", 0},
      {"one byte more", std::string::npos, good + "x", "Wrong password or damaged RP file", 0},
      {"only a header", std::string::npos, good.substr(0, 60), "Truncated RP file", 1},
      {"magic", 0, "", "Not an RP file", 1},
  };
  for (const Case& test : cases)
  {
    SCOPED_TRACE(test.what);
    std::string bytes = test.bytes;
    if (test.offset != std::string::npos)
    {
      bytes = good;
      bytes[test.offset] = static_cast<char>(bytes[test.offset] ^ (test.offset == 8 ? 0x02 : 0x40));
    }
    Write("changed.rp", bytes);
    EXPECT_EQ(IsPasswordValid(Path("changed.rp").c_str(), "s3cret") != 0, test.passwordValid != 0);
    EXPECT_FALSE(Convert("changed.rp", "kept.stl", "s3cret", ""));
    EXPECT_EQ(m_message, test.message);
    EXPECT_EQ(Read("kept.stl"), "what was there") << "the destination stays as it was";
  }
}

TEST_F(PrismalTest, FailuresReportInTheCallersBufferAndErrno)
{
  Write("part.stl", BinarySTL(1));
  Write("text.stl", "solid x\nendsolid x\n");
  Write("part.rp", BinarySTL(1));
  mkdir(Path("dir.stl").c_str(), 0700);
  mkdir(Path("dir.rp").c_str(), 0700);
  struct Case
  {
    const char* what;
    const char* source;
    const char* destination;
    const char* message;
    int error;
  } cases[] = {
      {"missing source", "none.stl", "out.rp", "Unable to read STL file", ENOENT},
      {"missing RP file", "none.rp", "out.stl", "Unable to read RP file", ENOENT},
      {"folder as source", "dir.stl", "out.rp", "Unable to read STL file", EISDIR},
      {"text STL", "text.stl", "out.rp", "Not a binary STL file", 0},
      {"binary STL named .rp", "part.rp", "out.stl", "Not an RP file", 0},
      {"missing folder", "part.stl", "no-folder/out.rp", "Unable to write to RP file", ENOENT},
      {"folder as destination", "part.stl", "dir.rp", "Unable to write to RP file", EISDIR},
      {"two STL files", "part.stl", "out.stl", "Files to convert are an .rp and an .stl file", 0},
      {"no extension", "part.stl", "out", "Files to convert are an .rp and an .stl file", 0},
  };
  for (const Case& test : cases)
  {
    SCOPED_TRACE(test.what);
    EXPECT_FALSE(Convert(test.source, test.destination, "", "pw"));
    EXPECT_EQ(m_message, test.message);
    EXPECT_EQ(m_errno, test.error);
  }
  EXPECT_EQ(Entries(), (std::set<std::string>{"dir.rp", "dir.stl", "part.rp", "part.stl", "text.stl"}))
      << "no temporary file left";

  // The message is cut to the size the caller gives, and nothing past it is written.
  char text[12];
  std::memset(text, '#', sizeof text);
  EXPECT_EQ(ConvertFile(Path("none.stl").c_str(), Path("out.rp").c_str(), "", "", text, 8), 0);
  EXPECT_STREQ(text, "Unable "); // seven characters and the terminator
  EXPECT_EQ(std::string(text + 8, 4), "####");
  EXPECT_EQ(ConvertFile(Path("none.stl").c_str(), Path("out.rp").c_str(), "", "", nullptr, 0), 0);
  EXPECT_EQ(ConvertFile(nullptr, Path("out.rp").c_str(), "", "", text, sizeof text), 0);
  EXPECT_NE(IsPasswordValid(Path("none.rp").c_str(), "x"), 0) << "nothing a password could open";
}

TEST_F(PrismalTest, ANewRPFileTakesTheUmaskAndAnExistingFileKeepsItsMode)
{
  Write("part.stl", BinarySTL(2));
  const mode_t mask = umask(022);
  EXPECT_TRUE(Convert("part.stl", "new.rp", "", ""));
  EXPECT_EQ(Mode(Path("new.rp")), 0644u);
  Write("old.rp", "x");
  chmod(Path("old.rp").c_str(), 0640);
  EXPECT_TRUE(Convert("part.stl", "old.rp", "", ""));
  EXPECT_EQ(Mode(Path("old.rp")), 0640u);
  umask(mask);
}

} // namespace
