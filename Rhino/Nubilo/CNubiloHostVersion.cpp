#include "CNubiloHostVersion.h"

#include "MessageBox.h"
#include "rhinoSdk.h"

#include <cwchar>

namespace
{

const wchar_t* const kHostNames[] = {L"Rhinoceros ????", L"Rhinoceros 2.0", L"Rhinoceros 3.0", L"Rhinoceros 4.0"};
constexpr int kRequiredIndex = 3;

} // namespace

const wchar_t* CNubiloHostVersion::HostName(int index)
{
  return index >= 0 && index <= kRequiredIndex ? kHostNames[index] : kHostNames[0];
}

int CNubiloHostVersion::VersionIndex(const wchar_t* key)
{
  if (!key)
    return 0;
  if (std::wcsstr(key, L"2.0"))
    return 1;
  if (std::wcsstr(key, L"3.0"))
    return 2;
  if (std::wcsstr(key, L"4.0"))
    return 3;
  return 0;
}

bool CNubiloHostVersion::Check()
{
  if (VersionIndex(RhinoApp().GetRhinoRegistryKey()) == kRequiredIndex)
    return true;
  const ON_wString text =
      ON_wString(L"This plug-in is designed to work with ") + HostName(kRequiredIndex) + L" based products only";
  Platform::MessageBox::Show(RhinoApp().MainWnd(), static_cast<const char*>(ON_String(text)),
                             "Incompatible Rhinoceros Version", Platform::MessageIcon::Warning);
  return false;
}
