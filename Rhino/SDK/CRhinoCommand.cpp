#include "CRhinoCommand.h"

#include <algorithm>
#include <cwctype>

namespace
{

std::vector<CRhinoCommand*>& Table()
{
  static std::vector<CRhinoCommand*> table;
  return table;
}

bool SameName(const wchar_t* a, const wchar_t* b)
{
  for (; *a && *b; ++a, ++b)
    if (std::towlower(*a) != std::towlower(*b))
      return false;
  return *a == *b;
}

} // namespace

CRhinoCommand::CRhinoCommand(int, int, const CRhinoPlugIn* plugin, int) : m_plugin(plugin) { Table().push_back(this); }

CRhinoCommand::~CRhinoCommand()
{
  auto& table = Table();
  table.erase(std::remove(table.begin(), table.end(), this), table.end());
}

CRhinoCommand* CRhinoCommand::Find(const wchar_t* englishName)
{
  if (!englishName)
    return nullptr;
  for (CRhinoCommand* command : Table())
    if (SameName(command->EnglishCommandName(), englishName))
      return command;
  return nullptr;
}

const std::vector<CRhinoCommand*>& CRhinoCommand::Commands() { return Table(); }
