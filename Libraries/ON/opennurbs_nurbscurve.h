#pragma once

#include "opennurbs_4dpoint.h"
#include "opennurbs_curve.h"

class ON_Xform;

// NURBS curve; control vertex i is at m_cv + i*m_cv_stride, rational ones stored homogeneous.
class ON_CLASS ON_NurbsCurve : public ON_Curve
{
  ON_OBJECT_DECLARE(ON_NurbsCurve);

public:
  int m_dim = 0;
  int m_is_rat = 0;
  int m_order = 0;
  int m_cv_count = 0;
  int m_knot_capacity = 0;
  double* m_knot = nullptr;
  int m_cv_stride = 0;
  int m_cv_capacity = 0;
  double* m_cv = nullptr;

  ON_NurbsCurve() = default;
  ON_NurbsCurve(int dim, bool bIsRational, int order, int cv_count);
  ON_NurbsCurve(const ON_NurbsCurve& src);
  ON_NurbsCurve& operator=(const ON_NurbsCurve& src);
  ~ON_NurbsCurve() override;

  // Allocates knots and control vertices (left uninitialised); false, nothing changed, when
  // dim < 1, order < 2 or cv_count < order.
  bool Create(int dim, bool bIsRational, int order, int cv_count);
  // Non-rational curve on the points (first dimension coordinates), clamped uniform knots.
  bool CreateClampedUniformNurbs(int dimension, int order, int point_count, const ON_3dPoint* point,
                                 double knot_delta = 1.0);
  void Destroy();

  bool IsValid(ON_TextLog* text_log = nullptr) const override;
  int Dimension() const override;
  bool GetBBox(double* boxmin, double* boxmax, bool bGrowBox = false) const override;
  bool Write(ON_BinaryArchive& archive) const override;
  bool Read(ON_BinaryArchive& archive) override;
  int GetNurbForm(ON_NurbsCurve& nurbs, double tolerance = 0.0, const ON_Interval* subdomain = nullptr) const override;
  bool Transform(const ON_Xform& xform) override;

  ON_Interval Domain() const override;
  bool Evaluate(double t, int der_count, int v_stride, double* v, int side = 0,
                int* hint = nullptr) const override;
  // Parameter of the nearest curve point, searched span by span, nearest span first. With
  // maximum_distance > 0 a nearest point farther than that fails.
  bool GetClosestPoint(const ON_3dPoint& P, double* t, double maximum_distance = 0.0,
                       const ON_Interval* sub_domain = nullptr) const;

  bool IsRational() const;
  int CVSize() const;
  int Order() const;
  int Degree() const;
  int CVCount() const;
  int KnotCount() const;
  int SpanCount() const;
  double Knot(int knot_index) const;
  bool SetKnot(int knot_index, double knot_value);
  bool MakeClampedUniformKnotVector(double delta = 1.0);
  double GrevilleAbcissa(int cv_index) const;

  double* CV(int cv_index) const;
  double Weight(int cv_index) const;
  bool SetCV(int cv_index, const ON_3dPoint& point);
  bool SetCV(int cv_index, const ON_4dPoint& point);
  bool GetCV(int cv_index, ON_3dPoint& point) const;
  bool GetCV(int cv_index, ON_4dPoint& point) const;

private:
  void CopyFrom(const ON_NurbsCurve& src);
  bool LocalClosestPoint(const ON_3dPoint& P, const ON_Interval& span, double* t) const;
};
