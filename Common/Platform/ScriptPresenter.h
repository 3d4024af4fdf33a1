#pragma once

#include "Presenter.h"
#include "TokenSource.h"

namespace Platform
{

// Answers forms from a token stream: `Field=Value` tokens set fields, `OK` accepts, `Cancel`
// cancels, any other token accepts and is left for the next prompt; with no tokens left the form
// is accepted as it stands. A refused value or a form that fails validation is reported as a
// message and cancels the form.
class ScriptPresenter : public Presenter
{
public:
  explicit ScriptPresenter(TokenSource& tokens);

  bool ShowForm(Form& form) override;
  bool AskText(const std::string& prompt, std::string& text) override;

private:
  TokenSource& m_tokens;
};

} // namespace Platform
