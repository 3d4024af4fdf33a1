#include "CHostCommand.h"
#include "HostOptions.h"

// Help: the program's usage, commands and dialog fields.
class CHostCommandHelp : public CHostCommand
{
public:
  CHostCommandHelp()
      : CHostCommand(L"Help", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x08}},
                     "Help             this text")
  {
  }

  result RunCommand(const CRhinoCommandContext&) override
  {
    RhinoApp().Print("%s", HostOptions::Usage().c_str());
    return success;
  }
};

static CHostCommandHelp theHelpCommand;
