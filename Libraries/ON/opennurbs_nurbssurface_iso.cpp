// Iso-curves of ON_NurbsSurface.

#include "opennurbs.h"

#include <algorithm>
#include <vector>

ON_Curve* ON_NurbsSurface::IsoCurve(int dir, double c) const
{
  if ((dir != 0 && dir != 1) || !IsValid() || !ON_IsValid(c))
    return nullptr;
  const int other = 1 - dir;
  const int order = m_order[other];
  const int span = ON_NurbsSpanIndex(order, m_cv_count[other], m_knot[other], c);
  std::vector<double> basis(static_cast<size_t>(order));
  if (!ON_EvaluateNurbsBasisDerivatives(order, m_knot[other] + span, c, 0, basis.data()))
    return nullptr;
  ON_NurbsCurve* curve = new ON_NurbsCurve(m_dim, m_is_rat != 0, m_order[dir], m_cv_count[dir]);
  const int size = CVSize();
  for (int i = 0; i < m_cv_count[dir]; i++)
  {
    double* out = curve->CV(i);
    std::fill(out, out + size, 0.0);
    // Homogeneous blend, so rational vertices keep their weights.
    for (int b = 0; b < order; b++)
    {
      const double* cv = dir == 0 ? CV(i, span + b) : CV(span + b, i);
      for (int k = 0; k < size; k++)
        out[k] += basis[static_cast<size_t>(b)] * cv[k];
    }
  }
  std::copy(m_knot[dir], m_knot[dir] + KnotCount(dir), curve->m_knot);
  return curve;
}
