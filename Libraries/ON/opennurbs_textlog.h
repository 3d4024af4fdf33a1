#pragma once

#include "opennurbs_defines.h"

#include <cstdio>

class ON_wString;

// Destination for diagnostic text: a string, a C stream, or standard error by default.
class ON_CLASS ON_TextLog
{
public:
  ON_TextLog();
  explicit ON_TextLog(FILE* fp);
  explicit ON_TextLog(ON_wString& s);
  virtual ~ON_TextLog() = default;

  ON_TextLog(const ON_TextLog&) = delete;
  ON_TextLog& operator=(const ON_TextLog&) = delete;

  void ON_MSC_CDECL Print(const char* format, ...);
  void ON_MSC_CDECL Print(const wchar_t* format, ...);

  // Each new line starts with the current indentation.
  void PushIndent();
  void PopIndent();
  int IndentSize() const;
  void SetIndentSize(int spaces);

protected:
  // Receives every piece of text; UTF-8.
  virtual void AppendText(const char* s);

private:
  void PrintIndented(const char* s);

  FILE* m_file = nullptr;
  ON_wString* m_string = nullptr;
  int m_indent_size = 2;
  int m_indent = 0;
  bool m_at_line_start = true;
};
