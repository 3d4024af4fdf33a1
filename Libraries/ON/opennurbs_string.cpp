#include "opennurbs_string.h"

#include "opennurbs_string_format.h"
#include "opennurbs_string_ops.h"
#include "opennurbs_utf8.h"
#include "opennurbs_wstring.h"

#include <cstring>

namespace
{
char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view ViewOf(const char* s) { return s ? std::string_view(s) : std::string_view(); }

std::string_view ViewOf(const char* s, int length)
{
  if (!s || length <= 0)
    return std::string_view();
  return std::string_view(s, strnlen(s, static_cast<size_t>(length)));
}
} // namespace

ON_String::ON_String(const char* s) { m_s.Assign(ViewOf(s)); }
ON_String::ON_String(const char* s, int length) { m_s.Assign(ViewOf(s, length)); }

ON_String::ON_String(char c, int repeat_count)
{
  if (repeat_count > 0)
    m_s.Assign(std::string(static_cast<size_t>(repeat_count), c));
}

ON_String::ON_String(const unsigned char* s) : ON_String(reinterpret_cast<const char*>(s)) {}
ON_String::ON_String(const wchar_t* s) { *this = s; }

ON_String::ON_String(const wchar_t* s, int length)
{
  if (s && length > 0)
    m_s.Assign(ON_EncodeUTF8(std::wstring_view(s, wcsnlen(s, static_cast<size_t>(length)))));
}

ON_String::ON_String(const ON_wString& s) { *this = s; }
ON_String::ON_String(const std::string& s) { m_s.Assign(s); }

ON_String& ON_String::operator=(const char* s)
{
  m_s.Assign(ViewOf(s));
  return *this;
}

ON_String& ON_String::operator=(char c)
{
  m_s.Assign(std::string_view(&c, c ? 1 : 0));
  return *this;
}

ON_String& ON_String::operator=(const wchar_t* s)
{
  m_s.Assign(s ? ON_EncodeUTF8(s) : std::string());
  return *this;
}

ON_String& ON_String::operator=(const ON_wString& s)
{
  m_s.Assign(ON_EncodeUTF8(std::wstring_view(s.Array(), static_cast<size_t>(s.Length()))));
  return *this;
}

int ON_String::Length() const { return m_s.Length(); }
bool ON_String::IsEmpty() const { return m_s.Length() == 0; }
void ON_String::Empty() { m_s.SetLength(0); }
void ON_String::Destroy() { m_s.Destroy(); }

ON_String::operator const char*() const { return m_s.Data(); }
const char* ON_String::Array() const { return m_s.Data(); }
char* ON_String::Array() { return m_s.Data(); }
char& ON_String::operator[](int i) { return m_s.Data()[i]; }
char ON_String::operator[](int i) const { return m_s.Data()[i]; }
char ON_String::GetAt(int i) const { return (i >= 0 && i < Length()) ? m_s.Data()[i] : 0; }

void ON_String::SetAt(int i, char c)
{
  if (i >= 0 && i < Length())
    m_s.Data()[i] = c;
}

std::string ON_String::ToStdString() const { return std::string(m_s.View()); }

ON_String ON_String::operator+(const ON_String& s) const
{
  ON_String r(*this);
  r += s;
  return r;
}

ON_String ON_String::operator+(const char* s) const
{
  ON_String r(*this);
  r += s;
  return r;
}

ON_String ON_String::operator+(char c) const
{
  ON_String r(*this);
  r += c;
  return r;
}

const ON_String& ON_String::operator+=(const ON_String& s)
{
  m_s.Append(s.m_s.View());
  return *this;
}

const ON_String& ON_String::operator+=(const char* s)
{
  m_s.Append(ViewOf(s));
  return *this;
}

const ON_String& ON_String::operator+=(char c)
{
  if (c)
    m_s.Append(std::string_view(&c, 1));
  return *this;
}

void ON_String::Append(const char* s, int count) { m_s.Append(ViewOf(s, count)); }

bool ON_String::operator==(const ON_String& s) const { return m_s.View() == s.m_s.View(); }
bool ON_String::operator==(const char* s) const { return m_s.View() == ViewOf(s); }
bool ON_String::operator!=(const ON_String& s) const { return !(*this == s); }
bool ON_String::operator!=(const char* s) const { return !(*this == s); }
bool ON_String::operator<(const ON_String& s) const { return Compare(s) < 0; }
bool ON_String::operator<(const char* s) const { return Compare(s) < 0; }
bool ON_String::operator>(const ON_String& s) const { return Compare(s) > 0; }
bool ON_String::operator>(const char* s) const { return Compare(s) > 0; }
bool ON_String::operator<=(const ON_String& s) const { return Compare(s) <= 0; }
bool ON_String::operator>=(const ON_String& s) const { return Compare(s) >= 0; }

int ON_String::Compare(const char* s) const { return ON_StringCompare(m_s.View(), ViewOf(s)); }

int ON_String::CompareNoCase(const char* s) const { return ON_StringCompareFolded(m_s.View(), ViewOf(s), FoldAscii); }

int ON_String::Find(char c) const { return ON_StringFind(m_s.View(), std::string_view(&c, c ? 1 : 0)); }
int ON_String::Find(const char* s) const { return ON_StringFind(m_s.View(), ViewOf(s)); }

int ON_String::ReverseFind(char c) const
{
  const size_t i = m_s.View().rfind(c);
  return (i == std::string_view::npos) ? -1 : static_cast<int>(i);
}

ON_String ON_String::Mid(int i, int count) const { return ON_String(std::string(ON_StringMid(m_s.View(), i, count))); }
ON_String ON_String::Mid(int i) const { return Mid(i, Length() - i); }
ON_String ON_String::Left(int count) const { return Mid(0, count); }
ON_String ON_String::Right(int count) const { return Mid(Length() - std::min(count, Length()), count); }

void ON_String::MakeUpper()
{
  for (int i = 0; i < Length(); i++)
    m_s.Data()[i] = UpperAscii(m_s.Data()[i]);
}

void ON_String::MakeLower()
{
  for (int i = 0; i < Length(); i++)
    m_s.Data()[i] = FoldAscii(m_s.Data()[i]);
}

void ON_String::MakeReverse()
{
  if (Length() > 1)
    std::reverse(m_s.Data(), m_s.Data() + Length());
}

void ON_String::TrimLeft(const char* chars)
{
  m_s.Assign(ON_StringTrim(m_s.View(), true, false,
                           [chars](char c)
                           { return chars ? (c && std::strchr(chars, c) != nullptr) : IsWhiteSpace(c); }));
}

void ON_String::TrimRight(const char* chars)
{
  m_s.Assign(ON_StringTrim(m_s.View(), false, true,
                           [chars](char c)
                           { return chars ? (c && std::strchr(chars, c) != nullptr) : IsWhiteSpace(c); }));
}

void ON_String::TrimLeftAndRight(const char* chars)
{
  TrimRight(chars);
  TrimLeft(chars);
}

void ON_String::Format(const char* format, ...)
{
  va_list args;
  va_start(args, format);
  m_s.Assign(ON_FormatNarrow(format, args));
  va_end(args);
}

char* ON_String::SetLength(size_t length)
{
  m_s.SetLength(static_cast<int>(length));
  return m_s.Data();
}

char* ON_String::ReserveArray(size_t capacity)
{
  m_s.Reserve(static_cast<int>(capacity));
  return m_s.Data();
}

void ON_String::ShrinkArray()
{
  const std::string copy(m_s.View());
  m_s.Destroy();
  m_s.Assign(copy);
}

int ON_String::Remove(char c)
{
  std::string s(m_s.View());
  const size_t before = s.size();
  s.erase(std::remove(s.begin(), s.end(), c), s.end());
  m_s.Assign(s);
  return static_cast<int>(before - s.size());
}

int ON_String::Replace(char token1, char token2)
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

int ON_String::Replace(const char* token1, const char* token2)
{
  std::string s(m_s.View());
  const int count = ON_StringReplace<char>(s, ViewOf(token1), ViewOf(token2));
  if (count > 0)
    m_s.Assign(s);
  return count;
}

ON_String operator+(const char* a, const ON_String& b) { return ON_String(a) + b; }
bool operator==(const char* a, const ON_String& b) { return b == a; }
bool operator!=(const char* a, const ON_String& b) { return b != a; }
