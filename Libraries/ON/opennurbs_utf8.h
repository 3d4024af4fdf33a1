#pragma once

// UTF-8 <-> UTF-32 (wchar_t) conversion used by the string classes; malformed input becomes U+FFFD.

#include <string>
#include <string_view>

std::string ON_EncodeUTF8(std::wstring_view s);
std::wstring ON_DecodeUTF8(std::string_view s);
