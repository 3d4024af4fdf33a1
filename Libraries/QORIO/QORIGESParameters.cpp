// QORIGESParameters: fields of one IGES parameter record.
#include "QORIGESParameters.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace
{

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of a Hollerith count ("12" of "12Hsome text..") at pos, or 0 when none is there.
size_t HollerithPrefix(std::string_view text, size_t pos)
{
  size_t end = pos;
  while (end < text.size() && IsDigit(text[end]))
    end++;
  return end > pos && end < text.size() && text[end] == 'H' ? end - pos : 0;
}

} // namespace

bool QORIGESParameters::ReadHollerith(std::string_view text, size_t& pos, Field& field, std::string& error)
{
  const size_t digits = HollerithPrefix(text, pos);
  size_t count = 0;
  const auto [end, status] = std::from_chars(text.data() + pos, text.data() + pos + digits, count);
  const size_t start = pos + digits + 1;
  if (status != std::errc() || count > text.size() - start)
  {
    error = "a string runs past the end of its record";
    return false;
  }
  field.text.assign(text.substr(start, count));
  field.hollerith = true;
  pos = start + count;
  return true;
}

bool QORIGESParameters::Split(std::string_view text, char parameterDelimiter, char recordDelimiter, std::string& error)
{
  m_fields.clear();
  m_failed = false;
  size_t pos = 0;
  for (;;)
  {
    Field field;
    while (pos < text.size() && IsBlank(text[pos]))
      pos++;
    if (HollerithPrefix(text, pos) > 0)
    {
      if (!ReadHollerith(text, pos, field, error))
        return false;
    }
    // Blanks inside a number (a field cut by a line end) are left out.
    for (; pos < text.size() && text[pos] != parameterDelimiter && text[pos] != recordDelimiter; pos++)
      if (!IsBlank(text[pos]) && !field.hollerith)
        field.text += text[pos];
    if (pos >= text.size())
    {
      error = "a record has no terminator";
      return false;
    }
    m_fields.push_back(std::move(field));
    if (text[pos++] == recordDelimiter)
      return true;
  }
}

bool QORIGESParameters::ParseReal(std::string_view text, double& value)
{
  std::string number(text);
  for (char& c : number)
    if (c == 'D' || c == 'd')
      c = 'E';
  const char* first = number.c_str();
  if (*first == '+')
    first++;
  const auto [end, status] = std::from_chars(first, number.c_str() + number.size(), value);
  return status == std::errc() && end == number.c_str() + number.size() && std::isfinite(value);
}

bool QORIGESParameters::IsEmpty(int index) const
{
  return index < 0 || index >= static_cast<int>(m_fields.size()) || m_fields[index].text.empty();
}

double QORIGESParameters::Real(int index, double defaultValue)
{
  if (index < 0 || index >= static_cast<int>(m_fields.size()) || m_fields[index].hollerith)
  {
    m_failed = true;
    return defaultValue;
  }
  if (m_fields[index].text.empty())
    return defaultValue;
  double value = defaultValue;
  if (!ParseReal(m_fields[index].text, value))
    m_failed = true;
  return value;
}

int QORIGESParameters::Integer(int index, int defaultValue)
{
  const double value = Real(index, defaultValue);
  if (!(value > INT_MIN && value < INT_MAX))
  {
    m_failed = true;
    return defaultValue;
  }
  return static_cast<int>(value);
}

std::string QORIGESParameters::Text(int index) const
{
  return index >= 0 && index < static_cast<int>(m_fields.size()) ? m_fields[index].text : std::string();
}
