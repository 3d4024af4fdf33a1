#pragma once

#include <cstdarg>
#include <string>

namespace Platform
{

// printf-style formatting into a string of any length.
class TextFormat
{
public:
  static std::string FormatV(const char* format, va_list args);
  // The shortest text that reads back as the same number, in plain decimals unless the number
  // is very large or very small (500000, 0.25, 1e+300).
  static std::string Number(double value);
};

} // namespace Platform
