#include "NubiloIdentity.h"
#include "QORGUIUtils.h"
#include "rhinoSdk.h"

// NBAbout: the about box.
class CCommandNBAbout : public CRhinoCommand
{
public:
  CCommandNBAbout() : CRhinoCommand(0, 0, nullptr, 0) {}

  ON_UUID CommandUUID() override
  {
    // 3A0F7C21-5B8E-4D1A-9C64-1E2F3A4B5C05
    return {0x3A0F7C21, 0x5B8E, 0x4D1A, {0x9C, 0x64, 0x1E, 0x2F, 0x3A, 0x4B, 0x5C, 0x05}};
  }
  const wchar_t* EnglishCommandName() override { return L"NBAbout"; }

  result RunCommand(const CRhinoCommandContext&) override
  {
    QORGUIUtils::About(ON_String(NubiloIdentity::ProductTitle), nullptr);
    return success;
  }
};

static CCommandNBAbout theNBAboutCommand;
