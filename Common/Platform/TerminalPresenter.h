#pragma once

#include "Presenter.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace Platform
{

// Shows forms on a terminal: the whole form, then one prompt per field with the current value as
// default, then the confirmation. Lines are read through the given reader (false at end of input);
// password fields through the secret reader, by default ReadWithoutEcho.
class TerminalPresenter : public Presenter
{
public:
  using LineReader = std::function<bool(const std::string& prompt, std::string& line)>;

  explicit TerminalPresenter(LineReader reader, std::FILE* out = stdout, LineReader secretReader = nullptr);

  // Reads a line from standard input with the terminal's echo off (kept out of any history);
  // false at end of input or when the user interrupts (Ctrl-C).
  static bool ReadWithoutEcho(const std::string& prompt, std::string& line);

  bool ShowForm(Form& form) override;
  bool AskText(const std::string& prompt, std::string& text) override;

private:
  enum class Step
  {
    Next,
    Cancel
  };
  void Print(const Form& form) const;
  void PrintField(const FormField& field) const;
  Step AskField(Form& form, FormField& field);
  // The list boxes' lines, to show those that a change of another field refilled.
  static std::vector<std::vector<std::string>> ListContents(const Form& form);
  void PrintChangedLists(const Form& form, const std::vector<std::vector<std::string>>& before) const;

  LineReader m_read;
  LineReader m_readSecret;
  std::FILE* m_out;
};

} // namespace Platform
