#pragma once

#include "opennurbs_geometry.h"

class ON_BinaryArchive;
class ON_LineCurve;

// Annotation arrow of version 2 files; read files turn it into a line curve from tail to head.
class ON_CLASS ON_OBSOLETE_V2_AnnotationArrow : public ON_Geometry
{
  ON_OBJECT_DECLARE(ON_OBSOLETE_V2_AnnotationArrow);

public:
  ON_OBSOLETE_V2_AnnotationArrow();

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  ON::object_type ObjectType() const override;
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;

  ON_LineCurve LineCurve() const;

  ON_3dPoint m_tail;
  ON_3dPoint m_head;
};
