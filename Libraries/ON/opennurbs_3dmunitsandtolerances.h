#pragma once

#include "opennurbs_wstring.h"

class ON_BinaryArchive;

// Model unit system and the tolerances modelling works to.
class ON_CLASS ON_3dmUnitsAndTolerances
{
public:
  enum unit_system
  {
    no_unit_system = 0,
    microns = 1,
    millimeters = 2,
    centimeters = 3,
    meters = 4,
    kilometers = 5,
    microinches = 6,
    mils = 7,
    inches = 8,
    feet = 9,
    miles = 10,
    custom_unit_system = 11
  };

  void Default();
  bool Write(ON_BinaryArchive& archive) const;
  bool Read(ON_BinaryArchive& archive);

  unsigned int m_unit_system = millimeters;
  double m_absolute_tolerance = 0.001;
  double m_angle_tolerance = 0.017453292519943295; // one degree
  double m_relative_tolerance = 0.01;
  unsigned int m_distance_display_mode = 0;
  int m_distance_display_precision = 3;
  double m_meters_per_unit = 0.001;
  ON_wString m_custom_unit_name;
};
