#include "HeadlessPresenter.h"
#include "QOR3DM.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace
{

ON_wString TempFile(const char* name)
{
  return ON_wString((::testing::TempDir() + "qor3dmconv_" + std::to_string(getpid()) + name).c_str());
}

ON_Mesh Triangle(double z)
{
  ON_Mesh mesh;
  mesh.SetVertex(0, ON_3dPoint(0, 0, z));
  mesh.SetVertex(1, ON_3dPoint(1, 0, z));
  mesh.SetVertex(2, ON_3dPoint(0, 1, z));
  mesh.SetTriangle(0, 0, 1, 2);
  return mesh;
}

ON_NurbsCurve Curve(int order)
{
  const ON_3dPoint points[4] = {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}, {3, 1, 0}};
  ON_NurbsCurve curve;
  curve.CreateClampedUniformNurbs(3, order, 4, points);
  return curve;
}

class QOR3DMConvertTest : public ::testing::Test
{
protected:
  void SetUp() override { Platform::Presenter::Install(&m_presenter); }
  void TearDown() override
  {
    std::remove(static_cast<const char*>(ON_String(m_path)));
    Platform::Presenter::Install(nullptr);
  }
  Platform::HeadlessPresenter m_presenter;
  ON_wString m_path = TempFile("_file.3dm");
};

TEST_F(QOR3DMConvertTest, PointsAsCloudOrSinglePoints)
{
  ON_3dPointArray points;
  points.Append(ON_3dPoint(1, 2, 3));
  points.Append(ON_3dPoint(4, 5, 6));
  ASSERT_EQ(QOR3DM::PointsTo3DM(points, m_path, 3, 1), 1);
  ON_3dPointArray read;
  read.Append(ON_3dPoint(9, 9, 9));
  ASSERT_EQ(QOR3DM::_3DMToPoints(m_path, read, 1), 1);
  EXPECT_EQ(read.Count(), 1); // the cloud is skipped
  ASSERT_EQ(QOR3DM::_3DMToPoints(m_path, read, 0), 1);
  ASSERT_EQ(read.Count(), 3); // appended after the points already there
  EXPECT_EQ(read[2].z, 6.0);

  ASSERT_EQ(QOR3DM::PointsTo3DM(points, m_path, 3, 2), 1); // only 1 selects the cloud
  read.Empty();
  ASSERT_EQ(QOR3DM::_3DMToPoints(m_path, read, 1), 1);
  EXPECT_EQ(read.Count(), 2);
}

TEST_F(QOR3DMConvertTest, PolylinesTakeDegreeOneCurvesOnly)
{
  ON_ClassArray<ON_Polyline> polylines;
  ON_Polyline square;
  square.Append(ON_3dPoint(0, 0, 0));
  square.Append(ON_3dPoint(1, 0, 0));
  square.Append(ON_3dPoint(1, 1, 0));
  polylines.Append(square);
  ON_ClassArray<ON_NurbsCurve> curves;
  curves.Append(Curve(2));
  curves.Append(Curve(4));
  ASSERT_EQ(QOR3DM::ObjectsTo3DM(ON_3dPointArray(), ON_ClassArray<ON_Line>(), polylines, ON_ClassArray<ON_Circle>(),
                                 ON_ClassArray<ON_Arc>(), curves, ON_ClassArray<ON_Mesh>(),
                                 ON_ClassArray<ON_TextEntity2>(), m_path, 3),
            1);
  ON_ClassArray<ON_Polyline> read;
  ASSERT_EQ(QOR3DM::_3DMToPolylines(m_path, read), 1);
  ASSERT_EQ(read.Count(), 2);
  EXPECT_EQ(read[0].PointCount(), 3);
  EXPECT_EQ(read[1].PointCount(), 4);
  EXPECT_EQ(read[1][3].x, 3.0);
}

TEST_F(QOR3DMConvertTest, CurvesInNurbsForm)
{
  ON_ClassArray<ON_Line> lines;
  lines.Append(ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(2, 0, 0)));
  ON_ClassArray<ON_Circle> circles;
  circles.Append(ON_Circle(ON_3dPoint(5, 5, 0), 2.0));
  ON_ClassArray<ON_NurbsCurve> curves;
  curves.Append(Curve(4));
  ASSERT_EQ(QOR3DM::ObjectsTo3DM(ON_3dPointArray(), lines, ON_ClassArray<ON_Polyline>(), circles,
                                 ON_ClassArray<ON_Arc>(), curves, ON_ClassArray<ON_Mesh>(),
                                 ON_ClassArray<ON_TextEntity2>(), m_path, 3),
            1);
  ON_ClassArray<ON_NurbsCurve> read;
  ASSERT_EQ(QOR3DM::_3DMToCurves(m_path, read), 1);
  ASSERT_EQ(read.Count(), 3);
  EXPECT_EQ(read[0].PointAtEnd().x, 2.0);
  EXPECT_NEAR(read[1].PointAt(read[1].Domain().ParameterAt(0.5)).DistanceTo(ON_3dPoint(5, 5, 0)), 2.0, 1e-9);
  EXPECT_EQ(read[2].Degree(), 3);
}

// Every kind goes in, in the order of the parameters, with the texts unchanged after the meshes.
TEST_F(QOR3DMConvertTest, ObjectsKeepTheirOrderAndTextsComeLast)
{
  ON_3dPointArray points;
  points.Append(ON_3dPoint(1, 2, 3));
  ON_ClassArray<ON_Mesh> meshes;
  meshes.Append(Triangle(0));
  ON_ClassArray<ON_TextEntity2> texts;
  ON_TextEntity2& text = texts.AppendNew();
  text.SetPlane(ON_Plane(ON_3dPoint(4, 5, 6), ON_3dVector(0, 0, 1)));
  text.SetTextValue(L"Well 7");
  text.SetHeight(0.5);
  text.SetFontIndex(2);
  ASSERT_EQ(QOR3DM::ObjectsTo3DM(points, ON_ClassArray<ON_Line>(), ON_ClassArray<ON_Polyline>(),
                                 ON_ClassArray<ON_Circle>(), ON_ClassArray<ON_Arc>(), ON_ClassArray<ON_NurbsCurve>(),
                                 meshes, texts, m_path, 3),
            1);
  ON_3dmProperties properties;
  int count = 0;
  ASSERT_EQ(QOR3DM::ReadStart(m_path, properties, count), 1);
  ASSERT_EQ(count, 3);
  EXPECT_EQ(QOR3DM::ReadGetObjectClassName(0), "ON_Point");
  EXPECT_EQ(QOR3DM::ReadGetObjectClassName(1), "ON_Mesh");
  ASSERT_EQ(QOR3DM::ReadGetObjectClassName(2), "ON_TextEntity2");
  const ON_TextEntity2* read = ON_TextEntity2::Cast(QOR3DM::ReadGetObject(2));
  EXPECT_TRUE(ON_wString(read->TextValue()) == L"Well 7");
  EXPECT_EQ(read->Plane().origin, ON_3dPoint(4, 5, 6));
  EXPECT_EQ(read->Height(), 0.5);
  EXPECT_EQ(read->FontIndex(), 2);
  QOR3DM::ReadEnd();
}

TEST_F(QOR3DMConvertTest, MeshesAppendOrCombine)
{
  ON_ClassArray<ON_Mesh> meshes;
  meshes.Append(Triangle(0));
  meshes.Append(Triangle(1));
  ASSERT_EQ(QOR3DM::MeshTo3DM(meshes, m_path, 3, 0), 1);
  ON_Mesh mesh = Triangle(5);
  ASSERT_EQ(QOR3DM::_3DMToMesh(m_path, mesh), 1);
  EXPECT_EQ(mesh.FaceCount(), 3); // both appended to the mesh passed in

  ASSERT_EQ(QOR3DM::MeshTo3DM(meshes, m_path, 2, 1), 1);
  ON_ClassArray<ON_Mesh> read;
  read.Append(Triangle(7));
  ASSERT_EQ(QOR3DM::_3DMToMesh(m_path, read), 1);
  ASSERT_EQ(read.Count(), 1); // emptied first, then the one combined mesh
  EXPECT_EQ(read[0].FaceCount(), 2);

  ASSERT_EQ(QOR3DM::MeshTo3DM(ON_ClassArray<ON_Mesh>(), m_path, 3, 0), 1);
  ASSERT_EQ(QOR3DM::_3DMToMesh(m_path, read), 1);
  EXPECT_EQ(read.Count(), 0);
}

TEST_F(QOR3DMConvertTest, FailuresAreReported)
{
  QOR3DM::SetError(L"");
  EXPECT_EQ(QOR3DM::GeometryTo3DM(ON_Point(1, 1, 1), TempFile("_missing_dir/x.3dm"), 3), 0);
  EXPECT_TRUE(QOR3DM::GetError() == L"Unable to write to 3DM file");
  ON_3dmProperties properties;
  EXPECT_EQ(QOR3DM::Get3DMProperties(TempFile("_missing.3dm"), properties), 0);
  ON_Mesh mesh = Triangle(0);
  EXPECT_EQ(QOR3DM::_3DMToMesh(TempFile("_missing.3dm"), mesh), 0);
  EXPECT_TRUE(QOR3DM::GetError() == L"Unable to read 3DM file");
  EXPECT_EQ(mesh.FaceCount(), 1);
  ON_ClassArray<ON_Line> lines;
  EXPECT_EQ(QOR3DM::_3DMToLines(TempFile("_missing.3dm"), lines), 0);
  EXPECT_TRUE(QOR3DM::GetError() == L"Unable to read file");
}

} // namespace

// Breps of a real file come in their own array, apart from its curves and meshes.
TEST_F(QOR3DMConvertTest, ObjectsTakeBreps)
{
  const ON_wString sample(NUBILO_SHARED_DATA "/3dm/V3/v3_Camera.3dm");
  if (access(static_cast<const char*>(ON_String(sample)), R_OK) != 0)
    GTEST_SKIP() << "the 3dm sample files are not in the shared data";
  ON_3dPointArray points;
  ON_ClassArray<ON_NurbsCurve> curves;
  ON_ClassArray<ON_Brep> breps;
  ON_ClassArray<ON_Mesh> meshes;
  ASSERT_EQ(QOR3DM::_3DMToObjects(sample, points, curves, breps, meshes), 1);
  EXPECT_EQ(breps.Count(), 41);
  EXPECT_EQ(meshes.Count(), 0);
  EXPECT_EQ(breps[1].m_F.Count(), 19);
  EXPECT_TRUE(breps[1].IsValid());
}
