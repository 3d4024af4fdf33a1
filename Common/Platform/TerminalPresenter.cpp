#include "TerminalPresenter.h"

#include "Interrupt.h"

#include <cerrno>
#include <cstdlib>
#include <poll.h>
#include <strings.h>
#include <termios.h>
#include <unistd.h>

namespace Platform
{

namespace
{

bool Is(const std::string& text, const char* word) { return strcasecmp(text.c_str(), word) == 0; }

std::string Shown(const FormField& field)
{
  switch (field.kind)
  {
  case FieldKind::Check:
    return field.value == "1" ? "[x]" : "[ ]";
  case FieldKind::Password:
    return std::string(field.value.size(), '*');
  case FieldKind::Choice:
  {
    const size_t i = static_cast<size_t>(std::atoi(field.value.c_str()));
    return i < field.items.size() ? field.value + " " + field.items[i] : field.value;
  }
  default:
    return field.value;
  }
}

} // namespace

std::vector<std::vector<std::string>> TerminalPresenter::ListContents(const Form& form)
{
  std::vector<std::vector<std::string>> contents;
  for (const FormField& field : form.Fields())
    if (field.kind == FieldKind::Lines)
      contents.push_back(field.items);
  return contents;
}

void TerminalPresenter::PrintChangedLists(const Form& form, const std::vector<std::vector<std::string>>& before) const
{
  size_t i = 0;
  for (const FormField& field : form.Fields())
  {
    if (field.kind != FieldKind::Lines)
      continue;
    if (i >= before.size() || before[i] != field.items)
      PrintField(field);
    ++i;
  }
  std::fflush(m_out);
}

TerminalPresenter::TerminalPresenter(LineReader reader, std::FILE* out, LineReader secretReader)
    : m_read(std::move(reader)), m_readSecret(secretReader ? std::move(secretReader) : LineReader(ReadWithoutEcho)),
      m_out(out)
{
}

// Echo goes off before the prompt shows, so that nothing typed after it is echoed; the newline is
// still echoed (ECHONL). Input is read a byte at a time, leaving the rest of a pasted line to the
// next reader, and polled so that Ctrl-C (the host's interrupt request) ends the reading.
bool TerminalPresenter::ReadWithoutEcho(const std::string& prompt, std::string& line)
{
  const int fd = STDIN_FILENO;
  termios saved;
  const bool terminal = isatty(fd) && tcgetattr(fd, &saved) == 0;
  if (terminal)
  {
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    quiet.c_lflag |= ECHONL;
    tcsetattr(fd, TCSANOW, &quiet);
  }
  std::fputs(prompt.c_str(), stdout);
  std::fflush(stdout);
  std::string text;
  bool ended = false, got = false;
  while (!ended)
  {
    if (Interrupt::Requested())
      break;
    pollfd ready = {fd, POLLIN, 0};
    const int polled = poll(&ready, 1, 100);
    if (polled < 0 && errno != EINTR)
      break;
    if (polled <= 0)
      continue;
    char c;
    const ssize_t n = read(fd, &c, 1);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      break;
    got = true;
    if (c == '\n')
      ended = true;
    else
      text += c;
  }
  if (terminal)
    tcsetattr(fd, TCSANOW, &saved);
  if (Interrupt::Requested() || !got)
  {
    if (terminal)
      std::fputc('\n', stdout);
    return false;
  }
  line = std::move(text);
  return true;
}

void TerminalPresenter::PrintField(const FormField& field) const
{
  if (field.kind == FieldKind::Lines)
  {
    std::fprintf(m_out, "  %s:\n", field.label.c_str());
    for (const std::string& line : field.items)
      std::fprintf(m_out, "    %s\n", line.c_str());
    if (field.items.empty())
      std::fprintf(m_out, "    (empty)\n");
    return;
  }
  std::fprintf(m_out, "  %s (%s): %s%s\n", field.label.c_str(), field.name.c_str(), Shown(field).c_str(),
               field.enabled ? "" : " (fixed)");
  if (field.kind == FieldKind::Choice)
    for (size_t i = 0; i < field.items.size(); ++i)
      std::fprintf(m_out, "      %zu  %s\n", i, field.items[i].c_str());
}

void TerminalPresenter::Print(const Form& form) const
{
  std::fprintf(m_out, "== %s ==\n", form.Title().c_str());
  for (const FormField& field : form.Fields())
    PrintField(field);
  std::fflush(m_out);
}

TerminalPresenter::Step TerminalPresenter::AskField(Form& form, FormField& field)
{
  for (;;)
  {
    std::string line;
    const std::string shown = field.kind == FieldKind::Check ? field.value : Shown(field);
    const std::string prompt = field.label + " [" + shown + "]: ";
    const LineReader& read = field.kind == FieldKind::Password ? m_readSecret : m_read;
    if (!read(prompt, line))
      return Step::Cancel;
    if (line.empty())
      return Step::Next;
    if (Is(line, "Cancel"))
      return Step::Cancel;
    std::string error;
    const std::vector<std::vector<std::string>> before = ListContents(form);
    if (form.Set(field.name, line, error))
    {
      PrintChangedLists(form, before);
      if (field.validate)
      {
        const std::string warning = field.validate(field);
        if (!warning.empty())
        {
          ShowMessage(warning, "Warning", MessageIcon::Exclamation);
          continue; // focus returns to the field
        }
      }
      return Step::Next;
    }
    ShowMessage(error, form.Title(), MessageIcon::Exclamation);
  }
}

bool TerminalPresenter::ShowForm(Form& form)
{
  Print(form);
  for (;;)
  {
    for (FormField& field : form.Fields())
    {
      if (field.kind == FieldKind::Lines || !field.enabled)
        continue;
      if (AskField(form, field) == Step::Cancel)
        return false;
    }
    for (const FormField& field : form.Fields())
      if (field.kind == FieldKind::Lines)
        PrintField(field);
    std::string answer;
    if (!m_read(form.Title() + ": OK, Edit or Cancel [OK]: ", answer) || Is(answer, "Cancel") || Is(answer, "c"))
      return false;
    if (Is(answer, "Edit") || Is(answer, "e"))
      continue;
    const std::vector<std::string> warnings = form.Validate();
    for (const std::string& w : warnings)
      ShowMessage(w, "Warning", MessageIcon::Exclamation);
    if (warnings.empty())
      return true;
  }
}

bool TerminalPresenter::AskText(const std::string& prompt, std::string& text)
{
  std::string line;
  if (!m_read(prompt + ": ", line) || line.empty() || Is(line, "Cancel"))
    return false;
  text = line;
  return true;
}

} // namespace Platform
