#include "vtkPowerCrustFilter.h"

#include "normalised_frame.h"
#include "power_crust_run.h"

#include <vtkCellArray.h>
#include <vtkDataSet.h>
#include <vtkFloatArray.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>
#include <vtkStreamingDemandDrivenPipeline.h>

#include <string>
#include <vector>

vtkStandardNewMacro(vtkPowerCrustFilter);

namespace
{

constexpr double kSampleDensity = 0.6;

// Fresh, empty points (double precision, so that large coordinates keep their detail) and polygons.
void ResetPolyData(vtkPolyData* data)
{
  auto points = vtkSmartPointer<vtkPoints>::New();
  points->SetDataTypeToDouble();
  data->SetPoints(points);
  data->SetPolys(vtkSmartPointer<vtkCellArray>::New());
}

void FillPolygons(const crust_mesh& mesh, vtkCellArray* cells)
{
  cells->AllocateExact(mesh.PolygonCount(), static_cast<vtkIdType>(mesh.ids.size()));
  std::vector<vtkIdType> ids;
  for (int k = 0; k < mesh.PolygonCount(); ++k)
  {
    ids.assign(mesh.ids.begin() + mesh.offsets[k], mesh.ids.begin() + mesh.offsets[k + 1]);
    cells->InsertNextCell(static_cast<vtkIdType>(ids.size()), ids.data());
  }
}

} // namespace

vtkPowerCrustFilter::vtkPowerCrustFilter() : MedialSurface(vtkPolyData::New()), SampleDensity(kSampleDensity) {}

vtkPowerCrustFilter::~vtkPowerCrustFilter() { this->MedialSurface->Delete(); }

void vtkPowerCrustFilter::PrintSelf(ostream& os, vtkIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "SampleDensity: " << this->SampleDensity << "\n";
  os << indent << "MedialSurface: " << this->MedialSurface << "\n";
  os << indent.GetNextIndent() << "Poles: " << this->MedialSurface->GetNumberOfPoints() << "\n";
  os << indent.GetNextIndent() << "Medial triangles: " << this->MedialSurface->GetNumberOfPolys() << "\n";
}

bool vtkPowerCrustFilter::CheckAbort()
{
  if (this->GetAbortExecute())
    return true;
  vtkAlgorithm* producer = this->GetNumberOfInputConnections(0) > 0 ? this->GetInputAlgorithm(0, 0) : nullptr;
  return producer && producer->GetAbortExecute();
}

int vtkPowerCrustFilter::FillInputPortInformation(int, vtkInformation* info)
{
  info->Set(vtkAlgorithm::INPUT_REQUIRED_DATA_TYPE(), "vtkDataSet");
  return 1;
}

int vtkPowerCrustFilter::RequestInformation(vtkInformation*, vtkInformationVector** inputVector, vtkInformationVector*)
{
  if (!inputVector[0]->GetInformationObject(0))
    vtkErrorMacro(<< "No Input");
  return 1;
}

int vtkPowerCrustFilter::RequestUpdateExtent(vtkInformation*, vtkInformationVector** inputVector,
                                             vtkInformationVector* outputVector)
{
  vtkInformation* inInfo = inputVector[0]->GetInformationObject(0);
  if (!inInfo)
  {
    vtkErrorMacro(<< "No Input");
    return 1;
  }
  vtkInformation* outInfo = outputVector->GetInformationObject(0);
  using pipeline = vtkStreamingDemandDrivenPipeline;
  const int piece = outInfo->Get(pipeline::UPDATE_PIECE_NUMBER());
  const int pieces = outInfo->Get(pipeline::UPDATE_NUMBER_OF_PIECES());
  int ghostLevel = outInfo->Get(pipeline::UPDATE_NUMBER_OF_GHOST_LEVELS());
  if (pieces > 1)
    ++ghostLevel;
  inInfo->Set(pipeline::UPDATE_PIECE_NUMBER(), piece);
  inInfo->Set(pipeline::UPDATE_NUMBER_OF_PIECES(), pieces);
  inInfo->Set(pipeline::UPDATE_NUMBER_OF_GHOST_LEVELS(), ghostLevel);
  inInfo->Set(pipeline::EXACT_EXTENT(), 1);
  return 1;
}

int vtkPowerCrustFilter::RequestData(vtkInformation*, vtkInformationVector** inputVector,
                                     vtkInformationVector* outputVector)
{
  vtkDataSet* input = vtkDataSet::GetData(inputVector[0]);
  vtkPolyData* output = vtkPolyData::GetData(outputVector);
  ResetPolyData(output);
  ResetPolyData(this->MedialSurface);
  auto weights = vtkSmartPointer<vtkFloatArray>::New();
  weights->SetNumberOfComponents(1);
  this->MedialSurface->GetPointData()->SetScalars(weights);
  if (!input)
  {
    vtkErrorMacro(<< "No Input");
    return 0;
  }
  if (this->CheckAbort())
  {
    this->MedialSurface->Modified();
    return 1;
  }

  const vtkIdType count = input->GetNumberOfPoints();
  if (count == 0)
  {
    this->MedialSurface->Modified();
    return 1;
  }
  std::vector<double> points(static_cast<size_t>(3 * count));
  for (vtkIdType i = 0; i < count; ++i)
    input->GetPoint(i, &points[3 * i]);
  normalised_frame frame;
  // Fewer than four points, or no extent, bound no solid.
  if (count < 4 || count > 0x3fffffff || !frame.Fit(points.data(), static_cast<int>(count)))
  {
    vtkErrorMacro(<< "Fewer than four points, or points without extent: no surface");
    this->MedialSurface->Modified();
    return 0;
  }
  for (vtkIdType i = 0; i < count; ++i)
    frame.ToFrame(&points[3 * i], &points[3 * i]);

  crust_mesh surface;
  medial_result medial;
  std::string error;
  const progress_callback progress = [this](double fraction)
  {
    this->SetProgressText(power_crust_run::StageName());
    this->UpdateProgress(fraction);
    return !this->CheckAbort();
  };
  const bool built = power_crust_run::Reconstruct(points.data(), static_cast<int>(count), this->SampleDensity, surface,
                                                  medial, error, progress);
  this->SetProgressText(nullptr);
  if (!built && !this->CheckAbort())
  {
    vtkErrorMacro(<< "ASSERT: " << error);
    this->MedialSurface->Modified();
    return 0;
  }

  vtkPoints* outputPoints = output->GetPoints();
  outputPoints->SetNumberOfPoints(surface.PointCount());
  for (int i = 0; i < surface.PointCount(); ++i)
  {
    double world[3];
    frame.FromFrame(&surface.points[3 * i], world);
    outputPoints->SetPoint(i, world);
  }
  FillPolygons(surface, output->GetPolys());
  surface = crust_mesh();

  vtkPoints* poles = this->MedialSurface->GetPoints();
  const int poleCount = medial.triangles.PointCount();
  poles->SetNumberOfPoints(poleCount);
  weights->SetNumberOfTuples(poleCount);
  for (int i = 0; i < poleCount; ++i)
  {
    const double centre[3] = {medial.triangles.points[3 * i], medial.triangles.points[3 * i + 1],
                              medial.triangles.points[3 * i + 2]};
    double world[3];
    frame.FromFrame(centre, world);
    poles->SetPoint(i, world);
    weights->SetValue(i, static_cast<float>(frame.WeightFromFrame(centre, medial.weights[i])));
  }
  FillPolygons(medial.triangles, this->MedialSurface->GetPolys());
  this->MedialSurface->Modified();
  return 1;
}
