#include "HostPresenter.h"

HostPresenter::HostPresenter(CRhinoCommandStream& stream, Platform::TerminalPresenter::LineReader reader)
    : m_stream(stream), m_script(stream), m_terminal(reader), m_interactive(static_cast<bool>(reader))
{
}

Platform::Presenter& HostPresenter::Choose()
{
  if (m_interactive && !m_stream.HasPending())
    return m_terminal;
  return m_script;
}

bool HostPresenter::ShowForm(Platform::Form& form) { return Choose().ShowForm(form); }

bool HostPresenter::AskText(const std::string& prompt, std::string& text) { return Choose().AskText(prompt, text); }
