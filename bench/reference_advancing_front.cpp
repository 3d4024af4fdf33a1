// Reference for the wrap benchmarks: CGAL's advancing-front surface reconstruction and its 3-D
// Delaunay triangulation alone, timed on the points of a text file ("x y z" per line). Prints
// "advancing_front_s facets delaunay_s cells" on one line; exit 1 when the file cannot be read.
#include <CGAL/Advancing_front_surface_reconstruction.h>
#include <CGAL/Delaunay_triangulation_3.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace
{

using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
using Point = Kernel::Point_3;

template <class Job>
double Seconds(Job job)
{
  const auto start = std::chrono::steady_clock::now();
  job();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
  if (argc != 2)
  {
    std::fprintf(stderr, "usage: reference_advancing_front POINTS.xyz\n");
    return 2;
  }
  std::ifstream in(argv[1]);
  std::vector<Point> points{std::istream_iterator<Point>(in), std::istream_iterator<Point>()};
  if (points.empty())
  {
    std::fprintf(stderr, "reference_advancing_front: no points in %s\n", argv[1]);
    return 1;
  }
  std::vector<std::array<std::size_t, 3>> facets;
  const double frontSeconds = Seconds(
      [&] { CGAL::advancing_front_surface_reconstruction(points.begin(), points.end(), std::back_inserter(facets)); });
  std::size_t cells = 0;
  const double delaunaySeconds = Seconds(
      [&]
      {
        const CGAL::Delaunay_triangulation_3<Kernel> triangulation(points.begin(), points.end());
        cells = triangulation.number_of_finite_cells();
      });
  std::printf("%.6f %zu %.6f %zu\n", frontSeconds, facets.size(), delaunaySeconds, cells);
  return 0;
}
