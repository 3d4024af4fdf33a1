#pragma once

#include "Form.h"
#include "MessageIcon.h"

#include <string>

namespace Platform
{

// Shows forms and messages to the user. The host installs one presenter for the whole process;
// without a host the headless presenter answers.
class Presenter
{
public:
  virtual ~Presenter() = default;

  // Shows a modal form; true when the user accepted it (OK), false when cancelled.
  virtual bool ShowForm(Form& form) = 0;
  // Asks for one line of text (an open-file chooser, for instance); false when cancelled.
  virtual bool AskText(const std::string& prompt, std::string& text) = 0;
  // A message box: caption and text on standard error unless the presenter keeps them.
  virtual void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon);

  static Presenter& Current();
  // Installs a presenter (not owned); null brings back the headless default.
  static void Install(Presenter* presenter);
};

} // namespace Platform
