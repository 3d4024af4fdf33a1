#include <gtest/gtest.h>

#include "Rhino3dm.h"
#include "opennurbs.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <memory>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
const std::string kSamples = NUBILO_SHARED_DATA "/3dm";

std::vector<std::string> SampleFiles(const std::string& folder)
{
  std::vector<std::string> files;
  if (DIR* dir = opendir((kSamples + "/" + folder).c_str()))
  {
    while (dirent* entry = readdir(dir))
    {
      const std::string name = entry->d_name;
      if (name.size() > 4 && name.substr(name.size() - 4) == ".3dm")
        files.push_back(folder + "/" + name);
    }
    closedir(dir);
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string TempPath(const char* name) { return ::testing::TempDir() + "onx_" + std::to_string(getpid()) + name; }

bool SameNumber(double a, double b) { return std::fabs(a - b) <= 1e-5 * std::max(1.0, std::fabs(a) + std::fabs(b)); }

bool SameTriple(const Json::Value& triple, const ON_3dPoint& p)
{
  return triple.size() == 3 && SameNumber(triple[0].asDouble(), p.x) && SameNumber(triple[1].asDouble(), p.y) &&
         SameNumber(triple[2].asDouble(), p.z);
}

// Classes the core reads; objects of other classes are skipped by both sides of a comparison.
bool CoreReads(const std::string& class_name)
{
  static const std::set<std::string> classes = {"ON_Point",     "ON_TextDot",       "ON_Mesh",         "ON_NurbsCurve",
                                                "ON_LineCurve", "ON_PolylineCurve", "ON_NurbsSurface", "ON_PointCloud",
                                                "ON_ArcCurve",  "ON_PolyCurve",     "ON_PlaneSurface", "ON_Text",
                                                "ON_Leader",    "ON_Brep"};
  return classes.count(class_name) > 0;
}

std::string Narrow(const ON_wString& s)
{
  const ON_String narrow(s);
  return narrow.Array() ? narrow.Array() : "";
}

// The class as the reference names it: rhino3dm turns version 4 and 5 annotations into today's.
std::string ClassName(const ON_Object* object)
{
  if (ON_TextEntity2::Cast(object))
    return "ON_Text";
  if (ON_Leader2::Cast(object))
    return "ON_Leader";
  return object->ClassId()->ClassName();
}

void ExpectLayersLikeReference(const ONX_Model& model, const Json::Value& reference, const std::string& file)
{
  const Json::Value& layers = reference["layers"];
  ASSERT_EQ(model.m_layer_table.Count(), static_cast<int>(layers.size())) << file;
  for (int i = 0; i < model.m_layer_table.Count(); ++i)
  {
    const ON_Layer& layer = model.m_layer_table[i];
    EXPECT_EQ(Narrow(layer.LayerName()), layers[i]["name"].asString()) << file;
    const Json::Value& c = layers[i]["color"];
    EXPECT_EQ(layer.Color().Red(), c["r"].asInt()) << file;
    EXPECT_EQ(layer.Color().Green(), c["g"].asInt()) << file;
    EXPECT_EQ(layer.Color().Blue(), c["b"].asInt()) << file;
  }
}

void ExpectCurveLikeReference(const ON_Curve& curve, const Json::Value& object, const std::string& where)
{
  EXPECT_TRUE(SameTriple(object["start"], curve.PointAtStart())) << where;
  EXPECT_TRUE(SameTriple(object["end"], curve.PointAtEnd())) << where;
  EXPECT_TRUE(SameNumber(object["domain"][0].asDouble(), curve.Domain().m_t[0])) << where;
  EXPECT_TRUE(SameNumber(object["domain"][1].asDouble(), curve.Domain().m_t[1])) << where;
  if (const ON_NurbsCurve* nurbs = ON_NurbsCurve::Cast(&curve))
  {
    EXPECT_EQ(nurbs->Degree(), object["degree"].asInt()) << where;
    EXPECT_EQ(nurbs->CVCount(), object["cvCount"].asInt()) << where;
    EXPECT_EQ(nurbs->IsRational(), object["isRational"].asBool()) << where;
  }
}

void ExpectBoxLikeReference(const ON_Geometry& geometry, const Json::Value& object, const std::string& where)
{
  const ON_BoundingBox box = geometry.BoundingBox();
  EXPECT_TRUE(SameTriple(object["bbox"]["min"], box.m_min)) << where;
  EXPECT_TRUE(SameTriple(object["bbox"]["max"], box.m_max)) << where;
}

void ExpectBrepLikeReference(const ON_Brep& brep, const Json::Value& object, const std::string& where)
{
  EXPECT_EQ(brep.m_F.Count(), object["faceCount"].asInt()) << where;
  EXPECT_EQ(brep.m_E.Count(), object["edgeCount"].asInt()) << where;
  EXPECT_EQ(brep.m_V.Count(), object["vertexCount"].asInt()) << where;
  EXPECT_EQ(brep.m_L.Count(), object["loopCount"].asInt()) << where;
  EXPECT_EQ(brep.m_T.Count(), object["trimCount"].asInt()) << where;
  EXPECT_EQ(brep.m_S.Count(), object["surfaceCount"].asInt()) << where;
  // Face boxes are estimates on both sides; they agree within a small part of the box's size.
  const ON_BoundingBox box = brep.BoundingBox();
  const double tolerance = 0.02 * box.Diagonal().Length();
  for (int k = 0; k < 3; ++k)
  {
    EXPECT_NEAR(box.m_min[k], object["bbox"]["min"][k].asDouble(), tolerance) << where;
    EXPECT_NEAR(box.m_max[k], object["bbox"]["max"][k].asDouble(), tolerance) << where;
  }
}

void ExpectGeometryLikeReference(const ON_Object* geometry, const Json::Value& object, const std::string& where)
{
  if (const ON_Curve* curve = ON_Curve::Cast(geometry))
    ExpectCurveLikeReference(*curve, object, where);
  else if (const ON_NurbsSurface* surface = ON_NurbsSurface::Cast(geometry))
  {
    EXPECT_EQ(surface->Degree(0), object["degreeU"].asInt()) << where;
    EXPECT_EQ(surface->Degree(1), object["degreeV"].asInt()) << where;
    EXPECT_EQ(surface->CVCount(0), object["cvCountU"].asInt()) << where;
    EXPECT_EQ(surface->CVCount(1), object["cvCountV"].asInt()) << where;
    EXPECT_TRUE(SameNumber(surface->Domain(1).m_t[1], object["domainV"][1].asDouble())) << where;
  }
  else if (const ON_Mesh* mesh = ON_Mesh::Cast(geometry))
  {
    EXPECT_EQ(mesh->VertexCount(), object["vertexCount"].asInt()) << where;
    EXPECT_EQ(mesh->FaceCount(), object["faceCount"].asInt()) << where;
    EXPECT_EQ(mesh->QuadCount(), object["quadCount"].asInt()) << where;
    EXPECT_EQ(mesh->m_N.Count(), object["normalCount"].asInt()) << where;
    EXPECT_EQ(mesh->m_C.Count(), object["vertexColorCount"].asInt()) << where;
    EXPECT_EQ(mesh->m_T.Count(), object["textureCoordinateCount"].asInt()) << where;
    ExpectBoxLikeReference(*mesh, object, where);
  }
  else if (const ON_Brep* brep = ON_Brep::Cast(geometry))
    ExpectBrepLikeReference(*brep, object, where);
  else if (const ON_TextDot* dot = ON_TextDot::Cast(geometry))
  {
    EXPECT_TRUE(SameTriple(object["point"], dot->Point())) << where;
    EXPECT_EQ(Narrow(ON_wString(dot->TextString())), object["text"].asString()) << where;
  }
  else if (const ON_Annotation2* annotation = ON_Annotation2::Cast(geometry))
    EXPECT_EQ(Narrow(ON_wString(annotation->TextValue())), object["text"].asString()) << where;
  else if (const ON_Geometry* other = ON_Geometry::Cast(geometry))
    ExpectBoxLikeReference(*other, object, where);
}

// Whether the model's object at index is this brep of the reference (same face, edge and vertex
// counts).
bool HoldsBrep(const ONX_Model& model, int index, const Json::Value& object)
{
  if (index >= model.m_object_table.Count())
    return false;
  const ON_Brep* brep = ON_Brep::Cast(model.m_object_table[index].m_object);
  return brep && brep->m_F.Count() == object["faceCount"].asInt() && brep->m_E.Count() == object["edgeCount"].asInt() &&
         brep->m_V.Count() == object["vertexCount"].asInt();
}

// The reference's objects of the classes this core reads, in file order. A brep the model does
// not hold in its place is one of the forms this core leaves out, and is passed over.
std::vector<Json::Value> ObjectsCoreReads(const ONX_Model& model, const Json::Value& reference)
{
  std::vector<Json::Value> objects;
  for (const Json::Value& object : reference["objects"])
  {
    const std::string class_name = object["class"].asString();
    const int next = static_cast<int>(objects.size());
    if (CoreReads(class_name) && (class_name != "ON_Brep" || HoldsBrep(model, next, object)))
      objects.push_back(object);
  }
  return objects;
}

void ExpectObjectsLikeReference(const ONX_Model& model, const Json::Value& reference, const std::string& file)
{
  const std::vector<Json::Value> expected = ObjectsCoreReads(model, reference);
  ASSERT_EQ(model.m_object_table.Count(), static_cast<int>(expected.size())) << file;
  for (int i = 0; i < model.m_object_table.Count(); ++i)
  {
    const ONX_Model_Object& record = model.m_object_table[i];
    const Json::Value& object = expected[static_cast<size_t>(i)];
    const std::string where = file + " object " + std::to_string(object["index"].asInt());
    EXPECT_EQ(ClassName(record.m_object), object["class"].asString()) << where;
    EXPECT_EQ(record.m_attributes.m_layer_index, object["layerIndex"].asInt()) << where;
    EXPECT_EQ(Narrow(record.m_attributes.m_name), object["name"].asString()) << where;
    ExpectGeometryLikeReference(record.m_object, object, where);
  }
}

std::string LightStyleName(ON::light_style style)
{
  static const char* const names[] = {"CameraDirectional", "CameraPoint", "CameraSpot",
                                      "WorldDirectional",  "WorldPoint",  "WorldSpot",
                                      "Ambient",           "WorldLinear", "WorldRectangular"};
  const int i = static_cast<int>(style) - ON::camera_directional_light;
  return i >= 0 && i < 9 ? names[i] : "None";
}

// rhino3dm lists the lights among the objects; the core keeps them in the light table.
void ExpectLightsLikeReference(const ONX_Model& model, const Json::Value& reference, const std::string& file)
{
  std::vector<Json::Value> expected;
  for (const Json::Value& object : reference["objects"])
    if (object["class"].asString() == "ON_Light")
      expected.push_back(object);
  ASSERT_EQ(model.m_light_table.Count(), static_cast<int>(expected.size())) << file;
  for (int i = 0; i < model.m_light_table.Count(); ++i)
  {
    const ON_Light& light = model.m_light_table[i].m_light;
    const Json::Value& object = expected[static_cast<size_t>(i)];
    const std::string where = file + " light " + std::to_string(i);
    EXPECT_EQ(LightStyleName(light.Style()), object["lightStyle"].asString()) << where;
    EXPECT_EQ(light.IsEnabled(), object["isEnabled"].asBool()) << where;
    EXPECT_TRUE(SameTriple(object["location"], light.Location())) << where;
    EXPECT_TRUE(SameTriple(object["direction"], ON_3dPoint(light.Direction()))) << where;
    EXPECT_EQ(Narrow(light.LightName()), object["name"].asString()) << where;
    EXPECT_EQ(model.m_light_table[i].m_attributes.m_layer_index, object["layerIndex"].asInt()) << where;
  }
}

ONX_Model_Object& AddObject(ONX_Model& model, ON_Object* object, int layer_index, const wchar_t* name)
{
  ONX_Model_Object& record = model.m_object_table.AppendNew();
  record.m_object = object;
  record.m_bDeleteObject = true;
  record.m_attributes.m_layer_index = layer_index;
  record.m_attributes.m_name = name;
  return record;
}

ON_Mesh* TwoFaceMesh()
{
  ON_Mesh* mesh = new ON_Mesh();
  const float corners[5][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0.5f, 2, 1}};
  for (int i = 0; i < 5; ++i)
  {
    mesh->SetVertex(i, ON_3fPoint(corners[i][0], corners[i][1], corners[i][2]));
    mesh->m_N.Append(ON_3fVector(0, 0, 1));
    mesh->m_C.Append(ON_Color(10 * i, 20, 30));
    mesh->m_T.Append(ON_2fPoint(corners[i][0], corners[i][1]));
    mesh->m_S.Append(ON_2dPoint(corners[i][0], corners[i][2]));
  }
  mesh->SetQuad(0, 0, 1, 2, 3);
  mesh->SetTriangle(1, 3, 2, 4);
  return mesh;
}

ON_NurbsCurve* CubicCurve()
{
  const ON_3dPoint points[5] = {{0, 0, 0}, {1, 2, 0}, {3, 2, 1}, {4, 0, 1}, {6, 1, 2}};
  ON_NurbsCurve* curve = new ON_NurbsCurve();
  curve->CreateClampedUniformNurbs(3, 4, 5, points);
  return curve;
}

ON_NurbsSurface* BilinearSurface()
{
  ON_NurbsSurface* surface = new ON_NurbsSurface(3, false, 2, 2, 2, 3);
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 3; ++j)
      surface->SetCV(i, j, ON_3dPoint(i, j, i * j));
  const double knots_u[2] = {0, 1};
  const double knots_v[3] = {0, 1, 2};
  for (int k = 0; k < 2; ++k)
    surface->m_knot[0][k] = knots_u[k];
  for (int k = 0; k < 3; ++k)
    surface->m_knot[1][k] = knots_v[k];
  return surface;
}

// Two layers, points, a text dot, a mesh, curves and a surface.
void MakeSmallModel(ONX_Model& model)
{
  ON_Layer& base = model.m_layer_table.AppendNew();
  base.SetLayerName(L"Default");
  ON_Layer& red = model.m_layer_table.AppendNew();
  red.SetLayerName(L"Ground \u00e9");
  red.SetColor(ON_Color(255, 0, 0));
  AddObject(model, new ON_Point(1.0, 2.0, 3.0), 0, L"first");
  AddObject(model, new ON_Point(-4.5, 1e6, 0.25), 1, L"second");
  AddObject(model, new ON_TextDot(ON_3dPoint(7.0, 8.0, 9.0), L"here"), 1, L"");
  AddObject(model, TwoFaceMesh(), 0, L"mesh");
  AddObject(model, CubicCurve(), 1, L"");
  AddObject(model, new ON_LineCurve(ON_3dPoint(1, 1, 1), ON_3dPoint(2, 3, 4)), 1, L"");
  ON_3dPointArray corners;
  corners.Append(ON_3dPoint(0, 0, 0));
  corners.Append(ON_3dPoint(5, 0, 0));
  corners.Append(ON_3dPoint(5, 5, 0));
  AddObject(model, new ON_PolylineCurve(corners), 0, L"");
  AddObject(model, BilinearSurface(), 0, L"");
  ON_PointCloud* cloud = new ON_PointCloud();
  cloud->AppendPoint(ON_3dPoint(1, 2, 3));
  cloud->AppendPoint(ON_3dPoint(4, 5, 6));
  AddObject(model, cloud, 1, L"cloud");
  ON_Circle circle(ON_3dPoint(1, 2, 3), 2.5);
  AddObject(model, new ON_ArcCurve(ON_Arc(circle, ON_Interval(0.25, 2.0))), 0, L"arc");
  ON_PolyCurve* poly = new ON_PolyCurve();
  poly->Append(new ON_LineCurve(ON_3dPoint(0, 0, 0), ON_3dPoint(0, 0, 2)));
  poly->Append(new ON_ArcCurve(ON_Arc(ON_Circle(ON_3dPoint(1, 0, 2), 1.0), ON_Interval(ON_PI, 2 * ON_PI))));
  AddObject(model, poly, 0, L"poly");
  ON_PlaneSurface* plane = new ON_PlaneSurface(ON_Plane(ON_3dPoint(0, 0, 5), ON_3dVector(0, 0, 1)));
  plane->m_extents[0] = ON_Interval(-1, 3);
  AddObject(model, plane, 1, L"plane");
  ONX_Model_RenderLight& spot = model.m_light_table.AppendNew();
  spot.m_light.SetStyle(ON::world_spot_light);
  spot.m_light.SetLocation(ON_3dPoint(2, 3, 10));
  spot.m_light.SetDirection(ON_3dVector(-1, -1, -10));
  spot.m_light.SetSpotAngleRadians(0.5);
  spot.m_light.SetLightName(L"spot");
  spot.m_attributes.m_layer_index = 1;
}

std::vector<unsigned char> Written(const ONX_Model& model, int version)
{
  ON_BinaryArchive archive(ON_BinaryArchive::Mode::write3dm);
  EXPECT_TRUE(model.Write(archive, version));
  return archive.Buffer();
}

bool ReadBytes(const std::vector<unsigned char>& bytes, ONX_Model& model)
{
  ON_BinaryArchive archive(ON_BinaryArchive::Mode::read3dm);
  archive.SetBuffer(bytes.data(), bytes.size());
  return model.Read(archive);
}
} // namespace

// A sample read by this core and by rhino3dm.
class SampleFile : public ::testing::TestWithParam<std::string>
{
protected:
  void SetUp() override
  {
    m_file = kSamples + "/" + GetParam();
    if (access(m_file.c_str(), R_OK) != 0)
      GTEST_SKIP() << "the 3dm sample files are not in the shared data";
    ASSERT_TRUE(m_model.Read(m_file.c_str())) << m_file;
    std::string why_not;
    if (!Rhino3dm::Inspect(m_file, m_reference, why_not))
    {
      if (Rhino3dm::Missing(why_not))
        GTEST_SKIP() << why_not;
      FAIL() << m_file << ": " << why_not;
    }
  }

  std::string m_file;
  ONX_Model m_model;
  Json::Value m_reference;
};

TEST_P(SampleFile, ReadsLikeRhino3dm)
{
  EXPECT_EQ(m_model.m_3dm_file_version, m_reference["archiveVersion"].asInt()) << m_file;
  ExpectLayersLikeReference(m_model, m_reference, m_file);
  ExpectObjectsLikeReference(m_model, m_reference, m_file);
  ExpectLightsLikeReference(m_model, m_reference, m_file);
}

std::vector<Json::Value> BrepsOf(const std::vector<Json::Value>& objects)
{
  std::vector<Json::Value> breps;
  for (const Json::Value& object : objects)
    if (object["class"].asString() == "ON_Brep")
      breps.push_back(object);
  return breps;
}

void ExpectSameBrepFigures(const Json::Value& expected, const Json::Value& actual, const std::string& where)
{
  for (const char* figure :
       {"faceCount", "edgeCount", "vertexCount", "loopCount", "trimCount", "surfaceCount", "isValid", "isSolid"})
    EXPECT_EQ(actual[figure], expected[figure]) << where << " " << figure;
  // The box of a written brep is computed by the reader; the box of a legacy brep is the one its
  // file held, which may be wider.
  for (Json::ArrayIndex k = 0; k < 3; ++k)
  {
    EXPECT_GE(actual["bbox"]["min"][k].asDouble(), expected["bbox"]["min"][k].asDouble() - 1e-9) << where;
    EXPECT_LE(actual["bbox"]["max"][k].asDouble(), expected["bbox"]["max"][k].asDouble() + 1e-9) << where;
  }
}

// The breps this core reads, written as version 3 and 2 files, read back in rhino3dm with the
// figures rhino3dm gives for the sample.
TEST_P(SampleFile, BrepsWrittenReadBackInRhino3dm)
{
  const std::vector<Json::Value> expected = BrepsOf(ObjectsCoreReads(m_model, m_reference));
  if (expected.empty())
    return;
  for (const int version : {3, 2})
  {
    const std::string path = TempPath(version == 2 ? "_breps_v2.3dm" : "_breps_v3.3dm");
    ASSERT_TRUE(m_model.Write(path.c_str(), version)) << m_file;
    Json::Value written;
    std::string why_not;
    const bool inspected = Rhino3dm::Inspect(path, written, why_not);
    std::remove(path.c_str());
    ASSERT_TRUE(inspected) << m_file << " as version " << version << ": " << why_not;
    std::vector<Json::Value> objects;
    for (const Json::Value& object : written["objects"])
      objects.push_back(object);
    const std::vector<Json::Value> actual = BrepsOf(objects);
    ASSERT_EQ(actual.size(), expected.size()) << m_file << " as version " << version;
    for (size_t i = 0; i < expected.size(); ++i)
      ExpectSameBrepFigures(expected[i], actual[i],
                            m_file + " as version " + std::to_string(version) + " brep " + std::to_string(i));
  }
}

std::vector<std::string> VersionTwoAndThreeSamples()
{
  std::vector<std::string> files = SampleFiles("V2");
  const std::vector<std::string> v3 = SampleFiles("V3");
  files.insert(files.end(), v3.begin(), v3.end());
  return files;
}

std::string SampleTestName(const ::testing::TestParamInfo<std::string>& info)
{
  std::string name = info.param.substr(info.param.find('/') + 1);
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)))
      c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(V2AndV3, SampleFile, ::testing::ValuesIn(VersionTwoAndThreeSamples()), SampleTestName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(SampleFile);

TEST(ONXModel, UnsupportedClassesAreSkippedAndCounted)
{
  ONX_Model model;
  if (!model.Read((kSamples + "/V2/v2_Camera.3dm").c_str()))
    GTEST_SKIP() << "the 3dm sample files are not in the shared data";
  // Its 41 breps of the legacy form and its 4 lights are read.
  EXPECT_EQ(model.SkippedObjectCount(), 0) << Narrow(model.SkippedObjectSummary());
  EXPECT_EQ(model.m_light_table.Count(), 4);

  ONX_Model later;
  ASSERT_TRUE(later.Read((kSamples + "/V5/v5_example_file.3dm").c_str()));
  EXPECT_EQ(Narrow(later.SkippedObjectSummary()), "ON_DetailView 1, ON_AngularDimension2 1, "
                                                  "ON_LinearDimension2 1, ON_Brep 3, ON_Extrusion 3");
}

// Version 5 attributes are item coded: objects keep their layers, names and the rest the core
// holds.
TEST(ONXModel, Version5ObjectsKeepTheirAttributes)
{
  for (const std::string& name : SampleFiles("V5"))
  {
    const std::string file = kSamples + "/" + name;
    ONX_Model model;
    ASSERT_TRUE(model.Read(file.c_str())) << file;
    Json::Value reference;
    std::string why_not;
    if (!Rhino3dm::Inspect(file, reference, why_not))
    {
      if (Rhino3dm::Missing(why_not))
        GTEST_SKIP() << why_not;
      FAIL() << file << ": " << why_not;
    }
    ExpectObjectsLikeReference(model, reference, file);
  }
}

// Version 4 material records (a versioned anonymous chunk) are read, put at their stored index, and
// written in the version 3 layout. Figures from the record bytes; rhino3dm reports the count.
TEST(ONXModel, Version4MaterialsAreReadAndWrittenInTheVersion3Layout)
{
  const std::string file = kSamples + "/V4/v4_example_file.3dm";
  ONX_Model model;
  if (!model.Read(file.c_str()))
    GTEST_SKIP() << "the 3dm sample files are not in the shared data";
  EXPECT_EQ(Narrow(model.SkippedObjectSummary()).find("ON_Material"), std::string::npos);
  Json::Value reference;
  std::string why_not;
  if (Rhino3dm::Inspect(file, reference, why_not))
  {
    EXPECT_EQ(model.m_material_table.Count(), reference["tableCounts"]["materials"].asInt());
  }
  ASSERT_EQ(model.m_material_table.Count(), 3);
  for (int pass = 0; pass < 2; ++pass)
  {
    SCOPED_TRACE(pass == 0 ? "as read" : "written as version 3 and read back");
    const ON_Material& blue = model.m_material_table[2];
    EXPECT_EQ(blue.m_material_id, ON_UuidFromString("4C165D3A-8BC8-4928-B68B-F8D3F2F13BE5"));
    EXPECT_EQ(blue.Diffuse(), ON_Color(191, 191, 255));
    EXPECT_EQ(blue.m_specular, ON_Color(0, 255, 255));
    EXPECT_EQ(blue.m_shine, 178.5);
    EXPECT_EQ(blue.m_transparency, 0.2);
    EXPECT_EQ(model.m_material_table[0].m_material_id, ON_UuidFromString("D7D49295-3746-47B9-9302-31F3A14D560C"));
    EXPECT_EQ(model.m_material_table[1].Diffuse(), ON_Color(255, 255, 255));
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(model.m_material_table[i].MaterialIndex(), i);
    if (pass == 0)
    {
      const std::vector<unsigned char> written = Written(model, 4);
      ASSERT_TRUE(ReadBytes(written, model));
      EXPECT_EQ(model.m_3dm_file_version, 3);
      ASSERT_EQ(model.m_material_table.Count(), 3);
    }
  }
}

// Settings, properties and user tables the core does not read are written back as they were read,
// in the version they were read in, and left out of another.
TEST(ONXModel, UnreadSettingsAndUserTablesComeBackInTheirVersion)
{
  ONX_Model model;
  if (!model.Read((kSamples + "/V2/v2_Flow1.3dm").c_str()))
    GTEST_SKIP() << "the 3dm sample files are not in the shared data";
  ASSERT_EQ(model.m_unread_tables.Count(), 1);
  ASSERT_FALSE(model.m_settings.m_unread_records.IsEmpty());
  EXPECT_EQ(model.SkippedRecordCount(), 0) << Narrow(model.SkippedRecordSummary());
  for (const int version : {2, 3})
  {
    ON_BinaryArchive written(ON_BinaryArchive::Mode::write3dm);
    ASSERT_TRUE(model.Write(written, version));
    ON_BinaryArchive reading(ON_BinaryArchive::Mode::read3dm);
    reading.SetBuffer(written.Buffer().data(), written.Buffer().size());
    ONX_Model read;
    ASSERT_TRUE(read.Read(reading)) << version;
    const bool same = version == 2;
    EXPECT_EQ(read.m_unread_tables.Count(), same ? 1 : 0) << version;
    EXPECT_EQ(read.m_settings.m_unread_records.Count(), same ? model.m_settings.m_unread_records.Count() : 0)
        << version;
    EXPECT_EQ(read.m_object_table.Count(), model.m_object_table.Count()) << version;
  }
}

// What the reader reads past without keeping is tallied by kind; a file this core wrote has none.
TEST(ONXModel, ContentLeftOutOnReadingIsCounted)
{
  const struct
  {
    const char* file;
    const char* expected;
  } cases[] = {
      {"/V4/v4_example_file.3dm", "table of a later version 1"},
  };
  for (const auto& c : cases)
  {
    ONX_Model model;
    if (!model.Read((kSamples + c.file).c_str()))
      GTEST_SKIP() << "the 3dm sample files are not in the shared data";
    const std::string summary = Narrow(model.SkippedRecordSummary());
    EXPECT_NE(summary.find(c.expected), std::string::npos) << c.file << ": " << summary;
  }

  ONX_Model own;
  own.m_layer_table.AppendNew().SetLayerName(L"Default");
  own.m_material_table.AppendNew();
  ONX_Model_Object& record = own.m_object_table.AppendNew();
  record.m_object = new ON_Point(1, 2, 3);
  record.m_bDeleteObject = true;
  ON_BinaryArchive written(ON_BinaryArchive::Mode::write3dm);
  ASSERT_TRUE(own.Write(written, 3));
  ON_BinaryArchive reading(ON_BinaryArchive::Mode::read3dm);
  reading.SetBuffer(written.Buffer().data(), written.Buffer().size());
  ONX_Model read;
  ASSERT_TRUE(read.Read(reading));
  EXPECT_EQ(read.SkippedRecordCount(), 0) << Narrow(read.SkippedRecordSummary());
  EXPECT_EQ(read.SkippedObjectCount(), 0);
}

namespace
{
// The first user data chunk (typecode 0x00027FFD) of a 3dm file's bytes, header included; empty when none.
std::vector<unsigned char> UserDataChunk(const std::vector<unsigned char>& bytes)
{
  const unsigned char typecode[4] = {0xFD, 0x7F, 0x02, 0x00};
  const auto at = std::search(bytes.begin(), bytes.end(), typecode, typecode + 4);
  if (bytes.end() - at < 8)
    return {};
  unsigned int length = 0;
  std::memcpy(&length, &*at + 4, 4);
  if (static_cast<size_t>(bytes.end() - at) < 8 + static_cast<size_t>(length))
    return {};
  return std::vector<unsigned char>(at, at + 8 + length);
}

std::vector<unsigned char> FileBytes(const std::string& path)
{
  std::vector<unsigned char> bytes;
  if (std::FILE* f = std::fopen(path.c_str(), "rb"))
  {
    unsigned char block[4096];
    size_t got = 0;
    while ((got = std::fread(block, 1, sizeof(block), f)) > 0)
      bytes.insert(bytes.end(), block, block + got);
    std::fclose(f);
  }
  return bytes;
}
} // namespace

// User data is kept with its object, byte for byte, in the version it was read in and left out of
// another; rhino3dm reads the written files like the samples.
TEST(ONXModel, UserDataComesBackWithItsObjectInItsVersion)
{
  for (const char* file : {"/V2/v2_point_with_user_Data.3dm", "/V3/v3_point_with_user_Data.3dm"})
  {
    SCOPED_TRACE(file);
    const std::vector<unsigned char> sample = FileBytes(kSamples + file);
    if (sample.empty())
      GTEST_SKIP() << "the 3dm sample files are not in the shared data";
    ONX_Model model;
    ASSERT_TRUE(model.Read((kSamples + file).c_str()));
    EXPECT_EQ(model.SkippedRecordCount(), 0) << Narrow(model.SkippedRecordSummary());
    ASSERT_EQ(model.m_object_table.Count(), 1);
    const ON_Object* point = model.m_object_table[0].m_object;
    EXPECT_EQ(point->m_unread_user_data.Count(), 1);
    const std::unique_ptr<ON_Object> copy(point->Duplicate());
    EXPECT_EQ(copy->m_unread_user_data.Count(), 1);

    const std::vector<unsigned char> user_data = UserDataChunk(sample);
    ASSERT_FALSE(user_data.empty());
    for (int version : {2, 3})
    {
      const std::vector<unsigned char> written = Written(model, version);
      const bool own_version = version == model.m_3dm_file_version;
      EXPECT_EQ(UserDataChunk(written), own_version ? user_data : std::vector<unsigned char>()) << version;
      ONX_Model back;
      ASSERT_TRUE(ReadBytes(written, back));
      ASSERT_EQ(back.m_object_table.Count(), 1);
      EXPECT_EQ(back.m_object_table[0].m_object->m_unread_user_data.Count(), own_version ? 1 : 0);

      const std::string path = TempPath("_user_data.3dm");
      ASSERT_TRUE(model.Write(path.c_str(), version));
      Json::Value reference;
      std::string why_not;
      const bool inspected = Rhino3dm::Inspect(path, reference, why_not);
      std::remove(path.c_str());
      if (!inspected && Rhino3dm::Missing(why_not))
        GTEST_SKIP() << why_not;
      ASSERT_TRUE(inspected) << why_not;
      ExpectObjectsLikeReference(back, reference, path);
    }
  }
}

// A light read from a sample and written again gives the sample's class data byte for byte (CRC
// included).
TEST(ONXModel, LightsAreWrittenAsTheSamplesHoldThem)
{
  for (const char* file : {"/V2/v2_my_spot_light.3dm", "/V3/v3_my_spot_light.3dm", "/V3/v3_Camera.3dm"})
  {
    SCOPED_TRACE(file);
    const std::vector<unsigned char> sample = FileBytes(kSamples + file);
    if (sample.empty())
      GTEST_SKIP() << "the 3dm sample files are not in the shared data";
    ONX_Model model;
    ASSERT_TRUE(model.Read((kSamples + file).c_str()));
    ASSERT_GT(model.m_light_table.Count(), 0);
    for (int i = 0; i < model.m_light_table.Count(); ++i)
    {
      ON_BinaryArchive writer(ON_BinaryArchive::Mode::write3dm);
      writer.SetArchive3dmVersion(model.m_3dm_file_version);
      ASSERT_TRUE(writer.WriteObject(model.m_light_table[i].m_light));
      const std::vector<unsigned char>& bytes = writer.Buffer();
      const size_t data_begin = 8 + 28, data_end = bytes.size() - 8; // after the class id, before the class end
      ASSERT_GT(data_end, data_begin);
      EXPECT_NE(std::search(sample.begin(), sample.end(), bytes.begin() + data_begin, bytes.begin() + data_end),
                sample.end())
          << "light " << i;
    }
  }
}

TEST(ONXModel, WrittenFilesReadBackInBothReaders)
{
  ONX_Model model;
  MakeSmallModel(model);
  for (int version : {2, 3})
  {
    const std::string path = TempPath(version == 2 ? "_v2.3dm" : "_v3.3dm");
    ASSERT_TRUE(model.Write(path.c_str(), version));

    ONX_Model back;
    ASSERT_TRUE(back.Read(path.c_str()));
    EXPECT_EQ(back.m_3dm_file_version, version);
    ASSERT_EQ(back.m_layer_table.Count(), 2);
    EXPECT_TRUE(back.m_layer_table[1].LayerName() == L"Ground \u00e9");
    // Version 2 keeps a point cloud as one point object per point.
    ASSERT_EQ(back.m_object_table.Count(), version == 2 ? 13 : 12);
    EXPECT_EQ(ON_Point::Cast(back.m_object_table[1].m_object)->point.y, 1e6);
    EXPECT_EQ(back.m_object_table[1].m_attributes.m_layer_index, 1);
    ASSERT_NE(ON_TextDot::Cast(back.m_object_table[2].m_object), nullptr) << "version " << version;

    Json::Value reference;
    std::string why_not;
    if (!Rhino3dm::Inspect(path, reference, why_not))
    {
      std::remove(path.c_str());
      if (Rhino3dm::Missing(why_not))
        GTEST_SKIP() << why_not;
      FAIL() << why_not;
    }
    EXPECT_EQ(reference["archiveVersion"].asInt(), version);
    ExpectLayersLikeReference(back, reference, path);
    ExpectObjectsLikeReference(back, reference, path);
    ExpectLightsLikeReference(back, reference, path);
    EXPECT_EQ(reference["objects"][2]["class"].asString(), "ON_TextDot");
    // Version 2 keeps curves in NURBS form only.
    EXPECT_EQ(reference["objects"][5]["class"].asString(), version == 2 ? "ON_NurbsCurve" : "ON_LineCurve");
    // A poly curve stays one: in version 2 under the id Rhino 2 wrote, with segments in NURBS form.
    for (const Json::Value& object : reference["objects"])
    {
      if (object["name"].asString() == "poly")
      {
        EXPECT_EQ(object["class"].asString(), "ON_PolyCurve") << "version " << version;
      }
    }
    std::remove(path.c_str());
  }
}

TEST(ONXModel, PointClassDataMatchesTheFormatBytes)
{
  ON_BinaryArchive archive(ON_BinaryArchive::Mode::write3dm);
  archive.SetArchive3dmVersion(3);
  ASSERT_TRUE(archive.WriteObject(ON_Point(1.0, 2.0, 3.0)));
  const std::vector<unsigned char>& b = archive.Buffer();
  // Class data chunk of the single point: version 1.0, three doubles, CRC e5 0b 3c 49.
  const std::vector<unsigned char> data_chunk = {0xfc, 0xff, 0x02, 0x00, 0x1d, 0x00, 0x00, 0x00, 0x10};
  ASSERT_EQ(b.size(), 81u);
  EXPECT_TRUE(std::equal(data_chunk.begin(), data_chunk.end(), b.begin() + 36));
  const std::vector<unsigned char> crc = {0xe5, 0x0b, 0x3c, 0x49};
  EXPECT_TRUE(std::equal(crc.begin(), crc.end(), b.begin() + 69));
}

TEST(ONXModel, DamagedFilesFailCleanly)
{
  ONX_Model model;
  MakeSmallModel(model);
  const std::vector<unsigned char> good = Written(model, 3);
  ONX_Model back;
  ASSERT_TRUE(ReadBytes(good, back));

  for (size_t length = 0; length < good.size(); ++length)
  {
    const std::vector<unsigned char> cut(good.begin(), good.begin() + static_cast<long>(length));
    EXPECT_FALSE(ReadBytes(cut, back)) << "cut at " << length;
  }
  for (size_t at = 32; at < good.size(); at += 7)
  {
    std::vector<unsigned char> bad = good;
    bad[at] ^= 0x5A;
    ReadBytes(bad, back); // must not crash; most flips fail the read
  }
  std::vector<unsigned char> bad_crc = good;
  bad_crc[good.size() - 60] ^= 0x01; // inside the last object's attributes
  EXPECT_FALSE(ReadBytes(bad_crc, back));
}

TEST(ONXModel, WritingVersion4GivesVersion3AndPolishFixesIndices)
{
  ONX_Model model;
  AddObject(model, new ON_Point(0, 0, 0), 7, L"");
  AddObject(model, new ON_Point(1, 0, 0), 0, L"");
  model.m_object_table[0].m_attributes.m_uuid = ON_UuidFromString("6B4D2C5E-1B0A-3D4C-8E9F-102132435465");
  model.m_object_table[1].m_attributes.m_uuid = model.m_object_table[0].m_attributes.m_uuid;
  ONX_Model back;
  ASSERT_TRUE(ReadBytes(Written(model, 4), back));
  EXPECT_EQ(back.m_3dm_file_version, 3);
  ASSERT_EQ(back.m_layer_table.Count(), 1); // a default layer for objects without one
  EXPECT_EQ(back.m_object_table[0].m_attributes.m_layer_index, 0);
  EXPECT_NE(back.m_object_table[0].m_attributes.m_uuid, back.m_object_table[1].m_attributes.m_uuid);
}

namespace
{
// A class chunk whose data claims huge counts after the version byte.
std::vector<unsigned char> HostileClassChunk(const char* class_id, int major, int minor, int leading_ints)
{
  ON_BinaryArchive writer(ON_BinaryArchive::Mode::write3dm);
  writer.SetArchive3dmVersion(3);
  writer.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_OPENNURBS_CLASS, 0);
  writer.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_OPENNURBS_CLASS_UUID, 0);
  writer.WriteUuid(ON_UuidFromString(class_id));
  writer.EndWrite3dmChunk();
  writer.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_OPENNURBS_CLASS_DATA, 0);
  writer.Write3dmChunkVersion(major, minor);
  for (int i = 0; i < leading_ints; ++i)
    writer.WriteInt(0x7FFFFFF0);
  const double zeros[32] = {};
  writer.WriteDouble(32, zeros);
  writer.EndWrite3dmChunk();
  writer.BeginWrite3dmChunk(ON_BinaryArchive::TCODE_OPENNURBS_CLASS_END, 0);
  writer.EndWrite3dmChunk();
  writer.EndWrite3dmChunk();
  return writer.Buffer();
}
} // namespace

TEST(ONXModel, HugeCountsAreRefusedBeforeAllocation)
{
  struct Case
  {
    const char* class_id;
    int major, minor, leading_ints;
  };
  const Case cases[] = {
      {"4ED7D4E4-E947-11D3-BFE5-0010830122F0", 3, 2, 2}, // mesh vertex and face counts
      {"4ED7D4E4-E947-11D3-BFE5-0010830122F0", 1, 0, 2},
      {"2488F347-F8FA-11D3-BFEC-0010830122F0", 1, 1, 1}, // point cloud point count
      {"4ED7D4E6-E947-11D3-BFE5-0010830122F0", 1, 0, 1}, // polyline point count
      {"4ED7D4E0-E947-11D3-BFE5-0010830122F0", 1, 0, 1}, // poly curve segment count
  };
  for (const Case& c : cases)
  {
    const std::vector<unsigned char> bytes = HostileClassChunk(c.class_id, c.major, c.minor, c.leading_ints);
    ON_BinaryArchive reader(ON_BinaryArchive::Mode::read3dm);
    reader.SetBuffer(bytes.data(), bytes.size());
    reader.SetArchive3dmVersion(3);
    ON_Object* object = nullptr;
    EXPECT_EQ(reader.ReadObject(&object), 3) << c.class_id; // skipped, the stream stays in step
    EXPECT_EQ(object, nullptr);
    EXPECT_TRUE(reader.AtEnd());
  }
  // NURBS curves and surfaces: sizes that do not fit the chunk.
  ON_BinaryArchive writer(ON_BinaryArchive::Mode::write3dm);
  writer.SetArchive3dmVersion(3);
  ON_NurbsCurve big;
  ASSERT_TRUE(big.Create(3, false, 4, 4));
  ASSERT_TRUE(writer.WriteObject(big));
  std::vector<unsigned char> bytes = writer.Buffer();
  const int huge = 0x40000000;
  std::memcpy(bytes.data() + 36 + 8 + 1 + 12, &huge, 4); // the CV count after dim, rational, order
  ON_BinaryArchive reader(ON_BinaryArchive::Mode::read3dm);
  reader.SetBuffer(bytes.data(), bytes.size());
  reader.SetArchive3dmVersion(3);
  ON_Object* object = nullptr;
  EXPECT_EQ(reader.ReadObject(&object), 3);
  EXPECT_EQ(object, nullptr);

  // A light whose name is longer than its chunk.
  ON_BinaryArchive light_writer(ON_BinaryArchive::Mode::write3dm);
  light_writer.SetArchive3dmVersion(3);
  ON_Light light;
  light.SetLightName(L"lamp");
  ASSERT_TRUE(light_writer.WriteObject(light));
  bytes = light_writer.Buffer();
  const size_t name_count = 36 + 8 + 1 + 8 + 16 + 12 + 48 + 16 + 24 + 8 + 4 + 16; // class id, data header, fields
  int count = 0;
  std::memcpy(&count, bytes.data() + name_count, 4);
  ASSERT_EQ(count, 5); // "lamp" and its terminator
  std::memcpy(bytes.data() + name_count, &huge, 4);
  ON_BinaryArchive light_reader(ON_BinaryArchive::Mode::read3dm);
  light_reader.SetBuffer(bytes.data(), bytes.size());
  light_reader.SetArchive3dmVersion(3);
  EXPECT_EQ(light_reader.ReadObject(&object), 3);
  EXPECT_EQ(object, nullptr);
  EXPECT_TRUE(light_reader.AtEnd());
}
