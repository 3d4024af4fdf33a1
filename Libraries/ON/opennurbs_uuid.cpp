#include "opennurbs_uuid.h"

#include "opennurbs_string.h"
#include "opennurbs_wstring.h"

#include <cstring>
#include <random>

const ON_UUID ON_nil_uuid = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
const ON_UUID ON_max_uuid = {0xFFFFFFFFU, 0xFFFF, 0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};

namespace
{
const char kHexDigits[] = "0123456789ABCDEF";

// The 16 bytes in string order: Data1, Data2, Data3 most significant byte first, then Data4.
void ToBytes(const ON_UUID& uuid, unsigned char bytes[16])
{
  for (int i = 0; i < 4; i++)
    bytes[i] = static_cast<unsigned char>(uuid.Data1 >> (24 - 8 * i));
  bytes[4] = static_cast<unsigned char>(uuid.Data2 >> 8);
  bytes[5] = static_cast<unsigned char>(uuid.Data2);
  bytes[6] = static_cast<unsigned char>(uuid.Data3 >> 8);
  bytes[7] = static_cast<unsigned char>(uuid.Data3);
  std::memcpy(bytes + 8, uuid.Data4, 8);
}

ON_UUID FromBytes(const unsigned char bytes[16])
{
  ON_UUID uuid;
  uuid.Data1 = (ON__UINT32(bytes[0]) << 24) | (ON__UINT32(bytes[1]) << 16) | (ON__UINT32(bytes[2]) << 8) | bytes[3];
  uuid.Data2 = static_cast<ON__UINT16>((bytes[4] << 8) | bytes[5]);
  uuid.Data3 = static_cast<ON__UINT16>((bytes[6] << 8) | bytes[7]);
  std::memcpy(uuid.Data4, bytes + 8, 8);
  return uuid;
}

int HexValue(wchar_t c)
{
  if (c >= L'0' && c <= L'9')
    return c - L'0';
  if (c >= L'A' && c <= L'F')
    return c - L'A' + 10;
  if (c >= L'a' && c <= L'f')
    return c - L'a' + 10;
  return -1;
}

bool IsDashPosition(int i) { return i == 8 || i == 13 || i == 18 || i == 23; }

template <class Ch>
void Write(const ON_UUID& uuid, Ch* s)
{
  unsigned char bytes[16];
  ToBytes(uuid, bytes);
  int b = 0;
  for (int i = 0; i < 36; i++)
  {
    if (IsDashPosition(i))
    {
      s[i] = Ch('-');
      continue;
    }
    const int nibble = (b % 2 == 0) ? (bytes[b / 2] >> 4) : (bytes[b / 2] & 0x0F);
    s[i] = static_cast<Ch>(kHexDigits[nibble]);
    b++;
  }
  s[36] = Ch(0);
}

template <class Ch>
ON_UUID Read(const Ch* s)
{
  if (!s)
    return ON_nil_uuid;
  const bool braced = (s[0] == Ch('{'));
  if (braced)
    s++;
  unsigned char bytes[16] = {};
  int b = 0;
  for (int i = 0; i < 36; i++)
  {
    if (IsDashPosition(i))
    {
      if (s[i] != Ch('-'))
        return ON_nil_uuid;
      continue;
    }
    const int v = HexValue(static_cast<wchar_t>(s[i]));
    if (v < 0)
      return ON_nil_uuid;
    bytes[b / 2] = static_cast<unsigned char>((b % 2 == 0) ? (v << 4) : (bytes[b / 2] | v));
    b++;
  }
  if (braced && s[36] != Ch('}'))
    return ON_nil_uuid;
  return FromBytes(bytes);
}
} // namespace

// Random (version 4) ids. The system generator asks the kernel for entropy on every call, which
// dominates writing a model of a million objects; one generator seeded once from it is as unique.
bool ON_CreateUuid(ON_UUID& uuid)
{
  static std::mt19937_64 generator = []
  {
    std::random_device entropy;
    std::seed_seq seed{entropy(), entropy(), entropy(), entropy(), entropy(), entropy(), entropy(), entropy()};
    return std::mt19937_64(seed);
  }();
  unsigned char raw[16];
  for (int half = 0; half < 2; half++)
  {
    const unsigned long long bits = generator();
    std::memcpy(raw + 8 * half, &bits, 8);
  }
  raw[6] = static_cast<unsigned char>((raw[6] & 0x0F) | 0x40); // version 4
  raw[8] = static_cast<unsigned char>((raw[8] & 0x3F) | 0x80); // RFC 4122 variant
  uuid = FromBytes(raw);
  return ON_UuidIsNotNil(uuid);
}

bool ON_UuidIsNil(const ON_UUID& uuid) { return std::memcmp(&uuid, &ON_nil_uuid, sizeof(ON_UUID)) == 0; }

bool ON_UuidIsNotNil(const ON_UUID& uuid) { return !ON_UuidIsNil(uuid); }

int ON_UuidCompare(const ON_UUID& a, const ON_UUID& b)
{
  if (a.Data1 != b.Data1)
    return (a.Data1 < b.Data1) ? -1 : 1;
  if (a.Data2 != b.Data2)
    return (a.Data2 < b.Data2) ? -1 : 1;
  if (a.Data3 != b.Data3)
    return (a.Data3 < b.Data3) ? -1 : 1;
  const int c = std::memcmp(a.Data4, b.Data4, sizeof(a.Data4));
  return (c < 0) ? -1 : ((c > 0) ? 1 : 0);
}

int ON_UuidCompare(const ON_UUID* a, const ON_UUID* b)
{
  if (!a || !b)
    return (a ? 1 : 0) - (b ? 1 : 0);
  return ON_UuidCompare(*a, *b);
}

char* ON_UuidToString(const ON_UUID& uuid, char* s)
{
  if (s)
    Write(uuid, s);
  return s;
}

wchar_t* ON_UuidToString(const ON_UUID& uuid, wchar_t* s)
{
  if (s)
    Write(uuid, s);
  return s;
}

const char* ON_UuidToString(const ON_UUID& uuid, ON_String& s)
{
  char buffer[37];
  Write(uuid, buffer);
  s = buffer;
  return s;
}

const wchar_t* ON_UuidToString(const ON_UUID& uuid, ON_wString& s)
{
  wchar_t buffer[37];
  Write(uuid, buffer);
  s = buffer;
  return s;
}

ON_UUID ON_UuidFromString(const char* s) { return Read(s); }

ON_UUID ON_UuidFromString(const wchar_t* s) { return Read(s); }

bool operator==(const ON_UUID& a, const ON_UUID& b) { return ON_UuidCompare(a, b) == 0; }

bool operator!=(const ON_UUID& a, const ON_UUID& b) { return ON_UuidCompare(a, b) != 0; }
