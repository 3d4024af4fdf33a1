#include "QORLineReader.h"

#include <cstring>

QORLineReader::QORLineReader(std::string_view text) : m_text(text), m_pos(0) {}

bool QORLineReader::Next(std::string_view& line)
{
  if (m_pos >= m_text.size())
    return false;
  const char* start = m_text.data() + m_pos;
  const size_t left = m_text.size() - m_pos;
  const void* newline = std::memchr(start, '\n', left);
  size_t length = newline ? static_cast<size_t>(static_cast<const char*>(newline) - start) : left;
  m_pos += newline ? length + 1 : length;
  if (length > 0 && start[length - 1] == '\r')
    length--;
  line = std::string_view(start, length);
  return true;
}

void QORLineReader::Rewind() { m_pos = 0; }
