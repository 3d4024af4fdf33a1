#pragma once

#include "WindowHandle.h"
#include "opennurbs.h"

// 3DM model files through one module-wide read model and one write model. A read process loads
// a file and hands out its tables and objects by index; a write process collects layers, objects
// and instance definitions and writes them as one file at its end. Layer colours cross the
// interface as 0x00BBGGRR.
class QOR3DM
{
public:
  // Read process.
  static int ReadStart(const ON_wString& path, ON_3dmProperties& properties, int& objectCount);
  static int ReadStart(const ON_wString& path, ON_3dmProperties& properties);
  static int ReadEnd();
  static int ReadGetObjectTableSize();
  static int ReadGetObjectIndex(const ON_UUID& uuid);
  static const ON_Object* ReadGetObject(int index);
  static int ReadGetObjectAttributes(int index, ON_3dmObjectAttributes& attributes);
  static ON_String ReadGetObjectClassName(int index);
  // Objects of classes the reader skipped, and their classes ("ON_Brep 3, ON_Hatch 1").
  static int ReadGetSkippedObjectCount();
  static ON_wString ReadGetSkippedObjects();

  static int ReadGetBitmapTable(ON_SimpleArray<const ON_Bitmap*>& table);
  static int ReadGetBitmapTableSize();
  static const ON_Bitmap* ReadGetBitmap(int index);
  static int ReadGetDimStyleTable(ON_SimpleArray<const ON_DimStyle*>& table);
  static int ReadGetDimStyleTableSize();
  static int ReadGetDimStyle(int index, ON_DimStyle& dimStyle);
  static int ReadGetFontTable(ON_SimpleArray<const ON_Font*>& table);
  static int ReadGetFontTableSize();
  static int ReadGetFont(int index, ON_Font& font);
  static int ReadGetGroupTable(ON_ClassArray<ON_Group>& table);
  static int ReadGetGroupTableSize();
  static int ReadGetGroup(int index, ON_Group& group);
  static int ReadGetLayerTable(ON_ClassArray<ON_Layer>& table);
  static int ReadGetLayerTableSize();
  static int ReadGetLayer(int index, ON_Layer& layer);
  static int ReadGetMaterialTable(ON_ClassArray<ON_Material>& table);
  static int ReadGetMaterialTableSize();
  static int ReadGetMaterial(int index, ON_Material& material);
  static int ReadGetInstanceDefinitionTable(ON_ClassArray<ON_InstanceDefinition>& table);
  static int ReadGetInstanceDefinitionTableSize();
  static int ReadGetInstanceDefinitionIndex(const ON_UUID& uuid);
  static int ReadGetInstanceDefinitionIndex(const ON_wString& name);
  static int ReadGetInstanceDefinition(const ON_UUID& uuid, ON_InstanceDefinition& definition);
  static int ReadGetInstanceDefinition(const ON_wString& name, ON_InstanceDefinition& definition);
  static int ReadGetInstanceDefinition(int index, ON_InstanceDefinition& definition);
  // The instance-definition object at an object index.
  static int ReadGetInstanceDefinition(int index, ON_InstanceDefinition& definition,
                                       ON_3dmObjectAttributes& attributes);

  // Typed object access: the object at index must be of the class (see ReadGetObjectClassName).
  static int ReadGetPoint(int index, ON_Point& point, ON_3dmObjectAttributes& attributes);
  static ON_Point ReadGetPoint(int index);
  static int ReadGetPointCloud(int index, ON_PointCloud& cloud, ON_3dmObjectAttributes& attributes);
  static ON_PointCloud ReadGetPointCloud(int index);
  static int ReadGetLineCurve(int index, ON_LineCurve& curve, ON_3dmObjectAttributes& attributes);
  static ON_LineCurve ReadGetLineCurve(int index);
  static int ReadGetPolylineCurve(int index, ON_PolylineCurve& curve, ON_3dmObjectAttributes& attributes);
  static ON_PolylineCurve ReadGetPolylineCurve(int index);
  static int ReadGetArcCurve(int index, ON_ArcCurve& curve, ON_3dmObjectAttributes& attributes);
  static ON_ArcCurve ReadGetArcCurve(int index);
  static int ReadGetNurbsCurve(int index, ON_NurbsCurve& curve, ON_3dmObjectAttributes& attributes);
  static ON_NurbsCurve ReadGetNurbsCurve(int index);
  static int ReadGetPolyCurve(int index, ON_PolyCurve& curve, ON_3dmObjectAttributes& attributes);
  static ON_PolyCurve ReadGetPolyCurve(int index);
  static int ReadGetPlaneSurface(int index, ON_PlaneSurface& surface, ON_3dmObjectAttributes& attributes);
  static ON_PlaneSurface ReadGetPlaneSurface(int index);
  static int ReadGetNurbsSurface(int index, ON_NurbsSurface& surface, ON_3dmObjectAttributes& attributes);
  static ON_NurbsSurface ReadGetNurbsSurface(int index);
  static int ReadGetBrep(int index, ON_Brep& brep, ON_3dmObjectAttributes& attributes);
  static ON_Brep ReadGetBrep(int index);
  static int ReadGetMesh(int index, ON_Mesh& mesh, ON_3dmObjectAttributes& attributes);
  static ON_Mesh ReadGetMesh(int index);
  static int ReadGetTextDot(int index, ON_TextDot& dot, ON_3dmObjectAttributes& attributes);
  static ON_TextDot ReadGetTextDot(int index);
  static int ReadGetInstanceRef(int index, ON_InstanceRef& reference, ON_3dmObjectAttributes& attributes);
  static ON_InstanceRef ReadGetInstanceRef(int index);

  // Write process.
  static int WriteStart();
  static int WriteLayer(const ON_wString& name, unsigned int colour, int& index);
  static int WriteGetLayerIndex(const ON_wString& name, int create, unsigned int colour);
  static unsigned int WriteGetLayerColor(int index);
  static int WriteObject(const ON_Object& object, const ON_3dmObjectAttributes* attributes = nullptr);
  static int WriteInstanceDefinition(const ON_InstanceDefinition& definition);
  static int WriteGetInstanceDefinitionTable(ON_ClassArray<ON_InstanceDefinition>& table);
  static int WriteGetInstanceDefinitionIndex(const ON_wString& name);
  static ON_InstanceDefinition& WriteGetInstanceDefinition(int index);
  static int WriteGetInstanceDefinition(const ON_wString& name, ON_InstanceDefinition& definition);
  static int WriteObjectToInstanceDefinition(int index, const ON_Object& object,
                                             const ON_3dmObjectAttributes& attributes);
  // Version 2 or 3 (any other number writes version 3). The file is written to a temporary
  // file beside the target and renamed into place, so a failure leaves the old file intact.
  static int WriteEnd(const ON_wString& path, int version, const ON_3dmProperties* properties = nullptr);

  // Conversions: whole collections between 3DM files and arrays in one call. Readers append
  // what they take (the mesh readers excepted); writers return 0 when any step failed.
  static int _3DMToMesh(const ON_wString& path, ON_ClassArray<ON_Mesh>& meshes);
  static int _3DMToMesh(const ON_wString& path, ON_Mesh& mesh);
  static int _3DMToPoints(const ON_wString& path, ON_3dPointArray& points, int skipClouds);
  static int _3DMToLines(const ON_wString& path, ON_ClassArray<ON_Line>& lines);
  static int _3DMToPolylines(const ON_wString& path, ON_ClassArray<ON_Polyline>& polylines);
  static int _3DMToCurves(const ON_wString& path, ON_ClassArray<ON_NurbsCurve>& curves);
  static int _3DMToObjects(const ON_wString& path, ON_3dPointArray& points, ON_ClassArray<ON_NurbsCurve>& curves,
                           ON_ClassArray<ON_Brep>& breps, ON_ClassArray<ON_Mesh>& meshes);
  static int Get3DMProperties(const ON_wString& path, ON_3dmProperties& properties);
  static int GeometryTo3DM(const ON_Geometry& geometry, const ON_wString& path, int version);
  static int MeshTo3DM(const ON_Mesh& mesh, const ON_wString& path, int version);
  static int MeshTo3DM(const ON_ClassArray<ON_Mesh>& meshes, const ON_wString& path, int version, int combine);
  static int PointsTo3DM(const ON_3dPointArray& points, const ON_wString& path, int version, int asCloud);
  static int LinesTo3DM(const ON_ClassArray<ON_Line>& lines, const ON_wString& path, int version);
  static int PolylinesTo3DM(const ON_ClassArray<ON_Polyline>& polylines, const ON_wString& path, int version);
  static int ObjectsTo3DM(const ON_3dPointArray& points, const ON_ClassArray<ON_Line>& lines,
                          const ON_ClassArray<ON_Polyline>& polylines, const ON_ClassArray<ON_Circle>& circles,
                          const ON_ClassArray<ON_Arc>& arcs, const ON_ClassArray<ON_NurbsCurve>& curves,
                          const ON_ClassArray<ON_Mesh>& meshes, const ON_ClassArray<ON_TextEntity2>& texts,
                          const ON_wString& path, int version);

  static ON_String GetObjectClassName(const ON_Object& object);
  static void DestroyModel(ONX_Model& model);
  // The "3DM Export Options" dialog: version 2, 3 or 4 from the list "2.0", "3.0", "4.0".
  static int Get3DMExportOptions(int& version, HWND* parent = nullptr);

  static ON_wString GetError();
  static void SetError(const ON_wString& error);

private:
  static ONX_Model& ReadModel();
  static ONX_Model& WriteModel();
  static bool& ReadActive();
  static bool& WriteActive();
  template <class T>
  static int ReadGetTyped(int index, T& object, ON_3dmObjectAttributes& attributes);
  template <class T>
  static T ReadGetTyped(int index);
};
