#include "ProgressReporter.h"

#include <gtest/gtest.h>

using Platform::ProgressReporter;

class ProgressReporterTest : public ::testing::Test
{
protected:
  void SetUp() override { Platform::ProgressWindow::SetQuiet(true); }
  void TearDown() override { Platform::ProgressWindow::SetQuiet(false); }
};

TEST_F(ProgressReporterTest, DefaultsAndStart)
{
  ProgressReporter p;
  EXPECT_EQ(p.GetTitle(), "Progress");
  EXPECT_EQ(p.GetMin(), 0);
  EXPECT_EQ(p.GetMax(), 100);
  EXPECT_EQ(p.GetParentWnd(), nullptr);
  p.StartProgress();
  EXPECT_TRUE(p.Window().IsOpen());
  EXPECT_EQ(p.Window().Text(), "0 % complete");
  p.EndProgress();
  EXPECT_FALSE(p.Window().IsOpen());
}

TEST_F(ProgressReporterTest, PercentageTruncatesTowardZero)
{
  ProgressReporter p("Interpolating points", "", 0, 7, nullptr);
  p.StartProgress();
  p.SetCurrent(3);
  EXPECT_EQ(p.Window().Position(), 42);
  EXPECT_EQ(p.Window().Text(), "42 % complete");
  p.StepIt(1);
  EXPECT_EQ(p.Window().Position(), 57);
  EXPECT_DOUBLE_EQ(p.GetCurrent(), 4);
}

TEST_F(ProgressReporterTest, FixedStatusKeepsTextUntilCleared)
{
  ProgressReporter p;
  p.StartProgress();
  p.SetStatus("Reading");
  p.SetCurrent(50);
  EXPECT_EQ(p.Window().Text(), "Reading");
  EXPECT_EQ(p.Window().Position(), 50);
  p.SetStatus("");
  p.SetCurrent(60);
  EXPECT_EQ(p.Window().Text(), "60 % complete");
}

TEST_F(ProgressReporterTest, EmptyRangeShowsStart)
{
  ProgressReporter p("t", "", 0, 0, nullptr);
  p.StartProgress();
  EXPECT_EQ(p.Window().Position(), 0);
  EXPECT_EQ(p.Window().Text(), "0 % complete");
}

TEST_F(ProgressReporterTest, SettersTakeEffectAtNextUpdate)
{
  ProgressReporter p;
  p.StartProgress();
  p.SetMax(10);
  p.SetCurrent(5);
  EXPECT_EQ(p.Window().Position(), 50);
  p.SetTitle("Fitting surface");
  EXPECT_EQ(p.Window().Title(), "Fitting surface");
}
