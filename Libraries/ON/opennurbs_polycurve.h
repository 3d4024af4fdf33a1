#pragma once

#include "opennurbs_array.h"
#include "opennurbs_curve.h"

class ON_BinaryArchive;

// Curve made of segment curves joined end to end; segment i runs over (m_t[i], m_t[i+1]).
// The poly curve owns its segments.
class ON_CLASS ON_PolyCurve : public ON_Curve
{
  ON_OBJECT_DECLARE(ON_PolyCurve);

public:
  ON_PolyCurve() = default;
  ON_PolyCurve(const ON_PolyCurve& src);
  ON_PolyCurve& operator=(const ON_PolyCurve& src);
  ~ON_PolyCurve() override;

  void Destroy();
  // Takes ownership of the segment and appends it after the last one.
  bool Append(ON_Curve* segment);
  int Count() const;
  const ON_Curve* SegmentCurve(int index) const;
  const ON_SimpleArray<double>& SegmentParameters() const;
  // Gives every segment the domain (m_t[i], m_t[i+1]); a segment other than a NURBS curve is
  // replaced by its NURBS form. False when a segment has no NURBS form.
  bool SynchronizeSegmentDomains();

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  ON_Interval Domain() const override;
  bool Evaluate(double t, int der_count, int v_stride, double* v, int side = 0, int* hint = nullptr) const override;
  // Joins the NURBS forms of clamped segments of one degree; 0 otherwise.
  int GetNurbForm(ON_NurbsCurve& nurbs, double tolerance = 0.0, const ON_Interval* subdomain = nullptr) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;

  // The largest segment degree; the spans of all segments in order.
  int Degree() const override;
  int SpanCount() const override;
  bool GetSpanVector(double* span_vector) const override;
  // Every segment linear and every segment end on the chord of the whole, in order.
  bool IsLinear(double tolerance = ON_ZERO_TOLERANCE) const override;
  // The segments' polylines joined, with the poly curve's parameters.
  int IsPolyline(ON_SimpleArray<ON_3dPoint>* pline_points = nullptr,
                 ON_SimpleArray<double>* pline_t = nullptr) const override;

private:
  int SegmentIndex(double t) const;

  ON_SimpleArray<ON_Curve*> m_segment;
  ON_SimpleArray<double> m_t;
};
