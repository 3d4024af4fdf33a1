#include "CHostCommand.h"
#include "DocumentFile.h"
#include "FileFormatTable.h"
#include "QOR3DM.h"

#include <cerrno>
#include <strings.h>

// Save [FILE.3dm] [Version=2|3]: the document as a 3DM file, through the "3DM Export Options"
// form; without a file name to the document's own file.
class CHostCommandSave : public CHostCommand
{
public:
  CHostCommandSave()
      : CHostCommand(L"Save", {0x6B1C2D01, 0x1A2B, 0x4C3D, {0x8E, 0x01, 0, 0, 0, 0, 0, 0x3D}},
                     "Save [FILE] [Version=2|3]  save the document (3DM)")
  {
  }

  result RunCommand(const CRhinoCommandContext& context) override
  {
    DocumentFile& file = DocumentFile::Current();
    std::string path = file.Path();
    int version = file.Version();
    std::string token;
    if (NextFileName("File name to save", token))
    {
      if (FileFormatTable::Extension(token) == ".3dm")
        path = token;
      else
        RhinoApp().CommandStream().Unget(token);
    }
    if (NextToken("Version", token))
    {
      if (strncasecmp(token.c_str(), "Version=", 8) == 0)
        version = std::atoi(token.c_str() + 8);
      else
        RhinoApp().CommandStream().Unget(token);
    }
    if (path.empty())
    {
      RhinoApp().Print("Failure [Save needs a .3dm file name]\n");
      return failure;
    }
    if (!DocumentFile::CanWrite(version))
    {
      RhinoApp().Print("Failure [%s]\n", DocumentFile::VersionError(version).c_str());
      return failure;
    }
    if (!QOR3DM::Get3DMExportOptions(version, nullptr))
      return cancel;
    std::string message;
    errno = 0;
    if (!file.Save(context.m_doc, path, version, message))
    {
      PrintFileFailure(message, path, errno);
      return failure;
    }
    RhinoApp().Print("%s\n", message.c_str());
    return success;
  }
};

static CHostCommandSave theSaveCommand;
