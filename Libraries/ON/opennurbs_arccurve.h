#pragma once

#include "opennurbs_arc.h"
#include "opennurbs_curve.h"

class ON_BinaryArchive;

// An arc or circle as a curve; its domain defaults to (0, arc length).
class ON_CLASS ON_ArcCurve : public ON_Curve
{
  ON_OBJECT_DECLARE(ON_ArcCurve);

public:
  ON_Arc m_arc;
  ON_Interval m_t;
  int m_dim = 3;

  ON_ArcCurve();
  explicit ON_ArcCurve(const ON_Arc& arc);
  explicit ON_ArcCurve(const ON_Circle& circle);

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  ON_Interval Domain() const override;
  bool Evaluate(double t, int der_count, int v_stride, double* v, int side = 0, int* hint = nullptr) const override;
  // Rational quadratic with one span per quarter turn or less, knots spread evenly over the domain.
  // 2 on success: the NURBS parameter follows the angle only at the knots.
  int GetNurbForm(ON_NurbsCurve& nurbs, double tolerance = 0.0, const ON_Interval* subdomain = nullptr) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;

  // The spans of the NURBS form.
  int Degree() const override;
  int SpanCount() const override;
  bool GetSpanVector(double* span_vector) const override;
  bool IsClosed() const override;
  bool IsLinear(double tolerance = ON_ZERO_TOLERANCE) const override;
  int IsPolyline(ON_SimpleArray<ON_3dPoint>* pline_points = nullptr,
                 ON_SimpleArray<double>* pline_t = nullptr) const override;
  // The arc itself; the plane is not used.
  bool IsArc(const ON_Plane* plane = nullptr, ON_Arc* arc = nullptr,
             double tolerance = ON_ZERO_TOLERANCE) const override;
  bool IsPlanar(ON_Plane* plane = nullptr, double tolerance = ON_ZERO_TOLERANCE) const override;
  // |angle| * radius, of the part of the angle a sub_domain maps to.
  bool GetLength(double* length, double fractional_tolerance = 1.0e-8,
                 const ON_Interval* sub_domain = nullptr) const override;
  // The parameter runs with the arc length: t = domain.ParameterAt(s).
  bool GetNormalizedArcLengthPoints(int count, const double* s, double* t, double absolute_tolerance = 0.0,
                                    double fractional_tolerance = 1.0e-8,
                                    const ON_Interval* sub_domain = nullptr) const override;
  // A point beyond the arc's ends goes to the nearer end (on the circle, by angle).
  bool GetClosestPoint(const ON_3dPoint& P, double* t, double maximum_distance = 0.0,
                       const ON_Interval* sub_domain = nullptr) const override;

  bool IsCircle() const;
  double Radius() const;
};
