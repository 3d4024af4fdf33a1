#pragma once

// printf-style formatting with the toolkit's string conventions, independent of the C locale.
// Narrow format: %s takes a char string, %S (or %ls) a wchar_t string; %c and %C likewise.
// Wide format: %s takes a wchar_t string, %S (or %hs) a char string. Char strings are UTF-8;
// a null string pointer prints "(null)"; %n is ignored.

#include <cstdarg>
#include <string>

std::string ON_FormatNarrow(const char* format, va_list args);
std::wstring ON_FormatWide(const wchar_t* format, va_list args);
