#pragma once

#include "opennurbs.h"

// How the plug-in names itself to the host and the user, and where its settings live.
struct NubiloIdentity
{
  static const ON_UUID PlugInId;
  static const wchar_t* const PlugInName;   // "Nubilo"
  static const wchar_t* const ProductTitle; // used in captions and messages
  static const wchar_t* const SettingsSection;
};
