#pragma once

#include "MessageIcon.h"
#include "WindowHandle.h"

#include <string>

namespace Platform
{

// Modal message box with an OK button, shown through the installed presenter.
class MessageBox
{
public:
  static void Show(HWND* owner, const std::string& text, const std::string& caption, MessageIcon icon);
};

} // namespace Platform
