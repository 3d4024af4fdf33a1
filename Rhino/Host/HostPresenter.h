#pragma once

#include "CRhinoCommandStream.h"
#include "ScriptPresenter.h"
#include "TerminalPresenter.h"

// Shows forms as the host's command line does: answers waiting in the command stream fill the
// form; with none waiting an interactive session shows the form on the terminal, and a script
// takes the form as it stands.
class HostPresenter : public Platform::Presenter
{
public:
  HostPresenter(CRhinoCommandStream& stream, Platform::TerminalPresenter::LineReader reader);

  bool ShowForm(Platform::Form& form) override;
  bool AskText(const std::string& prompt, std::string& text) override;

private:
  Platform::Presenter& Choose();

  CRhinoCommandStream& m_stream;
  Platform::ScriptPresenter m_script;
  Platform::TerminalPresenter m_terminal;
  bool m_interactive;
};
