#pragma once

#include "WindowHandle.h"
#include "opennurbs.h"

// RP files, password-protected meshes: the converter library Prismal turns them into binary STL
// files and back, by way of a temporary file of the user's own. Static only; failures set the
// class's error text and leave the caller's mesh or list as it was.
class QORRP
{
public:
  QORRP() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // The converter, looked for beside this library.
  static constexpr const char* ConverterFile = "libPrismal.so";
  // How often a refused password is asked for again before the reading fails.
  static constexpr int MaximumPrompts = 3;

  // Reads the RP file into one mesh (all solids joined). `password` is tried first; when it is
  // refused and `ask` is nonzero, the "RP Password" prompt asks for another (owned by `owner`,
  // which may be null), each checked the same way.
  static int RPToMesh(const ON_wString& rpPath, ON_Mesh& mesh, const ON_wString& password, int ask, HWND* owner);
  // As above, then the mesh's edge-connected parts, one mesh each (QORMesh::ExtractShells).
  static int RPToMesh(const ON_wString& rpPath, ON_ClassArray<ON_Mesh>& meshes, const ON_wString& password, int ask,
                      HWND* owner);
  // Writes the mesh as an RP file protected by `password` (empty: none); quads are stored as two
  // triangles.
  static int MeshToRP(const ON_Mesh& mesh, const ON_wString& rpPath, const ON_wString& password);
  // A list of one mesh is written as that mesh; any other list as its meshes joined in order.
  static int MeshToRP(const ON_ClassArray<ON_Mesh>& meshes, const ON_wString& rpPath, const ON_wString& password);

private:
  static int ReadMesh(const ON_wString& rpPath, ON_Mesh& mesh, const ON_wString& password, int ask, HWND* owner);
  static int WriteMesh(const ON_Mesh& mesh, const ON_wString& rpPath, const ON_wString& password);
};
