#include "opennurbs_knot.h"

int ON_NurbsSpanIndex(int order, int cv_count, const double* knot, double t, int side, int hint)
{
  const int first = order - 2;   // knot index starting span 0
  const int last = cv_count - 1; // knot index ending the last span
  if (hint > 0 && hint <= cv_count - order && knot[first + hint] < t && t < knot[first + hint + 1])
    return hint; // strictly inside the hinted span: side does not matter
  if (!(t > knot[first]))
    return 0;
  if (!(t < knot[last]))
    return cv_count - order;
  // On evenly spaced knots the span follows from t directly; the search below checks nothing then.
  const int guess = first + static_cast<int>((t - knot[first]) / (knot[last] - knot[first]) * (last - first));
  if (guess >= first && guess < last && knot[guess] < t && t < knot[guess + 1])
    return guess - first;
  int lo = first, hi = last; // knot[lo] < t < knot[hi]
  while (hi - lo > 1)
  {
    const int mid = (lo + hi) / 2;
    if (t < knot[mid])
      hi = mid;
    else
      lo = mid;
  }
  // knot[lo] <= t < knot[lo + 1]
  if (side < 0 && t == knot[lo])
    while (lo > first && knot[lo] == t)
      lo--;
  return lo - first;
}

bool ON_MakeClampedUniformKnotVector(int order, int cv_count, double* knot, double delta)
{
  if (!knot || order < 2 || cv_count < order || !(delta > 0.0))
    return false;
  double k = 0.0;
  for (int i = order - 2; i < cv_count; i++, k += delta)
    knot[i] = k;
  for (int i = 0; i < order - 2; i++)
    knot[i] = knot[order - 2];
  for (int i = cv_count; i < order + cv_count - 2; i++)
    knot[i] = knot[cv_count - 1];
  return true;
}

bool ON_IsValidKnotVector(int order, int cv_count, const double* knot)
{
  if (!knot || order < 2 || cv_count < order)
    return false;
  const int count = order + cv_count - 2;
  for (int i = 0; i < count; i++)
    if (!ON_IsValid(knot[i]))
      return false;
  if (!(knot[order - 2] < knot[order - 1]) || !(knot[cv_count - 2] < knot[cv_count - 1]))
    return false;
  for (int i = 0; i + 1 < count; i++)
    if (knot[i + 1] < knot[i])
      return false;
  for (int i = 0; i + order - 1 < count && i <= cv_count - 2; i++)
    if (!(knot[i] < knot[i + order - 1]))
      return false;
  return true;
}

double ON_GrevilleAbcissa(int order, const double* knot)
{
  const int degree = order - 1;
  double sum = 0.0;
  for (int i = 0; i < degree; i++)
    sum += knot[i];
  return sum / degree;
}
