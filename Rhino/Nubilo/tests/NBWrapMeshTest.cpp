#include "Interrupt.h"
#include "MeshShape.h"
#include "PlugInCommandTest.h"
#include "SampleShapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{

const wchar_t* const kTypeEntry = L"NBWrapMesh - Nubilo Type";

class WrapCommandTest : public PlugInCommandTest
{
protected:
  // Points spread evenly over a sphere.
  void AddSpherePoints(int count)
  {
    const ON_3dPointArray points = test_support::ToPointArray(sample_shapes::EvenSphere(count, 1.0));
    for (int i = 0; i < points.Count(); i++)
      RhinoApp().ActiveDoc()->AddPointObject(points[i]);
  }

  void TearDown() override
  {
    Platform::Interrupt::Clear();
    PlugInCommandTest::TearDown();
  }

  void AddPoints(const std::vector<ON_3dPoint>& points)
  {
    for (const ON_3dPoint& p : points)
      RhinoApp().ActiveDoc()->AddPointObject(p);
  }

  int Saved() { return PlugInCommandTest::Saved(kTypeEntry); }

  const ON_Mesh* LastMesh() { return ON_Mesh::Cast(RhinoApp().ActiveDoc()->Objects().back()->Geometry()); }
};

std::vector<ON_3dPoint> CubeCorners(double jitter = 0.0)
{
  std::mt19937 random(5);
  std::uniform_real_distribution<double> offset(-jitter, jitter);
  std::vector<ON_3dPoint> corners;
  for (int corner = 0; corner < 8; corner++)
    corners.push_back(ON_3dPoint((corner & 1) + offset(random), ((corner >> 1) & 1) + offset(random),
                                 ((corner >> 2) & 1) + offset(random)));
  return corners;
}

std::vector<ON_3dPoint> With(std::vector<ON_3dPoint> points, std::initializer_list<ON_3dPoint> more)
{
  points.insert(points.end(), more);
  return points;
}

// Signed volume of a mesh whose every edge is used by two faces, once in each direction; NaN for
// any other mesh.
double ClosedVolume(const ON_Mesh& mesh)
{
  std::map<std::pair<int, int>, int> edges;
  double volume = 0.0;
  for (int f = 0; f < mesh.FaceCount(); f++)
  {
    const ON_MeshFace& face = mesh.m_F[f];
    const int n = face.IsTriangle() ? 3 : 4;
    for (int i = 0; i < n; i++)
      ++edges[{face.vi[i], face.vi[(i + 1) % n]}];
    const ON_3dPoint a(mesh.m_V[face.vi[0]]);
    for (int i = 1; i + 1 < n; i++)
      volume += ON_3dVector(a) *
                ON_CrossProduct(ON_3dPoint(mesh.m_V[face.vi[i]]) - a, ON_3dPoint(mesh.m_V[face.vi[i + 1]]) - a) / 6.0;
  }
  for (const auto& edge : edges)
    if (edge.second != 1 || !edges.count({edge.first.second, edge.first.first}))
      return NAN;
  return volume;
}

// Surface points of the L-shaped block [0,2]x[0,1]x[0,1] joined with [0,1]x[1,2]x[0,1], 0.2 apart.
std::vector<ON_3dPoint> LBlockPoints()
{
  const int n = 5;
  auto inside = [](int x, int y, int z)
  { return z >= 0 && z <= n && x >= 0 && y >= 0 && ((x <= 2 * n && y <= n) || (x <= n && y <= 2 * n)); };
  std::vector<ON_3dPoint> points;
  for (int x = 0; x <= 2 * n; x++)
    for (int y = 0; y <= 2 * n; y++)
      for (int z = 0; z <= n; z++)
        if (inside(x, y, z) && !(inside(x + 1, y, z) && inside(x - 1, y, z) && inside(x, y + 1, z) &&
                                 inside(x, y - 1, z) && inside(x, y, z + 1) && inside(x, y, z - 1)))
          points.push_back(ON_3dPoint(double(x) / n, double(y) / n, double(z) / n));
  return points;
}

} // namespace

TEST_F(WrapCommandTest, DefaultsToConcaveAndSavesTheTypeUsed)
{
  AddSpherePoints(300);
  const int redraws = RhinoApp().ActiveDoc()->RedrawCount();
  ASSERT_EQ(Run("NBWrapMesh All Enter"), CRhinoCommand::success);
  const ON_Mesh* mesh = LastMesh();
  ASSERT_NE(mesh, nullptr);
  EXPECT_EQ(m_printed,
            "Wrapped 300 points to create a mesh containing " + std::to_string(mesh->FaceCount()) + " faces\n");
  EXPECT_GT(mesh->VertexCount(), 300); // the crust's corners are power vertices, not the points
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
    RhinoApp().ActiveDoc()->AddPointObject(origin +
                                           10.0 * ON_3dVector(corner & 1, (corner >> 1) & 1, (corner >> 2) & 1));
  ASSERT_EQ(Run("NBWrapMesh NubiloType=Convex All Enter"), CRhinoCommand::success);
  // Near 4.7 million single precision keeps multiples of 0.5; the bound is |4,712,010| FLT_EPSILON / 2.
  EXPECT_EQ(m_printed, "Wrapped 8 points to create a mesh containing 12 faces\n"
                       "Warning: STL and 3DM files store mesh vertices in single precision, rounded by up to "
                       "0.280858 here; OBJ, DXF and point text files keep full precision\n");
  const ON_Mesh* mesh = LastMesh();
  ASSERT_NE(mesh, nullptr);
  ASSERT_TRUE(mesh->HasSynchronizedDoubleAndSinglePrecisionVertices());
  for (int v = 0; v < mesh->VertexCount(); v++)
  {
    const ON_3dVector corner = (mesh->Vertex(v) - origin) / 10.0;
    EXPECT_EQ(corner, ON_3dVector(std::round(corner.x), std::round(corner.y), std::round(corner.z)));
  }
}

// Too few samples for the crust, but every point a corner of the hull: the concave wrap is the
// hull, closed and outward, with every point a vertex, and a warning says so.
TEST_F(WrapCommandTest, PointsInConvexPositionGetTheirHullWhenTheCrustCannotBeBuilt)
{
  const double phi = (1.0 + std::sqrt(5.0)) / 2.0;
  std::vector<ON_3dPoint> icosahedron;
  for (int a : {-1, 1})
    for (int b : {-1, 1})
      icosahedron.insert(icosahedron.end(),
                         {{0.0, a * 1.0, b * phi}, {a * 1.0, b * phi, 0.0}, {b * phi, 0.0, a * 1.0}});
  struct Case
  {
    const char* name;
    std::vector<ON_3dPoint> points;
    int faces;
  };
  const Case cases[] = {
      {"cube", CubeCorners(), 12},
      {"jittered cube", CubeCorners(0.05), 12},
      {"cube with a repeated corner", With(CubeCorners(), {{1, 0, 1}}), 12},
      {"icosahedron", icosahedron, 20},
      {"tetrahedron", {{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}}, 4},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    RhinoApp().ActiveDoc()->DeleteAll();
    m_printed.clear();
    AddPoints(c.points);
    ASSERT_EQ(Run("NBWrapMesh NubiloType=Concave All Enter"), CRhinoCommand::success);
    EXPECT_EQ(m_printed, "Wrapped " + std::to_string(c.points.size()) + " points to create a mesh containing " +
                             std::to_string(c.faces) +
                             " faces\n"
                             "Warning: points in convex position: the concave wrap is their hull\n");
    const ON_Mesh* mesh = LastMesh();
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->FaceCount(), c.faces);
    EXPECT_GT(ClosedVolume(*mesh), 0.0); // NaN when not closed
    for (const ON_3dPoint& p : c.points)
    {
      int at = -1;
      for (int v = 0; v < mesh->VertexCount() && at < 0; v++)
        if (p.DistanceTo(ON_3dPoint(mesh->m_V[v])) < 1e-6)
          at = v;
      EXPECT_GE(at, 0) << "point " << p.x << ", " << p.y << ", " << p.z;
    }
  }
}

// A point inside the cube keeps the failure; a real concavity goes through the crust.
TEST_F(WrapCommandTest, OtherPointSetsStayWithTheCrust)
{
  AddPoints(With(CubeCorners(), {{0.5, 0.5, 0.5}}));
  EXPECT_EQ(Run("NBWrapMesh All Enter"), CRhinoCommand::failure);
  EXPECT_EQ(m_printed, "Failure [Invalid mesh]\n");
  EXPECT_EQ(RhinoApp().ActiveDoc()->ObjectCount(), 9);

  RhinoApp().ActiveDoc()->DeleteAll();
  m_printed.clear();
  const std::vector<ON_3dPoint> block = LBlockPoints();
  AddPoints(block);
  ASSERT_EQ(Run("NBWrapMesh All Enter"), CRhinoCommand::success);
  const ON_Mesh* mesh = LastMesh();
  ASSERT_NE(mesh, nullptr);
  EXPECT_EQ(m_printed, "Wrapped " + std::to_string(block.size()) + " points to create a mesh containing " +
                           std::to_string(mesh->FaceCount()) + " faces\n");
  // The block holds 3 cubic units, its hull 3.5.
  EXPECT_NEAR(ClosedVolume(*mesh), 3.0, 0.2);
}

// A wrap the user stops (Ctrl-C) is cancelled, not failed, and adds nothing. The host clears the
// request before it runs a command, so the command is run directly here, with the request raised
// as if Ctrl-C had come while it ran.
TEST_F(WrapCommandTest, AStoppedWrapIsCancelled)
{
  CRhinoCommand* command = CRhinoCommand::Find(L"NBWrapMesh");
  ASSERT_NE(command, nullptr);
  for (const char* type : {"NubiloType=Concave", "NubiloType=Convex"})
  {
    SCOPED_TRACE(type);
    RhinoApp().ActiveDoc()->DeleteAll();
    AddPoints(CubeCorners(0.05));
    m_printed.clear();
    RhinoApp().CommandStream().Append({type, "All", "Enter"});
    Platform::Interrupt::Request();
    CRhinoCommandContext context(*RhinoApp().ActiveDoc());
    EXPECT_EQ(command->RunCommand(context), CRhinoCommand::cancel);
    EXPECT_EQ(m_printed, "Failure [Cancelled]\n");
    EXPECT_EQ(RhinoApp().ActiveDoc()->ObjectCount(), 8);
    Platform::Interrupt::Clear();
  }
}
