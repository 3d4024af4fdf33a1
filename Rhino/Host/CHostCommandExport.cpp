#include "CHostCommand.h"
#include "DocumentExporter.h"

// Export FILE: the selected objects, or all, in the format the extension names.
class CHostCommandExport : public CHostCommand {
 public:
  CHostCommandExport()
      : CHostCommand(L"Export", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x01}}) {}

  result RunCommand(const CRhinoCommandContext& context) override {
    std::string path, message;
    if (!NextToken("File name to export", path)) {
      RhinoApp().Print("Failure [Export needs a file name]\n");
      return failure;
    }
    if (!DocumentExporter::Export(DocumentExporter::ObjectsToExport(context.m_doc), path,
                                  message)) {
      RhinoApp().Print("Failure [%s]\n", message.c_str());
      return failure;
    }
    RhinoApp().Print("%s\n", message.c_str());
    return success;
  }
};

static CHostCommandExport theExportCommand;
