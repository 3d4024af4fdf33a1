#include "opennurbs_xform.h"

#include "opennurbs_plane.h"

#include <cmath>
#include <cstring>
#include <utility>

ON_Xform::ON_Xform()
{
  Zero();
  m_xform[3][3] = 1.0;
}

ON_Xform::ON_Xform(int d) : ON_Xform(static_cast<double>(d)) {}

ON_Xform::ON_Xform(double d)
{
  Zero();
  m_xform[0][0] = m_xform[1][1] = m_xform[2][2] = d;
  m_xform[3][3] = 1.0;
}

ON_Xform::ON_Xform(const double m[4][4]) { std::memcpy(m_xform, m, sizeof(m_xform)); }

double* ON_Xform::operator[](int i) { return m_xform[i]; }

const double* ON_Xform::operator[](int i) const { return m_xform[i]; }

void ON_Xform::Identity() { *this = ON_Xform(1.0); }

void ON_Xform::Zero() { std::memset(m_xform, 0, sizeof(m_xform)); }

bool ON_Xform::IsIdentity(double zero_tolerance) const
{
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 4; j++)
      if (std::fabs(m_xform[i][j] - (i == j ? 1.0 : 0.0)) > zero_tolerance)
        return false;
  return true;
}

bool ON_Xform::IsValid() const
{
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 4; j++)
      if (!ON_IsValid(m_xform[i][j]))
        return false;
  return true;
}

void ON_Xform::Rotation(const ON_Plane& plane0, const ON_Plane& plane1)
{
  // T(origin1) * sum_k axis1_k * axis0_k^T * T(-origin0)
  const ON_3dVector from[3] = {plane0.xaxis, plane0.yaxis, plane0.zaxis};
  const ON_3dVector to[3] = {plane1.xaxis, plane1.yaxis, plane1.zaxis};
  ON_Xform rotation(1.0);
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 3; j++)
      rotation.m_xform[i][j] = to[0][i] * from[0][j] + to[1][i] * from[1][j] + to[2][i] * from[2][j];
  ON_Xform to_origin, from_origin;
  to_origin.Translation(-ON_3dVector(plane0.origin));
  from_origin.Translation(ON_3dVector(plane1.origin));
  *this = from_origin * rotation * to_origin;
}

void ON_Xform::Rotation(double angle, ON_3dVector axis, ON_3dPoint center)
{
  Rotation(std::sin(angle), std::cos(angle), axis, center);
}

void ON_Xform::Rotation(double sin_angle, double cos_angle, ON_3dVector axis, ON_3dPoint center)
{
  Identity();
  if (!axis.Unitize())
    return;
  const double s = sin_angle, c = cos_angle, t = 1.0 - c;
  const double x = axis.x, y = axis.y, z = axis.z;
  const double r[3][3] = {{t * x * x + c, t * x * y - s * z, t * x * z + s * y},
                          {t * x * y + s * z, t * y * y + c, t * y * z - s * x},
                          {t * x * z - s * y, t * y * z + s * x, t * z * z + c}};
  for (int i = 0; i < 3; i++)
  {
    for (int j = 0; j < 3; j++)
      m_xform[i][j] = r[i][j];
    m_xform[i][3] = center[i] - (r[i][0] * center.x + r[i][1] * center.y + r[i][2] * center.z);
  }
}

void ON_Xform::Translation(double dx, double dy, double dz)
{
  Identity();
  m_xform[0][3] = dx;
  m_xform[1][3] = dy;
  m_xform[2][3] = dz;
}

void ON_Xform::Translation(const ON_3dVector& delta) { Translation(delta.x, delta.y, delta.z); }

void ON_Xform::Scale(double x_scale_factor, double y_scale_factor, double z_scale_factor)
{
  Zero();
  m_xform[0][0] = x_scale_factor;
  m_xform[1][1] = y_scale_factor;
  m_xform[2][2] = z_scale_factor;
  m_xform[3][3] = 1.0;
}

void ON_Xform::Scale(const ON_3dVector& scale_vector) { Scale(scale_vector.x, scale_vector.y, scale_vector.z); }

void ON_Xform::Scale(ON_3dPoint fixed_point, double scale_factor)
{
  Scale(scale_factor, scale_factor, scale_factor);
  if (fixed_point.x == 0.0 && fixed_point.y == 0.0 && fixed_point.z == 0.0)
    return;
  for (int i = 0; i < 3; i++)
    m_xform[i][3] = fixed_point[i] - scale_factor * fixed_point[i];
}

ON_Xform ON_Xform::Inverse(double* pivot) const
{
  ON_Xform inverse(*this);
  inverse.InvertInPlace(pivot);
  return inverse;
}

bool ON_Xform::Invert(double* pivot) { return InvertInPlace(pivot) == 4; }

// Gauss-Jordan elimination with full pivoting; returns the rank found.
int ON_Xform::InvertInPlace(double* pivot)
{
  double a[4][4], inv[4][4];
  std::memcpy(a, m_xform, sizeof(a));
  ON_Xform identity(1.0);
  std::memcpy(inv, identity.m_xform, sizeof(inv));
  int row_of[4] = {0, 1, 2, 3}; // column permutation caused by column swaps
  double smallest_pivot = 0.0;
  int rank = 0;
  for (int k = 0; k < 4; k++)
  {
    int pi = k, pj = k;
    double best = 0.0;
    for (int i = k; i < 4; i++)
      for (int j = k; j < 4; j++)
        if (std::fabs(a[i][j]) > best)
        {
          best = std::fabs(a[i][j]);
          pi = i;
          pj = j;
        }
    if (best == 0.0)
      break;
    smallest_pivot = (rank == 0 || best < smallest_pivot) ? best : smallest_pivot;
    rank++;
    if (pi != k)
      for (int j = 0; j < 4; j++)
      {
        std::swap(a[pi][j], a[k][j]);
        std::swap(inv[pi][j], inv[k][j]);
      }
    if (pj != k)
    {
      for (int i = 0; i < 4; i++)
        std::swap(a[i][pj], a[i][k]);
      std::swap(row_of[pj], row_of[k]);
    }
    const double scale = 1.0 / a[k][k];
    for (int j = 0; j < 4; j++)
    {
      a[k][j] *= scale;
      inv[k][j] *= scale;
    }
    for (int i = 0; i < 4; i++)
    {
      if (i == k)
        continue;
      const double f = a[i][k];
      if (std::fabs(f) <= ON_EPSILON * best)
        continue;
      for (int j = 0; j < 4; j++)
      {
        a[i][j] -= f * a[k][j];
        inv[i][j] -= f * inv[k][j];
      }
    }
  }
  // Column swaps of A become row swaps of its inverse.
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 4; j++)
      m_xform[row_of[i]][j] = inv[i][j];
  if (pivot)
    *pivot = smallest_pivot;
  return rank;
}

void ON_Xform::Transpose()
{
  for (int i = 0; i < 4; i++)
    for (int j = i + 1; j < 4; j++)
      std::swap(m_xform[i][j], m_xform[j][i]);
}

double ON_Xform::Determinant(double* pivot) const
{
  double a[4][4];
  std::memcpy(a, m_xform, sizeof(a));
  double det = 1.0, smallest = 0.0;
  for (int k = 0; k < 4; k++)
  {
    int p = k;
    for (int i = k + 1; i < 4; i++)
      if (std::fabs(a[i][k]) > std::fabs(a[p][k]))
        p = i;
    if (a[p][k] == 0.0)
    {
      det = 0.0;
      smallest = 0.0;
      break;
    }
    if (p != k)
    {
      for (int j = 0; j < 4; j++)
        std::swap(a[p][j], a[k][j]);
      det = -det;
    }
    smallest = (k == 0 || std::fabs(a[k][k]) < smallest) ? std::fabs(a[k][k]) : smallest;
    det *= a[k][k];
    for (int i = k + 1; i < 4; i++)
    {
      const double f = a[i][k] / a[k][k];
      for (int j = k; j < 4; j++)
        a[i][j] -= f * a[k][j];
    }
  }
  if (pivot)
    *pivot = smallest;
  return det;
}

ON_Xform ON_Xform::operator*(const ON_Xform& rhs) const
{
  ON_Xform product;
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 4; j++)
      product.m_xform[i][j] = m_xform[i][0] * rhs.m_xform[0][j] + m_xform[i][1] * rhs.m_xform[1][j] +
                              m_xform[i][2] * rhs.m_xform[2][j] + m_xform[i][3] * rhs.m_xform[3][j];
  return product;
}

ON_3dPoint ON_Xform::operator*(const ON_3dPoint& p) const
{
  double h[4];
  for (int i = 0; i < 4; i++)
    h[i] = m_xform[i][0] * p.x + m_xform[i][1] * p.y + m_xform[i][2] * p.z + m_xform[i][3];
  if (h[3] != 0.0 && h[3] != 1.0)
  {
    const double w = 1.0 / h[3];
    return ON_3dPoint(h[0] * w, h[1] * w, h[2] * w);
  }
  return ON_3dPoint(h[0], h[1], h[2]);
}

ON_3dVector ON_Xform::operator*(const ON_3dVector& v) const
{
  return ON_3dVector(m_xform[0][0] * v.x + m_xform[0][1] * v.y + m_xform[0][2] * v.z,
                     m_xform[1][0] * v.x + m_xform[1][1] * v.y + m_xform[1][2] * v.z,
                     m_xform[2][0] * v.x + m_xform[2][1] * v.y + m_xform[2][2] * v.z);
}
