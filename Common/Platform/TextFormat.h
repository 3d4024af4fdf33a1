#pragma once

#include <cstdarg>
#include <string>

namespace Platform {

// printf-style formatting into a string of any length.
class TextFormat {
 public:
  static std::string FormatV(const char* format, va_list args);
};

}  // namespace Platform
