#include "QORGeoUtils.h"

#include "MessageBox.h"
#include "TextFormat.h"
#include "LastError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <string>

namespace
{

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// isspace in the "C" locale.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string Format(const char* format, ...)
{
  va_list args;
  va_start(args, format);
  std::string text = Platform::TextFormat::FormatV(format, args);
  va_end(args);
  return text;
}

void ShowText(const std::string& text)
{
  Platform::MessageBox::Show(nullptr, text, "Nubilo", Platform::MessageIcon::None);
}

// The toolkit's periodic test (ON_NurbsCurve::IsPeriodic is not in our core): the knot spacings at
// the start repeat at the end and the last degree control points coincide with the first ones.
bool IsPeriodic(const ON_NurbsCurve& curve)
{
  const int order = curve.Order(), count = curve.CVCount();
  if (order < 3 || !curve.m_knot || count < (order <= 4 ? order + 2 : 2 * order - 2))
    return false;
  const double* knot = curve.m_knot;
  const int shift = count - order + 1;
  const ON_Interval domain = curve.Domain();
  const double tolerance =
      ON_SQRT_EPSILON * std::max(std::fabs(knot[order - 1] - knot[order - 3]), std::fabs(domain.Length()));
  for (int i = 0; i < 2 * (order - 2); i++)
    if (std::fabs((knot[i + 1] - knot[i]) - (knot[i + shift + 1] - knot[i + shift])) > tolerance)
      return false;
  for (int i = 0; i < order - 1; i++)
  {
    ON_3dPoint a, b;
    if (!curve.GetCV(i, a) || !curve.GetCV(count - order + 1 + i, b) || !ON_PointsAreCoincident(a, b))
      return false;
  }
  return true;
}

// Number of knots equal to knot i.
int KnotMultiplicity(const ON_NurbsCurve& curve, int i)
{
  const int count = curve.KnotCount();
  const double* knot = curve.m_knot;
  int first = i, last = i;
  while (first > 0 && knot[first - 1] == knot[i])
    first--;
  while (last + 1 < count && knot[last + 1] == knot[i])
    last++;
  return last - first + 1;
}

} // namespace

ON_wString QORGeoUtils::GetError() { return Platform::LastError<QORGeoUtils, ON_wString>::Get(); }

void QORGeoUtils::SetError(const ON_wString& text) { Platform::LastError<QORGeoUtils, ON_wString>::Set(text); }

int QORGeoUtils::Between(const double& value, const double& a, const double& b, int inclusive)
{
  const double low = std::min(a, b), high = std::max(a, b);
  if (inclusive == 1)
    return low <= value && value <= high ? 1 : 0;
  return low < value && value < high ? 1 : 0;
}

int QORGeoUtils::EqualAngles(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance ? 1 : 0; }

double QORGeoUtils::Distance(double x1, double y1, double z1, double x2, double y2, double z2)
{
  const double dx = x2 - x1, dy = y2 - y1, dz = z2 - z1;
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

void QORGeoUtils::Swap(double& a, double& b) { std::swap(a, b); }

void QORGeoUtils::Swap(int& a, int& b) { std::swap(a, b); }

double QORGeoUtils::StringToDouble(const char* text)
{
  if (!text)
    return 0.0;
  const char* p = text;
  while (IsBlank(*p))
    p++;
  // The number is copied in the form std::from_chars reads: no '+', 'e' for the exponent.
  std::string number;
  if (*p == '+' || *p == '-')
  {
    if (*p == '-')
      number += '-';
    p++;
  }
  // Decimal power of the first significant digit, to tell overflow from underflow.
  long power = 0;
  bool significant = false;
  int digits = 0;
  for (; IsDigit(*p); p++, digits++)
  {
    number += *p;
    significant = significant || *p != '0';
    if (significant)
      power++;
  }
  if (*p == '.')
  {
    number += *p++;
    for (; IsDigit(*p); p++, digits++)
    {
      number += *p;
      if (!significant && *p != '0')
        significant = true;
      else if (!significant)
        power--;
    }
  }
  if (digits == 0)
    return 0.0;
  if (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D')
  {
    const char* q = p + 1;
    const bool negative = *q == '-';
    if (*q == '+' || *q == '-')
      q++;
    if (IsDigit(*q))
    {
      number += negative ? "e-" : "e";
      long exponent = 0;
      for (; IsDigit(*q); q++)
      {
        number += *q;
        exponent = std::min(exponent * 10 + (*q - '0'), 100000L);
      }
      power += negative ? -exponent : exponent;
    }
  }
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range)
  {
    const double sign = number[0] == '-' ? -1.0 : 1.0;
    return power > 0 ? sign * HUGE_VAL : sign * 0.0;
  }
  return result.ec == std::errc() ? value : 0.0;
}

void QORGeoUtils::SubString(const char* text, int first, int last, char* buffer, int bufferSize)
{
  if (!buffer || bufferSize <= 0)
    return;
  buffer[0] = '\0';
  if (!text)
    return;
  int i = 0;
  const int start = std::max(first, 0);
  while (i < start && text[i] != '\0')
    i++;
  if (i < start)
    return;
  int n = 0;
  for (; i <= last && text[i] != '\0' && n < bufferSize - 1; i++)
    buffer[n++] = text[i];
  buffer[n] = '\0';
}

void QORGeoUtils::Message(const char* format, ...)
{
  va_list args;
  va_start(args, format);
  const std::string text = Platform::TextFormat::FormatV(format, args);
  va_end(args);
  ShowText(text);
}

void QORGeoUtils::Show(const ON_3dPoint& point) { ShowText(Format("Point : %f, %f, %f", point.x, point.y, point.z)); }

void QORGeoUtils::Show(const ON_Polyline& polyline)
{
  std::string text = "Polyline : \n";
  text += polyline.IsClosed(0.0) ? "Closed\n" : "Open\n";
  text += Format("Vertices : %d\n", polyline.PointCount());
  for (int i = 0; i < polyline.PointCount(); i++)
    text += Format("Vertex %d : %f, %f, %f\n", i, polyline[i].x, polyline[i].y, polyline[i].z);
  ShowText(text);
}

void QORGeoUtils::Show(const ON_NurbsCurve& curve)
{
  std::string text = "Nurbs Curve : \n";
  text += curve.IsClosed() ? "Closed\n" : "Open\n";
  text += curve.IsRational() ? "Rational\n" : "Not rational\n";
  text += IsPeriodic(curve) ? "Periodic\n" : "Not Periodic\n";
  text += curve.IsClamped(2) ? "Clamped\n" : "Not clamped\n";
  const int knots = curve.m_knot ? curve.KnotCount() : 0;
  text += Format("Knots : %d\n", knots);
  for (int i = 0; i < knots; i++)
    text += Format("Knot %d : %f (Multiplicity : %d)\n", i, curve.Knot(i), KnotMultiplicity(curve, i));
  const int count = curve.m_cv ? curve.CVCount() : 0;
  text += Format("Control vertices : %d\n", count);
  for (int i = 0; i < count; i++)
  {
    ON_3dPoint cv(0.0, 0.0, 0.0);
    curve.GetCV(i, cv);
    text += Format("Control vertex %d : %f, %f, %f\n", i, cv.x, cv.y, cv.z);
  }
  ShowText(text);
}
