#include "convex_hull.h"

#include "crust_check.h"

extern "C" {
#include <libqhull_r/qhull_ra.h>
}

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>
#include <vector>

namespace {

// qhull writes its diagnostics to a stream; they are collected here and dropped.
class quiet_stream
{
public:
  quiet_stream() : m_file(open_memstream(&m_buffer, &m_size)) {}
  ~quiet_stream()
  {
    if (m_file)
      std::fclose(m_file);
    std::free(m_buffer);
  }
  FILE* File() const { return m_file; }

private:
  char* m_buffer = nullptr;
  size_t m_size = 0;
  FILE* m_file;
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
  FORALLfacets {
    int corner[3];
    int k = 0;
    vertexT *vertex, **vertexp;
    FOREACHvertex_(facet->vertices) {
      if (k < 3)
        corner[k] = qh_pointid(qh, vertex->point);
      ++k;
    }
    if (k != 3)
      continue;
    if (facet->toporient ^ qh_ORIENTclock)
      std::swap(corner[0], corner[1]);
    int ids[3];
    for (int c = 0; c < 3; ++c) {
      auto inserted = vertexOf.emplace(corner[c], hull.PointCount());
      if (inserted.second)
        hull.points.insert(hull.points.end(), points + 3 * corner[c], points + 3 * corner[c] + 3);
      ids[c] = inserted.first->second;
    }
    hull.AddPolygon(ids, 3);
  }
}

}  // namespace

bool convex_hull::Build(const double* points, int count, crust_mesh& hull, std::string& error)
{
  hull = crust_mesh();
  if (count < 4 || !AllFinite(points, count)) {
    error = "too few points for a solid";
    return false;
  }
  std::vector<coordT> coordinates(points, points + 3 * static_cast<size_t>(count));
  quiet_stream messages;
  qhT qhData;
  qhT* qh = &qhData;
  QHULL_LIB_CHECK
  qh_zero(qh, messages.File());
  char options[] = "qhull Qt";
  const int status = qh_new_qhull(qh, 3, count, coordinates.data(), False, options, nullptr, messages.File());
  if (status == 0)
    CollectTriangles(qh, points, hull);
  qh_freeqhull(qh, !qh_ALL);
  int longCount = 0, longBytes = 0;
  qh_memfreeshort(qh, &longCount, &longBytes);
  if (status != 0 || !crust_check::IsClosedAndOriented(hull)) {
    hull = crust_mesh();
    error = "the points span no volume";
    return false;
  }
  return true;
}
