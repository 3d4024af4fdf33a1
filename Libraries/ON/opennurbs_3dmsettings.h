#pragma once

#include "opennurbs_3dmunitsandtolerances.h"
#include "opennurbs_color.h"
#include "opennurbs_rawchunks.h"

class ON_BinaryArchive;

// Model settings: units and tolerances, the current layer, material, colour and wire density; the
// other records (views, render settings, ...) are kept as read and written back in the same version.
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
  ON_RawChunks m_unread_records;
};
