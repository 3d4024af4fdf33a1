#include "ProgramTest.h"

#include <array>
#include <map>
#include <numeric>
#include <set>
#include <vector>

namespace
{

// The geometry commands run by the nubilo program on meshes the tests write, checked through what
// the program prints and exports, and on the shared samples against counts made by the tests.
class MeshCommandsProgramTest : public ProgramTest
{
protected:
  int Run(const std::string& commands) { return Nubilo("-c " + Quote(commands)); }
  static bool HasAdmesh() { return std::system("command -v admesh >/dev/null 2>&1") == 0; }
  long NumberAfter(const std::string& label) const
  {
    const size_t at = m_output.find(label);
    return at == std::string::npos ? -1 : std::strtol(m_output.c_str() + at + label.size(), nullptr, 10);
  }
};

using Point = std::array<double, 3>;

// OBJ vertices and faces (1-based corners), with the group each face came in.
struct Obj
{
  std::vector<Point> v;
  std::vector<std::vector<int>> f;
  std::vector<std::string> group;
  std::set<std::string> groups;

  static Obj Parse(const std::string& text)
  {
    Obj obj;
    std::istringstream lines(text);
    std::string line, current;
    while (std::getline(lines, line))
    {
      std::istringstream words(line);
      std::string key;
      words >> key;
      if (key == "v")
      {
        Point p{};
        words >> p[0] >> p[1] >> p[2];
        obj.v.push_back(p);
      }
      else if (key == "g")
      {
        words >> current;
        obj.groups.insert(current);
      }
      else if (key == "f")
      {
        std::vector<int> face;
        std::string corner;
        while (words >> corner)
        {
          const int i = std::stoi(corner);
          face.push_back(i > 0 ? i : static_cast<int>(obj.v.size()) + i + 1);
        }
        obj.f.push_back(face);
        obj.group.push_back(current);
      }
    }
    return obj;
  }
  // Twice the signed area of face i seen from above.
  double PlanArea(size_t i) const
  {
    double area = 0;
    const std::vector<int>& face = f[i];
    for (size_t k = 0; k < face.size(); ++k)
    {
      const Point& p = v[face[k] - 1];
      const Point& q = v[face[(k + 1) % face.size()] - 1];
      area += p[0] * q[1] - q[0] * p[1];
    }
    return area;
  }
};

// A rows x columns grid of unit quads, counter-clockwise from above (clockwise when `down`),
// without the cells in `holes`; vertex heights from `height`.
std::string GridObj(int rows, int columns, const std::set<std::pair<int, int>>& holes = {}, bool down = false,
                    const std::map<int, double>& height = {})
{
  std::ostringstream obj;
  for (int r = 0; r <= rows; ++r)
    for (int c = 0; c <= columns; ++c)
    {
      const auto z = height.find(r * (columns + 1) + c);
      obj << "v " << c << " " << r << " " << (z == height.end() ? 0.0 : z->second) << "\n";
    }
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c)
    {
      if (holes.count({r, c}))
        continue;
      const int a = r * (columns + 1) + c + 1, b = a + 1, d = a + columns + 1, e = d + 1;
      if (down)
        obj << "f " << a << " " << d << " " << e << " " << b << "\n";
      else
        obj << "f " << a << " " << b << " " << e << " " << d << "\n";
    }
  return obj.str();
}

// Faces joined through shared sides (by corner location), and groups of boundary sides, per
// group of the file.
struct Counts
{
  int parts = 0;
  int loops = 0;
};

Counts CountByLocation(const Obj& obj)
{
  Counts counts;
  for (const std::string& name : obj.groups.empty() ? std::set<std::string>{""} : obj.groups)
  {
    std::vector<size_t> faces;
    for (size_t i = 0; i < obj.f.size(); ++i)
      if (obj.group[i] == name)
        faces.push_back(i);
    auto at = [&](int corner)
    {
      const Point& p = obj.v[corner - 1];
      return std::array<float, 3>{static_cast<float>(p[0]), static_cast<float>(p[1]), static_cast<float>(p[2])};
    };
    using Side = std::pair<std::array<float, 3>, std::array<float, 3>>;
    std::map<Side, std::vector<size_t>> sides;
    for (size_t j = 0; j < faces.size(); ++j)
    {
      const std::vector<int>& face = obj.f[faces[j]];
      for (size_t k = 0; k < face.size(); ++k)
      {
        const auto a = at(face[k]), b = at(face[(k + 1) % face.size()]);
        if (a != b)
          sides[std::minmax(a, b)].push_back(j);
      }
    }
    std::vector<size_t> parent(faces.size());
    std::iota(parent.begin(), parent.end(), size_t{0});
    std::function<size_t(size_t)> root = [&](size_t i) { return parent[i] == i ? i : parent[i] = root(parent[i]); };
    std::map<std::array<float, 3>, std::array<float, 3>> loop; // boundary corners, joined
    std::function<std::array<float, 3>(std::array<float, 3>)> end = [&](std::array<float, 3> p)
    { return loop[p] == p ? p : loop[p] = end(loop[p]); };
    for (const auto& [side, users] : sides)
    {
      for (size_t u = 1; u < users.size(); ++u)
        parent[root(users[u])] = root(users[0]);
      if (users.size() != 1)
        continue;
      for (const auto& p : {side.first, side.second})
        if (!loop.count(p))
          loop[p] = p;
      loop[end(side.first)] = end(side.second);
    }
    std::set<size_t> roots;
    for (size_t j = 0; j < faces.size(); ++j)
      roots.insert(root(j));
    std::set<std::array<float, 3>> ends;
    for (const auto& entry : loop)
      ends.insert(end(entry.first));
    counts.parts += static_cast<int>(roots.size());
    counts.loops += static_cast<int>(ends.size());
  }
  return counts;
}

} // namespace

TEST_F(MeshCommandsProgramTest, EachCommandCountsWhatItChanged)
{
  std::set<std::pair<int, int>> hole = {{1, 1}, {1, 2}, {2, 1}, {2, 2}};
  std::set<std::pair<int, int>> middleRow = {{1, 0}, {1, 1}, {1, 2}};
  Write("grid.obj", GridObj(2, 3));
  Write("down.obj", GridObj(2, 3, {}, true));
  Write("hole.obj", GridObj(4, 4, hole));
  Write("apart.obj", GridObj(3, 3, middleRow));
  Write("bump.obj", GridObj(4, 4, {}, false, {{12, 4.0}}));
  struct Case
  {
    const char* file;
    const char* command;
    const char* printed;
    int faces; // in the exported OBJ
  } cases[] = {
      {"grid.obj", "MeshTriangulate All Enter", "Split 6 quads into triangles in 1 mesh\n", 12},
      {"down.obj", "MeshFaceUp All Enter", "Turned 6 faces up in 1 mesh\n", 6},
      {"grid.obj", "MeshFaceUp All Enter", "Turned 0 faces up in 1 mesh\n", 6},
      {"grid.obj", "MeshSubdivide All Enter", "Subdivided 1 mesh into 24 faces\n", 24},
      {"hole.obj", "MeshBoundary All Enter", "Added 2 boundary polylines from 1 mesh\n", 12},
      {"apart.obj", "MeshSplit All Enter", "Split 1 mesh into 2 parts\n", 6},
      {"bump.obj", "MeshSmooth Iterations=2 All Enter", "Smoothed 9 vertices of 1 mesh, 2 iterations\n", 16},
  };
  for (const Case& c : cases)
  {
    std::remove(Path("out.obj").c_str());
    ASSERT_EQ(Run(std::string("Import ") + c.file + "  " + c.command + "  List  Export out.obj"), 0)
        << c.command << "\n"
        << m_output;
    EXPECT_TRUE(OnStdout(c.printed)) << c.command << "\n" << m_output;
    const Obj in = Obj::Parse(Read(c.file)), out = Obj::Parse(Read("out.obj"));
    EXPECT_EQ(out.f.size(), static_cast<size_t>(c.faces)) << c.command;
    for (size_t i = 0; i < out.f.size(); ++i)
      EXPECT_GT(out.PlanArea(i), 0.0) << c.command << ": face " << i << " seen from above";
    EXPECT_EQ(CountByLocation(out).parts, CountByLocation(in).parts) << c.command;
  }

  // The outer loop first; the pieces keep the mesh's place in the document.
  ASSERT_EQ(Run("Import hole.obj  MeshBoundary All Enter  List"), 0) << m_output;
  EXPECT_TRUE(OnStdout("2  ON_PolylineCurve from (0, 0, 0) to (4, 4, 0)")) << m_output;
  EXPECT_TRUE(OnStdout("3  ON_PolylineCurve from (1, 1, 0) to (3, 3, 0)")) << m_output;
  ASSERT_EQ(Run("Import apart.obj  MeshSplit All Enter  List  Export parts.obj"), 0) << m_output;
  EXPECT_TRUE(OnStdout("2 object(s), 0 selected")) << m_output;
  EXPECT_EQ(Obj::Parse(Read("parts.obj")).groups.size(), 2u);

  // Smoothing keeps the border and pulls the bump down.
  ASSERT_EQ(Run("Import bump.obj  MeshSmooth All Enter  Export out.obj"), 0) << m_output;
  const Obj smooth = Obj::Parse(Read("out.obj"));
  std::set<Point> border;
  for (const Point& p : smooth.v)
    if (p[0] == 0 || p[0] == 4 || p[1] == 0 || p[1] == 4)
      border.insert(p);
  EXPECT_EQ(border.size(), 16u);
  for (const Point& p : border)
    EXPECT_EQ(p[2], 0.0);
  double top = 0;
  for (const Point& p : smooth.v)
    top = std::max(top, p[2]);
  EXPECT_DOUBLE_EQ(top, 4.0 / 5.0) << "the bump and its four neighbours";
}

TEST_F(MeshCommandsProgramTest, TrimDeletesTheFacesInsideAFenceSeenFromAbove)
{
  // A fence from (0.2, 0.2) to (2.8, 2.8) holds nine quad centres of a 4 x 4 grid; it comes as the
  // boundary of a square mesh, through a 3DM file as a user would bring it.
  Write("dem.obj", GridObj(4, 4, {}, false, {{6, 2.0}, {12, 5.0}}));
  Write("fence.obj", "v 0.2 0.2 9\nv 2.8 0.2 9\nv 2.8 2.8 9\nv 0.2 2.8 9\nf 1 2 3 4\n");
  Write("all.obj", "v -1 -1 0\nv 5 -1 0\nv 5 5 0\nv -1 5 0\nf 1 2 3 4\n");
  ASSERT_EQ(Run("Import fence.obj  MeshBoundary All Enter  Export fence.3dm"), 0) << m_output;
  ASSERT_EQ(Run("Import dem.obj  Import fence.3dm  MeshTrim 1 Enter 3 Enter  Export cut.obj"), 0) << m_output;
  EXPECT_TRUE(OnStdout("Deleted 9 faces from 1 mesh\n")) << m_output;
  const Obj dem = Obj::Parse(Read("dem.obj"));
  const Obj cut = Obj::Parse(Read("cut.obj"));
  size_t outside = 0;
  for (size_t i = 0; i < dem.f.size(); ++i)
  {
    double x = 0, y = 0;
    for (int corner : dem.f[i])
      x += dem.v[corner - 1][0] / 4, y += dem.v[corner - 1][1] / 4;
    if (!(x > 0.2 && x < 2.8 && y > 0.2 && y < 2.8))
      ++outside;
  }
  size_t faces = 0;
  for (size_t i = 0; i < cut.f.size(); ++i)
    if (cut.group[i] == cut.group[0])
      ++faces; // the first group is the trimmed mesh
  EXPECT_EQ(faces, outside);

  // A mesh wholly inside the fence goes.
  ASSERT_EQ(Run("Import dem.obj  Import all.obj  MeshBoundary 2 Enter  MeshTrim 1 Enter 3 Enter  List"), 0) << m_output;
  EXPECT_TRUE(OnStdout("Deleted 16 faces from 1 mesh\n")) << m_output;
  EXPECT_TRUE(OnStdout("2 object(s), 0 selected")) << m_output;
  EXPECT_EQ(Run("Import dem.obj  MeshTrim 1 Enter Enter"), 1);
  EXPECT_TRUE(OnStderr("Failure [No polyline selected]\n")) << m_output;
}

TEST_F(MeshCommandsProgramTest, FailuresGoToStandardErrorAndChangeNothing)
{
  Write("grid.obj", GridObj(2, 2));
  Write("box.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nv 0 0 1\nv 1 0 1\nv 0 1 1\nv 1 1 1\n"
                   "f 1 3 4 2\nf 5 6 8 7\nf 1 2 6 5\nf 3 7 8 4\nf 1 5 7 3\nf 2 4 8 6\n");
  struct Case
  {
    const char* commands;
    const char* error;
  } cases[] = {
      {"Import grid.obj  MeshSubdivide Enter", "Failure [No meshes selected]\n"},
      {"Import grid.obj  MeshSplit Cancel", "Failure [Command cancelled]\n"},
      {"Import box.obj  MeshBoundary All Enter", "Failure [Mesh does not have boundary edges]\n"},
      {"Import grid.obj  MeshSmooth Iterations=0 All Enter",
       "Unknown value for Iterations: 0 (a whole number from 1 to 1000)\n"},
      {"NBImportPoints File=pts.xyz OK  MeshFaceUp All Enter", "Failure [No meshes selected]\n"},
  };
  Write("pts.xyz", "0 0 0\n1 0 0\n0 1 1\n");
  for (const Case& c : cases)
  {
    EXPECT_EQ(Run(std::string(c.commands) + "  List"), 1) << c.commands;
    EXPECT_TRUE(OnStderr(c.error)) << c.commands << "\n" << m_output;
    EXPECT_FALSE(OnStdout("Failure")) << c.commands << "\n" << m_output;
    EXPECT_FALSE(OnStdout("object(s)")) << "the run stops at the failure: " << m_output;
  }
  ASSERT_EQ(Run("Import box.obj  Import grid.obj  MeshBoundary All Enter  List"), 0) << m_output;
  EXPECT_TRUE(OnStdout("Added 1 boundary polyline from 1 mesh\n")) << "a closed mesh adds none: " << m_output;
}

TEST_F(MeshCommandsProgramTest, SharedSamplesAgainstIndependentCounts)
{
  const std::string car = std::string(NUBILO_SHARED_DATA) + "/obj/car-normal-citrus.obj";
  const std::string bunny = std::string(NUBILO_SHARED_DATA) + "/stl/bunny.stl";
  if (!std::ifstream(car).good() || !std::ifstream(bunny).good())
    GTEST_SKIP() << "shared test data not found under " << NUBILO_SHARED_DATA;
  std::ifstream file(car);
  std::stringstream text;
  text << file.rdbuf();
  const Counts counts = CountByLocation(Obj::Parse(text.str()));
  const std::string meshes = std::to_string(Obj::Parse(text.str()).groups.size());
  ASSERT_EQ(Run("Import \"" + car + "\"  MeshSplit All Enter"), 0) << m_output;
  EXPECT_TRUE(OnStdout("Split " + meshes + " meshes into " + std::to_string(counts.parts) + " parts\n")) << m_output;
  ASSERT_EQ(Run("Import \"" + car + "\"  MeshBoundary All Enter"), 0) << m_output;
  EXPECT_EQ(NumberAfter("Added "), counts.loops) << m_output;

  // A closed scan subdivided stays closed, in one part, consistently oriented.
  ASSERT_EQ(Run("Import \"" + bunny + "\"  MeshSubdivide All Enter  MeshSmooth Iterations=3 All Enter  Export sub.stl"),
            0)
      << m_output;
  EXPECT_TRUE(OnStdout("Subdivided 1 mesh into 1168 faces\n")) << m_output;
  if (!HasAdmesh())
    GTEST_SKIP() << "admesh (Debian admesh) is not installed";
  ASSERT_EQ(Shell("admesh sub.stl"), 0) << m_output;
  EXPECT_EQ(NumberAfter("Number of facets                 :"), 1168) << m_output;
  EXPECT_EQ(NumberAfter("Total disconnected facets        :"), 0) << m_output;
  EXPECT_EQ(NumberAfter("Number of parts       :"), 1) << m_output;
  EXPECT_EQ(NumberAfter("Backwards edges       :"), 0) << m_output;
  EXPECT_EQ(NumberAfter("Degenerate facets     :"), 0) << m_output;
}
