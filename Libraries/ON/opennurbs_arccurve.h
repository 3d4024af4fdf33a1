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
  // Rational quadratic with one span per quarter turn or less.
  int GetNurbForm(ON_NurbsCurve& nurbs, double tolerance = 0.0, const ON_Interval* subdomain = nullptr) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;

  bool IsCircle() const;
  double Radius() const;
};
