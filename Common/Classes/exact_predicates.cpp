#include "exact_predicates.h"

#include <cmath>

// Expansions are arrays of non-overlapping doubles in order of increasing magnitude whose exact sum
// is the value represented. Every operation below is exact under round-to-nearest-even arithmetic.
namespace
{

double g_splitter = 134217729.0; // 2^27 + 1
double g_boundA = 0.0;           // fast filter
double g_boundB = 0.0;           // exact products of rounded differences

void TwoSum(double a, double b, double& x, double& y)
{
  x = a + b;
  const double bVirtual = x - a;
  const double aVirtual = x - bVirtual;
  y = (a - aVirtual) + (b - bVirtual);
}

void FastTwoSum(double a, double b, double& x, double& y)
{
  x = a + b;
  y = b - (x - a);
}

double TwoDiffTail(double a, double b, double x)
{
  const double bVirtual = a - x;
  const double aVirtual = x + bVirtual;
  return (a - aVirtual) + (bVirtual - b);
}

void Split(double a, double& high, double& low)
{
  const double c = g_splitter * a;
  high = c - (c - a);
  low = a - high;
}

void TwoProduct(double a, double b, double& x, double& y)
{
  x = a * b;
  double aHigh, aLow, bHigh, bLow;
  Split(a, aHigh, aLow);
  Split(b, bHigh, bLow);
  const double err1 = x - aHigh * bHigh;
  const double err2 = err1 - aLow * bHigh;
  const double err3 = err2 - aHigh * bLow;
  y = aLow * bLow - err3;
}

// h = e + f; returns the length of h (zero components dropped).
int ExpansionSum(int eLength, const double* e, int fLength, const double* f, double* h)
{
  double merged[256];
  int ei = 0, fi = 0, count = 0;
  while (ei < eLength || fi < fLength)
  {
    const bool takeE = fi >= fLength || (ei < eLength && std::fabs(e[ei]) < std::fabs(f[fi]));
    merged[count++] = takeE ? e[ei++] : f[fi++];
  }
  if (count == 0)
  {
    h[0] = 0.0;
    return 1;
  }
  int length = 0;
  double q = merged[0];
  for (int i = 1; i < count; ++i)
  {
    double sum, tail;
    TwoSum(q, merged[i], sum, tail);
    if (tail != 0.0)
      h[length++] = tail;
    q = sum;
  }
  if (q != 0.0 || length == 0)
    h[length++] = q;
  return length;
}

// h = b * e; returns the length of h.
int ScaleExpansion(int eLength, const double* e, double b, double* h)
{
  int length = 0;
  double q, tail;
  TwoProduct(e[0], b, q, tail);
  if (tail != 0.0)
    h[length++] = tail;
  for (int i = 1; i < eLength; ++i)
  {
    double high, low, sum;
    TwoProduct(e[i], b, high, low);
    TwoSum(q, low, sum, tail);
    if (tail != 0.0)
      h[length++] = tail;
    FastTwoSum(high, sum, q, tail);
    if (tail != 0.0)
      h[length++] = tail;
  }
  if (q != 0.0 || length == 0)
    h[length++] = q;
  return length;
}

// The rounded value of an expansion, carrying the exact sign of its largest component.
double ExpansionValue(int length, const double* e)
{
  double sum = 0.0;
  for (int i = 0; i < length; ++i)
    sum += e[i];
  const double top = e[length - 1];
  if ((top > 0.0 && sum <= 0.0) || (top < 0.0 && sum >= 0.0) || (top == 0.0 && sum != 0.0))
    return top;
  return sum;
}

// x0 y1 - x1 y0 as an expansion of up to four components.
int CrossTerm(double x0, double y1, double x1, double y0, double* h)
{
  double p[2], q[2];
  TwoProduct(x0, y1, p[1], p[0]);
  TwoProduct(x1, y0, q[1], q[0]);
  q[0] = -q[0];
  q[1] = -q[1];
  return ExpansionSum(2, p, 2, q, h);
}

// Determinant of rows (pa - pd, pb - pd, pc - pd), exactly, from the original coordinates.
double Orient3dExact(const double* pa, const double* pb, const double* pc, const double* pd)
{
  const double* p[4] = {pa, pb, pc, pd};
  // Minor of the x, y columns for rows i < j.
  double minor[4][4][4];
  int minorLength[4][4] = {};
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j)
      minorLength[i][j] = CrossTerm(p[i][0], p[j][1], p[j][0], p[i][1], minor[i][j]);

  // det = sum over rows k of z_k times the signed sum of the minors of the other rows.
  static const int kOthers[4][3] = {{1, 2, 3}, {0, 2, 3}, {0, 1, 3}, {0, 1, 2}};
  static const double kRowSign[4] = {1.0, -1.0, 1.0, -1.0};
  double total[256];
  int totalLength = 1;
  total[0] = 0.0;
  for (int k = 0; k < 4; ++k)
  {
    const int r0 = kOthers[k][0], r1 = kOthers[k][1], r2 = kOthers[k][2];
    // Signed 3x3 minor over (x, y, 1) of rows r0 < r1 < r2: m(r1,r2) - m(r0,r2) + m(r0,r1).
    double negated[4];
    for (int i = 0; i < minorLength[r0][r2]; ++i)
      negated[i] = -minor[r0][r2][i];
    double partial[8], threeMinor[12];
    const int partialLength = ExpansionSum(minorLength[r1][r2], minor[r1][r2], minorLength[r0][r2], negated, partial);
    const int threeLength = ExpansionSum(partialLength, partial, minorLength[r0][r1], minor[r0][r1], threeMinor);
    double scaled[24], sum[256];
    const int scaledLength = ScaleExpansion(threeLength, threeMinor, kRowSign[k] * p[k][2], scaled);
    totalLength = ExpansionSum(totalLength, total, scaledLength, scaled, sum);
    for (int i = 0; i < totalLength; ++i)
      total[i] = sum[i];
  }
  return ExpansionValue(totalLength, total);
}

// Exact expansion of the determinant of the rounded differences; exact when the differences are.
double Orient3dDifferences(const double d[3][3], double permanent, bool& decided)
{
  double bc[4], ca[4], ab[4], aTerm[8], bTerm[8], cTerm[8], partial[16], full[24];
  const int bcLength = CrossTerm(d[1][0], d[2][1], d[2][0], d[1][1], bc);
  const int caLength = CrossTerm(d[2][0], d[0][1], d[0][0], d[2][1], ca);
  const int abLength = CrossTerm(d[0][0], d[1][1], d[1][0], d[0][1], ab);
  const int aLength = ScaleExpansion(bcLength, bc, d[0][2], aTerm);
  const int bLength = ScaleExpansion(caLength, ca, d[1][2], bTerm);
  const int cLength = ScaleExpansion(abLength, ab, d[2][2], cTerm);
  const int partialLength = ExpansionSum(aLength, aTerm, bLength, bTerm, partial);
  const int fullLength = ExpansionSum(partialLength, partial, cLength, cTerm, full);
  const double det = ExpansionValue(fullLength, full);
  decided = std::fabs(det) >= g_boundB * permanent;
  return det;
}

double Orient3d(const double* pa, const double* pb, const double* pc, const double* pd)
{
  const double* rows[3] = {pa, pb, pc};
  double d[3][3];
  for (int r = 0; r < 3; ++r)
    for (int k = 0; k < 3; ++k)
      d[r][k] = rows[r][k] - pd[k];

  const double bdxcdy = d[1][0] * d[2][1], cdxbdy = d[2][0] * d[1][1];
  const double cdxady = d[2][0] * d[0][1], adxcdy = d[0][0] * d[2][1];
  const double adxbdy = d[0][0] * d[1][1], bdxady = d[1][0] * d[0][1];
  const double det = d[0][2] * (bdxcdy - cdxbdy) + d[1][2] * (cdxady - adxcdy) + d[2][2] * (adxbdy - bdxady);
  const double permanent = (std::fabs(bdxcdy) + std::fabs(cdxbdy)) * std::fabs(d[0][2]) +
                           (std::fabs(cdxady) + std::fabs(adxcdy)) * std::fabs(d[1][2]) +
                           (std::fabs(adxbdy) + std::fabs(bdxady)) * std::fabs(d[2][2]);
  if (std::fabs(det) > g_boundA * permanent)
    return det;

  bool decided = false;
  const double refined = Orient3dDifferences(d, permanent, decided);
  if (decided)
    return refined;
  bool differencesExact = true;
  for (int r = 0; r < 3; ++r)
    for (int k = 0; k < 3; ++k)
      differencesExact = differencesExact && TwoDiffTail(rows[r][k], pd[k], d[r][k]) == 0.0;
  if (differencesExact)
    return refined;
  return Orient3dExact(pa, pb, pc, pd);
}

} // namespace

void exact_predicates::Init()
{
  double epsilon = 1.0, splitter = 1.0, check = 1.0, lastCheck;
  bool everyOther = true;
  do
  {
    lastCheck = check;
    epsilon *= 0.5;
    if (everyOther)
      splitter *= 2.0;
    everyOther = !everyOther;
    check = 1.0 + epsilon;
  } while (check != 1.0 && check != lastCheck);
  g_splitter = splitter + 1.0;
  g_boundA = (7.0 + 56.0 * epsilon) * epsilon;
  g_boundB = (3.0 + 28.0 * epsilon) * epsilon;
}

double exact_predicates::Orient(const double* b, const double* c, const double* d, const double* a)
{
  if (g_boundA == 0.0)
    Init();
  return Orient3d(b, c, d, a);
}

double exact_predicates::OrientExact(const double* b, const double* c, const double* d, const double* a)
{
  if (g_boundA == 0.0)
    Init();
  return Orient3dExact(b, c, d, a);
}
