#pragma once

#include <string>

namespace Platform
{

// The desktop shell's "open" verb: opens a document with the user's preferred application.
class Shell
{
public:
  // Like the shell call it stands for: a result above 32 means success.
  static int Open(const std::string& path);
  // The opener program; default "xdg-open". Settable so that other desktops and tests can choose.
  static void SetOpener(const std::string& program);
  static const std::string& Opener();
};

} // namespace Platform
