// QORSTL: writing and the export options dialog.
#include "QORSTL.h"

#include "Form.h"
#include "Presenter.h"
#include "QORSafeFile.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>

namespace
{

constexpr size_t kFlushSize = 1 << 20;
const char kBinaryHeader[] = "Binary STL file\nCreated by QORIO (Norvane Input Output Library)\n";

// The C "%f" form of the value rounded to single precision, independent of the locale.
void AppendFixed(std::string& out, double value)
{
  char text[64];
  const std::to_chars_result result = std::to_chars(
      text, text + sizeof(text), static_cast<double>(static_cast<float>(value)), std::chars_format::fixed, 6);
  out.append(text, result.ptr);
}

void AppendFixedTriple(std::string& out, const char* prefix, const ON_3dVector& v)
{
  out += prefix;
  AppendFixed(out, v.x);
  out += ' ';
  AppendFixed(out, v.y);
  out += ' ';
  AppendFixed(out, v.z);
  out += '\n';
}

// Any face with a fourth corner (only valid quads are split; the others are written as their
// first three corners either way).
bool HasQuads(const ON_Mesh& mesh)
{
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    if (mesh.m_F[fi].vi[2] != mesh.m_F[fi].vi[3])
      return true;
  }
  return false;
}

bool CornersInRange(const ON_MeshFace& face, int vertex_count)
{
  for (int k = 0; k < 3; k++)
  {
    if (face.vi[k] < 0 || face.vi[k] >= vertex_count)
      return false;
  }
  return true;
}

} // namespace

int QORSTL::MeshToSTL(const ON_ClassArray<ON_Mesh>& meshes, const ON_wString& path, int binary)
{
  if (meshes.Count() == 1)
    return MeshToSTL(meshes[0], path, binary);
  try
  {
    ON_Mesh joined;
    for (int i = 0; i < meshes.Count(); i++)
      joined.Append(meshes[i]);
    return WriteMesh(joined, path, binary);
  }
  catch (const std::bad_alloc&)
  {
    SetError(L"Unable to write to STL file");
    return 0;
  }
}

int QORSTL::MeshToSTL(const ON_Mesh& mesh, const ON_wString& path, int binary)
{
  try
  {
    return WriteMesh(mesh, path, binary);
  }
  catch (const std::bad_alloc&)
  {
    SetError(L"Unable to write to STL file");
    return 0;
  }
}

// Faces whose first three corners are not vertices of the mesh are left out.
int QORSTL::WriteMesh(const ON_Mesh& mesh, const ON_wString& path, int binary)
{
  QORSafeFile file;
  if (!file.Open(static_cast<const char*>(ON_String(path))))
  {
    SetError(L"Unable to write to STL file");
    return 0;
  }
  const ON_Mesh* source = &mesh;
  ON_Mesh triangles;
  if (HasQuads(mesh))
  {
    triangles = mesh;
    triangles.ConvertQuadsToTriangles();
    source = &triangles;
  }
  const int vertex_count = source->VertexCount();
  uint32_t facet_count = 0;
  for (int fi = 0; fi < source->FaceCount(); fi++)
  {
    if (CornersInRange(source->m_F[fi], vertex_count))
      facet_count++;
  }

  std::string out;
  out.reserve(kFlushSize + 1024);
  if (binary)
  {
    char header[80] = {};
    std::memcpy(header, kBinaryHeader, sizeof(kBinaryHeader) - 1);
    out.append(header, sizeof(header));
    out.append(reinterpret_cast<const char*>(&facet_count), sizeof(facet_count));
  }
  else
  {
    out += "solid\n";
  }
  bool ok = true;
  for (int fi = 0; fi < source->FaceCount() && ok; fi++)
  {
    const ON_MeshFace& face = source->m_F[fi];
    if (!CornersInRange(face, vertex_count))
      continue;
    WriteFace(out, ON_3dPoint(source->m_V[face.vi[0]]), ON_3dPoint(source->m_V[face.vi[1]]),
              ON_3dPoint(source->m_V[face.vi[2]]), binary);
    if (out.size() >= kFlushSize)
      ok = file.Flush(out);
  }
  if (!binary)
    out += "endsolid\n";
  if (!ok || !file.Flush(out) || !file.Commit())
  {
    SetError(L"Unable to write to STL file");
    return 0;
  }
  return 1;
}

void QORSTL::WriteFace(std::string& out, const ON_3dPoint& p0, const ON_3dPoint& p1, const ON_3dPoint& p2, int binary)
{
  ON_3dVector normal;
  normal.PerpendicularTo(p0, p1, p2);
  if (binary)
  {
    const double values[12] = {normal.x, normal.y, normal.z, p0.x, p0.y, p0.z, p1.x, p1.y, p1.z, p2.x, p2.y, p2.z};
    char record[50] = {};
    for (int i = 0; i < 12; i++)
    {
      const float value = static_cast<float>(values[i]);
      std::memcpy(record + 4 * i, &value, sizeof(value));
    }
    out.append(record, sizeof(record));
    return;
  }
  AppendFixedTriple(out, "  facet normal ", normal);
  out += "    outer loop\n";
  AppendFixedTriple(out, "      vertex ", ON_3dVector(p0));
  AppendFixedTriple(out, "      vertex ", ON_3dVector(p1));
  AppendFixedTriple(out, "      vertex ", ON_3dVector(p2));
  out += "    endloop\n  endfacet\n";
}

int QORSTL::GetSTLExportOptions(int& binary, HWND* /*parent*/)
{
  Platform::Form form("STL Export Options");
  Platform::FormField field;
  field.name = "FileType";
  field.label = "File type";
  field.kind = Platform::FieldKind::Choice;
  field.items = {"ASCII", "Binary"};
  field.value = binary ? "1" : "0";
  form.Add(field);
  if (!Platform::Presenter::Current().ShowForm(form))
    return 0;
  binary = form.IntValue("FileType") ? 1 : 0;
  return 1;
}
