// QORSTL: error text and reading.
#include "QORSTL.h"

#include "QORFileContent.h"
#include "QORLineReader.h"
#include "QORMesh.h"
#include "QORTextScan.h"
#include "LastError.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "binary STL is read as little-endian memory");

namespace
{

constexpr size_t kHeaderSize = 80;
constexpr size_t kFacetSize = 50;
constexpr size_t kDetectionChunk = 49;

// A vertex line: a word, then three finite numbers.
bool ReadVertexLine(std::string_view line, ON_3dPoint& point)
{
  size_t pos = 0;
  if (QORTextScan::NextWord(line, pos).empty())
    return false;
  float xyz[3];
  for (float& c : xyz)
  {
    if (!QORTextScan::NextFloat(line, pos, c) || !std::isfinite(c))
      return false;
  }
  point = ON_3dPoint(xyz[0], xyz[1], xyz[2]);
  return true;
}

} // namespace

ON_wString QORSTL::GetError() { return Platform::LastError<QORSTL, ON_wString>::Get(); }

void QORSTL::SetError(const ON_wString& text) { Platform::LastError<QORSTL, ON_wString>::Set(text); }

int QORSTL::STLToMesh(const ON_wString& path, ON_ClassArray<ON_Mesh>& meshes)
{
  try
  {
    QORFileContent file;
    if (!file.Load(path))
    {
      SetError(L"Unable to read STL file");
      return 0;
    }
    ON_ClassArray<ON_Mesh> solids;
    const std::string_view content = file.Text();
    if (IsTextSTL(content))
    {
      ReadASCIISTLFile(content, solids);
    }
    else
    {
      ON_Mesh mesh;
      ReadBinarySTLFile(content, mesh);
      if (mesh.IsValid())
        solids.AppendNew() = std::move(mesh);
    }
    meshes.Empty();
    for (int i = 0; i < solids.Count(); i++)
      meshes.AppendNew() = std::move(solids[i]);
    return 1;
  }
  catch (const std::bad_alloc&)
  {
    SetError(L"Unable to read STL file");
    return 0;
  }
}

int QORSTL::STLToMesh(const ON_wString& path, ON_Mesh& mesh)
{
  ON_ClassArray<ON_Mesh> solids;
  if (!STLToMesh(path, solids))
    return 0;
  if (solids.Count() == 1)
  {
    mesh = std::move(solids[0]);
    return 1;
  }
  mesh.Destroy();
  for (int i = 0; i < solids.Count(); i++)
    mesh.Append(solids[i]);
  return 1;
}

// Text when some chunk of the file, read as a C text stream reads it in pieces of at most 49
// characters, starts with the word "facet" (any case).
bool QORSTL::IsTextSTL(std::string_view content)
{
  const char* data = content.data();
  size_t pos = 0;
  while (pos < content.size())
  {
    size_t end = std::min(pos + kDetectionChunk, content.size());
    const void* newline = std::memchr(data + pos, '\n', end - pos);
    if (newline)
      end = static_cast<size_t>(static_cast<const char*>(newline) - data) + 1;
    const std::string_view chunk = content.substr(pos, end - pos);
    pos = end;
    const size_t first = chunk.find_first_not_of(" \t\n\r\v\f");
    if (first == std::string_view::npos || (chunk[first] != 'f' && chunk[first] != 'F'))
      continue;
    size_t word_pos = first;
    if (QORTextScan::EqualsIgnoringCase(QORTextScan::NextWord(chunk, word_pos), "facet"))
      return true;
  }
  return false;
}

// Facets are read by position: after the "facet" line come "outer loop", three vertex lines,
// "endloop" and "endfacet". A facet with a bad vertex line, or cut off by the end of the file,
// is dropped; a solid is kept when its "endsolid" line is reached and it is valid. Facets after
// an "endsolid" start a new solid, so that no facet is returned twice.
void QORSTL::ReadASCIISTLFile(std::string_view content, ON_ClassArray<ON_Mesh>& meshes)
{
  QORLineReader lines(content);
  ON_Mesh solid;
  std::string_view line;
  while (lines.Next(line))
  {
    size_t pos = 0;
    const std::string_view word = QORTextScan::NextWord(line, pos);
    if (QORTextScan::EqualsIgnoringCase(word, "solid"))
    {
      solid.Destroy();
    }
    else if (QORTextScan::EqualsIgnoringCase(word, "endsolid") || QORTextScan::EqualsIgnoringCase(word, "end"))
    {
      if (solid.IsValid())
        meshes.AppendNew() = std::move(solid);
      solid.Destroy();
    }
    else if (QORTextScan::EqualsIgnoringCase(word, "facet"))
    {
      std::string_view facet[6];
      int read = 0;
      while (read < 6 && lines.Next(facet[read]))
        read++;
      if (read < 6)
        return;
      ON_3dPoint corners[3];
      if (ReadVertexLine(facet[1], corners[0]) && ReadVertexLine(facet[2], corners[1]) &&
          ReadVertexLine(facet[3], corners[2]))
        QORMesh::AddTriangle(solid, corners[0], corners[1], corners[2]);
    }
  }
}

// The facet count is bounded by the records the file holds; a cut-off last record is dropped.
void QORSTL::ReadBinarySTLFile(std::string_view content, ON_Mesh& mesh)
{
  uint32_t stated_count = 0;
  if (content.size() >= kHeaderSize + sizeof(stated_count))
    std::memcpy(&stated_count, content.data() + kHeaderSize, sizeof(stated_count));
  const size_t records = content.size() > kHeaderSize + 4 ? (content.size() - kHeaderSize - 4) / kFacetSize : 0;
  size_t count = std::min<size_t>(stated_count, records);
  count = std::min<size_t>(count, INT_MAX / 3);

  ON_Mesh result(static_cast<int>(count), static_cast<int>(3 * count), false, false);
  result.m_V.SetCount(static_cast<int>(3 * count));
  result.m_F.SetCount(static_cast<int>(count));
  if (result.m_V.Count() != static_cast<int>(3 * count) || result.m_F.Count() != static_cast<int>(count))
    throw std::bad_alloc();
  ON_3fPoint* V = result.m_V.Array();
  ON_MeshFace* F = result.m_F.Array();
  const char* record = content.data() + kHeaderSize + 4;
  for (size_t i = 0; i < count; i++, record += kFacetSize)
  {
    float corners[9];
    std::memcpy(corners, record + 12, sizeof(corners));
    const int v = static_cast<int>(3 * i);
    V[v] = ON_3fPoint(corners[0], corners[1], corners[2]);
    V[v + 1] = ON_3fPoint(corners[3], corners[4], corners[5]);
    V[v + 2] = ON_3fPoint(corners[6], corners[7], corners[8]);
    F[i] = ON_MeshFace{{v, v + 1, v + 2, v + 2}};
  }
  mesh = std::move(result);
}
