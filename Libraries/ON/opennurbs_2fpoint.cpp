#include "opennurbs_2fpoint.h"

#include "opennurbs_2dpoint.h"

ON_2fPoint::ON_2fPoint(const float* p) : x(p[0]), y(p[1]) {}
ON_2fPoint::ON_2fPoint(const ON_2dPoint& p) : x(static_cast<float>(p.x)), y(static_cast<float>(p.y)) {}

void ON_2fPoint::Set(float xx, float yy)
{
  x = xx;
  y = yy;
}

float& ON_2fPoint::operator[](int i) { return (i <= 0) ? x : y; }
float ON_2fPoint::operator[](int i) const { return (i <= 0) ? x : y; }

ON_2fPoint ON_2fPoint::operator+(const ON_2fPoint& p) const { return ON_2fPoint(x + p.x, y + p.y); }
ON_2fPoint ON_2fPoint::operator*(float d) const { return ON_2fPoint(x * d, y * d); }

bool ON_2fPoint::operator==(const ON_2fPoint& p) const { return x == p.x && y == p.y; }
bool ON_2fPoint::operator!=(const ON_2fPoint& p) const { return x != p.x || y != p.y; }

double ON_2fPoint::DistanceTo(const ON_2fPoint& p) const { return ON_2dPoint(*this).DistanceTo(ON_2dPoint(p)); }

void ON_2fPoint::Zero() { x = y = 0.0f; }
bool ON_2fPoint::IsValid() const { return ON_IsValidFloat(x) && ON_IsValidFloat(y); }
