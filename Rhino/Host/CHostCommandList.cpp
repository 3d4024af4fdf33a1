#include "CHostCommand.h"

// List: the document's objects with their numbers.
class CHostCommandList : public CHostCommand {
 public:
  CHostCommandList()
      : CHostCommand(L"List", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x06}}) {}

  result RunCommand(const CRhinoCommandContext& context) override {
    const CRhinoDoc& doc = context.m_doc;
    for (int number = 1; number <= doc.ObjectCount(); ++number) {
      const CRhinoObject& object = *doc.ObjectAt(number);
      RhinoApp().Print("%d  %s%s\n", number, Describe(*object.Geometry()).c_str(),
                       object.IsSelected() ? "  (selected)" : "");
    }
    RhinoApp().Print("%d object(s)\n", doc.ObjectCount());
    return success;
  }

 private:
  static std::string Describe(const ON_Geometry& geometry) {
    char text[160];
    if (const ON_Point* point = ON_Point::Cast(&geometry)) {
      std::snprintf(text, sizeof text, "point (%g, %g, %g)", point->point.x, point->point.y,
                    point->point.z);
      return text;
    }
    const ON_BoundingBox box = geometry.BoundingBox();
    std::snprintf(text, sizeof text, "%s from (%g, %g, %g) to (%g, %g, %g)",
                  geometry.ClassId()->ClassName(), box.m_min.x, box.m_min.y, box.m_min.z,
                  box.m_max.x, box.m_max.y, box.m_max.z);
    return text;
  }
};

static CHostCommandList theListCommand;
