#pragma once

#include "WindowHandle.h"

#include <string>

// Dialog services: the about box and the password prompt.
class QORGUIUtils
{
public:
  // Shows the about box for the product and returns when it is closed.
  static void About(const char* productTitle, HWND* owner);
  // Asks for a password; nonzero with the typed text when confirmed, zero when cancelled.
  static int Password(const char* title, const char* prompt, std::string& password, HWND* owner);
};
