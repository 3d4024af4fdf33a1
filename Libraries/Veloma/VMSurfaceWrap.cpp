// The mesh wrapping: convex hull and power crust meshes around a point set.
#include "Interrupt.h"
#include "VMProgress.h"
#include "VMStepProgress.h"
#include "VMSurface.h"
#include "convex_hull.h"
#include "crust_check.h"
#include "float_weld.h"
#include "vtkPowerCrustFilter.h"

#include <vtkCallbackCommand.h>
#include <vtkCellArray.h>
#include <vtkCommand.h>
#include <vtkIdList.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkPolyDataNormals.h>
#include <vtkSmartPointer.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace
{

const char kInvalidMesh[] = "Invalid mesh";
const char kNotConvexPosition[] = "Points not in convex position";
const char kTooFine[] = "Mesh detail finer than single precision holds at these coordinates";
const char kConvexTitle[] = "Wrapping convex mesh";
const char kConcaveTitle[] = "Wrapping concave mesh";
const char kMeshStage[] = "Mesh";

bool Stopped() { return Platform::Interrupt::Requested(); }

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

// The polygons of polydata over its points. False without points or polygons, for a polygon of
// fewer than three corners, or when the user stops it.
bool ToPolygons(vtkPolyData* data, crust_mesh& polygons)
{
  vtkPoints* points = data->GetPoints();
  vtkCellArray* polys = data->GetPolys();
  if (!points || !polys || polys->GetNumberOfCells() == 0 || points->GetNumberOfPoints() > INT_MAX ||
      polys->GetNumberOfConnectivityIds() > INT_MAX)
    return false;
  const int vertexCount = static_cast<int>(points->GetNumberOfPoints());
  polygons.points.resize(3 * static_cast<size_t>(vertexCount));
  for (int i = 0; i < vertexCount; ++i)
    points->GetPoint(i, &polygons.points[3 * static_cast<size_t>(i)]);
  polygons.ids.reserve(static_cast<size_t>(polys->GetNumberOfConnectivityIds()));
  polygons.offsets.reserve(static_cast<size_t>(polys->GetNumberOfCells()) + 1);
  auto cell = vtkSmartPointer<vtkIdList>::New();
  polys->InitTraversal();
  for (int polygon = 0; polys->GetNextCell(cell); ++polygon)
  {
    if (polygon % VMStepProgress::kPollInterval == 0 && Stopped())
      return false;
    const int count = static_cast<int>(cell->GetNumberOfIds());
    if (count < 3)
      return false;
    for (int k = 0; k < count; ++k)
      polygons.ids.push_back(static_cast<int>(cell->GetId(k)));
    polygons.offsets.push_back(static_cast<int>(polygons.ids.size()));
  }
  return true;
}

int Fail(const char* error = kInvalidMesh)
{
  VMSurface::SetError(error);
  return 0;
}

int Cancel()
{
  VMSurface::SetError(Platform::Interrupt::kCancelled);
  return 0;
}

// Size of a point list's box: its diagonal.
double Extent(const crust_mesh& mesh)
{
  double low[3] = {INFINITY, INFINITY, INFINITY}, high[3] = {-INFINITY, -INFINITY, -INFINITY};
  for (size_t i = 0; i < mesh.points.size(); ++i)
  {
    low[i % 3] = std::min(low[i % 3], mesh.points[i]);
    high[i % 3] = std::max(high[i % 3], mesh.points[i]);
  }
  double squared = 0.0;
  for (int k = 0; k < 3; ++k)
    squared += high[k] > low[k] ? (high[k] - low[k]) * (high[k] - low[k]) : 0.0;
  return std::sqrt(squared);
}

// A closed surface as the mesh handed out: triangles (fans of the polygons) on single-precision
// vertices with their double-precision coordinates beside them. Vertices that round to the same
// floats become one and the faces this collapses go. Where that would break the surface (sheets
// that touch, as lattice samples give), the vertices stay apart on neighbouring floats instead,
// when that moves none by more than a millionth of the surface's size. 0 with the error set when
// the result is not closed, consistently oriented and manifold as stored.
int SurfaceToMesh(const crust_mesh& polygons, ON_Mesh& mesh)
{
  crust_mesh triangles;
  float_weld_counts welded;
  float_weld::Weld(polygons, triangles, &welded);
  if (Stopped())
    return Cancel();
  if (!crust_check::IsClosedOrientedManifold(triangles))
  {
    if (welded.merged_vertices == 0)
      return Fail();
    const double moved = float_weld::Separate(polygons, triangles);
    if (Stopped())
      return Cancel();
    if (moved > 1e-6 * Extent(polygons) || !crust_check::IsClosedOrientedManifold(triangles))
      return Fail(kTooFine);
  }
  ON_Mesh result(triangles.PolygonCount(), triangles.PointCount(), false, false);
  result.m_dV.SetCapacity(triangles.PointCount());
  for (int i = 0; i < triangles.PointCount(); ++i)
    result.m_dV.Append(ON_3dPoint(&triangles.points[3 * static_cast<size_t>(i)]));
  result.UpdateSinglePrecisionVertices();
  for (int k = 0; k < triangles.PolygonCount(); ++k)
    result.SetTriangle(k, triangles.ids[3 * k], triangles.ids[3 * k + 1], triangles.ids[3 * k + 2]);
  if (!result.IsValid())
    return Fail();
  mesh = std::move(result);
  return 1;
}

int PolyDataToMesh(vtkPolyData* data, ON_Mesh& mesh)
{
  crust_mesh polygons;
  if (!ToPolygons(data, polygons))
    return Stopped() ? Cancel() : Fail();
  return SurfaceToMesh(polygons, mesh);
}

vtkSmartPointer<vtkPolyData> HullPolyData(const crust_mesh& hull)
{
  auto points = vtkSmartPointer<vtkPoints>::New();
  points->SetDataTypeToDouble();
  for (int i = 0; i < hull.PointCount(); ++i)
    points->InsertNextPoint(&hull.points[3 * i]);
  auto polys = vtkSmartPointer<vtkCellArray>::New();
  for (int k = 0; k < hull.PolygonCount(); ++k)
  {
    const vtkIdType ids[3] = {hull.ids[3 * k], hull.ids[3 * k + 1], hull.ids[3 * k + 2]};
    polys->InsertNextCell(3, ids);
  }
  auto data = vtkSmartPointer<vtkPolyData>::New();
  data->SetPoints(points);
  data->SetPolys(polys);
  return data;
}

// Progress observer of the wrap's VTK filters: aborts the filter once the user asks to stop.
void AbortWhenStopped(vtkObject* caller, unsigned long, void*, void*)
{
  if (Stopped())
    static_cast<vtkAlgorithm*>(caller)->AbortExecuteOn();
}

void ObserveStop(vtkAlgorithm* filter)
{
  auto observer = vtkSmartPointer<vtkCallbackCommand>::New();
  observer->SetCallback(&AbortWhenStopped);
  filter->AddObserver(vtkCommand::ProgressEvent, observer);
}

// The library's reporter showing a concave wrap: its passes on the status line, the run on the bar.
// Closed, with its status cleared for the convex wrap, when the wrap ends.
class concave_progress
{
public:
  concave_progress(vtkAlgorithm* filter, bool shown) : m_shown(shown)
  {
    if (!m_shown)
      return;
    g_wrapProgress.SetStatus("");
    g_wrapProgress.SetTitle(kConcaveTitle);
    g_wrapProgress.StartProgress();
    auto observer = vtkSmartPointer<vtkCallbackCommand>::New();
    observer->SetCallback(
        [](vtkObject* caller, unsigned long, void*, void* data)
        {
          const char* stage = static_cast<vtkAlgorithm*>(caller)->GetProgressText();
          if (stage && *stage && g_wrapProgress.GetStatus() != stage)
            g_wrapProgress.SetStatus(stage);
          g_wrapProgress.SetCurrent(100.0 * *static_cast<double*>(data));
        });
    filter->AddObserver(vtkCommand::ProgressEvent, observer);
  }
  ~concave_progress()
  {
    if (!m_shown)
      return;
    g_wrapProgress.EndProgress();
    g_wrapProgress.SetStatus("");
  }
  concave_progress(const concave_progress&) = delete;
  concave_progress& operator=(const concave_progress&) = delete;

  // The conversion into the mesh, after the reconstruction.
  void Mesh()
  {
    if (m_shown)
      g_wrapProgress.SetStatus(kMeshStage);
  }
  void Done()
  {
    if (m_shown)
      g_wrapProgress.SetCurrent(100);
  }

private:
  bool m_shown;
};

// The convex hull of the points. With progress 1 the library's reporter shows how far qhull has
// come. 0 with the error text set when the points span no volume or the user stops it.
int BuildHull(const ON_3dPointArray& points, int showProgress, crust_mesh& hull)
{
  const bool progress = showProgress == 1;
  if (progress)
  {
    g_wrapProgress.StartProgress();
    g_wrapProgress.SetTitle(kConvexTitle);
  }
  std::vector<double> xyz(3 * static_cast<size_t>(points.Count()));
  for (int i = 0; i < points.Count(); ++i)
  {
    xyz[3 * i] = points[i].x;
    xyz[3 * i + 1] = points[i].y;
    xyz[3 * i + 2] = points[i].z;
  }
  std::string error;
  const bool built = convex_hull::Build(xyz.data(), points.Count(), hull, error,
                                        [progress](double fraction)
                                        {
                                          if (progress)
                                            g_wrapProgress.SetCurrent(100.0 * fraction);
                                          return !Stopped();
                                        });
  if (progress)
  {
    if (built)
      g_wrapProgress.SetCurrent(100);
    g_wrapProgress.EndProgress();
  }
  if (Stopped())
    return Cancel();
  return built ? 1 : Fail();
}

// The hull's triangles as a mesh, made consistent by VTK's normals filter.
int HullToMesh(const crust_mesh& hull, ON_Mesh& mesh)
{
  auto normals = vtkSmartPointer<vtkPolyDataNormals>::New();
  normals->SetInputData(HullPolyData(hull));
  normals->ConsistencyOn();
  normals->ComputeCellNormalsOn();
  normals->ComputePointNormalsOff();
  normals->NonManifoldTraversalOn();
  normals->SplittingOff();
  normals->SetFeatureAngle(0.05);
  ObserveStop(normals);
  normals->Update();
  if (Stopped())
    return Cancel();
  auto surface = vtkSmartPointer<vtkPolyData>::New();
  surface->ShallowCopy(normals->GetOutput());
  return PolyDataToMesh(surface, mesh);
}

// Points counted once however often they repeat exactly.
size_t DistinctCount(std::vector<ON_3dPoint> points)
{
  auto less = [](const ON_3dPoint& a, const ON_3dPoint& b)
  { return std::tie(a.x, a.y, a.z) < std::tie(b.x, b.y, b.z); };
  std::sort(points.begin(), points.end(), less);
  return static_cast<size_t>(std::unique(points.begin(), points.end()) - points.begin());
}

} // namespace

int VMSurface::WrapMesh(ON_Mesh& mesh, const ON_3dPointArray& points, int concave, int showProgress)
{
  return concave ? WrapConcaveMesh(mesh, points, showProgress) : WrapConvexMesh(mesh, points, showProgress);
}

int VMSurface::WrapConvexMesh(ON_Mesh& mesh, const ON_3dPointArray& points, int showProgress)
{
  vtkObject::GlobalWarningDisplayOff();
  if (Stopped())
    return Cancel();
  crust_mesh hull;
  ON_Mesh local;
  if (!BuildHull(points, showProgress, hull) || !HullToMesh(hull, local))
    return 0;
  mesh = std::move(local);
  return 1;
}

int VMSurface::WrapConvexPositionMesh(ON_Mesh& mesh, const ON_3dPointArray& points, int showProgress)
{
  vtkObject::GlobalWarningDisplayOff();
  if (Stopped())
    return Cancel();
  crust_mesh hull;
  if (!BuildHull(points, showProgress, hull))
    return 0;
  // The hull's corners are input points: every distinct point is one exactly when the counts agree.
  std::vector<ON_3dPoint> corners(static_cast<size_t>(hull.PointCount()));
  for (int i = 0; i < hull.PointCount(); ++i)
    corners[i] = ON_3dPoint(&hull.points[3 * static_cast<size_t>(i)]);
  const std::vector<ON_3dPoint> given(points.Array(), points.Array() + points.Count());
  if (DistinctCount(corners) != DistinctCount(given))
  {
    SetError(kNotConvexPosition);
    return 0;
  }
  ON_Mesh local;
  if (!HullToMesh(hull, local))
    return 0;
  mesh = std::move(local);
  return 1;
}

int VMSurface::WrapConcaveMesh(ON_Mesh& mesh, const ON_3dPointArray& points, int showProgress)
{
  vtkObject::GlobalWarningDisplayOff();
  if (Stopped())
    return Cancel();
  auto vertices = vtkSmartPointer<vtkCellArray>::New();
  for (vtkIdType i = 0; i < points.Count(); ++i)
    vertices->InsertNextCell(1, &i);
  auto input = vtkSmartPointer<vtkPolyData>::New();
  input->SetPoints(ToVtkPoints(points));
  input->SetVerts(vertices);
  auto filter = vtkSmartPointer<vtkPowerCrustFilter>::New();
  filter->SetInputData(input);
  ObserveStop(filter);
  concave_progress progress(filter, showProgress == 1);
  filter->Update();
  if (Stopped())
    return Cancel();
  // The crust's polygons; the pipeline is not needed for the mesh, so it goes first.
  progress.Mesh();
  crust_mesh polygons;
  const bool converted = ToPolygons(filter->GetOutput(), polygons);
  filter = nullptr;
  input = nullptr;
  ON_Mesh local;
  if (!converted)
    return Stopped() ? Cancel() : Fail();
  if (!SurfaceToMesh(polygons, local))
    return 0;
  progress.Done();
  mesh = std::move(local);
  return 1;
}
