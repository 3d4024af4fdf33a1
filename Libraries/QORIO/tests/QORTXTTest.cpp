#include "HeadlessPresenter.h"
#include "Interrupt.h"
#include "QORTXT.h"
#include "TempFolder.h"
#include "Uuid.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace
{

class TempFile
{
public:
  explicit TempFile(const std::string& content, const char* suffix = ".txt")
      : m_path(Platform::TempFolder::Path() + "/nubilo-" + Platform::Uuid::CreateString() + suffix)
  {
    std::ofstream(m_path, std::ios::binary) << content;
  }
  ~TempFile() { std::remove(m_path.c_str()); }
  const std::string& Path() const { return m_path; }
  ON_wString Name() const { return ON_wString(m_path.c_str()); }

private:
  std::string m_path;
};

std::string ReadAll(const std::string& path)
{
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

const char* kAllDelimiters = ",; \t";

ON_ClassArray<QOR3dPoint> ReadText(const std::string& content, int format, const char* delimiters = kAllDelimiters)
{
  TempFile file(content);
  ON_ClassArray<QOR3dPoint> points;
  EXPECT_EQ(QORTXT::Read(file.Name(), format, delimiters, &points), 1);
  return points;
}

} // namespace

TEST(QORTXTRead, LinesByFormat)
{
  struct Case
  {
    const char* line;
    int format;
    const char* delimiters;
    int count;
    ON_3dPoint point;
    const char* number;
    const char* description;
  } cases[] = {
      {"1,,2,3", 0, ",", 1, {1, 2, 3}, "", ""},           // a run of delimiters is one
      {"1 2", 0, " ", 0, {}, "", ""},                     // too short: no point
      {"a b c", 0, " ", 0, {}, "", ""},                   // words are no coordinates
      {"Easting,Northing,Height", 0, ",", 0, {}, "", ""}, // a header line
      {"x,abc,3", 0, ",", 0, {}, "", ""},
      {"1,abc,3", 0, ",", 0, {}, "", ""}, // no partly-zero point
      {"1 2 -", 0, " ", 0, {}, "", ""},   // a sign alone is no number
      {"1 2 z tree", 2, " ", 0, {}, "", ""},
      {"N1 E 200 5", 5, " ", 0, {}, "", ""},
      {"12.5m 1 2", 0, " ", 1, {12.5, 1, 2}, "", ""}, // the numeric prefix still counts
      {"Pt 1 2 3", 1, " ", 1, {1, 2, 3}, "Pt", ""},   // number and description are text
      {"1 2 3 99", 2, " ", 1, {1, 2, 3}, "", "99"},
      {"P7 1.5 2.5 3.5 extra", 1, " ", 1, {1.5, 2.5, 3.5}, "P7", ""},
      {"1 2 3 old oak", 2, " ", 1, {1, 2, 3}, "", "old"}, // one word of description
      {"1 2 3", 2, " ", 1, {1, 2, 3}, "", ""},
      {"9;1;2;3;kerb", 3, ";", 1, {1, 2, 3}, "9", "kerb"},
      {"100 200 5", 4, " ", 1, {200, 100, 5}, "", ""}, // northing is y
      {"N1 100 200 5", 5, " ", 1, {200, 100, 5}, "N1", ""},
      {"100 200 5 tree", 6, " ", 1, {200, 100, 5}, "", "tree"},
      {"N1,100,200,5,tree", 7, ",", 1, {200, 100, 5}, "N1", "tree"},
      {"  ,1 2 3,, ", 0, ", ", 1, {1, 2, 3}, "", ""},             // leading and trailing delimiters
      {"1e3 -2.5e-1 0x10", 0, " ", 1, {1000, -0.25, 16}, "", ""}, // what strtod reads
      {"12abc 3 4", 0, " ", 1, {12, 3, 4}, "", ""},               // longest numeric prefix
      {"1 2 3", 8, " ", 0, {}, "", ""},                           // unknown format reads nothing
      {"1 nan 3", 0, " ", 0, {}, "", ""},                         // not finite: no point
      {"1 2 inf", 0, " ", 0, {}, "", ""},
  };
  for (const Case& c : cases)
  {
    const ON_ClassArray<QOR3dPoint> points = ReadText(std::string(c.line) + "\n", c.format, c.delimiters);
    ASSERT_EQ(points.Count(), c.count) << c.line;
    if (!c.count)
      continue;
    EXPECT_EQ(points[0].m_point, c.point) << c.line;
    EXPECT_STREQ(points[0].m_number, c.number) << c.line;
    EXPECT_STREQ(points[0].m_description, c.description) << c.line;
  }
}

TEST(QORTXTRead, LineEndsBlankLinesAndLongLines)
{
  std::string numbers; // 600 characters: read as pieces of 254, each a line of its own
  while (numbers.size() < 600)
    numbers += "1 2 3 ";
  const ON_ClassArray<QOR3dPoint> points =
      ReadText("1 2 3\r\n\r\n\n4 5 6\n7 8 9\r\n" + std::string(600, 'x') + "\n" + numbers + "\n10 11 12", 0);
  ASSERT_EQ(points.Count(), 7);
  EXPECT_EQ(points[0].m_point, ON_3dPoint(1, 2, 3));
  EXPECT_EQ(points[2].m_point, ON_3dPoint(7, 8, 9));
  EXPECT_EQ(points[3].m_point, ON_3dPoint(1, 2, 3)); // first piece of the long line
  EXPECT_EQ(points[6].m_point, ON_3dPoint(10, 11, 12));
}

TEST(QORTXTRead, LinesThatMakeNoPointAreCounted)
{
  std::string longWord(600, 'x'); // three pieces, none a point
  const ON_ClassArray<QOR3dPoint> points =
      ReadText("Easting,Northing,Height\r\n1,2,3\n\n\r\n4 5\n7 8 9\n1 nan 3\n" + longWord + "\n  \n10;abc;12\n", 0);
  ASSERT_EQ(points.Count(), 2);
  EXPECT_EQ(points[1].m_point, ON_3dPoint(7, 8, 9));
  // header, "4 5", the non-finite line, three pieces, the line of blanks and "10;abc;12"
  EXPECT_EQ(QORTXT::GetSkippedLineCount(), 8);

  ReadText("1 2 3\n\n", 0); // the count is that of the last reading
  EXPECT_EQ(QORTXT::GetSkippedLineCount(), 0);
  ReadText("a\nb\n", 8); // an unknown format reads no lines
  EXPECT_EQ(QORTXT::GetSkippedLineCount(), 0);
  ReadText("a\n", 0);
  ON_ClassArray<QOR3dPoint> none;
  EXPECT_EQ(QORTXT::Read(ON_wString(L"/nonexistent/pts.txt"), 0, " ", &none), 0);
  EXPECT_EQ(QORTXT::GetSkippedLineCount(), 0);
}

TEST(QORTXTRead, EmptyBinaryAndHostileFilesReadWithoutPoints)
{
  EXPECT_EQ(ReadText("", 0).Count(), 0);
  EXPECT_EQ(ReadText("no numbers here\n", 1).Count(), 0);
  std::string binary(4096, '\0');
  for (size_t i = 0; i < binary.size(); ++i)
    binary[i] = static_cast<char>(i * 37);
  ReadText(binary, 7); // must not crash; whatever it makes is finite
  const ON_ClassArray<QOR3dPoint> points = ReadText(binary, 0);
  for (int i = 0; i < points.Count(); ++i)
    EXPECT_TRUE(points[i].m_point.IsValid());
}

TEST(QORTXTRead, UnopenableFileFailsAndEmptiesOutput)
{
  ON_ClassArray<QOR3dPoint> points;
  points.AppendNew();
  EXPECT_EQ(QORTXT::Read(ON_wString(L"/nonexistent/pts.txt"), 0, " ", &points), 0);
  EXPECT_EQ(points.Count(), 0);
  EXPECT_EQ(QORTXT::GetError(), ON_wString(L"Error reading point file"));
  const std::string folder = Platform::TempFolder::Path();
  EXPECT_EQ(QORTXT::Read(ON_wString(folder.c_str()), 0, " ", &points), 0);
}

TEST(QORTXTRead, InterruptedReadingFailsAsCancelled)
{
  std::string content;
  for (int i = 0; i < 40000; ++i)
    content += "1 2 3\n";
  TempFile file(content);
  ON_ClassArray<QOR3dPoint> points;
  Platform::Interrupt::Request();
  EXPECT_EQ(QORTXT::Read(file.Name(), 0, " ", &points), 0);
  Platform::Interrupt::Clear();
  EXPECT_EQ(points.Count(), 0);
  EXPECT_EQ(QORTXT::GetError(), ON_wString(L"Cancelled"));
  EXPECT_EQ(QORTXT::Read(file.Name(), 0, " ", &points), 1);
  EXPECT_EQ(points.Count(), 40000);
}

TEST(QORTXTWrite, ShortestTextAndDelimiter)
{
  TempFile file("", ".csv");
  ON_3dPointArray points;
  points.Append(ON_3dPoint(1, 2, 3));
  points.Append(ON_3dPoint(4, -0.5, 0.1));
  ASSERT_EQ(QORTXT::Write(points, file.Name(), ","), 1);
  EXPECT_EQ(ReadAll(file.Path()), "1,2,3\n4,-0.5,0.1\n");
  ASSERT_EQ(QORTXT::Write(points, file.Name(), " ; "), 1);
  EXPECT_EQ(ReadAll(file.Path()), "1 ; 2 ; 3\n4 ; -0.5 ; 0.1\n");
  ASSERT_EQ(QORTXT::Write(ON_3dPointArray(), file.Name(), ","), 1);
  EXPECT_EQ(ReadAll(file.Path()), "");
}

TEST(QORTXTWrite, EveryCoordinateReadsBackExactly)
{
  // Survey scale, below a micrometre, far beyond six decimals either way.
  const double values[] = {4754540.123456789,
                           1e-9,
                           -0.5,
                           1e300,
                           -1e300,
                           0.1,
                           1.0 / 3,
                           -123456789.98765432,
                           5e-7,
                           2.2250738585072014e-308,
                           1.7976931348623157e308,
                           0,
                           1e22,
                           123456.7890123,
                           500000};
  ON_3dPointArray points;
  for (const double v : values)
    points.Append(ON_3dPoint(v, -v, v * 0.75));
  TempFile file("", ".xyz");
  ASSERT_EQ(QORTXT::Write(points, file.Name(), ","), 1);
  const ON_ClassArray<QOR3dPoint> read = ReadText(ReadAll(file.Path()), 0, ",");
  EXPECT_EQ(QORTXT::GetSkippedLineCount(), 0);
  ASSERT_EQ(read.Count(), points.Count());
  for (int i = 0; i < points.Count(); ++i)
    for (int k = 0; k < 3; ++k)
      EXPECT_EQ(read[i].m_point[k], points[i][k]) << i << " " << k;
}

TEST(QORTXTWrite, UnwritableTargetsFail)
{
  ON_3dPointArray points;
  points.Append(ON_3dPoint(1, 2, 3));
  for (const std::string& target : {std::string("/nonexistent/out.xyz"), Platform::TempFolder::Path()})
  {
    QORTXT::SetError(L"");
    EXPECT_EQ(QORTXT::Write(points, ON_wString(target.c_str()), " "), 0) << target;
    EXPECT_EQ(QORTXT::GetError(), ON_wString(L"Unable to write to file")) << target;
  }
}

TEST(QORTXTLineHelpers, EditInPlace)
{
  char a[] = "1\t\"2\",3;4\r\nrest";
  QORTXT::CleanLine(a);
  EXPECT_STREQ(a, "1  2  3 4");
  EXPECT_EQ(a[10], '\0'); // the line feed too
  char b[] = "1|2,3\n";
  QORTXT::CleanLine(b, "|");
  EXPECT_STREQ(b, "1 2,3");
  char c[] = "abc\rdef\n";
  QORTXT::RemoveNewLine(c);
  EXPECT_STREQ(c, "abc");
}

class PointFileDialogTest : public ::testing::Test
{
protected:
  void SetUp() override { Platform::Presenter::Install(&m_presenter); }
  void TearDown() override { Platform::Presenter::Install(nullptr); }
  Platform::HeadlessPresenter m_presenter;
};

TEST_F(PointFileDialogTest, OkKeepsEveryPointOfTheLastRefresh)
{
  std::string content;
  for (int i = 0; i < 150; ++i)
    content += "P" + std::to_string(i) + " 1 2 " + std::to_string(i) + "\n";
  TempFile file(content);
  std::vector<std::string> preview, output;
  m_presenter.QueueAnswer(
      [&](Platform::Form& form)
      {
        std::string error;
        EXPECT_TRUE(form.Set("File", file.Path(), error)) << error;
        EXPECT_TRUE(form.Set("Format", "Number, X, Y, Z", error)) << error;
        preview = form.Find("Preview")->items;
        output = form.Find("Output")->items;
        return true;
      });
  ON_ClassArray<QOR3dPoint> points;
  ON_wString name;
  ASSERT_EQ(QORTXT::Read(points, name, nullptr), 1);
  EXPECT_EQ(points.Count(), 150);
  EXPECT_EQ(preview.size(), 100u);
  ASSERT_EQ(output.size(), 100u);
  EXPECT_EQ(output[3], "P3, 1.000000, 2.000000, 3.000000, ");
  EXPECT_EQ(name, ON_wString(file.Path().c_str()));
}

TEST_F(PointFileDialogTest, BlanksAroundATypedFileNameAreDropped)
{
  TempFile file("1 2 3\n");
  m_presenter.QueueAnswer(
      [&](Platform::Form& form)
      {
        std::string error;
        EXPECT_TRUE(form.Set("File", "  " + file.Path() + " ", error)) << error; // as completion leaves it
        return true;
      });
  ON_ClassArray<QOR3dPoint> points;
  ON_wString name;
  ASSERT_EQ(QORTXT::Read(points, name, nullptr), 1);
  EXPECT_EQ(points.Count(), 1);
  EXPECT_EQ(name, ON_wString(file.Path().c_str()));
}

TEST_F(PointFileDialogTest, GivenFileIsReadAtOnceAndCannotBeChanged)
{
  TempFile file("1;2;3\n");
  bool fileEnabled = true;
  m_presenter.QueueAnswer(
      [&](Platform::Form& form)
      {
        fileEnabled = form.Find("File")->enabled;
        return true;
      });
  ON_ClassArray<QOR3dPoint> points;
  ON_wString name = file.Name();
  ASSERT_EQ(QORTXT::Read(points, name, nullptr), 1);
  EXPECT_FALSE(fileEnabled);
  ASSERT_EQ(points.Count(), 1);
}

TEST_F(PointFileDialogTest, OtherDelimiterAndCancel)
{
  TempFile file("1|2|3\n");
  m_presenter.QueueAnswer(
      [&](Platform::Form& form)
      {
        std::string error;
        form.Set("File", file.Path(), error);
        EXPECT_TRUE(form.Set("OtherDelimiter", "|", error));
        EXPECT_FALSE(form.Set("OtherDelimiter", "||", error));
        form.Set("Other", "1", error);
        EXPECT_EQ(form.Find("Output")->items.size(), 1u);
        return false;
      });
  ON_ClassArray<QOR3dPoint> points;
  EXPECT_EQ(QORTXT::Read(points, nullptr), 0);
  EXPECT_EQ(QORTXT::GetError(), ON_wString(L"Cancelled"));
  EXPECT_EQ(points.Count(), 1); // what the last refresh put there
}

TEST_F(PointFileDialogTest, NoFileChosenIsAnEmptySuccess)
{
  ON_ClassArray<QOR3dPoint> points;
  points.AppendNew();
  EXPECT_EQ(QORTXT::Read(points, nullptr), 1);
  EXPECT_EQ(points.Count(), 0);
}

TEST_F(PointFileDialogTest, SkippedLinesAreThoseOfTheLastRefresh)
{
  // Format 0 skips the header and both numbered lines; format 1 the header and "1,2,3".
  TempFile file("Easting,Northing,Height\nP1,1,2,3\nP2,4,5,6\n1,2,3\n");
  m_presenter.QueueAnswer(
      [&](Platform::Form& form)
      {
        EXPECT_EQ(QORTXT::GetSkippedLineCount(), 3);
        std::string error;
        EXPECT_TRUE(form.Set("Format", "Number, X, Y, Z", error)) << error;
        return true;
      });
  ON_ClassArray<QOR3dPoint> points;
  ON_wString name = file.Name();
  ASSERT_EQ(QORTXT::Read(points, name, nullptr), 1);
  EXPECT_EQ(points.Count(), 2);
  EXPECT_EQ(QORTXT::GetSkippedLineCount(), 2);

  // A dialog that reads no file leaves no count of an earlier reading behind.
  ASSERT_EQ(QORTXT::Read(points, nullptr), 1);
  EXPECT_EQ(QORTXT::GetSkippedLineCount(), 0);
}

TEST_F(PointFileDialogTest, UnreadableFileShowsMessageAndFailsTheReading)
{
  m_presenter.QueueAnswer(
      [&](Platform::Form& form)
      {
        std::string error;
        form.Set("File", "/nonexistent/points.txt", error);
        return true;
      });
  ON_ClassArray<QOR3dPoint> points;
  // Accepting it is no reading: the caller must not take "0 points" for the file's content.
  EXPECT_EQ(QORTXT::Read(points, nullptr), 0);
  EXPECT_EQ(QORTXT::GetError(), ON_wString(L"Error reading point file"));
  ASSERT_EQ(m_presenter.Messages().size(), 1u);
  EXPECT_EQ(m_presenter.Messages()[0].text, "Error reading point file");
  EXPECT_EQ(m_presenter.Messages()[0].caption, "Error");
}

TEST_F(PointFileDialogTest, PointListAppendsOnSuccessOnly)
{
  TempFile file("1 2 3\n4 5 6\n");
  ON_3dPointArray list;
  list.Append(ON_3dPoint(9, 9, 9));
  ON_wString name = file.Name();
  ASSERT_EQ(QORTXT::Read(list, name, nullptr), 1);
  EXPECT_EQ(list.Count(), 3);
  m_presenter.QueueAnswer([](Platform::Form&) { return false; });
  EXPECT_EQ(QORTXT::Read(list, name, nullptr), 0);
  EXPECT_EQ(list.Count(), 3);
}
