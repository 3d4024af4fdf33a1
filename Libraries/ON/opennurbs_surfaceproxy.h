#pragma once

#include "opennurbs_surface.h"

// A surface that shows another surface; it does not own it.
class ON_CLASS ON_SurfaceProxy : public ON_Surface
{
  ON_OBJECT_DECLARE(ON_SurfaceProxy);

public:
  ON_SurfaceProxy() = default;
  explicit ON_SurfaceProxy(const ON_Surface* surface);
  ON_SurfaceProxy(const ON_SurfaceProxy&) = default;
  ON_SurfaceProxy& operator=(const ON_SurfaceProxy&) = default;
  ~ON_SurfaceProxy() override = default;

  void SetProxySurface(const ON_Surface* surface);
  const ON_Surface* ProxySurface() const;

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  ON_Interval Domain(int dir) const override;
  bool Evaluate(double s, double t, int der_count, int v_stride, double* v, int quadrant = 0,
                int* hint = nullptr) const override;
  int GetNurbForm(ON_NurbsSurface& nurbs, double tolerance = 0.0) const override;
  ON_Curve* IsoCurve(int dir, double c) const override;

private:
  friend class ON_Brep;

  const ON_Surface* m_surface = nullptr;
};
