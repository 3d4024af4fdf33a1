#include "PlugInCommandTest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const wchar_t* const kTypeEntry = L"NBWrapMesh - Nubilo Type";

class WrapCommandTest : public PlugInCommandTest
{
protected:
  // Points spread evenly over a sphere.
  void AddSpherePoints(int count)
  {
    const double golden = M_PI * (3.0 - std::sqrt(5.0));
    for (int i = 0; i < count; i++)
    {
      const double z = 1.0 - (i + 0.5) * 2.0 / count, r = std::sqrt(1.0 - z * z);
      RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(r * std::cos(golden * i), r * std::sin(golden * i), z));
    }
  }

  int Saved() { return PlugInCommandTest::Saved(kTypeEntry); }

  const ON_Mesh* LastMesh()
  {
    return ON_Mesh::Cast(RhinoApp().ActiveDoc()->Objects().back()->Geometry());
  }

};

}  // namespace

TEST_F(WrapCommandTest, DefaultsToConcaveAndSavesTheTypeUsed)
{
  AddSpherePoints(300);
  const int redraws = RhinoApp().ActiveDoc()->RedrawCount();
  ASSERT_EQ(Run("NBWrapMesh All Enter"), CRhinoCommand::success);
  const ON_Mesh* mesh = LastMesh();
  ASSERT_NE(mesh, nullptr);
  EXPECT_EQ(m_printed, "Wrapped 300 points to create a mesh containing " + std::to_string(mesh->FaceCount()) +
                           " faces\n");
  EXPECT_GT(mesh->VertexCount(), 300);  // the crust's corners are power vertices, not the points
  EXPECT_EQ(Saved(), 0);
  EXPECT_EQ(RhinoApp().ActiveDoc()->RedrawCount(), redraws + 1);
}

TEST_F(WrapCommandTest, ConvexChoiceIsRememberedForTheNextRun)
{
  for (int corner = 0; corner < 8; corner++)
    RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(corner & 1, (corner >> 1) & 1, (corner >> 2) & 1));
  ASSERT_EQ(Run("NBWrapMesh NubiloType=Convex All Enter"), CRhinoCommand::success);
  EXPECT_EQ(m_printed, "Wrapped 8 points to create a mesh containing 12 faces\n");
  EXPECT_EQ(Saved(), 1);
  RhinoApp().ActiveDoc()->DeleteAll();
  for (int corner = 0; corner < 8; corner++)
    RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(corner & 1, (corner >> 1) & 1, (corner >> 2) & 1));
  m_printed.clear();
  ASSERT_EQ(Run("NBWrapMesh All Enter"), CRhinoCommand::success);
  EXPECT_EQ(m_printed, "Wrapped 8 points to create a mesh containing 12 faces\n");
  EXPECT_EQ(LastMesh()->VertexCount(), 8);
}

TEST_F(WrapCommandTest, CancelAndFailureAreReported)
{
  RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(0, 0, 0));
  RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(1, 0, 0));
  RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(0, 1, 0));
  EXPECT_EQ(Run("NBWrapMesh NubiloType=Convex Cancel"), CRhinoCommand::cancel);
  EXPECT_EQ(m_printed, "Failure [Command cancelled]\n");
  EXPECT_EQ(Saved(), -1);
  m_printed.clear();
  EXPECT_EQ(Run("NBWrapMesh NubiloType=Convex All Enter"), CRhinoCommand::failure);
  EXPECT_EQ(m_printed, "Failure [Invalid mesh]\n");
  EXPECT_EQ(RhinoApp().ActiveDoc()->ObjectCount(), 3);
}

TEST_F(WrapCommandTest, WarnsWhenSurveyCoordinatesLoseDetailInTheMesh)
{
  const ON_3dPoint origin(512000.0, 4712000.0, 800.0);
  for (int corner = 0; corner < 8; corner++)
    RhinoApp().ActiveDoc()->AddPointObject(origin + 10.0 * ON_3dVector(corner & 1, (corner >> 1) & 1, (corner >> 2) & 1));
  ASSERT_EQ(Run("NBWrapMesh NubiloType=Convex All Enter"), CRhinoCommand::success);
  // Near 4.7 million single precision keeps multiples of 0.5; the bound is |4,712,010| FLT_EPSILON / 2.
  EXPECT_EQ(m_printed, "Wrapped 8 points to create a mesh containing 12 faces\n"
                       "Warning: mesh vertices are single precision and rounded by up to 0.280858 here\n");
}
