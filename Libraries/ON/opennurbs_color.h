#pragma once

#include "opennurbs_defines.h"

#define ON_UNSET_COLOR 0xFFFFFFFFU

// 32-bit colour: bytes red, green, blue, alpha in memory (0x00BBGGRR as a number); alpha is
// the transparency, 0 opaque.
class ON_CLASS ON_Color
{
public:
  static const ON_Color UnsetColor;
  static const ON_Color Black;
  static const ON_Color White;

  constexpr ON_Color(unsigned int colorref = 0) : m_color(colorref) {}
  // Components clamped to 0..255.
  ON_Color(int red, int green, int blue);
  ON_Color(int red, int green, int blue, int alpha);

  operator unsigned int() const;
  int Compare(const ON_Color& other) const;

  int Red() const;
  int Green() const;
  int Blue() const;
  int Alpha() const;
  // Components divided by 255.
  double FractionRed() const;
  double FractionGreen() const;
  double FractionBlue() const;
  double FractionAlpha() const;

  void SetRGB(int red, int green, int blue); // alpha becomes 0
  void SetRGBA(int red, int green, int blue, int alpha);
  void SetAlpha(int alpha);
  void SetFractionalRGB(double red, double green, double blue);

private:
  unsigned int m_color;
};
