#pragma once

#include "CRhinoCommandOption.h"
#include "opennurbs.h"

#include <string>
#include <vector>

// Base of the interactive gets: a prompt, command options, and the token answers of the
// command stream.
class CRhinoGet
{
public:
  enum result
  {
    no_result = 0,
    cancel = 1,
    nothing = 2,
    option = 3,
    number = 4,
    color = 5,
    undo = 6,
    miss = 7,
    point = 8,
    point2d = 9,
    line2d = 10,
    rect2d = 11,
    object = 12,
    string = 13,
  };

  virtual ~CRhinoGet() = default;

  void SetCommandPrompt(const wchar_t* prompt);
  // Adds a list option showing `values`, `current` chosen; returns its 1-based option index.
  int AddCommandOptionList(const CRhinoCommandOptionName& name, int current,
                           const ON_SimpleArray<const wchar_t*>& values);
  // Adds an integer option that shows and sets *value, within the limits that are set (a
  // value outside them is refused); returns its 1-based option index.
  int AddCommandOptionInteger(const CRhinoCommandOptionName& name, int* value, const wchar_t* prompt = nullptr,
                              double lower_limit = ON_UNSET_VALUE, double upper_limit = ON_UNSET_VALUE);
  void ClearCommandOptions();
  // The option picked when the last get returned `option`.
  const CRhinoCommandOption* Option() const;

protected:
  // The prompt as the command line shows it, with the options and their current values.
  std::string PromptText(const char* answers) const;
  // Applies a `Name=Value` answer; false (after printing why and what is allowed) when it names
  // no option or value.
  bool ApplyOption(const std::string& token);
  // Answers `Name=?` by printing the option's values; false when the token is no such question.
  bool ListOptionValues(const std::string& token) const;

private:
  ON_wString m_prompt;
  const CRhinoCommandOption* FindOption(const std::string& name) const;
  std::string OptionNames() const;

  std::vector<CRhinoCommandOption> m_options;
  int m_picked = -1;
};
