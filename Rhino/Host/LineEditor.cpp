#include "LineEditor.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <readline/history.h>
#include <readline/readline.h>
#include <unistd.h>

LineEditor::LineEditor() : m_terminal(isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) {}

bool LineEditor::ReadLine(const std::string& prompt, std::string& line) {
  if (!m_terminal) return static_cast<bool>(std::getline(std::cin, line));
  char* text = readline((prompt + (prompt.empty() || prompt.back() == ' ' ? "" : ": ")).c_str());
  if (!text) {
    std::fputc('\n', stdout);
    return false;
  }
  line = text;
  std::free(text);
  if (!line.empty()) add_history(line.c_str());
  return true;
}
