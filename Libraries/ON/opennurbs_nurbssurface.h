#pragma once

#include "opennurbs_4dpoint.h"
#include "opennurbs_surface.h"

class ON_Xform;

// Tensor-product NURBS surface. Control vertex (i, j) is at m_cv + i*m_cv_stride[0] + j*m_cv_stride[1];
// Create lays them out with j (direction 1) contiguous. Rational vertices are stored homogeneous.
class ON_CLASS ON_NurbsSurface : public ON_Surface
{
  ON_OBJECT_DECLARE(ON_NurbsSurface);

public:
  int m_dim = 0;
  int m_is_rat = 0;
  int m_order[2] = {0, 0};
  int m_cv_count[2] = {0, 0};
  int m_knot_capacity[2] = {0, 0};
  double* m_knot[2] = {nullptr, nullptr};
  int m_cv_stride[2] = {0, 0};
  int m_cv_capacity = 0;
  double* m_cv = nullptr;

  ON_NurbsSurface() = default;
  ON_NurbsSurface(int dim, bool is_rat, int order0, int order1, int cv_count0, int cv_count1);
  ON_NurbsSurface(const ON_NurbsSurface& src);
  ON_NurbsSurface& operator=(const ON_NurbsSurface& src);
  ~ON_NurbsSurface() override;

  // Allocates knots and control vertices (left uninitialised). False, and nothing changed, when
  // dim < 1, an order < 2 or a count is below its order.
  bool Create(int dim, bool is_rat, int order0, int order1, int cv_count0, int cv_count1);
  void Destroy();

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;
  int GetNurbForm(ON_NurbsSurface& nurbs, double tolerance = 0.0) const override;
  bool Transform(const ON_Xform& xform) override;

  ON_Interval Domain(int dir) const override;
  bool Evaluate(double s, double t, int der_count, int v_stride, double* v, int quadrant = 0,
                int* hint = nullptr) const override;
  // Global search over the spans, nearest span first, each by a local search.
  bool GetClosestPoint(const ON_3dPoint& P, double* s, double* t, double maximum_distance = 0.0,
                       const ON_Interval* sdomain = nullptr, const ON_Interval* tdomain = nullptr) const override;

  // Exact NURBS curve: order, count and knots of direction dir, control vertices blended across
  // the other direction at c (outside the domain the end span is extrapolated). Null when dir is
  // not 0 or 1 or the surface is invalid.
  ON_Curve* IsoCurve(int dir, double c) const override;

  bool IsRational() const;
  int CVSize() const;
  int Order(int dir) const;
  int Degree(int dir) const;
  int CVCount(int dir) const;
  int CVCount() const;
  int KnotCount(int dir) const;
  int SpanCount(int dir) const;
  double Knot(int dir, int knot_index) const;
  bool SetKnot(int dir, int knot_index, double knot_value);
  // Clamped, uniform with spacing delta; dir 0 or 1. False when delta <= 0 or knots are missing.
  bool MakeClampedUniformKnotVector(int dir, double delta = 1.0);
  double GrevilleAbcissa(int dir, int cv_index) const;

  double* CV(int i, int j) const;
  double Weight(int i, int j) const;
  // First dim coordinates; weight 1 on a rational surface.
  bool SetCV(int i, int j, const ON_3dPoint& point);
  // Homogeneous on a rational surface; a non-rational surface divides by w (false when w is 0).
  bool SetCV(int i, int j, const ON_4dPoint& point);
  // Euclidean; false when the weight is 0.
  bool GetCV(int i, int j, ON_3dPoint& point) const;
  bool GetCV(int i, int j, ON_4dPoint& point) const;

private:
  void CopyFrom(const ON_NurbsSurface& src);
  bool EvaluateHomogeneous(double s, double t, int der_count, int quadrant, int* hint, double* h) const;
};
