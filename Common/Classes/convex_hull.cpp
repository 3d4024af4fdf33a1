#include "convex_hull.h"

#include "crust_check.h"

extern "C"
{
#include <libqhull_r/qhull_ra.h>
}

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_map>
#include <vector>

namespace
{

// Option 'TFn': qhull reports its progress every n new facets.
const char kOptions[] = "qhull Qt TF1000";

// qhull writes its diagnostics and progress reports to a stream. This one drops the text and asks
// the caller's progress callback at every write; a stop answer makes qhull end the build before its
// next point, as its option 'TA' does.
class progress_stream
{
public:
  explicit progress_stream(const progress_callback& progress) : m_progress(progress)
  {
    cookie_io_functions_t io = {};
    io.write = &progress_stream::Write;
    m_file = fopencookie(this, "w", io);
    if (m_file)
      std::setvbuf(m_file, nullptr, _IONBF, 0);
  }
  ~progress_stream()
  {
    if (m_file)
      std::fclose(m_file);
  }
  progress_stream(const progress_stream&) = delete;
  progress_stream& operator=(const progress_stream&) = delete;

  FILE* File() const { return m_file; }
  void Watch(qhT* qh) { m_qh = qh; }
  bool Stopped() const { return m_stopped; }

private:
  static ssize_t Write(void* cookie, const char*, size_t size)
  {
    static_cast<progress_stream*>(cookie)->Ask();
    return static_cast<ssize_t>(size);
  }

  void Ask()
  {
    if (!m_qh || !m_progress || m_stopped)
      return;
    const double outside = m_qh->num_points > 0 ? static_cast<double>(m_qh->num_outside) / m_qh->num_points : 1.0;
    bool goOn = false;
    try
    {
      goOn = m_progress(std::clamp(1.0 - outside, 0.0, 1.0));
    }
    catch (...)
    {
      // Nothing may unwind through qhull: a callback that throws stops the build.
    }
    if (!goOn)
    {
      m_stopped = true;
      m_qh->STOPadd = 1;
    }
  }

  const progress_callback& m_progress;
  qhT* m_qh = nullptr;
  FILE* m_file = nullptr;
  bool m_stopped = false;
};

bool AllFinite(const double* points, int count)
{
  for (int i = 0; i < 3 * count; ++i)
    if (!std::isfinite(points[i]))
      return false;
  return true;
}

// Triangles of the triangulated hull with qhull's orientation rule for simplicial facets.
void CollectTriangles(qhT* qh, const double* points, crust_mesh& hull)
{
  std::unordered_map<int, int> vertexOf;
  facetT* facet;
  FORALLfacets
  {
    int corner[3];
    int k = 0;
    vertexT *vertex, **vertexp;
    FOREACHvertex_(facet->vertices)
    {
      if (k < 3)
        corner[k] = qh_pointid(qh, vertex->point);
      ++k;
    }
    if (k != 3)
      continue;
    if (facet->toporient ^ qh_ORIENTclock)
      std::swap(corner[0], corner[1]);
    int ids[3];
    for (int c = 0; c < 3; ++c)
    {
      auto inserted = vertexOf.emplace(corner[c], hull.PointCount());
      if (inserted.second)
        hull.points.insert(hull.points.end(), points + 3 * corner[c], points + 3 * corner[c] + 3);
      ids[c] = inserted.first->second;
    }
    hull.AddPolygon(ids, 3);
  }
}

} // namespace

bool convex_hull::Build(const double* points, int count, crust_mesh& hull, std::string& error,
                        const progress_callback& progress)
{
  hull = crust_mesh();
  if (progress && !progress(0.0))
  {
    error = "stopped";
    return false;
  }
  if (count < 4 || !AllFinite(points, count))
  {
    error = "too few points for a solid";
    return false;
  }
  std::vector<coordT> coordinates(points, points + 3 * static_cast<size_t>(count));
  progress_stream messages(progress);
  qhT qhData;
  qhT* qh = &qhData;
  QHULL_LIB_CHECK
  qh_zero(qh, messages.File());
  messages.Watch(qh);
  char options[sizeof(kOptions)];
  std::copy(kOptions, kOptions + sizeof(kOptions), options);
  const int status = qh_new_qhull(qh, 3, count, coordinates.data(), False, options, nullptr, messages.File());
  messages.Watch(nullptr);
  if (status == 0 && !messages.Stopped())
    CollectTriangles(qh, points, hull);
  qh_freeqhull(qh, !qh_ALL);
  int longCount = 0, longBytes = 0;
  qh_memfreeshort(qh, &longCount, &longBytes);
  if (messages.Stopped())
  {
    hull = crust_mesh();
    error = "stopped";
    return false;
  }
  if (status != 0 || !crust_check::IsClosedAndOriented(hull))
  {
    hull = crust_mesh();
    error = "the points span no volume";
    return false;
  }
  return true;
}
