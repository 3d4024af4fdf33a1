#include "opennurbs.h"

ON_OBJECT_IMPLEMENT(ON_SurfaceProxy, ON_Surface, "4ED7D4E2-E947-11D3-BFE5-0010830122F0")

ON_SurfaceProxy::ON_SurfaceProxy(const ON_Surface* surface) { SetProxySurface(surface); }

void ON_SurfaceProxy::SetProxySurface(const ON_Surface* surface) { m_surface = surface == this ? nullptr : surface; }

const ON_Surface* ON_SurfaceProxy::ProxySurface() const { return m_surface; }

bool ON_SurfaceProxy::IsValid(ON_TextLog* text_log) const
{
  const bool ok = m_surface && m_surface->IsValid();
  if (!ok && text_log)
    text_log->Print("ON_SurfaceProxy: no valid surface.\n");
  return ok;
}

int ON_SurfaceProxy::Dimension() const { return m_surface ? m_surface->Dimension() : 0; }

bool ON_SurfaceProxy::GetBBox(double* boxmin, double* boxmax, bool bGrowBox) const
{
  return m_surface && m_surface->GetBBox(boxmin, boxmax, bGrowBox);
}

ON_Interval ON_SurfaceProxy::Domain(int dir) const { return m_surface ? m_surface->Domain(dir) : ON_Interval(); }

bool ON_SurfaceProxy::Evaluate(double s, double t, int der_count, int v_stride, double* v, int quadrant,
                               int* hint) const
{
  return m_surface && m_surface->Evaluate(s, t, der_count, v_stride, v, quadrant, hint);
}

int ON_SurfaceProxy::GetNurbForm(ON_NurbsSurface& nurbs, double tolerance) const
{
  return m_surface ? m_surface->GetNurbForm(nurbs, tolerance) : 0;
}

ON_Curve* ON_SurfaceProxy::IsoCurve(int dir, double c) const
{
  return m_surface ? m_surface->IsoCurve(dir, c) : nullptr;
}
