#pragma once

#include "opennurbs_3dpoint.h"
#include "opennurbs_3dvector.h"
#include "opennurbs_array.h"
#include "opennurbs_geometry.h"
#include "opennurbs_interval.h"

// Parametric curve C(t) over Domain().
class ON_NurbsCurve;
class ON_Arc;
class ON_Plane;

class ON_CLASS ON_Curve : public ON_Geometry
{
  ON_OBJECT_DECLARE(ON_Curve);

public:
  ON_Curve() = default;
  ON_Curve(const ON_Curve&) = default;
  ON_Curve& operator=(const ON_Curve&) = default;
  ~ON_Curve() override = default;

  ON::object_type ObjectType() const override;

  virtual ON_Interval Domain() const = 0;
  // v receives the point and der_count derivatives, v_stride doubles apart. side < 0 evaluates
  // from the left at interior knots.
  virtual bool Evaluate(double t, int der_count, int v_stride, double* v, int side = 0, int* hint = nullptr) const = 0;
  // NURBS form of the curve: 1 exact with the same parameterisation, 2 the same point set with a
  // different parameterisation over the same domain (arcs), 0 none. A subdomain trims the form.
  virtual int GetNurbForm(ON_NurbsCurve& nurbs, double tolerance = 0.0, const ON_Interval* subdomain = nullptr) const;

  // Polynomial degree and span layout; the defaults read the NURBS form.
  virtual int Degree() const;
  virtual int SpanCount() const;
  // SpanCount() + 1 increasing parameters: the domain ends and the interior span breaks.
  virtual bool GetSpanVector(double* span_vector) const;

  // Start and end coincide (ON_PointsAreCoincident) and the curve leaves them: the points at a
  // third and two thirds of the domain coincide with neither end.
  virtual bool IsClosed() const;
  // Every point lies within tolerance of the chord from start to end and the curve runs along it
  // without turning back. The chord must have positive length.
  virtual bool IsLinear(double tolerance = ON_ZERO_TOLERANCE) const;
  // Number of polyline points when the curve is a polyline with linear parameterisation on each
  // segment, else 0. The outputs are emptied first and receive the points and their parameters;
  // a closed result ends with a copy of its first point.
  virtual int IsPolyline(ON_SimpleArray<ON_3dPoint>* pline_points = nullptr,
                         ON_SimpleArray<double>* pline_t = nullptr) const;
  // The curve is an arc (or a full circle) within tolerance (<= 0 means ON_ZERO_TOLERANCE): the arc
  // through its start, middle and end points meets every span sample within tolerance, in order.
  // Without a plane the curve must be planar; a given plane is not otherwise used. Lines are not arcs.
  virtual bool IsArc(const ON_Plane* plane = nullptr, ON_Arc* arc = nullptr,
                     double tolerance = ON_ZERO_TOLERANCE) const;
  // Every point within tolerance of one plane; plane receives it (origin at the start point).
  virtual bool IsPlanar(ON_Plane* plane = nullptr, double tolerance = ON_ZERO_TOLERANCE) const;

  // Arc length over the domain or a part of it; |computed - true| <= fractional_tolerance * true.
  virtual bool GetLength(double* length, double fractional_tolerance = 1.0e-8,
                         const ON_Interval* sub_domain = nullptr) const;
  // t where the length from the domain start is s (0 <= s <= 1) times the whole length; s = 0 and
  // s = 1 give the domain ends exactly.
  virtual bool GetNormalizedArcLengthPoint(double s, double* t, double fractional_tolerance = 1.0e-8,
                                           const ON_Interval* sub_domain = nullptr) const;
  // The same for count values of s at once; absolute_tolerance > 0 bounds the length error of each
  // point instead of the fractional tolerance when it is the looser of the two.
  virtual bool GetNormalizedArcLengthPoints(int count, const double* s, double* t, double absolute_tolerance = 0.0,
                                            double fractional_tolerance = 1.0e-8,
                                            const ON_Interval* sub_domain = nullptr) const;
  // Parameter of the nearest curve point. With maximum_distance > 0 a nearest point farther than
  // that fails. sub_domain restricts the search.
  virtual bool GetClosestPoint(const ON_3dPoint& P, double* t, double maximum_distance = 0.0,
                               const ON_Interval* sub_domain = nullptr) const;

  // NURBS form in pNurbsCurve, or in a new curve the caller deletes; null when there is none.
  ON_NurbsCurve* NurbsCurve(ON_NurbsCurve* pNurbsCurve = nullptr, double tolerance = 0.0,
                            const ON_Interval* subdomain = nullptr) const;

  // ON_3dPoint::UnsetPoint when the evaluation fails.
  ON_3dPoint PointAt(double t) const;
  ON_3dPoint PointAtStart() const;
  ON_3dPoint PointAtEnd() const;
  ON_3dVector DerivativeAt(double t) const;
  // Unit tangent; (0,0,0) where the first derivative vanishes.
  ON_3dVector TangentAt(double t) const;
  // K = (D2 - (D2.T)T) / (D1.D1) with T the unit tangent: |K| = 1/radius, towards the centre.
  // Where D1 vanishes K is (0,0,0).
  ON_3dVector CurvatureAt(double t) const;
  bool EvPoint(double t, ON_3dPoint& point, int side = 0, int* hint = nullptr) const;
  bool Ev1Der(double t, ON_3dPoint& point, ON_3dVector& derivative, int side = 0, int* hint = nullptr) const;
  bool Ev2Der(double t, ON_3dPoint& point, ON_3dVector& first_derivative, ON_3dVector& second_derivative, int side = 0,
              int* hint = nullptr) const;
  bool EvTangent(double t, ON_3dPoint& point, ON_3dVector& tangent, int side = 0, int* hint = nullptr) const;
  // False where the first derivative vanishes (tangent from the second derivative, K zero).
  bool EvCurvature(double t, ON_3dPoint& point, ON_3dVector& tangent, ON_3dVector& kappa, int side = 0,
                   int* hint = nullptr) const;
};

// The toolkit's coincidence test: per coordinate |a - b| <= ON_ZERO_TOLERANCE or
// |a - b| <= (|a| + |b|) * ON_RELATIVE_TOLERANCE; rational points are divided by their weights first
// (both weights 0 compares the raw values, one weight 0 is never coincident).
ON_DECL bool ON_PointsAreCoincident(int dim, bool is_rat, const double* pointA, const double* pointB);
ON_DECL bool ON_PointsAreCoincident(const ON_3dPoint& A, const ON_3dPoint& B);

// Unit tangent and curvature from the first two derivatives (see ON_Curve::CurvatureAt); false when
// D1 is zero.
ON_DECL bool ON_EvCurvature(const ON_3dVector& D1, const ON_3dVector& D2, ON_3dVector& T, ON_3dVector& K);
