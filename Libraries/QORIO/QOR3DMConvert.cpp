// Conversions between whole 3DM files and arrays of geometry.

#include "QOR3DM.h"

#include "QORMesh.h"

namespace
{

// NURBS form of the curve classes a file may hold; false for other objects.
bool NurbsFormOf(const ON_Object* object, ON_NurbsCurve& nurbs)
{
  const ON_Curve* curve = ON_Curve::Cast(object);
  return curve &&
         (ON_LineCurve::Cast(curve) || ON_ArcCurve::Cast(curve) || ON_PolylineCurve::Cast(curve) ||
          ON_PolyCurve::Cast(curve) || ON_NurbsCurve::Cast(curve)) &&
         curve->GetNurbForm(nurbs) != 0;
}

// The control points of a degree-1 NURBS curve, divided by their weights.
ON_Polyline ControlPolygon(const ON_NurbsCurve& curve)
{
  ON_Polyline polyline;
  for (int i = 0; i < curve.CVCount(); ++i)
  {
    ON_3dPoint point;
    curve.GetCV(i, point);
    polyline.Append(point);
  }
  return polyline;
}

// Every object of a file, through the read process; the visitor takes what it wants.
template <class Visitor>
int VisitObjects(const ON_wString& path, Visitor visit)
{
  ON_3dmProperties properties;
  int count = 0;
  if (!QOR3DM::ReadStart(path, properties, count))
    return 0;
  for (int i = 0; i < count; ++i)
    visit(QOR3DM::ReadGetObject(i));
  QOR3DM::ReadEnd();
  return 1;
}

// One write process: each object written without attributes; 0 when any step failed.
template <class Writer>
int WriteObjects(const ON_wString& path, int version, Writer write)
{
  if (!QOR3DM::WriteStart())
    return 0;
  const bool written = write();
  return QOR3DM::WriteEnd(path, version) && written ? 1 : 0;
}

} // namespace

int QOR3DM::_3DMToMesh(const ON_wString& path, ON_ClassArray<ON_Mesh>& meshes)
{
  ONX_Model model;
  if (!model.Read(static_cast<const char*>(ON_String(path))))
  {
    SetError(L"Unable to read 3DM file");
    return 0;
  }
  meshes.Empty();
  for (int i = 0; i < model.m_object_table.Count(); ++i)
    if (const ON_Mesh* mesh = ON_Mesh::Cast(model.m_object_table[i].m_object))
      meshes.Append(*mesh);
  return 1;
}

int QOR3DM::_3DMToMesh(const ON_wString& path, ON_Mesh& mesh)
{
  ON_ClassArray<ON_Mesh> meshes;
  if (!_3DMToMesh(path, meshes))
    return 0;
  if (meshes.Count() == 1)
  {
    mesh = meshes[0];
    return 1;
  }
  for (int i = 0; i < meshes.Count(); ++i)
    mesh.Append(meshes[i]);
  return 1;
}

int QOR3DM::_3DMToPoints(const ON_wString& path, ON_3dPointArray& points, int skipClouds)
{
  return VisitObjects(path,
                      [&](const ON_Object* object)
                      {
                        if (const ON_Point* point = ON_Point::Cast(object))
                          points.Append(point->point);
                        else if (const ON_PointCloud* cloud = ON_PointCloud::Cast(object))
                          if (!skipClouds)
                            points.Append(cloud->m_P.Count(), cloud->m_P.Array());
                      });
}

int QOR3DM::_3DMToLines(const ON_wString& path, ON_ClassArray<ON_Line>& lines)
{
  return VisitObjects(path,
                      [&](const ON_Object* object)
                      {
                        if (const ON_LineCurve* line = ON_LineCurve::Cast(object))
                          lines.Append(line->m_line);
                      });
}

int QOR3DM::_3DMToPolylines(const ON_wString& path, ON_ClassArray<ON_Polyline>& polylines)
{
  return VisitObjects(path,
                      [&](const ON_Object* object)
                      {
                        if (const ON_PolylineCurve* polyline = ON_PolylineCurve::Cast(object))
                          polylines.Append(polyline->m_pline);
                        else if (const ON_NurbsCurve* nurbs = ON_NurbsCurve::Cast(object))
                          if (nurbs->Degree() == 1)
                            polylines.Append(ControlPolygon(*nurbs));
                      });
}

int QOR3DM::_3DMToCurves(const ON_wString& path, ON_ClassArray<ON_NurbsCurve>& curves)
{
  return VisitObjects(path,
                      [&](const ON_Object* object)
                      {
                        ON_NurbsCurve nurbs;
                        if (NurbsFormOf(object, nurbs))
                          curves.Append(nurbs);
                      });
}

int QOR3DM::_3DMToObjects(const ON_wString& path, ON_3dPointArray& points, ON_ClassArray<ON_NurbsCurve>& curves,
                          ON_ClassArray<ON_Brep>& breps, ON_ClassArray<ON_Mesh>& meshes)
{
  return VisitObjects(path,
                      [&](const ON_Object* object)
                      {
                        ON_NurbsCurve nurbs;
                        if (const ON_Point* point = ON_Point::Cast(object))
                          points.Append(point->point);
                        else if (const ON_Mesh* mesh = ON_Mesh::Cast(object))
                          meshes.Append(*mesh);
                        else if (const ON_Brep* brep = ON_Brep::Cast(object))
                          breps.Append(*brep);
                        else if (NurbsFormOf(object, nurbs))
                          curves.Append(nurbs);
                      });
}

int QOR3DM::Get3DMProperties(const ON_wString& path, ON_3dmProperties& properties)
{
  if (!ReadStart(path, properties))
    return 0;
  ReadEnd();
  return 1;
}

int QOR3DM::GeometryTo3DM(const ON_Geometry& geometry, const ON_wString& path, int version)
{
  return WriteObjects(path, version, [&]() { return WriteObject(geometry) != 0; });
}

int QOR3DM::MeshTo3DM(const ON_Mesh& mesh, const ON_wString& path, int version)
{
  return GeometryTo3DM(mesh, path, version);
}

int QOR3DM::MeshTo3DM(const ON_ClassArray<ON_Mesh>& meshes, const ON_wString& path, int version, int combine)
{
  if (meshes.Count() == 1)
    return GeometryTo3DM(meshes[0], path, version);
  if (combine)
  {
    ON_Mesh combined;
    QORMesh::Combine(meshes, combined);
    return GeometryTo3DM(combined, path, version);
  }
  return WriteObjects(path, version,
                      [&]()
                      {
                        bool ok = true;
                        for (int i = 0; i < meshes.Count(); ++i)
                          ok = WriteObject(meshes[i]) && ok;
                        return ok;
                      });
}

int QOR3DM::PointsTo3DM(const ON_3dPointArray& points, const ON_wString& path, int version, int asCloud)
{
  return WriteObjects(path, version,
                      [&]()
                      {
                        if (asCloud == 1)
                        {
                          ON_PointCloud cloud;
                          cloud.m_P = points;
                          return WriteObject(cloud) != 0;
                        }
                        bool ok = true;
                        for (int i = 0; i < points.Count(); ++i)
                          ok = WriteObject(ON_Point(points[i])) && ok;
                        return ok;
                      });
}

int QOR3DM::LinesTo3DM(const ON_ClassArray<ON_Line>& lines, const ON_wString& path, int version)
{
  return WriteObjects(path, version,
                      [&]()
                      {
                        bool ok = true;
                        for (int i = 0; i < lines.Count(); ++i)
                          ok = WriteObject(ON_LineCurve(lines[i])) && ok;
                        return ok;
                      });
}

int QOR3DM::PolylinesTo3DM(const ON_ClassArray<ON_Polyline>& polylines, const ON_wString& path, int version)
{
  return WriteObjects(path, version,
                      [&]()
                      {
                        bool ok = true;
                        for (int i = 0; i < polylines.Count(); ++i)
                          ok = WriteObject(ON_PolylineCurve(polylines[i])) && ok;
                        return ok;
                      });
}

int QOR3DM::ObjectsTo3DM(const ON_3dPointArray& points, const ON_ClassArray<ON_Line>& lines,
                         const ON_ClassArray<ON_Polyline>& polylines, const ON_ClassArray<ON_Circle>& circles,
                         const ON_ClassArray<ON_Arc>& arcs, const ON_ClassArray<ON_NurbsCurve>& curves,
                         const ON_ClassArray<ON_Mesh>& meshes, const ON_ClassArray<ON_TextEntity2>& texts,
                         const ON_wString& path, int version)
{
  return WriteObjects(path, version,
                      [&]()
                      {
                        bool ok = true;
                        for (int i = 0; i < points.Count(); ++i)
                          ok = WriteObject(ON_Point(points[i])) && ok;
                        for (int i = 0; i < lines.Count(); ++i)
                          ok = WriteObject(ON_LineCurve(lines[i])) && ok;
                        for (int i = 0; i < polylines.Count(); ++i)
                          ok = WriteObject(ON_PolylineCurve(polylines[i])) && ok;
                        for (int i = 0; i < circles.Count(); ++i)
                          ok = WriteObject(ON_ArcCurve(circles[i])) && ok;
                        for (int i = 0; i < arcs.Count(); ++i)
                          ok = WriteObject(ON_ArcCurve(arcs[i])) && ok;
                        for (int i = 0; i < curves.Count(); ++i)
                          ok = WriteObject(curves[i]) && ok;
                        for (int i = 0; i < meshes.Count(); ++i)
                          ok = WriteObject(meshes[i]) && ok;
                        for (int i = 0; i < texts.Count(); ++i)
                          ok = WriteObject(texts[i]) && ok;
                        return ok;
                      });
}
