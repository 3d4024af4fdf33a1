#pragma once

#include "opennurbs_curve.h"
#include "opennurbs_line.h"

// A line segment as a curve, parameterised over m_t.
class ON_CLASS ON_LineCurve : public ON_Curve
{
  ON_OBJECT_DECLARE(ON_LineCurve);

public:
  ON_Line m_line;
  ON_Interval m_t;
  int m_dim = 3;

  // Domain [0, 1].
  ON_LineCurve();
  // Domain [0, length], or [0, 1] for a line shorter than ON_ZERO_TOLERANCE.
  ON_LineCurve(const ON_Line& line);
  ON_LineCurve(const ON_3dPoint& from, const ON_3dPoint& to);
  ON_LineCurve(const ON_Line& line, double t0, double t1);
  ON_LineCurve(const ON_LineCurve&) = default;
  ON_LineCurve& operator=(const ON_LineCurve&) = default;
  ON_LineCurve& operator=(const ON_Line& line);
  ~ON_LineCurve() override = default;

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;
  int GetNurbForm(ON_NurbsCurve& nurbs, double tolerance = 0.0, const ON_Interval* subdomain = nullptr) const override;
  ON_Interval Domain() const override;
  bool Evaluate(double t, int der_count, int v_stride, double* v, int side = 0, int* hint = nullptr) const override;
  // Parameter of the nearest point of the segment (clamped to its ends), limited to sub_domain
  // when one is given. False for a zero-length line, and with maximum_distance > 0 when the
  // nearest point is farther than that.
  bool GetClosestPoint(const ON_3dPoint& P, double* t, double maximum_distance = 0.0,
                       const ON_Interval* sub_domain = nullptr) const override;
};
