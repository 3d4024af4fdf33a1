#pragma once

#include "opennurbs.h"

// IGES files (fixed ASCII form) into 3DM models: points, curves, the boundaries of trimmed
// surfaces, the edges of solids and meshes of free surfaces, on layers named after their levels,
// with their colours and the file's units. Static only; failures set the class's error text.
class QORIGES
{
public:
  QORIGES() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // Adds the file's objects, layers and units to an empty model. Entity types without a conversion
  // are counted in the model's skipped objects ("402 associativity 12"). On failure the model
  // is emptied.
  static int IGESToModel(const ON_wString& path, ONX_Model& model);
  // The file as a 3DM file of the version (2 or 3), written in one piece; a failed write fails.
  static int IGESTo3DM(const ON_wString& igesPath, const ON_wString& dmPath, int version);
};
