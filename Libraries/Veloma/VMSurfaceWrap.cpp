// The mesh wrapping: convex hull and power crust meshes around a point set.
#include "VMProgress.h"
#include "VMSurface.h"
#include "convex_hull.h"
#include "vtkPowerCrustFilter.h"

#include <vtkCellArray.h>
#include <vtkIdList.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkPolyDataNormals.h>
#include <vtkSmartPointer.h>

#include <climits>
#include <string>
#include <vector>

namespace {

const char kInvalidMesh[] = "Invalid mesh";
const char kConvexTitle[] = "Wrapping convex mesh";

// The library's progress reporter of the convex wrap, made when the library loads.
VMProgress g_wrapProgress;

vtkSmartPointer<vtkPoints> ToVtkPoints(const ON_3dPointArray& points)
{
  auto result = vtkSmartPointer<vtkPoints>::New();
  result->SetDataTypeToDouble();
  result->SetNumberOfPoints(points.Count());
  for (int i = 0; i < points.Count(); ++i)
    result->SetPoint(i, points[i].x, points[i].y, points[i].z);
  return result;
}

// Polydata to mesh. With `triangulate`, every polygon becomes a fan of triangles from its first
// corner (the crust's polygons are convex; a fan keeps every corner, so the surface stays closed).
// Without it, triangles stay triangles and other polygons become quads of their first four corners.
// False when the polydata has no points or polygons or the mesh is not valid.
bool PolyDataToMesh(vtkPolyData* data, bool triangulate, ON_Mesh& mesh)
{
  vtkObject::GlobalWarningDisplayOff();
  vtkPoints* points = data->GetPoints();
  vtkCellArray* polys = data->GetPolys();
  if (!points || !polys)
    return false;
  const int vertexCount = static_cast<int>(points->GetNumberOfPoints());
  const vtkIdType cellCount = polys->GetNumberOfCells();
  const vtkIdType faceCount = triangulate ? polys->GetNumberOfConnectivityIds() - 2 * cellCount : cellCount;
  if (faceCount < 0 || faceCount > INT_MAX)
    return false;
  ON_Mesh result(static_cast<int>(faceCount), vertexCount, false, false);
  for (int i = 0; i < vertexCount; ++i) {
    double p[3];
    points->GetPoint(i, p);
    result.SetVertex(i, ON_3dPoint(p[0], p[1], p[2]));
  }
  auto cell = vtkSmartPointer<vtkIdList>::New();
  polys->InitTraversal();
  while (polys->GetNextCell(cell)) {
    const int count = static_cast<int>(cell->GetNumberOfIds());
    const int face = result.FaceCount();
    auto id = [&cell](int k) { return static_cast<int>(cell->GetId(k)); };
    if (count < 3)
      return false;
    if (count == 3 || triangulate) {
      for (int k = 1; k + 1 < count; ++k)
        result.SetTriangle(result.FaceCount(), id(0), id(k), id(k + 1));
    } else {
      result.SetQuad(face, id(0), id(1), id(2), id(3));
    }
  }
  if (!result.IsValid())
    return false;
  mesh = std::move(result);
  return true;
}

vtkSmartPointer<vtkPolyData> HullPolyData(const crust_mesh& hull)
{
  auto points = vtkSmartPointer<vtkPoints>::New();
  points->SetDataTypeToDouble();
  for (int i = 0; i < hull.PointCount(); ++i)
    points->InsertNextPoint(&hull.points[3 * i]);
  auto polys = vtkSmartPointer<vtkCellArray>::New();
  for (int k = 0; k < hull.PolygonCount(); ++k) {
    const vtkIdType ids[3] = {hull.ids[3 * k], hull.ids[3 * k + 1], hull.ids[3 * k + 2]};
    polys->InsertNextCell(3, ids);
  }
  auto data = vtkSmartPointer<vtkPolyData>::New();
  data->SetPoints(points);
  data->SetPolys(polys);
  return data;
}

int Fail()
{
  VMSurface::SetError(kInvalidMesh);
  return 0;
}

}  // namespace

int VMSurface::WrapMesh(ON_Mesh& mesh, const ON_3dPointArray& points, int concave, int showProgress)
{
  return concave ? WrapConcaveMesh(mesh, points, showProgress) : WrapConvexMesh(mesh, points, showProgress);
}

int VMSurface::WrapConvexMesh(ON_Mesh& mesh, const ON_3dPointArray& points, int showProgress)
{
  vtkObject::GlobalWarningDisplayOff();
  const bool progress = showProgress == 1;
  if (progress) {
    g_wrapProgress.StartProgress();
    g_wrapProgress.SetTitle(kConvexTitle);
  }
  std::vector<double> xyz(3 * static_cast<size_t>(points.Count()));
  for (int i = 0; i < points.Count(); ++i) {
    xyz[3 * i] = points[i].x;
    xyz[3 * i + 1] = points[i].y;
    xyz[3 * i + 2] = points[i].z;
  }
  crust_mesh hull;
  std::string error;
  const bool built = convex_hull::Build(xyz.data(), points.Count(), hull, error);
  if (progress) {
    g_wrapProgress.SetCurrent(100);
    g_wrapProgress.EndProgress();
  }
  if (!built)
    return Fail();

  auto normals = vtkSmartPointer<vtkPolyDataNormals>::New();
  normals->SetInputData(HullPolyData(hull));
  normals->ConsistencyOn();
  normals->ComputeCellNormalsOn();
  normals->ComputePointNormalsOff();
  normals->NonManifoldTraversalOn();
  normals->SplittingOff();
  normals->SetFeatureAngle(0.05);
  normals->Update();
  auto surface = vtkSmartPointer<vtkPolyData>::New();
  surface->ShallowCopy(normals->GetOutput());
  ON_Mesh local;
  if (!PolyDataToMesh(surface, false, local))
    return Fail();
  mesh = std::move(local);
  return 1;
}

int VMSurface::WrapConcaveMesh(ON_Mesh& mesh, const ON_3dPointArray& points, int)
{
  vtkObject::GlobalWarningDisplayOff();
  auto vertices = vtkSmartPointer<vtkCellArray>::New();
  for (vtkIdType i = 0; i < points.Count(); ++i)
    vertices->InsertNextCell(1, &i);
  auto input = vtkSmartPointer<vtkPolyData>::New();
  input->SetPoints(ToVtkPoints(points));
  input->SetVerts(vertices);
  auto filter = vtkSmartPointer<vtkPowerCrustFilter>::New();
  filter->SetInputData(input);
  filter->Update();
  auto surface = vtkSmartPointer<vtkPolyData>::New();
  surface->ShallowCopy(filter->GetOutput());
  // The input and the medial surface are not needed for the mesh: free them first.
  filter = nullptr;
  input = nullptr;
  ON_Mesh local;
  if (!PolyDataToMesh(surface, true, local))
    return Fail();
  mesh = std::move(local);
  return 1;
}
