#include "opennurbs_evaluate_nurbs.h"

#include <utility>
#include <vector>

namespace
{

const int kStackOrder = 8;

// Triangular table of basis values (upper part, column = degree) and knot differences (lower part).
// kOrder fixes the order at compile time (0: the run-time order) so that small orders unroll.
template <int kOrder>
void BasisTable(int runtime_order, const double* knot, double t, double* table, double* left, double* right)
{
  const int order = kOrder ? kOrder : runtime_order;
  const int degree = order - 1;
  auto at = [&](int r, int c) -> double& { return table[r * order + c]; };
  at(0, 0) = 1.0;
  for (int j = 1; j <= degree; j++)
  {
    left[j] = t - knot[degree - j];
    right[j] = knot[degree + j - 1] - t;
    double saved = 0.0;
    for (int r = 0; r < j; r++)
    {
      at(j, r) = right[r + 1] + left[j - r];
      const double temp = at(r, j - 1) / at(j, r);
      at(r, j) = saved + right[r + 1] * temp;
      saved = left[j - r] * temp;
    }
    at(j, j) = saved;
  }
}

template <int kOrder>
void Derivatives(int runtime_order, const double* table, int der_count, double* a, double* N)
{
  const int order = kOrder ? kOrder : runtime_order;
  const int degree = order - 1;
  auto ndu = [&](int r, int c) { return table[r * order + c]; };
  const int top = der_count < degree ? der_count : degree;
  for (int r = 0; r <= degree; r++)
  {
    double* a1 = a;
    double* a2 = a + order;
    a1[0] = 1.0;
    for (int k = 1; k <= top; k++)
    {
      double d = 0.0;
      const int rk = r - k, pk = degree - k;
      if (r >= k)
      {
        a2[0] = a1[0] / ndu(pk + 1, rk);
        d = a2[0] * ndu(rk, pk);
      }
      const int j1 = rk >= -1 ? 1 : -rk;
      const int j2 = (r - 1 <= pk) ? k - 1 : degree - r;
      for (int j = j1; j <= j2; j++)
      {
        a2[j] = (a1[j] - a1[j - 1]) / ndu(pk + 1, rk + j);
        d += a2[j] * ndu(rk + j, pk);
      }
      if (r <= pk)
      {
        a2[k] = -a1[k - 1] / ndu(pk + 1, r);
        d += a2[k] * ndu(r, pk);
      }
      N[k * order + r] = d;
      std::swap(a1, a2);
    }
  }
  double factor = degree;
  for (int k = 1; k <= top; k++)
  {
    for (int j = 0; j < order; j++)
      N[k * order + j] *= factor;
    factor *= degree - k;
  }
}

template <int kOrder>
void Evaluate(int order, const double* knot, double t, int der_count, double* table, double* N)
{
  double* left = table + order * order;
  double* right = left + order;
  double* a = right + order;
  BasisTable<kOrder>(order, knot, t, table, left, right);
  for (int j = 0; j < order; j++)
    N[j] = table[j * order + order - 1];
  for (int k = 1; k <= der_count; k++)
    for (int j = 0; j < order; j++)
      N[k * order + j] = 0.0;
  Derivatives<kOrder>(order, table, der_count, a, N);
}

} // namespace

bool ON_EvaluateNurbsBasisDerivatives(int order, const double* knot, double t, int der_count, double* N)
{
  if (order < 2 || !knot || !N || der_count < 0)
    return false;
  double stack[kStackOrder * kStackOrder + 4 * kStackOrder];
  std::vector<double> heap;
  double* table = stack;
  if (order > kStackOrder)
  {
    heap.resize(order * order + 4 * order);
    table = heap.data();
  }
  switch (order)
  {
  case 2:
    Evaluate<2>(order, knot, t, der_count, table, N);
    break;
  case 3:
    Evaluate<3>(order, knot, t, der_count, table, N);
    break;
  case 4:
    Evaluate<4>(order, knot, t, der_count, table, N);
    break;
  default:
    Evaluate<0>(order, knot, t, der_count, table, N);
    break;
  }
  return true;
}
