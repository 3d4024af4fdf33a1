#pragma once

#include <string_view>

// Walks a text line by line; the line ends ("\n", "\r\n") are not part of the lines.
class QORLineReader
{
public:
  explicit QORLineReader(std::string_view text);

  // The next line; false at the end of the text.
  bool Next(std::string_view& line);
  void Rewind();

private:
  std::string_view m_text;
  size_t m_pos;
};
