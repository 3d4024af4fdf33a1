#pragma once

#include "opennurbs.h"

#include <functional>
#include <string_view>
#include <vector>

class QORLineReader;

// Wavefront OBJ files with their MTL material files: vertex positions, faces and groups.
// Static only; failures set the class's error text.
class QOROBJ
{
public:
  QOROBJ() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // The whole file as one mesh with shared vertices; the mesh is untouched on failure.
  static int OBJToMesh(const ON_wString& path, ON_Mesh& mesh);
  // One mesh per group, in order of first appearance, then one for the faces outside any group.
  static int OBJToMesh(const ON_wString& path, ON_ClassArray<ON_Mesh>& meshes);
  // With `materials` nonzero the MTL file is written too and referenced.
  static int MeshToOBJ(const ON_Mesh& mesh, const ON_wString& path, int materials);
  // One group per mesh, or with `join` nonzero the meshes joined into one.
  static int MeshToOBJ(const ON_ClassArray<ON_Mesh>& meshes, const ON_wString& path, int materials, int join);
  // The MTL file beside the OBJ file, one material per colour; its name (no folder) goes to
  // `mtlName`. The colour's alpha, a transparency, gives "Tf" (alpha / 255 transmitted) and the
  // dissolve "d", an opacity (1 - alpha / 255).
  static int WriteMTLFile(const ON_wString& objPath, const ON_SimpleArray<ON_Color>& colours, ON_wString& mtlName);

protected:
  // Every vertex number (1-based) of a face line; 0 when there are fewer than three or one of
  // them is not a vertex of the file. A negative number counts back from the last vertex defined
  // before the line (-1 is that vertex), as every other OBJ reader reads it.
  static int GetVertexNumbers(std::string_view line, int vertexCount, int verticesBefore, ON_SimpleArray<int>& numbers);
  // The names of a "g " line, in order.
  static void GetLineGroupNames(std::string_view line, std::vector<std::string_view>& names);

private:
  using GroupVisitor = std::function<void(const std::vector<std::string_view>& names)>;
  using FaceVisitor = std::function<void(const ON_SimpleArray<int>& vertexNumbers)>;
  // The pass the readers share, over the file's lines in order: the names of every group line go
  // to `group`, the vertex numbers of every face line whose corners are vertices of the file to
  // `face`.
  static void WalkGroupsAndFaces(QORLineReader& lines, int vertexCount, const GroupVisitor& group,
                                 const FaceVisitor& face);
  static int WriteOBJ(const ON_Mesh* const* meshes, int count, const ON_wString& path, int materials);
};
