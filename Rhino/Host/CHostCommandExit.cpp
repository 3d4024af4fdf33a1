#include "CHostCommand.h"

// Exit: ends the session.
class CHostCommandExit : public CHostCommand
{
public:
  CHostCommandExit()
      : CHostCommand(L"Exit", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x09}}, "Exit             leave")
  {
  }

  result RunCommand(const CRhinoCommandContext&) override { return exit_rhino; }
};

static CHostCommandExit theExitCommand;
