#pragma once

#include "Presenter.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace Platform
{

// Presenter for callers without a host (tests, batch use): forms are answered by queued
// answers set beforehand, messages are kept instead of shown. With no answer queued a form is
// accepted with the values it shows.
class HeadlessPresenter : public Presenter
{
public:
  // An answer fills the form and returns true for OK, false for Cancel.
  using Answer = std::function<bool(Form&)>;

  struct Message
  {
    std::string text;
    std::string caption;
    MessageIcon icon;
  };

  void QueueAnswer(Answer answer);
  void QueueText(bool ok, std::string text);
  void Clear();

  bool ShowForm(Form& form) override;
  bool AskText(const std::string& prompt, std::string& text) override;
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;

  const std::vector<Message>& Messages() const { return m_messages; }
  // Titles of the forms shown so far.
  const std::vector<std::string>& FormsShown() const { return m_formsShown; }

private:
  std::deque<Answer> m_answers;
  std::deque<std::pair<bool, std::string>> m_texts;
  std::vector<Message> m_messages;
  std::vector<std::string> m_formsShown;
};

} // namespace Platform
