#include "opennurbs_string_format.h"

#include "opennurbs_utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cwchar>

namespace
{
struct ConversionSpec
{
  std::string flags;
  int width = -1;
  int precision = -1;
  std::string length;
  char conversion = 0;
};

bool IsAscii(char c) { return static_cast<unsigned char>(c) < 128; }
bool IsAscii(wchar_t c) { return c >= 0 && c < 128; }

template <class Ch>
bool IsDigit(Ch c)
{
  return c >= Ch('0') && c <= Ch('9');
}

template <class Ch>
int ReadNumber(const Ch* f, size_t& i)
{
  int n = 0;
  while (IsDigit(f[i]))
  {
    if (n < 100000)
      n = 10 * n + static_cast<int>(f[i] - Ch('0'));
    i++;
  }
  return n;
}

template <class Ch>
bool IsOneOf(Ch c, const char* set)
{
  for (; *set; set++)
  {
    if (c == Ch(*set))
      return true;
  }
  return false;
}

// Reads the conversion after '%' starting at f[i]; returns the index after it.
template <class Ch>
size_t ParseSpec(const Ch* f, size_t i, ConversionSpec& spec, va_list* ap)
{
  while (f[i] && IsOneOf(f[i], "-+ #0'"))
    spec.flags += static_cast<char>(f[i++]);
  if (f[i] == Ch('*'))
  {
    int w = va_arg(*ap, int);
    if (w < 0)
    {
      spec.flags += '-';
      w = -w;
    }
    spec.width = w;
    i++;
  }
  else if (IsDigit(f[i]))
    spec.width = ReadNumber(f, i);
  if (f[i] == Ch('.'))
  {
    i++;
    if (f[i] == Ch('*'))
    {
      const int p = va_arg(*ap, int);
      spec.precision = (p < 0) ? -1 : p;
      i++;
    }
    else
      spec.precision = ReadNumber(f, i);
  }
  while (f[i] && IsOneOf(f[i], "hlLqjztw"))
    spec.length += static_cast<char>(f[i++]);
  if (!f[i])
    return i;
  spec.conversion = IsAscii(f[i]) ? static_cast<char>(f[i]) : '?';
  return i + 1;
}

std::string PrintfSpec(const ConversionSpec& spec, const char* length)
{
  std::string s = "%" + spec.flags;
  if (spec.width >= 0)
    s += std::to_string(spec.width);
  if (spec.precision >= 0)
    s += "." + std::to_string(spec.precision);
  return s + length + spec.conversion;
}

template <class T>
std::string PrintValue(const ConversionSpec& spec, const char* length, T value)
{
  const std::string format = PrintfSpec(spec, length);
  const int n = std::snprintf(nullptr, 0, format.c_str(), value);
  if (n <= 0)
    return std::string();
  std::string out(static_cast<size_t>(n), '\0');
  std::snprintf(out.data(), out.size() + 1, format.c_str(), value);
  return out;
}

std::string PrintInteger(const ConversionSpec& spec, va_list* ap)
{
  const std::string& l = spec.length;
  const bool is_signed = (spec.conversion == 'd' || spec.conversion == 'i');
  if (l == "l")
    return is_signed ? PrintValue(spec, "l", va_arg(*ap, long)) : PrintValue(spec, "l", va_arg(*ap, unsigned long));
  if (l == "ll" || l == "q" || l == "L")
    return is_signed ? PrintValue(spec, "ll", va_arg(*ap, long long))
                     : PrintValue(spec, "ll", va_arg(*ap, unsigned long long));
  if (l == "j")
    return is_signed ? PrintValue(spec, "j", va_arg(*ap, intmax_t)) : PrintValue(spec, "j", va_arg(*ap, uintmax_t));
  if (l == "z")
    return PrintValue(spec, "z", va_arg(*ap, size_t));
  if (l == "t")
    return PrintValue(spec, "t", va_arg(*ap, ptrdiff_t));
  const char* small = (l == "h" || l == "hh") ? l.c_str() : "";
  return is_signed ? PrintValue(spec, small, va_arg(*ap, int)) : PrintValue(spec, small, va_arg(*ap, unsigned int));
}

std::string PrintFloating(const ConversionSpec& spec, va_list* ap)
{
  if (spec.length == "L")
    return PrintValue(spec, "L", va_arg(*ap, long double));
  return PrintValue(spec, "", va_arg(*ap, double));
}

// Text of a %s/%c argument, in wide characters.
std::wstring TextArgument(const ConversionSpec& spec, bool wide, va_list* ap)
{
  if (spec.conversion == 'c' || spec.conversion == 'C')
  {
    if (wide)
      return std::wstring(1, static_cast<wchar_t>(va_arg(*ap, wint_t)));
    return ON_DecodeUTF8(std::string(1, static_cast<char>(va_arg(*ap, int))));
  }
  if (wide)
  {
    const wchar_t* s = va_arg(*ap, const wchar_t*);
    return s ? std::wstring(s) : std::wstring(L"(null)");
  }
  const char* s = va_arg(*ap, const char*);
  return s ? ON_DecodeUTF8(s) : std::wstring(L"(null)");
}

// Whether a %s/%c argument is wide under the format's convention.
bool IsWideArgument(const ConversionSpec& spec, bool wide_format)
{
  if (spec.length == "l" || spec.length == "w")
    return true;
  if (spec.length == "h")
    return false;
  const bool upper = (spec.conversion == 'S' || spec.conversion == 'C');
  return wide_format ? !upper : upper;
}

std::wstring PadText(std::wstring text, const ConversionSpec& spec)
{
  if (spec.precision >= 0 && spec.conversion != 'c' && spec.conversion != 'C' &&
      text.size() > static_cast<size_t>(spec.precision))
    text.resize(static_cast<size_t>(spec.precision));
  if (spec.width > 0 && text.size() < static_cast<size_t>(spec.width))
  {
    const std::wstring pad(static_cast<size_t>(spec.width) - text.size(), L' ');
    text = (spec.flags.find('-') != std::string::npos) ? text + pad : pad + text;
  }
  return text;
}

void AppendOut(std::string& out, const std::string& ascii) { out += ascii; }
void AppendOut(std::wstring& out, const std::string& ascii) { out.append(ascii.begin(), ascii.end()); }
void AppendText(std::string& out, const std::wstring& text) { out += ON_EncodeUTF8(text); }
void AppendText(std::wstring& out, const std::wstring& text) { out += text; }

template <class Ch>
void AppendConversion(std::basic_string<Ch>& out, const ConversionSpec& spec, bool wide_format, va_list* ap)
{
  switch (spec.conversion)
  {
  case 'd':
  case 'i':
  case 'u':
  case 'o':
  case 'x':
  case 'X':
    AppendOut(out, PrintInteger(spec, ap));
    break;
  case 'e':
  case 'E':
  case 'f':
  case 'F':
  case 'g':
  case 'G':
  case 'a':
  case 'A':
    AppendOut(out, PrintFloating(spec, ap));
    break;
  case 'p':
    AppendOut(out, PrintValue(spec, "", va_arg(*ap, void*)));
    break;
  case 's':
  case 'S':
  case 'c':
  case 'C':
    AppendText(out, PadText(TextArgument(spec, IsWideArgument(spec, wide_format), ap), spec));
    break;
  case 'n':
    (void)va_arg(*ap, void*);
    break;
  case '%':
    out += Ch('%');
    break;
  default:
    out += Ch(spec.conversion);
    break;
  }
}

template <class Ch>
std::basic_string<Ch> Format(const Ch* format, va_list args, bool wide_format)
{
  std::basic_string<Ch> out;
  if (!format)
    return out;
  va_list ap;
  va_copy(ap, args);
  for (size_t i = 0; format[i];)
  {
    if (format[i] != Ch('%'))
    {
      out += format[i++];
      continue;
    }
    ConversionSpec spec;
    i = ParseSpec(format, i + 1, spec, &ap);
    if (spec.conversion)
      AppendConversion(out, spec, wide_format, &ap);
  }
  va_end(ap);
  return out;
}
} // namespace

std::string ON_FormatNarrow(const char* format, va_list args) { return Format(format, args, false); }

std::wstring ON_FormatWide(const wchar_t* format, va_list args) { return Format(format, args, true); }
