#pragma once

// Narrow string; on this platform it holds UTF-8.

#include "opennurbs_defines.h"
#include "opennurbs_string_storage.h"

#include <string>

class ON_wString;

class ON_CLASS ON_String
{
public:
  ON_String() = default;
  ON_String(const ON_String&) = default;
  ON_String(ON_String&&) = default;
  ON_String(const char* s);
  ON_String(const char* s, int length);
  ON_String(char c, int repeat_count = 1);
  ON_String(const unsigned char* s);
  ON_String(const wchar_t* s);             // converted to UTF-8
  ON_String(const wchar_t* s, int length); // converted to UTF-8
  ON_String(const ON_wString& s);          // converted to UTF-8
  ON_String(const std::string& s);
  ~ON_String() = default;

  ON_String& operator=(const ON_String&) = default;
  ON_String& operator=(ON_String&&) = default;
  ON_String& operator=(const char* s);
  ON_String& operator=(char c);
  ON_String& operator=(const wchar_t* s);
  ON_String& operator=(const ON_wString& s);

  int Length() const;
  bool IsEmpty() const;
  void Empty();
  void Destroy();

  // Never null; "" when empty.
  operator const char*() const;
  const char* Array() const;
  // Null while nothing has been reserved.
  char* Array();
  char& operator[](int i);
  char operator[](int i) const;
  char GetAt(int i) const;
  void SetAt(int i, char c);
  std::string ToStdString() const;

  ON_String operator+(const ON_String& s) const;
  ON_String operator+(const char* s) const;
  ON_String operator+(char c) const;
  const ON_String& operator+=(const ON_String& s);
  const ON_String& operator+=(const char* s);
  const ON_String& operator+=(char c);
  void Append(const char* s, int count);

  bool operator==(const ON_String& s) const;
  bool operator==(const char* s) const;
  bool operator!=(const ON_String& s) const;
  bool operator!=(const char* s) const;
  bool operator<(const ON_String& s) const;
  bool operator<(const char* s) const;
  bool operator>(const ON_String& s) const;
  bool operator>(const char* s) const;
  bool operator<=(const ON_String& s) const;
  bool operator>=(const ON_String& s) const;

  // <0, 0, >0 by character value; the NoCase form folds ASCII letters.
  int Compare(const char* s) const;
  int CompareNoCase(const char* s) const;

  // Index of the first match, or -1.
  int Find(char c) const;
  int Find(const char* s) const;
  int ReverseFind(char c) const;

  ON_String Mid(int i, int count) const;
  ON_String Mid(int i) const;
  ON_String Left(int count) const;
  ON_String Right(int count) const;

  void MakeUpper();
  void MakeLower();
  void MakeReverse();
  // Without an argument the characters removed are white space.
  void TrimLeft(const char* chars = nullptr);
  void TrimRight(const char* chars = nullptr);
  void TrimLeftAndRight(const char* chars = nullptr);

  // printf style; %s takes a char string and %S a wchar_t string.
  void ON_MSC_CDECL Format(const char* format, ...);

  // Sets the length (growing pads with zero characters) and returns the array.
  char* SetLength(size_t length);
  // Makes room for capacity characters and returns the array, which may be written up to there.
  char* ReserveArray(size_t capacity);
  void ShrinkArray();

  // Number of characters removed or replaced.
  int Remove(char c);
  int Replace(char token1, char token2);
  int Replace(const char* token1, const char* token2);

private:
  ON_StringStorage<char> m_s;
};

ON_DECL ON_String operator+(const char* a, const ON_String& b);
ON_DECL bool operator==(const char* a, const ON_String& b);
ON_DECL bool operator!=(const char* a, const ON_String& b);
