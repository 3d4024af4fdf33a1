#include "CRhinoGetObject.h"

#include "CRhinoApp.h"
#include "CRhinoDoc.h"

#include <cerrno>
#include <cstdlib>
#include <strings.h>

namespace
{

bool Is(const std::string& token, const char* word) { return strcasecmp(token.c_str(), word) == 0; }

// An object number, or a range of them as "FIRST-LAST"; false when the token is neither.
bool ParseNumbers(const std::string& token, long& first, long& last)
{
  const char* text = token.c_str();
  char* end = nullptr;
  errno = 0;
  first = last = std::strtol(text, &end, 10);
  if (end == text || errno != 0)
    return false;
  if (*end == '-' && end != text)
  {
    const char* second = end + 1;
    last = std::strtol(second, &end, 10);
    if (end == second || errno != 0)
      return false;
  }
  return *end == '\0';
}

} // namespace

bool CRhinoGetObject::IsEligible(const CRhinoObject& object) const
{
  return m_filter == any_object || (static_cast<unsigned int>(object.ObjectType()) & m_filter);
}

void CRhinoGetObject::Pick(const CRhinoObject* object)
{
  if (m_maximum > 0 && ObjectCount() >= m_maximum)
    return;
  if (m_pickedSet.insert(object).second)
    m_picked.emplace_back(object);
}

bool CRhinoGetObject::PickNumber(const std::string& token)
{
  long first = 0, last = 0;
  if (!ParseNumbers(token, first, last))
  {
    RhinoApp().PrintError("Unknown option or object: %s\n", token.c_str());
    return false;
  }
  const CRhinoDoc& doc = *RhinoApp().ActiveDoc();
  if (first < 1 || last < first || last > doc.ObjectCount())
  {
    RhinoApp().PrintError("No object %s: the document has objects 1 to %d\n", token.c_str(), doc.ObjectCount());
    return false;
  }
  // In a range, objects of other kinds are passed over; a range with none that fits is refused.
  int picked = 0;
  for (long number = first; number <= last; ++number)
  {
    const CRhinoObject* object = doc.ObjectAt(static_cast<int>(number));
    if (!IsEligible(*object))
      continue;
    Pick(object);
    ++picked;
  }
  if (picked == 0)
  {
    RhinoApp().PrintError("Object %s cannot be picked here\n", token.c_str());
    return false;
  }
  return true;
}

CRhinoGet::result CRhinoGetObject::GetObjects(int minimum, int maximum)
{
  m_maximum = maximum;
  CRhinoDoc* doc = RhinoApp().ActiveDoc();
  const std::string prompt = PromptText("All, object numbers, Enter, Cancel");
  std::string token;
  for (;;)
  {
    if (!RhinoApp().CommandStream().Next(prompt, token) || Is(token, "Enter"))
      break;
    if (Is(token, "Cancel"))
      return cancel;
    if (Is(token, "All"))
    {
      for (const auto& object : doc->Objects())
        if (IsEligible(*object))
          Pick(object.get());
    }
    else if (token.find('=') != std::string::npos)
    {
      if (ListOptionValues(token))
        continue;
      return ApplyOption(token) ? option : cancel;
    }
    else if (!PickNumber(token))
    {
      return cancel;
    }
  }
  for (const CRhinoObjRef& ref : m_picked)
    RhinoApp().NotePicked(ref.Object());
  return ObjectCount() >= minimum && ObjectCount() > 0 ? object : nothing;
}
