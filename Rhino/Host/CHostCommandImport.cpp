#include "CHostCommand.h"
#include "FileFormatTable.h"

#include <cerrno>

// Import FILE: meshes and models, by extension.
class CHostCommandImport : public CHostCommand
{
public:
  CHostCommandImport()
      : CHostCommand(L"Import", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x02}},
                     "Import FILE      the objects of a file, by extension")
  {
  }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    std::string path, message;
    if (!NextFileName("File name to import", path))
    {
      RhinoApp().Print("Failure [Import needs a file name]\n");
      return failure;
    }
    const FileFormat* format = FileFormatTable::Find(path);
    if (!format || !format->read)
    {
      const std::string hint = format ? std::string(" ") + format->importHelp : " (Help lists the formats)";
      RhinoApp().Print("Failure [Cannot import \"%s\" files]%s\n", FileFormatTable::Extension(path).c_str(),
                       hint.c_str());
      return failure;
    }
    errno = 0;
    if (!format->read(context.m_doc, path, message))
    {
      PrintFileFailure(message, path, errno);
      return failure;
    }
    context.m_doc.Redraw();
    RhinoApp().Print("%s\n", message.c_str());
    return success;
  }
};

static CHostCommandImport theImportCommand;
