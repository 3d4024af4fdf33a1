#include "opennurbs.h"

#include <vector>

ON_OBJECT_IMPLEMENT(ON_CurveProxy, ON_Curve, "4ED7D4D9-E947-11D3-BFE5-0010830122F0")

ON_CurveProxy::ON_CurveProxy(const ON_Curve* real_curve) { SetProxyCurve(real_curve); }

ON_CurveProxy::ON_CurveProxy(const ON_Curve* real_curve, ON_Interval real_curve_subdomain)
{
  SetProxyCurve(real_curve, real_curve_subdomain);
}

void ON_CurveProxy::SetProxyCurve(const ON_Curve* real_curve)
{
  SetProxyCurve(real_curve, real_curve ? real_curve->Domain() : ON_Interval());
}

void ON_CurveProxy::SetProxyCurve(const ON_Curve* real_curve, ON_Interval real_curve_subdomain)
{
  m_real_curve = real_curve == this ? nullptr : real_curve;
  m_bReversed = false;
  m_real_curve_domain = m_real_curve ? real_curve_subdomain : ON_Interval();
  m_this_domain = m_real_curve_domain;
}

const ON_Curve* ON_CurveProxy::ProxyCurve() const { return m_real_curve; }
ON_Interval ON_CurveProxy::ProxyCurveDomain() const { return m_real_curve_domain; }
bool ON_CurveProxy::ProxyCurveIsReversed() const { return m_bReversed; }

double ON_CurveProxy::RealCurveParameter(double t) const
{
  double x = m_this_domain.NormalizedParameterAt(t);
  if (m_bReversed)
    x = 1.0 - x;
  return m_real_curve_domain.ParameterAt(x);
}

double ON_CurveProxy::ThisCurveParameter(double real_curve_parameter) const
{
  double x = m_real_curve_domain.NormalizedParameterAt(real_curve_parameter);
  if (m_bReversed)
    x = 1.0 - x;
  return m_this_domain.ParameterAt(x);
}

bool ON_CurveProxy::SetDomain(double t0, double t1)
{
  if (!(t0 < t1) || !ON_IsValid(t0) || !ON_IsValid(t1))
    return false;
  m_this_domain.Set(t0, t1);
  return true;
}

bool ON_CurveProxy::Reverse()
{
  if (!m_real_curve)
    return false;
  m_bReversed = !m_bReversed;
  m_this_domain.Reverse();
  return true;
}

bool ON_CurveProxy::IsValid(ON_TextLog* text_log) const
{
  const bool ok = m_real_curve && m_real_curve->IsValid() && m_this_domain.IsIncreasing() &&
                  m_real_curve_domain.IsIncreasing() && m_real_curve->Domain().Includes(m_real_curve_domain);
  if (!ok && text_log)
    text_log->Print("ON_CurveProxy: no valid curve or domain.\n");
  return ok;
}

int ON_CurveProxy::Dimension() const { return m_real_curve ? m_real_curve->Dimension() : 0; }

// The box of the shown part: its NURBS control polygon's box, a whole curve's own box.
bool ON_CurveProxy::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  if (!m_real_curve)
    return false;
  if (m_real_curve_domain == m_real_curve->Domain())
    return m_real_curve->GetBBox(boxmin, boxmax, bGrowBox);
  ON_NurbsCurve nurbs;
  return GetNurbForm(nurbs) && nurbs.GetBBox(boxmin, boxmax, bGrowBox);
}

ON_Interval ON_CurveProxy::Domain() const { return m_this_domain; }

bool ON_CurveProxy::Evaluate(double t, int der_count, int v_stride, double* v, int side, int* hint) const
{
  if (!m_real_curve || !m_this_domain.IsIncreasing() || der_count < 0 || !v)
    return false;
  double scale = m_real_curve_domain.Length() / m_this_domain.Length();
  if (m_bReversed)
  {
    scale = -scale;
    side = -side;
  }
  if (!m_real_curve->Evaluate(RealCurveParameter(t), der_count, v_stride, v, side, hint))
    return false;
  double factor = 1.0;
  for (int k = 1; k <= der_count; k++)
  {
    factor *= scale;
    for (int j = 0; j < v_stride; j++)
      v[k * v_stride + j] *= factor;
  }
  return true;
}

int ON_CurveProxy::GetNurbForm(ON_NurbsCurve& nurbs, double tolerance, const ON_Interval* subdomain) const
{
  if (!m_real_curve)
    return 0;
  ON_NurbsCurve form;
  const bool part = m_real_curve_domain != m_real_curve->Domain();
  const int rc = m_real_curve->GetNurbForm(form, tolerance, part ? &m_real_curve_domain : nullptr);
  if (!rc || (m_bReversed && !form.Reverse()) || !form.SetDomain(m_this_domain[0], m_this_domain[1]))
    return 0;
  if (subdomain && !form.Trim(*subdomain))
    return 0;
  nurbs = form;
  return rc;
}
