#pragma once

#include "opennurbs_3dpoint.h"
#include "opennurbs_3dvector.h"
#include "opennurbs_geometry.h"
#include "opennurbs_interval.h"

// Parametric surface S(s, t); direction 0 is the first parameter s, direction 1 the second t.
class ON_Curve;
class ON_NurbsSurface;

class ON_CLASS ON_Surface : public ON_Geometry
{
  ON_OBJECT_DECLARE(ON_Surface);

public:
  ON_Surface() = default;
  ON_Surface(const ON_Surface&) = default;
  ON_Surface& operator=(const ON_Surface&) = default;
  ~ON_Surface() override = default;

  // Where a parameter curve lies: an isoparametric line (x_iso: constant first parameter,
  // y_iso: constant second parameter) or a side of the domain (west, south, east, north).
  enum ISO
  {
    not_iso = 0,
    x_iso = 1,
    y_iso = 2,
    W_iso = 3,
    S_iso = 4,
    E_iso = 5,
    N_iso = 6,
    iso_count = 7
  };

  ON::object_type ObjectType() const override;

  virtual ON_Interval Domain(int dir) const = 0;
  // v receives P, Ds, Dt, Dss, Dst, Dtt, ... each v_stride doubles apart. quadrant 2 or 3
  // evaluates from below in s, 3 or 4 from below in t.
  virtual bool Evaluate(double s, double t, int der_count, int v_stride, double* v, int quadrant = 0,
                        int* hint = nullptr) const = 0;
  // NURBS form of the surface: 1 exact, 2 approximate within tolerance, 0 none.
  virtual int GetNurbForm(ON_NurbsSurface& nurbs, double tolerance = 0.0) const;
  // Curve of constant parameter, a new object the caller deletes, null on failure. dir 0: the curve
  // runs in the first parameter with the second fixed at c; dir 1: C(t) = S(c, t). The default
  // takes it from the NURBS form.
  virtual ON_Curve* IsoCurve(int dir, double c) const;

  // (0,0,0) when the evaluation fails.
  ON_3dPoint PointAt(double s, double t) const;
  // unit(unit(Ds) x unit(Dt)); (0,0,0) when the evaluation fails or the partials are degenerate.
  ON_3dVector NormalAt(double s, double t) const;
  bool EvPoint(double s, double t, ON_3dPoint& point, int quadrant = 0, int* hint = nullptr) const;
  bool Ev1Der(double s, double t, ON_3dPoint& point, ON_3dVector& ds, ON_3dVector& dt, int quadrant = 0,
              int* hint = nullptr) const;
  bool Ev2Der(double s, double t, ON_3dPoint& point, ON_3dVector& ds, ON_3dVector& dt, ON_3dVector& dss,
              ON_3dVector& dst, ON_3dVector& dtt, int quadrant = 0, int* hint = nullptr) const;

  // Parameters of the surface point nearest to P. With maximum_distance > 0 a nearest point
  // farther than that fails. sdomain and tdomain restrict the search.
  virtual bool GetClosestPoint(const ON_3dPoint& P, double* s, double* t, double maximum_distance = 0.0,
                               const ON_Interval* sdomain = nullptr, const ON_Interval* tdomain = nullptr) const;
  // Local minimum of the distance to P reached from the start parameters (s0, t0).
  virtual bool GetLocalClosestPoint(const ON_3dPoint& P, double s0, double t0, double* s, double* t,
                                    const ON_Interval* sdomain = nullptr, const ON_Interval* tdomain = nullptr) const;
};
