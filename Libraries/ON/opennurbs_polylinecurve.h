#pragma once

#include "opennurbs_curve.h"
#include "opennurbs_polyline.h"

// A polyline as a curve: point i sits at parameter m_t[i].
class ON_CLASS ON_PolylineCurve : public ON_Curve
{
  ON_OBJECT_DECLARE(ON_PolylineCurve);

public:
  ON_Polyline m_pline;
  ON_SimpleArray<double> m_t;
  int m_dim = 3;

  ON_PolylineCurve() = default;
  // Parameters 0, 1, 2, ...
  ON_PolylineCurve(const ON_3dPointArray& points);
  ON_PolylineCurve(const ON_PolylineCurve&) = default;
  ON_PolylineCurve& operator=(const ON_PolylineCurve&) = default;
  ON_PolylineCurve& operator=(const ON_3dPointArray& points);
  ~ON_PolylineCurve() override = default;

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;
  int GetNurbForm(ON_NurbsCurve& nurbs, double tolerance = 0.0, const ON_Interval* subdomain = nullptr) const override;
  ON_Interval Domain() const override;
  bool Evaluate(double t, int der_count, int v_stride, double* v, int side = 0, int* hint = nullptr) const override;

  int PointCount() const;

  int Degree() const override;
  int SpanCount() const override;
  bool GetSpanVector(double* span_vector) const override;
  // m_pline.IsClosed(0).
  bool IsClosed() const override;
  // The points and m_t.
  int IsPolyline(ON_SimpleArray<ON_3dPoint>* pline_points = nullptr,
                 ON_SimpleArray<double>* pline_t = nullptr) const override;
  // Sum of the segment lengths (the parts of the segments inside a sub_domain).
  bool GetLength(double* length, double fractional_tolerance = 1.0e-8,
                 const ON_Interval* sub_domain = nullptr) const override;
  // Walks the segments; the parameter is linear inside a segment.
  bool GetNormalizedArcLengthPoints(int count, const double* s, double* t, double absolute_tolerance = 0.0,
                                    double fractional_tolerance = 1.0e-8,
                                    const ON_Interval* sub_domain = nullptr) const override;
  // Nearest point over the segments, each clamped to its ends; the first of equals.
  bool GetClosestPoint(const ON_3dPoint& P, double* t, double maximum_distance = 0.0,
                       const ON_Interval* sub_domain = nullptr) const override;
};
