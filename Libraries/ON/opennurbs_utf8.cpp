#include "opennurbs_utf8.h"

namespace
{
const char32_t kReplacement = 0xFFFD;

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

void AppendUTF8(std::string& out, char32_t c)
{
  if (c > 0x10FFFF || IsSurrogate(c))
    c = kReplacement;
  if (c < 0x80)
    out += static_cast<char>(c);
  else if (c < 0x800)
  {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  else if (c < 0x10000)
  {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  else
  {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one sequence at s[i]; returns its length in bytes (1 for a malformed byte).
size_t DecodeOne(std::string_view s, size_t i, char32_t& c)
{
  const unsigned char lead = static_cast<unsigned char>(s[i]);
  c = kReplacement;
  if (lead < 0x80)
  {
    c = lead;
    return 1;
  }
  size_t length;
  char32_t value, minimum;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2, value = lead & 0x1F, minimum = 0x80;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3, value = lead & 0x0F, minimum = 0x800;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4, value = lead & 0x07, minimum = 0x10000;
  else
    return 1;
  if (i + length > s.size())
    return 1;
  for (size_t k = 1; k < length; k++)
  {
    const unsigned char b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80)
      return 1;
    value = (value << 6) | (b & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || IsSurrogate(value))
    return 1;
  c = value;
  return length;
}
} // namespace

std::string ON_EncodeUTF8(std::wstring_view s)
{
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); i++)
  {
    char32_t c = static_cast<char32_t>(s[i]);
    // Tolerate UTF-16 surrogate pairs stored in wchar_t.
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size())
    {
      const char32_t low = static_cast<char32_t>(s[i + 1]);
      if (low >= 0xDC00 && low <= 0xDFFF)
      {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        i++;
      }
    }
    AppendUTF8(out, c);
  }
  return out;
}

std::wstring ON_DecodeUTF8(std::string_view s)
{
  std::wstring out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();)
  {
    char32_t c;
    i += DecodeOne(s, i, c);
    out += static_cast<wchar_t>(c);
  }
  return out;
}
