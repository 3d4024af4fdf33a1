#pragma once

#include "opennurbs_3dpoint.h"
#include "opennurbs_3dvector.h"

class ON_Plane;

// 4x4 transformation acting on points taken as column vectors: p' = M * (x, y, z, 1).
class ON_CLASS ON_Xform
{
public:
  double m_xform[4][4]; // [row][column]

  // All zero except m_xform[3][3] = 1, as the toolkit does (not the identity).
  ON_Xform();
  // Diagonal (d, d, d, 1): ON_Xform(1) is the identity.
  explicit ON_Xform(int d);
  explicit ON_Xform(double d);
  // Row-major 16 values.
  explicit ON_Xform(const double m[4][4]);

  double* operator[](int i);
  const double* operator[](int i) const;

  void Identity();
  void Zero();
  bool IsIdentity(double zero_tolerance = 0.0) const;
  bool IsValid() const;

  // Maps plane0 onto plane1: its origin to plane1's origin, axis k to plane1's axis k.
  void Rotation(const ON_Plane& plane0, const ON_Plane& plane1);
  // Rotation by angle (radians) about an axis through center.
  void Rotation(double angle, ON_3dVector axis, ON_3dPoint center);
  void Rotation(double sin_angle, double cos_angle, ON_3dVector axis, ON_3dPoint center);

  void Translation(double dx, double dy, double dz);
  void Translation(const ON_3dVector& delta);
  void Scale(double x_scale_factor, double y_scale_factor, double z_scale_factor);
  void Scale(const ON_3dVector& scale_vector);
  void Scale(ON_3dPoint fixed_point, double scale_factor);

  // Gauss-Jordan with full pivoting; a singular matrix gives a partial result.
  // pivot (optional) receives the smallest pivot magnitude.
  ON_Xform Inverse(double* pivot = nullptr) const;
  // Inverts in place; false (matrix still overwritten) when the rank is below 4.
  bool Invert(double* pivot = nullptr);
  void Transpose();
  double Determinant(double* pivot = nullptr) const;

  ON_Xform operator*(const ON_Xform& rhs) const;
  // Points are divided by the homogeneous w unless it is 0.
  ON_3dPoint operator*(const ON_3dPoint& p) const;
  // Vectors use the upper-left 3x3 only.
  ON_3dVector operator*(const ON_3dVector& v) const;

private:
  int InvertInPlace(double* pivot);
};
