#pragma once

#include "opennurbs_curve.h"

class ON_Brep;

// A curve that shows another curve, or a part of it, possibly reversed, over a domain of its own.
// The proxy does not own the curve it shows.
class ON_CLASS ON_CurveProxy : public ON_Curve
{
  ON_OBJECT_DECLARE(ON_CurveProxy);

public:
  ON_CurveProxy() = default;
  explicit ON_CurveProxy(const ON_Curve* real_curve);
  ON_CurveProxy(const ON_Curve* real_curve, ON_Interval real_curve_subdomain);
  ON_CurveProxy(const ON_CurveProxy&) = default;
  ON_CurveProxy& operator=(const ON_CurveProxy&) = default;
  ~ON_CurveProxy() override = default;

  // The whole curve (or the part over real_curve_subdomain), not reversed; the proxy's domain
  // becomes that part's domain.
  void SetProxyCurve(const ON_Curve* real_curve);
  void SetProxyCurve(const ON_Curve* real_curve, ON_Interval real_curve_subdomain);
  const ON_Curve* ProxyCurve() const;
  // The part of the real curve that is shown.
  ON_Interval ProxyCurveDomain() const;
  bool ProxyCurveIsReversed() const;
  // Parameter maps between this domain and the real curve's part.
  double RealCurveParameter(double t) const;
  double ThisCurveParameter(double real_curve_parameter) const;
  // Sets this domain (increasing); the real curve is unchanged.
  bool SetDomain(double t0, double t1);
  // Runs the other way: the domain becomes [-t1, -t0].
  bool Reverse();

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  ON_Interval Domain() const override;
  bool Evaluate(double t, int der_count, int v_stride, double* v, int side = 0, int* hint = nullptr) const override;
  // The real curve's form over the shown part, reversed as shown, over this domain.
  int GetNurbForm(ON_NurbsCurve& nurbs, double tolerance = 0.0, const ON_Interval* subdomain = nullptr) const override;

private:
  friend class ON_Brep;

  const ON_Curve* m_real_curve = nullptr;
  bool m_bReversed = false;
  ON_Interval m_real_curve_domain;
  ON_Interval m_this_domain;
};
