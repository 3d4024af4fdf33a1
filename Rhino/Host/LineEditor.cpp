#include "LineEditor.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <readline/history.h>
#include <readline/readline.h>
#include <unistd.h>

namespace
{

volatile std::sig_atomic_t g_reading = 0;

// File names complete without the trailing space that would become part of the name.
char** CompleteFileNames(const char*, int, int)
{
  rl_completion_append_character = '\0';
  return nullptr; // the default completion: file names
}

} // namespace

LineEditor::LineEditor()
{
  rl_catch_signals = 0; // Ctrl-C is the host's (see ClearLine)
  rl_attempted_completion_function = CompleteFileNames;
}

bool LineEditor::Reading() { return g_reading != 0; }

void LineEditor::ClearLine()
{
  if (write(STDOUT_FILENO, "\n", 1) < 0)
    return;
  rl_on_new_line();
  rl_replace_line("", 0);
  rl_redisplay();
}

bool LineEditor::ReadLine(const std::string& prompt, std::string& line)
{
  g_reading = 1;
  char* text = readline((prompt + (prompt.empty() || prompt.back() == ' ' ? "" : ": ")).c_str());
  g_reading = 0;
  if (!text)
  {
    std::fputc('\n', stdout);
    return false;
  }
  line = text;
  std::free(text);
  if (!line.empty())
    add_history(line.c_str());
  return true;
}
