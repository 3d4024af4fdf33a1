#pragma once

#include "rhinoSdk.h"

#include <string>

// Base of the host's own commands: a fixed name and identifier.
class CHostCommand : public CRhinoCommand {
 public:
  CHostCommand(const wchar_t* name, const ON_UUID& id) : m_name(name), m_id(id) {}
  ON_UUID CommandUUID() override { return m_id; }
  const wchar_t* EnglishCommandName() override { return m_name; }

 protected:
  // The next answer, for commands that take a file name; false when there is none.
  static bool NextToken(const char* prompt, std::string& token) {
    return RhinoApp().CommandStream().Next(prompt, token);
  }

 private:
  const wchar_t* m_name;
  ON_UUID m_id;
};
