#include "opennurbs_interval.h"

#include <algorithm>

const ON_Interval ON_Interval::EmptyInterval(ON_UNSET_VALUE, ON_UNSET_VALUE);
const ON_Interval ON_Interval::ZeroToOne(0.0, 1.0);

double& ON_Interval::operator[](int i) { return m_t[(i <= 0) ? 0 : 1]; }
double ON_Interval::operator[](int i) const { return m_t[(i <= 0) ? 0 : 1]; }
bool ON_Interval::operator==(const ON_Interval& other) const
{
  return m_t[0] == other.m_t[0] && m_t[1] == other.m_t[1];
}
bool ON_Interval::operator!=(const ON_Interval& other) const { return !(*this == other); }

void ON_Interval::Set(double t0, double t1)
{
  m_t[0] = t0;
  m_t[1] = t1;
}

void ON_Interval::Destroy() { Set(ON_UNSET_VALUE, ON_UNSET_VALUE); }

double ON_Interval::Min() const { return std::min(m_t[0], m_t[1]); }
double ON_Interval::Max() const { return std::max(m_t[0], m_t[1]); }
double ON_Interval::Mid() const { return 0.5 * (m_t[0] + m_t[1]); }
double ON_Interval::Length() const { return m_t[1] - m_t[0]; }

double ON_Interval::ParameterAt(double x) const
{
  return ON_IsValid(x) ? (1.0 - x) * m_t[0] + x * m_t[1] : ON_UNSET_VALUE;
}

ON_Interval ON_Interval::ParameterAt(ON_Interval x) const
{
  return ON_Interval(ParameterAt(x.m_t[0]), ParameterAt(x.m_t[1]));
}

double ON_Interval::NormalizedParameterAt(double t) const
{
  if (!ON_IsValid(t))
    return ON_UNSET_VALUE;
  if (m_t[0] == m_t[1])
    return 0.0;
  return (t == m_t[1]) ? 1.0 : (t - m_t[0]) / (m_t[1] - m_t[0]);
}

ON_Interval ON_Interval::NormalizedParameterAt(ON_Interval t) const
{
  return ON_Interval(NormalizedParameterAt(t.m_t[0]), NormalizedParameterAt(t.m_t[1]));
}

bool ON_Interval::IsValid() const { return ON_IsValid(m_t[0]) && ON_IsValid(m_t[1]); }
bool ON_Interval::IsIncreasing() const { return IsValid() && m_t[0] < m_t[1]; }
bool ON_Interval::IsDecreasing() const { return IsValid() && m_t[0] > m_t[1]; }
bool ON_Interval::IsInterval() const { return IsValid() && m_t[0] != m_t[1]; }
bool ON_Interval::IsSingleton() const { return IsValid() && m_t[0] == m_t[1]; }
bool ON_Interval::IsEmptySet() const { return m_t[0] == ON_UNSET_VALUE && m_t[1] == ON_UNSET_VALUE; }

bool ON_Interval::Includes(double t, bool bTestOpenInterval) const
{
  if (!IsValid() || !ON_IsValid(t))
    return false;
  return bTestOpenInterval ? (Min() < t && t < Max()) : (Min() <= t && t <= Max());
}

bool ON_Interval::Includes(const ON_Interval& other, bool bProperSubSet) const
{
  if (!Includes(other.m_t[0]) || !Includes(other.m_t[1]))
    return false;
  return !bProperSubSet || other.Min() != Min() || other.Max() != Max();
}

void ON_Interval::Swap() { std::swap(m_t[0], m_t[1]); }

void ON_Interval::Reverse()
{
  if (IsEmptySet())
    return;
  Set(-m_t[1], -m_t[0]);
}

bool ON_Interval::MakeIncreasing()
{
  if (!IsValid())
    return false;
  if (m_t[0] > m_t[1])
    Swap();
  return true;
}

bool ON_Interval::Intersection(const ON_Interval& other)
{
  if (IsEmptySet() || other.IsEmptySet())
  {
    Destroy();
    return false;
  }
  const double a = std::max(Min(), other.Min());
  const double b = std::min(Max(), other.Max());
  if (a > b)
  {
    Destroy();
    return false;
  }
  Set(a, b);
  return true;
}

bool ON_Interval::Union(const ON_Interval& other)
{
  if (other.IsEmptySet())
  {
    if (IsEmptySet())
      return false;
    return MakeIncreasing();
  }
  if (IsEmptySet())
  {
    *this = other;
    return MakeIncreasing();
  }
  Set(std::min(Min(), other.Min()), std::max(Max(), other.Max()));
  return IsValid();
}
