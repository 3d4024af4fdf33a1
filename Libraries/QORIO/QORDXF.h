#pragma once

#include "opennurbs.h"

#include <cstdio>
#include <functional>

// ASCII DXF files of one ENTITIES section. The file operations write every item on layer "0" in
// white into a file written beside the target and renamed into place; the entity writers add one
// entity to an open stream between WriteStart and WriteEnd. Coordinates are written as the
// shortest text that reads back to the same double. Static only; failures set the error text.
class QORDXF
{
public:
  QORDXF() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  static int PointsToDXF(const ON_3dPointArray& points, const ON_wString& path);
  static int LinesToDXF(const ON_ClassArray<ON_Line>& lines, const ON_wString& path);
  static int PolylinesToDXF(const ON_ClassArray<ON_Polyline>& polylines, const ON_wString& path);
  static int NurbsCurvesToDXF(const ON_ClassArray<ON_NurbsCurve>& curves, const ON_wString& path);
  // Points, curves (lines, polylines, arcs, circles, any other curve through its NURBS form) and
  // meshes in one file, in order; `skipped` counts the other objects, which DXF cannot hold.
  static int ObjectsToDXF(const ON_SimpleArray<const ON_Geometry*>& objects, const ON_wString& path, int& skipped);
  // Polyface meshes, or 3DFACE entities when `faces` is nonzero.
  static int MeshToDXF(const ON_Mesh& mesh, const ON_wString& path, int faces);
  static int MeshToDXF(const ON_ClassArray<ON_Mesh>& meshes, const ON_wString& path, int faces);

  // Entity writers: 1 when every line was written, 0 on a write error.
  static int WriteStart(FILE* stream);
  // Ends the section and the file, then closes the stream; 0 when a write or the close failed.
  static int WriteEnd(FILE* stream);
  static int WritePoint(FILE* stream, const ON_3dPoint& point, const char* layer, const ON_Color& colour);
  static int WriteLine(FILE* stream, const ON_Line& line, const char* layer, const ON_Color& colour);
  // A 3-D polyline (its z kept); a closed one is flagged closed and its last point left out.
  static int WritePolyline(FILE* stream, const ON_Polyline& polyline, const char* layer, const ON_Color& colour);
  static int WriteArc(FILE* stream, const ON_Arc& arc, const char* layer, const ON_Color& colour);
  static int WriteCircle(FILE* stream, const ON_Circle& circle, const char* layer, const ON_Color& colour);
  // As a line, circle, arc or polyline when it is one; any other curve as a 3-D polyline within
  // ChordalTolerance of it.
  static int WriteNurbsCurve(FILE* stream, const ON_NurbsCurve& curve, const char* layer, const ON_Color& colour);
  // A polyface mesh; meshes of 32767 or more vertices or faces as 3DFACE entities.
  static int WriteMesh(FILE* stream, const ON_Mesh& mesh, const char* layer, const ON_Color& colour);
  static int WriteMeshAs3DFaces(FILE* stream, const ON_Mesh& mesh, const char* layer, const ON_Color& colour);
  static int Write3DFace(FILE* stream, const ON_3dPoint& p0, const ON_3dPoint& p1, const ON_3dPoint& p2,
                         const ON_3dPoint& p3, const char* layer, const ON_Color& colour);

  // The first AutoCAD Color Index (1 to 255) of exactly this RGB colour (0x00BBGGRR), or 256.
  static int GetColorNumber(unsigned int colour);

  // The largest distance between a curve written as a polyline and the curve: this fraction of
  // the curve's bounding box diagonal. A curve that would need too many points for it fails.
  static constexpr double ChordalTolerance = 1e-4;

private:
  // 1 when written, 0 on a failure, -1 for a geometry DXF cannot hold.
  static int WriteGeometry(FILE* stream, const ON_Geometry& geometry, const char* layer, const ON_Color& colour);
  // Writes the frame around the entities into a file beside the target, renamed into place.
  static int WriteFile(const ON_wString& path, const std::function<int(FILE*)>& write_entities);
  static unsigned s_error_count;
};
