#pragma once

#include "opennurbs_3dmunitsandtolerances.h"
#include "opennurbs_color.h"

class ON_BinaryArchive;

// Model settings: units and tolerances and the current layer; other records are skipped on reading.
class ON_CLASS ON_3dmSettings
{
public:
  void Default();
  // The records of the settings table, without the table chunk.
  bool Write(ON_BinaryArchive& archive) const;
  bool Read(ON_BinaryArchive& archive);

  ON_3dmUnitsAndTolerances m_ModelUnitsAndTolerances;
  int m_current_layer_index = 0;
  int m_current_material_index = -1;
  int m_current_material_source = 0;
  ON_Color m_current_color;
  int m_current_color_source = 0;
  int m_current_wire_density = 1;
};
