#include "CHostCommand.h"

// SelAll and SelNone: select every object of the document, or none.
class CHostCommandSelect : public CHostCommand
{
public:
  CHostCommandSelect(const wchar_t* name, const ON_UUID& id, const char* usage, bool select)
      : CHostCommand(name, id, usage), m_select(select)
  {
  }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    context.m_doc.SelectAll(m_select);
    RhinoApp().Print("%d object(s) selected\n", context.m_doc.SelectedCount());
    return success;
  }

private:
  bool m_select;
};

static CHostCommandSelect theSelAllCommand(L"SelAll", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x03}},
                                           "SelAll           select every object", true);
static CHostCommandSelect theSelNoneCommand(L"SelNone", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x04}},
                                            "SelNone          select no object", false);
