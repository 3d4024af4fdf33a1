#pragma once

#include "opennurbs.h"

// Small helpers of the file library.
class QORIOUtils
{
public:
  // Formats the text printf style and shows it in a message box with the application's caption.
  static void Message(const char* format, ...) __attribute__((format(printf, 1, 2)));
  // Index of the first element equal to the text (exact, case-sensitive), or -1.
  static int Contains(const ON_ClassArray<ON_String>& strings, const ON_String& text);
  // Fills the identifier with a newly generated one.
  static void CreateUUID(ON_UUID& uuid);
};
