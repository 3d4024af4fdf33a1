#pragma once

#include "rhinoSdk.h"

#include <string>

// Base of the host's own commands: a fixed name and identifier.
class CHostCommand : public CRhinoCommand
{
public:
  // `usage`: the command's line in the help text.
  CHostCommand(const wchar_t* name, const ON_UUID& id, const char* usage) : m_name(name), m_id(id), m_usage(usage) {}
  ON_UUID CommandUUID() override { return m_id; }
  const wchar_t* EnglishCommandName() override { return m_name; }
  const char* Usage() const { return m_usage; }

  // The help lines of the host commands, in order of registration.
  static std::string HelpLines();

protected:
  // The next answer, for commands that take a file name; false when there is none.
  static bool NextToken(const char* prompt, std::string& token)
  {
    return RhinoApp().CommandStream().Next(prompt, token);
  }
  // The next answer as a file name, without surrounding blanks; false when there is none.
  static bool NextFileName(const char* prompt, std::string& path);
  // Prints "Failure [TEXT] PATH: REASON", the reason being the system's for `error` (an errno
  // value) when it is about a file.
  static void PrintFileFailure(const std::string& text, const std::string& path, int error);

private:
  const wchar_t* m_name;
  ON_UUID m_id;
  const char* m_usage;
};
