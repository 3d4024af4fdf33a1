#pragma once

// Text algorithms shared by ON_String and ON_wString.

#include <algorithm>
#include <string>
#include <string_view>

template <class Ch>
int ON_StringFind(std::basic_string_view<Ch> s, std::basic_string_view<Ch> token)
{
  if (token.empty())
    return -1;
  const size_t i = s.find(token);
  return (i == std::basic_string_view<Ch>::npos) ? -1 : static_cast<int>(i);
}

template <class Ch>
std::basic_string_view<Ch> ON_StringMid(std::basic_string_view<Ch> s, int i, int count)
{
  const int length = static_cast<int>(s.size());
  if (i < 0 || i >= length || count <= 0)
    return std::basic_string_view<Ch>();
  return s.substr(static_cast<size_t>(i), static_cast<size_t>(std::min(count, length - i)));
}

template <class Ch>
int ON_StringCompare(std::basic_string_view<Ch> a, std::basic_string_view<Ch> b)
{
  const int c = a.compare(b);
  return (c < 0) ? -1 : ((c > 0) ? 1 : 0);
}

template <class Ch, class Fold>
int ON_StringCompareFolded(std::basic_string_view<Ch> a, std::basic_string_view<Ch> b, Fold fold)
{
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; i++)
  {
    const auto ca = fold(a[i]), cb = fold(b[i]);
    if (ca != cb)
      return (ca < cb) ? -1 : 1;
  }
  return (a.size() < b.size()) ? -1 : ((a.size() > b.size()) ? 1 : 0);
}

template <class Ch, class IsTrimmed>
std::basic_string_view<Ch> ON_StringTrim(std::basic_string_view<Ch> s, bool left, bool right, IsTrimmed is_trimmed)
{
  while (left && !s.empty() && is_trimmed(s.front()))
    s.remove_prefix(1);
  while (right && !s.empty() && is_trimmed(s.back()))
    s.remove_suffix(1);
  return s;
}

template <class Ch>
int ON_StringReplace(std::basic_string<Ch>& s, std::basic_string_view<Ch> token1, std::basic_string_view<Ch> token2)
{
  if (token1.empty())
    return 0;
  int count = 0;
  for (size_t i = s.find(token1); i != std::basic_string<Ch>::npos; i = s.find(token1, i + token2.size()))
  {
    s.replace(i, token1.size(), token2);
    count++;
  }
  return count;
}
