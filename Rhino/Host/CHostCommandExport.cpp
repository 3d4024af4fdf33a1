#include "CHostCommand.h"
#include "FileFormatTable.h"

#include <cerrno>

// Export FILE: the selected objects, or all, in the format the extension names.
class CHostCommandExport : public CHostCommand
{
public:
  CHostCommandExport()
      : CHostCommand(L"Export", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x01}},
                     "Export FILE      the selected objects, or all when none is selected, by extension")
  {
  }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    std::string path, message;
    if (!NextFileName("File name to export", path))
    {
      RhinoApp().Print("Failure [Export needs a file name]\n");
      return failure;
    }
    const FileFormat* format = FileFormatTable::Find(path);
    if (!format || !format->write)
    {
      RhinoApp().Print("Failure [Cannot export to \"%s\" files] (Help lists the formats)\n",
                       FileFormatTable::Extension(path).c_str());
      return failure;
    }
    errno = 0;
    if (!format->write(ObjectsToExport(context.m_doc), path, message))
    {
      PrintFileFailure(message, path, errno);
      return failure;
    }
    RhinoApp().Print("%s\n", message.c_str());
    return success;
  }

private:
  // The selected objects, or all when none is selected.
  static std::vector<const CRhinoObject*> ObjectsToExport(const CRhinoDoc& doc)
  {
    std::vector<const CRhinoObject*> objects;
    const bool selectedOnly = doc.SelectedCount() > 0;
    for (const auto& object : doc.Objects())
      if (!selectedOnly || object->IsSelected())
        objects.push_back(object.get());
    return objects;
  }
};

static CHostCommandExport theExportCommand;
