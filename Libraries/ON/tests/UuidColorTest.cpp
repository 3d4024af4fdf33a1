#include "opennurbs.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Uuid, StringFormMapsToTheWindowsGuidFields)
{
  const ON_UUID id = ON_UuidFromString("C3101A1D-F157-11D3-BFE7-0010830122F0");
  EXPECT_EQ(id.Data1, 0xC3101A1DU);
  EXPECT_EQ(id.Data2, 0xF157);
  EXPECT_EQ(id.Data3, 0x11D3);
  const unsigned char data4[8] = {0xBF, 0xE7, 0x00, 0x10, 0x83, 0x01, 0x22, 0xF0};
  EXPECT_EQ(std::memcmp(id.Data4, data4, 8), 0);

  char text[37];
  EXPECT_STREQ(ON_UuidToString(id, text), "C3101A1D-F157-11D3-BFE7-0010830122F0");
  ON_wString wide;
  EXPECT_TRUE(ON_wString(ON_UuidToString(id, wide)) == L"C3101A1D-F157-11D3-BFE7-0010830122F0");
  EXPECT_TRUE(ON_UuidFromString(L"{c3101a1d-f157-11d3-bfe7-0010830122f0}") == id);
}

TEST(Uuid, MalformedTextGivesNil)
{
  const char* bad[] = {"",
                       "C3101A1D-F157-11D3-BFE7-0010830122F",
                       "C3101A1D F157-11D3-BFE7-0010830122F0",
                       "G3101A1D-F157-11D3-BFE7-0010830122F0",
                       "{C3101A1D-F157-11D3-BFE7-0010830122F0",
                       nullptr};
  for (const char* s : bad)
    EXPECT_TRUE(ON_UuidIsNil(ON_UuidFromString(s))) << (s ? s : "null");
}

TEST(Uuid, CreateCompareAndRoundTrip)
{
  ON_UUID a, b;
  ASSERT_TRUE(ON_CreateUuid(a));
  ASSERT_TRUE(ON_CreateUuid(b));
  EXPECT_TRUE(a != b);
  EXPECT_TRUE(ON_UuidIsNotNil(a));
  EXPECT_EQ(a.Data3 >> 12, 4); // random (version 4) identifiers
  ON_String text;
  ON_UuidToString(a, text);
  EXPECT_TRUE(ON_UuidFromString(text) == a);

  EXPECT_EQ(ON_UuidCompare(ON_nil_uuid, ON_max_uuid), -1);
  EXPECT_EQ(ON_UuidCompare(ON_max_uuid, ON_nil_uuid), 1);
  EXPECT_EQ(ON_UuidCompare(a, a), 0);
  ON_UUID c = a;
  c.Data4[7] ^= 1;
  EXPECT_NE(ON_UuidCompare(a, c), 0);
  EXPECT_EQ(ON_UuidCompare(&a, nullptr), 1);
  EXPECT_EQ(ON_UuidCompare(nullptr, &a), -1);
  EXPECT_EQ(ON_UuidCompare(static_cast<const ON_UUID*>(nullptr), nullptr), 0);
}

TEST(Color, BytesAreRedGreenBlueAlpha)
{
  const ON_Color c(1, 2, 3);
  EXPECT_EQ(static_cast<unsigned int>(c), 0x00030201U);
  unsigned char bytes[4];
  std::memcpy(bytes, &c, 4);
  EXPECT_EQ(bytes[0], 1);
  EXPECT_EQ(bytes[2], 3);
  EXPECT_EQ(c.Red(), 1);
  EXPECT_EQ(c.Green(), 2);
  EXPECT_EQ(c.Blue(), 3);
  EXPECT_EQ(c.Alpha(), 0);

  ON_Color d(0x80FF0000U);
  EXPECT_EQ(d.Blue(), 255);
  EXPECT_EQ(d.Alpha(), 128);
  d.SetRGB(300, -5, 128);
  EXPECT_EQ(static_cast<unsigned int>(d), 0x008000FFU);
  d.SetAlpha(255);
  EXPECT_DOUBLE_EQ(d.FractionAlpha(), 1.0);
  EXPECT_DOUBLE_EQ(d.FractionBlue(), 128 / 255.0);
  EXPECT_EQ(ON_Color(10, 20, 30, 40).Alpha(), 40);
  EXPECT_EQ(static_cast<unsigned int>(ON_Color::UnsetColor), ON_UNSET_COLOR);
}
