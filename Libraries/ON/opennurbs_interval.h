#pragma once

#include "opennurbs_defines.h"

// Closed interval [m_t[0], m_t[1]]; the ends may be in either order.
class ON_CLASS ON_Interval
{
public:
  double m_t[2];

  static const ON_Interval EmptyInterval; // both ends ON_UNSET_VALUE
  static const ON_Interval ZeroToOne;

  // The v5 default: both ends 0.
  constexpr ON_Interval() : m_t{0.0, 0.0} {}
  constexpr ON_Interval(double t0, double t1) : m_t{t0, t1} {}

  double& operator[](int i);
  double operator[](int i) const;
  bool operator==(const ON_Interval& other) const;
  bool operator!=(const ON_Interval& other) const;

  void Set(double t0, double t1);
  // Both ends set to ON_UNSET_VALUE.
  void Destroy();

  double Min() const;
  double Max() const;
  double Mid() const;
  // Signed: m_t[1] - m_t[0].
  double Length() const;

  // (1-x)*m_t[0] + x*m_t[1]; ON_UNSET_VALUE for an invalid x.
  double ParameterAt(double x) const;
  ON_Interval ParameterAt(ON_Interval x) const;
  // Inverse of ParameterAt; 0 for a singleton, ON_UNSET_VALUE for an invalid t.
  double NormalizedParameterAt(double t) const;
  ON_Interval NormalizedParameterAt(ON_Interval t) const;

  bool IsValid() const;      // both ends valid
  bool IsIncreasing() const; // valid and m_t[0] < m_t[1]
  bool IsDecreasing() const; // valid and m_t[0] > m_t[1]
  bool IsInterval() const;   // valid and m_t[0] != m_t[1]
  bool IsSingleton() const;  // valid and m_t[0] == m_t[1]
  bool IsEmptySet() const;   // both ends ON_UNSET_VALUE

  // t in [Min, Max] (open interval when bTestOpenInterval).
  bool Includes(double t, bool bTestOpenInterval = false) const;
  // other inside this interval (a proper subset when bProperSubSet).
  bool Includes(const ON_Interval& other, bool bProperSubSet = false) const;

  // Exchanges the ends.
  void Swap();
  // [a, b] becomes [-b, -a].
  void Reverse();
  // Makes the interval increasing; false for an invalid interval.
  bool MakeIncreasing();

  // Intersection with another interval; an empty result is EmptyInterval and false.
  bool Intersection(const ON_Interval& other);
  // Smallest interval holding both; EmptyInterval inputs are ignored.
  bool Union(const ON_Interval& other);
};
