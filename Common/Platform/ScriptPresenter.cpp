#include "ScriptPresenter.h"

#include <strings.h>

namespace Platform
{

namespace
{

bool Is(const std::string& token, const char* word) { return strcasecmp(token.c_str(), word) == 0; }

} // namespace

ScriptPresenter::ScriptPresenter(TokenSource& tokens) : m_tokens(tokens) {}

bool ScriptPresenter::ShowForm(Form& form)
{
  std::string token;
  const std::string prompt = form.Title() + " (" + form.Synopsis() + ", OK or Cancel)";
  while (m_tokens.Next(prompt, token))
  {
    if (Is(token, "OK"))
      break;
    if (Is(token, "Cancel"))
      return false;
    const size_t eq = token.find('=');
    if (eq == std::string::npos || eq == 0)
    {
      m_tokens.Unget(token);
      break;
    }
    std::string error;
    if (!form.Set(token.substr(0, eq), token.substr(eq + 1), error))
    {
      ShowMessage(error + " (" + token + ")", form.Title(), MessageIcon::Exclamation);
      return false;
    }
  }
  const std::vector<std::string> warnings = form.Validate();
  for (const std::string& w : warnings)
    ShowMessage(w, "Warning", MessageIcon::Exclamation);
  return warnings.empty();
}

bool ScriptPresenter::AskText(const std::string& prompt, std::string& text)
{
  std::string token;
  if (!m_tokens.Next(prompt, token) || Is(token, "Cancel"))
    return false;
  text = token;
  return true;
}

} // namespace Platform
