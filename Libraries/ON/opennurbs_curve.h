#pragma once

#include "opennurbs_3dpoint.h"
#include "opennurbs_3dvector.h"
#include "opennurbs_geometry.h"
#include "opennurbs_interval.h"

// Parametric curve C(t) over Domain().
class ON_NurbsCurve;

class ON_CLASS ON_Curve : public ON_Geometry
{
  ON_OBJECT_DECLARE(ON_Curve);

public:
  ON_Curve() = default;
  ON_Curve(const ON_Curve&) = default;
  ON_Curve& operator=(const ON_Curve&) = default;
  ~ON_Curve() override = default;

  ON::object_type ObjectType() const override;

  virtual ON_Interval Domain() const = 0;
  // v receives the point and der_count derivatives, v_stride doubles apart. side < 0 evaluates
  // from the left at interior knots.
  virtual bool Evaluate(double t, int der_count, int v_stride, double* v, int side = 0,
                        int* hint = nullptr) const = 0;
  // NURBS form of the curve: 1 exact, 2 approximate within tolerance, 0 none.
  virtual int GetNurbForm(ON_NurbsCurve& nurbs, double tolerance = 0.0,
                          const ON_Interval* subdomain = nullptr) const;

  // ON_3dPoint::UnsetPoint when the evaluation fails.
  ON_3dPoint PointAt(double t) const;
  ON_3dPoint PointAtStart() const;
  ON_3dPoint PointAtEnd() const;
  ON_3dVector DerivativeAt(double t) const;
  bool EvPoint(double t, ON_3dPoint& point, int side = 0, int* hint = nullptr) const;
  bool Ev1Der(double t, ON_3dPoint& point, ON_3dVector& derivative, int side = 0, int* hint = nullptr) const;
};
