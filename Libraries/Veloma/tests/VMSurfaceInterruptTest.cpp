// Ctrl-C (Platform::Interrupt) stops the drape and the wraps: they fail with "Cancelled", leave the
// caller's outputs as they were and close their progress windows.
#include "DrapeTestSupport.h"
#include "Interrupt.h"
#include "MeshShape.h"
#include "SampleShapes.h"
#include "power_crust_run.h"

#include <cmath>
#include <functional>
#include <set>
#include <sstream>
#include <streambuf>

namespace
{

ON_3dPointArray SpherePoints(int count, double radius)
{
  return test_support::ToPointArray(sample_shapes::EvenSphere(count, radius));
}

// Titles of the progress windows still open at the end of captured progress output, where every
// window writes lines starting with its title and "<title>: done" when it closes.
std::set<std::string> StillOpen(const std::string& log)
{
  std::set<std::string> open;
  std::istringstream lines(log);
  for (std::string line; std::getline(lines, line);)
  {
    const size_t colon = line.find(": ");
    const std::string title = line.substr(0, colon);
    if (colon != std::string::npos && line.substr(colon + 2) == "done")
      open.erase(title);
    else
      open.insert(title);
  }
  return open;
}

// Everything an operation may write, to see that a cancelled one wrote nothing.
struct Outputs
{
  ON_3dPointArray points, matrix;
  ON_NurbsSurface surface;
  int rows = 7, columns = 9;
  ON_Mesh mesh;
};

void ExpectSame(const Outputs& before, const Outputs& after)
{
  auto same = [](const ON_3dPointArray& a, const ON_3dPointArray& b)
  {
    if (a.Count() != b.Count())
      return false;
    for (int i = 0; i < a.Count(); i++)
      if (a[i] != b[i])
        return false;
    return true;
  };
  EXPECT_TRUE(same(before.points, after.points));
  EXPECT_TRUE(same(before.matrix, after.matrix));
  EXPECT_EQ(before.surface.CVCount(0), after.surface.CVCount(0));
  ON_3dPoint cvBefore, cvAfter;
  before.surface.GetCV(1, 1, cvBefore);
  after.surface.GetCV(1, 1, cvAfter);
  EXPECT_EQ(cvBefore, cvAfter);
  EXPECT_EQ(before.rows, after.rows);
  EXPECT_EQ(before.columns, after.columns);
  EXPECT_EQ(before.mesh.VertexCount(), after.mesh.VertexCount());
  EXPECT_EQ(before.mesh.FaceCount(), after.mesh.FaceCount());
}

// A diagnostic stream that raises the interrupt when the text written to it reaches `marker`:
// Ctrl-C pressed at a known point of a power crust run.
class InterruptAt : public std::streambuf
{
public:
  explicit InterruptAt(std::string marker) : m_marker(std::move(marker)) {}

protected:
  int overflow(int c) override
  {
    m_text += static_cast<char>(c);
    if (m_text.size() >= m_marker.size() &&
        m_text.compare(m_text.size() - m_marker.size(), m_marker.size(), m_marker) == 0)
      Platform::Interrupt::Request();
    return c;
  }

private:
  std::string m_marker, m_text;
};

class VMSurfaceInterrupt : public DrapeTest
{
protected:
  void SetUp() override
  {
    DrapeTest::SetUp();
    Platform::ProgressWindow::SetQuiet(false);
    m_given.points = SpherePoints(300, 2.0);
    for (int r = 0; r < 5; r++)
      for (int c = 0; c < 5; c++)
        m_given.matrix.Append(ON_3dPoint(c, r, 0.1 * r * c));
    ASSERT_EQ(VMSurface::CreateSurfaceFromPointMatrix(m_given.surface, m_given.matrix, 5, 5, 0), 1);
    ASSERT_EQ(VMSurface::WrapConvexMesh(m_given.mesh, SpherePoints(20, 1.0), 0), 1);
  }
  void TearDown() override
  {
    Platform::Interrupt::Clear();
    power_crust_run::SetLog(nullptr);
    DrapeTest::TearDown();
  }

  Outputs m_given;
};

} // namespace

// Asked to stop before they start, the drape, its steps and the wraps fail at once.
TEST_F(VMSurfaceInterrupt, OperationsAskedToStopBeforehandChangeNothing)
{
  const ON_3dVector front(0, 1, 0), top(0, 0, -1);
  struct Case
  {
    const char* name;
    std::function<int(Outputs&)> run;
  };
  const Case cases[] = {
      {"TransformPoints", [&](Outputs& o) { return VMSurface::TransformPoints(o.points, front, 1, 1); }},
      {"CreatePointMatrix", [&](Outputs& o) { return VMSurface::CreatePointMatrix(o.points, 4, 4, o.matrix, 1, 1); }},
      {"CreateSurfaceFromPointMatrix",
       [&](Outputs& o) { return VMSurface::CreateSurfaceFromPointMatrix(o.surface, o.matrix, 5, 5, 1); }},
      {"Offset", [&](Outputs& o) { return VMSurface::Offset(o.matrix, 5, 5, o.surface, 0.5, 1); }},
      {"DrapeSurface", [&](Outputs& o)
       { return VMSurface::DrapeSurface(o.matrix, o.rows, o.columns, o.surface, o.points, top, 1, 1, nullptr); }},
      {"WrapMesh concave", [&](Outputs& o) { return VMSurface::WrapMesh(o.mesh, o.points, 1, 1); }},
      {"WrapMesh convex", [&](Outputs& o) { return VMSurface::WrapMesh(o.mesh, o.points, 0, 1); }},
      {"WrapConvexPositionMesh", [&](Outputs& o) { return VMSurface::WrapConvexPositionMesh(o.mesh, o.points, 1); }},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    Outputs outputs = m_given;
    VMSurface::SetError("");
    Platform::Interrupt::Request();
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(c.run(outputs), 0);
    EXPECT_EQ(StillOpen(::testing::internal::GetCapturedStderr()), std::set<std::string>());
    EXPECT_EQ(Error(), "Cancelled");
    ExpectSame(m_given, outputs);
  }
  EXPECT_TRUE(m_presenter.FormsShown().empty());
}

// Ctrl-C while the "Surface Parameters" dialog is up: the drape stops at the first step after it
// and gives the caller's matrix, surface, rows and columns back as they were.
TEST_F(VMSurfaceInterrupt, DrapeStoppedAtTheDialogChangesNothing)
{
  m_presenter.QueueAnswer(
      [](Platform::Form&)
      {
        Platform::Interrupt::Request();
        return true;
      });
  Outputs outputs = m_given;
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(VMSurface::DrapeSurface(outputs.matrix, outputs.rows, outputs.columns, outputs.surface, outputs.points,
                                    ON_3dVector(0, 1, 0), 1, 1, nullptr),
            0);
  const std::string log = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(Error(), "Cancelled");
  ExpectSame(m_given, outputs);
  EXPECT_EQ(m_presenter.FormsShown().size(), 1u);
  EXPECT_NE(log.find("Calculating surface: done"), std::string::npos);
  EXPECT_EQ(log.find("Creating surface"), std::string::npos);
  EXPECT_EQ(StillOpen(log), std::set<std::string>());
}

// Ctrl-C during a concave wrap, once the first pass of the power crust is done: the run ends
// before its second pass, the mesh stays as it was, and the next wrap runs in full.
TEST_F(VMSurfaceInterrupt, ConcaveWrapStoppedMidRunKeepsTheMesh)
{
  const ON_3dPointArray points = SpherePoints(2000, 1.0);
  InterruptAt atSecondPoles("computing 2nd poles");
  std::ostream log(&atSecondPoles);
  power_crust_run::SetLog(&log);
  ON_Mesh mesh(m_given.mesh);
  EXPECT_EQ(VMSurface::WrapConcaveMesh(mesh, points, 0), 0);
  EXPECT_EQ(Error(), "Cancelled");
  EXPECT_EQ(mesh.FaceCount(), m_given.mesh.FaceCount());
  EXPECT_EQ(mesh.VertexCount(), m_given.mesh.VertexCount());
  const power_crust_counters& counters = power_crust_run::LastCounters();
  EXPECT_EQ(counters.delaunay.sites_taken, 2008); // the samples and the box corners
  EXPECT_EQ(counters.power.sites_taken, 0);
  EXPECT_EQ(counters.faces, 0);

  power_crust_run::SetLog(nullptr);
  Platform::Interrupt::Clear();
  ASSERT_EQ(VMSurface::WrapConcaveMesh(mesh, points, 0), 1);
  EXPECT_GT(mesh.FaceCount(), 2000);
}
