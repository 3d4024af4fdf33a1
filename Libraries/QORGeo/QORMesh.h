#pragma once

#include "opennurbs.h"

// Mesh operations of the geometry library. Static only; failures set the class's error text.
class QORMesh
{
public:
  QORMesh() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Drops the mesh's topology, partition and caches, then compacts it.
  static void Clean(ON_Mesh& mesh);

  // Appends one face with vertices of its own; 0 (mesh untouched) when its topology is invalid,
  // as for a degenerate face.
  static int AddTriangle(ON_Mesh& mesh, const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c);
  static int AddQuad(ON_Mesh& mesh, const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c,
                     const ON_3dPoint& d);
  // A quad when the fourth point is valid, else the triangle of the first three.
  static int AddFace(ON_Mesh& mesh, const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c,
                     const ON_3dPoint& d);

  // Appends every mesh of the list, in order, to the given mesh.
  static void Combine(const ON_ClassArray<ON_Mesh>& meshes, ON_Mesh& mesh);
  // Replaces the list's content with the mesh's edge-connected parts, one mesh each, in order of
  // their first face (see the source for what each part keeps); the list is untouched on failure.
  static int ExtractShells(const ON_Mesh& mesh, ON_ClassArray<ON_Mesh>& meshes);

private:
  static int AppendIfValid(ON_Mesh& mesh, ON_Mesh& face);
  static ON_wString s_error;
};
