#pragma once

#include "opennurbs.h"

// Number comparisons, text helpers and diagnostic message boxes. Static only.
class QORGeoUtils
{
public:
  QORGeoUtils() = delete;

  static ON_wString GetError();
  static void SetError(const ON_wString& text);

  // 1 when value lies between the bounds, given in either order: inclusive 1 accepts the bounds
  // themselves, any other value only the open range.
  static int Between(const double& value, const double& a, const double& b, int inclusive);
  // 1 when |a - b| <= tolerance; no wrap-around at a full turn.
  static int EqualAngles(double a, double b, double tolerance);
  static double Distance(double x1, double y1, double z1, double x2, double y2, double z2);
  static void Swap(double& a, double& b);
  static void Swap(int& a, int& b);

  // The number at the start of the text as the C library reads it in the "C" locale, whatever
  // the process locale: leading blanks, a sign, digits with an optional '.', an optional
  // exponent. The exponent may also be written with 'D' or 'd' (Fortran, IGES: 1.5D+02).
  // 0 when the text is null or does not start with a number; out-of-range values give
  // +-HUGE_VAL or 0.
  static double StringToDouble(const char* text);
  // Copies the characters first .. last (inclusive) of the text into the buffer and terminates
  // it, stopping at the end of the text or when the buffer of bufferSize characters is full.
  // An empty text, or first past last, gives an empty buffer.
  static void SubString(const char* text, int first, int last, char* buffer, int bufferSize);

  // printf-style text in a message box with an OK button.
  static void Message(const char* format, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 1, 2)))
#endif
      ;
  // The object's description in a message box.
  static void Show(const ON_3dPoint& point);
  static void Show(const ON_Polyline& polyline);
  static void Show(const ON_NurbsCurve& curve);
};
