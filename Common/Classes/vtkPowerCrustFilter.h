#pragma once

#include <vtkPolyDataAlgorithm.h>

class vtkPolyData;

// Reconstructs a closed polygonal surface from the points of any data set with the power crust
// method; as a by-product, an approximation of the medial surface of the sampled solid.
// One reconstruction runs at a time in a process. The run reports progress events every few
// thousand items, its progress text naming the pass ("Delaunay tetrahedralisation", "Poles",
// "Power diagram", "Labelling poles", "Crust"); an observer that sets AbortExecute stops it, and
// both outputs stay empty. RequestData fails (0, with an error) without input and when the points
// give no closed surface (fewer than four, no extent, all on a plane, ...); an empty point set
// gives empty outputs.
class vtkPowerCrustFilter : public vtkPolyDataAlgorithm
{
public:
  static vtkPowerCrustFilter* New();
  vtkTypeMacro(vtkPowerCrustFilter, vtkPolyDataAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // The poles (points), their weights (point scalars) and the medial triangles of the last run.
  vtkPolyData* GetMedialSurface() { return this->MedialSurface; }

  // How densely the surface is sampled, relative to the local distance to the medial axis: the
  // angle test of the second poles and their distance bound use it. 0.6 by default, kept within
  // 0.001 to 1.
  vtkSetClampMacro(SampleDensity, double, 0.001, 1.0);
  vtkGetMacro(SampleDensity, double);

  // Whether the run is to stop: AbortExecute is set on this filter or on the algorithm that
  // produces its input (whose output is then incomplete). A stopped run leaves both outputs empty.
  // (vtkAlgorithm has this from VTK 9.3 on.)
  bool CheckAbort();

protected:
  vtkPowerCrustFilter();
  ~vtkPowerCrustFilter() override;

  int FillInputPortInformation(int port, vtkInformation* info) override;
  int RequestInformation(vtkInformation* request, vtkInformationVector** inputVector,
                         vtkInformationVector* outputVector) override;
  int RequestUpdateExtent(vtkInformation* request, vtkInformationVector** inputVector,
                          vtkInformationVector* outputVector) override;
  int RequestData(vtkInformation* request, vtkInformationVector** inputVector,
                  vtkInformationVector* outputVector) override;

  vtkPolyData* MedialSurface;
  double SampleDensity;

private:
  vtkPowerCrustFilter(const vtkPowerCrustFilter&) = delete;
  void operator=(const vtkPowerCrustFilter&) = delete;
};
