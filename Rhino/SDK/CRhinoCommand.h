#pragma once

#include "CRhinoCommandContext.h"
#include "opennurbs.h"

#include <vector>

class CRhinoPlugIn;

// A command the user runs by name. Each command object registers itself when constructed and
// leaves the command table when destroyed.
class CRhinoCommand
{
public:
  enum result
  {
    success = 0,
    cancel = 1,
    nothing = 2,
    failure = 3,
    unknown_command = 4,
    cancel_modeless_dialog = 5,
    exit_rhino = 0x0FFFFFFF,
  };

  CRhinoCommand(int bTransparent = 0, int bDoNotRepeat = 0, const CRhinoPlugIn* plugin = nullptr, int bTestCommand = 0);
  virtual ~CRhinoCommand();
  CRhinoCommand(const CRhinoCommand&) = delete;
  CRhinoCommand& operator=(const CRhinoCommand&) = delete;

  virtual ON_UUID CommandUUID() = 0;
  virtual const wchar_t* EnglishCommandName() = 0;
  virtual const wchar_t* LocalCommandName() { return EnglishCommandName(); }
  virtual result RunCommand(const CRhinoCommandContext& context) = 0;

  const CRhinoPlugIn* PlugIn() const { return m_plugin; }

  // The command table: a command by English name (any case), and every command in order of
  // registration.
  static CRhinoCommand* Find(const wchar_t* englishName);
  static const std::vector<CRhinoCommand*>& Commands();

private:
  const CRhinoPlugIn* m_plugin;
};
