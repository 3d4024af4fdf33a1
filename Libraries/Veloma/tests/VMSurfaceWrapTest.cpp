#include "ProgressWindow.h"
#include "VMSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

ON_3dPointArray SpherePoints(int count, double radius, const ON_3dPoint& centre = ON_3dPoint(0, 0, 0))
{
  std::mt19937 random(31);
  std::normal_distribution<double> normal(0.0, 1.0);
  ON_3dPointArray points;
  for (int i = 0; i < count; ++i) {
    ON_3dVector v(normal(random), normal(random), normal(random));
    v.Unitize();
    points.Append(centre + radius * v);
  }
  return points;
}

std::vector<int> Corners(const ON_MeshFace& face)
{
  std::vector<int> corners(face.vi, face.vi + 4);
  if (face.vi[2] == face.vi[3])
    corners.pop_back();
  return corners;
}

// Closed (every edge in two faces, once each way) and the signed volume of the mesh.
struct mesh_shape
{
  bool closedAndOriented = true;
  int euler = 0;
  double volume = 0.0;
};

mesh_shape Analyse(const ON_Mesh& mesh)
{
  mesh_shape shape;
  std::map<std::pair<int, int>, int> directed;
  std::set<int> used;
  for (int f = 0; f < mesh.FaceCount(); ++f) {
    const std::vector<int> corners = Corners(mesh.m_F[f]);
    for (size_t i = 0; i < corners.size(); ++i) {
      ++directed[{corners[i], corners[(i + 1) % corners.size()]}];
      used.insert(corners[i]);
    }
    const ON_3fPoint& a = mesh.m_V[corners[0]];
    for (size_t i = 1; i + 1 < corners.size(); ++i) {
      const ON_3dVector ab = ON_3dPoint(mesh.m_V[corners[i]]) - ON_3dPoint(a);
      const ON_3dVector ac = ON_3dPoint(mesh.m_V[corners[i + 1]]) - ON_3dPoint(a);
      shape.volume += ON_3dVector(a.x, a.y, a.z) * ON_CrossProduct(ab, ac) / 6.0;
    }
  }
  for (const auto& edge : directed)
    if (edge.second != 1 || !directed.count({edge.first.second, edge.first.first}))
      shape.closedAndOriented = false;
  shape.euler = static_cast<int>(used.size()) - static_cast<int>(directed.size() / 2) + mesh.FaceCount();
  return shape;
}

std::string Error()
{
  return static_cast<const char*>(ON_String(VMSurface::GetError()));
}

ON_3dPointArray CubeCorners(double jitter = 0.0, unsigned seed = 0)
{
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> offset(-jitter, jitter);
  ON_3dPointArray corners;
  for (int corner = 0; corner < 8; ++corner)
    corners.Append(ON_3dPoint((corner & 1) + offset(random), ((corner >> 1) & 1) + offset(random),
                              ((corner >> 2) & 1) + offset(random)));
  return corners;
}

ON_3dPointArray With(ON_3dPointArray points, std::initializer_list<ON_3dPoint> more)
{
  for (const ON_3dPoint& p : more)
    points.Append(p);
  return points;
}

// Surface points of the L-shaped block [0,2]x[0,1]x[0,1] joined with [0,1]x[1,2]x[0,1], on a
// lattice of `perUnit` steps a unit.
ON_3dPointArray LBlockPoints(int perUnit)
{
  const int n = perUnit;
  auto inside = [n](int x, int y, int z) {
    return z >= 0 && z <= n && x >= 0 && y >= 0 && ((x <= 2 * n && y <= n) || (x <= n && y <= 2 * n));
  };
  ON_3dPointArray points;
  for (int x = 0; x <= 2 * n; ++x)
    for (int y = 0; y <= 2 * n; ++y)
      for (int z = 0; z <= n; ++z)
        if (inside(x, y, z) && !(inside(x + 1, y, z) && inside(x - 1, y, z) && inside(x, y + 1, z) &&
                                 inside(x, y - 1, z) && inside(x, y, z + 1) && inside(x, y, z - 1)))
          points.Append(ON_3dPoint(double(x) / n, double(y) / n, double(z) / n));
  return points;
}

class VMSurfaceWrap : public ::testing::Test
{
protected:
  void SetUp() override { Platform::ProgressWindow::SetQuiet(true); }
  void TearDown() override { Platform::ProgressWindow::SetQuiet(false); }
};

TEST_F(VMSurfaceWrap, ConcaveWrapOfASphereIsAClosedOutwardSphere)
{
  ON_Mesh mesh;
  ASSERT_EQ(1, VMSurface::WrapMesh(mesh, SpherePoints(1000, 2.0), 1, 1));
  EXPECT_TRUE(mesh.IsValid());
  EXPECT_EQ(mesh.FaceCount(), mesh.TriangleCount());
  const mesh_shape shape = Analyse(mesh);
  EXPECT_TRUE(shape.closedAndOriented);
  EXPECT_EQ(2, shape.euler);
  EXPECT_NEAR(4.0 / 3.0 * M_PI * 8.0, shape.volume, 1.5);
}

// Far from the origin (UTM-like), the wrap gives the same faces as at the origin.
TEST_F(VMSurfaceWrap, ConcaveWrapKeepsItsFacesFarFromTheOrigin)
{
  ON_Mesh nearMesh, farMesh;
  ASSERT_EQ(1, VMSurface::WrapConcaveMesh(nearMesh, SpherePoints(600, 50.0), 0));
  ASSERT_EQ(1, VMSurface::WrapConcaveMesh(farMesh, SpherePoints(600, 50.0, ON_3dPoint(512000, 4300000, 900)), 0));
  ASSERT_EQ(nearMesh.FaceCount(), farMesh.FaceCount());
  for (int f = 0; f < nearMesh.FaceCount(); ++f)
    ASSERT_EQ(Corners(nearMesh.m_F[f]), Corners(farMesh.m_F[f]));
}

TEST_F(VMSurfaceWrap, ConvexWrapIsTheHullOfTheExtremePoints)
{
  ON_3dPointArray points = SpherePoints(400, 1.0);
  std::mt19937 random(4);
  std::uniform_real_distribution<double> inside(-0.5, 0.5);
  for (int i = 0; i < 200; ++i)
    points.Append(ON_3dPoint(inside(random), inside(random), inside(random)));
  ON_Mesh mesh;
  ASSERT_EQ(1, VMSurface::WrapMesh(mesh, points, 0, 0));
  const mesh_shape shape = Analyse(mesh);
  EXPECT_TRUE(shape.closedAndOriented);
  EXPECT_GT(shape.volume, 0.0);
  EXPECT_EQ(400, mesh.VertexCount());
  EXPECT_EQ(2 * 400 - 4, mesh.FaceCount());
  for (int i = 0; i < mesh.VertexCount(); ++i)
    EXPECT_NEAR(1.0, ON_3dVector(mesh.m_V[i].x, mesh.m_V[i].y, mesh.m_V[i].z).Length(), 1e-6);

  ON_3dPointArray cube;
  for (int corner = 0; corner < 8; ++corner)
    cube.Append(ON_3dPoint(corner & 1, (corner >> 1) & 1, (corner >> 2) & 1));
  ASSERT_EQ(1, VMSurface::WrapConvexMesh(mesh, cube, 0));
  EXPECT_EQ(12, mesh.FaceCount());
  EXPECT_NEAR(1.0, Analyse(mesh).volume, 1e-12);
}

// Only a progress flag of exactly 1 opens the "Wrapping convex mesh" window.
TEST_F(VMSurfaceWrap, ConvexProgressOnlyForFlagOne)
{
  Platform::ProgressWindow::SetQuiet(false);
  for (int flag : {0, 1, 2}) {
    ON_Mesh mesh;
    testing::internal::CaptureStderr();
    EXPECT_EQ(1, VMSurface::WrapMesh(mesh, SpherePoints(50, 1.0), 0, flag));
    const std::string shown = testing::internal::GetCapturedStderr();
    EXPECT_EQ(flag == 1, shown.find("Wrapping convex mesh") != std::string::npos) << "flag " << flag;
  }
  testing::internal::CaptureStderr();
  ON_Mesh mesh;
  EXPECT_EQ(1, VMSurface::WrapConcaveMesh(mesh, SpherePoints(200, 1.0), 1));
  EXPECT_EQ("", testing::internal::GetCapturedStderr());
}

// Points in convex position (exact repeats aside): the hull is closed, outward, and has every point
// as a vertex.
TEST_F(VMSurfaceWrap, PointsInConvexPositionGiveTheirHull)
{
  const double phi = (1.0 + std::sqrt(5.0)) / 2.0;
  ON_3dPointArray icosahedron;
  for (int a : {-1, 1})
    for (int b : {-1, 1}) {
      icosahedron.Append(ON_3dPoint(0, a, b * phi));
      icosahedron.Append(ON_3dPoint(a, b * phi, 0));
      icosahedron.Append(ON_3dPoint(b * phi, 0, a));
    }
  const ON_3dPointArray octahedron = With({}, {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}});
  const ON_3dPointArray tetrahedron = With({}, {{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}});
  struct Case
  {
    const char* name;
    ON_3dPointArray points;
    int vertices;
    double volume;  // 0: not checked
  };
  const Case cases[] = {
      {"cube", CubeCorners(), 8, 1.0},
      {"jittered cube", CubeCorners(0.05, 7), 8, 0.0},
      {"cube with repeated corners", With(CubeCorners(), {{1, 1, 1}, {0, 0, 0}, {1, 1, 1}}), 8, 1.0},
      {"octahedron", octahedron, 6, 4.0 / 3.0},
      {"icosahedron", icosahedron, 12, 10.0 / 3.0 * (3.0 + std::sqrt(5.0))},
      {"tetrahedron", tetrahedron, 4, 8.0 / 3.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ON_Mesh mesh;
    ASSERT_EQ(1, VMSurface::WrapConvexPositionMesh(mesh, c.points, 0)) << Error();
    const mesh_shape shape = Analyse(mesh);
    EXPECT_TRUE(shape.closedAndOriented);
    EXPECT_EQ(2, shape.euler);
    EXPECT_GT(shape.volume, 0.0);  // outward
    if (c.volume > 0.0) {
      EXPECT_NEAR(c.volume, shape.volume, 1e-5 * c.volume);
    }
    EXPECT_EQ(c.vertices, mesh.VertexCount());
    EXPECT_EQ(2 * c.vertices - 4, mesh.FaceCount());
    for (int i = 0; i < c.points.Count(); ++i) {
      bool found = false;
      for (int v = 0; v < mesh.VertexCount() && !found; ++v)
        found = c.points[i].DistanceTo(ON_3dPoint(mesh.m_V[v])) < 1e-6;
      EXPECT_TRUE(found) << "point " << i;
    }
  }
}

// A point inside the hull, on a face or on an edge, or a concave shape: refused with the mesh
// untouched; points that bound no volume fail as the convex wrap does.
TEST_F(VMSurfaceWrap, PointsNotInConvexPositionAreRefused)
{
  ON_Mesh previous;
  ASSERT_EQ(1, VMSurface::WrapConvexMesh(previous, SpherePoints(20, 1.0), 0));
  struct Case
  {
    const char* name;
    ON_3dPointArray points;
    const char* error;
  };
  const Case cases[] = {
      {"cube and its centre", With(CubeCorners(), {{0.5, 0.5, 0.5}}), "Points not in convex position"},
      {"cube and a face centre", With(CubeCorners(), {{0.5, 0.5, 1.0}}), "Points not in convex position"},
      {"cube and an edge midpoint", With(CubeCorners(), {{0.5, 0.0, 0.0}}), "Points not in convex position"},
      {"L-shaped block", LBlockPoints(2), "Points not in convex position"},
      {"square", With({}, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}), "Invalid mesh"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ON_Mesh mesh(previous);
    EXPECT_EQ(0, VMSurface::WrapConvexPositionMesh(mesh, c.points, 0));
    EXPECT_EQ(c.error, Error());
    EXPECT_EQ(previous.FaceCount(), mesh.FaceCount());
    EXPECT_EQ(previous.VertexCount(), mesh.VertexCount());
  }
}

// Too few points, points on one plane: 0, "Invalid mesh", and the caller's mesh as it was.
TEST_F(VMSurfaceWrap, FailuresLeaveTheMeshUntouched)
{
  ON_Mesh previous;
  ASSERT_EQ(1, VMSurface::WrapConvexMesh(previous, SpherePoints(20, 1.0), 0));
  ON_3dPointArray flat;
  for (int i = 0; i < 30; ++i)
    flat.Append(ON_3dPoint(std::cos(i), std::sin(3.0 * i), 0.0));
  ON_3dPointArray few;
  few.Append(ON_3dPoint(0, 0, 0));
  few.Append(ON_3dPoint(1, 0, 0));
  few.Append(ON_3dPoint(0, 1, 0));
  for (const ON_3dPointArray* points : {&flat, &few}) {
    for (int concave : {0, 1}) {
      ON_Mesh mesh(previous);
      VMSurface::SetError("");
      EXPECT_EQ(0, VMSurface::WrapMesh(mesh, *points, concave, 0));
      EXPECT_EQ("Invalid mesh", Error());
      EXPECT_EQ(previous.FaceCount(), mesh.FaceCount());
      EXPECT_EQ(previous.VertexCount(), mesh.VertexCount());
    }
  }
}

}  // namespace
