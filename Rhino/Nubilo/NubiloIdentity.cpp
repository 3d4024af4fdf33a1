#include "NubiloIdentity.h"

// 5D1E0C42-7B93-4A6F-9E28-03B7C6A14F95
const ON_UUID NubiloIdentity::PlugInId = {0x5D1E0C42, 0x7B93, 0x4A6F, {0x9E, 0x28, 0x03, 0xB7, 0xC6, 0xA1, 0x4F, 0x95}};
const wchar_t* const NubiloIdentity::PlugInName = L"Nubilo";
const wchar_t* const NubiloIdentity::ProductTitle = L"Nubilo 4.0 version 1.0";
const wchar_t* const NubiloIdentity::SettingsSection = L"Plug-Ins\\5D1E0C42-7B93-4A6F-9E28-03B7C6A14F95\\Settings";
