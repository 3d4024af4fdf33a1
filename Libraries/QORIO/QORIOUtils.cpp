#include "QORIOUtils.h"

#include "MessageBox.h"
#include "TextFormat.h"

#include <cstdarg>

void QORIOUtils::Message(const char* format, ...)
{
  va_list args;
  va_start(args, format);
  const std::string text = Platform::TextFormat::FormatV(format, args);
  va_end(args);
  Platform::MessageBox::Show(nullptr, text, "Nubilo", Platform::MessageIcon::None);
}

int QORIOUtils::Contains(const ON_ClassArray<ON_String>& strings, const ON_String& text)
{
  for (int i = 0; i < strings.Count(); ++i)
    if (strings[i] == text)
      return i;
  return -1;
}

void QORIOUtils::CreateUUID(ON_UUID& uuid) { ON_CreateUuid(uuid); }
