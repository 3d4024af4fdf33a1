#include "CHostCommand.h"
#include "DocumentImporter.h"

// Import FILE: meshes and models, by extension.
class CHostCommandImport : public CHostCommand {
 public:
  CHostCommandImport()
      : CHostCommand(L"Import", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x02}}) {}

  result RunCommand(const CRhinoCommandContext& context) override {
    std::string path, message;
    if (!NextToken("File name to import", path)) {
      RhinoApp().Print("Failure [Import needs a file name]\n");
      return failure;
    }
    if (!DocumentImporter::Import(context.m_doc, path, message)) {
      RhinoApp().Print("Failure [%s]\n", message.c_str());
      return failure;
    }
    context.m_doc.Redraw();
    RhinoApp().Print("%s\n", message.c_str());
    return success;
  }
};

static CHostCommandImport theImportCommand;
