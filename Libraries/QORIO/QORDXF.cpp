// QORDXF: ASCII DXF entities.
#include "QORDXF.h"

#include "QORCurve.h"
#include "QORSafeFile.h"
#include "TextFormat.h"
#include "LastError.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

unsigned QORDXF::s_error_count = 0;

namespace
{

const ON_Color kWhite(255, 255, 255);
const char kLayerZero[] = "0";
constexpr int kPolyfaceLimit = 32767;
constexpr double kDegreesPerRadian = 57.29577951308232;

// A group: its code right-aligned in three columns, then its value.
bool Group(FILE* stream, int code, const std::string& value)
{
  return std::fprintf(stream, "%3d\n%s\n", code, value.c_str()) > 0;
}

bool Group(FILE* stream, int code, double value) { return Group(stream, code, Platform::TextFormat::Number(value)); }

// A coordinate triple under the codes base, base + 10 and base + 20.
bool Groups(FILE* stream, int base, const ON_3dPoint& p)
{
  return Group(stream, base, p.x) && Group(stream, base + 10, p.y) && Group(stream, base + 20, p.z);
}

// "  0", the entity name, the layer and the colour number.
bool Head(FILE* stream, const char* name, const char* layer, const ON_Color& colour)
{
  return Group(stream, 0, name) && Group(stream, 8, layer ? layer : kLayerZero) &&
         Group(stream, 62, std::to_string(QORDXF::GetColorNumber(colour)));
}

// The frame of a POLYLINE entity after its head: vertices follow, dummy elevation point, flags.
bool PolylineFrame(FILE* stream, const char* flags)
{
  return Group(stream, 66, "     1") && Group(stream, 10, "0.0") && Group(stream, 20, "0.0") &&
         Group(stream, 30, "0.0") && Group(stream, 70, flags);
}

bool SequenceEnd(FILE* stream) { return Group(stream, 0, "SEQEND") && Group(stream, 8, kLayerZero); }

std::string Count(int n) { return "     " + std::to_string(n); }

// The DXF arbitrary axis algorithm: the object coordinate system's x and y axes for a normal.
void ObjectAxes(const ON_3dVector& normal, ON_3dVector& ax, ON_3dVector& ay)
{
  const ON_3dVector n = ON_3dVector(normal).UnitVector();
  const double limit = 1.0 / 64.0;
  ax = (std::fabs(n.x) < limit && std::fabs(n.y) < limit) ? ON_CrossProduct(ON_3dVector(0, 1, 0), n)
                                                          : ON_CrossProduct(ON_3dVector(0, 0, 1), n);
  ax.Unitize();
  ay = ON_CrossProduct(n, ax);
}

bool CircleGroups(FILE* stream, const ON_Circle& circle, ON_3dVector& ax, ON_3dVector& ay)
{
  const ON_3dVector normal = circle.plane.zaxis;
  ObjectAxes(normal, ax, ay);
  const ON_3dVector centre(circle.Center());
  const ON_3dVector n = ON_3dVector(normal).UnitVector();
  return Groups(stream, 10, ON_3dPoint(centre * ax, centre * ay, centre * n)) && Group(stream, 40, circle.radius);
}

bool NormalGroups(FILE* stream, const ON_3dVector& normal)
{
  return Groups(stream, 210, ON_3dPoint(normal.x, normal.y, normal.z));
}

// The standard AutoCAD Color Index palette, 1 to 255.
std::vector<ON_Color> Palette()
{
  std::vector<ON_Color> palette(256);
  const int basic[10][3] = {{0, 0, 0},   {255, 0, 0},   {255, 255, 0},   {0, 255, 0},     {0, 255, 255},
                            {0, 0, 255}, {255, 0, 255}, {255, 255, 255}, {128, 128, 128}, {192, 192, 192}};
  for (int i = 1; i < 10; i++)
    palette[i] = ON_Color(basic[i][0], basic[i][1], basic[i][2]);
  // 10 to 249: 24 hues 15 degrees apart, each at five brightness levels in full and half saturation.
  const double levels[5] = {255, 166, 128, 77, 38};
  for (int i = 10; i < 250; i++)
  {
    const int hue = (i - 10) / 10, shade = (i - 10) % 10;
    const double value = levels[shade / 2], low = shade % 2 ? value / 2 : 0;
    double rgb[3];
    const double h = hue * 15.0 / 60.0; // sextant position
    const int sextant = static_cast<int>(h) % 6;
    const double f = h - std::floor(h);
    const double rising = low + (value - low) * f, falling = value - (value - low) * f;
    const double table[6][3] = {{value, rising, low},  {falling, value, low}, {low, value, rising},
                                {low, falling, value}, {rising, low, value},  {value, low, falling}};
    for (int k = 0; k < 3; k++)
      rgb[k] = table[sextant][k];
    palette[i] = ON_Color(static_cast<int>(std::lround(rgb[0])), static_cast<int>(std::lround(rgb[1])),
                          static_cast<int>(std::lround(rgb[2])));
  }
  const int grays[6] = {84, 118, 152, 187, 221, 255};
  for (int i = 250; i < 256; i++)
    palette[i] = ON_Color(grays[i - 250], grays[i - 250], grays[i - 250]);
  return palette;
}

// Every item of the list with the entity writer, on layer "0" in white; 0 at the first failure.
template <class List, class Writer>
int WriteEach(FILE* stream, const List& items, Writer write)
{
  for (int i = 0; i < items.Count(); i++)
  {
    if (!write(stream, items[i], kLayerZero, kWhite))
      return 0;
  }
  return 1;
}

const ON_Color& MeshColour(const ON_Mesh& mesh, const ON_Color& colour)
{
  return mesh.m_C.Count() == 1 ? mesh.m_C[0] : colour;
}

} // namespace

ON_wString QORDXF::GetError() { return Platform::LastError<QORDXF, ON_wString>::Get(); }

void QORDXF::SetError(const ON_wString& text)
{
  Platform::LastError<QORDXF, ON_wString>::Set(text);
  s_error_count++;
}

int QORDXF::GetColorNumber(unsigned int colour)
{
  static const std::vector<ON_Color> palette = Palette();
  const ON_Color wanted(colour);
  for (int i = 1; i < 256; i++)
  {
    if (palette[i].Red() == wanted.Red() && palette[i].Green() == wanted.Green() && palette[i].Blue() == wanted.Blue())
      return i;
  }
  return 256;
}

int QORDXF::WriteStart(FILE* stream) { return Group(stream, 0, "SECTION") && Group(stream, 2, "ENTITIES") ? 1 : 0; }

int QORDXF::WriteEnd(FILE* stream)
{
  const bool written =
      Group(stream, 0, "ENDSEC") && Group(stream, 0, "EOF") && std::fflush(stream) == 0 && !std::ferror(stream);
  return std::fclose(stream) == 0 && written ? 1 : 0;
}

int QORDXF::WritePoint(FILE* stream, const ON_3dPoint& point, const char* layer, const ON_Color& colour)
{
  return Head(stream, "POINT", layer, colour) && Groups(stream, 10, point) ? 1 : 0;
}

int QORDXF::WriteLine(FILE* stream, const ON_Line& line, const char* layer, const ON_Color& colour)
{
  return Head(stream, "LINE", layer, colour) && Groups(stream, 10, line.from) && Groups(stream, 11, line.to) ? 1 : 0;
}

int QORDXF::Write3DFace(FILE* stream, const ON_3dPoint& p0, const ON_3dPoint& p1, const ON_3dPoint& p2,
                        const ON_3dPoint& p3, const char* layer, const ON_Color& colour)
{
  return Head(stream, "3DFACE", layer, colour) && Groups(stream, 10, p0) && Groups(stream, 11, p1) &&
                 Groups(stream, 12, p2) && Groups(stream, 13, p3)
             ? 1
             : 0;
}

int QORDXF::WriteCircle(FILE* stream, const ON_Circle& circle, const char* layer, const ON_Color& colour)
{
  ON_3dVector ax, ay;
  return Head(stream, "CIRCLE", layer, colour) && CircleGroups(stream, circle, ax, ay) &&
                 NormalGroups(stream, circle.plane.zaxis)
             ? 1
             : 0;
}

int QORDXF::WriteArc(FILE* stream, const ON_Arc& arc, const char* layer, const ON_Color& colour)
{
  ON_3dVector ax, ay;
  if (!Head(stream, "ARC", layer, colour) || !CircleGroups(stream, arc, ax, ay))
    return 0;
  const ON_3dVector radial = arc.StartPoint() - arc.Center();
  double start = std::atan2(radial * ay, radial * ax) * kDegreesPerRadian;
  if (start < 0)
    start += 360.0;
  if (start >= 360.0)
    start -= 360.0;
  const double end = start + arc.AngleRadians() * kDegreesPerRadian;
  return Group(stream, 50, start) && Group(stream, 51, end) && NormalGroups(stream, arc.plane.zaxis) ? 1 : 0;
}

int QORDXF::WritePolyline(FILE* stream, const ON_Polyline& polyline, const char* layer, const ON_Color& colour)
{
  const bool closed = polyline.IsClosed(0);
  // Flag 8 makes it a 3-D polyline: readers put the vertices of any other one at z = 0.
  if (!Head(stream, "POLYLINE", layer, colour) || !PolylineFrame(stream, closed ? "     9" : "     8"))
    return 0;
  const int count = closed ? polyline.Count() - 1 : polyline.Count();
  for (int i = 0; i < count; i++)
  {
    if (!Head(stream, "VERTEX", layer, colour) || !Groups(stream, 10, polyline[i]) || !Group(stream, 70, "    32"))
      return 0;
  }
  return SequenceEnd(stream) ? 1 : 0;
}

int QORDXF::WriteNurbsCurve(FILE* stream, const ON_NurbsCurve& curve, const char* layer, const ON_Color& colour)
{
  ON_Line line;
  if (QORCurve::IsLine(&curve, line))
    return WriteLine(stream, line, layer, colour);
  ON_Circle circle;
  if (QORCurve::IsCircle(&curve, circle))
    return WriteCircle(stream, circle, layer, colour);
  ON_Arc arc;
  if (QORCurve::IsArc(&curve, arc))
    return WriteArc(stream, arc, layer, colour);
  ON_Polyline polyline;
  if (QORCurve::IsPolyline(&curve, polyline))
    return WritePolyline(stream, polyline, layer, colour);
  // Any other curve as a polyline within the chordal tolerance of it, never dropped.
  const double tolerance = std::max(curve.BoundingBox().Diagonal().Length() * ChordalTolerance, 1e-300);
  if (!QORCurve::CreatePolylineWithinTolerance(&curve, tolerance, polyline))
  {
    SetError(ON_wString(L"Unable to write curve to DXF file: ") + QORCurve::GetError());
    return 0;
  }
  return WritePolyline(stream, polyline, layer, colour);
}

int QORDXF::WriteMeshAs3DFaces(FILE* stream, const ON_Mesh& mesh, const char* layer, const ON_Color& colour)
{
  const ON_Color& shown = MeshColour(mesh, colour);
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    const int* vi = mesh.m_F[fi].vi;
    auto corner = [&mesh](int v) { return mesh.Vertex(v); }; // the double-precision vertex when there is one
    if (!Write3DFace(stream, corner(vi[0]), corner(vi[1]), corner(vi[2]), corner(vi[3]), layer, shown))
      return 0;
  }
  return 1;
}

int QORDXF::WriteMesh(FILE* stream, const ON_Mesh& mesh, const char* layer, const ON_Color& colour)
{
  if (mesh.VertexCount() >= kPolyfaceLimit || mesh.FaceCount() >= kPolyfaceLimit)
    return WriteMeshAs3DFaces(stream, mesh, layer, colour);
  const ON_Color& shown = MeshColour(mesh, colour);
  if (!Head(stream, "POLYLINE", layer, shown) || !PolylineFrame(stream, "    64") ||
      !Group(stream, 71, Count(mesh.VertexCount())) || !Group(stream, 72, Count(mesh.FaceCount())))
    return 0;
  for (int v = 0; v < mesh.VertexCount(); v++)
  {
    if (!Head(stream, "VERTEX", layer, shown) || !Groups(stream, 10, mesh.Vertex(v)) || !Group(stream, 70, "   192"))
      return 0;
  }
  for (int fi = 0; fi < mesh.FaceCount(); fi++)
  {
    const ON_MeshFace& face = mesh.m_F[fi];
    if (!Head(stream, "VERTEX", layer, shown) || !Group(stream, 10, "0.0") || !Group(stream, 20, "0.0") ||
        !Group(stream, 30, "0.0") || !Group(stream, 70, "   128"))
      return 0;
    for (int k = 0; k < (face.IsQuad() ? 4 : 3); k++)
    {
      if (!Group(stream, 71 + k, Count(face.vi[k] + 1)))
        return 0;
    }
  }
  return SequenceEnd(stream) ? 1 : 0;
}

int QORDXF::WriteFile(const ON_wString& path, const std::function<int(FILE*)>& write_entities)
{
  QORSafeFile file;
  const unsigned errors = s_error_count; // an entity that cannot be written says why
  const bool ok = file.Open(static_cast<const char*>(ON_String(path))) && WriteStart(file.Stream()) &&
                  write_entities(file.Stream()) && Group(file.Stream(), 0, "ENDSEC") && Group(file.Stream(), 0, "EOF");
  if (!ok)
    file.Fail();
  if (!file.Commit())
  {
    if (s_error_count == errors)
      SetError(L"Unable to write to DXF file");
    return 0;
  }
  return 1;
}

int QORDXF::PointsToDXF(const ON_3dPointArray& points, const ON_wString& path)
{
  return WriteFile(path, [&](FILE* stream) { return WriteEach(stream, points, WritePoint); });
}

int QORDXF::LinesToDXF(const ON_ClassArray<ON_Line>& lines, const ON_wString& path)
{
  return WriteFile(path, [&](FILE* stream) { return WriteEach(stream, lines, WriteLine); });
}

int QORDXF::PolylinesToDXF(const ON_ClassArray<ON_Polyline>& polylines, const ON_wString& path)
{
  return WriteFile(path, [&](FILE* stream) { return WriteEach(stream, polylines, WritePolyline); });
}

int QORDXF::NurbsCurvesToDXF(const ON_ClassArray<ON_NurbsCurve>& curves, const ON_wString& path)
{
  return WriteFile(path, [&](FILE* stream) { return WriteEach(stream, curves, WriteNurbsCurve); });
}

int QORDXF::MeshToDXF(const ON_Mesh& mesh, const ON_wString& path, int faces)
{
  return WriteFile(path,
                   [&](FILE* stream) {
                     return faces ? WriteMeshAs3DFaces(stream, mesh, kLayerZero, kWhite)
                                  : WriteMesh(stream, mesh, kLayerZero, kWhite);
                   });
}

int QORDXF::MeshToDXF(const ON_ClassArray<ON_Mesh>& meshes, const ON_wString& path, int faces)
{
  if (meshes.Count() == 1)
    return MeshToDXF(meshes[0], path, faces);
  return WriteFile(path,
                   [&](FILE* stream) { return WriteEach(stream, meshes, faces ? WriteMeshAs3DFaces : WriteMesh); });
}

int QORDXF::WriteGeometry(FILE* stream, const ON_Geometry& geometry, const char* layer, const ON_Color& colour)
{
  if (const ON_Point* point = ON_Point::Cast(&geometry))
    return WritePoint(stream, point->point, layer, colour);
  if (const ON_LineCurve* line = ON_LineCurve::Cast(&geometry))
    return WriteLine(stream, line->m_line, layer, colour);
  if (const ON_PolylineCurve* polyline = ON_PolylineCurve::Cast(&geometry))
    return WritePolyline(stream, polyline->m_pline, layer, colour);
  if (const ON_ArcCurve* arc = ON_ArcCurve::Cast(&geometry))
    return arc->IsCircle() ? WriteCircle(stream, arc->m_arc, layer, colour)
                           : WriteArc(stream, arc->m_arc, layer, colour);
  if (const ON_NurbsCurve* nurbs = ON_NurbsCurve::Cast(&geometry))
    return WriteNurbsCurve(stream, *nurbs, layer, colour);
  if (const ON_Curve* curve = ON_Curve::Cast(&geometry))
  {
    ON_NurbsCurve form;
    if (!curve->GetNurbForm(form))
    {
      SetError(L"Unable to write curve to DXF file");
      return 0;
    }
    return WriteNurbsCurve(stream, form, layer, colour);
  }
  if (const ON_Mesh* mesh = ON_Mesh::Cast(&geometry))
    return WriteMesh(stream, *mesh, layer, colour);
  return -1;
}

int QORDXF::ObjectsToDXF(const ON_SimpleArray<const ON_Geometry*>& objects, const ON_wString& path, int& skipped)
{
  int left_out = 0;
  const int written = WriteFile(path,
                                [&](FILE* stream)
                                {
                                  for (int i = 0; i < objects.Count(); i++)
                                  {
                                    const int result =
                                        objects[i] ? WriteGeometry(stream, *objects[i], kLayerZero, kWhite) : -1;
                                    if (result == 0)
                                      return 0;
                                    left_out += result < 0 ? 1 : 0;
                                  }
                                  return 1;
                                });
  if (written)
    skipped = left_out;
  return written;
}
