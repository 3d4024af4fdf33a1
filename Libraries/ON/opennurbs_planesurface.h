#pragma once

#include "opennurbs_plane.h"
#include "opennurbs_surface.h"

class ON_BinaryArchive;

// Rectangle of a plane: the extents in the plane's x and y directions, mapped from the domains.
class ON_CLASS ON_PlaneSurface : public ON_Surface
{
  ON_OBJECT_DECLARE(ON_PlaneSurface);

public:
  ON_Plane m_plane;
  ON_Interval m_domain[2] = {ON_Interval(0.0, 1.0), ON_Interval(0.0, 1.0)};
  ON_Interval m_extents[2] = {ON_Interval(0.0, 1.0), ON_Interval(0.0, 1.0)};

  ON_PlaneSurface() = default;
  explicit ON_PlaneSurface(const ON_Plane& plane);

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  ON_Interval Domain(int dir) const override;
  bool Evaluate(double s, double t, int der_count, int v_stride, double* v, int quadrant = 0,
                int* hint = nullptr) const override;
  // Bilinear, the corners as control points and the domains as knots.
  int GetNurbForm(ON_NurbsSurface& nurbs, double tolerance = 0.0) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;
};
