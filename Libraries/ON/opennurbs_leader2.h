#pragma once

#include "opennurbs_annotation2.h"

// Leader: a polyline through m_points (plane coordinates) whose first point is the arrow tip and
// whose last point carries the text; m_index names its dimension style.
class ON_CLASS ON_Leader2 : public ON_Annotation2
{
  ON_OBJECT_DECLARE(ON_Leader2);

public:
  ON_Leader2();

  // Needs at least two points and a valid plane.
  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  bool Read(ON_BinaryArchive& archive) override;

  // Point i in plane coordinates and in world coordinates; unset when i is out of range.
  ON_2dPoint Dim2dPoint(int point_index) const;
  ON_3dPoint Dim3dPoint(int point_index) const;
  void AddPoint(const ON_2dPoint& point);

  int StyleIndex() const;
  void SetStyleIndex(int index);
};
