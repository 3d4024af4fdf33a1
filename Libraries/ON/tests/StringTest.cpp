#include "opennurbs.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(String, NarrowAndWideConvertThroughUTF8)
{
  const wchar_t* wide = L"Gr\u00fc\u00dfe \u20ac \U0001D11E";
  const ON_String narrow(wide);
  EXPECT_STREQ(narrow, "Gr\xc3\xbc\xc3\x9f"
                       "e \xe2\x82\xac \xf0\x9d\x84\x9e");
  EXPECT_EQ(narrow.Length(), 16);
  const ON_wString back(narrow);
  EXPECT_TRUE(back == wide);
  EXPECT_EQ(back.Length(), 9);
  EXPECT_TRUE(ON_WideStringFromUTF8("a\xff"
                                    "b") == L"a\uFFFDb");
  EXPECT_TRUE(ON_WideStringFromUTF8("\xe2\x82") == L"\uFFFD\uFFFD"); // truncated sequence
  EXPECT_STREQ(ON_UTF8FromWideString(L"xyz", 2), "xy");
}

TEST(String, EmptyStringsAreNeverNull)
{
  const ON_String s;
  const ON_wString w;
  ASSERT_NE(static_cast<const char*>(s), nullptr);
  EXPECT_STREQ(s, "");
  EXPECT_STREQ(w.Array(), L"");
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_TRUE(ON_String(static_cast<const char*>(nullptr)).IsEmpty());
  EXPECT_TRUE("" == s);
}

TEST(String, FormatFollowsTheToolkitConventions)
{
  ON_String s;
  s.Format("%s|%S|%5.2f|%-4d|%*d|%%|%c|%x", "ab", L"\u00e9", 3.14159, 7, 3, 5, 'z', 255u);
  EXPECT_STREQ(s, "ab|\xc3\xa9| 3.14|7   |  5|%|z|ff");
  s.Format("%s %S %.2s %3s", static_cast<const char*>(nullptr), static_cast<const wchar_t*>(nullptr), "abc", "x");
  EXPECT_STREQ(s, "(null) (null) ab   x");
  s.Format("%lld %zu %ls", 1234567890123LL, static_cast<size_t>(42), L"w");
  EXPECT_STREQ(s, "1234567890123 42 w");

  ON_wString w;
  w.Format(L"%s/%S/%d/%.3e", L"\u00e9t\u00e9", "\xc3\xa9", -12, 1500.0);
  EXPECT_TRUE(w == L"\u00e9t\u00e9/\u00e9/-12/1.500e+03");
  w.Format(L"%hs %ls %c", "n", L"w", L'\u00df');
  EXPECT_TRUE(w == L"n w \u00df");
  w.Format("%s=%d", "n", 1);
  EXPECT_TRUE(w == L"n=1");
}

TEST(String, SearchAndSubstrings)
{
  const ON_String s("Hello, world");
  EXPECT_EQ(s.Find('o'), 4);
  EXPECT_EQ(s.ReverseFind('o'), 8);
  EXPECT_EQ(s.Find("world"), 7);
  EXPECT_EQ(s.Find("xyz"), -1);
  EXPECT_EQ(s.Find(""), -1);
  EXPECT_STREQ(s.Mid(7), "world");
  EXPECT_STREQ(s.Mid(7, 100), "world");
  EXPECT_STREQ(s.Mid(-1, 3), "");
  EXPECT_STREQ(s.Left(5), "Hello");
  EXPECT_STREQ(s.Right(5), "world");
  EXPECT_STREQ(s.Right(50), "Hello, world");
  EXPECT_STREQ(s.Left(0), "");
  const ON_wString w(L"abcabc");
  EXPECT_EQ(w.Find(L"ca"), 2);
  EXPECT_TRUE(w.Mid(1, 2) == L"bc");
  EXPECT_TRUE(w.Right(2) == L"bc");
}

TEST(String, ComparisonsAndCase)
{
  ON_String a("apple"), b("Banana");
  EXPECT_LT(b.Compare("apple"), 0); // 'B' < 'a'
  EXPECT_LT(a.CompareNoCase("BANANA"), 0);
  EXPECT_EQ(a.CompareNoCase("APPLE"), 0);
  EXPECT_TRUE(a < ON_String("apples"));
  EXPECT_TRUE(a != b);
  a.MakeUpper();
  EXPECT_STREQ(a, "APPLE");
  a.MakeLower();
  a.MakeReverse();
  EXPECT_STREQ(a, "elppa");
  ON_wString w(L"Stra\u00dfe");
  EXPECT_EQ(w.CompareNoCase(L"STRA\u00dfE"), 0);
  EXPECT_TRUE(w + L"n" == L"Stra\u00dfen");
  EXPECT_TRUE(L"x" + w == L"xStra\u00dfe");
}

TEST(String, EditingOperations)
{
  ON_String s("  \t padded text \r\n");
  s.TrimLeftAndRight();
  EXPECT_STREQ(s, "padded text");
  s.TrimLeft("pad");
  EXPECT_STREQ(s, "ed text");
  s.TrimRight("xt");
  EXPECT_STREQ(s, "ed te");
  EXPECT_EQ(s.Remove('e'), 2);
  EXPECT_STREQ(s, "d t");

  ON_String r("a-b-c--d");
  EXPECT_EQ(r.Replace("-", "+="), 4);
  EXPECT_STREQ(r, "a+=b+=c+=+=d");
  EXPECT_EQ(r.Replace("+=", ""), 4);
  EXPECT_STREQ(r, "abcd");
  EXPECT_EQ(r.Replace('b', 'B'), 1);
  r += 'e';
  r += "fg";
  EXPECT_STREQ(r + ON_String("h"), "aBcdefgh");

  ON_wString w(L"x, y, z");
  EXPECT_EQ(w.Replace(L", ", L";"), 2);
  EXPECT_TRUE(w == L"x;y;z");
  w.Empty();
  EXPECT_TRUE(w.IsEmpty());
}

TEST(String, ReservedArrayMayBeWrittenThenSized)
{
  ON_String s("ab");
  char* p = s.ReserveArray(10);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(s.Length(), 2);
  std::memcpy(p, "0123456789", 10);
  s.SetLength(10);
  EXPECT_STREQ(s, "0123456789");
  s.SetLength(4);
  EXPECT_STREQ(s, "0123");
  ON_wString w;
  wchar_t* q = w.SetLength(3);
  q[0] = L'a';
  q[1] = L'b';
  q[2] = L'c';
  EXPECT_TRUE(w == L"abc");
  EXPECT_EQ(w.GetAt(5), 0);
}
