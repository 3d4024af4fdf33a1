// The functions the host looks up in the module before it loads the plug-in.

#include "RhinoSdkVersion.h"

#define NUBILO_EXPORT extern "C" __attribute__((visibility("default")))

NUBILO_EXPORT int RhinoPlugInSdkVersion() { return RHINO_SDK_VERSION; }
NUBILO_EXPORT int RhinoPlugInSdkServiceRelease() { return RHINO_SDK_SERVICE_RELEASE; }
NUBILO_EXPORT const wchar_t* RhinoPlugInDeveloperOrganization() { return L"Nubilo developers"; }
NUBILO_EXPORT const wchar_t* RhinoPlugInDeveloperAddress() { return L"-"; }
NUBILO_EXPORT const wchar_t* RhinoPlugInDeveloperCountry() { return L"-"; }
NUBILO_EXPORT const wchar_t* RhinoPlugInDeveloperPhone() { return L"-"; }
NUBILO_EXPORT const wchar_t* RhinoPlugInDeveloperFax() { return L"-"; }
NUBILO_EXPORT const wchar_t* RhinoPlugInDeveloperEmail() { return L"-"; }
NUBILO_EXPORT const wchar_t* RhinoPlugInDeveloperWebsite() { return L"-"; }
NUBILO_EXPORT const wchar_t* RhinoPlugInUpdateURL() { return L"-"; }
