#include "opennurbs_textlog.h"

#include "opennurbs_string_format.h"
#include "opennurbs_utf8.h"
#include "opennurbs_wstring.h"

#include <cstdarg>
#include <string>

ON_TextLog::ON_TextLog() : m_file(stderr) {}
ON_TextLog::ON_TextLog(FILE* fp) : m_file(fp) {}
ON_TextLog::ON_TextLog(ON_wString& s) : m_string(&s) {}

void ON_TextLog::Print(const char* format, ...)
{
  va_list args;
  va_start(args, format);
  const std::string text = ON_FormatNarrow(format, args);
  va_end(args);
  PrintIndented(text.c_str());
}

void ON_TextLog::Print(const wchar_t* format, ...)
{
  va_list args;
  va_start(args, format);
  const std::string text = ON_EncodeUTF8(ON_FormatWide(format, args));
  va_end(args);
  PrintIndented(text.c_str());
}

void ON_TextLog::PushIndent() { m_indent += m_indent_size; }

void ON_TextLog::PopIndent()
{
  m_indent -= m_indent_size;
  if (m_indent < 0)
    m_indent = 0;
}

int ON_TextLog::IndentSize() const { return m_indent_size; }

void ON_TextLog::SetIndentSize(int spaces) { m_indent_size = (spaces > 0) ? spaces : 0; }

void ON_TextLog::AppendText(const char* s)
{
  if (m_string)
    *m_string += ON_wString(s);
  else if (m_file)
    std::fputs(s, m_file);
}

void ON_TextLog::PrintIndented(const char* s)
{
  std::string text;
  for (; *s; s++)
  {
    if (m_at_line_start && *s != '\n')
      text.append(static_cast<size_t>(m_indent), ' ');
    text += *s;
    m_at_line_start = (*s == '\n');
  }
  if (!text.empty())
    AppendText(text.c_str());
}
