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
  bool Evaluate(double t, int der_count, int v_stride, double* v, int side = 0, int* hint = nullptr) const override;
  // Parameter of the nearest curve point, searched span by span, nearest span first. With
  // maximum_distance > 0 a nearest point farther than that fails.
  bool GetClosestPoint(const ON_3dPoint& P, double* t, double maximum_distance = 0.0,
                       const ON_Interval* sub_domain = nullptr) const override;

  int Degree() const override;
  int SpanCount() const override;
  bool GetSpanVector(double* span_vector) const override;
  // Fewer than 4 control vertices is never closed; otherwise the generic test.
  bool IsClosed() const override;
  // Control-polygon tests. Clamped ends, and every interior control vertex within tolerance of the
  // chord between the end control vertices, projecting onto it in order (back-tracking only within
  // tolerance). A tolerance <= 0 asks for coincidence (ON_PointsAreCoincident) instead.
  bool IsLinear(double tolerance = ON_ZERO_TOLERANCE) const override;
  // Degree 1: the control vertices and knots. Higher degrees: every span a Bezier span whose control
  // vertices lie evenly along its chord.
  int IsPolyline(ON_SimpleArray<ON_3dPoint>* pline_points = nullptr,
                 ON_SimpleArray<double>* pline_t = nullptr) const override;
  // A tolerance <= ON_ZERO_TOLERANCE asks for the exact form too: rational, each knot of full
  // multiplicity (a Bezier span per piece). Then the generic test.
  bool IsArc(const ON_Plane* plane = nullptr, ON_Arc* arc = nullptr,
             double tolerance = ON_ZERO_TOLERANCE) const override;
  // The control vertices lie within tolerance of one plane (a 2-D curve: the world XY plane).
  bool IsPlanar(ON_Plane* plane = nullptr, double tolerance = ON_ZERO_TOLERANCE) const override;

  // end 0: start, 1: end, 2: both; the end knots have full multiplicity (degree).
  bool IsClamped(int end = 2) const;
  // Raises the multiplicity of knot_value (inside the domain) to knot_multiplicity <= degree by
  // knot insertion; the curve's shape and parameterisation are unchanged.
  bool InsertKnot(double knot_value, int knot_multiplicity);
  // Keeps the part over the increasing interval in_domain (clipped to the domain).
  bool Trim(const ON_Interval& in_domain);
  // Runs the other way: control vertices in reverse order, knots negated and reversed.
  bool Reverse();
  // Maps the knots linearly so the domain becomes [t0, t1] (t0 < t1).
  bool SetDomain(double t0, double t1);

  bool IsRational() const;
  int CVSize() const;
  int Order() const;
  int CVCount() const;
  int KnotCount() const;
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
