#include "CNubiloHostVersion.h"
#include "QORTXT.h"
#include "rhinoSdk.h"

// NBImportPoints: the points of a delimited text file become point objects.
class CCommandNBImportPoints : public CRhinoCommand
{
public:
  CCommandNBImportPoints() : CRhinoCommand(0, 0, nullptr, 0) {}

  ON_UUID CommandUUID() override
  {
    // 3A0F7C21-5B8E-4D1A-9C64-1E2F3A4B5C01
    return {0x3A0F7C21, 0x5B8E, 0x4D1A, {0x9C, 0x64, 0x1E, 0x2F, 0x3A, 0x4B, 0x5C, 0x01}};
  }
  const wchar_t* EnglishCommandName() override { return L"NBImportPoints"; }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    if (!CNubiloHostVersion::Check())
      return failure;
    CRhinoDoc& doc = context.m_doc;
    ON_ClassArray<QOR3dPoint> points;
    ON_wString fileName;
    if (!QORTXT::Read(points, fileName, nullptr))
    {
      if (fileName.IsEmpty())
        RhinoApp().Print(L"Failure [%s]\n", static_cast<const wchar_t*>(QORTXT::GetError()));
      else
        RhinoApp().Print(L"Failure [%s] %s\n", static_cast<const wchar_t*>(QORTXT::GetError()),
                         static_cast<const wchar_t*>(fileName));
      return cancel;
    }
    for (int i = 0; i < points.Count(); ++i)
      doc.AddPointObject(points[i].m_point);
    doc.Redraw();
    PrintCount(points.Count(), QORTXT::GetSkippedLineCount());
    return success;
  }

private:
  // Lines that made no point (headers, text, short lines) are counted, so a user sees them.
  static void PrintCount(int points, int skipped)
  {
    if (skipped == 0)
      RhinoApp().Print("Imported %d points\n", points);
    else
      RhinoApp().Print("Imported %d points (skipped %d %s not points)\n", points, skipped,
                       skipped == 1 ? "line that is" : "lines that are");
  }
};

static CCommandNBImportPoints theNBImportPointsCommand;
