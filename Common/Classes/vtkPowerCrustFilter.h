#pragma once

#include <vtkPolyDataAlgorithm.h>

class vtkPolyData;

// Reconstructs a closed polygonal surface from the points of any data set with the power crust
// method; as a by-product, an approximation of the medial surface of the sampled solid.
// One reconstruction runs at a time in a process. The run reports progress events every few
// thousand items; an observer that sets AbortExecute stops it, and both outputs stay empty.
class vtkPowerCrustFilter : public vtkPolyDataAlgorithm
{
public:
  static vtkPowerCrustFilter* New();
  vtkTypeMacro(vtkPowerCrustFilter, vtkPolyDataAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // The poles (points), their weights (point scalars) and the medial triangles of the last run.
  vtkPolyData* GetMedialSurface() { return this->MedialSurface; }

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
