// QOROBJ: error text and reading.
#include "QOROBJ.h"

#include "QORFileContent.h"
#include "QORLineReader.h"
#include "QORMesh.h"
#include "QORTextScan.h"
#include "LastError.h"

#include <new>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace
{

bool StartsWith(std::string_view line, char c) { return line.size() >= 2 && line[0] == c && line[1] == ' '; }

// "v x y z": coordinates that are missing or not numbers are 0.
ON_3dPoint ReadVertex(std::string_view line)
{
  size_t pos = 0;
  QORTextScan::NextWord(line, pos);
  double xyz[3] = {0.0, 0.0, 0.0};
  for (double& c : xyz)
  {
    if (!QORTextScan::NextDouble(line, pos, c))
      break;
  }
  return ON_3dPoint(xyz[0], xyz[1], xyz[2]);
}

struct Vertices
{
  std::vector<ON_3dPoint> points;
  int face_lines = 0;
};

// The first pass over a file: its vertices and the number of its face lines.
Vertices ReadVertices(QORLineReader& lines)
{
  Vertices result;
  std::string_view line;
  while (lines.Next(line))
  {
    if (StartsWith(line, 'v'))
      result.points.push_back(ReadVertex(line));
    else if (StartsWith(line, 'f'))
      result.face_lines++;
  }
  lines.Rewind();
  return result;
}

} // namespace

ON_wString QOROBJ::GetError() { return Platform::LastError<QOROBJ, ON_wString>::Get(); }

void QOROBJ::SetError(const ON_wString& text) { Platform::LastError<QOROBJ, ON_wString>::Set(text); }

int QOROBJ::GetVertexNumbers(std::string_view line, int vertexCount, int verticesBefore, ON_SimpleArray<int>& numbers)
{
  numbers.Empty();
  size_t pos = 0;
  QORTextScan::NextWord(line, pos); // "f"
  for (std::string_view word = QORTextScan::NextWord(line, pos); !word.empty(); word = QORTextScan::NextWord(line, pos))
  {
    int number = 0;
    if (!QORTextScan::LeadingInteger(word, number))
      return 0;
    if (number < 0)
      number += verticesBefore + 1;
    if (number < 1 || number > vertexCount)
      return 0;
    numbers.Append(number);
  }
  return numbers.Count() >= 3 ? 1 : 0;
}

void QOROBJ::GetLineGroupNames(std::string_view line, std::vector<std::string_view>& names)
{
  names.clear();
  size_t pos = 1; // after "g"
  for (std::string_view word = QORTextScan::NextWord(line, pos); !word.empty(); word = QORTextScan::NextWord(line, pos))
    names.push_back(word);
}

void QOROBJ::WalkGroupsAndFaces(QORLineReader& lines, int vertexCount, const GroupVisitor& group,
                                const FaceVisitor& face)
{
  std::vector<std::string_view> names;
  ON_SimpleArray<int> numbers;
  int vertices_before = 0;
  std::string_view line;
  while (lines.Next(line))
  {
    if (StartsWith(line, 'v'))
      vertices_before++;
    else if (StartsWith(line, 'g'))
    {
      GetLineGroupNames(line, names);
      group(names);
    }
    else if (StartsWith(line, 'f') && GetVertexNumbers(line, vertexCount, vertices_before, numbers))
      face(numbers);
  }
}

// Faces of more than four corners are split into a fan of triangles from the first corner.
int QOROBJ::OBJToMesh(const ON_wString& path, ON_Mesh& mesh)
{
  try
  {
    QORFileContent file;
    if (!file.Load(path))
    {
      SetError(L"Unable to read OBJ file");
      return 0;
    }
    QORLineReader lines(file.Text());
    const Vertices vertices = ReadVertices(lines);
    const int vertex_count = static_cast<int>(vertices.points.size());

    ON_Mesh result(vertices.face_lines, vertex_count, false, false);
    for (const ON_3dPoint& p : vertices.points)
      result.m_V.Append(ON_3fPoint(p));
    WalkGroupsAndFaces(
        lines, vertex_count, [](const std::vector<std::string_view>&) {},
        [&result](const ON_SimpleArray<int>& n)
        {
          if (n.Count() == 4)
          {
            result.m_F.Append(ON_MeshFace{{n[0] - 1, n[1] - 1, n[2] - 1, n[3] - 1}});
            return;
          }
          for (int k = 1; k + 1 < n.Count(); k++)
            result.m_F.Append(ON_MeshFace{{n[0] - 1, n[k] - 1, n[k + 1] - 1, n[k + 1] - 1}});
        });
    if (result.m_V.Count() != vertex_count)
      throw std::bad_alloc();
    result.Compact();
    if (!result.IsValid())
    {
      SetError(L"Mesh has invalid geometry");
      return 0;
    }
    mesh = std::move(result);
    return 1;
  }
  catch (const std::bad_alloc&)
  {
    SetError(L"Unable to read OBJ file");
    return 0;
  }
}

namespace
{

// Adds a face of three or more corners to the mesh with vertices of its own; larger faces as a
// fan of triangles from the first corner.
void AddFace(ON_Mesh& mesh, const std::vector<ON_3dPoint>& points, const ON_SimpleArray<int>& n)
{
  if (n.Count() == 4)
  {
    QORMesh::AddQuad(mesh, points[n[0] - 1], points[n[1] - 1], points[n[2] - 1], points[n[3] - 1]);
    return;
  }
  for (int k = 1; k + 1 < n.Count(); k++)
    QORMesh::AddTriangle(mesh, points[n[0] - 1], points[n[k] - 1], points[n[k + 1] - 1]);
}

void KeepIfValid(ON_Mesh& mesh, ON_ClassArray<ON_Mesh>& meshes)
{
  mesh.Compact();
  if (mesh.IsValid())
    meshes.AppendNew() = std::move(mesh);
}

} // namespace

int QOROBJ::OBJToMesh(const ON_wString& path, ON_ClassArray<ON_Mesh>& meshes)
{
  try
  {
    QORFileContent file;
    if (!file.Load(path))
    {
      SetError(L"Unable to read OBJ file");
      return 0;
    }
    QORLineReader lines(file.Text());
    const std::vector<ON_3dPoint> points = ReadVertices(lines).points;
    // Groups by name (exact, case-sensitive) in order of first appearance, then the faces outside any.
    std::unordered_map<std::string_view, int> known;
    std::vector<ON_Mesh> groups;
    ON_Mesh outside;
    std::vector<int> current;
    std::vector<int> named_on_line; // a name given twice on a line counts once
    int group_line = 0;
    auto on_group = [&](const std::vector<std::string_view>& names)
    {
      current.clear();
      group_line++;
      for (const std::string_view name : names)
      {
        const int group = known.emplace(name, static_cast<int>(known.size())).first->second;
        if (group == static_cast<int>(groups.size()))
        {
          groups.emplace_back();
          named_on_line.push_back(-1);
        }
        if (named_on_line[group] != group_line)
          current.push_back(group);
        named_on_line[group] = group_line;
      }
    };
    auto on_face = [&](const ON_SimpleArray<int>& n)
    {
      if (current.empty())
        AddFace(outside, points, n);
      for (const int group : current)
        AddFace(groups[group], points, n);
    };
    WalkGroupsAndFaces(lines, static_cast<int>(points.size()), on_group, on_face);
    groups.push_back(std::move(outside));
    meshes.Empty();
    for (ON_Mesh& group : groups)
      KeepIfValid(group, meshes);
    return 1;
  }
  catch (const std::bad_alloc&)
  {
    SetError(L"Unable to read OBJ file");
    return 0;
  }
}
