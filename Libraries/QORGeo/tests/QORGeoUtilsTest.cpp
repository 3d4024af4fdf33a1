#include "HeadlessPresenter.h"
#include "QORGeoUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace
{

// Switches LC_NUMERIC to a locale whose decimal mark is a comma, building one with localedef in
// a temporary folder when the system has none; restores "C" afterwards.
class CommaLocale
{
public:
  CommaLocale()
  {
    if (Use())
      return;
    m_folder = ::testing::TempDir() + "qorgeo_locales_" + std::to_string(getpid());
    const std::string command =
        "mkdir -p '" + m_folder + "' && localedef -i de_DE -f UTF-8 '" + m_folder + "/de_DE.UTF-8' >/dev/null 2>&1";
    if (std::system(command.c_str()) == 0)
    {
      setenv("LOCPATH", m_folder.c_str(), 1);
      Use();
    }
  }
  ~CommaLocale()
  {
    std::setlocale(LC_NUMERIC, "C");
    if (!m_folder.empty())
    {
      const int removed = std::system(("rm -rf '" + m_folder + "'").c_str());
      (void)removed;
    }
  }
  bool Active() const { return m_active; }

private:
  bool Use()
  {
    m_active = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && std::localeconv()->decimal_point[0] == ',';
    return m_active;
  }
  bool m_active = false;
  std::string m_folder;
};

} // namespace

TEST(QORGeoUtils, BetweenEqualAnglesDistanceSwap)
{
  struct Case
  {
    double v, a, b;
    int inclusive, between;
  };
  const Case cases[] = {{5, 10, 0, 0, 1}, {10, 10, 0, 0, 0}, {10, 10, 0, 1, 1},
                        {0, 10, 0, 1, 1}, {-1, 0, 10, 1, 0}, {10, 10, 0, 2, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(QORGeoUtils::Between(c.v, c.a, c.b, c.inclusive), c.between) << c.v << " " << c.inclusive;
  EXPECT_EQ(QORGeoUtils::EqualAngles(359.9, 0.1, 0.5), 0); // no wrap-around
  EXPECT_EQ(QORGeoUtils::EqualAngles(90.0, 90.5, 0.5), 1);
  EXPECT_DOUBLE_EQ(QORGeoUtils::Distance(1, 2, 3, 4, 6, 15), 13.0);
  double a = 1.5, b = -2.5;
  QORGeoUtils::Swap(a, b);
  EXPECT_EQ(a, -2.5);
  EXPECT_EQ(b, 1.5);
  int i = 3, j = 4;
  QORGeoUtils::Swap(i, j);
  EXPECT_EQ(i * 10 + j, 43);
}

TEST(QORGeoUtils, StringToDoubleReadsTheLeadingNumber)
{
  struct Case
  {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"500000.123", 500000.123},
      {"  -12.5e3 rest", -12500.0},
      {"+7", 7.0},
      {"1.5D+02", 150.0},
      {"1.5d2,", 150.0},
      {"-2.5D-1", -0.25},
      {".5", 0.5},
      {"5.", 5.0},
      {"1e", 1.0},
      {"1D", 1.0},
      {"1.5E+", 1.5},
      {"3,75", 3.0},
      {"\t\n 42", 42.0},
      {"abc", 0.0},
      {"", 0.0},
      {"-", 0.0},
      {".", 0.0},
      {"nan", 0.0},
      {"0x1p3", 0.0},
      {"4100000.456;1", 4100000.456},
      {"1e-400", 0.0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(QORGeoUtils::StringToDouble(c.text), c.value) << '"' << c.text << '"';
  EXPECT_EQ(QORGeoUtils::StringToDouble(nullptr), 0.0);
  EXPECT_EQ(QORGeoUtils::StringToDouble("1e400"), HUGE_VAL);
  EXPECT_EQ(QORGeoUtils::StringToDouble("-1.0D999999999999"), -HUGE_VAL);
  EXPECT_TRUE(std::signbit(QORGeoUtils::StringToDouble("-1e-400")));
  // Correctly rounded: the nearest double, as the compiler reads the same literal.
  EXPECT_EQ(QORGeoUtils::StringToDouble("0.1000000000000000055511151231257827"), 0.1);
  EXPECT_EQ(QORGeoUtils::StringToDouble("2.2250738585072014e-308"), 2.2250738585072014e-308);
}

TEST(QORGeoUtils, StringToDoubleIgnoresTheLocale)
{
  const CommaLocale comma;
  if (!comma.Active())
    GTEST_SKIP() << "no locale with a decimal comma (de_DE.UTF-8) could be set or built";
  EXPECT_EQ(std::strtod("1.5", nullptr), 1.0); // the C library now stops at the point
  EXPECT_EQ(QORGeoUtils::StringToDouble("1.5"), 1.5);
  EXPECT_EQ(QORGeoUtils::StringToDouble("500000.123"), 500000.123);
  EXPECT_EQ(QORGeoUtils::StringToDouble("1,5"), 1.0);
}

TEST(QORGeoUtils, SubStringStaysInsideTextAndBuffer)
{
  struct Case
  {
    const char* text;
    int first, last, size;
    const char* expected;
  };
  const Case cases[] = {
      {"abcdef", 1, 3, 16, "bcd"}, {"abcdef", 4, 99, 16, "ef"}, {"abcdef", 9, 12, 16, ""},
      {"abcdef", 3, 2, 16, ""},    {"", 0, 5, 16, ""},          {"abcdef", 0, 5, 4, "abc"},
      {"abcdef", -2, 1, 16, "ab"}, {"abcdef", 2, 2, 2, "c"},    {"abcdef", 0, 5, 1, ""},
  };
  for (const Case& c : cases)
  {
    char buffer[20];
    std::fill(buffer, buffer + 20, 'x');
    QORGeoUtils::SubString(c.text, c.first, c.last, buffer, c.size);
    EXPECT_STREQ(buffer, c.expected) << c.text << " " << c.first << ".." << c.last << " in " << c.size;
    EXPECT_EQ(buffer[c.size], 'x') << "wrote past the buffer of " << c.size;
  }
  char untouched = 'x';
  QORGeoUtils::SubString("abc", 0, 2, &untouched, 0);
  EXPECT_EQ(untouched, 'x');
  QORGeoUtils::SubString(nullptr, 0, 2, &untouched, 1);
  EXPECT_EQ(untouched, '\0');
}

TEST(QORGeoUtils, MessagesAndShowTexts)
{
  Platform::HeadlessPresenter presenter;
  Platform::Presenter::Install(&presenter);
  QORGeoUtils::Message("%d points in %s", 12, "layer");
  QORGeoUtils::Show(ON_3dPoint(1, 2.5, -3));
  ON_Polyline triangle;
  for (const ON_3dPoint& p : {ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 0), ON_3dPoint(0, 0, 0)})
    triangle.Append(p);
  QORGeoUtils::Show(triangle);
  ON_NurbsCurve curve;
  const ON_3dPoint cvs[3] = {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}};
  curve.CreateClampedUniformNurbs(3, 3, 3, cvs);
  QORGeoUtils::Show(curve);
  Platform::Presenter::Install(nullptr);

  ASSERT_EQ(presenter.Messages().size(), 4u);
  EXPECT_EQ(presenter.Messages()[0].text, "12 points in layer");
  EXPECT_EQ(presenter.Messages()[1].text, "Point : 1.000000, 2.500000, -3.000000");
  EXPECT_EQ(presenter.Messages()[2].text,
            "Polyline : \nClosed\nVertices : 4\nVertex 0 : 0.000000, 0.000000, 0.000000\n"
            "Vertex 1 : 1.000000, 0.000000, 0.000000\nVertex 2 : 0.000000, 1.000000, 0.000000\n"
            "Vertex 3 : 0.000000, 0.000000, 0.000000\n");
  EXPECT_EQ(presenter.Messages()[3].text,
            "Nurbs Curve : \nOpen\nNot rational\nNot Periodic\nClamped\nKnots : 4\n"
            "Knot 0 : 0.000000 (Multiplicity : 2)\nKnot 1 : 0.000000 (Multiplicity : 2)\n"
            "Knot 2 : 1.000000 (Multiplicity : 2)\nKnot 3 : 1.000000 (Multiplicity : 2)\n"
            "Control vertices : 3\nControl vertex 0 : 0.000000, 0.000000, 0.000000\n"
            "Control vertex 1 : 1.000000, 1.000000, 0.000000\nControl vertex 2 : 2.000000, 0.000000, 0.000000\n");
}
