#include "TextFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace Platform
{

std::string TextFormat::FormatV(const char* format, va_list args)
{
  va_list copy;
  va_copy(copy, args);
  const int size = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (size <= 0)
    return {};
  std::string text(size, '\0');
  std::vsnprintf(text.data(), text.size() + 1, format, args);
  return text;
}

std::string TextFormat::Number(double value)
{
  char text[400];
  const double size = std::fabs(value);
  const bool plain = size == 0 || (size >= 1e-6 && size < 1e17);
  const auto [end, error] = plain ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed)
                                  : std::to_chars(text, text + sizeof text, value);
  return error == std::errc() ? std::string(text, end) : std::string();
}

} // namespace Platform
