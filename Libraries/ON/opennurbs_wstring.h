#pragma once

// Wide string (UTF-32 wchar_t on this platform).

#include "opennurbs_defines.h"
#include "opennurbs_string_storage.h"

#include <string>

class ON_String;

class ON_CLASS ON_wString
{
public:
  ON_wString() = default;
  ON_wString(const ON_wString&) = default;
  ON_wString(ON_wString&&) = default;
  ON_wString(const wchar_t* s);
  ON_wString(const wchar_t* s, int length);
  ON_wString(wchar_t c, int repeat_count = 1);
  ON_wString(const char* s);             // decoded as UTF-8
  ON_wString(const char* s, int length); // decoded as UTF-8
  ON_wString(const unsigned char* s);    // decoded as UTF-8
  ON_wString(const ON_String& s);        // decoded as UTF-8
  ON_wString(const std::wstring& s);
  ~ON_wString() = default;

  ON_wString& operator=(const ON_wString&) = default;
  ON_wString& operator=(ON_wString&&) = default;
  ON_wString& operator=(const wchar_t* s);
  ON_wString& operator=(wchar_t c);
  ON_wString& operator=(const char* s);
  ON_wString& operator=(const ON_String& s);

  int Length() const;
  bool IsEmpty() const;
  void Empty();
  void Destroy();

  // Never null; L"" when empty.
  operator const wchar_t*() const;
  const wchar_t* Array() const;
  // Null while nothing has been reserved.
  wchar_t* Array();
  wchar_t& operator[](int i);
  wchar_t operator[](int i) const;
  wchar_t GetAt(int i) const;
  void SetAt(int i, wchar_t c);
  std::wstring ToStdWString() const;

  ON_wString operator+(const ON_wString& s) const;
  ON_wString operator+(const wchar_t* s) const;
  ON_wString operator+(wchar_t c) const;
  const ON_wString& operator+=(const ON_wString& s);
  const ON_wString& operator+=(const wchar_t* s);
  const ON_wString& operator+=(wchar_t c);
  void Append(const wchar_t* s, int count);

  bool operator==(const ON_wString& s) const;
  bool operator==(const wchar_t* s) const;
  bool operator!=(const ON_wString& s) const;
  bool operator!=(const wchar_t* s) const;
  bool operator<(const ON_wString& s) const;
  bool operator<(const wchar_t* s) const;
  bool operator>(const ON_wString& s) const;
  bool operator>(const wchar_t* s) const;
  bool operator<=(const ON_wString& s) const;
  bool operator>=(const ON_wString& s) const;

  // <0, 0, >0 by character value; the NoCase form folds letters (towlower).
  int Compare(const wchar_t* s) const;
  int CompareNoCase(const wchar_t* s) const;

  // Index of the first match, or -1.
  int Find(wchar_t c) const;
  int Find(const wchar_t* s) const;
  int ReverseFind(wchar_t c) const;

  ON_wString Mid(int i, int count) const;
  ON_wString Mid(int i) const;
  ON_wString Left(int count) const;
  ON_wString Right(int count) const;

  void MakeUpper();
  void MakeLower();
  void MakeReverse();
  // Without an argument the characters removed are white space.
  void TrimLeft(const wchar_t* chars = nullptr);
  void TrimRight(const wchar_t* chars = nullptr);
  void TrimLeftAndRight(const wchar_t* chars = nullptr);

  // printf style; %s takes a wchar_t string and %S a char string (UTF-8).
  void ON_MSC_CDECL Format(const wchar_t* format, ...);
  void ON_MSC_CDECL Format(const char* format, ...);

  // Sets the length (growing pads with zero characters) and returns the array.
  wchar_t* SetLength(size_t length);
  // Makes room for capacity characters and returns the array, which may be written up to there.
  wchar_t* ReserveArray(size_t capacity);
  void ShrinkArray();

  // Number of characters removed or replaced.
  int Remove(wchar_t c);
  int Replace(wchar_t token1, wchar_t token2);
  int Replace(const wchar_t* token1, const wchar_t* token2);

private:
  ON_StringStorage<wchar_t> m_s;
};

ON_DECL ON_wString operator+(const wchar_t* a, const ON_wString& b);
ON_DECL bool operator==(const wchar_t* a, const ON_wString& b);
ON_DECL bool operator!=(const wchar_t* a, const ON_wString& b);

// UTF-8 <-> wide conversions for the rest of the system; invalid input becomes U+FFFD.
ON_DECL ON_String ON_UTF8FromWideString(const wchar_t* s, int length = -1);
ON_DECL ON_wString ON_WideStringFromUTF8(const char* s, int length = -1);
