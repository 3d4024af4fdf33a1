#pragma once

#include <string>

// Reads the user's lines on a terminal, with line editing, history and file name completion.
class LineEditor
{
public:
  LineEditor();
  // False at the end of input.
  bool ReadLine(const std::string& prompt, std::string& line);
  // True while a line is being typed.
  static bool Reading();
  // Drops the line being typed and shows the prompt again (Ctrl-C at the prompt); called from the
  // interrupt handler.
  static void ClearLine();
};
