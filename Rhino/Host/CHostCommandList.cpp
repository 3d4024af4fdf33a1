#include "CHostCommand.h"

#include "TextFormat.h"

// List: the document's objects with their numbers, coordinates in full, and the selection.
class CHostCommandList : public CHostCommand
{
public:
  CHostCommandList()
      : CHostCommand(L"List", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x06}},
                     "List             the document's objects with their numbers")
  {
  }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    const CRhinoDoc& doc = context.m_doc;
    int selected = 0;
    for (int number = 1; number <= doc.ObjectCount(); ++number)
    {
      const CRhinoObject& object = *doc.ObjectAt(number);
      selected += object.IsSelected() ? 1 : 0;
      RhinoApp().Print("%d  %s%s\n", number, Describe(*object.Geometry()).c_str(),
                       object.IsSelected() ? "  (selected)" : "");
    }
    RhinoApp().Print("%d object(s), %d selected\n", doc.ObjectCount(), selected);
    return success;
  }

private:
  static std::string Point(const ON_3dPoint& p)
  {
    using Platform::TextFormat;
    return "(" + TextFormat::Number(p.x) + ", " + TextFormat::Number(p.y) + ", " + TextFormat::Number(p.z) + ")";
  }

  static std::string Describe(const ON_Geometry& geometry)
  {
    if (const ON_Point* point = ON_Point::Cast(&geometry))
      return "point " + Point(point->point);
    std::string name = geometry.ClassId()->ClassName();
    if (const ON_Annotation2* annotation = ON_Annotation2::Cast(&geometry))
    {
      const ON_String text{ON_wString(annotation->TextValue())};
      name += " \"" + std::string(text.IsEmpty() ? "" : text.Array()) + "\"";
    }
    const ON_BoundingBox box = geometry.BoundingBox();
    return name + " from " + Point(box.m_min) + " to " + Point(box.m_max);
  }
};

static CHostCommandList theListCommand;
