#include "HeadlessPresenter.h"

namespace Platform
{

void HeadlessPresenter::QueueAnswer(Answer answer) { m_answers.push_back(std::move(answer)); }

void HeadlessPresenter::QueueText(bool ok, std::string text) { m_texts.emplace_back(ok, std::move(text)); }

void HeadlessPresenter::Clear()
{
  m_answers.clear();
  m_texts.clear();
  m_messages.clear();
  m_formsShown.clear();
}

bool HeadlessPresenter::ShowForm(Form& form)
{
  m_formsShown.push_back(form.Title());
  if (m_answers.empty())
    return form.Validate().empty();
  Answer answer = std::move(m_answers.front());
  m_answers.pop_front();
  return answer(form);
}

bool HeadlessPresenter::AskText(const std::string&, std::string& text)
{
  if (m_texts.empty())
    return false;
  auto [ok, value] = m_texts.front();
  m_texts.pop_front();
  if (ok)
    text = value;
  return ok;
}

void HeadlessPresenter::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon)
{
  m_messages.push_back({text, caption, icon});
}

} // namespace Platform
