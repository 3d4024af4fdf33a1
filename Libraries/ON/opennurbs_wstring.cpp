#include "opennurbs_wstring.h"

#include "opennurbs_string.h"
#include "opennurbs_string_format.h"
#include "opennurbs_string_ops.h"
#include "opennurbs_utf8.h"

#include <cstring>
#include <cwchar>
#include <cwctype>

namespace
{
wchar_t FoldWide(wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); }
wchar_t UpperWide(wchar_t c) { return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c))); }

bool IsWhiteSpace(wchar_t c)
{
  return c == L' ' || (c >= L'\t' && c <= L'\r') || std::iswspace(static_cast<wint_t>(c));
}

std::wstring_view ViewOf(const wchar_t* s) { return s ? std::wstring_view(s) : std::wstring_view(); }

std::wstring_view ViewOf(const wchar_t* s, int length)
{
  if (!s || length <= 0)
    return std::wstring_view();
  return std::wstring_view(s, wcsnlen(s, static_cast<size_t>(length)));
}

std::wstring Decode(const char* s, int length)
{
  if (!s || length == 0)
    return std::wstring();
  const size_t n = (length < 0) ? std::strlen(s) : strnlen(s, static_cast<size_t>(length));
  return ON_DecodeUTF8(std::string_view(s, n));
}
} // namespace

ON_wString::ON_wString(const wchar_t* s) { m_s.Assign(ViewOf(s)); }
ON_wString::ON_wString(const wchar_t* s, int length) { m_s.Assign(ViewOf(s, length)); }

ON_wString::ON_wString(wchar_t c, int repeat_count)
{
  if (repeat_count > 0)
    m_s.Assign(std::wstring(static_cast<size_t>(repeat_count), c));
}

ON_wString::ON_wString(const char* s) { m_s.Assign(Decode(s, -1)); }
ON_wString::ON_wString(const char* s, int length) { m_s.Assign(Decode(s, length > 0 ? length : 0)); }
ON_wString::ON_wString(const unsigned char* s) : ON_wString(reinterpret_cast<const char*>(s)) {}
ON_wString::ON_wString(const ON_String& s) { *this = s; }
ON_wString::ON_wString(const std::wstring& s) { m_s.Assign(s); }

ON_wString& ON_wString::operator=(const wchar_t* s)
{
  m_s.Assign(ViewOf(s));
  return *this;
}

ON_wString& ON_wString::operator=(wchar_t c)
{
  m_s.Assign(std::wstring_view(&c, c ? 1 : 0));
  return *this;
}

ON_wString& ON_wString::operator=(const char* s)
{
  m_s.Assign(Decode(s, -1));
  return *this;
}

ON_wString& ON_wString::operator=(const ON_String& s)
{
  m_s.Assign(ON_DecodeUTF8(std::string_view(s.Array(), static_cast<size_t>(s.Length()))));
  return *this;
}

int ON_wString::Length() const { return m_s.Length(); }
bool ON_wString::IsEmpty() const { return m_s.Length() == 0; }
void ON_wString::Empty() { m_s.SetLength(0); }
void ON_wString::Destroy() { m_s.Destroy(); }

ON_wString::operator const wchar_t*() const { return m_s.Data(); }
const wchar_t* ON_wString::Array() const { return m_s.Data(); }
wchar_t* ON_wString::Array() { return m_s.Data(); }
wchar_t& ON_wString::operator[](int i) { return m_s.Data()[i]; }
wchar_t ON_wString::operator[](int i) const { return m_s.Data()[i]; }
wchar_t ON_wString::GetAt(int i) const { return (i >= 0 && i < Length()) ? m_s.Data()[i] : 0; }

void ON_wString::SetAt(int i, wchar_t c)
{
  if (i >= 0 && i < Length())
    m_s.Data()[i] = c;
}

std::wstring ON_wString::ToStdWString() const { return std::wstring(m_s.View()); }

ON_wString ON_wString::operator+(const ON_wString& s) const
{
  ON_wString r(*this);
  r += s;
  return r;
}

ON_wString ON_wString::operator+(const wchar_t* s) const
{
  ON_wString r(*this);
  r += s;
  return r;
}

ON_wString ON_wString::operator+(wchar_t c) const
{
  ON_wString r(*this);
  r += c;
  return r;
}

const ON_wString& ON_wString::operator+=(const ON_wString& s)
{
  m_s.Append(s.m_s.View());
  return *this;
}

const ON_wString& ON_wString::operator+=(const wchar_t* s)
{
  m_s.Append(ViewOf(s));
  return *this;
}

const ON_wString& ON_wString::operator+=(wchar_t c)
{
  if (c)
    m_s.Append(std::wstring_view(&c, 1));
  return *this;
}

void ON_wString::Append(const wchar_t* s, int count) { m_s.Append(ViewOf(s, count)); }

bool ON_wString::operator==(const ON_wString& s) const { return m_s.View() == s.m_s.View(); }
bool ON_wString::operator==(const wchar_t* s) const { return m_s.View() == ViewOf(s); }
bool ON_wString::operator!=(const ON_wString& s) const { return !(*this == s); }
bool ON_wString::operator!=(const wchar_t* s) const { return !(*this == s); }
bool ON_wString::operator<(const ON_wString& s) const { return Compare(s) < 0; }
bool ON_wString::operator<(const wchar_t* s) const { return Compare(s) < 0; }
bool ON_wString::operator>(const ON_wString& s) const { return Compare(s) > 0; }
bool ON_wString::operator>(const wchar_t* s) const { return Compare(s) > 0; }
bool ON_wString::operator<=(const ON_wString& s) const { return Compare(s) <= 0; }
bool ON_wString::operator>=(const ON_wString& s) const { return Compare(s) >= 0; }

int ON_wString::Compare(const wchar_t* s) const { return ON_StringCompare(m_s.View(), ViewOf(s)); }

int ON_wString::CompareNoCase(const wchar_t* s) const
{
  return ON_StringCompareFolded(m_s.View(), ViewOf(s), FoldWide);
}

int ON_wString::Find(wchar_t c) const { return ON_StringFind(m_s.View(), std::wstring_view(&c, c ? 1 : 0)); }
int ON_wString::Find(const wchar_t* s) const { return ON_StringFind(m_s.View(), ViewOf(s)); }

int ON_wString::ReverseFind(wchar_t c) const
{
  const size_t i = m_s.View().rfind(c);
  return (i == std::wstring_view::npos) ? -1 : static_cast<int>(i);
}

ON_wString ON_wString::Mid(int i, int count) const
{
  return ON_wString(std::wstring(ON_StringMid(m_s.View(), i, count)));
}

ON_wString ON_wString::Mid(int i) const { return Mid(i, Length() - i); }
ON_wString ON_wString::Left(int count) const { return Mid(0, count); }
ON_wString ON_wString::Right(int count) const { return Mid(Length() - std::min(count, Length()), count); }

void ON_wString::MakeUpper()
{
  for (int i = 0; i < Length(); i++)
    m_s.Data()[i] = UpperWide(m_s.Data()[i]);
}

void ON_wString::MakeLower()
{
  for (int i = 0; i < Length(); i++)
    m_s.Data()[i] = FoldWide(m_s.Data()[i]);
}

void ON_wString::MakeReverse()
{
  if (Length() > 1)
    std::reverse(m_s.Data(), m_s.Data() + Length());
}

void ON_wString::TrimLeft(const wchar_t* chars)
{
  m_s.Assign(ON_StringTrim(m_s.View(), true, false,
                           [chars](wchar_t c)
                           { return chars ? (c && std::wcschr(chars, c) != nullptr) : IsWhiteSpace(c); }));
}

void ON_wString::TrimRight(const wchar_t* chars)
{
  m_s.Assign(ON_StringTrim(m_s.View(), false, true,
                           [chars](wchar_t c)
                           { return chars ? (c && std::wcschr(chars, c) != nullptr) : IsWhiteSpace(c); }));
}

void ON_wString::TrimLeftAndRight(const wchar_t* chars)
{
  TrimRight(chars);
  TrimLeft(chars);
}

void ON_wString::Format(const wchar_t* format, ...)
{
  va_list args;
  va_start(args, format);
  m_s.Assign(ON_FormatWide(format, args));
  va_end(args);
}

void ON_wString::Format(const char* format, ...)
{
  va_list args;
  va_start(args, format);
  m_s.Assign(ON_DecodeUTF8(ON_FormatNarrow(format, args)));
  va_end(args);
}

wchar_t* ON_wString::SetLength(size_t length)
{
  m_s.SetLength(static_cast<int>(length));
  return m_s.Data();
}

wchar_t* ON_wString::ReserveArray(size_t capacity)
{
  m_s.Reserve(static_cast<int>(capacity));
  return m_s.Data();
}

void ON_wString::ShrinkArray()
{
  const std::wstring copy(m_s.View());
  m_s.Destroy();
  m_s.Assign(copy);
}

int ON_wString::Remove(wchar_t c)
{
  std::wstring s(m_s.View());
  const size_t before = s.size();
  s.erase(std::remove(s.begin(), s.end(), c), s.end());
  m_s.Assign(s);
  return static_cast<int>(before - s.size());
}

int ON_wString::Replace(wchar_t token1, wchar_t token2)
{
  int count = 0;
  for (int i = 0; i < Length(); i++)
  {
    if (m_s.Data()[i] == token1)
    {
      m_s.Data()[i] = token2;
      count++;
    }
  }
  return count;
}

int ON_wString::Replace(const wchar_t* token1, const wchar_t* token2)
{
  std::wstring s(m_s.View());
  const int count = ON_StringReplace<wchar_t>(s, ViewOf(token1), ViewOf(token2));
  if (count > 0)
    m_s.Assign(s);
  return count;
}

ON_wString operator+(const wchar_t* a, const ON_wString& b) { return ON_wString(a) + b; }
bool operator==(const wchar_t* a, const ON_wString& b) { return b == a; }
bool operator!=(const wchar_t* a, const ON_wString& b) { return b != a; }

ON_String ON_UTF8FromWideString(const wchar_t* s, int length)
{
  if (!s)
    return ON_String();
  const size_t n = (length < 0) ? std::wcslen(s) : wcsnlen(s, static_cast<size_t>(length));
  return ON_String(ON_EncodeUTF8(std::wstring_view(s, n)));
}

ON_wString ON_WideStringFromUTF8(const char* s, int length) { return ON_wString(Decode(s, length)); }
