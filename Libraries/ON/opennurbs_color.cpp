#include "opennurbs_color.h"

#include <algorithm>
#include <cmath>

const ON_Color ON_Color::UnsetColor(ON_UNSET_COLOR);
const ON_Color ON_Color::Black(0x00000000U);
const ON_Color ON_Color::White(0x00FFFFFFU);

namespace
{
unsigned int ClampedByte(int c) { return static_cast<unsigned int>(std::clamp(c, 0, 255)); }

int FractionToByte(double f)
{
  if (!(f > 0.0))
    return 0;
  return (f >= 1.0) ? 255 : static_cast<int>(std::floor(f * 255.0 + 0.5));
}
} // namespace

ON_Color::ON_Color(int red, int green, int blue) : m_color(0) { SetRGB(red, green, blue); }

ON_Color::ON_Color(int red, int green, int blue, int alpha) : m_color(0) { SetRGBA(red, green, blue, alpha); }

ON_Color::operator unsigned int() const { return m_color; }

int ON_Color::Compare(const ON_Color& other) const
{
  return (m_color < other.m_color) ? -1 : ((m_color > other.m_color) ? 1 : 0);
}

int ON_Color::Red() const { return static_cast<int>(m_color & 0xFFU); }
int ON_Color::Green() const { return static_cast<int>((m_color >> 8) & 0xFFU); }
int ON_Color::Blue() const { return static_cast<int>((m_color >> 16) & 0xFFU); }
int ON_Color::Alpha() const { return static_cast<int>((m_color >> 24) & 0xFFU); }

double ON_Color::FractionRed() const { return Red() / 255.0; }
double ON_Color::FractionGreen() const { return Green() / 255.0; }
double ON_Color::FractionBlue() const { return Blue() / 255.0; }
double ON_Color::FractionAlpha() const { return Alpha() / 255.0; }

void ON_Color::SetRGB(int red, int green, int blue) { SetRGBA(red, green, blue, 0); }

void ON_Color::SetRGBA(int red, int green, int blue, int alpha)
{
  m_color = ClampedByte(red) | (ClampedByte(green) << 8) | (ClampedByte(blue) << 16) | (ClampedByte(alpha) << 24);
}

void ON_Color::SetAlpha(int alpha) { m_color = (m_color & 0x00FFFFFFU) | (ClampedByte(alpha) << 24); }

void ON_Color::SetFractionalRGB(double red, double green, double blue)
{
  SetRGB(FractionToByte(red), FractionToByte(green), FractionToByte(blue));
}
