#include "PlugInCommandTest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>
#include <string>
#include <vector>

namespace
{

class DrapeCommandTest : public PlugInCommandTest
{
protected:
  // A 5 x 3 patch of points in the XY plane at heights that vary with x.
  void AddSurveyPoints()
  {
    for (int x = 0; x < 5; x++)
      for (int y = 0; y < 3; y++)
        RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(x * 2.0, y, x * 0.5));
  }

  std::vector<ON_3dPoint> AddedPoints(int from)
  {
    std::vector<ON_3dPoint> points;
    const auto& objects = RhinoApp().ActiveDoc()->Objects();
    for (size_t i = from; i < objects.size(); i++)
      if (const ON_Point* p = ON_Point::Cast(objects[i]->Geometry()))
        points.push_back(p->point);
    return points;
  }
};

} // namespace

TEST_F(DrapeCommandTest, DefaultsToTopAndNurbsSurfaceAndSavesTheOptionsUsed)
{
  AddSurveyPoints();
  ASSERT_EQ(Run("NBDrapeSurface All Enter Rows=3 Columns=5 OK"), CRhinoCommand::success);
  EXPECT_EQ(m_printed, "Created a nurbs surface of 5 rows and 3 columns\n");
  const ON_NurbsSurface* surface = ON_NurbsSurface::Cast(RhinoApp().ActiveDoc()->Objects().back()->Geometry());
  ASSERT_NE(surface, nullptr);
  EXPECT_NEAR(surface->NormalAt(0.5, 0.5).z, 0.97, 0.03); // looks up, against the Top drape
  EXPECT_EQ(Saved(L"NBDrapeSurface - Drape Direction"), 0);
  EXPECT_EQ(Saved(L"NBDrapeSurface - Surface Type"), 0);
  m_printed.clear();
  ASSERT_EQ(Run("NBDrapeSurface DrapeDirection=Bottom SurfaceType=Lines All Enter Rows=3 Columns=4 OK"),
            CRhinoCommand::success);
  EXPECT_EQ(m_printed, "Created 9 horizontal and 8 vertical lines\n");
  EXPECT_EQ(Saved(L"NBDrapeSurface - Drape Direction"), 1);
  EXPECT_EQ(Saved(L"NBDrapeSurface - Surface Type"), 4);
}

TEST_F(DrapeCommandTest, CancellingTheSelectionKeepsTheSavedOptions)
{
  AddSurveyPoints();
  RhinoApp().ProfileContext().SaveProfileInt(kSettingsSection, L"NBDrapeSurface - Surface Type", 3);
  EXPECT_EQ(Run("NBDrapeSurface DrapeDirection=Left SurfaceType=Points Cancel"), CRhinoCommand::cancel);
  EXPECT_EQ(m_printed, "Failure [Command cancelled]\n");
  EXPECT_EQ(Saved(L"NBDrapeSurface - Drape Direction"), -1);
  EXPECT_EQ(Saved(L"NBDrapeSurface - Surface Type"), 3);
}

TEST_F(DrapeCommandTest, EveryOutputTypeCountsWhatItAdds)
{
  struct Case
  {
    const char* type;
    const char* printed;
    int objects;
  };
  const Case cases[] = {
      {"PolygonMesh", "Created a polygon mesh of 6 faces and 12 vertices\n", 1},
      {"NurbCurves", "Created 3 horizontal and 4 vertical nurbs curves\n", 7},
      {"Polylines", "Created 3 horizontal and 4 vertical polylines\n", 7},
      {"Lines", "Created 9 horizontal and 8 vertical lines\n", 17},
      {"Points", "Created 12 points\n", 12},
  };
  for (const Case& c : cases)
  {
    RhinoApp().ActiveDoc()->DeleteAll();
    AddSurveyPoints();
    m_printed.clear();
    const std::string line = std::string("NBDrapeSurface SurfaceType=") + c.type + " All Enter Rows=3 Columns=4 OK";
    ASSERT_EQ(Run(line), CRhinoCommand::success) << c.type;
    EXPECT_EQ(m_printed, c.printed);
    EXPECT_EQ(RhinoApp().ActiveDoc()->ObjectCount(), 15 + c.objects) << c.type;
  }
}

TEST_F(DrapeCommandTest, PointsOfATenByTwentyGrid)
{
  AddSurveyPoints();
  ASSERT_EQ(Run("NBDrapeSurface SurfaceType=Points All Enter Rows=10 Columns=20 OK"), CRhinoCommand::success);
  EXPECT_EQ(m_printed, "Created 200 points\n");
  EXPECT_EQ(RhinoApp().ActiveDoc()->ObjectCount(), 15 + 200);
}

TEST_F(DrapeCommandTest, CustomLineStraightDownDrapesLikeTop)
{
  AddSurveyPoints();
  ASSERT_EQ(Run("NBDrapeSurface SurfaceType=Points All Enter Rows=4 Columns=6 OK"), CRhinoCommand::success);
  const std::vector<ON_3dPoint> top = AddedPoints(15);
  const int before = RhinoApp().ActiveDoc()->ObjectCount();
  std::string survey;
  for (int number = 1; number <= 15; number++)
    survey += std::to_string(number) + " ";
  ASSERT_EQ(Run("NBDrapeSurface DrapeDirection=Custom " + survey + "Enter 0,0,10 0,0,0 Rows=4 Columns=6 OK"),
            CRhinoCommand::success);
  EXPECT_EQ(Saved(L"NBDrapeSurface - Drape Direction"), 6);
  const std::vector<ON_3dPoint> custom = AddedPoints(before);
  ASSERT_EQ(top.size(), 24u);
  ASSERT_EQ(custom.size(), top.size());
  for (size_t i = 0; i < top.size(); i++)
    EXPECT_EQ(custom[i], top[i]);
}

// At survey coordinates the mesh's doubles are the grid's points as the Points output gives them,
// and the warning says which files round them.
TEST_F(DrapeCommandTest, SurveyMeshKeepsTheGridInDoublePrecision)
{
  const ON_3dVector origin(500000.123, 4200000.456, 812.25);
  for (int x = 0; x < 5; x++)
    for (int y = 0; y < 3; y++)
      RhinoApp().ActiveDoc()->AddPointObject(ON_3dPoint(x * 2.0, y, x * 0.5) + origin);
  const int survey = static_cast<int>(RhinoApp().ActiveDoc()->Objects().size());
  ASSERT_EQ(Run("NBDrapeSurface SurfaceType=Points 1-15 Enter Rows=3 Columns=5 OK"), CRhinoCommand::success);
  const std::vector<ON_3dPoint> grid = AddedPoints(survey);
  ASSERT_EQ(grid.size(), 15u);
  m_printed.clear();
  ASSERT_EQ(Run("NBDrapeSurface SurfaceType=PolygonMesh 1-15 Enter Rows=3 Columns=5 OK"), CRhinoCommand::success);
  // The bound is about 4,200,002 FLT_EPSILON / 2.
  EXPECT_NE(m_printed.find("Warning: STL and 3DM files store mesh vertices in single precision, rounded by up to "
                           "0.2503"),
            std::string::npos)
      << m_printed;
  EXPECT_NE(m_printed.find(" here; OBJ, DXF and point text files keep full precision\n"), std::string::npos);
  const ON_Mesh* mesh = ON_Mesh::Cast(RhinoApp().ActiveDoc()->Objects().back()->Geometry());
  ASSERT_NE(mesh, nullptr);
  ASSERT_TRUE(mesh->HasSynchronizedDoubleAndSinglePrecisionVertices());
  ASSERT_EQ(mesh->VertexCount(), 15);
  for (int v = 0; v < 15; v++)
    EXPECT_EQ(mesh->Vertex(v), grid[v]) << v;
}

TEST_F(DrapeCommandTest, FailuresAreReportedInTheSystemsWords)
{
  AddSurveyPoints();
  EXPECT_EQ(Run("NBDrapeSurface DrapeDirection=Custom All Enter Cancel"), CRhinoCommand::failure);
  EXPECT_NE(m_printed.find("Failure [Drape direction not selected]\n"), std::string::npos) << m_printed;
  EXPECT_EQ(Saved(L"NBDrapeSurface - Drape Direction"), -1);
  m_printed.clear();
  EXPECT_EQ(Run("NBDrapeSurface DrapeDirection=Custom All Enter 1,1,1 1,1,1"), CRhinoCommand::failure);
  EXPECT_EQ(m_printed, "Failure [Invalid drape direction]\n");
  m_printed.clear();
  EXPECT_EQ(Run("NBDrapeSurface DrapeDirection=Top All Enter Cancel"), CRhinoCommand::failure);
  EXPECT_EQ(m_printed, "Failure [Cancelled]\n");
  m_printed.clear();
  // Two rows have no surface: the command says so instead of reporting an empty one.
  EXPECT_EQ(Run("NBDrapeSurface SurfaceType=NurbsSurface All Enter Rows=2 Columns=4 OK"), CRhinoCommand::failure);
  EXPECT_EQ(m_printed, "Failure [Invalid Nurbs Surface]\n");
  EXPECT_EQ(RhinoApp().ActiveDoc()->ObjectCount(), 15);
}
