#include "power_crust_run.h"
#include "SampleShapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <set>
#include <utility>

namespace
{

// Euler characteristic V - E + F of a polygon mesh, over the vertices its polygons use.
int EulerCharacteristic(const crust_mesh& mesh)
{
  std::set<int> vertices(mesh.ids.begin(), mesh.ids.end());
  std::set<std::pair<int, int>> edges;
  for (int k = 0; k < mesh.PolygonCount(); ++k)
  {
    const int first = mesh.offsets[k], count = mesh.offsets[k + 1] - first;
    for (int i = 0; i < count; ++i)
    {
      int a = mesh.ids[first + i], b = mesh.ids[first + (i + 1) % count];
      edges.insert({std::min(a, b), std::max(a, b)});
    }
  }
  return static_cast<int>(vertices.size()) - static_cast<int>(edges.size()) + mesh.PolygonCount();
}

TEST(PowerCrustRun, SphereGivesClosedSurfaceOfGenusZero)
{
  const std::vector<double> points = sample_shapes::EvenSphere(2000, 0.5);
  crust_mesh surface;
  medial_result medial;
  std::string error;
  ASSERT_TRUE(power_crust_run::Reconstruct(points.data(), 2000, 0.6, surface, medial, error)) << error;
  EXPECT_EQ(2, EulerCharacteristic(surface));
  const power_crust_counters& counters = power_crust_run::LastCounters();
  EXPECT_EQ(0, counters.open_walks);
  EXPECT_GT(counters.poles, 2000);
}

} // namespace

namespace
{

// A diagnostic stream, when attached, receives the stages' lines; detached, nothing is written.
TEST(PowerCrustRun, DiagnosticLinesGoToAnAttachedStreamOnly)
{
  const std::vector<double> points = sample_shapes::EvenSphere(300, 0.5);
  crust_mesh surface;
  medial_result medial;
  std::string error;
  std::ostringstream log;
  power_crust_run::SetLog(&log);
  ASSERT_TRUE(power_crust_run::Reconstruct(points.data(), 300, 0.6, surface, medial, error)) << error;
  power_crust_run::SetLog(nullptr);
  const std::string text = log.str();
  EXPECT_NE(std::string::npos, text.find("done; num_sites=308\n"));
  EXPECT_NE(std::string::npos, text.find("num_poles=" + std::to_string(power_crust_run::LastCounters().poles)));
  EXPECT_NE(std::string::npos, text.find("bad poles="));
  const size_t written = text.size();
  ASSERT_TRUE(power_crust_run::Reconstruct(points.data(), 300, 0.6, surface, medial, error));
  EXPECT_EQ(written, log.str().size());
}

} // namespace

namespace
{

// The progress callback hears rising fractions from the start of every stage and from inside the
// hull builds. A stop answer (at the first question, inside the first hull build, or at the last
// question) ends the run at once with empty outputs, and the next run starts afresh.
TEST(PowerCrustRun, AStopAnswerFromTheProgressCallbackEndsTheRun)
{
  const int count = 5000; // more sites than a progress interval, so the first build is asked too
  const std::vector<double> points = sample_shapes::EvenSphere(count, 0.5);
  std::vector<double> heard;
  const progress_callback record = [&heard](double fraction)
  {
    heard.push_back(fraction);
    return true;
  };
  crust_mesh full;
  medial_result medial;
  std::string error;
  ASSERT_TRUE(power_crust_run::Reconstruct(points.data(), count, 0.6, full, medial, error, record)) << error;
  ASSERT_GE(heard.size(), 8u);
  EXPECT_EQ(0.0, heard.front());
  EXPECT_TRUE(std::is_sorted(heard.begin(), heard.end()));
  EXPECT_GT(heard[1], 0.0); // inside the first build, before the poles
  EXPECT_LT(heard[1], 0.3);
  EXPECT_GE(heard.back(), 0.9);
  EXPECT_LE(heard.back(), 1.0);

  for (const size_t stopAt : {size_t(0), size_t(1), heard.size() - 1})
  {
    SCOPED_TRACE(testing::Message() << "stop at question " << stopAt);
    size_t asked = 0;
    const progress_callback stop = [&asked, stopAt](double) { return asked++ < stopAt; };
    crust_mesh surface;
    medial_result stoppedMedial;
    EXPECT_FALSE(power_crust_run::Reconstruct(points.data(), count, 0.6, surface, stoppedMedial, error, stop));
    EXPECT_EQ("stopped", error);
    EXPECT_EQ(stopAt + 1, asked);
    EXPECT_EQ(0, surface.PolygonCount());
    EXPECT_EQ(0, surface.PointCount());
    EXPECT_EQ(0, stoppedMedial.triangles.PointCount());
  }
  crust_mesh again;
  ASSERT_TRUE(power_crust_run::Reconstruct(points.data(), count, 0.6, again, medial, error)) << error;
  EXPECT_EQ(full.ids, again.ids);
  EXPECT_EQ(full.points, again.points);
}

} // namespace
