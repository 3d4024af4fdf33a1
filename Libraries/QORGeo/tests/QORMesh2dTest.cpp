#include "MeshTestSupport.h"
#include "QORMesh.h"
#include "QORMesh2d.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

using namespace meshtest;

ON_Polyline Polygon(std::initializer_list<ON_3dPoint> corners)
{
  ON_Polyline polygon;
  for (const ON_3dPoint& p : corners)
    polygon.Append(p);
  polygon.Append(polygon[0]);
  return polygon;
}

double PolygonArea(const ON_Polyline& polygon)
{
  double area = 0.0;
  for (int i = 0; i + 1 < polygon.Count(); i++)
    area += 0.5 * (polygon[i].x * polygon[i + 1].y - polygon[i + 1].x * polygon[i].y);
  return area;
}

// No two non-adjacent sides meet in plan and no corner repeats: ear clipping must then succeed.
bool SimpleInPlan(const ON_Polyline& polygon)
{
  const int n = polygon.Count() - 1;
  auto cross = [](const ON_3dPoint& a, const ON_3dPoint& b, const ON_3dPoint& c)
  { return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x); };
  for (int i = 0; i < n; i++)
    for (int j = i + 1; j < n; j++)
    {
      if (polygon[i].x == polygon[j].x && polygon[i].y == polygon[j].y)
        return false;
      if (j == i + 1 || (i == 0 && j == n - 1))
        continue;
      const ON_3dPoint &a = polygon[i], &b = polygon[i + 1], &c = polygon[j], &d = polygon[j + 1];
      const double d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
      if (((d1 >= 0 && d2 <= 0) || (d1 <= 0 && d2 >= 0)) && ((d3 >= 0 && d4 <= 0) || (d3 <= 0 && d4 >= 0)))
        return false;
    }
  return true;
}

TEST(QORMesh2d, SplittingByAPolygonWithAHole)
{
  const ON_Mesh grid = Grid(6, 6);
  // Covers columns 0 to 2 and a sliver of column 3.
  const ON_Polyline half = Polygon({{-0.5, -0.5, 0}, {3.1, -0.5, 0}, {3.1, 6.5, 0}, {-0.5, 6.5, 0}});
  ON_Mesh under, rest;
  ASSERT_EQ(QORMesh2d::SplitMesh(grid, half, under, rest, 1), 1);
  EXPECT_EQ(under.FaceCount(), 24);
  EXPECT_EQ(rest.FaceCount(), 12);
  EXPECT_TRUE(ConsistentlyOriented(under));
  EXPECT_GT(PlanArea(under), 0.0) << "corner order kept";

  // A hole from (0.5, 0.5) to (2.5, 2.5): the four quads wholly inside move to rest, the twelve
  // it straddles stay.
  ON_ClassArray<ON_Polyline> polygons;
  polygons.Append(Polygon({{0.5, 0.5, 0}, {2.5, 0.5, 0}, {2.5, 2.5, 0}, {0.5, 2.5, 0}}));
  polygons.Append(half);
  ASSERT_EQ(QORMesh2d::SplitMesh(grid, polygons, 1, under, rest, 0), 1);
  EXPECT_EQ(under.FaceCount(), 24 - 1);
  EXPECT_EQ(rest.FaceCount(), 12 + 1);
  EXPECT_EQ(QORMesh2d::IsPointInsideMesh(rest, ON_3dPoint(1.5, 1.5, 0)), 12) << "the moved face comes last";
  EXPECT_EQ(QORMesh2d::IsPointInsideMesh(under, ON_3dPoint(1.5, 1.5, 0)), -1);

  polygons[0] = Polygon({{0.9, 0.9, 0}, {3.1, 0.9, 0}, {3.1, 3.1, 0}, {0.9, 3.1, 0}});
  ASSERT_EQ(QORMesh2d::SplitMesh(grid, polygons, 1, under, rest, 0), 1);
  EXPECT_EQ(under.FaceCount(), 24 - 4);
  EXPECT_EQ(rest.FaceCount(), 12 + 4);
  EXPECT_EQ(QORMesh2d::SplitMesh(grid, polygons, 2, under, rest, 0), 0);
  EXPECT_EQ(QORMesh2d::GetError(), ON_wString(L"Invalid polygon index"));
}

TEST(QORMesh2d, EarClippingGivesAllTrianglesOrFails)
{
  struct Case
  {
    const char* what;
    ON_Polyline polygon;
    int triangles; // -1: fails
  } cases[] = {
      {"square", Polygon({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}), 2},
      {"clockwise square", Polygon({{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}}), 2},
      {"L shape", Polygon({{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {1, 2, 0}, {0, 2, 0}}), 4},
      {"square with straight corners", Polygon({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 2, 0}, {1, 2, 0}, {0, 2, 0}}), 4},
      {"collinear", Polygon({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}), -1},
      {"figure of eight", Polygon({{0, 0, 0}, {2, 2, 0}, {2, 0, 0}, {0, 2, 0}}), -1},
      {"repeated corner", Polygon({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}}), -1},
  };
  for (const Case& c : cases)
  {
    ON_Mesh mesh;
    QORMesh::AddTriangle(mesh, ON_3dPoint(7, 7, 7), ON_3dPoint(8, 7, 7), ON_3dPoint(7, 8, 7));
    const int result = QORMesh2d::TriangulatePolygon(c.polygon, mesh);
    if (c.triangles < 0)
    {
      EXPECT_EQ(result, 0) << c.what;
      EXPECT_EQ(QORMesh2d::GetError(), ON_wString(L"Created mesh was invalid")) << c.what;
      EXPECT_EQ(mesh.FaceCount(), 1) << c.what << ": output unchanged";
      continue;
    }
    ASSERT_EQ(result, 1) << c.what;
    EXPECT_EQ(mesh.FaceCount(), c.triangles) << c.what;
    EXPECT_EQ(mesh.VertexCount(), 3 * c.triangles) << c.what;
    EXPECT_DOUBLE_EQ(PlanArea(mesh), std::fabs(PolygonArea(c.polygon))) << c.what << ": counter-clockwise cover";
  }
  ON_Polyline open = Polygon({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}});
  open.Remove();
  ON_Mesh mesh;
  EXPECT_EQ(QORMesh2d::TriangulatePolygon(open, mesh), 0);
  EXPECT_EQ(QORMesh2d::GetError(), ON_wString(L"Polyline is not closed"));
}

TEST(QORMesh2d, RealBoundariesTriangulateCompletely)
{
  int tested = 0;
  for (const char* name : {"obj/car-normal-citrus.obj", "obj/cornell_box.obj", "stl/outlet.stl"})
  {
    ON_Mesh mesh;
    const std::string path = SharedFile(name);
    if (!(std::string(name).compare(0, 4, "stl/") == 0 ? ReadStl(path, mesh) : ReadObj(path, mesh)))
      continue;
    ON_ClassArray<ON_Polyline> loops;
    int outer = -1;
    ASSERT_EQ(QORMesh::GetBoundaryPolylines(mesh, loops, outer, 0), 1) << name;
    for (int i = 0; i < loops.Count(); i++)
    {
      if (!SimpleInPlan(loops[i]) || PolygonArea(loops[i]) == 0.0)
        continue;
      ON_Mesh triangles;
      ASSERT_EQ(QORMesh2d::TriangulatePolygon(loops[i], triangles), 1) << name << " loop " << i;
      EXPECT_EQ(triangles.FaceCount(), loops[i].Count() - 3) << name << " loop " << i;
      EXPECT_NEAR(PlanArea(triangles), std::fabs(PolygonArea(loops[i])), 1e-6 * std::fabs(PolygonArea(loops[i])))
          << name << " loop " << i;
      tested++;
    }
  }
  if (tested == 0)
    GTEST_SKIP() << "shared test data not found under " << NUBILO_SHARED_DATA;
}

TEST(QORMesh2d, FacesUnderPointsAndFlattening)
{
  ON_Mesh grid = Triangulated(Grid(2, 2, 3.0));
  EXPECT_EQ(QORMesh2d::IsPointInsideMesh(grid, ON_3dPoint(0.5, 0.5, 99)), 0) << "on the diagonal: the lower face";
  EXPECT_EQ(QORMesh2d::IsPointInsideMesh(grid, ON_3dPoint(1.2, 1.7, 0)), 7);
  EXPECT_EQ(QORMesh2d::IsPointInsideMesh(grid, ON_3dPoint(2.5, 1, 0)), -1);
  EXPECT_EQ(QORMesh2d::IsPointInsideMesh(ON_Mesh(), ON_3dPoint(0, 0, 0)), -1);

  ASSERT_EQ(QORMesh2d::Make2D(grid), 1);
  for (int vi = 0; vi < grid.VertexCount(); vi++)
    EXPECT_EQ(grid.m_V[vi].z, 0.0f);
  ON_Mesh empty;
  EXPECT_EQ(QORMesh2d::Make2D(empty), 0);

  const ON_Polyline square = Polygon({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
  EXPECT_EQ(QORMesh2d::IsFaceInsidePolygon(square, {0.2, 0.2, 0}, {0.8, 0.2, 0}, {0.5, 0.9, 5}, ON_3dPoint::UnsetPoint),
            1);
  EXPECT_EQ(QORMesh2d::IsFaceInsidePolygon(square, {0, 0.2, 0}, {0.8, 0.2, 0}, {0.5, 0.9, 5}, ON_3dPoint::UnsetPoint),
            0)
      << "a corner on the boundary";
  EXPECT_EQ(QORMesh2d::IsFaceInsidePolygon(square, {0.2, 0.2, 0}, {0.8, 0.2, 0}, {0.8, 0.9, 0}, {0.2, 1.5, 0}), 0);
}

TEST(QORMesh2d, DeletingFacesByTheirCentres)
{
  // Quad centres at (c + 0.5, r + 0.5): nine inside the wide fence, eight on the narrow one.
  const ON_Polyline wide = Polygon({{0.2, 0.2, 0}, {2.8, 0.2, 0}, {2.8, 2.8, 0}, {0.2, 2.8, 0}});
  const ON_Polyline narrow = Polygon({{0.5, 0.5, 0}, {2.5, 0.5, 0}, {2.5, 2.5, 0}, {0.5, 2.5, 0}});
  struct Case
  {
    const ON_Polyline& fence;
    int code;
    int faces;
  } cases[] = {{wide, 0, 7}, {wide, 2, 9}, {wide, 1, 16}, {narrow, 1, 8}, {narrow, 0, 15}};
  for (const Case& c : cases)
  {
    ON_Mesh grid = Grid(4, 4);
    ASSERT_EQ(QORMesh::DeleteFacesWithPolygon(grid, c.fence, c.code), 1);
    EXPECT_EQ(grid.FaceCount(), c.faces) << c.code;
    EXPECT_TRUE(ConsistentlyOriented(grid));
  }
  ON_Mesh small = Grid(1, 1);
  ASSERT_EQ(QORMesh::DeleteFacesWithPolygon(small, wide, 0), 1);
  EXPECT_EQ(small.FaceCount(), 0) << "every face inside";
}

TEST(QORMesh2d, SwappedDiagonalsKeepTheOrientation)
{
  ON_Mesh square = Triangulated(Grid(1, 1));
  ASSERT_EQ(QORMesh::SwapEdge(square, ON_Line(ON_3dPoint(1, 1, 0), ON_3dPoint(0, 0, 0))), 1);
  ASSERT_EQ(square.FaceCount(), 2);
  EXPECT_EQ(QORMesh::GetEdgeIndex(square, ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 1, 0))), -1);
  EXPECT_GE(QORMesh::GetEdgeIndex(square, ON_Line(ON_3dPoint(1, 0, 0), ON_3dPoint(0, 1, 0))), 0);
  EXPECT_TRUE(ConsistentlyOriented(square));
  EXPECT_DOUBLE_EQ(PlanArea(square), 1.0);

  // Every interior diagonal of a triangulated grid, swapped in turn.
  ON_Mesh grid = Triangulated(Grid(3, 3));
  for (int r = 0; r < 3; r++)
    for (int c = 0; c < 3; c++)
    {
      ASSERT_EQ(QORMesh::SwapEdge(grid, ON_Line(ON_3dPoint(c, r, 0), ON_3dPoint(c + 1, r + 1, 0))), 1);
      EXPECT_TRUE(grid.IsValid());
      EXPECT_TRUE(ConsistentlyOriented(grid));
    }
  EXPECT_DOUBLE_EQ(PlanArea(grid), 9.0);
  EXPECT_EQ(BoundarySides(grid).size(), 12u);

  struct Case
  {
    ON_Mesh mesh;
    ON_Line edge;
    const char* error;
  } cases[] = {
      {Triangulated(Grid(1, 1)), ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(1, 0, 0)), "Boundary edges cannot be swapped"},
      {Grid(1, 2), ON_Line(ON_3dPoint(1, 0, 0), ON_3dPoint(1, 1, 0)), "Edge must connect two triangular faces"},
      {Triangulated(Grid(1, 1)), ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(2, 2, 0)),
       "Line segment is not an edge of the mesh"},
  };
  for (Case& c : cases)
  {
    EXPECT_EQ(QORMesh::SwapEdge(c.mesh, c.edge), 0);
    EXPECT_EQ(QORMesh::GetError(), ON_wString(c.error));
  }
  // A dart: the quadrilateral of the two triangles is concave in plan.
  ON_Mesh dart;
  QORMesh::AddTriangle(dart, ON_3dPoint(0, 0, 0), ON_3dPoint(2, 0, 0), ON_3dPoint(0.5, 0.5, 0));
  QORMesh::AddTriangle(dart, ON_3dPoint(0, 0, 0), ON_3dPoint(0.5, 0.5, 0), ON_3dPoint(0, 2, 0));
  const ON_Mesh before = dart;
  EXPECT_EQ(QORMesh::SwapEdge(dart, ON_Line(ON_3dPoint(0, 0, 0), ON_3dPoint(0.5, 0.5, 0))), 0);
  EXPECT_EQ(QORMesh::GetError(), ON_wString(L"Swapping this edge results in an invalid mesh"));
  EXPECT_EQ(dart.FaceCount(), before.FaceCount());
}

} // namespace
