#include "QORTextScan.h"

#include <charconv>

namespace
{

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

size_t SkipBlanks(std::string_view line, size_t pos)
{
  while (pos < line.size() && IsBlank(line[pos]))
    pos++;
  return pos;
}

} // namespace

std::string_view QORTextScan::NextWord(std::string_view line, size_t& pos)
{
  size_t start = SkipBlanks(line, pos);
  size_t end = start;
  while (end < line.size() && !IsBlank(line[end]) && line[end] != '\0')
    end++;
  pos = end;
  return line.substr(start < line.size() ? start : line.size(), end - start);
}

template <typename T>
bool QORTextScan::NextNumber(std::string_view line, size_t& pos, T& value)
{
  size_t start = SkipBlanks(line, pos);
  if (start < line.size() && line[start] == '+' && start + 1 < line.size() && line[start + 1] != '-')
    start++;
  const char* first = line.data() + start;
  const char* last = line.data() + line.size();
  T number;
  const std::from_chars_result result = std::from_chars(first, last, number);
  if (result.ec != std::errc())
    return false;
  value = number;
  pos = static_cast<size_t>(result.ptr - line.data());
  return true;
}

bool QORTextScan::NextFloat(std::string_view line, size_t& pos, float& value) { return NextNumber(line, pos, value); }

bool QORTextScan::NextDouble(std::string_view line, size_t& pos, double& value) { return NextNumber(line, pos, value); }

bool QORTextScan::LeadingInteger(std::string_view word, int& value)
{
  size_t start = 0;
  if (!word.empty() && word[0] == '+' && word.size() > 1 && word[1] != '-')
    start = 1;
  int number = 0;
  const std::from_chars_result result = std::from_chars(word.data() + start, word.data() + word.size(), number);
  if (result.ec != std::errc())
    return false;
  value = number;
  return true;
}

bool QORTextScan::EqualsIgnoringCase(std::string_view word, std::string_view keyword)
{
  if (word.size() != keyword.size())
    return false;
  for (size_t i = 0; i < word.size(); i++)
  {
    if (Lower(word[i]) != Lower(keyword[i]))
      return false;
  }
  return true;
}
