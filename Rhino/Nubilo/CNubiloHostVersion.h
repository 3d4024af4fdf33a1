#pragma once

// The check of the host version that the working commands run before anything else.
class CNubiloHostVersion
{
public:
  // Host names of the versions by index: "Rhinoceros ????", "Rhinoceros 2.0", "3.0", "4.0".
  static const wchar_t* HostName(int index);
  // 1 if the registry key contains "2.0", else 2 for "3.0", else 3 for "4.0", else 0.
  static int VersionIndex(const wchar_t* registryKey);
  // True when the host may run the working commands; otherwise the user has been told.
  static bool Check();
};
