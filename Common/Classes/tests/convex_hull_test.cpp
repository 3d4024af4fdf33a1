#include "convex_hull.h"
#include "exact_predicates.h"
#include "SampleShapes.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace
{

double SignedVolume(const crust_mesh& mesh)
{
  double volume = 0.0;
  for (int k = 0; k < mesh.PolygonCount(); ++k)
  {
    const double* a = &mesh.points[3 * mesh.ids[mesh.offsets[k]]];
    const double* b = &mesh.points[3 * mesh.ids[mesh.offsets[k] + 1]];
    const double* c = &mesh.points[3 * mesh.ids[mesh.offsets[k] + 2]];
    volume +=
        (a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) + a[2] * (b[0] * c[1] - b[1] * c[0])) /
        6.0;
  }
  return volume;
}

// Points on a sphere and in its inside: the hull keeps exactly the surface points, every triangle
// has every input point on its inner side, and the volume is positive.
TEST(ConvexHull, KeepsEveryExtremePointAndOrientsOutwards)
{
  std::vector<double> points = sample_shapes::Sphere(500, 3.0, 17);
  std::mt19937 random(2);
  std::uniform_real_distribution<double> inside(-1.5, 1.5);
  for (int i = 0; i < 300; ++i)
    points.insert(points.end(), {inside(random), inside(random), inside(random)});
  crust_mesh hull;
  std::string error;
  ASSERT_TRUE(convex_hull::Build(points.data(), 800, hull, error)) << error;
  EXPECT_EQ(500, hull.PointCount());
  EXPECT_EQ(2 * 500 - 4, hull.PolygonCount());
  EXPECT_GT(SignedVolume(hull), 0.0);
  for (int k = 0; k < hull.PolygonCount(); ++k)
  {
    const double* a = &hull.points[3 * hull.ids[3 * k]];
    const double* b = &hull.points[3 * hull.ids[3 * k + 1]];
    const double* c = &hull.points[3 * hull.ids[3 * k + 2]];
    for (int i = 0; i < 800; ++i)
      ASSERT_GE(exact_predicates::Orient(a, b, c, &points[3 * i]), 0.0);
  }
}

// The progress callback is asked at the start and while qhull adds points. A stop answer, at once
// or half-way, ends the build with an empty hull, and the callback is not asked again.
TEST(ConvexHull, AStopAnswerFromTheProgressCallbackEndsTheBuild)
{
  const int count = 3000;
  const std::vector<double> points = sample_shapes::Sphere(count, 2.0, 8);
  std::vector<double> heard;
  crust_mesh hull;
  std::string error;
  ASSERT_TRUE(convex_hull::Build(points.data(), count, hull, error,
                                 [&heard](double fraction)
                                 {
                                   heard.push_back(fraction);
                                   return true;
                                 }))
      << error;
  EXPECT_EQ(count, hull.PointCount());
  ASSERT_GE(heard.size(), 3u);
  EXPECT_EQ(0.0, heard.front());
  for (double fraction : heard)
  {
    EXPECT_GE(fraction, 0.0);
    EXPECT_LE(fraction, 1.0);
  }
  for (const size_t stopAt : {size_t(0), heard.size() / 2})
  {
    SCOPED_TRACE(testing::Message() << "stop at question " << stopAt);
    size_t asked = 0;
    EXPECT_FALSE(
        convex_hull::Build(points.data(), count, hull, error, [&asked, stopAt](double) { return asked++ < stopAt; }));
    EXPECT_EQ("stopped", error);
    EXPECT_EQ(stopAt + 1, asked);
    EXPECT_EQ(0, hull.PolygonCount());
    EXPECT_EQ(0, hull.PointCount());
  }
}

TEST(ConvexHull, FlatOrTooFewPointsFail)
{
  const std::vector<std::vector<double>> inputs = {
      {0, 0, 0, 1, 0, 0, 0, 1, 0},
      {0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0, 0.5, 0.5, 0},
  };
  for (const auto& xyz : inputs)
  {
    crust_mesh hull;
    std::string error;
    EXPECT_FALSE(convex_hull::Build(xyz.data(), static_cast<int>(xyz.size() / 3), hull, error));
    EXPECT_EQ(0, hull.PolygonCount());
    EXPECT_FALSE(error.empty());
  }
}

} // namespace
