#pragma once

#include <string>

// Reads the user's lines: with line editing and history on a terminal, plainly otherwise.
class LineEditor {
 public:
  LineEditor();
  // False at the end of input.
  bool ReadLine(const std::string& prompt, std::string& line);

 private:
  bool m_terminal;
};
