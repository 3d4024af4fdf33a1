#include "FileFormatTable.h"

#include "DocumentFile.h"
#include "DxfFileTransfer.h"
#include "GridFileTransfer.h"
#include "IgesFileTransfer.h"
#include "MeshFileTransfer.h"
#include "PointFileTransfer.h"
#include "RPFileTransfer.h"

#include <algorithm>
#include <cctype>

namespace
{

bool Read3dm(CRhinoDoc& doc, const std::string& path, std::string& message)
{
  return DocumentFile::Current().Import(doc, path, message);
}

bool Write3dm(const std::vector<const CRhinoObject*>& objects, const std::string& path, std::string& message)
{
  return DocumentFile::Current().Export(objects, path, message);
}

} // namespace

const std::vector<FileFormat>& FileFormatTable::Formats()
{
  static const std::vector<FileFormat> formats = {
      {{".txt", ".xyz"},
       nullptr,
       PointFileTransfer::WriteSpaced,
       "(use NBImportPoints)",
       "points and mesh vertices separated by spaces, full precision"},
      {{".csv"},
       nullptr,
       PointFileTransfer::WriteCommaSeparated,
       "(use NBImportPoints)",
       "points and mesh vertices separated by commas, full precision"},
      {{".stl"},
       MeshFileTransfer::ReadStl,
       MeshFileTransfer::WriteStl,
       "one mesh per solid",
       "meshes, binary unless FileType=ASCII"},
      {{".obj"}, MeshFileTransfer::ReadObj, MeshFileTransfer::WriteObj, "one mesh per group", "meshes with their .mtl"},
      {{".3dm"}, Read3dm, Write3dm, "every object and layer it can read", "the document (or the selection)"},
      {{".dxf"}, nullptr, DxfFileTransfer::Write, "(export only)", "points, curves (3-D polylines keep z), meshes"},
      {{".asc"},
       GridFileTransfer::Read,
       nullptr,
       "one mesh over the grid's data cells (cell centres, NODATA cells left out)",
       "-"},
      {{".igs", ".iges"},
       IgesFileTransfer::Read,
       nullptr,
       "the curves, points, meshes, notes (as text) and leaders the IGES conversion makes, on their layers and "
       "colours, "
       "in the file's units",
       "-"},
      {{".rp"},
       RPFileTransfer::Read,
       RPFileTransfer::Write,
       "one mesh (Password=TEXT; asked for on a terminal when missing or wrong)",
       "meshes, joined (Password=TEXT)"},
  };
  return formats;
}

std::string FileFormatTable::Extension(const std::string& path)
{
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    return "";
  std::string extension = path.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

const FileFormat* FileFormatTable::Find(const std::string& path)
{
  const std::string extension = Extension(path);
  for (const FileFormat& format : Formats())
    if (std::find(format.extensions.begin(), format.extensions.end(), extension) != format.extensions.end())
      return &format;
  return nullptr;
}

std::string FileFormatTable::Help()
{
  std::string help = "  extension    Import gives / Export writes\n";
  for (const FileFormat& format : Formats())
  {
    std::string names;
    for (const std::string& extension : format.extensions)
      names += (names.empty() ? "" : " ") + extension;
    names.resize(std::max<size_t>(names.size(), 11), ' ');
    help += "  " + names + "  " + format.importHelp + " / " + format.exportHelp + "\n";
  }
  return help;
}
