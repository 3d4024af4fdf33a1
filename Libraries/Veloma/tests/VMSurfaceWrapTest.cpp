#include "MeshShape.h"
#include "ProgressWindow.h"
#include "SampleShapes.h"
#include "VMSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace
{

ON_3dPointArray SpherePoints(int count, double radius)
{
  return test_support::ToPointArray(sample_shapes::Sphere(count, radius, 31));
}

// Points of a text file's first three columns; empty when it cannot be read.
ON_3dPointArray ReadPoints(const std::string& path)
{
  ON_3dPointArray points;
  std::ifstream file(path);
  std::string line;
  while (std::getline(file, line))
  {
    std::istringstream fields(line);
    double x, y, z;
    if (fields >> x >> y >> z)
      points.Append(ON_3dPoint(x, y, z));
  }
  return points;
}

// Uniform over the area of a torus about the z axis.
ON_3dPointArray RandomTorusPoints(int count, double R, double r, unsigned seed)
{
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> angle(0.0, 2.0 * M_PI), unit(0.0, 1.0);
  ON_3dPointArray points;
  while (points.Count() < count)
  {
    const double u = angle(random), v = angle(random);
    if (unit(random) > (R + r * std::cos(v)) / (R + r))
      continue;
    points.Append(
        ON_3dPoint((R + r * std::cos(v)) * std::cos(u), (R + r * std::cos(v)) * std::sin(u), r * std::sin(v)));
  }
  return points;
}

std::string Error() { return static_cast<const char*>(ON_String(VMSurface::GetError())); }

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
  auto inside = [n](int x, int y, int z)
  { return z >= 0 && z <= n && x >= 0 && y >= 0 && ((x <= 2 * n && y <= n) || (x <= n && y <= 2 * n)); };
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
  const test_support::SurfaceShape shape = test_support::AnalyseMesh(mesh);
  EXPECT_TRUE(shape.ClosedAndOriented());
  EXPECT_EQ(2, shape.euler);
  EXPECT_NEAR(4.0 / 3.0 * M_PI * 8.0, shape.volume, 1.5);
}

// Far from the origin (UTM-like) floats cannot tell the crust's nearby vertices apart: the wrap
// that merging them would break is refused, and the mesh stays as it was.
TEST_F(VMSurfaceWrap, ConcaveWrapFinerThanFloatsHoldIsRefused)
{
  // A sample whose crust has detail that floats cannot hold at the far position (few random
  // samples have: one of the first sixteen).
  const std::vector<double> sphere = sample_shapes::Sphere(600, 50.0, 7);
  ON_Mesh nearMesh;
  ASSERT_EQ(1, VMSurface::WrapConcaveMesh(nearMesh, test_support::ToPointArray(sphere), 0));
  const test_support::StoredMeshShape shape = test_support::AnalyseMeshAsStored(nearMesh);
  EXPECT_EQ(0, shape.edgesNotShared);
  EXPECT_EQ(2, shape.euler);
  ON_Mesh farMesh(nearMesh);
  EXPECT_EQ(
      0, VMSurface::WrapConcaveMesh(farMesh, test_support::ToPointArray(sphere, ON_3dVector(512000, 4300000, 900)), 0));
  EXPECT_EQ("Mesh detail finer than single precision holds at these coordinates", Error());
  EXPECT_EQ(nearMesh.FaceCount(), farMesh.FaceCount());
  EXPECT_EQ(nearMesh.m_V[0], farMesh.m_V[0]);
}

// Concave wraps as a file stores them (float positions, coincident vertices one): closed,
// edge- and vertex-manifold, consistently oriented, of the shape's Euler characteristic, their
// doubles beside the floats. The 8,000-point torus and the pebble have vertices closer than float
// resolution, which the mesh must not keep apart.
TEST_F(VMSurfaceWrap, ConcaveWrapsAreClosedAndManifoldAsStored)
{
  const int kAnyEuler = 1; // sphere_20k's noise makes small handles
  const std::string shared = std::string(NUBILO_SHARED_DATA) + "/xyz/";
  const struct
  {
    const char* name;
    ON_3dPointArray points;
    int euler;
  } cases[] = {
      {"random torus", RandomTorusPoints(8000, 1.0, 0.35, 5), 0},
      // Lattice samples: cells touch, so vertices that floats merge must stay apart.
      {"L-shaped lattice block", LBlockPoints(5), 2},
      {"pebble", ReadPoints(std::string(NUBILO_TEST_DIR) + "/../../../examples/pebble.xyz"), 2},
      {"bunny", ReadPoints(shared + "bunny.xyz"), 2},
      {"kitten", ReadPoints(shared + "kitten.xyz"), 0},
      {"sphere_20k", ReadPoints(shared + "sphere_20k.xyz"), kAnyEuler},
  };
  int skipped = 0;
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.name);
    if (c.points.Count() == 0)
    {
      ++skipped;
      continue;
    }
    ON_Mesh mesh;
    ASSERT_EQ(1, VMSurface::WrapConcaveMesh(mesh, c.points, 0)) << Error();
    const test_support::StoredMeshShape shape = test_support::AnalyseMeshAsStored(mesh);
    EXPECT_EQ(0, shape.collapsedFaces);
    EXPECT_EQ(0, shape.edgesNotShared);
    EXPECT_EQ(0, shape.inconsistentEdges);
    EXPECT_EQ(0, shape.nonManifoldVertices);
    if (c.euler != kAnyEuler)
    {
      EXPECT_EQ(c.euler, shape.euler);
    }
    EXPECT_EQ(0, shape.sharedPositions);
    EXPECT_GT(shape.volume, 0.0);
    EXPECT_TRUE(mesh.HasSynchronizedDoubleAndSinglePrecisionVertices());
  }
  if (skipped > 0)
    std::cout << "[ SKIPPED  ] " << skipped << " scans not found under " << NUBILO_SHARED_DATA << "\n";
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
  const test_support::SurfaceShape shape = test_support::AnalyseMesh(mesh);
  EXPECT_TRUE(shape.ClosedAndOriented());
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
  EXPECT_NEAR(1.0, test_support::AnalyseMesh(mesh).volume, 1e-12);
}

// Only a progress flag of exactly 1 opens the wrap's window, titled after the wrap; the concave
// wrap's window names its passes, and is closed with its status cleared for the next wrap.
TEST_F(VMSurfaceWrap, ProgressOnlyForFlagOne)
{
  Platform::ProgressWindow::SetQuiet(false);
  for (int concave : {1, 0})
  {
    for (int flag : {0, 1, 2})
    {
      SCOPED_TRACE(testing::Message() << "concave " << concave << ", flag " << flag);
      ON_Mesh mesh;
      testing::internal::CaptureStderr();
      EXPECT_EQ(1, VMSurface::WrapMesh(mesh, SpherePoints(concave ? 2000 : 50, 1.0), concave, flag));
      const std::string shown = testing::internal::GetCapturedStderr();
      const std::string title = concave ? "Wrapping concave mesh" : "Wrapping convex mesh";
      if (flag != 1)
      {
        EXPECT_EQ("", shown);
        continue;
      }
      // Not on a terminal the window writes a line at each quarter of the run.
      EXPECT_NE(std::string::npos, shown.find("\n" + title + ": done\n")) << shown;
      EXPECT_EQ(concave != 0, shown.find(title + ": Power diagram\n") != std::string::npos) << shown;
      EXPECT_EQ(std::string::npos, shown.find(": Mesh\n", shown.find("\n"))) << "stale status: " << shown;
    }
  }
}

// Points in convex position (exact repeats aside): the hull is closed, outward, and has every point
// as a vertex.
TEST_F(VMSurfaceWrap, PointsInConvexPositionGiveTheirHull)
{
  const double phi = (1.0 + std::sqrt(5.0)) / 2.0;
  ON_3dPointArray icosahedron;
  for (int a : {-1, 1})
    for (int b : {-1, 1})
    {
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
    double volume; // 0: not checked
  };
  const Case cases[] = {
      {"cube", CubeCorners(), 8, 1.0},
      {"jittered cube", CubeCorners(0.05, 7), 8, 0.0},
      {"cube with repeated corners", With(CubeCorners(), {{1, 1, 1}, {0, 0, 0}, {1, 1, 1}}), 8, 1.0},
      {"octahedron", octahedron, 6, 4.0 / 3.0},
      {"icosahedron", icosahedron, 12, 10.0 / 3.0 * (3.0 + std::sqrt(5.0))},
      {"tetrahedron", tetrahedron, 4, 8.0 / 3.0},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    ON_Mesh mesh;
    ASSERT_EQ(1, VMSurface::WrapConvexPositionMesh(mesh, c.points, 0)) << Error();
    const test_support::SurfaceShape shape = test_support::AnalyseMesh(mesh);
    EXPECT_TRUE(shape.ClosedAndOriented());
    EXPECT_EQ(2, shape.euler);
    EXPECT_GT(shape.volume, 0.0); // outward
    if (c.volume > 0.0)
    {
      EXPECT_NEAR(c.volume, shape.volume, 1e-5 * c.volume);
    }
    EXPECT_EQ(c.vertices, mesh.VertexCount());
    EXPECT_EQ(2 * c.vertices - 4, mesh.FaceCount());
    for (int i = 0; i < c.points.Count(); ++i)
    {
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
  for (const Case& c : cases)
  {
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
  for (const ON_3dPointArray* points : {&flat, &few})
  {
    for (int concave : {0, 1})
    {
      ON_Mesh mesh(previous);
      VMSurface::SetError("");
      EXPECT_EQ(0, VMSurface::WrapMesh(mesh, *points, concave, 0));
      EXPECT_EQ("Invalid mesh", Error());
      EXPECT_EQ(previous.FaceCount(), mesh.FaceCount());
      EXPECT_EQ(previous.VertexCount(), mesh.VertexCount());
    }
  }
}

} // namespace
