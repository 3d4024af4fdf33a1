#include "QORNurbsCurve.h"
#include "QORNurbsSurface.h"
#include "QORPoint.h"

#include "GeoTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace geotest;

namespace
{

// rows x columns grid, point (r, c) at (c, r, r * columns + c).
ON_3dPointArray Matrix(int rows, int columns)
{
  ON_3dPointArray matrix;
  for (int r = 0; r < rows; r++)
    for (int c = 0; c < columns; c++)
      matrix.Append(ON_3dPoint(c, r, r * columns + c));
  return matrix;
}

} // namespace

TEST(QORPoint, RemoveDuplicatesSortsAndKeepsOneOfEach)
{
  ON_3dPointArray points = Points({{1, 0, 0}, {0, 0, 0}, {1, 0, 0}});
  EXPECT_EQ(QORPoint::RemoveDuplicates(points, 0), 1);
  ASSERT_EQ(points.Count(), 2);
  EXPECT_EQ(points[0], ON_3dPoint(0, 0, 0));
  EXPECT_EQ(points[1], ON_3dPoint(1, 0, 0));
  ON_3dPointArray empty;
  EXPECT_EQ(QORPoint::RemoveDuplicates(empty, 1), 0);
  // Points differing in one coordinate are all kept; order is x, then y, then z.
  ON_3dPointArray close = Points({{0, 1, 2}, {0, 1, 1}, {0, 0, 5}, {0, 1, 1}, {0, 1, 1}});
  EXPECT_EQ(QORPoint::RemoveDuplicates(close, 0), 2);
  EXPECT_EQ(close.Count(), 3);
  EXPECT_EQ(close[0], ON_3dPoint(0, 0, 5));
  EXPECT_EQ(close[2], ON_3dPoint(0, 1, 2));
}

TEST(QORPoint, RemoveDuplicatesOfManyPointsLeavesStrictlyAscendingPoints)
{
  std::mt19937 random(1);
  std::uniform_int_distribution<int> coordinate(0, 60);
  ON_3dPointArray points;
  for (int i = 0; i < 200000; i++)
    points.Append(ON_3dPoint(coordinate(random), coordinate(random), coordinate(random)));
  const int removed = QORPoint::RemoveDuplicates(points, 0);
  EXPECT_EQ(removed + points.Count(), 200000);
  for (int i = 1; i < points.Count(); i++)
    ASSERT_TRUE(points[i - 1] < points[i]);
}

TEST(QORPoint, DeletePointByExactBytesOrWithinTolerance)
{
  ON_3dPointArray points = Points({{0, 0, 0}, {0.5, 0, 0}, {0, 0, 0}, {0.4, 0, 0}, {-0.0, 0, 0}, {2, 0, 0}});
  ON_3dPointArray exact(points);
  EXPECT_EQ(QORPoint::DeletePoint(exact, ON_3dPoint(0, 0, 0), 0.0), 2); // -0.0 differs in its bytes
  EXPECT_EQ(exact.Count(), 4);
  EXPECT_EQ(exact[0], ON_3dPoint(0.5, 0, 0));
  EXPECT_EQ(QORPoint::DeletePoint(points, ON_3dPoint(0, 0, 0), 0.5), 5); // 0.5 away is removed too
  ASSERT_EQ(points.Count(), 1);
  EXPECT_EQ(points[0].x, 2.0);
  ON_3dPointArray list = Points({{1, 1, 1}, {2, 2, 2}, {1, 1, 1}});
  EXPECT_EQ(QORPoint::DeletePoints(list, Points({{1, 1, 1}, {3, 3, 3}}), 0.0), 2);
}

TEST(QORPoint, EqualAverageAndClosestIndex)
{
  EXPECT_EQ(QORPoint::Equal(ON_3dPoint(0, 0, 0), ON_3dPoint(3, 4, 0), 5.0), 1);
  EXPECT_EQ(QORPoint::Equal(ON_3dPoint(0, 0, 0), ON_3dPoint(3, 4, 0), 4.9), 0);
  EXPECT_EQ(QORPoint::Average(Points({{0, 0, 0}, {2, 4, 6}, {4, 2, 0}})), ON_3dPoint(2, 2, 2));
  EXPECT_FALSE(QORPoint::Average(ON_3dPointArray()).IsValid());
  EXPECT_EQ(QORPoint::ClosestPointIndex(ON_3dPoint(0, 0, 0), Points({{5, 0, 0}, {0, 1, 0}, {-1, 0, 0}})), 1);
  EXPECT_EQ(QORPoint::ClosestPointIndex(ON_3dPoint(0, 0, 0), ON_3dPointArray()), -1);
  ON_3dPoint p(1, 2, 3);
  QORPoint::Unset(p);
  EXPECT_EQ(p.x, ON_UNSET_VALUE);
  ON_3dPointArray self = Points({{1, 1, 1}});
  QORPoint::AppendPoints(self, self);
  EXPECT_EQ(self.Count(), 2);
}

TEST(QORPoint, ThreeByFourMatrixConversions)
{
  const ON_3dPointArray matrix = Matrix(3, 4);
  ON_ClassArray<ON_Line> hl, vl;
  ASSERT_EQ(QORPoint::PointMatrixToLines(3, 4, matrix, hl, vl), 1);
  EXPECT_EQ(hl.Count(), 9);
  EXPECT_EQ(vl.Count(), 8);
  EXPECT_EQ(hl[3].from, matrix[4]); // second row starts after the first
  EXPECT_EQ(vl[1].to, matrix[5]);
  ON_ClassArray<ON_Polyline> hp, vp;
  ASSERT_EQ(QORPoint::PointMatrixToPolylines(3, 4, matrix, hp, vp), 1);
  EXPECT_EQ(hp.Count(), 3);
  ASSERT_EQ(vp.Count(), 4);
  EXPECT_EQ(vp[2].Count(), 3);
  EXPECT_EQ(vp[2][1], matrix[6]);
  ON_ClassArray<ON_NurbsCurve> hc, vc;
  ASSERT_EQ(QORPoint::PointMatrixToNurbsCurves(3, 4, matrix, hc, vc), 1);
  EXPECT_EQ(hc.Count(), 3);
  EXPECT_EQ(vc.Count(), 4);
  EXPECT_EQ(hc[0].CVCount(), 4);
  EXPECT_EQ(hc[0].Order(), 3);
  ON_Mesh mesh;
  ASSERT_EQ(QORPoint::PointMatrixToMesh(3, 4, matrix, mesh), 1);
  EXPECT_EQ(mesh.VertexCount(), 12);
  ASSERT_EQ(mesh.FaceCount(), 6);
  EXPECT_EQ(mesh.m_F[0].vi[0], 0);
  EXPECT_EQ(mesh.m_F[0].vi[1], 1);
  EXPECT_EQ(mesh.m_F[0].vi[2], 5);
  EXPECT_EQ(mesh.m_F[0].vi[3], 4);
  ON_NurbsSurface surface;
  ASSERT_EQ(QORPoint::PointMatrixToNurbsSurface(3, 4, matrix, surface), 1);
  EXPECT_EQ(surface.CVCount(0), 4);
  EXPECT_EQ(surface.CVCount(1), 3);
}

TEST(QORPoint, MatrixMeshLeavesOutUnsetPoints)
{
  // 2 rows of 3: an unset first point makes the first cell a triangle; all unset gives no mesh.
  ON_3dPointArray matrix = Matrix(2, 3);
  matrix[0] = ON_3dPoint::UnsetPoint;
  ON_Mesh mesh;
  ASSERT_EQ(QORPoint::PointMatrixToMesh(2, 3, matrix, mesh), 1);
  EXPECT_EQ(mesh.VertexCount(), 5);
  ASSERT_EQ(mesh.FaceCount(), 2);
  EXPECT_TRUE(mesh.m_F[0].IsTriangle());
  EXPECT_EQ(mesh.Vertex(mesh.m_F[0].vi[0]), matrix[1]);
  EXPECT_TRUE(mesh.m_F[1].IsQuad());
  for (int i = 0; i < matrix.Count(); i++)
    matrix[i] = ON_3dPoint::UnsetPoint;
  EXPECT_EQ(QORPoint::PointMatrixToMesh(2, 3, matrix, mesh), 0);
  EXPECT_EQ(mesh.VertexCount(), 5) << "the mesh is kept on failure";
}

TEST(QORPoint, ThinMatricesGiveEmptyDirectionsAndNoMesh)
{
  ON_ClassArray<ON_Line> h, v;
  ASSERT_EQ(QORPoint::PointMatrixToLines(4, 1, Matrix(4, 1), h, v), 1);
  EXPECT_EQ(h.Count(), 0);
  EXPECT_EQ(v.Count(), 3);
  ASSERT_EQ(QORPoint::PointMatrixToLines(1, 4, Matrix(1, 4), h, v), 1);
  EXPECT_EQ(v.Count(), 0);
  ON_Mesh mesh;
  EXPECT_EQ(QORPoint::PointMatrixToMesh(1, 4, Matrix(1, 4), mesh), 0);
  EXPECT_EQ(Text(QORPoint::GetError()), "Invalid mesh");
  EXPECT_EQ(mesh.VertexCount(), 0);
  // Runs shorter than the order give no curve.
  ON_ClassArray<ON_NurbsCurve> hc, vc;
  ASSERT_EQ(QORPoint::PointMatrixToNurbsCurves(2, 5, Matrix(2, 5), hc, vc), 1);
  EXPECT_EQ(hc.Count(), 2);
  EXPECT_EQ(vc.Count(), 0);
  ON_NurbsSurface surface;
  EXPECT_EQ(QORPoint::PointMatrixToNurbsSurface(2, 5, Matrix(2, 5), surface), 0);
  EXPECT_EQ(Text(QORNurbsSurface::GetError()), "Invalid Nurbs Surface");
  // A matrix shorter than rows x columns is refused instead of read past its end.
  EXPECT_EQ(QORPoint::PointMatrixToLines(3, 4, Matrix(2, 4), h, v), 0);
  EXPECT_EQ(Text(QORPoint::GetError()), "Incorrect number of points");
}

TEST(QORPoint, BuildersReportTheirFailures)
{
  ON_NurbsSurface surface;
  EXPECT_EQ(QORNurbsSurface::Create(surface, 2, 3, Matrix(1, 5), 3, 1, 3, 3), 0);
  EXPECT_EQ(Text(QORNurbsSurface::GetError()), "Incorrect number of control points");
  ON_NurbsCurve curve;
  EXPECT_EQ(QORNurbsCurve::Create(curve, Matrix(1, 2), 3, 1, 3), 0);
  EXPECT_EQ(Text(QORNurbsCurve::GetError()), "Unable to create Nurbs Curve");
  ASSERT_EQ(QORNurbsCurve::Create(curve, Matrix(1, 5), 3, 1, 3), 1);
  EXPECT_FALSE(curve.IsRational());
  EXPECT_EQ(curve.Domain()[1], 3.0);
}

// At survey coordinates floats round the grid by decimetres: the mesh's doubles are the matrix.
TEST(QORPoint, MatrixMeshKeepsSurveyCoordinatesInItsDoubles)
{
  ON_3dPointArray matrix = Matrix(3, 4);
  for (int i = 0; i < matrix.Count(); i++)
    matrix[i] += ON_3dVector(500000.123, 4200000.456, 812.789);
  ON_Mesh mesh;
  ASSERT_EQ(QORPoint::PointMatrixToMesh(3, 4, matrix, mesh), 1);
  ASSERT_TRUE(mesh.HasSynchronizedDoubleAndSinglePrecisionVertices());
  ASSERT_EQ(mesh.VertexCount(), 12);
  for (int i = 0; i < 12; i++)
  {
    EXPECT_EQ(mesh.Vertex(i), matrix[i]) << i;
    EXPECT_EQ(mesh.m_V[i], ON_3fPoint(matrix[i])) << i;
  }
}
