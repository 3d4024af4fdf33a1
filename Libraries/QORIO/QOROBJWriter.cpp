// QOROBJ: writing OBJ and MTL files.
#include "QOROBJ.h"

#include "QORMesh.h"
#include "QORSafeFile.h"

#include <charconv>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

namespace
{

constexpr size_t kFlushSize = 1 << 20;
const char kOBJHeader[] = "## Wavefront OBJ file\n## Created by Norvane Geometry Library\n\n";
const char kMTLHeader[] = "## Wavefront MTL file\n## Created by Norvane Geometry Library\n\n";

std::string Utf8(const ON_wString& text) { return static_cast<const char*>(ON_String(text)); }

// The C "%f" form, independent of the locale.
void AppendFixed(std::string& out, double value)
{
  char text[400];
  const std::to_chars_result result = std::to_chars(text, text + sizeof(text), value, std::chars_format::fixed, 6);
  out.append(text, result.ptr);
}

// The shortest text that reads back to the same float or double, independent of the locale.
template <class Real>
void AppendShortest(std::string& out, Real value)
{
  char text[32];
  const std::to_chars_result result = std::to_chars(text, text + sizeof(text), value);
  out.append(text, result.ptr);
}

void AppendInteger(std::string& out, long long value)
{
  char text[24];
  const std::to_chars_result result = std::to_chars(text, text + sizeof(text), value);
  out.append(text, result.ptr);
}

void AppendLine(std::string& out, const char* keyword, double a, double b, double c)
{
  out += keyword;
  for (const double v : {a, b, c})
  {
    out += ' ';
    AppendFixed(out, v);
  }
  out += '\n';
}

template <class Point>
void AppendVertex(std::string& out, const Point& p)
{
  out += 'v';
  for (const auto v : {p.x, p.y, p.z})
  {
    out += ' ';
    AppendShortest(out, v);
  }
  out += '\n';
}

// One colour, or white when the mesh has none or several.
ON_Color MaterialColor(const ON_Mesh& mesh) { return mesh.m_C.Count() == 1 ? mesh.m_C[0] : ON_Color(255, 255, 255); }

// "folder/my model.obj" -> folder "folder/", name "my-model.mtl".
void MTLPath(const std::string& objPath, std::string& folder, std::string& name)
{
  const size_t slash = objPath.find_last_of('/');
  folder = slash == std::string::npos ? std::string() : objPath.substr(0, slash + 1);
  name = slash == std::string::npos ? objPath : objPath.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0)
    name.erase(dot);
  for (char& c : name)
  {
    if (c == ' ')
      c = '-';
  }
  name += ".mtl";
}

} // namespace

int QOROBJ::MeshToOBJ(const ON_Mesh& mesh, const ON_wString& path, int materials)
{
  const ON_Mesh* meshes[1] = {&mesh};
  return WriteOBJ(meshes, 1, path, materials);
}

int QOROBJ::MeshToOBJ(const ON_ClassArray<ON_Mesh>& meshes, const ON_wString& path, int materials, int join)
{
  if (meshes.Count() == 1)
    return MeshToOBJ(meshes[0], path, materials);
  try
  {
    if (join)
    {
      ON_Mesh joined;
      QORMesh::Combine(meshes, joined);
      return MeshToOBJ(joined, path, materials);
    }
    std::vector<const ON_Mesh*> list;
    for (int i = 0; i < meshes.Count(); i++)
      list.push_back(&meshes[i]);
    return WriteOBJ(list.data(), static_cast<int>(list.size()), path, materials);
  }
  catch (const std::bad_alloc&)
  {
    SetError(L"Unable to write to OBJ file");
    return 0;
  }
}

int QOROBJ::WriteOBJ(const ON_Mesh* const* meshes, int count, const ON_wString& path, int materials)
{
  ON_wString mtl_name;
  if (materials)
  {
    ON_SimpleArray<ON_Color> colours;
    for (int i = 0; i < count; i++)
      colours.Append(MaterialColor(*meshes[i]));
    if (!WriteMTLFile(path, colours, mtl_name))
      return 0;
  }
  try
  {
    QORSafeFile file;
    if (!file.Open(Utf8(path)))
    {
      SetError(L"Unable to write to OBJ file");
      return 0;
    }
    std::string out = kOBJHeader;
    if (materials)
      out += "mtllib " + Utf8(mtl_name) + "\n";
    bool ok = true;
    for (int i = 0; i < count && ok; i++)
    {
      const ON_Mesh& mesh = *meshes[i];
      // Double-precision vertices keep every digit they have; floats keep theirs.
      const bool doubles = mesh.HasDoublePrecisionVertices();
      for (int vi = 0; vi < mesh.VertexCount() && ok; vi++)
      {
        if (doubles)
          AppendVertex(out, mesh.Vertex(vi));
        else
          AppendVertex(out, mesh.m_V[vi]);
        if (out.size() >= kFlushSize)
          ok = file.Flush(out);
      }
    }
    long long offset = 1;
    for (int i = 0; i < count && ok; i++)
    {
      const ON_Mesh& mesh = *meshes[i];
      for (const char* keyword : {"g Object", "usemtl Material"})
      {
        if (keyword[0] == 'u' && !materials)
          continue;
        out += keyword;
        AppendInteger(out, i + 1);
        out += '\n';
      }
      for (int fi = 0; fi < mesh.FaceCount() && ok; fi++)
      {
        const ON_MeshFace& face = mesh.m_F[fi];
        out += 'f';
        for (int k = 0; k < (face.IsTriangle() ? 3 : 4); k++)
        {
          out += ' ';
          AppendInteger(out, offset + face.vi[k]);
        }
        out += '\n';
        if (out.size() >= kFlushSize)
          ok = file.Flush(out);
      }
      offset += mesh.VertexCount();
    }
    if (!ok || !file.Flush(out) || !file.Commit())
    {
      SetError(L"Unable to write to OBJ file");
      return 0;
    }
    return 1;
  }
  catch (const std::bad_alloc&)
  {
    SetError(L"Unable to write to OBJ file");
    return 0;
  }
}

int QOROBJ::WriteMTLFile(const ON_wString& objPath, const ON_SimpleArray<ON_Color>& colours, ON_wString& mtlName)
{
  try
  {
    std::string folder, name;
    MTLPath(Utf8(objPath), folder, name);
    QORSafeFile file;
    if (!file.Open(folder + name))
    {
      SetError(L"Unable to write to MTL file");
      return 0;
    }
    std::string out = kMTLHeader;
    for (int i = 0; i < colours.Count(); i++)
    {
      const ON_Color& c = colours[i];
      // ON_Color's alpha is a transparency; MTL's dissolve "d" is an opacity and "Tf" the
      // fraction of light transmitted.
      const double transmitted = c.FractionAlpha();
      out += "\nnewmtl Material";
      AppendInteger(out, i + 1);
      out += '\n';
      for (const char* keyword : {"Ka", "Kd", "Ks"})
        AppendLine(out, keyword, c.FractionRed(), c.FractionGreen(), c.FractionBlue());
      AppendLine(out, "Tf", transmitted, transmitted, transmitted);
      out += "d ";
      AppendFixed(out, 1.0 - transmitted);
      out += "\nNs 0\n";
    }
    if (!file.Flush(out) || !file.Commit())
    {
      SetError(L"Unable to write to MTL file");
      return 0;
    }
    mtlName = name.c_str();
    return 1;
  }
  catch (const std::bad_alloc&)
  {
    SetError(L"Unable to write to MTL file");
    return 0;
  }
}
