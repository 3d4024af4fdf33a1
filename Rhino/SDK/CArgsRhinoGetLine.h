#pragma once

#include "opennurbs.h"

// Prompts of a two-point line pick.
class CArgsRhinoGetLine
{
public:
  void SetFirstPointPrompt(const wchar_t* prompt) { m_first = prompt; }
  void SetSecondPointPrompt(const wchar_t* prompt) { m_second = prompt; }
  const ON_wString& FirstPointPrompt() const { return m_first; }
  const ON_wString& SecondPointPrompt() const { return m_second; }

private:
  ON_wString m_first = L"Start of line";
  ON_wString m_second = L"End of line";
};
