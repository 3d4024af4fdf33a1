// The shared IGES files against OpenCASCADE's reading of them (tests/oracle/iges_oracle.cpp).
#include "MeshFileFixture.h"
#include "QORIGES.h"

#include <cmath>
#include <limits>
#include <unordered_map>
#include <vector>

namespace
{

using Polyline = std::vector<ON_3dPoint>;

struct OracleRead
{
  ON_BoundingBox box;
  std::vector<Polyline> edges;
};

// The oracle's output: "box ...", then "edge" lines each followed by its sample points.
OracleRead ParseOracle(const std::string& text)
{
  OracleRead read;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line))
  {
    std::istringstream fields(line);
    std::string word;
    fields >> word;
    if (word == "box")
      fields >> read.box.m_min.x >> read.box.m_min.y >> read.box.m_min.z >> read.box.m_max.x >> read.box.m_max.y >>
          read.box.m_max.z;
    else if (word == "edge")
      read.edges.emplace_back();
    else if (word != "time" && !read.edges.empty())
    {
      std::istringstream point(line);
      ON_3dPoint p;
      if (point >> p.x >> p.y >> p.z)
        read.edges.back().push_back(p);
    }
  }
  return read;
}

// Polylines binned in a uniform grid, each segment in every cell within `reach` of it, so the
// distance of a point to the nearest segment is found in the point's own cell.
class SegmentGrid
{
public:
  SegmentGrid(double cell, double reach) : m_cell(cell), m_reach(reach) {}

  void Add(const Polyline& line)
  {
    for (size_t i = 0; i + 1 < line.size(); i++)
    {
      const int id = static_cast<int>(m_segments.size());
      m_segments.push_back({line[i], line[i + 1]});
      ON_BoundingBox box;
      box.Set(line[i], false);
      box.Set(line[i + 1], true);
      const long long lo[3] = {Cell(box.m_min.x - m_reach), Cell(box.m_min.y - m_reach), Cell(box.m_min.z - m_reach)};
      const long long hi[3] = {Cell(box.m_max.x + m_reach), Cell(box.m_max.y + m_reach), Cell(box.m_max.z + m_reach)};
      for (long long x = lo[0]; x <= hi[0]; x++)
        for (long long y = lo[1]; y <= hi[1]; y++)
          for (long long z = lo[2]; z <= hi[2]; z++)
            m_cells[Key(x, y, z)].push_back(id);
    }
  }

  // Within `reach` of a segment.
  bool Near(const ON_3dPoint& p) const
  {
    const auto found = m_cells.find(Key(Cell(p.x), Cell(p.y), Cell(p.z)));
    if (found == m_cells.end())
      return false;
    for (int id : found->second)
      if (ON_Line(m_segments[id].first, m_segments[id].second).MinimumDistanceTo(p) <= m_reach)
        return true;
    return false;
  }

private:
  long long Cell(double v) const { return static_cast<long long>(std::floor(v / m_cell)); }
  static long long Key(long long x, long long y, long long z)
  {
    return (x * 73856093) ^ (y * 19349663) ^ (z * 83492791);
  }

  double m_cell, m_reach;
  std::vector<std::pair<ON_3dPoint, ON_3dPoint>> m_segments;
  std::unordered_map<long long, std::vector<int>> m_cells;
};

// Our curves as dense polylines, in metres.
std::vector<Polyline> SampleCurves(const ONX_Model& model)
{
  const double metres = model.m_settings.m_ModelUnitsAndTolerances.m_meters_per_unit;
  std::vector<Polyline> lines;
  for (int i = 0; i < model.m_object_table.Count(); i++)
  {
    const ON_Curve* curve = ON_Curve::Cast(model.m_object_table[i].m_object);
    if (!curve)
      continue;
    const ON_Interval domain = curve->Domain();
    Polyline line;
    for (int k = 0; k <= 256; k++)
      line.push_back(curve->PointAt(domain.ParameterAt(k / 256.0)) * metres);
    lines.push_back(line);
  }
  return lines;
}

double FractionNear(const Polyline& line, const SegmentGrid& grid)
{
  int near = 0;
  for (const ON_3dPoint& p : line)
    near += grid.Near(p) ? 1 : 0;
  return line.empty() ? 1.0 : static_cast<double>(near) / line.size();
}

} // namespace

class QORIGESOracle : public MeshFileTest
{
};

// Every curve we make lies on OpenCASCADE's edges, we make nearly all of them, the boxes agree.
TEST_F(QORIGESOracle, SharedFilesLieOnOpenCascadeEdges)
{
#ifndef NUBILO_IGES_ORACLE
  GTEST_SKIP() << "OpenCASCADE (Debian libocct-data-exchange-dev) is not installed";
#else
  for (const char* name :
       {"iges/unit_sphere.igs", "iges/DTMB-5415_bulbous_bow.iges", "iges/RLF_12545.igs", "iges/SOT404.igs"})
  {
    SCOPED_TRACE(name);
    const std::string path = SharedData(name);
    if (!Exists(path))
      GTEST_SKIP() << "shared test data not found: " << path;
    const OracleRead oracle = ParseOracle(RunTool(std::string(NUBILO_IGES_ORACLE) + " '" + path + "'"));
    ASSERT_FALSE(oracle.edges.empty());
    ONX_Model model;
    ASSERT_EQ(QORIGES::IGESToModel(ON_wString(path.c_str()), model), 1) << ON_String(QORIGES::GetError()).Array();
    const std::vector<Polyline> ours = SampleCurves(model);
    const double size = oracle.box.Diagonal().Length(), tolerance = 1e-3 * size;

    SegmentGrid edges(size / 64, tolerance), curves(size / 64, tolerance);
    for (const Polyline& edge : oracle.edges)
      edges.Add(edge);
    for (const Polyline& curve : ours)
      curves.Add(curve);
    int off = 0, covered = 0;
    ON_BoundingBox box;
    for (const Polyline& curve : ours)
    {
      off += FractionNear(curve, edges) < 1.0 ? 1 : 0;
      for (const ON_3dPoint& p : curve)
        box.Set(p, box.IsValid());
    }
    for (const Polyline& edge : oracle.edges)
      covered += FractionNear(edge, curves) >= 0.9 ? 1 : 0;
    EXPECT_EQ(off, 0) << "of " << ours.size() << " curves";
    EXPECT_GE(covered, 0.98 * oracle.edges.size()) << "of " << oracle.edges.size() << " edges";
    for (int k = 0; k < 3; k++)
    {
      EXPECT_NEAR(box.m_min[k], oracle.box.m_min[k], 2 * tolerance) << k;
      EXPECT_NEAR(box.m_max[k], oracle.box.m_max[k], 2 * tolerance) << k;
    }
  }
#endif
}
