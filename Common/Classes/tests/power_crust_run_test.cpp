#include "power_crust_run.h"
#include "sample_shapes.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <set>
#include <utility>

namespace {

// Euler characteristic V - E + F of a polygon mesh, over the vertices its polygons use.
int EulerCharacteristic(const crust_mesh& mesh)
{
  std::set<int> vertices(mesh.ids.begin(), mesh.ids.end());
  std::set<std::pair<int, int>> edges;
  for (int k = 0; k < mesh.PolygonCount(); ++k) {
    const int first = mesh.offsets[k], count = mesh.offsets[k + 1] - first;
    for (int i = 0; i < count; ++i) {
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

}  // namespace

namespace {

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

}  // namespace
