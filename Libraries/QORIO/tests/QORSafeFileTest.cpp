#include "Interrupt.h"
#include "QORSafeFile.h"
#include "TempFolder.h"
#include "Uuid.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace
{

class QORSafeFileTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    m_folder = Platform::TempFolder::Path() + "/nubilo-safe-" + Platform::Uuid::CreateString();
    mkdir(m_folder.c_str(), 0755);
    m_target = m_folder + "/model.stl";
    std::ofstream(m_target) << "old";
  }
  void TearDown() override { std::system(("rm -rf '" + m_folder + "'").c_str()); }

  std::string Target() const
  {
    std::ifstream in(m_target);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  int FilesInFolder() const
  {
    int count = 0;
    DIR* dir = opendir(m_folder.c_str());
    while (dirent* entry = readdir(dir))
      if (entry->d_name[0] != '.')
        ++count;
    closedir(dir);
    return count;
  }

  std::string m_folder, m_target;
};

} // namespace

TEST_F(QORSafeFileTest, CommitReplacesTheTarget)
{
  QORSafeFile file;
  ASSERT_TRUE(file.Open(m_target));
  std::string text = "new ";
  EXPECT_TRUE(file.Flush(text));
  EXPECT_TRUE(text.empty());
  EXPECT_TRUE(file.Write("data", 4));
  EXPECT_EQ(Target(), "old"); // nothing changes before the commit
  EXPECT_TRUE(file.Commit());
  EXPECT_EQ(Target(), "new data");
  EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(QORSafeFileTest, FailedOrAbandonedWritesKeepTheOldFile)
{
  {
    QORSafeFile file;
    ASSERT_TRUE(file.Open(m_target));
    file.Write("partial", 7);
    file.Fail();
    EXPECT_FALSE(file.Commit());
  }
  {
    QORSafeFile file;
    ASSERT_TRUE(file.Open(m_target));
    file.Write("partial", 7);
  } // dropped without a commit
  EXPECT_EQ(Target(), "old");
  EXPECT_EQ(FilesInFolder(), 1); // no temporary file left behind
}

TEST_F(QORSafeFileTest, FoldersAndMissingFoldersAreRefused)
{
  QORSafeFile file;
  EXPECT_FALSE(file.Open(m_folder));
  EXPECT_FALSE(file.Open(m_folder + "/missing/model.stl"));
  EXPECT_FALSE(file.Open(""));
  EXPECT_FALSE(file.Write("x", 1));
  EXPECT_FALSE(file.Commit());
}

TEST_F(QORSafeFileTest, InterruptedWritingLeavesTheTargetAlone)
{
  QORSafeFile file;
  ASSERT_TRUE(file.Open(m_target));
  EXPECT_TRUE(file.Write("new", 3));
  Platform::Interrupt::Request();
  EXPECT_FALSE(file.Write("more", 4));
  errno = 0;
  EXPECT_FALSE(file.Commit());
  EXPECT_EQ(errno, EINTR);
  Platform::Interrupt::Clear();
  EXPECT_EQ(Target(), "old");
  EXPECT_EQ(FilesInFolder(), 1);
}
