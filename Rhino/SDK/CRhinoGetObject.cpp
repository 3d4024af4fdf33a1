#include "CRhinoGetObject.h"

#include "CRhinoApp.h"
#include "CRhinoDoc.h"

#include <cerrno>
#include <cstdlib>
#include <strings.h>

namespace {

bool Is(const std::string& token, const char* word) {
  return strcasecmp(token.c_str(), word) == 0;
}

}  // namespace

bool CRhinoGetObject::IsEligible(const CRhinoObject& object) const {
  return m_filter == any_object || (static_cast<unsigned int>(object.ObjectType()) & m_filter);
}

void CRhinoGetObject::Pick(const CRhinoObject* object) {
  if (m_maximum > 0 && ObjectCount() >= m_maximum) return;
  if (m_pickedSet.insert(object).second) m_picked.emplace_back(object);
}

bool CRhinoGetObject::PickNumber(const std::string& token) {
  char* end = nullptr;
  errno = 0;
  const long number = std::strtol(token.c_str(), &end, 10);
  if (token.empty() || *end != '\0' || errno != 0) {
    RhinoApp().Print("Unknown option or object: %s\n", token.c_str());
    return false;
  }
  const CRhinoObject* object = RhinoApp().ActiveDoc()->ObjectAt(static_cast<int>(number));
  if (!object || !IsEligible(*object)) {
    RhinoApp().Print("Object %s cannot be picked here\n", token.c_str());
    return false;
  }
  Pick(object);
  return true;
}

CRhinoGet::result CRhinoGetObject::GetObjects(int minimum, int maximum) {
  m_maximum = maximum;
  CRhinoDoc* doc = RhinoApp().ActiveDoc();
  const std::string prompt = PromptText("All, object numbers, Enter, Cancel");
  std::string token;
  for (;;) {
    if (!RhinoApp().CommandStream().Next(prompt, token) || Is(token, "Enter"))
      break;
    if (Is(token, "Cancel")) return cancel;
    if (Is(token, "All")) {
      for (const auto& object : doc->Objects())
        if (IsEligible(*object)) Pick(object.get());
    } else if (token.find('=') != std::string::npos) {
      return ApplyOption(token) ? option : cancel;
    } else if (!PickNumber(token)) {
      return cancel;
    }
  }
  for (const CRhinoObjRef& ref : m_picked) RhinoApp().NotePicked(ref.Object());
  return ObjectCount() >= minimum && ObjectCount() > 0 ? object : nothing;
}
