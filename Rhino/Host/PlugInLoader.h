#pragma once

#include "CRhinoPlugIn.h"
#include "DynamicLibrary.h"

#include <string>

// Loads a plug-in module: checks its SDK version export, finds the plug-in object the module
// built, tells it its folder and calls its load handler; unloading reverses that.
class PlugInLoader
{
public:
  ~PlugInLoader();
  // False with a message in `error` when the module cannot be loaded or refuses to load.
  bool Load(const std::string& modulePath, std::string& error);
  void Unload();
  CRhinoPlugIn* PlugIn() const { return m_plugin; }

private:
  Platform::DynamicLibrary m_module;
  CRhinoPlugIn* m_plugin = nullptr;
};
