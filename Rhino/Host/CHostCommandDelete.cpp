#include "CHostCommand.h"

// Delete: removes the selected objects.
class CHostCommandDelete : public CHostCommand
{
public:
  CHostCommandDelete()
      : CHostCommand(L"Delete", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x05}},
                     "Delete           delete the selected objects")
  {
  }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    const int deleted = context.m_doc.DeleteSelected();
    if (deleted == 0)
    {
      RhinoApp().Print("No objects selected\n");
      return nothing;
    }
    context.m_doc.Redraw();
    RhinoApp().Print("%d object(s) deleted\n", deleted);
    return success;
  }
};

static CHostCommandDelete theDeleteCommand;
