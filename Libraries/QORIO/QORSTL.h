#pragma once

#include "WindowHandle.h"
#include "opennurbs.h"

#include <string>
#include <string_view>

// STL files, text and binary. Static only; failures set the class's error text.
class QORSTL
{
public:
  QORSTL() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Every solid of the file, one mesh each (a binary file gives at most one). The list is
  // emptied once the file is read.
  static int STLToMesh(const ON_wString& path, ON_ClassArray<ON_Mesh>& meshes);
  // All solids of the file joined into one mesh; the mesh is untouched on failure.
  static int STLToMesh(const ON_wString& path, ON_Mesh& mesh);
  // Binary when `binary` is nonzero, else text. Quads are written as two triangles.
  static int MeshToSTL(const ON_Mesh& mesh, const ON_wString& path, int binary);
  // Every mesh of the list as one solid.
  static int MeshToSTL(const ON_ClassArray<ON_Mesh>& meshes, const ON_wString& path, int binary);
  // The "STL Export Options" dialog: 1 with the choice (0 text, 1 binary) stored in `binary`,
  // 0 when cancelled.
  static int GetSTLExportOptions(int& binary, HWND* parent);

protected:
  static bool IsTextSTL(std::string_view content);
  static void ReadASCIISTLFile(std::string_view content, ON_ClassArray<ON_Mesh>& meshes);
  static void ReadBinarySTLFile(std::string_view content, ON_Mesh& mesh);
  // Appends one facet to `out`; the normal is the triangle's unit normal, or zero when degenerate.
  static void WriteFace(std::string& out, const ON_3dPoint& p0, const ON_3dPoint& p1, const ON_3dPoint& p2, int binary);

private:
  static int WriteMesh(const ON_Mesh& mesh, const ON_wString& path, int binary);
};
