// The mesh operations on the shared STL and OBJ samples, against counts made from vertex
// locations alone.
#include "MeshTestSupport.h"
#include "QORMesh.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{

using namespace meshtest;

const char* const kFiles[] = {
    "stl/bunny.stl",  "stl/part1.stl",       "stl/import_bin_solid.stl",  "stl/pyramid.stl",
    "stl/outlet.stl", "stl/unit_cube.stl",   "obj/car-normal-citrus.obj", "obj/cornell_box.obj",
    "obj/carrot.obj", "obj/cube_usemtl.obj",
};

bool Read(const std::string& name, ON_Mesh& mesh)
{
  const std::string path = SharedFile(name);
  return name.compare(0, 4, "stl/") == 0 ? ReadStl(path, mesh) : ReadObj(path, mesh);
}

// Runs the check on every sample; skips when the shared data is absent.
void ForEachSample(const std::function<void(const std::string&, const ON_Mesh&)>& check)
{
  int read = 0;
  for (const char* name : kFiles)
  {
    ON_Mesh mesh;
    if (!Read(name, mesh))
      continue;
    read++;
    SCOPED_TRACE(name);
    check(name, mesh);
  }
  if (read == 0)
    GTEST_SKIP() << "shared test data not found under " << NUBILO_SHARED_DATA;
}

TEST(QORMeshSharedFiles, BoundaryLoopsAndPartsMatchIndependentCounts)
{
  ForEachSample(
      [](const std::string&, const ON_Mesh& mesh)
      {
        const size_t sides = BoundarySides(mesh).size();
        ON_ClassArray<ON_Polyline> loops;
        int outer = -1;
        if (sides == 0)
        {
          EXPECT_EQ(QORMesh::GetBoundaryPolylines(mesh, loops, outer, 0), 0);
          EXPECT_EQ(QORMesh::GetError(), ON_wString(L"Mesh does not have boundary edges"));
        }
        else
        {
          ASSERT_EQ(QORMesh::GetBoundaryPolylines(mesh, loops, outer, 0), 1);
          EXPECT_EQ(loops.Count(), BoundaryLoopCount(mesh));
          size_t segments = 0;
          for (int i = 0; i < loops.Count(); i++)
            segments += loops[i].Count() - 1;
          EXPECT_EQ(segments, sides);
          EXPECT_EQ(static_cast<size_t>(QORMesh::GetBoundaryEdgeCount(mesh)), sides);
        }
        ON_ClassArray<ON_Mesh> shells;
        ASSERT_EQ(QORMesh::ExtractShells(mesh, shells), 1);
        EXPECT_EQ(shells.Count(), PartCount(mesh));
      });
}

TEST(QORMeshSharedFiles, SubdivisionQuadruplesTheFacesAndKeepsTheBoundary)
{
  ForEachSample(
      [](const std::string&, const ON_Mesh& input)
      {
        ON_Mesh mesh = input;
        ASSERT_EQ(QORMesh::SubDivide(mesh), 1);
        EXPECT_EQ(mesh.FaceCount(), 4 * input.FaceCount());
        EXPECT_EQ(BoundarySides(mesh).size(), 2 * BoundarySides(input).size()) << "closed meshes stay closed";
        EXPECT_EQ(PartCount(mesh), PartCount(input));
        EXPECT_TRUE(ConsistentlyOriented(mesh));
        EXPECT_TRUE(mesh.IsValid());
      });
}

TEST(QORMeshSharedFiles, SmoothingKeepsTheMeshWhole)
{
  ForEachSample(
      [](const std::string&, const ON_Mesh& input)
      {
        ON_Mesh mesh = input;
        for (int pass = 0; pass < 3; pass++)
          ASSERT_EQ(QORMesh::Smooth(mesh, 0.5), 1);
        EXPECT_EQ(mesh.FaceCount(), input.FaceCount());
        ON_Mesh used = input; // without the vertices no face uses
        QORMesh::Clean(used);
        EXPECT_EQ(mesh.Topology().TopVertexCount(), used.Topology().TopVertexCount()) << "copies move together";
        EXPECT_EQ(BoundarySides(mesh).size(), BoundarySides(input).size());
        EXPECT_TRUE(ConsistentlyOriented(mesh));
      });
}

// Local edits at a spread of places leave a valid mesh, oriented as it was, and closed meshes
// closed.
TEST(QORMeshSharedFiles, EditsKeepTheMeshValidAndOriented)
{
  int swaps = 0;
  ForEachSample(
      [&swaps](const std::string&, const ON_Mesh& input)
      {
        struct Edit
        {
          const char* what;
          std::function<int(ON_Mesh&, int)> run; // at the n-th place
          bool keepsBoundary;
        } edits[] = {
            {"SplitEdge",
             [](ON_Mesh& m, int n)
             {
               const int edge = n % m.Topology().TopEdgeCount();
               return QORMesh::SplitEdge(m, edge, m.Topology().TopEdgeLine(edge).PointAt(0.5));
             },
             false},
            {"SplitFace",
             [](ON_Mesh& m, int n)
             {
               const int face = n % m.FaceCount();
               return QORMesh::SplitFace(m, face, QORMesh::GetFaceAveragePoint(m, face));
             },
             true},
            {"SubDivideFace", [](ON_Mesh& m, int n) { return QORMesh::SubDivideFace(m, n % m.FaceCount()); }, false},
            {"SwapEdge", // quads broken, then the first edge from the n-th on that can be swapped, if any
             [&swaps](ON_Mesh& m, int n)
             {
               if (m.QuadCount() > 0 && !QORMesh::BreakQuads(m, 2, nullptr))
                 return 0;
               const int edges = m.Topology().TopEdgeCount();
               for (int k = 0; k < edges; k++)
               {
                 const ON_Mesh before = m;
                 if (QORMesh::SwapEdge(m, (n + k) % edges))
                 {
                   swaps++;
                   return 1;
                 }
                 if (m.FaceCount() != before.FaceCount() || m.VertexCount() != before.VertexCount())
                   return 0; // a refused swap left the mesh changed
               }
               return 1; // none keeps a convex quadrilateral in plan (an upright mesh)
             },
             true},
            {"BreakQuads", [](ON_Mesh& m, int) { return QORMesh::BreakQuads(m, 2, nullptr); }, false},
        };
        for (const Edit& edit : edits)
        {
          ON_Mesh mesh = input;
          for (int n = 0; n < 5; n++)
          {
            ASSERT_EQ(edit.run(mesh, 37 * n), 1)
                << edit.what << " " << n << ": " << ON_String(QORMesh::GetError()).Array();
            EXPECT_TRUE(mesh.IsValid()) << edit.what;
            EXPECT_TRUE(ConsistentlyOriented(mesh)) << edit.what;
            EXPECT_EQ(PartCount(mesh), PartCount(input)) << edit.what;
            if (BoundarySides(input).empty() || edit.keepsBoundary)
            {
              EXPECT_EQ(BoundarySides(mesh).empty(), BoundarySides(input).empty()) << edit.what;
            }
          }
        }
      });
  if (!HasFatalFailure() && !IsSkipped())
  {
    EXPECT_GT(swaps, 20);
  }
}

} // namespace
