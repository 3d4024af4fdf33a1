#include "Shell.h"
#include "TempFolder.h"
#include "Uuid.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

using namespace Platform;

TEST(Shell, OpenReportsSuccessAboveThirtyTwo)
{
  const std::string file = TempFolder::Path() + "/nubilo-shell-" + Uuid::CreateString();
  std::FILE* f = std::fopen(file.c_str(), "w");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  const std::string saved = Shell::Opener();
  Shell::SetOpener("true");
  EXPECT_GT(Shell::Open(file), 32);
  Shell::SetOpener("false");
  EXPECT_LE(Shell::Open(file), 32);
  Shell::SetOpener("nubilo-no-such-opener");
  EXPECT_LE(Shell::Open(file), 32);
  Shell::SetOpener("true");
  EXPECT_LE(Shell::Open(file + ".missing"), 32);
  Shell::SetOpener(saved);
  std::remove(file.c_str());
}

TEST(TempFolder, FollowsTempVariable)
{
  setenv("TEMP", "/var/tmp/", 1);
  EXPECT_EQ(TempFolder::Path(), "/var/tmp");
  unsetenv("TEMP");
  EXPECT_FALSE(TempFolder::Path().empty());
}

TEST(Uuid, DistinctAndWellFormed)
{
  const std::string a = Uuid::CreateString(), b = Uuid::CreateString();
  EXPECT_NE(a, b);
  EXPECT_EQ(a.size(), 36u);
  EXPECT_EQ(a[8], '-');
}
